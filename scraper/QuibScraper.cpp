#include "QuibScraper.h"

#include "PageAnswers.h"
#include "PageLocales.h"
#include "PageScripts.h"
#include "ProductTable.h"
#include "PublishedHashes.h"
#include "ScraperLimits.h"
#include "ScraperLog.h"
#include "ScraperPage.h"
#include "UserAgents.h"
#include "platform/SystemServices.h"

#include <QDebug>
#include <QPointer>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <algorithm>

namespace {

constexpr int PhoneWidth = 412;
constexpr int PhoneHeight = 915;

int stateValue(ScraperState state)
{
    return static_cast<int>(state);
}

} // namespace

QuibScraper::QuibScraper(QObject *parent)
    : QObject(parent)
    , m_locale(defaultPageLocale())
{
    m_webView = new QWebEngineView;
    m_webView->setPage(new ScraperPage(QWebEngineProfile::defaultProfile(), m_webView));
    m_webView->hide();
    setupWebView();
    detectLocale();
}

QuibScraper::~QuibScraper()
{
    m_loadTimer.stop();
    if (m_webView) {
        m_webView->stop();
        m_webView->deleteLater();
        m_webView = nullptr;
    }
}

void QuibScraper::setTimings(const ScraperTimings &timings)
{
    m_timings = timings;
    m_loadTimer.setInterval(m_timings.pageLoadTimeoutMs);
}

void QuibScraper::setupWebView()
{
    auto *page = qobject_cast<ScraperPage *>(m_webView ? m_webView->page() : nullptr);
    if (!page)
        return;
    QWebEngineProfile *profile = page->profile();
    QWebEngineSettings *settings = profile->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    settings->setAttribute(QWebEngineSettings::LocalStorageEnabled, true);
    settings->setAttribute(QWebEngineSettings::AutoLoadImages, true);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, true);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    profile->setHttpUserAgent(pickMobileUserAgent());
    m_webView->setFixedSize(PhoneWidth, PhoneHeight);

    connect(m_webView, &QWebEngineView::loadStarted, this, &QuibScraper::onLoadStarted);
    connect(m_webView, &QWebEngineView::loadFinished, this, &QuibScraper::onLoadFinished);
    connect(m_webView, &QWebEngineView::loadProgress, this, &QuibScraper::onLoadProgress);
    connect(page, &QWebEnginePage::urlChanged, this, &QuibScraper::onUrlChanged);
    connect(page, &ScraperPage::consoleMessage, this, &QuibScraper::onConsoleMessage);
    m_loadTimer.setSingleShot(true);
    m_loadTimer.setInterval(m_timings.pageLoadTimeoutMs);
    connect(&m_loadTimer, &QTimer::timeout, this, &QuibScraper::onTimeout);
}

void QuibScraper::detectLocale()
{
    m_locale = defaultPageLocale();
    const std::string systemName = platform::SystemServices::instance().localeName();
    if (!systemName.empty())
        m_locale = matchPageLocale(QByteArray::fromStdString(systemName));
}

void QuibScraper::setState(ScraperState state)
{
    m_state = state;
    Q_EMIT stateChanged(state);
}

void QuibScraper::failAndIdle(const QString &message)
{
    Q_EMIT error(message);
    setState(ScraperState::Idle);
}

void QuibScraper::loadProductPage(const QString &productKey)
{
    beginRequest();
    m_productKey = productKey;
    m_selectedVersion.clear();
    m_versions.clear();
    m_languages.clear();
    setState(ScraperState::LoadingVersions);

    const QString url = buildPageUrl(m_locale, productKey);
    qCDebug(lcScraper) << "QuibScraper: Navigating to" << url;
    m_loadTimer.start();
    m_webView->setUrl(QUrl(url));
}

// What belongs to one request starts afresh with it; nothing of the last
// request's waits, counts or guards carries over.
void QuibScraper::beginRequest()
{
    ++m_request;
    m_selectedLanguage.clear();
    m_waitingForReload = false;
    m_isPolling = false;
    m_linksExtracted = false;
    m_loadRetryCount = 0;
    m_pollCount = 0;
    m_languageRetryCount = 0;
    m_linkReloadCount = 0;
    m_versionValidationAttempts = 0;
    m_languageValidationAttempts = 0;
}

