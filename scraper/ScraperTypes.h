// Records and states that the scraper reports to the main window.
#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

struct ProductVersion {
    QString id;
    QString name;
    bool isValid = false;
};

struct LanguageInfo {
    QString id;
    QString name;
    QString language;
    bool isValid = false;
};

// A row of the page's "Verify your download" table.
struct PublishedHash {
    QString label; // as the page writes it, e.g. "English 64-bit"
    QString sha256; // 64 upper-case hex digits
};

struct DownloadOption {
    QString versionId;
    QString language;
    QString architecture;
    QString url;
    // The page's whole table (empty when it publishes none), and the value
    // of its row for this option's language and architecture, if any.
    QList<PublishedHash> publishedHashes;
    QString publishedSha256;
};

enum class ScraperState {
    Idle = 0,
    LoadingVersions = 1,
    ExtractingVersions = 2,
    SelectingVersion = 3,
    LoadingLanguages = 4, // reserved: the language list arrives without a load of its own
    ExtractingLanguages = 5,
    SubmittingSelection = 6,
    ExtractingLinks = 7,
};

Q_DECLARE_METATYPE(ScraperState)
Q_DECLARE_METATYPE(ProductVersion)
Q_DECLARE_METATYPE(LanguageInfo)
Q_DECLARE_METATYPE(DownloadOption)
