// The four numbers of the version the About box shows.
#pragma once

#include <cstdint>

struct AppVersionNumbers {
    std::int32_t major = 0;
    std::int32_t minor = 0;
    std::int32_t build = 0;
    std::int32_t revision = 0;
};
