#include "FilePublic.h"

#include "LogAccess.h"
#include "platform/Platform.h"

#include <algorithm>
#include <vector>

static const char kLogSource[] = "FilePublic";

namespace {

// Long paths fit; the system says so by filling the buffer only partly.
constexpr std::size_t PathCapacity = 32768;

} // namespace

nRet GetModuleDirectory(std::wstring &directory)
{
    std::vector<wchar_t> buffer(PathCapacity);
    const std::size_t length = platform::moduleFileName(buffer.data(), buffer.size());
    if (length == 0) {
        const nRet result = NRET_FAILURE(NRetSystemCallFailed, platform::lastError());
        LOG_NRET_LINE(kLogSource, result);
        return result;
    }
    directory.assign(buffer.data(), length);
    directory.erase(std::min(directory.rfind(platform::pathSeparator()), directory.size()));
    return NRetSuccess;
}
