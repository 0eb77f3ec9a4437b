// The products Travonix offers and the address of each one's download page.
#pragma once

#include <QMap>
#include <QString>
#include <QUrl>

struct ProductInfo {
    QString displayName;
    QString productKey;
    QString pagePath;
};

// Keyed by product key; iteration order is "win10", "win11", "win11arm".
QMap<QString, ProductInfo> productTable();

// The download page of `productKey` for the page locale `locale`; a key that
// is not in the table gets the Windows 11 page.
QString buildPageUrl(const QString &locale, const QString &productKey);

// Scheme and host of the download site, without a trailing slash.
QString siteOrigin();
QString defaultSiteOrigin();
// Accepts an http or https URL with a host and nothing but "/" as its path.
// Returns false, changing nothing, for anything else.
bool setSiteOrigin(const QString &origin);

// "https", or "http" for a plain origin: the one scheme the site's links may use.
QString siteScheme();
// Whether the page may send the download to `link`: only with the site's
// scheme and, for Microsoft's own site, only to a host under microsoft.com.
bool isTrustedDownloadLink(const QString &link);
