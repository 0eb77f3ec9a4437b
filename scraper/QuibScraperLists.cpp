// Reading the page's lists (editions, languages, links) and checking each
// answer before it is reported.
#include "LanguageRows.h"
#include "PageAnswers.h"
#include "PageScripts.h"
#include "ProductTable.h"
#include "PublishedHashes.h"
#include "QuibScraper.h"
#include "ScraperLimits.h"
#include "ScraperLog.h"

#include <QDebug>

#include <utility>

// A list read: its answer is parsed unless the page has been left meanwhile,
// when the next page's own read takes over.
void QuibScraper::readList(const QString &script, void (QuibScraper::*parse)(const QString &))
{
    runScript(
        script, [this, parse](const QString &result) { (this->*parse)(result); }, PageLeft::Drop);
}

void QuibScraper::readEditions()
{
    readList(PageScripts::script(QStringLiteral("read_editions")), &QuibScraper::parseVersions);
}

void QuibScraper::parseVersions(const QString &text)
{
    qCDebug(lcScraper) << "QuibScraper: Parsing versions:" << text;
    QString problem;
    const auto versions = PageAnswers::parseVersionList(text, &problem);
    if (!versions) {
        qCDebug(lcScraper) << "QuibScraper: Failed to parse versions JSON:" << problem;
        failAndIdle(scraperFailure(FailureKind::PageError, QStringLiteral("Unreadable edition list from the page")));
        return;
    }
    m_versions = *versions;
    for (const ProductVersion &version : qAsConst(m_versions))
        qCDebug(lcScraper) << "QuibScraper: Found version:" << version.id << "-" << version.name;
    if (m_versions.isEmpty()) {
        qCDebug(lcScraper) << "QuibScraper: No valid versions found";
        failAndIdle(scraperFailure(FailureKind::NoEditions, QStringLiteral("No versions found on the page")));
        return;
    }
    qCDebug(lcScraper) << "QuibScraper: Total versions found:" << m_versions.size();
    delivered(Result::Editions);
    setState(ScraperState::Idle);
    Q_EMIT versionsExtracted(m_versions);
}

void QuibScraper::doExtractLanguages()
{
    qCDebug(lcScraper) << "QuibScraper: Running language extraction (retry" << m_request.languageRetryCount << ")...";
    readList(PageScripts::extractLanguagesCall(), &QuibScraper::parseLanguages);
    qCDebug(lcScraper) << "QuibScraper: Language extraction scheduled";
}

void QuibScraper::parseLanguages(const QString &text)
{
    qCDebug(lcScraper) << "QuibScraper: Parsing languages:" << text;
    QString problem;
    const auto languages = PageAnswers::parseLanguageList(text, &problem);
    if (!languages) {
        qCDebug(lcScraper) << "QuibScraper: Failed to parse JSON:" << problem;
        failAndIdle(scraperFailure(FailureKind::PageError, QStringLiteral("Unreadable language list from the page")));
        return;
    }
    if (languages->isEmpty()) {
        // Asking again would not change what the page said (a refusal among others).
        if (const std::optional<QString> shown = PageAnswers::parsePageError(text)) {
            if (shown->isEmpty())
                failAndIdle(scraperFailure(FailureKind::NoLanguages, QStringLiteral("No languages found on the page")));
            else
                failAndIdle(pageFailure(*shown));
            return;
        }
        ++m_request.languageRetryCount;
        qCDebug(lcScraper) << "QuibScraper: Language extraction failed, retry" << m_request.languageRetryCount << "of"
                           << ScraperLimits::LanguageReads;
        if (m_request.languageRetryCount >= ScraperLimits::LanguageReads) {
            failAndIdle(scraperFailure(FailureKind::NoLanguages, QStringLiteral("No languages found on the page")));
            return;
        }
        setState(ScraperState::ExtractingLanguages);
        after(m_timings.languageRetryDelayMs, &QuibScraper::doExtractLanguages);
        return;
    }
    for (const LanguageInfo &language : qAsConst(*languages))
        qCDebug(lcScraper) << "QuibScraper: Found language:" << language.name << "id:" << language.id
                           << "lang:" << language.language;
    qCDebug(lcScraper) << "QuibScraper: Total languages found:" << languages->size();
    delivered(Result::Languages);
    setState(ScraperState::Idle);
    reportLanguages(*languages);
}

