#include "CommandLineRun.h"

#include "CatalogRun.h"
#include "ChoiceMatch.h"
#include "CommandLineDownload.h"
#include "Output.h"
#include "PageChoice.h"
#include "download/DownloadManager.h"

#include <QDir>
#include <QFileInfo>

CommandLineRun::CommandLineRun(Options options, QuibScraper *scraper, DownloadManager *engine, QString localeName,
                               QObject *parent)
    : QObject(parent)
    , m_options(std::move(options))
    , m_scraper(scraper)
    , m_engine(engine)
    , m_localeName(std::move(localeName))
{
}

void CommandLineRun::start()
{
    QString problem;
    m_options.choices.product = matchProductKey(m_options.choices.product, &problem);
    if (problem.isEmpty())
        problem = choicesProblem();
    if (!problem.isEmpty()) {
        end(ExitCode::Usage, problem);
        return;
    }
    if (m_options.source == FileSource::Catalog)
        startCatalog();
    else
        startPage();
}

QString CommandLineRun::failureKind(int exitCode) const
{
    if (exitCode == ExitCode::Usage)
        return QStringLiteral("usage");
    if (exitCode == ExitCode::Interrupted)
        return QStringLiteral("interrupted");
    return m_page && !m_page->failureKind().isEmpty() ? m_page->failureKind() : QStringLiteral("failed");
}

// What can be told wrong before Microsoft is asked anything (the catalog
// checks its own architectures).
QString CommandLineRun::choicesProblem() const
{
    const ChoiceMatch architecture =
        matchProductArchitecture(m_options.choices.product, m_options.choices.architecture);
    if (m_options.source == FileSource::Page && architecture.row < 0)
        return architecture.problem;
    if (m_options.mode == RunMode::Download && !m_options.output.isEmpty()) {
        const QFileInfo output(m_options.output);
        if (!output.isDir() && !output.absoluteDir().exists())
            return QStringLiteral("The folder of %1 does not exist.").arg(m_options.output);
    }
    return QString();
}

void CommandLineRun::startPage()
{
    m_page = new PageChoice(m_scraper, m_options.choices, m_localeName, this);
    connect(m_page, &PageChoice::languagesRead, this, &CommandLineRun::onLanguagesRead);
    connect(m_page, &PageChoice::linkChosen, this, &CommandLineRun::onLinkChosen);
    connect(m_page, &PageChoice::failed, this, &CommandLineRun::end);
    m_page->start(m_options.mode == RunMode::List);
}

void CommandLineRun::startCatalog()
{
    m_catalog = new CatalogRun(m_options, m_engine, m_localeName, this);
    connect(m_catalog, &CatalogRun::ended, this, &CommandLineRun::end);
    m_catalog->start();
}

void CommandLineRun::onLanguagesRead()
{
    printOut(m_options.json ? pageListsJson(m_page->lists()) : pageListsText(m_page->lists()));
    end(ExitCode::Done);
}

void CommandLineRun::onLinkChosen(const DownloadOption &option)
{
    if (m_options.mode == RunMode::Url) {
        printOut(m_options.json ? linkJson(m_options.choices.product, m_page->edition(), option) : option.url);
        end(ExitCode::Done);
        return;
    }
    if (m_download) {
        m_download->continueWith(option.url);
        return;
    }
    EngineSettings settings = m_engine->settings();
    settings.connections = m_options.connections;
    m_engine->setSettings(settings);
    QString problem;
    const DownloadJob job = CommandLineDownload::pageJob(option, m_options.output, &problem);
    if (!problem.isEmpty()) {
        end(ExitCode::Usage, problem);
        return;
    }
    m_download = new CommandLineDownload(m_engine, ProgressReport::styleForStandardError(m_options.quiet), this);
    connect(m_download, &CommandLineDownload::needsFreshLink, m_page, &PageChoice::askAgain);
    connect(m_download, &CommandLineDownload::ended, this, [this](int exitCode) { end(exitCode); });
    m_download->start(job);
}

void CommandLineRun::interrupt()
{
    if (isOver())
        return;
    if (m_catalog)
        m_catalog->interrupt();
    else if (m_download)
        m_download->interrupt();
    else
        printError(QStringLiteral("Interrupted."));
    end(ExitCode::Interrupted);
}

void CommandLineRun::end(int exitCode, const QString &error)
{
    if (isOver())
        return;
    if (!error.isEmpty())
        printError(error);
    if (m_options.json && exitCode != ExitCode::Done)
        printOut(errorJson(failureKind(exitCode), error));
    m_exitCode = exitCode;
    Q_EMIT ended(exitCode);
}
