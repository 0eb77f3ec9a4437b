#include "LanguageMatch.h"
#include "FlowLog.h"
#include "platform/SystemServices.h"
#include "scraper/LanguageRows.h"

#include <QDebug>
#include <QRegularExpression>

namespace {

struct LocaleLanguage {
    const char *locale; // a language, or a language and its script or region
    const char *language; // as the page names it, brackets aside
};

// Tried from the first row: where a language has several, the locales with
// a script or region come before the bare language.
constexpr LocaleLanguage LocaleLanguages[] = {
    {"pt-br", "Brazilian Portuguese"},
    {"pt", "Portuguese"},
    {"fr-ca", "French Canadian"},
    {"fr", "French"},
    {"es-mx", "Spanish Mexico"},
    {"es", "Spanish"},
    {"en-us", "English"},
    {"en", "English United Kingdom"},
    {"zh-tw", "Chinese Traditional"},
    {"zh-hk", "Chinese Traditional"},
    {"zh-mo", "Chinese Traditional"},
    {"zh-hant", "Chinese Traditional"},
    {"zh", "Chinese Simplified"},
    {"sr", "Serbian Latin"},
    {"nb", "Norwegian"},
    {"nn", "Norwegian"},
    {"no", "Norwegian"},
    {"ar", "Arabic"},
    {"bg", "Bulgarian"},
    {"hr", "Croatian"},
    {"cs", "Czech"},
    {"da", "Danish"},
    {"nl", "Dutch"},
    {"et", "Estonian"},
    {"fi", "Finnish"},
    {"de", "German"},
    {"el", "Greek"},
    {"he", "Hebrew"},
    {"hu", "Hungarian"},
    {"id", "Indonesian"},
    {"it", "Italian"},
    {"ja", "Japanese"},
    {"ko", "Korean"},
    {"lv", "Latvian"},
    {"lt", "Lithuanian"},
    {"ms", "Malay"},
    {"pl", "Polish"},
    {"ro", "Romanian"},
    {"ru", "Russian"},
    {"sk", "Slovak"},
    {"sl", "Slovenian"},
    {"sv", "Swedish"},
    {"th", "Thai"},
    {"tr", "Turkish"},
    {"uk", "Ukrainian"},
    {"vi", "Vietnamese"},
};

// "pt_BR.UTF-8" and "PT-br" read as "pt-br".
QString localeTag(QString localeName)
{
    localeName = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return localeName.replace(QLatin1Char('_'), QLatin1Char('-')).toLower();
}

bool startsWithTag(const QString &tag, const QString &prefix)
{
    return tag == prefix || tag.startsWith(prefix + QLatin1Char('-'));
}

// The rows whose language, or else whose name, normalises to `name`.
QList<int> rowsNamed(const QList<LanguageInfo> &languages, const QString &name)
{
    const QString wanted = LanguageRows::comparable(name);
    for (const auto field : {&LanguageInfo::language, &LanguageInfo::name}) {
        QList<int> rows;
        for (int i = 0; i < languages.size(); ++i) {
            if (LanguageRows::comparable(languages.at(i).*field) == wanted)
                rows << i;
        }
        if (!rows.isEmpty())
            return rows;
    }
    return {};
}

// Rows whose language is a culture ("de-DE", as the Evaluation Center names
// its files): the locale's own, else the first of the locale's language.
QList<int> rowsOfCulture(const QList<LanguageInfo> &languages, const QString &tag)
{
    const QString language = tag.section(QLatin1Char('-'), 0, 0);
    QList<int> sameLanguage;
    for (int i = 0; i < languages.size(); ++i) {
        const QString culture = localeTag(languages.at(i).language);
        if (culture == tag)
            return {i};
        if (culture.contains(QLatin1Char('-')) && culture.section(QLatin1Char('-'), 0, 0) == language)
            sameLanguage << i;
    }
    return sameLanguage.mid(0, 1);
}

// The row of the locale's language: the first table row whose locale the
// tag begins with decides, "en-AU" taking "en" and "sr-Latn-RS" "sr".
// "en-US" is the one English locale of the United States; any other English
// one gets English International first, as the page names it.
QList<int> rowsForLocale(const QList<LanguageInfo> &languages, const QString &localeName)
{
    const QString tag = localeTag(localeName);
    if (const QList<int> rows = rowsOfCulture(languages, tag); !rows.isEmpty())
        return rows;
    for (const LocaleLanguage &entry : LocaleLanguages) {
        if (!startsWithTag(tag, QLatin1String(entry.locale)))
            continue;
        QList<int> rows = rowsNamed(languages, QLatin1String(entry.language));
        if (rows.isEmpty() && startsWithTag(tag, QStringLiteral("en")))
            rows = rowsNamed(languages, QStringLiteral("English"));
        return rows;
    }
    return {};
}

bool looksLikeLocale(const QString &text)
{
    static const QRegularExpression locale(QStringLiteral("^[A-Za-z]{2,3}([-_][A-Za-z0-9]{2,8})*$"));
    return locale.match(text).hasMatch();
}

QList<int> rowsContaining(const QList<LanguageInfo> &languages, const QString &wanted)
{
    const QString part = LanguageRows::comparable(wanted);
    QList<int> rows;
    for (int i = 0; i < languages.size(); ++i) {
        if (LanguageRows::comparable(languages.at(i).language).contains(part)
            || LanguageRows::comparable(languages.at(i).name).contains(part))
            rows << i;
    }
    return rows;
}

} // namespace

int findLanguageIndex(const QList<LanguageInfo> &languages, const QString &localeName)
{
    qCDebug(lcFlow) << "MainWindow: Matching for locale:" << localeName;
    QList<int> rows = rowsForLocale(languages, localeName);
    if (rows.isEmpty())
        rows = rowsNamed(languages, QStringLiteral("English"));
    for (int i = 0; i < languages.size() && rows.isEmpty(); ++i) {
        if (languages.at(i).name.toLower().contains(QLatin1String("english")))
            rows << i;
    }
    return rows.isEmpty() ? 0 : rows.first();
}

QList<int> rowsForLanguageName(const QList<LanguageInfo> &languages, const QString &wanted)
{
    if (wanted.trimmed().isEmpty())
        return {};
    QList<int> rows = rowsNamed(languages, wanted);
    if (rows.isEmpty() && looksLikeLocale(wanted.trimmed()))
        rows = rowsForLocale(languages, wanted.trimmed());
    return rows.isEmpty() ? rowsContaining(languages, wanted) : rows;
}

QString systemLocaleName()
{
    const std::string locale = platform::SystemServices::instance().localeName();
    return locale.empty() ? QStringLiteral("en-US") : QString::fromStdString(locale);
}