void QuibScraper::reportLanguages(const QList<LanguageInfo> &languages)
{
    m_languages = languages;
    Q_EMIT languagesExtracted(m_languages);
}

// A load of the page while links are sought reads the links of the page it
// brought; that reading, too, ends the polls.
void QuibScraper::doExtractLinks()
{
    LinkSearch &search = linkSearch();
    if (search.phase == LinkSearch::Phase::Ended) {
        qCDebug(lcScraper) << "QuibScraper: Links already extracted, skipping duplicate extraction";
        return;
    }
    if (search.phase != LinkSearch::Phase::Reading)
        search.enter(LinkSearch::Phase::Reading);
    qCDebug(lcScraper) << "QuibScraper: Running link extraction...";
    readList(PageScripts::extractLinksCall(), &QuibScraper::parseLinks);
    qCDebug(lcScraper) << "QuibScraper: Link extraction scheduled";
}

// The page's table and this option's row of it, found by the language as
// the page lists it and its language name.
void QuibScraper::attachPublishedHash(DownloadOption &option, const QList<PublishedHash> &table) const
{
    const std::optional<LanguageInfo> listed = LanguageRows::named(m_languages, option.language);
    const QString language = listed ? listed->language : QString();
    option.publishedHashes = table;
    if (const auto row = PublishedHashes::rowFor(table, option.language, language, option.architecture))
        option.publishedSha256 = row->sha256;
}

// The answer counts as in once it arrives, readable or not. A page that
// moved on may answer a second reading asked before it left: only the first
// answer counts.
void QuibScraper::parseLinks(const QString &text)
{
    LinkSearch &search = linkSearch();
    if (search.phase != LinkSearch::Phase::Reading)
        return;
    search.enter(LinkSearch::Phase::Ended);
    qCDebug(lcScraper) << "QuibScraper: Parsing links:" << text;
    const std::optional<QList<DownloadOption>> options = offeredOptions(text);
    if (!options)
        return;
    if (options->isEmpty()) {
        failAndIdle(scraperFailure(FailureKind::NoLinks, QStringLiteral("No download links found")));
        return;
    }
    const QString offered = options->first().language;
    const QString selected = search.language.name;
    if (offered != selected) {
        ScraperFailure failure = scraperFailure(FailureKind::LanguageMismatch,
                                                QStringLiteral("Links for %1 instead of %2").arg(offered, selected));
        failure.wantedLanguage = selected;
        failure.offeredLanguage = offered;
        failAndIdle(failure);
        return;
    }
    delivered(Result::Links);
    setState(ScraperState::Idle);
    Q_EMIT downloadLinksExtracted(*options);
}

// The trusted links of a link answer, labelled with the language the page
// gave them for; no value (the request failed) when the answer is unreadable.
std::optional<QList<DownloadOption>> QuibScraper::offeredOptions(const QString &text)
{
    const QString offered =
        LanguageRows::offeredName(m_languages, linkSearch().language, PageAnswers::parseLinkLanguages(text),
                                  PageAnswers::parseSelectedLanguageId(text));
    QString problem;
    const auto parsed = PageAnswers::parseLinkList(text, m_selectedVersion, offered, &problem);
    if (!parsed) {
        qCDebug(lcScraper) << "QuibScraper: Failed to parse links JSON or no links array:" << problem;
        failAndIdle(scraperFailure(FailureKind::PageError, QStringLiteral("Unreadable link list from the page")));
        return std::nullopt;
    }
    const QList<PublishedHash> table =
        PublishedHashes::withListedLanguages(PageAnswers::parsePublishedHashes(text), m_languages);
    QList<DownloadOption> options;
    for (DownloadOption option : *parsed) {
        if (!isTrustedDownloadLink(option.url)) {
            qCDebug(lcScraper) << "QuibScraper: Ignored a link to another site:" << option.url;
            continue;
        }
        if (option.architecture.isEmpty()) {
            qCDebug(lcScraper) << "QuibScraper: A link's file name and its DownloadType disagree:" << option.url;
            failAndIdle(scraperFailure(FailureKind::PageError,
                                       QStringLiteral("The page's link names another architecture than its record")));
            return std::nullopt;
        }
        attachPublishedHash(option, table);
        qCDebug(lcScraper) << "QuibScraper: Found link:" << option.url << "(" << option.architecture << ")";
        options << option;
    }
    return options;
}
