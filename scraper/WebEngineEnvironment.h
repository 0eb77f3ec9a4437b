// The off-screen web engine's environment, read once when it starts.
#pragma once

#include <QString>

// Sets the variables that the web engine reads at its start: no GPU,
// software OpenGL, Chromium's own logging off (the page's noise is no
// user's business), and the renderer sandbox wherever it can run. Returns
// a line for the diagnostic log that says whether it runs, and why not.
QString setWebEngineEnvironment();
