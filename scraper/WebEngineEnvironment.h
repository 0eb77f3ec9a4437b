// The off-screen web engine's environment, read once when it starts.
#pragma once

// Sets the variables that the web engine reads at its start: no GPU, no
// sandbox (it runs as root in containers), software OpenGL.
void setWebEngineEnvironment();
