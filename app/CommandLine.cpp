#include "CommandLine.h"

#include "scraper/ProductTable.h"

#include <QCommandLineParser>

QString applyOriginSetting(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption originOption(QStringLiteral("origin"),
                                          QStringLiteral("Scheme and host of the download site."),
                                          QStringLiteral("URL"));
    parser.addOption(originOption);
    // Qt and the web engine take options of their own; those are not ours to refuse.
    parser.parse(arguments);

    QString origin = parser.value(originOption);
    QString source = QStringLiteral("--origin");
    if (!parser.isSet(originOption)) {
        origin = qEnvironmentVariable("TRAVONIX_ORIGIN");
        source = QStringLiteral("TRAVONIX_ORIGIN");
    }
    if (origin.isEmpty() || setSiteOrigin(origin))
        return QString();
    return QStringLiteral("Ignoring %1 \"%2\": expected an http or https address such as %3")
        .arg(source, origin, defaultSiteOrigin());
}
