#include "QuibScraper.h"

#include "EvalCenterReader.h"
#include "PageAnswers.h"
#include "PageLocales.h"
#include "PageScripts.h"
#include "ProductTable.h"
#include "ScraperLimits.h"
#include "ScraperLog.h"
#include "platform/SystemServices.h"

#include <QDebug>

#include <limits>

namespace {

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
    // A page that reloads itself in the first round adds a round of its own.
    const qint64 polls =
        (2 * PollAttempts + LinkReloads * PollAttemptsAfterReload) * (t.pollIntervalMs + ScriptRoundTripMs);
    const qint64 steps = qint64(t.afterInjectionMs) + t.afterVersionSelectionMs + t.afterLanguageSelectionMs
        + LanguageReads * (t.languageRetryDelayMs + ScriptRoundTripMs) + t.linkExtractionDelayMs
        + LinkReloads
            * (qint64(t.reloadDelayMs) + t.resubmitDelayMs + t.afterVersionSelectionMs + t.reselectLanguageDelayMs
               + t.pollAfterReselectionMs);
    return int(
        qMin<qint64>(loads + (2 + LinkReloads) * validationWait + polls + steps, std::numeric_limits<int>::max()));
}

} // namespace

QuibScraper::QuibScraper(QObject *parent)
    : QObject(parent)
    , m_session(new PageSession(this))
    , m_locale(defaultPageLocale())
{
    connectSession();
    setTimings(m_timings);
    detectLocale();
}

QuibScraper::~QuibScraper() = default;

void QuibScraper::setTimings(const ScraperTimings &timings)
{
    m_timings = timings;
    m_session->setLoadTimings(m_timings.pageLoadTimeoutMs, m_timings.loadRetryDelayMs);
    if (m_evalCenter)
        m_evalCenter->setTimings(timings);
}

void QuibScraper::connectSession()
{
    connect(m_session, &PageSession::loadFinished, this, &QuibScraper::onLoadFinished);
    connect(m_session, &PageSession::loadTimedOut, this, &QuibScraper::onTimeout);
    connect(m_session, &PageSession::deadlinePassed, this, &QuibScraper::onDeadline);
    connect(m_session, &PageSession::consoleMessage, this, &QuibScraper::onConsoleMessage);
}

// Made on the first Evaluation Center product; its results are this
// scraper's, and its state is this scraper's state while it works.
EvalCenterReader *QuibScraper::evalCenter()
{
    if (m_evalCenter)
        return m_evalCenter;
    m_evalCenter = new EvalCenterReader(m_session, this);
    m_evalCenter->setTimings(m_timings);
    connect(m_evalCenter, &EvalCenterReader::stateChanged, this, &QuibScraper::setState);
    connect(m_evalCenter, &EvalCenterReader::versionsExtracted, this, &QuibScraper::versionsExtracted);
    connect(m_evalCenter, &EvalCenterReader::languagesExtracted, this, &QuibScraper::languagesExtracted);
    connect(m_evalCenter, &EvalCenterReader::downloadLinksExtracted, this, &QuibScraper::downloadLinksExtracted);
    connect(m_evalCenter, &EvalCenterReader::failed, this, [this](const ScraperFailure &failure) {
        Q_EMIT failed(failure);
        Q_EMIT error(failure.message);
    });
    return m_evalCenter;
}

void QuibScraper::leaveEvalCenter()
{
    m_onEvalCenter = false;
    if (m_evalCenter)
        m_evalCenter->abandon();
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
    endRequest();
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
    if (isEvaluationProduct(productKey)) {
        // The consumer page's request ends here, as a new one would end it.
        m_request = ScraperRequest();
        m_onEvalCenter = true;
        evalCenter()->loadProductPage(productKey);
        return;
    }
    leaveEvalCenter();
    beginRequest(Result::Editions);
    m_productKey = productKey;
    m_selectedVersion.clear();
    m_versions.clear();
    m_languages.clear();
    setState(ScraperState::LoadingVersions);

    m_session->load(QUrl(buildPageUrl(m_locale, productKey)));
}

