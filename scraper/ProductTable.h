// The products Travonix offers and the address of each one's download page.
#pragma once

#include "ScraperTypes.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QUrl>

struct ProductInfo {
    QString displayName;
    QString productKey;
    QString pagePath;
    // The architectures Microsoft offers the product in: "x64", "x86", "arm64".
    QStringList architectures;
};

// Keyed by product key; iteration order is "win10", "win11", "win11arm".
QMap<QString, ProductInfo> productTable();

// The download page of `productKey` for the page locale `locale`; a key that
// is not in the table gets the Windows 11 page.
QString buildPageUrl(const QString &locale, const QString &productKey);

// The Evaluation Center's products, in the order they are offered; their
// pagePath is the page's slug ("windows-server-2022").
QList<ProductInfo> evaluationProducts();
bool isEvaluationProduct(const QString &productKey);
// Every product, as the window and the command line list them: those of
// the product table, then the Evaluation Center's.
QList<ProductInfo> offeredProducts();
// The entry of `productKey` among them; an empty one if there is none.
ProductInfo offeredProduct(const QString &productKey);
// The Evaluation Center page of `productKey`.
QString evaluationPageUrl(const QString &productKey);
// The edition chosen until the user chooses one: the download page's last
// (its newest release); on an Evaluation Center page the first outside the
// LTSC channel, or the first where there is no other. -1 for no editions.
int defaultEditionRow(const QString &productKey, const QList<ProductVersion> &editions);

// Scheme and host of the download site, without a trailing slash.
QString siteOrigin();
QString defaultSiteOrigin();
// Accepts an http or https URL with a host and nothing but "/" as its path.
// Returns false, changing nothing, for anything else.
bool setSiteOrigin(const QString &origin);
// Whether the origin set is Microsoft's own site, however it was spelled
// ("https://WWW.microsoft.com.", "https://www.microsoft.com:443").
bool isDefaultSiteOrigin();
// Whether `url` is on the site: its scheme, host and port, compared as
// isDefaultSiteOrigin compares them. The page may go nowhere else.
bool isOnSite(const QUrl &url);

// "https", or "http" for a plain origin: the one scheme the site's links may use.
QString siteScheme();
// Whether the page may send the download to `link`: only with the site's
// scheme and, for Microsoft's own site, only to a host under microsoft.com.
bool isTrustedDownloadLink(const QString &link);
