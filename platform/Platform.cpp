#include "Platform.h"

namespace platform {

bool meetsMinimumOsVersion(const OsVersion &version)
{
    return version.major > 6 || (version.major == 6 && version.minor >= 2);
}

} // namespace platform
