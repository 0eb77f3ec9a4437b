// Where a catalog download puts its files: the ISO where the user says (on
// the command line --output, else named after the ESD, in the working
// folder or the folder --output names), the ESD beside it under the ISO's name.
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

// The ESD's place beside the ISO at `isoPath`: "<name>.iso" becomes
// "<name>.esd"; any other name gets ".esd" added.
QString esdBeside(const QString &isoPath);

EsdPlace esdPlaceFor(const CatalogFile &file, const QString &output);

// Why the folder of `place` cannot take the ESD and the media built from
// it (about three times the ESD's size); empty when it can.
QString roomProblem(const EsdPlace &place, qint64 esdBytes);
