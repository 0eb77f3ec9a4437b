// The operating-system queries whose answers decide behaviour, behind one
// replaceable object so that tests can answer them (as a mock clock would).
#pragma once

#include "Platform.h"

namespace platform {

class SystemServices {
public:
    virtual ~SystemServices() = default;

    virtual OsVersion osVersion() const { return queryOsVersion(); }
    virtual std::optional<std::uint32_t> appsUseLightTheme() const { return readAppsUseLightTheme(); }
    virtual std::string localeName() const { return systemLocaleName(); }
    virtual void showStartupError(const char *text, const char *caption) const
    {
        platform::showStartupError(text, caption);
    }

    static const SystemServices &instance();
    // Tests install their own answers; null brings back the real system.
    static void setInstance(const SystemServices *services);
};

} // namespace platform