// The next step of the current request, unless another request has begun by then.
void QuibScraper::after(int delayMs, void (QuibScraper::*step)())
{
    const quint64 request = m_request;
    QTimer::singleShot(delayMs, this, [this, request, step] {
        if (request == m_request)
            (this->*step)();
    });
}

void QuibScraper::onLoadStarted()
{
    qCDebug(lcScraper) << "QuibScraper: Load started" << m_webView->url();
    ++m_pageLoad;
    m_loadTimer.start();
}

void QuibScraper::onLoadProgress(int progress)
{
    qCDebug(lcScraper).nospace() << "QuibScraper: Load progress " << progress << "%";
}

void QuibScraper::onUrlChanged(const QUrl &url)
{
    qCDebug(lcScraper) << "QuibScraper: URL changed to" << url;
}

void QuibScraper::onTimeout()
{
    failAndIdle(QStringLiteral("Page load timeout"));
}

void QuibScraper::onRetryLoad()
{
    const QString url = buildPageUrl(m_locale, m_productKey);
    m_loadTimer.start();
    m_webView->setUrl(QUrl(url));
}

void QuibScraper::onLoadFinished(bool success)
{
    m_loadTimer.stop();
    qCDebug(lcScraper) << "=== QuibScraper: Load finished, success=" << success << "===";
    qCDebug(lcScraper) << "QuibScraper: Current URL:" << m_webView->url();
    qCDebug(lcScraper) << "QuibScraper: waitingForReload=" << m_waitingForReload;

    if (!success) {
        qCDebug(lcScraper) << "QuibScraper: Load failed";
        if (++m_loadRetryCount < ScraperLimits::LoadAttempts) {
            qCDebug(lcScraper) << "QuibScraper: Retrying..." << m_loadRetryCount;
            after(m_timings.loadRetryDelayMs, &QuibScraper::onRetryLoad);
        } else {
            failAndIdle(QStringLiteral("Failed to load page after %1 retries").arg(ScraperLimits::LoadAttempts));
        }
        return;
    }

    qCDebug(lcScraper) << "QuibScraper: Page loaded, injecting JavaScript helpers...";
    injectJavaScript();
    qCDebug(lcScraper) << "QuibScraper: JavaScript injected, scheduling extraction...";
    after(m_timings.afterInjectionMs, &QuibScraper::onJavaScriptInjected);
    resumeAfterLoad();
}

// Picks up the work that the completed load was for.
void QuibScraper::resumeAfterLoad()
{
    if (m_waitingForReload) {
        qCDebug(lcScraper) << "QuibScraper: Page reloaded after language selection, will retry language selection";
        setState(ScraperState::SubmittingSelection);
        m_waitingForReload = false;
        m_isPolling = true;
        m_pollCount = 0;
        after(m_timings.resubmitDelayMs, &QuibScraper::retryLanguageSubmit);
        return;
    }
    switch (m_state) {
    case ScraperState::LoadingVersions:
        qCDebug(lcScraper) << "QuibScraper: State is LoadingVersions, will extract after injection";
        setState(ScraperState::ExtractingVersions);
        break;
    case ScraperState::SubmittingSelection:
        qCDebug(lcScraper) << "QuibScraper: State is SubmittingSelection";
        setState(ScraperState::ExtractingLinks);
        break;
    default:
        qCDebug(lcScraper) << "QuibScraper: Unknown state:" << stateValue(m_state);
        break;
    }
}

void QuibScraper::onJavaScriptInjected()
{
    qCDebug(lcScraper) << "QuibScraper: JavaScript injection complete";
    // The editions of a fresh page come from the read that follows the
    // injection itself.
    switch (m_state) {
    case ScraperState::ExtractingLanguages:
        qCDebug(lcScraper) << "QuibScraper: Starting language extraction...";
        after(m_timings.languageExtractionDelayMs, &QuibScraper::doExtractLanguages);
        break;
    case ScraperState::ExtractingLinks:
        qCDebug(lcScraper) << "QuibScraper: Starting link extraction...";
        after(m_timings.linkExtractionDelayMs, &QuibScraper::doExtractLinks);
        break;
    default:
        qCDebug(lcScraper) << "QuibScraper: No action needed after injection, state=" << stateValue(m_state);
        break;
    }
}

