#include "StagingFolder.h"

#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Prefix = QStringLiteral(".travonix-media-");

int openFolder(const QString &path)
{
    return ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// The folders of builds that ended without their cleanup: the user's, and
// locked by no build that runs.
void removeAbandoned(const QString &folder)
{
    const QFileInfoList found =
        QDir(folder).entryInfoList({Prefix + QStringLiteral("??????")}, QDir::Dirs | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &info : found) {
        const int fd = openFolder(info.filePath());
        struct stat status { };
        if (fd >= 0 && ::fstat(fd, &status) == 0 && status.st_uid == ::geteuid() && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            QDir(info.filePath()).removeRecursively();
        if (fd >= 0)
            ::close(fd);
    }
}

} // namespace

StagingFolder::~StagingFolder()
{
    // removeRecursively deletes a link inside, not what it points to.
    if (!m_path.isEmpty())
        QDir(m_path).removeRecursively();
    if (m_lock >= 0)
        ::close(m_lock);
}

bool StagingFolder::create(const QString &destination, QString *error)
{
    const QString folder = QFileInfo(destination).absolutePath();
    removeAbandoned(folder);
    QByteArray pattern = QFile::encodeName(folder + QLatin1Char('/') + Prefix + QStringLiteral("XXXXXX"));
    if (!mkdtemp(pattern.data())) {
        *error = systemErrorText();
        return false;
    }
    m_path = QFile::decodeName(pattern);
    m_lock = openFolder(m_path);
    if (m_lock < 0 || ::flock(m_lock, LOCK_EX) != 0) {
        *error = systemErrorText();
        return false;
    }
    return true;
}

QString StagingFolder::filePath(const QString &name) const
{
    return m_path + QLatin1Char('/') + name;
}

int createFileIn(const QString &folder, const char *name)
{
    const int folderFd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folderFd < 0)
        return -1;
    int fd = -1;
    if (::unlinkat(folderFd, name, 0) == 0 || errno == ENOENT)
        fd = ::openat(folderFd, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    const int saved = errno;
    ::close(folderFd);
    errno = saved;
    return fd;
}

bool isPlainFile(const QString &path)
{
    struct stat status { };
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

QString systemErrorText()
{
    return QString::fromStdWString(platform::errorText(static_cast<std::uint32_t>(errno)));
}
