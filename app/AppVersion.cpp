#include "AppVersion.h"

#include "FilePublic.h"
#include "LogAccess.h"
#include "common/AppIdentity.h"
#include "platform/Platform.h"

#include <climits>
#include <cwchar>
#include <string>

static const char kLogSource[] = "AppVersion";

namespace {

constexpr std::size_t VersionCapacity = 20; // 19 characters and the terminator

std::int32_t clampToInt32(long value)
{
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<std::int32_t>(value);
}

// "<directory>/Travonix.ini", beside the executable.
std::wstring settingsFilePath(const std::wstring &directory)
{
    const std::string name = AppIdentity::Name;
    return directory + std::wstring(1, platform::pathSeparator()) + std::wstring(name.begin(), name.end()) + L".ini";
}

} // namespace

int scanDottedVersion(const wchar_t *text, AppVersionNumbers &numbers)
{
    std::int32_t *const fields[] = {&numbers.major, &numbers.minor, &numbers.build, &numbers.revision};
    const wchar_t *cursor = text;
    int converted = 0;
    for (std::int32_t *field : fields) {
        if (converted > 0 && *cursor++ != L'.')
            break;
        wchar_t *end = nullptr;
        const long value = std::wcstol(cursor, &end, 10);
        if (end == cursor)
            break;
        *field = clampToInt32(value);
        ++converted;
        cursor = end;
    }
    return converted;
}

nRet ReadAppVersion(AppVersionNumbers &numbers)
{
    std::wstring moduleDirectory;
    nRet result = GetModuleDirectory(moduleDirectory);
    if (!nRetSucceeded(result)) {
        // One line for the failed call, one for this function's own return.
        LOG_NRET_LINE(kLogSource, result);
        LOG_NRET_LINE(kLogSource, result);
        return result;
    }
    const std::wstring settingsPath = settingsFilePath(moduleDirectory);

    wchar_t versionText[VersionCapacity] = {};
    const std::size_t length = platform::readProfileString(L"Settings", L"Version", L"1.0.0.0", versionText,
                                                           VersionCapacity, settingsPath.c_str());
    if (length == 0) {
        result = NRET_FAILURE(NRetSystemCallFailed, platform::lastError());
        LOG_NRET_LINE(kLogSource, result);
        return result;
    }
    if (scanDottedVersion(versionText, numbers) < 4) {
        result = NRET_FAILURE(NRetBadConversion, platform::lastError());
        LOG_NRET_LINE(kLogSource, result);
        return result;
    }
    return NRetSuccess;
}
