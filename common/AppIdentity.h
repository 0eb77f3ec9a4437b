// Who the application says it is. Every layer may include this.
#pragma once

#include "common/Version.h"

namespace AppIdentity {

// Also the main window's title, which a second instance looks for.
inline constexpr char Name[] = "Travonix";
inline constexpr char Version[] = TRAVONIX_VERSION;
inline constexpr char Organisation[] = "Zamrel Software";
// Built into the program's resources.
inline constexpr char IconPath[] = ":/icons/AppIcon.ico";
inline constexpr char SingleInstanceKey[] = "ZAMREL-5B0E2C71-8D3A-4F69-9C1E-7A42D6B8F305";

} // namespace AppIdentity
