#include "PublishedHashes.h"

#include <QRegularExpression>

namespace PublishedHashes {

namespace {

QString normalised(const QString &text)
{
    return text.simplified().toLower();
}

// The label's words for an architecture, as the page writes them.
QStringList architectureWords(const QString &architecture)
{
    if (architecture == QLatin1String("x86"))
        return {QStringLiteral("32-bit"), QStringLiteral("x86")};
    if (architecture == QLatin1String("arm64"))
        return {QStringLiteral("arm64")};
    return {QStringLiteral("64-bit"), QStringLiteral("x64")};
}

// The label without its architecture word, when it ends in one of `words`.
std::optional<QString> languagePart(const QString &label, const QStringList &words)
{
    const QString text = normalised(label);
    for (const QString &word : words) {
        if (text.endsWith(QLatin1Char(' ') + word))
            return text.left(text.size() - word.size() - 1);
    }
    return std::nullopt;
}

QStringList languageForms(const QString &languageName, const QString &language)
{
    static const QRegularExpression parenthesised(QStringLiteral("\\s*\\([^)]*\\)"));
    QString bare = languageName;
    bare.remove(parenthesised);
    return {normalised(languageName), normalised(language), normalised(bare)};
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

std::optional<PublishedHash> rowWithValue(const QList<PublishedHash> &table, const QString &sha256)
{
    for (const PublishedHash &row : table) {
        if (row.sha256.compare(sha256, Qt::CaseInsensitive) == 0)
            return row;
    }
    return std::nullopt;
}

} // namespace PublishedHashes
