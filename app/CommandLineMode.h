// The program run from the command line: no window, no single-instance
// rule, output on the standard streams.
#pragma once

#include "cli/Options.h"

#include <optional>

// --help, --version and a command line that cannot run are answered before
// anything else starts: no display, no web engine. No value for the rest.
std::optional<int> answerWithoutApplication(int &argc, char **argv, const Options &options);

// Qt's and the web engine's own warnings stay off the user's standard error
// unless TRAVONIX_DEBUG=1 asks for them.
void keepQtWarningsOffStandardError();

// Where there is no display, the offscreen platform, unless the user chose one.
void useOffscreenWithoutDisplay();

// Runs the request to its end inside the application's event loop and
// returns the exit code. SIGINT and SIGTERM interrupt it.
int runCommandLine(const Options &options);
