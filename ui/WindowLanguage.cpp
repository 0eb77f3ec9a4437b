#include "WindowLanguage.h"

#include "UiLog.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

const QString English = QStringLiteral("en");
const QString OwnFolder = QStringLiteral(":/translations");

// Installed on the application while they are here.
std::unique_ptr<QTranslator> g_windowTexts;
std::unique_ptr<QTranslator> g_qtTexts;
QString g_installed = English;

bool isTranslatedInto(const QString &language)
{
    return QFileInfo::exists(OwnFolder + QStringLiteral("/travonix_") + language + QStringLiteral(".qm"));
}

// The translations one of the user's languages could be read in, the
// closest first. Chinese goes by its script: Hong Kong and Macau read the
// Traditional one.
QStringList candidatesFor(const QLocale &language)
{
    if (language.language() == QLocale::Chinese)
        return {language.script() == QLocale::TraditionalChineseScript ? QStringLiteral("zh_TW")
                                                                       : QStringLiteral("zh_CN")};
    const QString name = language.name();
    return {name, name.section(QLatin1Char('_'), 0, 0)};
}

// Qt ships no Portuguese of Portugal; its Brazilian buttons read the same.
QString qtLanguageFor(const QString &language)
{
    return language == QLatin1String("pt") ? QStringLiteral("pt_BR") : language;
}

std::unique_ptr<QTranslator> installed(const QString &file, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator.get())) {
        qCDebug(lcUi) << "WindowLanguage: No translation" << file << "in" << folder;
        return nullptr;
    }
    return translator;
}

} // namespace

// Not QTranslator::load(QLocale, …): it tries the locale's languages as
// QLocale lists them, "pt" before "pt-BR", and would give Brazil the
// Portuguese of Portugal.
QString windowLanguageFor(const QLocale &locale)
{
    // The translations live in this static library: the linker would drop
    // their registration otherwise.
    Q_INIT_RESOURCE(translations);
    for (const QString &tag : locale.uiLanguages()) {
        const QLocale language(tag);
        if (language.language() == QLocale::C)
            continue;
        for (const QString &candidate : candidatesFor(language)) {
            if (isTranslatedInto(candidate))
                return candidate;
        }
    }
    return English;
}

QString installWindowLanguage(const QLocale &locale)
{
    const QString language = windowLanguageFor(locale);
    g_windowTexts.reset();
    g_qtTexts.reset();
    g_windowTexts = installed(QStringLiteral("travonix_") + language, OwnFolder);
    g_qtTexts = installed(QStringLiteral("qtbase_") + qtLanguageFor(language),
                          QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    g_installed = g_windowTexts ? language : English;
    qCDebug(lcUi) << "WindowLanguage: The window speaks" << g_installed;
    return g_installed;
}

QString windowLanguageName()
{
    // English's own name would be "American English".
    return g_installed == English ? QStringLiteral("English") : QLocale(g_installed).nativeLanguageName();
}
