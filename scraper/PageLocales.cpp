#include "PageLocales.h"

const QStringList &pageLocales()
{
    static const QStringList locales = {
        QStringLiteral("fr-dz"), QStringLiteral("es-ar"),   QStringLiteral("en-au"),      QStringLiteral("nl-be"),
        QStringLiteral("fr-be"), QStringLiteral("es-bo"),   QStringLiteral("bs-ba"),      QStringLiteral("pt-br"),
        QStringLiteral("en-ca"), QStringLiteral("fr-ca"),   QStringLiteral("cs-cz"),      QStringLiteral("es-cl"),
        QStringLiteral("es-co"), QStringLiteral("es-cr"),   QStringLiteral("sr-latn-me"), QStringLiteral("en-cy"),
        QStringLiteral("da-dk"), QStringLiteral("de-de"),   QStringLiteral("es-ec"),      QStringLiteral("et-ee"),
        QStringLiteral("en-eg"), QStringLiteral("es-sv"),   QStringLiteral("es-es"),      QStringLiteral("fr-fr"),
        QStringLiteral("es-gt"), QStringLiteral("en-gulf"), QStringLiteral("es-hn"),      QStringLiteral("en-hk"),
        QStringLiteral("hr-hr"), QStringLiteral("en-in"),   QStringLiteral("id-id"),      QStringLiteral("en-ie"),
        QStringLiteral("is-is"), QStringLiteral("it-it"),   QStringLiteral("en-jo"),      QStringLiteral("lv-lv"),
        QStringLiteral("en-lb"), QStringLiteral("lt-lt"),   QStringLiteral("hu-hu"),      QStringLiteral("en-my"),
        QStringLiteral("en-mt"), QStringLiteral("es-mx"),   QStringLiteral("fr-ma"),      QStringLiteral("nl-nl"),
        QStringLiteral("en-nz"), QStringLiteral("es-ni"),   QStringLiteral("en-ng"),      QStringLiteral("nb-no"),
        QStringLiteral("de-at"), QStringLiteral("en-pk"),   QStringLiteral("es-pa"),      QStringLiteral("es-py"),
        QStringLiteral("es-pe"), QStringLiteral("en-ph"),   QStringLiteral("pl-pl"),      QStringLiteral("pt-pt"),
        QStringLiteral("es-pr"), QStringLiteral("es-do"),   QStringLiteral("ro-md"),      QStringLiteral("ro-ro"),
        QStringLiteral("en-sa"), QStringLiteral("de-ch"),   QStringLiteral("en-sg"),      QStringLiteral("sl-si"),
        QStringLiteral("sk-sk"), QStringLiteral("en-za"),   QStringLiteral("sr-latn-rs"), QStringLiteral("en-lk"),
        QStringLiteral("fr-ch"), QStringLiteral("fi-fi"),   QStringLiteral("sv-se"),      QStringLiteral("fr-tn"),
        QStringLiteral("tr-tr"), QStringLiteral("en-gb"),   QStringLiteral("en-us"),      QStringLiteral("es-uy"),
        QStringLiteral("es-ve"), QStringLiteral("vi-vn"),   QStringLiteral("el-gr"),      QStringLiteral("ru-by"),
        QStringLiteral("bg-bg"), QStringLiteral("ru-kz"),   QStringLiteral("ru-ru"),      QStringLiteral("uk-ua"),
        QStringLiteral("he-il"), QStringLiteral("ar-iq"),   QStringLiteral("ar-sa"),      QStringLiteral("ar-ly"),
        QStringLiteral("ar-eg"), QStringLiteral("ar-gulf"), QStringLiteral("th-th"),      QStringLiteral("ko-kr"),
        QStringLiteral("zh-cn"), QStringLiteral("zh-tw"),   QStringLiteral("ja-jp"),      QStringLiteral("zh-hk"),
    };
    return locales;
}

QString defaultPageLocale()
{
    return QStringLiteral("en-us");
}

QString matchPageLocale(const QByteArray &systemLocaleName)
{
    // Only ASCII letters fold, as with _stricmp in the C locale.
    const QString name = QString::fromLatin1(systemLocaleName.toLower());
    for (const QString &locale : pageLocales()) {
        if (locale == name)
            return locale;
    }
    return defaultPageLocale();
}
