#include "LinkExpiry.h"

#include <QLocale>
#include <QUrl>
#include <QUrlQuery>

std::optional<QDateTime> linkExpiry(const QString &link)
{
    bool isNumber = false;
    const qint64 seconds = QUrlQuery(QUrl(link)).queryItemValue(QStringLiteral("P1")).toLongLong(&isNumber);
    if (!isNumber || seconds <= 0)
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
    return QStringLiteral("Link valid until %1").arg(QLocale().toString(expiry->toLocalTime(), QLocale::ShortFormat));
}
