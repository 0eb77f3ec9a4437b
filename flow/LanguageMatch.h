#pragma once

#include "scraper/ScraperTypes.h"

#include <QString>

// The row of `languages` (never empty) to preselect for a system locale name
// such as "en-US": the first whose language names the locale's language,
// else the first English one, else the first row.
int findLanguageIndex(const QList<LanguageInfo> &languages, const QString &localeName);

// The system locale's name ("de-DE"), or "en-US" when the system cannot tell.
QString systemLocaleName();