// Our own scripts run in a world of their own and write nothing to the
// console, so a line in the product's tag format comes from some other
// script of the page: it is logged and never acted on.
void QuibScraper::onConsoleMessage(QWebEnginePage::JavaScriptConsoleMessageLevel level, const QString &message,
                                   int lineNumber, const QString &sourceID)
{
    qCDebug(lcScraper).nospace() << "JS [" << static_cast<int>(level) << "]: " << message;
    if (PageAnswers::parseConsoleLine(message).kind != PageAnswers::ConsoleLine::Other)
        qCDebug(lcScraper) << "QuibScraper: Ignored a tagged console line from a page script:" << sourceID
                           << lineNumber;
}

// Our scripts run in an isolated world: the page's own scripts can neither
// see nor replace the functions we inject, nor forge their answers. An
// answer counts for the request it was asked for; one asked on a page that
// has been left since reads as empty, as if the page were gone. An answer
// that arrives after the scraper is gone (the page calls back while it is
// torn down) is dropped.
void QuibScraper::runScript(const QString &script, std::function<void(const QString &)> onResult)
{
    if (!m_webView)
        return;
    QPointer<QuibScraper> self(this);
    const quint64 request = m_request;
    const quint64 pageLoad = m_pageLoad;
    m_webView->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                     [self, onResult, request, pageLoad](const QVariant &result) {
                                         if (!self || request != self->m_request)
                                             return;
                                         onResult(pageLoad == self->m_pageLoad ? result.toString() : QString());
                                     });
}

void QuibScraper::runScript(const QString &script)
{
    if (m_webView)
        m_webView->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld);
}

void QuibScraper::injectJavaScript()
{
    qCDebug(lcScraper) << "QuibScraper: injectJavaScript() called";
    runScript(PageScripts::script(QStringLiteral("page_library")), [this](const QString &result) {
        qCDebug(lcScraper) << "QuibScraper: Helper functions defined:" << result;
        readEditions();
    });
}

void QuibScraper::readEditions()
{
    runScript(PageScripts::script(QStringLiteral("read_editions")), [this](const QString &result) {
        qCDebug(lcScraper) << "QuibScraper: JavaScript result:" << result;
        parseVersions(result);
    });
}

void QuibScraper::parseVersions(const QString &text)
{
    qCDebug(lcScraper) << "QuibScraper: Parsing versions:" << text;
    QString problem;
    const auto versions = PageAnswers::parseVersionList(text, &problem);
    if (!versions) {
        qCDebug(lcScraper) << "QuibScraper: Failed to parse versions JSON:" << problem;
        return;
    }
    m_versions = *versions;
    for (const ProductVersion &version : qAsConst(m_versions))
        qCDebug(lcScraper) << "QuibScraper: Found version:" << version.id << "-" << version.name;
    if (m_versions.isEmpty()) {
        qCDebug(lcScraper) << "QuibScraper: No valid versions found";
        failAndIdle(QStringLiteral("No versions found on the page"));
        return;
    }
    qCDebug(lcScraper) << "QuibScraper: Total versions found:" << m_versions.size();
    setState(ScraperState::Idle);
    Q_EMIT versionsExtracted(m_versions);
}

void QuibScraper::doExtractLanguages()
{
    qCDebug(lcScraper) << "QuibScraper: Running language extraction (retry" << m_languageRetryCount << ")...";
    runScript(PageScripts::extractLanguagesCall(), [this](const QString &result) {
        qCDebug(lcScraper) << "QuibScraper: Language extraction result:" << result;
        parseLanguages(result);
    });
    qCDebug(lcScraper) << "QuibScraper: Language extraction scheduled";
}

