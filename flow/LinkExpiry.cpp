#include "LinkExpiry.h"

#include <QCoreApplication>
#include <QLocale>
#include <QUrl>
#include <QUrlQuery>

#include <limits>

std::optional<QDateTime> linkExpiry(const QString &link)
{
    bool isNumber = false;
    const qint64 seconds = QUrlQuery(QUrl(link)).queryItemValue(QStringLiteral("P1")).toLongLong(&isNumber);
    // QDateTime counts milliseconds in 64 bits: a larger number would wrap
    // into some other date, one that may already have passed.
    constexpr qint64 latestSeconds = std::numeric_limits<qint64>::max() / 1000;
    if (!isNumber || seconds <= 0 || seconds > latestSeconds)
        return std::nullopt;
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}

bool linkExpired(const QString &link, const QDateTime &now)
{
    const std::optional<QDateTime> expiry = linkExpiry(link);
    return expiry && *expiry <= now;
}

QString linkValidityText(const QString &link)
{
    const std::optional<QDateTime> expiry = linkExpiry(link);
    if (!expiry)
        return QString();
    //: %1 is the local date and time.
    return QCoreApplication::translate("LinkExpiry", "Link valid until %1")
        .arg(QLocale().toString(expiry->toLocalTime(), QLocale::ShortFormat));
}
