#include "ScraperLog.h"

// Debug lines stay off unless the logging rules ask for them.
Q_LOGGING_CATEGORY(lcScraper, "travonix.scraper", QtInfoMsg)
