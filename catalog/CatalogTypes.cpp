#include "CatalogTypes.h"

#include <algorithm>

bool CatalogFile::serves(const QString &editionId) const
{
    return std::any_of(editions.cbegin(), editions.cend(),
                       [&editionId](const CatalogEdition &edition) { return edition.id == editionId; });
}

QList<CatalogFile>::const_iterator Catalog::newestFile() const
{
    return std::max_element(files.cbegin(), files.cend(), [](const CatalogFile &a, const CatalogFile &b) {
        return std::make_pair(a.build, a.revision) < std::make_pair(b.build, b.revision);
    });
}

int Catalog::newestBuild() const
{
    const auto newest = newestFile();
    return newest == files.cend() ? 0 : newest->build;
}

QString Catalog::buildText() const
{
    const auto newest = newestFile();
    if (newest == files.cend() || newest->build == 0)
        return QString();
    return QStringLiteral("%1.%2").arg(newest->build).arg(newest->revision);
}
