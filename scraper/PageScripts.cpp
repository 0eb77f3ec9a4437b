#include "PageScripts.h"

#include <QFile>
#include <QHash>

// Outside any namespace, as resource initialisation requires.
static QString resourceText(const QString &name)
{
    // The scripts live in the static core library, whose resource
    // registration the linker would otherwise drop.
    Q_INIT_RESOURCE(scripts);
    QFile file(QStringLiteral(":/scraper/%1.js").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

namespace PageScripts {

QString script(const QString &name)
{
    static QHash<QString, QString> cache;
    auto cached = cache.constFind(name);
    if (cached != cache.constEnd())
        return *cached;
    const QString text = QStringLiteral("(function () {\n'use strict';\n%1\n%2\n})();")
                             .arg(resourceText(QStringLiteral("common")), resourceText(name));
    cache.insert(name, text);
    return text;
}

QString escapedForJavaScript(const QString &value)
{
    QString escaped;
    escaped.reserve(value.size());
    for (const QChar c : value) {
        const ushort code = c.unicode();
        const bool plain = code >= 0x20 && code < 0x7F && !QStringLiteral("\\'\"<>&`").contains(c);
        if (plain)
            escaped += c;
        else
            escaped += QStringLiteral("\\u%1").arg(code, 4, 16, QLatin1Char('0'));
    }
    return escaped;
}

QString selectVersionCall(const QString &versionId)
{
    return QStringLiteral("window.quibQtSelectVersion('%1');").arg(escapedForJavaScript(versionId));
}

QString selectLanguageCall(const QString &language)
{
    return QStringLiteral("window.quibQtSelectLanguage('%1');").arg(escapedForJavaScript(language));
}

QString extractLanguagesCall()
{
    return QStringLiteral("window.quibQtExtractLanguages();");
}

QString extractLinksCall()
{
    return QStringLiteral("window.quibQtExtractLinks();");
}

} // namespace PageScripts
