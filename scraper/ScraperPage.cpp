#include "ScraperPage.h"

#include "ProductTable.h"
#include "ScraperLog.h"

#include <QDebug>

void ScraperPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                                           const QString &sourceID)
{
    Q_EMIT consoleMessage(level, message, lineNumber, sourceID);
}

bool ScraperPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    if (!isMainFrame)
        return true;
    const bool accepted = isOnSite(url);
    if (!accepted)
        qCDebug(lcScraper) << "ScraperPage: Refused a navigation off the site:" << url << type;
    Q_EMIT mainFrameNavigation(accepted);
    return accepted;
}
