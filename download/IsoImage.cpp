#include "IsoImage.h"

#include <optional>

namespace IsoImage {

namespace {

constexpr int SectorBytes = 2048;

// A descriptor's standard identifier, bytes 1 to 5 of its sector.
QByteArray identifierOf(const QByteArray &descriptors, int sector)
{
    return descriptors.mid(sector * SectorBytes + 1, 5);
}

// ISO 9660 writes its numbers twice, little-endian then big-endian, and
// `bytes` of each at `offset`; nullopt when the two differ.
std::optional<quint32> bothEndian(const QByteArray &sector, int offset, int bytes)
{
    if (sector.size() < offset + 2 * bytes)
        return std::nullopt;
    quint32 little = 0;
    quint32 big = 0;
    for (int i = 0; i < bytes; ++i) {
        little |= quint32(quint8(sector.at(offset + i))) << (8 * i);
        big = (big << 8) | quint8(sector.at(offset + bytes + i));
    }
    if (little != big)
        return std::nullopt;
    return little;
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

qint64 statedVolumeBytes(const QByteArray &descriptors)
{
    constexpr int VolumeSpaceSizeAt = 80;
    constexpr int LogicalBlockSizeAt = 128;
    if (!descriptors.startsWith("\x01"
                                "CD001\x01"))
        return 0;
    const std::optional<quint32> blocks = bothEndian(descriptors, VolumeSpaceSizeAt, 4);
    const std::optional<quint32> blockSize = bothEndian(descriptors, LogicalBlockSizeAt, 2);
    // The standard's block sizes are powers of two of at least 512 bytes.
    const bool blockSizeValid =
        blockSize && *blockSize >= 512 && *blockSize <= 2048 && (*blockSize & (*blockSize - 1)) == 0;
    if (!blocks || !blockSizeValid)
        return 0;
    return qint64(*blocks) * qint64(*blockSize);
}

} // namespace IsoImage
