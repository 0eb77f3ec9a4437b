// The page's "Verify your download" table and the language list it is
// matched against, both read from one answer, then every lookup made of it.
#include "FuzzInput.h"

#include "scraper/LanguageRows.h"
#include "scraper/PageAnswers.h"
#include "scraper/PublishedHashes.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// Enough rows for every lookup to meet a table of several languages, few
// enough that a long list does not slow the search down.
constexpr int MostLanguagesLookedUp = 8;

bool inTable(const QList<PublishedHash> &table, const PublishedHash &row)
{
    return std::any_of(table.cbegin(), table.cend(), [&row](const PublishedHash &entry) {
        return entry.label == row.label && entry.sha256 == row.sha256;
    });
}

bool isListedName(const QList<LanguageInfo> &listed, const QString &name)
{
    return std::any_of(listed.cbegin(), listed.cend(), [&name](const LanguageInfo &info) { return info.name == name; });
}

void checkTable(const QList<PublishedHash> &table, const QList<LanguageInfo> &listed)
{
    static const QRegularExpression sha256(QStringLiteral("^[0-9A-F]{64}$"));
    for (const PublishedHash &row : table) {
        FUZZ_EXPECT(!row.label.isEmpty() && sha256.match(row.sha256).hasMatch());
        const auto found = PublishedHashes::rowWithValue(table, row.sha256.toLower());
        FUZZ_EXPECT(found && found->sha256 == row.sha256);
    }
    const QList<PublishedHash> labelled = PublishedHashes::withListedLanguages(table, listed);
    FUZZ_EXPECT(labelled.size() == table.size());
    for (const PublishedHash &row : labelled)
        FUZZ_EXPECT(inTable(table, row) && (row.languageName.isEmpty() || isListedName(listed, row.languageName)));
}

void lookUp(const QList<PublishedHash> &table, const QList<LanguageInfo> &listed, const QString &text)
{
    const QStringList linkLanguages = PageAnswers::parseLinkLanguages(text);
    const QString selectedId = PageAnswers::parseSelectedLanguageId(text);
    for (const LanguageInfo &language : listed.mid(0, MostLanguagesLookedUp)) {
        for (const char *architecture : {"x86", "x64", "arm64"}) {
            const auto row =
                PublishedHashes::rowFor(table, language.name, language.language, QLatin1String(architecture));
            FUZZ_EXPECT(!row || inTable(table, *row));
        }
        const auto named = LanguageRows::named(listed, language.name);
        FUZZ_EXPECT(named && named->name == language.name);
        const QString offered = LanguageRows::offeredName(listed, language, linkLanguages, selectedId);
        FUZZ_EXPECT(isListedName(listed, offered) || linkLanguages.contains(offered));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = FuzzInput::text(data, size);
    const QList<PublishedHash> table = PageAnswers::parsePublishedHashes(text);
    const QList<LanguageInfo> listed = PageAnswers::parseLanguageList(text).value_or(QList<LanguageInfo>());
    checkTable(table, listed);
    lookUp(table, listed, text);
    return 0;
}
