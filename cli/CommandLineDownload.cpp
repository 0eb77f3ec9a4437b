#include "CommandLineDownload.h"

#include "Options.h"
#include "Output.h"
#include "download/Digest.h"
#include "download/DownloadManager.h"
#include "download/PartFile.h"
#include "flow/DigestVerdict.h"
#include "flow/DownloadFailure.h"
#include "flow/EngineSetup.h"
#include "flow/SizeFormat.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

CommandLineDownload::CommandLineDownload(DownloadManager *engine, ProgressReport::Style style, QObject *parent)
    : QObject(parent)
    , m_engine(engine)
    , m_report(style)
{
    connect(engine, &DownloadManager::progress, this, [this](qint64 received, qint64 total) {
        m_report.update(received, total, m_engine->currentSpeed(), m_engine->busyConnections());
    });
    connect(engine, &DownloadManager::checkingPart, this, [this](qint64 checked, qint64 total) {
        m_report.checking(QStringLiteral("the part already downloaded"), checked, total);
    });
    connect(engine, &DownloadManager::finished, this, &CommandLineDownload::onFinished);
    connect(engine, &DownloadManager::unverified, this, &CommandLineDownload::onUnverified);
    connect(engine, &DownloadManager::linkExpired, this, &CommandLineDownload::onLinkExpired);
    connect(engine, &DownloadManager::failed, this, &CommandLineDownload::onError);
}

