// Access to the optional log library, loaded once per process at run time.
#pragma once

#include "common/NRet.h"

class ILog;

// The log object, or null while the library or its factory is unavailable
// (a later call tries again).
ILog *GetLog();

// True once the log library has been loaded into the process.
bool IsLogLoaded();

// Writes one line through the log object. Returns a failure of kind 21 when
// there is none; nothing is written then.
nRet LogPrint(const wchar_t *format, ...);

// The line formats. `source` is the narrow name of the writing file.
#define LOG_NRET_LINE(source, value)                                                                                   \
    LogPrint(L"%S %d nRet=0x%016llX\n", (source), __LINE__, static_cast<unsigned long long>(value))
#define LOG_START_LINE(source) LogPrint(L"%S %d Start...\n", (source), __LINE__)
#define LOG_END_LINE(source) LogPrint(L"%S %d End...\n", (source), __LINE__)
// `text`: wide, the product's own words.
#define LOG_TEXT_LINE(source, text) LogPrint(L"%S %d %s\n", (source), __LINE__, (text))
