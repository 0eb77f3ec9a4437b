// The process from start to exit: the OS gate, the web engine's environment,
// the single-instance check, the log, the look, and the main window.
#pragma once

#include "common/NRet.h"

#include <QString>

class ILog;
struct MainWindowParts;

class DownloadManager;

// A download engine set up as the product runs it.
DownloadManager *newProductEngine();

// The engine, scraper and version reader the product's window works with.
MainWindowParts productParts();

// Sets the variables that Qt and the web engine read when they start.
// Returns the web engine's line for the diagnostic log.
QString setProcessEnvironment();

// Name, version, organisation and icon of the application.
void applyIdentity();

// Runs the application and returns the process exit code.
int runTravonix(int &argc, char **argv);

// Asks the running first instance to bring its window forward.
nRet activateRunningInstance();

// Names the log file (falling back to "user.log") and opens it. `fileName`
// holds ILog::FileNameCapacity characters.
void openLog(ILog *log, wchar_t *fileName);
