// What a finished download's SHA-256 says about the file, against the
// values the page publishes.
#pragma once

#include "scraper/ScraperTypes.h"

#include <QString>

// The text the "Download Complete" box adds about the file's SHA-256.
QString verifiedText(const DownloadOption &option, const QString &sha256);

// Whether the file matches the row of another language or architecture.
bool matchesAnotherRow(const DownloadOption &option, const QString &sha256);

// The text of the box for a file that matches no published value.
QString unverifiedText(const DownloadOption &option, const QString &sha256, const QString &destination,
                       const QString &keptPath);
