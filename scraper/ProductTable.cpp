#include "ProductTable.h"

namespace {

QString g_origin = defaultSiteOrigin();

} // namespace

QMap<QString, ProductInfo> productTable()
{
    return {
        {QStringLiteral("win10"),
         {QStringLiteral("Windows 10"), QStringLiteral("win10"), QStringLiteral("windows10ISO")}},
        {QStringLiteral("win11"), {QStringLiteral("Windows 11"), QStringLiteral("win11"), QStringLiteral("windows11")}},
        {QStringLiteral("win11arm"),
         {QStringLiteral("Windows 11 ARM64"), QStringLiteral("win11arm"), QStringLiteral("windows11arm64")}},
    };
}

QString buildPageUrl(const QString &locale, const QString &productKey)
{
    const auto products = productTable();
    const auto product = products.constFind(productKey);
    if (product == products.constEnd())
        return siteOrigin() + QStringLiteral("/%1/software-download/windows11").arg(locale);
    return siteOrigin() + QStringLiteral("/%1/software-download/%2").arg(locale, product->pagePath);
}

QString siteOrigin()
{
    return g_origin;
}

QString defaultSiteOrigin()
{
    return QStringLiteral("https://www.microsoft.com");
}

bool setSiteOrigin(const QString &origin)
{
    const QUrl url(origin, QUrl::StrictMode);
    const bool webScheme = url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http");
    const bool bareOrigin = (url.path().isEmpty() || url.path() == QLatin1String("/")) && !url.hasQuery()
        && !url.hasFragment() && url.userInfo().isEmpty();
    if (!url.isValid() || !webScheme || url.host().isEmpty() || !bareOrigin)
        return false;
    g_origin = url.toString(QUrl::RemovePath | QUrl::StripTrailingSlash);
    return true;
}

QString siteScheme()
{
    return QUrl(g_origin).scheme();
}

bool isTrustedDownloadLink(const QString &link)
{
    const QUrl url(link, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != siteScheme() || url.host().isEmpty())
        return false;
    if (g_origin != defaultSiteOrigin())
        return true;
    const QString host = url.host();
    return host == QLatin1String("microsoft.com") || host.endsWith(QLatin1String(".microsoft.com"));
}
