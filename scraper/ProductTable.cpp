#include "ProductTable.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

QString g_origin = defaultSiteOrigin();

} // namespace

QMap<QString, ProductInfo> productTable()
{
    return {
        {QStringLiteral("win10"),
         {QStringLiteral("Windows 10"),
          QStringLiteral("win10"),
          QStringLiteral("windows10ISO"),
          {QStringLiteral("x64"), QStringLiteral("x86")}}},
        {QStringLiteral("win11"),
         {QStringLiteral("Windows 11"), QStringLiteral("win11"), QStringLiteral("windows11"), {QStringLiteral("x64")}}},
        {QStringLiteral("win11arm"),
         {QStringLiteral("Windows 11 ARM64"),
          QStringLiteral("win11arm"),
          QStringLiteral("windows11arm64"),
          {QStringLiteral("arm64")}}},
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

QList<ProductInfo> evaluationProducts()
{
    const auto product = [](const char *key, const char *name, const char *slug,
                            QStringList architectures = {QStringLiteral("x64")}) {
        return ProductInfo{QString::fromLatin1(name), QString::fromLatin1(key), QString::fromLatin1(slug),
                           std::move(architectures)};
    };
    return {
        product("win11-eval", "Windows 11 Enterprise (evaluation)", "windows-11-enterprise"),
        product("win11iot-eval", "Windows 11 IoT Enterprise LTSC (evaluation)", "windows-11-iot-enterprise-ltsc-eval",
                {QStringLiteral("x64"), QStringLiteral("arm64")}),
        product("server2025", "Windows Server 2025 (evaluation)", "windows-server-2025"),
        product("server2022", "Windows Server 2022 (evaluation)", "windows-server-2022"),
        product("server2019", "Windows Server 2019 (evaluation)", "windows-server-2019"),
        product("server2016", "Windows Server 2016 (evaluation)", "windows-server-2016"),
    };
}

bool isEvaluationProduct(const QString &productKey)
{
    const QList<ProductInfo> products = evaluationProducts();
    return std::any_of(products.cbegin(), products.cend(),
                       [&productKey](const ProductInfo &product) { return product.productKey == productKey; });
}

QList<ProductInfo> offeredProducts()
{
    return productTable().values() + evaluationProducts();
}

ProductInfo offeredProduct(const QString &productKey)
{
    for (const ProductInfo &product : offeredProducts()) {
        if (product.productKey == productKey)
            return product;
    }
    return ProductInfo();
}

QString evaluationPageUrl(const QString &productKey)
{
    return siteOrigin() + QStringLiteral("/en-us/evalcenter/download-%1").arg(offeredProduct(productKey).pagePath);
}

int defaultEditionRow(const QString &productKey, const QList<ProductVersion> &editions)
{
    if (editions.isEmpty())
        return -1;
    if (!isEvaluationProduct(productKey))
        return int(editions.size()) - 1;
    static const QRegularExpression ltsc(QStringLiteral("\\bLTSC\\b"), QRegularExpression::CaseInsensitiveOption);
    const auto general = std::find_if(editions.cbegin(), editions.cend(),
                                      [](const ProductVersion &edition) { return !edition.name.contains(ltsc); });
    return general == editions.cend() ? 0 : int(general - editions.cbegin());
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

namespace {

// Scheme, host and port, as the browser tells sites apart: the host without
// its letter case or the trailing dot of a fully qualified name, the port
// with the scheme's own filled in.
struct SiteKey {
    QString scheme;
    QString host;
    int port = -1;
    bool operator==(const SiteKey &other) const
    {
        return scheme == other.scheme && host == other.host && port == other.port;
    }
};

SiteKey siteKeyOf(const QString &origin)
{
    const QUrl url(origin);
    QString host = url.host().toLower();
    if (host.endsWith(QLatin1Char('.')))
        host.chop(1);
    const QString scheme = url.scheme().toLower();
    return {scheme, host, url.port(scheme == QLatin1String("https") ? 443 : 80)};
}

} // namespace

bool isDefaultSiteOrigin()
{
    return siteKeyOf(g_origin) == siteKeyOf(defaultSiteOrigin());
}

bool isOnSite(const QUrl &url)
{
    return !url.host().isEmpty() && siteKeyOf(url.toString()) == siteKeyOf(g_origin);
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
    if (!isDefaultSiteOrigin())
        return true;
    const QString host = url.host();
    return host == QLatin1String("microsoft.com") || host.endsWith(QLatin1String(".microsoft.com"));
}
