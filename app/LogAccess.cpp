#include "LogAccess.h"

#include "Lockers.h"
#include "logkit/ILog.h"
#include "platform/Platform.h"

#include <atomic>
#include <cstdarg>

namespace {

// Created on first use (thread-safe) and destroyed at process exit.
CCriticalLocker &processLock()
{
    static CCriticalLocker lock;
    return lock;
}

ILog *g_log = nullptr;
std::atomic<bool> g_libraryLoaded{false};

} // namespace

ILog *GetLog()
{
    CAutoLocker<CCriticalLocker *> guard(&processLock());
    if (g_log)
        return g_log;
    void *library = platform::loadLibrary("Log");
    if (!library)
        return nullptr;
    g_libraryLoaded = true;
    const auto createLog =
        reinterpret_cast<CreateLogFunction>(platform::findSymbol(library, TRAVONIX_CREATE_LOG_SYMBOL));
    if (!createLog)
        return nullptr;
    g_log = createLog();
    return g_log;
}

bool IsLogLoaded()
{
    return g_libraryLoaded;
}

nRet LogPrint(const wchar_t *format, ...)
{
    ILog *log = GetLog();
    if (!log)
        return NRET_FAILURE(NRetSystemCallFailed, platform::lastError());
    va_list arguments;
    va_start(arguments, format);
    log->WriteV(format, arguments);
    va_end(arguments);
    return NRetSuccess;
}
