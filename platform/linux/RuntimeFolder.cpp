#include "RuntimeFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace platform::linux_ {

namespace {

// Short, for the socket's path has room for about a hundred bytes.
const char CacheSubfolder[] = "travonix-run";

QString runtimeFolderUnderCache()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty() || !QDir::isAbsolutePath(cache) || !QDir().mkpath(cache))
        return QString();
    const QString folder = QDir(cache).filePath(QString::fromLatin1(CacheSubfolder));
    // An existing folder is taken only as it is checked below, never mended.
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    return isPrivateFolder(folder) ? folder : QString();
}

} // namespace

bool isPrivateFolder(const QString &path)
{
    struct stat status { };
    // Without trailing slashes: with one, lstat follows a link.
    if (path.isEmpty() || ::lstat(QFile::encodeName(QDir::cleanPath(path)).constData(), &status) != 0)
        return false;
    return S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() && (status.st_mode & 07777) == 0700;
}

QString privateRuntimeFolder()
{
    const QString runtime = QDir::cleanPath(qEnvironmentVariable("XDG_RUNTIME_DIR"));
    if (QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime))
        return runtime;
    return runtimeFolderUnderCache();
}

} // namespace platform::linux_
