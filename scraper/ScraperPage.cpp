#include "ScraperPage.h"

void ScraperPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                                           const QString &sourceID)
{
    Q_EMIT consoleMessage(level, message, lineNumber, sourceID);
}
