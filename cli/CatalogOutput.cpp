#include "CatalogOutput.h"

#include "CatalogMatch.h"
#include "catalog/PageRelease.h"
#include "flow/SizeFormat.h"

namespace {

QString headline(const Catalog &catalog, const QString &productKey)
{
    const QString build = catalog.buildText();
    QString line = QStringLiteral("Product catalog %1 for %2, build %3")
                       .arg(catalog.version.isEmpty() ? QStringLiteral("(no version)") : catalog.version, productKey,
                            build.isEmpty() ? QStringLiteral("unknown") : build);
    if (catalog.skippedEntries > 0)
        line += QStringLiteral(" (%1 entries left out: a field missing or unusable)").arg(catalog.skippedEntries);
    const PageRelease release = pageRelease(productKey);
    if (catalog.newestBuild() > 0 && catalog.newestBuild() < release.build)
        line += QStringLiteral("\nThis catalog's build %1 is older than the page's current release, %2 (build %3): "
                               "the catalog may be a stale copy; the page, or a later try, may have the newer one.")
                    .arg(catalog.newestBuild())
                    .arg(release.name)
                    .arg(release.build);
    return line;
}

// Each value once, in the order the files list them.
void addOnce(QStringList &rows, const QString &row)
{
    if (!rows.contains(row))
        rows << row;
}

QString section(const QString &title, const QStringList &rows)
{
    return title + QStringLiteral(":\n  ") + rows.join(QLatin1String("\n  "));
}

} // namespace

QString catalogListText(const Catalog &catalog, const QString &productKey)
{
    const QList<CatalogFile> files = productFiles(catalog, productKey);
    QStringList editions, languages, architectures, esds;
    for (const CatalogFile &file : files) {
        QStringList served;
        for (const CatalogEdition &edition : file.editions) {
            addOnce(editions, QStringLiteral("%1 | %2").arg(edition.id, edition.name));
            served << edition.id;
        }
        addOnce(languages, QStringLiteral("%1 | %2").arg(file.languageCode, file.language));
        addOnce(architectures, file.architecture);
        esds << QStringLiteral("%1  %2  %3  %4")
                    .arg(file.fileName, formatSize(file.size), file.architecture, served.join(QLatin1Char(',')));
    }
    return QStringList{headline(catalog, productKey), section(QStringLiteral("Editions"), editions),
                       section(QStringLiteral("Languages"), languages),
                       section(QStringLiteral("Architectures"), architectures), section(QStringLiteral("Files"), esds)}
        .join(QLatin1Char('\n'));
}
