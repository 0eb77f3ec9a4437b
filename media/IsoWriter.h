// Writes the media tree into an ISO image with genisoimage: UDF beside
// ISO 9660 and Joliet, as Microsoft's own media are, and El Torito entries
// for the BIOS (boot/etfsboot.com, no emulation, 8 sectors) and UEFI
// (efi/microsoft/boot/efisys_noprompt.bin, no emulation).
//
// UDF is what carries an install image over 4 GiB: genisoimage's
// -allow-limited-size writes such a file whole in the UDF tree and cuts only
// its ISO 9660 and Joliet size. Microsoft's media are UDF with an ISO 9660
// bridge, and Windows reads them through UDF. xorriso could mark the UEFI
// entry itself, but writes no UDF: its way past 4 GiB, ISO 9660 level 3
// multi-extent files, is one Microsoft's media never take. So genisoimage
// writes the image and BootCatalog marks the UEFI entry afterwards.
#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <optional>

struct IsoLayout {
    QString treePath;
    QString isoPath;
    QString volumeLabel;
    bool biosBoot = true;
};

inline const QString BiosBootFile = QStringLiteral("boot/etfsboot.com");
inline const QString UefiBootFile = QStringLiteral("efi/microsoft/boot/efisys_noprompt.bin");

QStringList isoWriterArguments(const IsoLayout &layout);

enum class IsoWriterEnd { Written, Cancelled, Failed };

struct IsoWriterRun {
    IsoWriterEnd end = IsoWriterEnd::Failed;
    QString error; // what the writer said, for Failed
};

// Runs `program` for `layout` and waits for it, reporting its "NN.NN% done"
// lines as a fraction; kills it once `cancelled` is set.
IsoWriterRun runIsoWriter(const QString &program, const IsoLayout &layout, const std::atomic_bool &cancelled,
                          const std::function<void(double fraction)> &done);
