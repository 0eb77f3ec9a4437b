#include "PageSession.h"

#include "BrowserProfile.h"
#include "ScraperLimits.h"
#include "ScraperLog.h"
#include "ScraperPage.h"
#include "UserAgents.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <utility>

namespace {

constexpr int PhoneWidth = 412;
constexpr int PhoneHeight = 915;
// The load mark of a page that a new load is leaving.
constexpr qint64 LeftPage = -1;

} // namespace

PageSession::PageSession(QObject *parent)
    : QObject(parent)
{
    m_webView = new QWebEngineView;
    m_webView->setPage(new ScraperPage(pageProfile(), m_webView));
    m_webView->hide();
    setupWebView();
}

PageSession::~PageSession()
{
    m_loadTimer.stop();
    if (m_webView) {
        m_webView->stop();
        m_webView->deleteLater();
        m_webView = nullptr;
    }
}

void PageSession::setupWebView()
{
    auto *page = qobject_cast<ScraperPage *>(m_webView->page());
    QWebEngineProfile *profile = page->profile();
    QWebEngineSettings *settings = profile->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    settings->setAttribute(QWebEngineSettings::LocalStorageEnabled, true);
    settings->setAttribute(QWebEngineSettings::AutoLoadImages, true);
    // The page needs none of them, and each is more code a hostile script reaches.
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    profile->setHttpUserAgent(pickMobileUserAgent());
    m_webView->setFixedSize(PhoneWidth, PhoneHeight);

    connect(m_webView, &QWebEngineView::loadStarted, this, &PageSession::onLoadStarted);
    connect(m_webView, &QWebEngineView::loadFinished, this, &PageSession::onLoadFinished);
    connect(m_webView, &QWebEngineView::loadProgress, this,
            [](int progress) { qCDebug(lcScraper).nospace() << "PageSession: Load progress " << progress << "%"; });
    connect(page, &QWebEnginePage::urlChanged, this,
            [](const QUrl &url) { qCDebug(lcScraper) << "PageSession: URL changed to" << url; });
    connect(page, &ScraperPage::consoleMessage, this, &PageSession::consoleMessage);
    connect(page, &ScraperPage::mainFrameNavigation, this, &PageSession::onMainFrameNavigation);
    m_loadTimer.setSingleShot(true);
    connect(&m_loadTimer, &QTimer::timeout, this, &PageSession::loadTimedOut);
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &PageSession::onDeadline);
}

void PageSession::setLoadTimings(int timeoutMs, int retryDelayMs)
{
    m_loadTimer.setInterval(timeoutMs);
    m_retryDelayMs = retryDelayMs;
}

void PageSession::beginRequest(int deadlineMs)
{
    ++m_request;
    m_loadRetryCount = 0;
    m_deadline.start(deadlineMs);
}

void PageSession::stopDeadline()
{
    m_deadline.stop();
}

void PageSession::endRequest()
{
    ++m_request;
    m_deadline.stop();
}

void PageSession::abandonRequest()
{
    ++m_request;
    m_deadline.stop();
    m_loadTimer.stop();
    m_webView->stop();
}

// Whatever step the request hangs in, it ends now: no step of it runs again.
void PageSession::onDeadline()
{
    qCDebug(lcScraper) << "PageSession: Request deadline passed";
    abandonRequest();
    Q_EMIT deadlinePassed();
}

void PageSession::load(const QUrl &url)
{
    qCDebug(lcScraper) << "PageSession: Navigating to" << url;
    m_url = url;
    m_loadTimer.start();
    m_webView->setUrl(url);
}

bool PageSession::retryLoad()
{
    if (++m_loadRetryCount >= ScraperLimits::LoadAttempts)
        return false;
    qCDebug(lcScraper) << "PageSession: Retrying..." << m_loadRetryCount;
    after(m_retryDelayMs, [this] { load(m_url); });
    return true;
}

