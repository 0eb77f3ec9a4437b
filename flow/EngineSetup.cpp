#include "EngineSetup.h"

#include "download/DownloadManager.h"
#include "scraper/ProductTable.h"

void prepareEngineFor(DownloadManager &engine, const DownloadOption &option)
{
    EngineSettings settings = engine.settings();
    settings.plainHttpAllowed = siteScheme() == QLatin1String("http");
    engine.setSettings(settings);
    QStringList published;
    for (const PublishedHash &row : option.publishedHashes)
        published << row.sha256;
    engine.setPublishedSha256(published);
}
