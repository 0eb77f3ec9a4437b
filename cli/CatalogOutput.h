// What --list prints for the product catalog: its build, then the editions,
// languages and architectures of the chosen product, then each ESD.
#pragma once

#include "catalog/CatalogTypes.h"

#include <QString>

QString catalogListText(const Catalog &catalog, const QString &productKey);
