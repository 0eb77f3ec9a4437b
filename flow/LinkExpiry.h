// When an ISO link stops working: the page's links carry their expiry as a
// Unix time in the query item P1.
#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

std::optional<QDateTime> linkExpiry(const QString &link);

// Whether the link has run out by `now`; a link without an expiry never does.
bool linkExpired(const QString &link, const QDateTime &now = QDateTime::currentDateTimeUtc());

// "Link valid until <local date and time>", or empty without an expiry.
QString linkValidityText(const QString &link);
