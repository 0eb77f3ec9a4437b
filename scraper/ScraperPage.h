#pragma once

#include <QWebEnginePage>

// A page that hands its console messages to whoever listens, and goes
// nowhere but the site: a main-frame navigation to any other scheme, host
// or port (a third-party script sending the view away) is refused.
class ScraperPage final : public QWebEnginePage {
    Q_OBJECT
public:
    using QWebEnginePage::QWebEnginePage;

Q_SIGNALS:
    void consoleMessage(QWebEnginePage::JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                        const QString &sourceID);
    // Every main-frame navigation the page is asked for, before it starts.
    void mainFrameNavigation(bool accepted);

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                                  const QString &sourceID) override;
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
};
