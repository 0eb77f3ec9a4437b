// Delays of the scraper's steps. Tests shrink them; the defaults are the
// values the product runs with. Attempt limits are fixed and not here.
#pragma once

struct ScraperTimings {
    int pageLoadTimeoutMs = 30000;
    int loadRetryDelayMs = 2000;
    int afterInjectionMs = 1000;
    int languageExtractionDelayMs = 500;
    int linkExtractionDelayMs = 1000;
    int resubmitDelayMs = 2000;
    int afterVersionSelectionMs = 3000;
    int validationRecheckMs = 2000;
    int languageRetryDelayMs = 3500;
    int afterLanguageSelectionMs = 3000;
    int pollIntervalMs = 2000;
    int reloadDelayMs = 1000;
    int reselectLanguageDelayMs = 3000;
    int pollAfterReselectionMs = 5000;
    // How long one request may take in all before it ends as timed out;
    // 0: longer than the delays and attempt limits above can take.
    int requestDeadlineMs = 0;
};
