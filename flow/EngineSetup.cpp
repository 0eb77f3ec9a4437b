#include "EngineSetup.h"

#include "DigestVerdict.h"
#include "download/DownloadManager.h"
#include "scraper/ProductTable.h"

void prepareEngineFor(DownloadManager &engine, const DownloadOption &option)
{
    EngineSettings settings = engine.settings();
    settings.plainHttpAllowed = siteScheme() == QLatin1String("http");
    engine.setSettings(settings);
    engine.setPublishedSha256(acceptedSha256(option));
}
