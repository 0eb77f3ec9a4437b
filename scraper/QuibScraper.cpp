#include "QuibScraper.h"

#include "PageAnswers.h"
#include "PageLocales.h"
#include "PageScripts.h"
#include "ProductTable.h"
#include "ScraperLimits.h"
#include "ScraperPage.h"
#include "UserAgents.h"
#include "platform/SystemServices.h"

#include <QDebug>
#include <QPointer>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

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
    m_productKey = productKey;
    m_selectedVersion.clear();
    m_selectedLanguage.clear();
    m_versions.clear();
    m_languages.clear();
    m_loadRetryCount = 0;
    m_versionsExtracted = false;
    m_linksExtracted = false;
    setState(ScraperState::LoadingVersions);

    const QString url = buildPageUrl(m_locale, productKey);
    qDebug() << "QuibScraper: Navigating to" << url;
    m_loadTimer.start();
    m_webView->setUrl(QUrl(url));
}

void QuibScraper::onLoadStarted()
{
    qDebug() << "QuibScraper: Load started" << m_webView->url();
    m_loadTimer.start();
}

void QuibScraper::onLoadProgress(int progress)
{
    qDebug().nospace() << "QuibScraper: Load progress " << progress << "%";
}

void QuibScraper::onUrlChanged(const QUrl &url)
{
    qDebug() << "QuibScraper: URL changed to" << url;
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
    qDebug() << "=== QuibScraper: Load finished, success=" << success << "===";
    qDebug() << "QuibScraper: Current URL:" << m_webView->url();
    qDebug() << "QuibScraper: waitingForReload=" << m_waitingForReload;

    if (!success) {
        qDebug() << "QuibScraper: Load failed";
        if (++m_loadRetryCount < ScraperLimits::LoadAttempts) {
            qDebug() << "QuibScraper: Retrying..." << m_loadRetryCount;
            QTimer::singleShot(m_timings.loadRetryDelayMs, this, &QuibScraper::onRetryLoad);
        } else {
            failAndIdle(QStringLiteral("Failed to load page after %1 retries").arg(ScraperLimits::LoadAttempts));
        }
        return;
    }

    qDebug() << "QuibScraper: Page loaded, injecting JavaScript helpers...";
    injectJavaScript();
    qDebug() << "QuibScraper: JavaScript injected, scheduling extraction...";
    QTimer::singleShot(m_timings.afterInjectionMs, this, &QuibScraper::onJavaScriptInjected);
    resumeAfterLoad();
}

// Picks up the work that the completed load was for.
void QuibScraper::resumeAfterLoad()
{
    if (m_waitingForReload) {
        qDebug() << "QuibScraper: Page reloaded after language selection, will retry language selection";
        setState(ScraperState::SubmittingSelection);
        m_waitingForReload = false;
        m_isPolling = true;
        m_pollCount = 0;
        QTimer::singleShot(m_timings.resubmitDelayMs, this, &QuibScraper::retryLanguageSubmit);
        return;
    }
    switch (m_state) {
    case ScraperState::LoadingVersions:
        qDebug() << "QuibScraper: State is LoadingVersions, will extract after injection";
        setState(ScraperState::ExtractingVersions);
        break;
    case ScraperState::SubmittingSelection:
        qDebug() << "QuibScraper: State is SubmittingSelection";
        setState(ScraperState::ExtractingLinks);
        break;
    default:
        qDebug() << "QuibScraper: Unknown state:" << stateValue(m_state);
        break;
    }
}

void QuibScraper::onJavaScriptInjected()
{
    qDebug() << "QuibScraper: JavaScript injection complete";
    switch (m_state) {
    case ScraperState::ExtractingVersions:
        qDebug() << "QuibScraper: Starting version extraction...";
        QTimer::singleShot(m_timings.versionExtractionDelayMs, this, &QuibScraper::doExtractVersions);
        break;
    case ScraperState::ExtractingLanguages:
        qDebug() << "QuibScraper: Starting language extraction...";
        QTimer::singleShot(m_timings.languageExtractionDelayMs, this, &QuibScraper::doExtractLanguages);
        break;
    case ScraperState::ExtractingLinks:
        qDebug() << "QuibScraper: Starting link extraction...";
        QTimer::singleShot(m_timings.linkExtractionDelayMs, this, &QuibScraper::doExtractLinks);
        break;
    default:
        qDebug() << "QuibScraper: No action needed after injection, state=" << stateValue(m_state);
        break;
    }
}

