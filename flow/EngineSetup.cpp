#include "EngineSetup.h"

#include "DigestVerdict.h"
#include "download/DownloadManager.h"
#include "scraper/ProductTable.h"

#include <QUrl>

void prepareEngineFor(DownloadManager &engine, const DownloadOption &option)
{
    EngineSettings settings = engine.settings();
    settings.plainHttpAllowed = siteScheme() == QLatin1String("http");
    // The file server may send the download on only to where the page's
    // own links may lead.
    settings.redirectAllowed = [](const QUrl &target) {
        return isTrustedDownloadLink(target.toString(QUrl::FullyEncoded));
    };
    engine.setSettings(settings);
    engine.setPublishedSha256(acceptedSha256(option));
    // Every option is an ISO image, whether or not a SHA-256 is published.
    engine.setMustBeDiscImage(true);
}

void prepareEngineFor(DownloadManager &engine, const CatalogFile &file, const CatalogSource &source)
{
    EngineSettings settings = engine.settings();
    settings.plainHttpAllowed = file.url.scheme() == QLatin1String("http");
    settings.redirectAllowed = [source](const QUrl &target) { return mayDownloadFileFrom(source, target); };
    engine.setSettings(settings);
    engine.setPublishedDigests(file.digestAlgorithm, {file.digest});
    engine.setMustBeDiscImage(false);
}
