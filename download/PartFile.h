// The ".part" file beside a destination, before a transfer touches it: its
// name, the take-over of one named the old way, and how much of it a
// transfer may continue from. Plain file operations, no network.
#pragma once

#include "PartFileIo.h"
#include "PartRecord.h"

#include <QString>

#include <filesystem>

namespace partfile {

// Named from the link without its query: every link the page hands out for
// the same file carries a new token, and all of them continue the same part.
QString pathFor(const QString &url, const QString &savePath);

// A part named the old way, from the whole link, is taken over where the
// new name has none.
void adoptOldName(const QString &url, const QString &savePath);

struct Resumable {
    ByteRanges held;
    PartRecord record;
    bool recorded = false; // a record beside the part says what it holds
};

// The part at `partPath`, opened and locked before anything of it is read
// (see OwnPart::open).
OwnPart openOwn(const QString &partPath);

// Which bytes of the part, open as `part`, count. With a record beside it,
// only the bytes known to be on disk (a tail written after them may be torn
// by a power cut, and is cut off), and the rest is asked for only if the
// server's file is still the same one; a part shorter than its record, or
// beside a record that is not believed, is emptied, as is one whose record
// holds nothing yet. A part without a record, or whose record says it was
// written in order, is continued as it is, from its end (the record's
// validators then say whether the server's file is still that one).
// Whatever is cut goes through `part`, never by name.
Resumable resumable(OwnPart &part, const QString &partPath);

// How many bytes of the part a transfer would keep, without touching it.
qint64 heldBytes(const QString &partPath);

} // namespace partfile
