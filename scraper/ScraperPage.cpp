#include "ScraperPage.h"

#include "ProductTable.h"
#include "ScraperLog.h"

#include <QDebug>

namespace {

int portOf(const QUrl &url)
{
    return url.port(url.scheme() == QLatin1String("https") ? 443 : 80);
}

// The site's scheme, host and port: the product page and the Evaluation
// Center are both on it.
bool isOnSite(const QUrl &url)
{
    const QUrl site(siteOrigin());
    return url.scheme() == site.scheme() && url.host().compare(site.host(), Qt::CaseInsensitive) == 0
        && portOf(url) == portOf(site);
}

} // namespace

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
    Q_EMIT mainFrameNavigation(url, accepted);
    return accepted;
}
