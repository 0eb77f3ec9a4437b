// The console of a program linked for the windowing system: it has none of
// its own, so output of the command line would go nowhere.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "platform/Platform.h"

#include <cstdio>

namespace platform {

namespace {

// A stream that a shell redirected already has a handle; one that has none
// goes to the console.
void reopenOnConsole(DWORD handleId, std::FILE *stream)
{
    const HANDLE handle = GetStdHandle(handleId);
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN)
        return;
    std::FILE *reopened = nullptr;
    _wfreopen_s(&reopened, L"CONOUT$", L"w", stream);
}

} // namespace

void attachParentConsole()
{
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    // The command line writes UTF-8.
    SetConsoleOutputCP(CP_UTF8);
    reopenOnConsole(STD_OUTPUT_HANDLE, stdout);
    reopenOnConsole(STD_ERROR_HANDLE, stderr);
}

} // namespace platform
