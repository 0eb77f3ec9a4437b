#pragma once

#include "scraper/ScraperTypes.h"

#include <QString>

// The row of `languages` (never empty) to preselect for a system locale name
// such as "en-US" or "pt_BR": the one row that locale's language is, else
// the English one, else the first row.
int findLanguageIndex(const QList<LanguageInfo> &languages, const QString &localeName);

// The rows a name the user typed stands for: the row whose language, else
// whose localized name, it is (any letter case); else the row of a locale
// ("pt-BR"); else every row whose language or name contains it. One row is
// a match; several are for the user to choose among.
QList<int> rowsForLanguageName(const QList<LanguageInfo> &languages, const QString &wanted);

// The system locale's name ("de-DE"), or "en-US" when the system cannot tell.
QString systemLocaleName();
