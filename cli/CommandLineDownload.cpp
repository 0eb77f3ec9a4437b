#include "CommandLineDownload.h"

#include "Options.h"
#include "Output.h"
#include "download/DownloadManager.h"
#include "download/PartFile.h"
#include "download/Sha256.h"
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
QString CommandLineDownload::destinationFor(const QString &url, const QString &output)
{
    if (!takesLinkName(output))
        return QFileInfo(QDir::current(), output).absoluteFilePath();
    const QDir folder(QDir::current().absoluteFilePath(output));
    const QString isoName = isoNameOf(url);
    return isoName.isEmpty() ? QString() : folder.absoluteFilePath(isoName);
}

void CommandLineDownload::start(const DownloadOption &option, const QString &output)
{
    m_option = option;
    m_destination = destinationFor(option.url, output);
    if (m_destination.isEmpty()) {
        end(ExitCode::Usage,
            QStringLiteral("The link's file name is not one to save under (%1); give --output a "
                           "file name.")
                .arg(lastSegmentOf(option.url).left(80)));
        return;
    }
    if (QFileInfo(m_destination).isDir()) {
        end(ExitCode::Usage, QStringLiteral("%1 is a folder; give --output a file name.").arg(m_destination));
        return;
    }
    if (alreadyThere())
        return;
    // The server chose the name: a file of the user's under it is never
    // replaced unless the user names it.
    const QFileInfo there(m_destination);
    if (takesLinkName(output) && (there.exists() || there.isSymLink())) {
        end(ExitCode::Usage,
            QStringLiteral("%1 is already there and is not this ISO; give --output to replace it "
                           "or to save the ISO elsewhere.")
                .arg(m_destination));
        return;
    }
    begin();
}

// A destination that holds the file Microsoft publishes is kept as it is.
bool CommandLineDownload::alreadyThere()
{
    if (m_option.publishedSha256.isEmpty() || !QFileInfo(m_destination).isFile())
        return false;
    const QString sha256 = sha256OfFile(m_destination, [this](qint64 done, qint64 total) {
        m_report.checking(QStringLiteral("the file already there"), done, total);
        return true;
    });
    if (sha256.compare(m_option.publishedSha256, Qt::CaseInsensitive) != 0)
        return false;
    m_report.note(QStringLiteral("%1 is already there, and its SHA-256 matches the value Microsoft publishes; "
                                 "nothing to download.")
                      .arg(m_destination));
    end(ExitCode::Done);
    return true;
}

void CommandLineDownload::begin()
{
    prepareEngineFor(*m_engine, m_option);
    const QFileInfo part = partFile();
    const qint64 held = partfile::heldBytes(part.filePath());
    if (held > 0)
        m_report.note(QStringLiteral("Continuing %1 from %2").arg(part.fileName(), formatSize(held)));
    else
        m_report.note(QStringLiteral("Downloading %1").arg(m_destination));
    m_engine->startDownload(m_option.url, m_destination);
}

void CommandLineDownload::continueWith(const DownloadOption &option)
{
    m_option = option;
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
    m_report.note(QStringLiteral("Saved %1\n%2").arg(path, verifiedText(m_option, m_engine->sha256())));
    end(ExitCode::Done);
}

void CommandLineDownload::onUnverified(const QString &keptPath, const QString &sha256, UnverifiedReason reason)
{
    end(ExitCode::NotVerified, unverifiedText(m_option, sha256, m_destination, keptPath, reason));
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
    return QFileInfo(DownloadManager::makeTempFilePath(m_option.url, m_destination));
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
