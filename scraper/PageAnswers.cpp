#include "PageAnswers.h"

#include <QRegularExpression>
#include <QUrl>

#include <cJSON.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace PageAnswers {

namespace {

using Json = std::unique_ptr<cJSON, decltype(&cJSON_Delete)>;

// Parses `text`; on failure `problem` gets the text from where parsing stopped.
Json parseJson(const QString &text, QString *problem)
{
    const QByteArray utf8 = text.toUtf8();
    const char *stoppedAt = nullptr;
    Json root(cJSON_ParseWithLengthOpts(utf8.constData(), size_t(utf8.size()), &stoppedAt, false), &cJSON_Delete);
    if (!root && problem) {
        const bool inside = stoppedAt && stoppedAt >= utf8.constData() && stoppedAt <= utf8.constData() + utf8.size();
        *problem = inside ? QString::fromUtf8(stoppedAt, int(utf8.constData() + utf8.size() - stoppedAt)) : text;
    }
    return root;
}

// cJSON's object lookup ignores letter case.
const cJSON *member(const cJSON *object, const char *name)
{
    return cJSON_IsObject(object) ? cJSON_GetObjectItem(object, name) : nullptr;
}

std::optional<QString> stringMember(const cJSON *object, const char *name)
{
    const cJSON *item = member(object, name);
    if (!cJSON_IsString(item) || !item->valuestring)
        return std::nullopt;
    return QString::fromUtf8(item->valuestring);
}

QString textMember(const cJSON *object, const char *name)
{
    return stringMember(object, name).value_or(QString());
}

bool trueMember(const cJSON *object, const char *name)
{
    return cJSON_IsTrue(member(object, name));
}

// Missing counts as 0; a value of another type is no count at all.
std::optional<int> countMember(const cJSON *object, const char *name)
{
    const cJSON *item = member(object, name);
    if (!item)
        return 0;
    if (!cJSON_IsNumber(item) || std::isnan(item->valuedouble))
        return std::nullopt;
    const double value = std::trunc(item->valuedouble);
    constexpr double largest = std::numeric_limits<int>::max();
    return int(value > largest ? largest : value < -largest ? -largest : value);
}

const cJSON *entryArray(const cJSON *root, const char *name, QString *problem)
{
    const cJSON *array = cJSON_IsArray(root) ? root : member(root, name);
    if (cJSON_IsArray(array))
        return array;
    if (problem)
        *problem = QStringLiteral("no %1 array").arg(QLatin1String(name));
    return nullptr;
}

std::optional<ProductVersion> versionEntry(const cJSON *entry)
{
    const auto id = stringMember(entry, "id");
    const auto name = stringMember(entry, "name");
    if (!id || !name || id->isEmpty() || *id == QLatin1String("null") || name->isEmpty()
        || name->toLower().contains(QLatin1String("select")))
        return std::nullopt;
    return ProductVersion{*id, *name, true};
}

std::optional<LanguageInfo> languageEntry(const cJSON *entry)
{
    const auto code = stringMember(entry, "code");
    const auto name = stringMember(entry, "name");
    if (!code || !name || code->isEmpty())
        return std::nullopt;
    // The page stores each option's value as JSON text of its own; a value
    // that is no JSON object is the id itself, unless it is a broken one.
    const Json inner = parseJson(*code, nullptr);
    if (!inner && code->startsWith(QLatin1Char('{')))
        return std::nullopt;
    const bool object = cJSON_IsObject(inner.get());
    const QString id = object ? textMember(inner.get(), "id") : *code;
    if (name->isEmpty() || id.isEmpty() || id == QLatin1String("null"))
        return std::nullopt;
    return LanguageInfo{id, *name, object ? textMember(inner.get(), "language") : QString(), true};
}

// A row of the page's "Verify your download" table: a label and 64 hex digits.
std::optional<PublishedHash> publishedHashEntry(const cJSON *entry)
{
    static const QRegularExpression sha256(QStringLiteral("^[0-9a-fA-F]{64}$"));
    const QString label = textMember(entry, "label").simplified();
    const QString value = textMember(entry, "sha256");
    if (label.isEmpty() || !sha256.match(value).hasMatch())
        return std::nullopt;
    return PublishedHash{label, value.toUpper(), QString()};
}

template <typename Record, typename MakeRecord>
std::optional<QList<Record>> parseList(const QString &text, const char *arrayName, QString *problem,
                                       MakeRecord makeRecord)
{
    const Json root = parseJson(text, problem);
    if (!root)
        return std::nullopt;
    const cJSON *array = entryArray(root.get(), arrayName, problem);
    if (!array)
        return std::nullopt;
    QList<Record> records;
    const cJSON *entry = nullptr;
    cJSON_ArrayForEach(entry, array)
    {
        if (const std::optional<Record> record = makeRecord(entry))
            records << *record;
    }
    return records;
}

bool containsAny(const QString &text, std::initializer_list<const char *> words)
{
    for (const char *word : words) {
        if (text.contains(QLatin1String(word)))
            return true;
    }
    return false;
}

// The hidden record's DownloadType of a link: no value when the page gives
// none, or something other than a whole number.
std::optional<int> downloadTypeMember(const cJSON *object)
{
    const cJSON *item = member(object, "downloadType");
    if (!cJSON_IsNumber(item) || item->valuedouble != std::trunc(item->valuedouble))
        return std::nullopt;
    return countMember(object, "downloadType");
}

QString architectureOfDownloadType(int type)
{
    switch (type) {
    case 0:
        return QStringLiteral("x86");
    case 1:
        return QStringLiteral("x64");
    case 2:
        return QStringLiteral("arm64");
    default:
        return QString();
    }
}

// Microsoft's file names carry the architecture as a word of their own
// ("Win11_25H2_English_x64.iso", "Win10_22H2_German_x32v1.iso",
// "Win11_25H2_English_Arm64_v2.iso"); the signature in the query never counts.
QString architectureOfFileName(const QString &fileName)
{
    const QStringList words = fileName.toLower().split(QRegularExpression(QStringLiteral("[^a-z0-9]+")));
    const auto named = [&words](std::initializer_list<const char *> starts) {
        return std::any_of(words.begin(), words.end(), [starts](const QString &word) {
            return std::any_of(starts.begin(), starts.end(),
                               [&word](const char *start) { return word.startsWith(QLatin1String(start)); });
        });
    };
    if (named({"x64", "amd64"}))
        return QStringLiteral("x64");
    if (named({"x86", "x32"}))
        return QStringLiteral("x86");
    if (named({"arm64", "a64"}))
        return QStringLiteral("arm64");
    return QString();
}

// The visible label, in the page's language: "64-bit", "64 bits", "64-Bit";
// an Arm build described as 64-bit is still Arm.
QString architectureOfLabel(const QString &label)
{
    const QString text = label.toLower();
    if (containsAny(text, {"32-bit", "32 bit", "x86", "x32"}))
        return QStringLiteral("x86");
    if (text.contains(QLatin1String("arm")))
        return QStringLiteral("arm64");
    return QStringLiteral("x64");
}

} // namespace

