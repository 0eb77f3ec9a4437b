// The product catalog's file that the command line's choices name: an
// edition it serves, its language and its architecture.
#pragma once

#include "Options.h"
#include "catalog/CatalogTypes.h"

#include <QString>
#include <QStringList>

// The architectures the command line asks a product's catalog for, the
// default first: win10 x64, x86, arm64; win11 x64, arm64; win11arm arm64.
// Empty for a product that has no catalog.
QStringList catalogArchitectures(const QString &productKey);

// What is wrong with the choices before the catalog is fetched: a product
// without a catalog, an architecture it is not asked for.
QString catalogChoicesProblem(const Choices &choices);

struct CatalogPick {
    CatalogFile file;
    CatalogEdition edition;
    // Set when no file fits, with the values that would.
    QString problem;
};

// The file for `choices` (its product and architecture already checked):
// the edition by id or display name (default Professional, else the first
// listed), the language as on the page (default the system locale's), the
// architecture (default the product's first).
CatalogPick pickCatalogFile(const Catalog &catalog, const Choices &choices, const QString &localeName);

// The catalog's files for the chosen product: those of its architectures.
QList<CatalogFile> productFiles(const Catalog &catalog, const QString &productKey);
