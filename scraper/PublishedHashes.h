// Finding the row of the page's "Verify your download" table for a choice. Labels follow the page's localized language
// names, not always exactly, followed by the architecture: "English 64-bit", "Chinese Simplified 32-bit", "English
// Arm64".
#pragma once

#include "ScraperTypes.h"

#include <optional>

namespace PublishedHashes {

// The row for a language, given by its name as the page lists it ("English
// (United States)") and its language ("English"), and an architecture
// ("x86", "x64", "arm64").
std::optional<PublishedHash> rowFor(const QList<PublishedHash> &table, const QString &languageName,
                                    const QString &language, const QString &architecture);

// The table with each row's listed language filled in, where its label
// names one of `listed` (by its name or language, letter case and
// brackets aside).
QList<PublishedHash> withListedLanguages(QList<PublishedHash> table, const QList<LanguageInfo> &listed);

// The row whose value is `sha256`, in any letter case.
std::optional<PublishedHash> rowWithValue(const QList<PublishedHash> &table, const QString &sha256);

} // namespace PublishedHashes
