#include "PageChoice.h"

#include "ChoiceMatch.h"
#include "CliLog.h"
#include "flow/PageFailure.h"
#include "scraper/ProductTable.h"
#include "scraper/QuibScraper.h"

#include <QDebug>

PageChoice::PageChoice(QuibScraper *scraper, Choices choices, QString localeName, QObject *parent)
    : QObject(parent)
    , m_scraper(scraper)
    , m_choices(std::move(choices))
    , m_localeName(std::move(localeName))
{
    m_lists.productKey = m_choices.product;
    connect(scraper, &QuibScraper::versionsExtracted, this, &PageChoice::onEditions);
    connect(scraper, &QuibScraper::languagesExtracted, this, &PageChoice::onLanguages);
    connect(scraper, &QuibScraper::downloadLinksExtracted, this, &PageChoice::onLinks);
    connect(scraper, &QuibScraper::failed, this, &PageChoice::onPageError);
}

void PageChoice::start(bool untilLanguages)
{
    m_untilLanguages = untilLanguages;
    qCDebug(lcCli) << "PageChoice: loading the page of" << m_choices.product;
    m_scraper->loadProductPage(m_choices.product);
}

void PageChoice::askAgain()
{
    m_done = false;
    selectLanguage();
}

ProductVersion PageChoice::edition() const
{
    return m_lists.chosenEdition < 0 ? ProductVersion() : m_lists.editions.at(m_lists.chosenEdition);
}

void PageChoice::onEditions(const QList<ProductVersion> &editions)
{
    if (m_done)
        return;
    if (editions.isEmpty()) {
        fail(ExitCode::Failed,
             QStringLiteral("The page offered no editions of %1. It may ask for a manual check "
                            "(CAPTCHA); try again later.")
                 .arg(offeredProduct(m_choices.product).displayName));
        return;
    }
    const ChoiceMatch match = matchEdition(m_choices.product, editions, m_choices.edition);
    if (match.row < 0) {
        fail(ExitCode::Usage, match.problem);
        return;
    }
    m_lists.editions = editions;
    m_lists.chosenEdition = match.row;
    m_scraper->selectVersion(edition().id);
}

void PageChoice::onLanguages(const QList<LanguageInfo> &languages)
{
    if (m_done)
        return;
    if (languages.isEmpty()) {
        fail(ExitCode::Failed,
             QStringLiteral("The page offered no languages for %1; try again later.").arg(edition().name.simplified()));
        return;
    }
    m_lists.languages = languages;
    if (m_untilLanguages) {
        m_done = true;
        Q_EMIT languagesRead();
        return;
    }
    const ChoiceMatch match = matchLanguage(languages, m_choices.language, m_localeName);
    if (match.row < 0) {
        fail(ExitCode::Usage, match.problem);
        return;
    }
    m_languageName = languages.at(match.row).name;
    selectLanguage();
}

void PageChoice::selectLanguage()
{
    qCDebug(lcCli).noquote() << "PageChoice: selecting language" << m_languageName;
    m_scraper->selectLanguage(m_languageName);
}

void PageChoice::onLinks(const QList<DownloadOption> &options)
{
    if (m_done)
        return;
    if (options.isEmpty()) {
        fail(ExitCode::Failed, QStringLiteral("The page gave no download links; try again later."));
        return;
    }
    // The architecture asked for, or the page's first: one whose link is
    // dead is named, never replaced by another. A fresh link is for the same.
    const ChoiceMatch match = matchArchitecture(options, m_choices.architecture);
    if (match.row < 0) {
        fail(ExitCode::Usage, match.problem);
        return;
    }
    const DownloadOption &chosen = options.at(match.row);
    if (chosen.deadLink) {
        onPageError(*chosen.deadLink);
        return;
    }
    m_done = true;
    m_choices.architecture = chosen.architecture;
    Q_EMIT linkChosen(chosen);
}

void PageChoice::onPageError(const ScraperFailure &failure)
{
    if (m_done)
        return;
    m_failureKind = failureKindName(failure.kind);
    if (const std::optional<Refusal> refusal = refusalOf(failure)) {
        fail(ExitCode::Refused,
             QStringLiteral("Microsoft refused the request: %1\n\n%2").arg(failure.message, refusalAdvice(*refusal)));
        return;
    }
    const PageFailure explained = explainPageFailure(failure);
    fail(ExitCode::Failed, QStringLiteral("%1 %2\n(%3)").arg(explained.summary, explained.advice, failure.message));
}

void PageChoice::fail(int exitCode, const QString &message)
{
    m_done = true;
    Q_EMIT failed(exitCode, message);
}
