// One File entry of products.xml, its fields as text, turned into a file
// this program can use, or nothing.
#pragma once

#include "CatalogTypes.h"

#include <QMap>
#include <QString>

#include <optional>

// Field name -> text, as the entry gives them.
using EntryFields = QMap<QString, QString>;

// Every field checked: a FileName that could name a folder or a dot file, a
// size that is no positive number, an address that is not http or https,
// a digest of the wrong length or an unknown architecture give nothing.
std::optional<CatalogFile> catalogFileOf(const EntryFields &fields);
