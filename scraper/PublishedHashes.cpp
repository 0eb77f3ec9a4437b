#include "PublishedHashes.h"

#include "LanguageRows.h"

namespace PublishedHashes {

namespace {

// The label's words for an architecture, as the page writes them.
QStringList architectureWords(const QString &architecture)
{
    if (architecture == QLatin1String("x86"))
        return {QStringLiteral("32-bit"), QStringLiteral("x86")};
    if (architecture == QLatin1String("arm64"))
        return {QStringLiteral("arm64")};
    return {QStringLiteral("64-bit"), QStringLiteral("x64")};
}

const QStringList &everyArchitectureWord()
{
    static const QStringList words{QStringLiteral("32-bit"), QStringLiteral("x86"), QStringLiteral("64-bit"),
                                   QStringLiteral("x64"), QStringLiteral("arm64")};
    return words;
}

// The label without its architecture word, when it ends in one of `words`.
std::optional<QString> languagePart(const QString &label, const QStringList &words)
{
    const QString text = LanguageRows::comparable(label);
    for (const QString &word : words) {
        if (text.endsWith(QLatin1Char(' ') + word))
            return text.left(text.size() - word.size() - 1);
    }
    return std::nullopt;
}

// Only whole names count: "Spanish" is not a form of "Spanish (Mexico)".
QStringList languageForms(const QString &languageName, const QString &language)
{
    QStringList forms{LanguageRows::comparable(languageName), LanguageRows::comparable(language)};
    forms.removeAll(QString());
    return forms;
}

} // namespace

std::optional<PublishedHash> rowFor(const QList<PublishedHash> &table, const QString &languageName,
                                    const QString &language, const QString &architecture)
{
    const QStringList forms = languageForms(languageName, language);
    for (const PublishedHash &row : table) {
        const std::optional<QString> part = languagePart(row.label, architectureWords(architecture));
        if (part && !part->isEmpty() && forms.contains(*part))
            return row;
    }
    return std::nullopt;
}

QList<PublishedHash> withListedLanguages(QList<PublishedHash> table, const QList<LanguageInfo> &listed)
{
    for (PublishedHash &row : table) {
        const std::optional<QString> part = languagePart(row.label, everyArchitectureWord());
        for (const LanguageInfo &language : listed) {
            if (part && languageForms(language.name, language.language).contains(*part)) {
                row.languageName = language.name;
                break;
            }
        }
    }
    return table;
}

std::optional<PublishedHash> rowWithValue(const QList<PublishedHash> &table, const QString &sha256)
{
    for (const PublishedHash &row : table) {
        if (row.sha256.compare(sha256, Qt::CaseInsensitive) == 0)
            return row;
    }
    return std::nullopt;
}

} // namespace PublishedHashes
