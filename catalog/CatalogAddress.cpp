#include "CatalogAddress.h"

namespace {

const char MicrosoftLinks[] = "https://go.microsoft.com";

// The fwlink queries as Microsoft publishes them.
QString linkQueryOf(const QString &productKey)
{
    if (productKey == QLatin1String("win10"))
        return QStringLiteral("LinkId=841361");
    if (productKey == QLatin1String("win11") || productKey == QLatin1String("win11arm"))
        return QStringLiteral("linkid=2156292");
    return QString();
}

// The host itself or one under it, as DNS compares names: in any case, a
// trailing dot ignored.
bool isUnder(const QUrl &url, const QString &domain)
{
    QString host = url.host(QUrl::FullyEncoded).toLower();
    if (host.endsWith(QLatin1Char('.')))
        host.chop(1);
    return host == domain || host.endsWith(QLatin1Char('.') + domain);
}

bool isWebScheme(const QUrl &url)
{
    return url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http");
}

bool isMirrorHost(const CatalogSource &source, const QUrl &url)
{
    return url.host().compare(source.address.host(), Qt::CaseInsensitive) == 0
        && url.port(-1) == source.address.port(-1);
}

} // namespace

CatalogSource catalogSource(const QString &productKey, const QString &mirrorOrigin)
{
    const QString query = linkQueryOf(productKey);
    if (query.isEmpty())
        return {QUrl(), mirrorOrigin.isEmpty()};
    const QString origin = mirrorOrigin.isEmpty() ? QLatin1String(MicrosoftLinks) : mirrorOrigin;
    return {QUrl(origin + QStringLiteral("/fwlink/?") + query), mirrorOrigin.isEmpty()};
}

bool mayFetchCatalogFrom(const CatalogSource &source, const QUrl &url)
{
    if (!url.isValid() || !url.userInfo().isEmpty())
        return false;
    if (source.fromMicrosoft)
        return url.scheme() == QLatin1String("https") && isUnder(url, QStringLiteral("microsoft.com"));
    const bool downgrade = source.address.scheme() == QLatin1String("https") && url.scheme() != QLatin1String("https");
    return isWebScheme(url) && !downgrade && isMirrorHost(source, url);
}

bool mayDownloadFileFrom(const CatalogSource &source, const QUrl &url)
{
    if (!url.isValid() || !isWebScheme(url) || !url.userInfo().isEmpty())
        return false;
    if (source.fromMicrosoft)
        return isUnder(url, QStringLiteral("microsoft.com")) || isUnder(url, QStringLiteral("windowsupdate.com"));
    return isMirrorHost(source, url);
}
