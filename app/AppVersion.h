#pragma once

#include "common/AppVersionNumbers.h"
#include "common/NRet.h"

// Reads section Settings, key Version of Travonix.ini beside the executable
// ("1.0.0.0" when the file or the key is missing) into `numbers`. Numbers
// read before a failure stay in the record.
nRet ReadAppVersion(AppVersionNumbers &numbers);

// Reads up to four dot-separated decimal numbers the way "%d.%d.%d.%d" does,
// but clamps values outside the 32-bit range instead of leaving them
// undefined. Returns how many numbers were converted.
int scanDottedVersion(const wchar_t *text, AppVersionNumbers &numbers);
