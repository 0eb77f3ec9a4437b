#pragma once

#include <QPalette>

#include <cstdint>
#include <optional>

// Only an explicit "apps use light theme = 0" asks for the dark look.
bool shouldUseDarkPalette(std::optional<std::uint32_t> appsUseLightTheme);

QPalette darkPalette();

// Switches the application to the Fusion style with the dark palette.
void applyDarkPalette();

// Applies the dark look when the user's theme setting asks for it.
void applyUserTheme();
