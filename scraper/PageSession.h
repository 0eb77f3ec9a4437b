// What every reader of Microsoft's pages shares: the off-screen browser
// with its phone identity, the page loads with their timeout and retries,
// and the scripts run in a world of their own, each answer counting only
// for the request and the page load it was asked on.
#pragma once

#include <QObject>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>

#include <functional>

class QWebEngineView;

class PageSession final : public QObject {
    Q_OBJECT
public:
    explicit PageSession(QObject *parent = nullptr);
    ~PageSession() override;

    void setLoadTimings(int timeoutMs, int retryDelayMs);
    // A new request supersedes the last: none of its delayed steps or script
    // answers act any more. It ends as timed out after `deadlineMs`.
    void beginRequest(int deadlineMs);
    // The request has its result: its deadline no longer runs.
    void stopDeadline();
    // The request has its result or has failed: its deadline stops, and none
    // of its delayed steps or script answers act any more.
    void endRequest();
    // Ends the request where it stands and stops the page.
    void abandonRequest();
    // A load under way runs on without a time limit: no request waits for it.
    void stopLoadTimer() { m_loadTimer.stop(); }

    // Loads `url`, which a retry after a failed load loads again.
    void load(const QUrl &url);
    // After a failed load: loads the page again after the retry delay, or
    // returns false when the request has used up its attempts.
    bool retryLoad();
    // After the load timed out: whether the document shown is the one the
    // load asked for (not the page before it), in which case the load counts
    // as complete and its own completion, should it come, is not reported.
    void takeAsLoaded(const std::function<void(bool taken)> &onChecked);
    QUrl currentUrl() const;
    QString userAgent() const;

    // `step` after `delayMs`, unless another request has begun by then.
    void after(int delayMs, const std::function<void()> &step);
    // What an answer asked on a page that has been left since is worth:
    // an empty text, or nothing at all (a fresh page asks again).
    enum class PageLeft { AnswerEmpty, Drop };
    void runScript(const QString &script, std::function<void(const QString &)> onResult,
                   PageLeft pageLeft = PageLeft::AnswerEmpty);
    void runScript(const QString &script);
    // Test seam: every script's answer passes through `filter` first.
    void setAnswerFilter(std::function<QString(const QString &)> filter) { m_answerFilter = std::move(filter); }

Q_SIGNALS:
    void loadFinished(bool success);
    void loadTimedOut();
    void deadlinePassed();
    void consoleMessage(QWebEnginePage::JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                        const QString &sourceID);

private:
    void setupWebView();
    void onLoadStarted();
    void onLoadFinished(bool success);
    void onDeadline();
    void markLoaded(qint64 pageLoad);
    void onMainFrameNavigation(bool accepted);
    void takeIfStillShown();

    QWebEngineView *m_webView = nullptr;
    QTimer m_loadTimer;
    QTimer m_deadline;
    QUrl m_url;
    int m_retryDelayMs = 0;
    int m_loadRetryCount = 0;
    quint64 m_request = 0;
    quint64 m_pageLoad = 0;
    // The load taken as complete after its timeout (0: none).
    quint64 m_takenLoad = 0;
    // The engine reports a navigation it was refused as a load that starts
    // and fails; the page shown stays, and neither is a load of ours. One
    // refused while a load of ours runs may end that load as failed.
    enum class RefusedNavigation { None, Refused, Started };
    RefusedNavigation m_refused = RefusedNavigation::None;
    bool m_refusedDuringLoad = false;
    std::function<QString(const QString &)> m_answerFilter;
};
