#include "QuibScraper.h"

#include "PageLocales.h"
#include "ProductTable.h"
#include "ScraperPage.h"
#include "UserAgents.h"
#include "platform/SystemServices.h"

#include <QDebug>
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
        if (++m_loadRetryCount < m_timings.maxLoadAttempts) {
            qDebug() << "QuibScraper: Retrying..." << m_loadRetryCount;
            QTimer::singleShot(m_timings.loadRetryDelayMs, this, &QuibScraper::onRetryLoad);
        } else {
            failAndIdle(QStringLiteral("Failed to load page after %1 retries").arg(m_timings.maxLoadAttempts));
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
        QTimer::singleShot(m_timings.resubmitAfterReloadMs, this, &QuibScraper::retryLanguageSubmit);
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
}

// The page-script library and the extraction steps arrive with the page
// scripts; until then a loaded page is reported but not read.
void QuibScraper::injectJavaScript()
{
    qDebug() << "QuibScraper: injectJavaScript() called";
}

void QuibScraper::doExtractVersions()
{
    qDebug() << "QuibScraper: version extraction needs the page scripts";
}

void QuibScraper::doExtractLanguages()
{
    qDebug() << "QuibScraper: language extraction needs the page scripts";
}

void QuibScraper::doExtractLinks()
{
    qDebug() << "QuibScraper: link extraction needs the page scripts";
}

void QuibScraper::retryLanguageSubmit()
{
    qDebug() << "QuibScraper: language submission needs the page scripts";
}
