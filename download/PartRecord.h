// The small record kept beside a ".part" file ("<part>.json"): what the
// server said the file is, and how many of its bytes are known to be on disk.
// A resume starts from that length and asks the server, with If-Range, for
// the rest only if the file is still the same one.
#pragma once

#include <QString>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

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

// Writes records on a thread of its own, one after the other: a record is
// flushed to the device, which on a disk busy with the part may take
// seconds, and the transfer's thread never waits for that. Only the newest
// record of a part is written; a record forgotten meanwhile stays gone.
class PartRecordKeeper final {
public:
    PartRecordKeeper();
    ~PartRecordKeeper();
    PartRecordKeeper(const PartRecordKeeper &) = delete;
    PartRecordKeeper &operator=(const PartRecordKeeper &) = delete;

    // Any thread.
    void save(const QString &partPath, const PartRecord &record);
    // Removes the record at once; a write of it under way is undone.
    void forget(const QString &partPath);
    // Returns once every record asked for is written.
    void waitForWrites();

private:
    struct Pending {
        QString partPath;
        PartRecord record;
    };
    void run();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Pending> m_pending;
    bool m_stopping = false;
    // The part whose record is being written, and whether it was forgotten
    // meanwhile: that write is then undone.
    QString m_writing;
    bool m_writingForgotten = false;
    std::thread m_thread;
};
