// Where the product catalog is fetched from, and where its files may be:
// Microsoft's own link and hosts, or a mirror's (a test site) at one origin.
#pragma once

#include <QString>
#include <QUrl>

struct CatalogSource {
    // The catalog's first address: Microsoft's fwlink, or the mirror's
    // "<origin>/fwlink/?linkid=..." with the same query.
    QUrl address;
    // Microsoft's own: the catalog comes over https from its hosts alone.
    bool fromMicrosoft = true;
};

// The catalog of a product key: "win10" Windows 10's, "win11" and
// "win11arm" Windows 11's (x64 and ARM64 in one catalog). `mirrorOrigin`
// empty: Microsoft's. An invalid address for any other key.
CatalogSource catalogSource(const QString &productKey, const QString &mirrorOrigin);

// Whether the catalog's fetch may ask `url`, its first address or a
// redirect's target: from Microsoft only https on a host under
// microsoft.com; from a mirror only its own host, and never plain http
// after https.
bool mayFetchCatalogFrom(const CatalogSource &source, const QUrl &url);

// Whether an ESD may come from `url` (the catalog's FilePath, or where a
// redirect sends it): http or https, from Microsoft on a host under
// microsoft.com or windowsupdate.com, from a mirror on its own host. The
// catalog's digest, fetched over https, is what vouches for the bytes.
bool mayDownloadFileFrom(const CatalogSource &source, const QUrl &url);