namespace {

constexpr int MostIsoNameBytes = 200;

// The link's last path segment as the link carries it: percent-encoded, so
// it shows safely too.
QString lastSegmentOf(const QString &url)
{
    return QUrl(url).path(QUrl::FullyEncoded).section(QLatin1Char('/'), -1);
}

// That segment, decoded, if it looks like the name of an ISO image: the
// server chooses it, so a name that could be a dot file, hold a NUL or an
// escape sequence, or reach another folder is never saved under.
QString isoNameOf(const QString &url)
{
    const QString name = QUrl::fromPercentEncoding(lastSegmentOf(url).toLatin1());
    static const QRegularExpression isoName(QStringLiteral("^[A-Za-z0-9_()+-][A-Za-z0-9._()+-]*\\.iso$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return name.toUtf8().size() <= MostIsoNameBytes && isoName.match(name).hasMatch() ? name : QString();
}

// No --output, or one that names a folder: the file takes the link's name.
bool takesLinkName(const QString &output)
{
    return output.isEmpty() || QFileInfo(QDir::current().absoluteFilePath(output)).isDir();
}

} // namespace

// An --output that names a folder takes the ISO under its own name.
DownloadJob CommandLineDownload::pageJob(const DownloadOption &option, const QString &output, QString *problem)
{
    DownloadJob job;
    job.url = option.url;
    job.nameFromServer = takesLinkName(output);
    const QString isoName = isoNameOf(option.url);
    if (!job.nameFromServer)
        job.destination = QFileInfo(QDir::current(), output).absoluteFilePath();
    else if (!isoName.isEmpty())
        job.destination = QDir(QDir::current().absoluteFilePath(output)).absoluteFilePath(isoName);
    else
        *problem = QStringLiteral("The link's file name is not one to save under (%1); give --output a "
                                  "file name.")
                       .arg(lastSegmentOf(option.url).left(80));
    job.publishedDigest = option.publishedSha256;
    job.prepareEngine = [option](DownloadManager &engine) { prepareEngineFor(engine, option); };
    job.verifiedText = [option](const QString &digest) { return verifiedText(option, digest); };
    job.unverifiedText = [option, destination = job.destination](const QString &digest, const QString &keptPath,
                                                                 UnverifiedReason reason) {
        return unverifiedText(option, digest, destination, keptPath, reason);
    };
    return job;
}

void CommandLineDownload::start(const DownloadJob &job)
{
    m_job = job;
    if (QFileInfo(m_job.destination).isDir()) {
        end(ExitCode::Usage, QStringLiteral("%1 is a folder; give --output a file name.").arg(m_job.destination));
        return;
    }
    if (alreadyThere())
        return;
    // The server chose the name: a file of the user's under it is never
    // replaced unless the user names it.
    const QFileInfo there(m_job.destination);
    if (m_job.nameFromServer && (there.exists() || there.isSymLink())) {
        end(ExitCode::Usage,
            QStringLiteral("%1 is already there and is not this file; give --output to replace it "
                           "or to save the file elsewhere.")
                .arg(m_job.destination));
        return;
    }
    begin();
}

// A destination that holds the file Microsoft publishes is kept as it is.
bool CommandLineDownload::alreadyThere()
{
    if (m_job.publishedDigest.isEmpty() || !QFileInfo(m_job.destination).isFile())
        return false;
    const QString digest = digestOfFile(m_job.algorithm, m_job.destination, [this](qint64 done, qint64 total) {
        m_report.checking(QStringLiteral("the file already there"), done, total);
        return true;
    });
    if (digest.compare(m_job.publishedDigest, Qt::CaseInsensitive) != 0)
        return false;
    m_report.note(QStringLiteral("%1 is already there, and its %2 matches the value Microsoft publishes; "
                                 "nothing to download.")
                      .arg(m_job.destination, QLatin1String(digestName(m_job.algorithm))));
    end(ExitCode::Done);
    return true;
}

void CommandLineDownload::begin()
{
    m_job.prepareEngine(*m_engine);
    const QFileInfo part = partFile();
    const qint64 held = partfile::heldBytes(part.filePath());
    if (held > 0)
        m_report.note(QStringLiteral("Continuing %1 from %2").arg(part.fileName(), formatSize(held)));
    else
        m_report.note(QStringLiteral("Downloading %1").arg(m_job.destination));
    m_engine->startDownload(m_job.url, m_job.destination);
}

void CommandLineDownload::continueWith(const QString &url)
{
    m_job.url = url;
    begin();
}

void CommandLineDownload::interrupt()
{
    m_engine->stopDownload();
    m_report.close();
    printError(QStringLiteral("Interrupted.") + keptPartText());
}

void CommandLineDownload::onFinished(const QString &path)
{
    m_report.note(QStringLiteral("Saved %1\n%2").arg(path, m_job.verifiedText(m_engine->digest())));
    end(ExitCode::Done);
}

void CommandLineDownload::onUnverified(const QString &keptPath, const QString &digest, UnverifiedReason reason)
{
    end(ExitCode::NotVerified, m_job.unverifiedText(digest, keptPath, reason));
}

// Once per run a fresh link for the same choices continues the part.
void CommandLineDownload::onLinkExpired()
{
    if (std::exchange(m_linkRenewed, true)) {
        end(ExitCode::Failed, QStringLiteral("The file server refused the download link, and a fresh one as well."));
        return;
    }
    m_report.note(QStringLiteral("The link expired during the download; getting a fresh one to continue..."));
    Q_EMIT needsFreshLink();
}

// A part that another download holds is that one's, not this run's to keep.
void CommandLineDownload::onError(const DownloadResult &result)
{
    const bool partInUse = result.outcome == DownloadOutcome::PartBusy;
    end(ExitCode::Failed,
        QStringLiteral("Download failed: %1").arg(downloadFailureText(result))
            + (partInUse ? QString() : keptPartText()));
}

QFileInfo CommandLineDownload::partFile() const
{
    return QFileInfo(DownloadManager::makeTempFilePath(m_job.url, m_job.destination));
}

// What a later run can do with the bytes already here.
QString CommandLineDownload::keptPartText() const
{
    const QFileInfo part = partFile();
    return part.exists() ? QStringLiteral("\n%1 is kept, and the same command continues it.").arg(part.filePath())
                         : QString();
}

void CommandLineDownload::end(int exitCode, const QString &error)
{
    m_report.close();
    if (!error.isEmpty())
        printError(error);
    Q_EMIT ended(exitCode);
}
