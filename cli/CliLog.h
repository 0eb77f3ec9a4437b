// Diagnostics of the command line: off unless asked for (TRAVONIX_DEBUG=1).
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcCli)