std::optional<QList<ProductVersion>> parseVersionList(const QString &text, QString *problem)
{
    return parseList<ProductVersion>(text, "versions", problem, versionEntry);
}

std::optional<QList<LanguageInfo>> parseLanguageList(const QString &text, QString *problem)
{
    return parseList<LanguageInfo>(text, "languages", problem, languageEntry);
}

QStringList parseLinkLanguages(const QString &text)
{
    QStringList languages = parseList<QString>(text, "links", nullptr, [](const cJSON *entry) {
                                return stringMember(entry, "language");
                            }).value_or(QStringList());
    languages.removeAll(QString());
    languages.removeDuplicates();
    return languages;
}

QString parseSelectedLanguageId(const QString &text)
{
    const Json root = parseJson(text, nullptr);
    return textMember(root.get(), "selectedLanguageId");
}

std::optional<Refusal> parseRefusal(const QString &pageText)
{
    static const QRegularExpression code(QStringLiteral("message code ([0-9]{3}-[0-9]{6})"));
    static const QRegularExpression session(
        QStringLiteral("[0-9a-fA-F]{8}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{12}"));
    const QRegularExpressionMatch codeMatch = code.match(pageText);
    if (!codeMatch.hasMatch())
        return std::nullopt;
    return Refusal{codeMatch.captured(1), session.match(pageText, codeMatch.capturedEnd()).captured()};
}

std::optional<QString> parsePageError(const QString &text)
{
    const Json root = parseJson(text, nullptr);
    return stringMember(root.get(), "pageError");
}