void QuibScraper::parseLanguages(const QString &text)
{
    qCDebug(lcScraper) << "QuibScraper: Parsing languages:" << text;
    QString problem;
    const auto languages = PageAnswers::parseLanguageList(text, &problem);
    if (!languages) {
        qCDebug(lcScraper) << "QuibScraper: Failed to parse JSON:" << problem;
        return;
    }
    if (languages->isEmpty()) {
        // Asking again would not change what the page said (a refusal among others).
        if (const std::optional<QString> shown = PageAnswers::parsePageError(text)) {
            failAndIdle(shown->isEmpty() ? QStringLiteral("No languages found on the page") : *shown);
            return;
        }
        ++m_languageRetryCount;
        qCDebug(lcScraper) << "QuibScraper: Language extraction failed, retry" << m_languageRetryCount << "of"
                           << ScraperLimits::LanguageReads;
        if (m_languageRetryCount >= ScraperLimits::LanguageReads) {
            failAndIdle(QStringLiteral("No languages found on the page"));
            return;
        }
        setState(ScraperState::ExtractingLanguages);
        after(m_timings.languageRetryDelayMs, &QuibScraper::doExtractLanguages);
        return;
    }
    m_languages = *languages;
    for (const LanguageInfo &language : qAsConst(m_languages))
        qCDebug(lcScraper) << "QuibScraper: Found language:" << language.name << "id:" << language.id
                           << "lang:" << language.language;
    qCDebug(lcScraper) << "QuibScraper: Total languages found:" << m_languages.size();
    m_languageRetryCount = 0;
    setState(ScraperState::Idle);
    Q_EMIT languagesExtracted(m_languages);
}

// The answer counts as in once it arrives, readable or not.
void QuibScraper::doExtractLinks()
{
    if (m_linksExtracted) {
        qCDebug(lcScraper) << "QuibScraper: Links already extracted, skipping duplicate extraction";
        return;
    }
    qCDebug(lcScraper) << "QuibScraper: Running link extraction...";
    runScript(PageScripts::extractLinksCall(), [this](const QString &result) {
        qCDebug(lcScraper) << "QuibScraper: Link extraction result:" << result;
        m_linksExtracted = true;
        parseLinks(result);
    });
    qCDebug(lcScraper) << "QuibScraper: Link extraction scheduled";
}

// The page's table and this option's row of it, found by the language as
// the page lists it and its language name.
void QuibScraper::attachPublishedHash(DownloadOption &option, const QList<PublishedHash> &table) const
{
    const auto listed = std::find_if(m_languages.cbegin(), m_languages.cend(),
                                     [&option](const LanguageInfo &info) { return info.name == option.language; });
    const QString language = listed == m_languages.cend() ? QString() : listed->language;
    option.publishedHashes = table;
    if (const auto row = PublishedHashes::rowFor(table, option.language, language, option.architecture))
        option.publishedSha256 = row->sha256;
}

void QuibScraper::parseLinks(const QString &text)
{
    qCDebug(lcScraper) << "QuibScraper: Parsing links:" << text;
    QString problem;
    const auto parsed = PageAnswers::parseLinkList(text, m_selectedVersion, m_selectedLanguage, &problem);
    if (!parsed) {
        qCDebug(lcScraper) << "QuibScraper: Failed to parse links JSON or no links array:" << problem;
        return;
    }
    const QList<PublishedHash> table = PageAnswers::parsePublishedHashes(text);
    QList<DownloadOption> options;
    for (DownloadOption option : *parsed) {
        const bool trusted = isTrustedDownloadLink(option.url);
        attachPublishedHash(option, table);
        qCDebug(lcScraper) << (trusted ? "QuibScraper: Found link:" : "QuibScraper: Ignored a link to another site:")
                           << option.url << "(" << option.architecture << ")";
        if (trusted)
            options << option;
    }
    if (options.isEmpty()) {
        failAndIdle(QStringLiteral("No download links found"));
        return;
    }
    setState(ScraperState::Idle);
    Q_EMIT downloadLinksExtracted(options);
}
