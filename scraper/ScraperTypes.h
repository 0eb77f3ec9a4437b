// Records and states that the scraper reports to the main window.
#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

#include <optional>

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
    // The name of the listed language the label stands for; empty when it
    // names none of them.
    QString languageName;
};

// Why a request of the scraper ended without its result. Each comes with
// the scraper's own message; what the user is told is decided above.
enum class FailureKind {
    LoadFailed,
    Timeout,
    NoEditions,
    NoLanguages,
    LanguageNotOffered,
    NoLinks,
    Refused,
    PageError,
    LanguageMismatch,
    // The page's link leads to no file.
    DeadLink,
    // The page's link leads to a web page instead of the ISO.
    LinkToPage,
};

struct ScraperFailure {
    FailureKind kind = FailureKind::PageError;
    QString message;
    // Refused: Microsoft's message code ("715-123130") and the session id.
    QString refusalCode;
    QString sessionId;
    // LanguageMismatch and LanguageNotOffered: the language asked for, and
    // the one the page gave links for.
    QString wantedLanguage;
    QString offeredLanguage;
};

inline ScraperFailure scraperFailure(FailureKind kind, const QString &message)
{
    ScraperFailure failure;
    failure.kind = kind;
    failure.message = message;
    return failure;
}

struct DownloadOption {
    QString versionId;
    // The language the page gave these links for, by its name in the list.
    QString language;
    QString architecture;
    QString url;
    // The page's whole table (empty when it publishes none), and the value
    // of its row for this option's language and architecture, if any.
    QList<PublishedHash> publishedHashes;
    QString publishedSha256;
    // Microsoft publishes no SHA-256 for any file of the page (the
    // Evaluation Center), rather than none for this one.
    bool publishesNoSha256 = false;
    // The page's link for it leads to no file (DeadLink, LinkToPage): the
    // option is left out of what is offered, and this says why.
    std::optional<ScraperFailure> deadLink;
};

// The options whose link leads to their file.
inline QList<DownloadOption> liveOptions(const QList<DownloadOption> &options)
{
    QList<DownloadOption> live;
    for (const DownloadOption &option : options) {
        if (!option.deadLink)
            live << option;
    }
    return live;
}

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
Q_DECLARE_METATYPE(FailureKind)
Q_DECLARE_METATYPE(ScraperFailure)
Q_DECLARE_METATYPE(ProductVersion)
Q_DECLARE_METATYPE(LanguageInfo)
Q_DECLARE_METATYPE(DownloadOption)