// A load under way is left to complete, so the page gets our library and
// the next request finds it whole.
void QuibScraper::cancelRequest()
{
    qCDebug(lcScraper) << "QuibScraper: Request cancelled";
    if (m_onEvalCenter) {
        m_evalCenter->abandon();
    } else {
        m_request = ScraperRequest();
        m_session->endRequest();
        m_session->stopLoadTimer();
    }
    setState(ScraperState::Idle);
}

// A request starts with nothing of the last one: its waits, counts and
// link search are its own, and its steps and answers end with it.
void QuibScraper::beginRequest(Result awaited)
{
    m_request = ScraperRequest(awaited);
    m_session->beginRequest(deadlineFor(m_timings));
}

// The request has its result or has failed: none of its delayed steps or
// script answers act any more, and no page load takes it up again.
void QuibScraper::endRequest()
{
    m_request.awaited = Result::None;
    if (m_request.linkSearch)
        m_request.linkSearch->enter(LinkSearch::Phase::Ended);
    m_session->endRequest();
}

// The request's own result has come: a later one, such as the editions of
// a page reloaded while links are sought, does not end it.
void QuibScraper::delivered(Result result)
{
    if (result == m_request.awaited)
        endRequest();
}

// Only the steps of a language choice ask for its search, and they run
// only while their request lasts.
LinkSearch &QuibScraper::linkSearch()
{
    Q_ASSERT(m_request.linkSearch);
    return *m_request.linkSearch;
}

// Whatever step the request hangs in, it ends now: no step of it runs again.
void QuibScraper::onDeadline()
{
    if (m_onEvalCenter)
        return;
    qCDebug(lcScraper) << "QuibScraper: Request deadline passed";
    failAndIdle(scraperFailure(FailureKind::Timeout, QStringLiteral("Request deadline passed")));
}

// The next step of the current request, unless another request has begun by then.
void QuibScraper::after(int delayMs, void (QuibScraper::*step)())
{
    const Stretch stretch = stretchNow();
    m_session->after(delayMs, [this, stretch, step] {
        if (isStretch(stretch))
            (this->*step)();
    });
}

// The stretch of the request, and of its link search (-1 before a language
// is chosen), that a step or an answer is asked in.
QuibScraper::Stretch QuibScraper::stretchNow() const
{
    return {m_request.stretch, m_request.linkSearch ? m_request.linkSearch->stretch : -1};
}

bool QuibScraper::isStretch(Stretch stretch) const
{
    return stretch == stretchNow();
}

// A page whose load never completes (a tracker or an image that does not
// answer) may still hold every list: it is read as loaded, once per load,
// and only a page without its lists ends the request.
void QuibScraper::onTimeout()
{
    if (m_onEvalCenter)
        return;
    if (m_request.awaited == Result::None) {
        qCDebug(lcScraper) << "QuibScraper: Page load timed out, and no request waits for it";
        return;
    }
    qCDebug(lcScraper) << "QuibScraper: Page load timed out, looking for its lists";
    readListsAfterTimeout();
}

void QuibScraper::readListsAfterTimeout()
{
    const auto timedOut = [this] {
        failAndIdle(scraperFailure(FailureKind::Timeout, QStringLiteral("Page load timeout")));
    };
    m_session->takeAsLoaded([this, timedOut](bool taken) {
        if (!taken) {
            timedOut();
            return;
        }
        runScript(PageScripts::script(QStringLiteral("page_library")), [this, timedOut](const QString &) {
            runScript(PageScripts::script(QStringLiteral("read_editions")), [this, timedOut](const QString &text) {
                const auto editions = PageAnswers::parseVersionList(text);
                if (!editions || editions->isEmpty()) {
                    timedOut();
                    return;
                }
                qCDebug(lcScraper) << "QuibScraper: The page's lists are there although its load never completed";
                onPageReady();
            });
        });
    });
}

