#include "IsoImage.h"

namespace IsoImage {

namespace {

constexpr int SectorBytes = 2048;

// A descriptor's standard identifier, bytes 1 to 5 of its sector.
QByteArray identifierOf(const QByteArray &descriptors, int sector)
{
    return descriptors.mid(sector * SectorBytes + 1, 5);
}

} // namespace

bool hasVolumeDescriptors(const QByteArray &descriptors)
{
    if (identifierOf(descriptors, 0) == "CD001")
        return true;
    const int sectors = int(descriptors.size() / SectorBytes);
    bool extended = false;
    for (int sector = 0; sector < sectors; ++sector) {
        const QByteArray identifier = identifierOf(descriptors, sector);
        if (identifier == "BEA01")
            extended = true;
        else if (extended && (identifier == "NSR02" || identifier == "NSR03"))
            return true;
    }
    return false;
}

} // namespace IsoImage
