// Diagnostics of the product catalog's fetch and reading: off unless asked
// for (TRAVONIX_DEBUG=1).
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcCatalog)
