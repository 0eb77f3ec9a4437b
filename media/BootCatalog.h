// Marks the El Torito entry of efisys_noprompt.bin as one for UEFI (platform
// 0xEF) in an ISO that genisoimage wrote. Debian 12's genisoimage writes
// every boot entry for platform 0x00 (BIOS) and has no option to say
// otherwise; a UEFI firmware looks only for entries of platform 0xEF.
//
// genisoimage lays out its catalog as the validation entry, the default
// entry and, for each -eltorito-alt-boot, a section header with one entry.
// With a BIOS entry the UEFI one is the second, and its section header's
// platform byte is set; on media that start UEFI PCs only it is the default
// entry, whose platform the validation entry gives (and the validation
// entry's checksum is made anew). Any other layout is refused.
#pragma once

#include <QString>

#include <optional>

// The error, if any, in words; the file is left as it was on error.
std::optional<QString> markUefiBootEntry(const QString &isoPath, bool hasBiosEntry);
