#include "StagingFolder.h"

#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

StagingFolder::~StagingFolder()
{
    // removeRecursively deletes a link inside, not what it points to.
    if (!m_path.isEmpty())
        QDir(m_path).removeRecursively();
}

bool StagingFolder::create(const QString &destination, QString *error)
{
    const QFileInfo info(destination);
    QByteArray pattern = QFile::encodeName(info.absolutePath() + QStringLiteral("/.travonix-media-XXXXXX"));
    if (!mkdtemp(pattern.data())) {
        *error = systemErrorText();
        return false;
    }
    m_path = QFile::decodeName(pattern);
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