// The page shown while a navigation still waits for its answer is the one
// before it. Every document that completed a load carries the number of
// that load in our script world, so one without it is the load's own, when
// it also has the path the load asked for.
void PageSession::takeAsLoaded(const std::function<void(bool)> &onChecked)
{
    const quint64 pageLoad = m_pageLoad;
    const QString script = QStringLiteral("JSON.stringify({url: location.href, mark: window.quibQtPageLoad || 0})");
    runScript(script, [this, pageLoad, onChecked](const QString &text) {
        const QJsonObject document = QJsonDocument::fromJson(text.toUtf8()).object();
        const QUrl shown(document.value(QLatin1String("url")).toString());
        const bool isAsked = pageLoad == m_pageLoad && document.value(QLatin1String("mark")).toDouble(LeftPage) == 0
            && shown.path() == m_url.path();
        m_loadTimer.stop();
        if (isAsked) {
            m_takenLoad = pageLoad;
            markLoaded(qint64(pageLoad));
        }
        onChecked(isAsked);
    });
}

// A navigation refused while the page loaded ends its load as failed; the
// page asked for may still be there, parsed to its end, and is taken then.
void PageSession::takeIfStillShown()
{
    const quint64 pageLoad = m_pageLoad;
    runScript(QStringLiteral("document.readyState"), [this, pageLoad](const QString &state) {
        if (pageLoad != m_pageLoad)
            return;
        if (state == QLatin1String("loading")) {
            onLoadFinished(false);
            return;
        }
        takeAsLoaded([this](bool taken) {
            qCDebug(lcScraper) << "PageSession: Load ended by a refused navigation; page taken:" << taken;
            Q_EMIT loadFinished(taken);
        });
    });
}

void PageSession::markLoaded(qint64 pageLoad)
{
    runScript(QStringLiteral("window.quibQtPageLoad = %1;").arg(pageLoad));
}

QUrl PageSession::currentUrl() const
{
    return m_webView->url();
}

QString PageSession::userAgent() const
{
    return m_webView->page()->profile()->httpUserAgent();
}

// The navigation asked for last decides whose the next load start is.
void PageSession::onMainFrameNavigation(bool accepted)
{
    m_refused = accepted ? RefusedNavigation::None : RefusedNavigation::Refused;
    if (!accepted)
        m_refusedDuringLoad = true;
}

void PageSession::onLoadStarted()
{
    if (m_refused == RefusedNavigation::Refused) {
        m_refused = RefusedNavigation::Started;
        qCDebug(lcScraper) << "PageSession: The refused navigation's start is no load";
        return;
    }
    m_refusedDuringLoad = false;
    qCDebug(lcScraper) << "PageSession: Load started" << m_webView->url();
    ++m_pageLoad;
    // The page still shown is left, however far it got: it is never taken
    // for the one this load brings. Should this reach the new page instead,
    // that page is only not taken before its load completes.
    markLoaded(LeftPage);
    m_loadTimer.start();
}

void PageSession::onLoadFinished(bool success)
{
    if (std::exchange(m_refused, RefusedNavigation::None) == RefusedNavigation::Started && !success) {
        qCDebug(lcScraper) << "PageSession: The refused navigation ended; the page shown stays";
        return;
    }
    if (!success && std::exchange(m_refusedDuringLoad, false)) {
        takeIfStillShown();
        return;
    }
    m_loadTimer.stop();
    if (m_takenLoad == m_pageLoad) {
        qCDebug(lcScraper) << "PageSession: Load finished after it was taken as complete, success=" << success;
        return;
    }
    markLoaded(qint64(m_pageLoad));
    qCDebug(lcScraper) << "PageSession: Load finished, success=" << success << m_webView->url();
    Q_EMIT loadFinished(success);
}

void PageSession::after(int delayMs, const std::function<void()> &step)
{
    const quint64 request = m_request;
    QTimer::singleShot(delayMs, this, [this, request, step] {
        if (request == m_request)
            step();
    });
}

// Our scripts run in an isolated world: the page's own scripts can neither
// see nor replace the functions we inject, nor forge their answers. An
// answer counts for the request it was asked for; one asked on a page that
// has been left since reads as empty, as if the page were gone. An answer
// that arrives after the session is gone (the page calls back while it is
// torn down) is dropped.
void PageSession::runScript(const QString &script, std::function<void(const QString &)> onResult, PageLeft pageLeft)
{
    QPointer<PageSession> self(this);
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

void PageSession::runScript(const QString &script)
{
    m_webView->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld);
}
