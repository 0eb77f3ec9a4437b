// The rows of the language list the page offered: which one a name stands
// for, and which one the page gave its links for.
#pragma once

#include "ScraperTypes.h"

#include <QStringList>

#include <optional>

namespace LanguageRows {

// A language's name as names are compared: letter case, spacing and
// brackets aside, so "Chinese (Simplified)", "chinese simplified" and the
// table label "Spanish Mexico" for "Spanish (Mexico)" each match their own.
QString comparable(QString name);

// The row whose name is exactly `name`; no near match ever stands in.
std::optional<LanguageInfo> named(const QList<LanguageInfo> &listed, const QString &name);

// The name of the listed language the page's links are for: from the
// languages the links name themselves ("Brazilian Portuguese"), else from
// the row the page's list has selected (`selectedId`). The chosen row's name
// when the page says nothing that tells otherwise.
QString offeredName(const QList<LanguageInfo> &listed, const LanguageInfo &chosen, const QStringList &linkLanguages,
                    const QString &selectedId);

} // namespace LanguageRows
