// Delays and limits of the scraper. Tests shrink them; the defaults are the
// values the product runs with.
#pragma once

struct ScraperTimings {
    int pageLoadTimeoutMs = 30000;
    int loadRetryDelayMs = 2000;
    int maxLoadAttempts = 3;
    int afterInjectionMs = 1000;
    int versionExtractionDelayMs = 2500;
    int languageExtractionDelayMs = 500;
    int linkExtractionDelayMs = 1000;
    int resubmitAfterReloadMs = 2000;
};
