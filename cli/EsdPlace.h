// Where a catalog download puts its files: the ISO at --output (or named
// after the ESD, in the working folder or the folder --output names), the
// ESD beside it under the ISO's name.
#pragma once

#include "catalog/CatalogTypes.h"

#include <QString>

struct EsdPlace {
    QString isoPath;
    QString esdPath;
    // The ISO takes a name the catalog chose: a file of the user's under it
    // is never replaced.
    bool isoNamedByCatalog = false;
};

EsdPlace esdPlaceFor(const CatalogFile &file, const QString &output);

// Why the folder of `place` cannot take the ESD and the media built from
// it (about three times the ESD's size); empty when it can.
QString roomProblem(const EsdPlace &place, qint64 esdBytes);
