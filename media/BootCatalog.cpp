#include "BootCatalog.h"

#include "StagingFolder.h"

#include <QFile>

#include <array>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr off_t SectorSize = 2048;
constexpr off_t BootRecordSector = 17;
constexpr std::uint8_t UefiPlatform = 0xEF;
constexpr std::size_t EntrySize = 32;
constexpr std::uint8_t BootableEntry = 0x88;
constexpr std::uint8_t LastSectionHeader = 0x91;

using Sector = std::array<std::uint8_t, SectorSize>;

const char BootRecordId[] = "\0CD001\1EL TORITO SPECIFICATION";

std::uint16_t word(const Sector &sector, std::size_t at)
{
    return static_cast<std::uint16_t>(sector[at] | (sector[at + 1] << 8));
}

// The validation entry's words add up to zero, modulo 2^16.
std::uint16_t validationSum(const Sector &catalog)
{
    std::uint16_t sum = 0;
    for (std::size_t at = 0; at < EntrySize; at += 2)
        sum = static_cast<std::uint16_t>(sum + word(catalog, at));
    return sum;
}

bool isGenisoimageCatalog(const Sector &catalog, bool hasBiosEntry)
{
    const bool validation = catalog[0] == 0x01 && catalog[30] == 0x55 && catalog[31] == 0xAA
        && validationSum(catalog) == 0 && catalog[EntrySize] == BootableEntry;
    if (!hasBiosEntry)
        return validation && catalog[2 * EntrySize] == 0;
    return validation && catalog[2 * EntrySize] == LastSectionHeader && word(catalog, 2 * EntrySize + 2) == 1
        && catalog[3 * EntrySize] == BootableEntry;
}

void markUefi(Sector &catalog, bool hasBiosEntry)
{
    if (hasBiosEntry) {
        catalog[2 * EntrySize + 1] = UefiPlatform;
        return;
    }
    catalog[1] = UefiPlatform;
    catalog[28] = catalog[29] = 0;
    const std::uint16_t balance = static_cast<std::uint16_t>(0x10000 - validationSum(catalog));
    catalog[28] = static_cast<std::uint8_t>(balance & 0xFF);
    catalog[29] = static_cast<std::uint8_t>(balance >> 8);
}

bool readSector(int fd, off_t sector, Sector *data)
{
    return ::pread(fd, data->data(), data->size(), sector * SectorSize) == static_cast<ssize_t>(data->size());
}

std::optional<QString> markIn(int fd, bool hasBiosEntry)
{
    Sector record{};
    if (!readSector(fd, BootRecordSector, &record)
        || std::memcmp(record.data(), BootRecordId, sizeof BootRecordId - 1) != 0)
        return QStringLiteral("the ISO has no El Torito boot record");
    const off_t catalogSector = record[0x47] | (record[0x48] << 8) | (record[0x49] << 16) | (off_t{record[0x4A]} << 24);
    Sector catalog{};
    if (!readSector(fd, catalogSector, &catalog) || !isGenisoimageCatalog(catalog, hasBiosEntry))
        return QStringLiteral("the ISO's boot catalog is not laid out as genisoimage writes it");
    markUefi(catalog, hasBiosEntry);
    if (::pwrite(fd, catalog.data(), catalog.size(), catalogSector * SectorSize) != SectorSize)
        return systemErrorText();
    return std::nullopt;
}

} // namespace

std::optional<QString> markUefiBootEntry(const QString &isoPath, bool hasBiosEntry)
{
    const int fd = ::open(QFile::encodeName(isoPath).constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return systemErrorText();
    const std::optional<QString> error = markIn(fd, hasBiosEntry);
    ::close(fd);
    return error;
}
