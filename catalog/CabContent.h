// The one member of the catalog's CAB that is read: products.xml, in
// memory, never written anywhere under a name the archive chose.
#pragma once

#include <QByteArray>
#include <QString>

// Far above any catalog so far (a few MiB unpacked).
inline constexpr qint64 MostProductsXmlBytes = qint64(64) * 1024 * 1024;

// products.xml from the CAB's bytes; empty, with the reason in `problem`,
// for bytes that are no CAB, a CAB without it, or one whose products.xml
// is larger than MostProductsXmlBytes, whatever its header says.
QByteArray productsXmlFromCab(const QByteArray &cab, QString *problem);
