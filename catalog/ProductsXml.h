// products.xml, the product catalog's list of ESD files:
// MCT > Catalogs > Catalog[@version] > PublishedMedia > Files > File, or
// PublishedMedia as the root in catalog 1.0. Each File entry names one ESD
// for one edition; an ESD that serves several editions is listed once for
// each and read here as one file.
#pragma once

#include "CatalogTypes.h"

#include <QByteArray>
#include <QString>

// Any bytes give a catalog or a problem: text that is no XML, a DTD, or no
// entry with every field a download needs. An entry with a field missing
// or unusable is left out and counted, never guessed at.
Catalog readProductsXml(const QByteArray &xml, QString *problem);
