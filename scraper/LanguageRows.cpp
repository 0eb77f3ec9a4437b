#include "LanguageRows.h"

#include <algorithm>

namespace LanguageRows {

namespace {

template <typename Predicate>
std::optional<LanguageInfo> firstRow(const QList<LanguageInfo> &listed, Predicate predicate)
{
    const auto row = std::find_if(listed.cbegin(), listed.cend(), predicate);
    return row == listed.cend() ? std::nullopt : std::optional<LanguageInfo>(*row);
}

// What a language the links name says of the choice: nothing when it is the
// chosen one or cannot be told apart from it, else the name it stands for.
std::optional<QString> otherLanguage(const QList<LanguageInfo> &listed, const LanguageInfo &chosen,
                                     const QString &linkLanguage)
{
    if (linkLanguage == chosen.language)
        return std::nullopt;
    // Rows read from bare ids know no language of their own: their name
    // stands for it.
    auto row = firstRow(listed, [&](const LanguageInfo &info) { return info.language == linkLanguage; });
    if (!row)
        row = firstRow(listed, [&](const LanguageInfo &info) { return info.name == linkLanguage; });
    if (row)
        return row->id == chosen.id ? std::nullopt : std::optional<QString>(row->name);
    // A language outside the list contradicts only a choice that names its own.
    return chosen.language.isEmpty() ? std::nullopt : std::optional<QString>(linkLanguage);
}

} // namespace

QString comparable(QString name)
{
    name.replace(QLatin1Char('('), QLatin1Char(' ')).replace(QLatin1Char(')'), QLatin1Char(' '));
    return name.simplified().toLower();
}

std::optional<LanguageInfo> named(const QList<LanguageInfo> &listed, const QString &name)
{
    return firstRow(listed, [&name](const LanguageInfo &info) { return info.name == name; });
}

QString offeredName(const QList<LanguageInfo> &listed, const LanguageInfo &chosen, const QStringList &linkLanguages,
                    const QString &selectedId)
{
    for (const QString &linkLanguage : linkLanguages) {
        if (const std::optional<QString> other = otherLanguage(listed, chosen, linkLanguage))
            return *other;
    }
    if (linkLanguages.isEmpty() && !selectedId.isEmpty() && selectedId != chosen.id) {
        if (const auto row = firstRow(listed, [&](const LanguageInfo &info) { return info.id == selectedId; }))
            return row->name;
    }
    return chosen.name;
}

} // namespace LanguageRows