QList<PublishedHash> parsePublishedHashes(const QString &text)
{
    return parseList<PublishedHash>(text, "hashes", nullptr, publishedHashEntry).value_or(QList<PublishedHash>());
}

std::optional<QList<DownloadOption>> parseLinkList(const QString &text, const QString &versionId,
                                                   const QString &language, QString *problem)
{
    return parseList<DownloadOption>(text, "links", problem, [&](const cJSON *entry) -> std::optional<DownloadOption> {
        const auto url = stringMember(entry, "url");
        if (!url || url->isEmpty())
            return std::nullopt;
        const QString architecture =
            classifyArchitecture(textMember(entry, "text"), *url, downloadTypeMember(entry)).value_or(QString());
        return DownloadOption{versionId, language, architecture, *url, {}, {}, false, std::nullopt};
    });
}

std::optional<QString> classifyArchitecture(const QString &label, const QString &url, std::optional<int> downloadType)
{
    const QString ofType = downloadType ? architectureOfDownloadType(*downloadType) : QString();
    const QString ofFile = architectureOfFileName(QUrl(url).fileName());
    if (!ofType.isEmpty() && !ofFile.isEmpty() && ofType != ofFile)
        return std::nullopt;
    if (!ofType.isEmpty())
        return ofType;
    if (!ofFile.isEmpty())
        return ofFile;
    return architectureOfLabel(label);
}

bool probeAllowsProceeding(const QString &text)
{
    const Json root = parseJson(text, nullptr);
    if (!cJSON_IsObject(root.get()))
        return true;
    return !trueMember(root.get(), "validating") || trueMember(root.get(), "validatingComplete");
}

std::optional<PollResult> parsePollResult(const QString &text)
{
    const Json root = parseJson(text, nullptr);
    const cJSON *object = root.get();
    if (!cJSON_IsObject(object))
        return std::nullopt;
    PollResult result;
    result.status = textMember(object, "status");
    result.hasContainer = trueMember(object, "hasContainer");
    result.linkCount = countMember(object, "linkCount");
    result.formAction = textMember(object, "formAction");
    result.currentURL = textMember(object, "currentURL");
    result.blocked = trueMember(object, "blocked");
    result.hasIsoLinks = trueMember(object, "hasIsoLinks");
    result.productName = textMember(object, "productName");
    result.selectedLanguage = textMember(object, "selectedLanguage");
    result.formFound = textMember(object, "formFound");
    result.validating = trueMember(object, "validating");
    result.validatingComplete = trueMember(object, "validatingComplete");
    result.validatingMessage = textMember(object, "validatingMessage");
    result.downloadError = trueMember(object, "downloadError");
    result.downloadErrorMessage = textMember(object, "downloadErrorMessage");
    result.containerHTML = stringMember(object, "containerHTML");
    return result;
}

PollRow pollRow(const PollResult &result)
{
    if (result.downloadError)
        return PollRow::DownloadError;
    if (result.hasIsoLinks)
        return PollRow::LinksFound;
    if (result.validating)
        return PollRow::Validating;
    return result.hasContainer ? PollRow::Container : PollRow::NoContainer;
}

bool pageMovedOn(const QString &currentUrl)
{
    return currentUrl.contains(QLatin1String("software-download")) && !currentUrl.contains(QLatin1String("windows11"))
        && !currentUrl.contains(QLatin1String("windows10"));
}

ConsoleLine parseConsoleLine(const QString &message)
{
    static const QString output = QStringLiteral("QUIBQT_OUTPUT|");
    static const QString debug = QStringLiteral("QUIBQT_DEBUG|");
    static const QString error = QStringLiteral("QUIBQT_ERROR:");
    if (message.startsWith(output)) {
        const QString rest = message.mid(output.size());
        const int bar = rest.indexOf(QLatin1Char('|'));
        if (bar <= 0)
            return {};
        return {ConsoleLine::Output, rest.left(bar), rest.mid(bar + 1)};
    }
    if (message.startsWith(debug))
        return {ConsoleLine::Debug, QString(), message.mid(debug.size())};
    if (message == QLatin1String("QUIBQT_INITIALIZED"))
        return {ConsoleLine::Initialized, QString(), QString()};
    if (message.startsWith(error))
        return {ConsoleLine::Error, QString(), message.mid(error.size())};
    return {};
}

} // namespace PageAnswers