void QuibScraper::onConsoleMessage(QWebEnginePage::JavaScriptConsoleMessageLevel level, const QString &message,
                                   int lineNumber, const QString &sourceID)
{
    Q_UNUSED(lineNumber)
    Q_UNUSED(sourceID)
    qDebug().nospace() << "JS [" << static_cast<int>(level) << "]: " << message;
    const PageAnswers::ConsoleLine line = PageAnswers::parseConsoleLine(message);
    switch (line.kind) {
    case PageAnswers::ConsoleLine::Output:
        qDebug() << "QuibScraper: Received output tag=" << line.tag;
        dispatchOutput(line.tag, line.payload);
        break;
    case PageAnswers::ConsoleLine::Debug:
        qDebug() << "QuibScraper: Page debug info:" << line.payload;
        break;
    case PageAnswers::ConsoleLine::Initialized:
        qDebug() << "QuibScraper: JavaScript helpers initialized successfully!";
        break;
    case PageAnswers::ConsoleLine::Error:
        qDebug() << "QuibScraper: JavaScript error:" << line.payload;
        break;
    case PageAnswers::ConsoleLine::Other:
        break;
    }
}

void QuibScraper::dispatchOutput(const QString &tag, const QString &payload)
{
    if (tag == QLatin1String("VERSIONS")) {
        parseVersions(payload);
    } else if (tag == QLatin1String("LANGUAGES")) {
        parseLanguages(payload);
    } else if (tag == QLatin1String("LINKS")) {
        parseLinks(payload);
    } else if (tag == QLatin1String("VERSION_SELECTED")) {
        qDebug() << "QuibScraper: Version selected, extracting languages...";
        m_languageRetryCount = 0;
        QTimer::singleShot(m_timings.versionSelectedTagDelayMs, this, &QuibScraper::doExtractLanguages);
    } else if (tag == QLatin1String("LANGUAGE_SELECTED")) {
        qDebug() << "QuibScraper: Language selected, extracting links...";
        QTimer::singleShot(m_timings.languageSelectedTagDelayMs, this, &QuibScraper::doExtractLinks);
    }
}

// Page scripts answer asynchronously; an answer that arrives after the
// scraper is gone (the page calls back while it is torn down) is dropped.
void QuibScraper::runScript(const QString &script, std::function<void(const QString &)> onResult)
{
    if (!m_webView)
        return;
    QPointer<QuibScraper> self(this);
    m_webView->page()->runJavaScript(script, [self, onResult](const QVariant &result) {
        if (self)
            onResult(result.toString());
    });
}

void QuibScraper::runScript(const QString &script)
{
    if (m_webView)
        m_webView->page()->runJavaScript(script);
}

void QuibScraper::injectJavaScript()
{
    qDebug() << "QuibScraper: injectJavaScript() called";
    runScript(PageScripts::script(QStringLiteral("page_library")), [this](const QString &result) {
        qDebug() << "QuibScraper: Helper functions defined:" << result;
        readEditions();
    });
}

void QuibScraper::readEditions()
{
    runScript(PageScripts::script(QStringLiteral("read_editions")), [this](const QString &result) {
        qDebug() << "QuibScraper: JavaScript result:" << result;
        parseVersions(result);
    });
}

void QuibScraper::doExtractVersions()
{
    extractOnce(m_versionsExtracted, QStringLiteral("version"), PageScripts::extractVersionsCall(),
                &QuibScraper::parseVersions);
}

