// The page's row that a choice on the command line names. An empty choice
// takes the row the window would preselect.
#pragma once

#include "scraper/ScraperTypes.h"

#include <QString>

// A row, or the reason there is none with the values that would do.
struct ChoiceMatch {
    int row = -1;
    QString problem;
};

// By product key ("win11"), in any case.
QString matchProductKey(const QString &wanted, QString *problem);
// By id or name; the default is the one the window chooses first.
ChoiceMatch matchEdition(const QString &productKey, const QList<ProductVersion> &editions, const QString &wanted);
// By language or localized name ("german", "English (United States)"); the
// default follows the system locale as in the window.
ChoiceMatch matchLanguage(const QList<LanguageInfo> &languages, const QString &wanted, const QString &localeName);
// One of the architectures the product is made in ("x64" for Windows 11),
// before the page is asked; an empty choice matches.
ChoiceMatch matchProductArchitecture(const QString &productKey, const QString &wanted);
// "x86", "x64" or "arm64"; the default is the first link.
ChoiceMatch matchArchitecture(const QList<DownloadOption> &options, const QString &wanted);
