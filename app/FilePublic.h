#pragma once

#include "common/NRet.h"

#include <string>

// The directory of the running executable, without a trailing separator.
nRet GetModuleDirectory(std::wstring &directory);
