// Writes the received bytes to the ".part" file on a thread of its own, so
// that a disk busy flushing never holds up the event loop. The queue is
// bounded: when it is full the transfer pauses until the disk catches up.
// Another thread keeps the SHA-256 of the whole file, from its first byte:
// a part that is appended to is read back and hashed first.
#pragma once

#include "Sha256.h"

#include <QElapsedTimer>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class PartFileWriter final {
public:
    // `roomAgain` runs on the writer's thread when a full queue has room again.
    explicit PartFileWriter(std::function<void()> roomAgain);
    ~PartFileWriter();
    PartFileWriter(const PartFileWriter &) = delete;
    PartFileWriter &operator=(const PartFileWriter &) = delete;

    // With `hashing` off the digest stays empty and a part is not read back.
    bool open(const QString &path, bool append, bool hashing = true);
    // The queue's size, a cap on the disk's speed (0: none) and, standing in
    // for a full device, how long the file may grow (-1: no limit), from the
    // next open on.
    void setLimits(qint64 queueBytes, qint64 bytesPerSecond, qint64 deviceRoom = -1);
    // A file being closed in the background counts as closed already.
    bool isOpen() const { return !m_closer.joinable() && m_file != nullptr; }
    // False, taking nothing, while the queue is full; call again after
    // `roomAgain`.
    bool enqueue(const char *data, size_t size);
    // Waits for every queued byte, then empties the file; the hashing of the
    // old bytes is left behind.
    bool truncate();
    // Waits for every queued byte and closes the file; false if any write,
    // the flush or the close failed.
    bool close();
    // The same on a thread of its own; `done` runs there with the result.
    // Nothing else may be asked of the writer until it has run.
    void closeInBackground(std::function<void(bool written)> done);
    // Returns once a close in the background has finished.
    void waitForBackgroundClose();
    // The error number of the first failed write, or 0.
    int error() const { return m_error; }
    // The SHA-256 of the file as it was closed, 64 upper-case hex digits.
    QString sha256() const { return m_sha256; }
    // While the part's earlier bytes are still being hashed: how far.
    bool isCheckingPart() const { return m_checking; }
    qint64 checkedBytes() const { return m_checked; }
    // The file is given up: what still waits for the disk is dropped,
    // hashing stops, and closing does not wait for the device.
    void abandon();
    // The file's digest is not wanted: closing no longer waits for the
    // hashing, which stops within one piece on its own, and the digest
    // stays empty.
    void stopHashing();
    // How much of the file is known to be on the disk itself: the data is
    // flushed to the device every 64 MiB and when the file is closed.
    qint64 durableLength() const { return m_durable; }

private:
    using Block = std::vector<char>;
    struct WrittenBlock {
        qint64 offset;
        Block bytes;
    };

    bool closeNow();
    void run();
    void runHashing();
    bool hashWaiting() const;
    void hashFirstBlock(std::unique_lock<std::mutex> &lock, const std::shared_ptr<Sha256> &hash, quint64 round);
    void hashFromFile(std::unique_lock<std::mutex> &lock, const std::shared_ptr<Sha256> &hash, quint64 round,
                      qint64 end);
    void release(std::unique_lock<std::mutex> &lock, Block &&block);
    void handOverBlock();
    bool drain();
    void stopHashingLocked(std::unique_lock<std::mutex> &lock);
    void write(const Block &chunk);
    void keepToDiskSpeed(qint64 bytes) const;
    void askForSync();
    void runSyncing();
    bool syncToDisk();

    std::function<void()> m_roomAgain;
    std::FILE *m_file = nullptr;
    QString m_path;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    // Filled by the transfer's thread, handed to the writer when full.
    Block m_filling;
    QElapsedTimer m_fillingSince;
    std::deque<Block> m_queue;
    std::deque<WrittenBlock> m_hashQueue;
    size_t m_hashQueueBytes = 0;
    // Blocks written and hashed, kept to be filled again: the transfer's
    // thread then writes into memory it has touched before instead of
    // taking fresh pages from the system for every mebibyte.
    std::vector<Block> m_spareBlocks;
    size_t m_queuedBytes = 0;
    bool m_busy = false;
    bool m_hashBusy = false;
    // Written up to here when the last flush to the device was asked for.
    qint64 m_syncAsked = 0;
    bool m_syncing = false;
    bool m_full = false;
    bool m_stopping = false;
    std::atomic<int> m_error{0};
    // One digest per file: a hashing that is stopped keeps its own, so
    // that it may finish its piece while the next file is being hashed.
    std::shared_ptr<Sha256> m_hash;
    std::atomic<quint64> m_hashRound{0};
    bool m_hashStopped = false;
    QString m_sha256;
    // Bytes in the file (in the system's cache at least), and how many of
    // them the hashing has taken in; the part's own length when opened.
    qint64 m_written = 0;
    qint64 m_hashed = 0;
    qint64 m_partLength = 0;
    size_t m_queueLimit = size_t(32) * 1024 * 1024;
    qint64 m_bytesPerSecond = 0;
    qint64 m_deviceRoom = -1;
    qint64 m_length = 0;
    qint64 m_sinceSync = 0;
    std::atomic<qint64> m_durable{0};
    bool m_hashing = true;
    std::atomic<bool> m_checking{false};
    std::atomic<qint64> m_checked{0};
    std::atomic<bool> m_abandoned{false};
    std::thread m_thread;
    std::thread m_hashThread;
    std::thread m_syncThread;
    std::thread m_closer;
};
