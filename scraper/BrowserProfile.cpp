#include "BrowserProfile.h"

#include "ScraperLog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QWebEngineDownloadItem>
#include <QWebEngineProfile>

namespace {

constexpr char FolderPattern[] = "page-";
constexpr char InUseName[] = "in-use";
// A folder younger than this may be one whose run has not locked it yet.
constexpr qint64 SweepAfterSeconds = 60;

// The storage folder of this run; its lock tells the runs after a crash
// that nobody uses it any more. The web engine writes into it until it
// shuts down with the application, so it goes only at the process's exit.
class RunFolder {
public:
    explicit RunFolder(const QString &parentPath)
        : m_folder(QDir(parentPath).filePath(QLatin1String(FolderPattern) + QStringLiteral("XXXXXX")))
        , m_inUse(QDir(m_folder.path()).filePath(QLatin1String(InUseName)))
    {
        m_inUse.setStaleLockTime(0);
        if (m_folder.isValid())
            m_inUse.tryLock(0);
    }
    bool isValid() const { return m_folder.isValid() && m_inUse.isLocked(); }
    QString path() const { return m_folder.path(); }

private:
    // In this order: the lock goes first, then the folder with it.
    QTemporaryDir m_folder;
    QLockFile m_inUse;
};

// Folders left by runs that ended without removing theirs: their lock's
// process is gone.
void sweepLeftFolders(const QString &parentPath)
{
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-SweepAfterSeconds);
    const QFileInfoList folders = QDir(parentPath)
                                      .entryInfoList({QLatin1String(FolderPattern) + QLatin1Char('*')},
                                                     QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QFileInfo &folder : folders) {
        if (folder.lastModified().toUTC() > before)
            continue;
        QLockFile inUse(QDir(folder.filePath()).filePath(QLatin1String(InUseName)));
        inUse.setStaleLockTime(0);
        if (!inUse.tryLock(0))
            continue;
        inUse.unlock();
        qCDebug(lcScraper) << "BrowserProfile: Removing a storage folder left behind:" << folder.fileName();
        QDir(folder.filePath()).removeRecursively();
    }
}

} // namespace

QWebEngineProfile *pageProfile()
{
    static QWebEngineProfile *const profile = [] {
        QWebEngineProfile *chosen = QWebEngineProfile::defaultProfile();
        const QString parentPath = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        QDir().mkpath(parentPath);
        sweepLeftFolders(parentPath);
        static RunFolder folder(parentPath);
        if (folder.isValid()) {
            chosen->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
            chosen->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
            chosen->setPersistentStoragePath(folder.path());
        } else {
            qCDebug(lcScraper) << "BrowserProfile: No storage folder of this run's own in" << parentPath
                               << "- the pages keep everything in memory";
            // Without a storage name: off the record.
            chosen = new QWebEngineProfile(QCoreApplication::instance());
        }
        QObject::connect(chosen, &QWebEngineProfile::downloadRequested, chosen, [](QWebEngineDownloadItem *download) {
            qCDebug(lcScraper) << "BrowserProfile: Refused a download the page asked for:" << download->url();
            download->cancel();
        });
        return chosen;
    }();
    return profile;
}
