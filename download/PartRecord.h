// The small record kept beside a ".part" file ("<part>.json"): what the
// server said the file is, and how many of its bytes are known to be on disk.
// A resume starts from that length and asks the server, with If-Range, for
// the rest only if the file is still the same one.
#pragma once

#include <QString>

#include <optional>

struct PartRecord {
    qint64 total = 0;
    QString etag;
    QString lastModified;
    qint64 length = 0;

    // The If-Range value: a strong ETag, else the Last-Modified date, else empty.
    QString ifRange() const;
};

QString partRecordPath(const QString &partPath);
std::optional<PartRecord> readPartRecord(const QString &partPath);
// Written whole or not at all.
bool writePartRecord(const QString &partPath, const PartRecord &record);
void removePartRecord(const QString &partPath);
