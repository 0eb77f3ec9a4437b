// The locales in which the vendor's download page exists.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The page locales, lower case, in the order they are matched.
const QStringList &pageLocales();

QString defaultPageLocale();

// The page locale for a system locale name such as "en-US": the table entry
// equal to it ignoring ASCII letter case, else the default.
QString matchPageLocale(const QByteArray &systemLocaleName);
