// Reading the JSON answers of the page scripts. Nothing here trusts the
// page: any text, however malformed, gives a result or "no answer".
#pragma once

#include "ScraperTypes.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace PageAnswers {

// Each list parser accepts a bare array of entries or an object holding the
// array under its member name (any letter case). No value means the text is
// not JSON or has no such array; `problem` then says why.
std::optional<QList<ProductVersion>> parseVersionList(const QString &text, QString *problem = nullptr);
std::optional<QList<LanguageInfo>> parseLanguageList(const QString &text, QString *problem = nullptr);
// A link whose architecture cannot be told (see classifyArchitecture) has
// an empty one.
std::optional<QList<DownloadOption>> parseLinkList(const QString &text, const QString &versionId,
                                                   const QString &language, QString *problem = nullptr);

// The page's own languages of the links in a link answer ("English",
// "Brazilian Portuguese"), where the page names them, each once.
QStringList parseLinkLanguages(const QString &text);
// The id of the language the page's list had selected when the links were
// read; empty when none.
QString parseSelectedLanguageId(const QString &text);

// The text of the error dialog the page showed, from an answer's
// "pageError" member; no value when the page showed none.
std::optional<QString> parsePageError(const QString &text);

// Microsoft's refusal in the text of the page's error dialog: its message
// code ("715-123130") and the session id that follows it.
struct Refusal {
    QString code;
    QString sessionId;
};
std::optional<Refusal> parseRefusal(const QString &pageText);

// The page's "Verify your download" table from a link answer's "hashes"
// member; empty for anything else.
QList<PublishedHash> parsePublishedHashes(const QString &text);

// "x86", "x64" or "arm64": the page's own DownloadType of the link (0 x86,
// 1 x64, 2 Arm64) when it gives one, else the file name in the address's
// path (never its query), else the label. No value when the DownloadType
// and the file name disagree: such a link is not guessed at.
std::optional<QString> classifyArchitecture(const QString &label, const QString &url,
                                            std::optional<int> downloadType = std::nullopt);

// Whether the validation probe lets the flow go on: yes unless it reports a
// dialog that is up and has not closed since the first look. Anything that
// is not a JSON object lets it go on.
bool probeAllowsProceeding(const QString &text);

struct PollResult {
    QString status;
    bool hasContainer = false;
    // No value when the page reported something other than a number.
    std::optional<int> linkCount;
    QString formAction;
    QString currentURL;
    bool blocked = false;
    bool hasIsoLinks = false;
    QString productName;
    QString selectedLanguage;
    QString formFound;
    bool validating = false;
    bool validatingComplete = false;
    QString validatingMessage;
    bool downloadError = false;
    QString downloadErrorMessage;
    std::optional<QString> containerHTML;
};

std::optional<PollResult> parsePollResult(const QString &text);

// The rows of the poll decision table, in the order they are tried.
enum class PollRow {
    DownloadError = 1,
    LinksFound = 2,
    Validating = 3,
    Container = 8,
    NoContainer = 9,
};

// The row that acts on a poll result.
PollRow pollRow(const PollResult &result);

// A page address under "software-download" that is neither product page.
bool pageMovedOn(const QString &currentUrl);

// A console line of the page, split into its tag and payload.
struct ConsoleLine {
    enum Kind { Output, Debug, Initialized, Error, Other };
    Kind kind = Other;
    QString tag;
    QString payload;
};

ConsoleLine parseConsoleLine(const QString &message);

} // namespace PageAnswers
