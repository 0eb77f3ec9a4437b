#include "LanguageMatch.h"
#include "FlowLog.h"
#include "platform/SystemServices.h"

#include <QDebug>

namespace {

struct LocaleWord {
    const char *prefix;
    const char *word;
};

// Tested in this order.
constexpr LocaleWord LocaleWords[] = {
    {"zh", "chinese"}, {"en", "english"},  {"fr", "french"},     {"de", "german"},     {"es", "spanish"},
    {"it", "italian"}, {"ja", "japanese"}, {"ko", "korean"},     {"pt", "portuguese"}, {"ru", "russian"},
    {"ar", "arabic"},  {"tr", "turkish"},  {"vi", "vietnamese"}, {"th", "thai"},       {"pl", "polish"},
    {"nl", "dutch"},   {"sv", "swedish"},  {"da", "danish"},     {"fi", "finnish"},    {"no", "norwegian"},
    {"cs", "czech"},   {"el", "greek"},    {"he", "hebrew"},     {"hu", "hungarian"},  {"id", "indonesian"},
    {"ms", "malay"},   {"ro", "romanian"}, {"sk", "slovak"},     {"uk", "ukrainian"},
};

const char *wordForPrefix(const QString &prefix)
{
    for (const LocaleWord &entry : LocaleWords) {
        if (prefix == QLatin1String(entry.prefix))
            return entry.word;
    }
    return nullptr;
}

} // namespace

int findLanguageIndex(const QList<LanguageInfo> &languages, const QString &localeName)
{
    const QString prefix = localeName.left(2).toLower();
    qCDebug(lcFlow) << "MainWindow: Matching for locale prefix:" << prefix;
    if (const char *word = wordForPrefix(prefix)) {
        for (int i = 0; i < languages.size(); ++i) {
            const QString language = languages.at(i).language.toLower();
            qCDebug(lcFlow) << "MainWindow: lang:" << language;
            if (language.contains(QLatin1String(word)))
                return i;
        }
    }
    for (int i = 0; i < languages.size(); ++i) {
        if (languages.at(i).name.toLower().contains(QLatin1String("english"))) {
            qCDebug(lcFlow) << "MainWindow: Fallback to English";
            return i;
        }
    }
    qCDebug(lcFlow) << "MainWindow: No match found, returning 0";
    return 0;
}

QString systemLocaleName()
{
    const std::string locale = platform::SystemServices::instance().localeName();
    return locale.empty() ? QStringLiteral("en-US") : QString::fromStdString(locale);
}
