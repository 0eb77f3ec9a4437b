#pragma once

#include "NRet.h"

#include <cstddef>

constexpr std::size_t PathCapacity = 260;

// Fills `buffer` (PathCapacity characters) with the directory of the running
// executable, without a trailing separator.
nRet GetModuleDirectory(wchar_t *buffer);
