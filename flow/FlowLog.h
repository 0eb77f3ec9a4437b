// Diagnostics of the choices and verdicts that the window and the command
// line share: off unless asked for (TRAVONIX_DEBUG=1).
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcFlow)
