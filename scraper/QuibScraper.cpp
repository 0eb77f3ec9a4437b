#include "QuibScraper.h"

#include "PageAnswers.h"
#include "PageLocales.h"
#include "PageScripts.h"
#include "ProductTable.h"
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

#include <limits>

namespace {

constexpr int PhoneWidth = 412;
constexpr int PhoneHeight = 915;

int stateValue(ScraperState state)
{
    return static_cast<int>(state);
}

// Longer than the slowest way the steps can end a request: every load
// attempt timing out, both reloads of the link search, every validation
// wait, language read and poll used up, each script taking a second.
int deadlineFor(const ScraperTimings &t)
{
    if (t.requestDeadlineMs > 0)
        return t.requestDeadlineMs;
    using namespace ScraperLimits;
    constexpr qint64 ScriptRoundTripMs = 1000;
    const qint64 loads = qint64(1 + LinkReloads) * LoadAttempts * (t.pageLoadTimeoutMs + qint64(t.loadRetryDelayMs));
    const qint64 validationWait = (ValidationChecks + 1) * (t.validationRecheckMs + ScriptRoundTripMs);
    const qint64 polls =
        (PollAttempts + LinkReloads * PollAttemptsAfterReload) * (t.pollIntervalMs + ScriptRoundTripMs);
    const qint64 steps = qint64(t.afterInjectionMs) + t.afterVersionSelectionMs + t.afterLanguageSelectionMs
        + LanguageReads * (t.languageRetryDelayMs + ScriptRoundTripMs) + t.linkExtractionDelayMs
        + LinkReloads
            * (qint64(t.reloadDelayMs) + t.resubmitDelayMs + t.reselectLanguageDelayMs + t.pollAfterReselectionMs);
    return int(
        qMin<qint64>(loads + (2 + LinkReloads) * validationWait + polls + steps, std::numeric_limits<int>::max()));
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
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &QuibScraper::onDeadline);
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

// A failure ends its request: no later load of the page takes up the
// language or the link search again.
void QuibScraper::reportFailure(const ScraperFailure &failure)
{
    delivered(m_awaited);
    m_isPolling = false;
    m_waitingForReload = false;
    Q_EMIT failed(failure);
    Q_EMIT error(failure.message);
}

void QuibScraper::failAndIdle(const ScraperFailure &failure)
{
    reportFailure(failure);
    setState(ScraperState::Idle);
}

// What the page's error dialog said: Microsoft's refusal, or a problem of
// some other kind, in the page's own words.
ScraperFailure QuibScraper::pageFailure(const QString &pageText) const
{
    ScraperFailure failure;
    failure.message = pageText;
    if (const std::optional<PageAnswers::Refusal> refusal = PageAnswers::parseRefusal(pageText)) {
        failure.kind = FailureKind::Refused;
        failure.refusalCode = refusal->code;
        failure.sessionId = refusal->sessionId;
    }
    return failure;
}

void QuibScraper::loadProductPage(const QString &productKey)
{
    beginRequest(Result::Editions);
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
void QuibScraper::beginRequest(Result awaited)
{
    ++m_request;
    m_awaited = awaited;
    m_chosenLanguage = LanguageInfo();
    m_deadline.start(deadlineFor(m_timings));
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

// The request's own result has come (or its failure): a later one, such as
// the editions of a page reloaded while links are sought, does not end it.
void QuibScraper::delivered(Result result)
{
    if (result != m_awaited)
        return;
    m_awaited = Result::None;
    m_deadline.stop();
}

// Whatever step the request hangs in, it ends now: no step of it runs again.
void QuibScraper::onDeadline()
{
    qCDebug(lcScraper) << "QuibScraper: Request deadline passed";
    ++m_request;
    m_isPolling = false;
    m_waitingForReload = false;
    m_loadTimer.stop();
    m_webView->stop();
    failAndIdle(scraperFailure(FailureKind::Timeout, QStringLiteral("Request deadline passed")));
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
    failAndIdle(scraperFailure(FailureKind::Timeout, QStringLiteral("Page load timeout")));
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

    if (!success && m_awaited == Result::None) {
        qCDebug(lcScraper) << "QuibScraper: Load failed, and no request waits for it";
        return;
    }
    if (!success) {
        qCDebug(lcScraper) << "QuibScraper: Load failed";
        if (++m_loadRetryCount < ScraperLimits::LoadAttempts) {
            qCDebug(lcScraper) << "QuibScraper: Retrying..." << m_loadRetryCount;
            after(m_timings.loadRetryDelayMs, &QuibScraper::onRetryLoad);
        } else {
            failAndIdle(scraperFailure(
                FailureKind::LoadFailed,
                QStringLiteral("Failed to load page after %1 retries").arg(ScraperLimits::LoadAttempts)));
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
    // A request that has ended takes up no step again on a later load.
    if (m_awaited == Result::None)
        return;
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
void QuibScraper::runScript(const QString &script, std::function<void(const QString &)> onResult, PageLeft pageLeft)
{
    if (!m_webView)
        return;
    QPointer<QuibScraper> self(this);
    const quint64 request = m_request;
    const quint64 pageLoad = m_pageLoad;
    const auto answer = [self, onResult, request, pageLoad, pageLeft](const QVariant &result) {
        if (!self || request != self->m_request)
            return;
        if (pageLoad != self->m_pageLoad) {
            if (pageLeft == PageLeft::AnswerEmpty)
                onResult(QString());
            return;
        }
        const QString text = result.toString();
        onResult(self->m_answerFilter ? self->m_answerFilter(text) : text);
    };
    m_webView->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld, answer);
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
