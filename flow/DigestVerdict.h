// What a finished download's SHA-256 says about the file, against the
// values the page publishes.
#pragma once

#include "catalog/CatalogTypes.h"
#include "download/DownloadResult.h"
#include "scraper/ScraperTypes.h"

#include <QString>
#include <QStringList>

// The text the "Download Complete" box adds about the file's SHA-256.
QString verifiedText(const DownloadOption &option, const QString &sha256);

// Whether the file matches the row of another language or architecture.
bool matchesAnotherRow(const DownloadOption &option, const QString &sha256);

// The values a finished file may have to take the destination's place: the
// option's own, another architecture's of the same language, and those of
// rows that name no listed language (each with a warning). Another
// language's value is never among them; a table without the option's row
// accepts no value of the other languages either, so the list is not empty.
QStringList acceptedSha256(const DownloadOption &option);

// The text of the box for a file that is not what was chosen: no disc
// image, or one that matches no accepted value, or the file of another
// language.
QString unverifiedText(const DownloadOption &option, const QString &sha256, const QString &destination,
                       const QString &keptPath, UnverifiedReason reason);

// The same for an ESD of the product catalog, against the catalog's digest.
QString verifiedText(const CatalogFile &file, const QString &digest);
QString unverifiedText(const CatalogFile &file, const QString &digest, const QString &destination,
                       const QString &keptPath);
