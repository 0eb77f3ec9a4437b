// The download engine told what it needs to know of the page's option
// before a transfer: which schemes the site allows, where a redirect may
// lead, and which SHA-256 values a finished file may have.
#pragma once

#include "catalog/CatalogAddress.h"
#include "catalog/CatalogTypes.h"
#include "scraper/ScraperTypes.h"

class DownloadManager;

void prepareEngineFor(DownloadManager &engine, const DownloadOption &option);
// For an ESD of the product catalog: plain http where the catalog's address
// is (the catalog's digest vouches for the bytes), redirects only to where
// the catalog's files may be, and the catalog's digest as the one value.
void prepareEngineFor(DownloadManager &engine, const CatalogFile &file, const CatalogSource &source);
