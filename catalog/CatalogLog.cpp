#include "CatalogLog.h"

// Debug lines stay off unless the logging rules ask for them.
Q_LOGGING_CATEGORY(lcCatalog, "travonix.catalog", QtInfoMsg)
