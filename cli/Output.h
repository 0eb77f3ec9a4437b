// What the command line prints: text for people, JSON (written with cJSON)
// for scripts. Standard output carries only the answer asked for; anything
// else goes to standard error.
#pragma once

#include "scraper/ScraperTypes.h"

#include <QString>

// Writes `text` and a line end, as UTF-8.
void printOut(const QString &text);
void printError(const QString &text);
// Writes `text` as it is, for a progress line that redraws itself.
void printErrorRaw(const QString &text);

// The products, one per line: key and name.
QString productsText();
QString productsJson();

// A product's editions, then the languages of the chosen edition.
struct PageLists {
    QString productKey;
    QList<ProductVersion> editions;
    int chosenEdition = -1;
    QList<LanguageInfo> languages;
};
QString pageListsText(const PageLists &lists);
QString pageListsJson(const PageLists &lists);

// The link of one choice, with what a script needs to check the file.
QString linkJson(const QString &productKey, const ProductVersion &edition, const DownloadOption &option);
// The page's failure as scripts read it: "no links", "timeout", "refused", ...
QString failureKindName(FailureKind kind);
// What a run that failed prints for scripts: {"error": {"kind", "message"}},
// the kind "usage" or one of failureKindName's.
QString errorJson(const QString &kind, const QString &message);
