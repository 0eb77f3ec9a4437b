#include "CatalogRun.h"

#include "CatalogOutput.h"
#include "CommandLineBuild.h"
#include "CommandLineDownload.h"
#include "Output.h"
#include "download/DownloadManager.h"
#include "flow/DigestVerdict.h"
#include "flow/EngineSetup.h"
#include "flow/EsdPlace.h"
#include "scraper/ProductTable.h"

#include <QFileInfo>

namespace {

// Microsoft's catalog, unless the site is a mirror's (a test site).
CatalogSource sourceFor(const QString &productKey)
{
    return catalogSource(productKey, isDefaultSiteOrigin() ? QString() : siteOrigin());
}

DownloadJob esdJob(const CatalogFile &file, const CatalogSource &source, const QString &esdPath)
{
    DownloadJob job;
    job.url = file.url.toString(QUrl::FullyEncoded);
    job.destination = esdPath;
    // Named after the ISO, never by the user: a file of theirs under that
    // name stays.
    job.nameFromServer = true;
    job.algorithm = file.digestAlgorithm;
    job.publishedDigest = file.digest;
    job.prepareEngine = [file, source](DownloadManager &engine) { prepareEngineFor(engine, file, source); };
    job.verifiedText = [file](const QString &digest) { return verifiedText(file, digest); };
    job.unverifiedText = [file, esdPath](const QString &digest, const QString &keptPath, UnverifiedReason) {
        return unverifiedText(file, digest, esdPath, keptPath);
    };
    return job;
}

} // namespace

CatalogRun::CatalogRun(Options options, DownloadManager *engine, QString localeName, QObject *parent)
    : QObject(parent)
    , m_options(std::move(options))
    , m_engine(engine)
    , m_choice(new CatalogChoice(m_options.choices, std::move(localeName), sourceFor(m_options.choices.product), this))
{
    connect(m_choice, &CatalogChoice::catalogRead, this, &CatalogRun::onCatalogRead);
    connect(m_choice, &CatalogChoice::fileChosen, this, &CatalogRun::onFileChosen);
    connect(m_choice, &CatalogChoice::failed, this, &CatalogRun::end);
}

void CatalogRun::start()
{
    const QString problem = catalogChoicesProblem(m_options.choices);
    if (!problem.isEmpty()) {
        end(ExitCode::Usage, problem);
        return;
    }
    m_choice->start(m_options.mode == RunMode::List);
}

void CatalogRun::onCatalogRead()
{
    printOut(catalogListText(m_choice->catalog(), m_options.choices.product));
    end(ExitCode::Done);
}

void CatalogRun::onFileChosen(const CatalogFile &file)
{
    if (m_options.mode == RunMode::Url) {
        printOut(file.url.toString(QUrl::FullyEncoded));
        end(ExitCode::Done);
    } else if (m_download) {
        m_download->continueWith(file.url.toString(QUrl::FullyEncoded));
    } else {
        startDownload(file);
    }
}

void CatalogRun::startDownload(const CatalogFile &file)
{
    m_place = esdPlaceFor(file, m_options.output);
    if (m_place.isoNamedByCatalog && QFileInfo(m_place.isoPath).exists()) {
        end(ExitCode::Usage,
            QStringLiteral("%1 is already there; give --output to replace it or to build the ISO "
                           "elsewhere.")
                .arg(m_place.isoPath));
        return;
    }
    const QString problem = roomProblem(m_place, file.size);
    if (!problem.isEmpty()) {
        end(ExitCode::Usage, problem);
        return;
    }
    EngineSettings settings = m_engine->settings();
    settings.connections = m_options.connections;
    m_engine->setSettings(settings);
    m_phase = Phase::Downloading;
    m_download = new CommandLineDownload(m_engine, ProgressReport::styleForStandardError(m_options.quiet), this);
    connect(m_download, &CommandLineDownload::needsFreshLink, m_choice, &CatalogChoice::askAgain);
    connect(m_download, &CommandLineDownload::ended, this,
            [this, file](int exitCode) { onDownloaded(exitCode, file); });
    m_download->start(esdJob(file, m_choice->source(), m_place.esdPath));
}

void CatalogRun::onDownloaded(int exitCode, const CatalogFile &file)
{
    if (exitCode != ExitCode::Done || m_phase != Phase::Downloading) {
        end(exitCode);
        return;
    }
    m_phase = Phase::Building;
    m_build = new CommandLineBuild(ProgressReport::styleForStandardError(m_options.quiet), this);
    connect(m_build, &CommandLineBuild::ended, this, [this](int code) { end(code); });
    m_build->start(
        MediaBuildPlan{m_place.esdPath, m_choice->edition().id, file.architecture, file.languageCode, m_place.isoPath});
}

// Over first: what the download or the build says as it stops is no end
// of its own.
void CatalogRun::interrupt()
{
    const Phase phase = std::exchange(m_phase, Phase::Over);
    if (phase == Phase::Over)
        return;
    m_choice->cancel();
    if (phase == Phase::Downloading)
        m_download->interrupt();
    else if (phase == Phase::Building)
        m_build->interrupt();
    else
        printError(QStringLiteral("Interrupted."));
    Q_EMIT ended(ExitCode::Interrupted, QString());
}

void CatalogRun::end(int exitCode, const QString &error)
{
    if (std::exchange(m_phase, Phase::Over) == Phase::Over)
        return;
    Q_EMIT ended(exitCode, error);
}
