#include "FilePublic.h"

#include "LogAccess.h"
#include "platform/Platform.h"

#include <cwchar>

static const char kLogSource[] = "FilePublic";

nRet GetModuleDirectory(wchar_t *buffer)
{
    if (platform::moduleFileName(buffer, PathCapacity) == 0) {
        const nRet result = NRET_FAILURE(NRetSystemCallFailed, platform::lastError());
        LOG_NRET_LINE(kLogSource, result);
        return result;
    }
    if (wchar_t *lastSeparator = std::wcsrchr(buffer, platform::pathSeparator()))
        *lastSeparator = L'\0';
    return NRetSuccess;
}