void QuibScraper::onLoadFinished(bool success)
{
    if (m_onEvalCenter)
        return;
    qCDebug(lcScraper) << "=== QuibScraper: Load finished, success=" << success << "===";
    qCDebug(lcScraper) << "QuibScraper: Current URL:" << m_session->currentUrl();

    if (!success && m_request.awaited == Result::None) {
        qCDebug(lcScraper) << "QuibScraper: Load failed, and no request waits for it";
        return;
    }
    if (!success) {
        qCDebug(lcScraper) << "QuibScraper: Load failed";
        if (!m_session->retryLoad()) {
            failAndIdle(scraperFailure(
                FailureKind::LoadFailed,
                QStringLiteral("Failed to load page after %1 retries").arg(ScraperLimits::LoadAttempts)));
        }
        return;
    }

    onPageReady();
}

void QuibScraper::onPageReady()
{
    qCDebug(lcScraper) << "QuibScraper: Page loaded, injecting JavaScript helpers...";
    injectJavaScript();
    // First, since a new round of the link search leaves the steps of the
    // last one behind.
    resumeAfterLoad();
    qCDebug(lcScraper) << "QuibScraper: JavaScript injected, scheduling extraction...";
    after(m_timings.afterInjectionMs, &QuibScraper::onJavaScriptInjected);
}

// Picks up the work that the completed load was for: a load that no request
// waits for only gets the page library.
void QuibScraper::resumeAfterLoad()
{
    if (m_request.awaited == Result::None)
        return;
    const bool productPage = m_session->currentUrl().path() == QUrl(buildPageUrl(m_locale, m_productKey)).path();
    if (m_request.linkSearch && m_request.linkSearch->takesLoad(productPage)) {
        qCDebug(lcScraper) << "QuibScraper: Page reloaded after language selection, will retry language selection";
        setState(ScraperState::SubmittingSelection);
        m_request.linkSearch->enter(LinkSearch::Phase::LaterRound);
        m_request.linkSearch->pollCount = 0;
        after(m_timings.resubmitDelayMs, &QuibScraper::retryLanguageSubmit);
        return;
    }
    // A fresh page has no edition chosen: the edition's languages are asked
    // for again, a bounded number of times.
    if (m_request.awaited == Result::Languages && productPage
        && m_request.editionConfirmations < ScraperLimits::LoadAttempts) {
        qCDebug(lcScraper) << "QuibScraper: Page reloaded while the edition was chosen, choosing it again";
        ++m_request.editionConfirmations;
        ++m_request.stretch;
        confirmEdition();
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
    if (m_request.awaited == Result::None)
        return;
    // The editions of a fresh page come from the read that follows the
    // injection itself.
    switch (m_state) {
    case ScraperState::ExtractingLanguages:
        qCDebug(lcScraper) << "QuibScraper: Starting language extraction...";
        after(m_timings.languageExtractionDelayMs, &QuibScraper::doExtractLanguages);
        break;
    case ScraperState::ExtractingLinks:
        if (!m_request.linkSearch)
            break;
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

void QuibScraper::runScript(const QString &script, std::function<void(const QString &)> onResult, PageLeft pageLeft)
{
    const Stretch stretch = stretchNow();
    m_session->runScript(
        script,
        [this, stretch, onResult](const QString &text) {
            if (isStretch(stretch))
                onResult(text);
        },
        pageLeft);
}

void QuibScraper::runScript(const QString &script)
{
    m_session->runScript(script);
}

void QuibScraper::injectJavaScript()
{
    qCDebug(lcScraper) << "QuibScraper: injectJavaScript() called";
    runScript(PageScripts::script(QStringLiteral("page_library")), [this](const QString &result) {
        qCDebug(lcScraper) << "QuibScraper: Helper functions defined:" << result;
        // Only a request for the editions reads them: a page reloaded while
        // links are sought, or one the page moved to, reports none.
        if (m_request.awaited == Result::Editions)
            readEditions();
    });
}