// Runs an extraction script unless this page's or search's answer is already
// in. The answer counts as in once it arrives, readable or not.
void QuibScraper::extractOnce(bool &extracted, const QString &subject, const QString &script,
                              void (QuibScraper::*parse)(const QString &))
{
    const QString title = subject.at(0).toUpper() + subject.mid(1);
    if (extracted) {
        qDebug().noquote()
            << QStringLiteral("QuibScraper: %1s already extracted, skipping duplicate extraction").arg(title);
        return;
    }
    qDebug().noquote() << QStringLiteral("QuibScraper: Running %1 extraction...").arg(subject);
    runScript(script, [this, &extracted, title, parse](const QString &result) {
        qDebug().noquote() << QStringLiteral("QuibScraper: %1 extraction result:").arg(title) << result;
        extracted = true;
        (this->*parse)(result);
    });
    qDebug().noquote() << QStringLiteral("QuibScraper: %1 extraction scheduled").arg(title);
}

void QuibScraper::parseVersions(const QString &text)
{
    qDebug() << "QuibScraper: Parsing versions:" << text;
    QString problem;
    const auto versions = PageAnswers::parseVersionList(text, &problem);
    if (!versions) {
        qDebug() << "QuibScraper: Failed to parse versions JSON:" << problem;
        return;
    }
    m_versions = *versions;
    for (const ProductVersion &version : qAsConst(m_versions))
        qDebug() << "QuibScraper: Found version:" << version.id << "-" << version.name;
    if (m_versions.isEmpty()) {
        qDebug() << "QuibScraper: No valid versions found";
        failAndIdle(QStringLiteral("No versions found on the page"));
        return;
    }
    qDebug() << "QuibScraper: Total versions found:" << m_versions.size();
    setState(ScraperState::Idle);
    Q_EMIT versionsExtracted(m_versions);
}

void QuibScraper::doExtractLanguages()
{
    qDebug() << "QuibScraper: Running language extraction (retry" << m_languageRetryCount << ")...";
    runScript(PageScripts::extractLanguagesCall(), [this](const QString &result) {
        qDebug() << "QuibScraper: Language extraction result:" << result;
        parseLanguages(result);
    });
    qDebug() << "QuibScraper: Language extraction scheduled";
}

void QuibScraper::parseLanguages(const QString &text)
{
    qDebug() << "QuibScraper: Parsing languages:" << text;
    QString problem;
    const auto languages = PageAnswers::parseLanguageList(text, &problem);
    if (!languages) {
        qDebug() << "QuibScraper: Failed to parse JSON:" << problem;
        return;
    }
    if (languages->isEmpty()) {
        ++m_languageRetryCount;
        qDebug() << "QuibScraper: Language extraction failed, retry" << m_languageRetryCount << "of"
                 << ScraperLimits::LanguageReads;
        if (m_languageRetryCount >= ScraperLimits::LanguageReads) {
            failAndIdle(QStringLiteral("No languages found on the page"));
            return;
        }
        setState(ScraperState::ExtractingLanguages);
        QTimer::singleShot(m_timings.languageRetryDelayMs, this, &QuibScraper::doExtractLanguages);
        return;
    }
    m_languages = *languages;
    for (const LanguageInfo &language : qAsConst(m_languages))
        qDebug() << "QuibScraper: Found language:" << language.name << "id:" << language.id
                 << "lang:" << language.language;
    qDebug() << "QuibScraper: Total languages found:" << m_languages.size();
    m_languageRetryCount = 0;
    setState(ScraperState::Idle);
    Q_EMIT languagesExtracted(m_languages);
}

void QuibScraper::doExtractLinks()
{
    extractOnce(m_linksExtracted, QStringLiteral("link"), PageScripts::extractLinksCall(), &QuibScraper::parseLinks);
}

void QuibScraper::parseLinks(const QString &text)
{
    qDebug() << "QuibScraper: Parsing links:" << text;
    QString problem;
    const auto options = PageAnswers::parseLinkList(text, m_selectedVersion, m_selectedLanguage, &problem);
    if (!options) {
        qDebug() << "QuibScraper: Failed to parse links JSON or no links array:" << problem;
        return;
    }
    for (const DownloadOption &option : *options)
        qDebug() << "QuibScraper: Found link:" << option.url << "(" << option.architecture << ")";
    if (options->isEmpty()) {
        failAndIdle(QStringLiteral("No download links found"));
        return;
    }
    setState(ScraperState::Idle);
    Q_EMIT downloadLinksExtracted(*options);
}
