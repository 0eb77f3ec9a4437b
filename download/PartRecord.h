// The small record kept beside a ".part" file ("<part>.json"): what the
// server said the file is, and which of its bytes are known to be on disk.
// A resume fetches what is missing and asks the server, with If-Range, for
// it only if the file is still the same one.
#pragma once

#include "ByteRanges.h"
#include "DeviceStep.h"
#include "PartFileIo.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

struct PartRecord {
    qint64 total = 0;
    QString etag;
    QString lastModified;
    // The run from byte zero on the device. A part fetched over several
    // connections also has runs further on, or none yet: `ranges` then holds
    // them all, the first run included.
    qint64 length = 0;
    ByteRanges ranges;
    // Written in order from byte zero by one connection since the record
    // was made: every byte before the part's end counts, as a process that
    // was killed leaves them, and the validators say of which file.
    bool inOrder = false;

    // The If-Range value: a strong ETag, else the Last-Modified date, else empty.
    QString ifRange() const;
    // Every byte on the device, whichever way it was recorded.
    ByteRanges held() const;
    // Exactly these bytes count (no longer all those in order).
    void setHeld(const ByteRanges &held);
};

// The name the system calls take: UTF-16 on Windows, the local encoding
// elsewhere, as QFile would open it.
std::filesystem::path nativeFilePath(const QString &path);

// An ETag or a Last-Modified date fit to send back in a header: visible
// ASCII and spaces, at most 200 of them. Anything else is no server's file
// identity, and in a header could end the line.
bool isSafeValidator(const QString &value);

QString partRecordPath(const QString &partPath);
// Only a record that is the user's own plain file under its one name, and
// whose validators are safe, is believed; `untrusted`, when given, says
// that one was there but is not. A part beside such a record counts for
// nothing either.
std::optional<PartRecord> readPartRecord(const QString &partPath, bool *untrusted = nullptr);
// Written whole or not at all, as a new file renamed into place, and on the
// device when it returns true.
bool writePartRecord(const QString &partPath, const PartRecord &record);
void removePartRecord(const QString &partPath);

// Writes records on a thread of its own, one after the other: a record is
// flushed to the device, which on a disk busy with the part may take
// seconds, and the transfer's thread never waits for that. Only the newest
// record of a part is written; a record forgotten meanwhile stays gone.
class PartRecordKeeper final {
public:
    // `written` runs on the keeper's thread each time a write has ended.
    explicit PartRecordKeeper(std::function<void()> written = {});
    ~PartRecordKeeper();
    PartRecordKeeper(const PartRecordKeeper &) = delete;
    PartRecordKeeper &operator=(const PartRecordKeeper &) = delete;

    // Told of each record that reached the device, and made to take longer
    // for each (tests).
    void setStepHook(DeviceStepHook hook, int extraDelayMs);
    // Any thread. Returns the write's number: writes end in that order.
    // `hold`, a hold of the part, keeps it locked until the record is
    // written (or dropped), so that no other download reads the part and
    // its record while they do not agree yet.
    quint64 save(const QString &partPath, const PartRecord &record, OwnPart hold = OwnPart());
    // Whether the write numbered `ticket`, or a newer one of the same part
    // that replaced it, has ended.
    bool hasWritten(quint64 ticket);
    // The error number of the first write that failed since the last
    // clearError(); 0 when none did.
    int error() const { return m_error; }
    void clearError() { m_error = 0; }
    // Removes the record at once; a write of it under way is undone.
    void forget(const QString &partPath);
    // Returns once every record asked for is written.
    void waitForWrites();

private:
    struct Pending {
        QString partPath;
        PartRecord record;
        quint64 firstTicket;
        OwnPart hold;
    };
    void run();
    std::function<void()> m_written;
    bool isWrittenLocked(quint64 ticket) const;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Pending> m_pending;
    bool m_stopping = false;
    // The part whose record is being written, and whether it was forgotten
    // meanwhile: that write is then undone.
    QString m_writing;
    bool m_writingForgotten = false;
    quint64 m_asked = 0;
    // The oldest write number the write under way stands for.
    quint64 m_writingFirst = 0;
    std::atomic<int> m_error{0};
    DeviceStepHook m_stepHook;
    int m_extraDelayMs = 0;
    std::thread m_thread;
};
