// The download engine told what it needs to know of the page's option
// before a transfer: which schemes the site allows, where a redirect may
// lead, and which SHA-256 values a finished file may have.
#pragma once

#include "scraper/ScraperTypes.h"

class DownloadManager;

void prepareEngineFor(DownloadManager &engine, const DownloadOption &option);
