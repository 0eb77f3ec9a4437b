#include "FlowLog.h"

// Debug lines stay off unless the logging rules ask for them.
Q_LOGGING_CATEGORY(lcFlow, "travonix.flow", QtInfoMsg)
