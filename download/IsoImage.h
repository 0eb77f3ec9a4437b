// Whether a finished file is a disc image: what can be told of a file for
// which no SHA-256 is published, and what a page's link that led elsewhere
// would not pass.
#pragma once

#include <QByteArray>

namespace IsoImage {

// The volume descriptors begin at sector 16 of 2048 bytes: 32 KiB in.
constexpr qint64 DescriptorsOffset = qint64(16) * 2048;
// As many of them as are read to find a UDF recognition sequence.
constexpr int DescriptorsRead = 16 * 2048;

// `descriptors`: the bytes from DescriptorsOffset on, up to DescriptorsRead
// of them. True for an ISO 9660 volume descriptor in sector 16 ("CD001"
// after its type byte; the primary one, "\x01CD001\x01", in every Windows
// ISO), or a UDF recognition sequence: a "BEA01" descriptor followed by an
// "NSR02" or "NSR03" one.
bool hasVolumeDescriptors(const QByteArray &descriptors);

// The bytes the primary volume descriptor in sector 16 says the volume
// holds: a file shorter than that was cut short. 0 where none states it
// (a UDF-only image, fields whose two byte orders disagree, or a block
// size the standard does not have).
qint64 statedVolumeBytes(const QByteArray &descriptors);

} // namespace IsoImage
