// Writes the received bytes to the ".part" file on a thread of its own, so
// that a disk busy flushing never holds up the event loop. Each connection
// fills a stream of its own, written where its bytes belong. The queue is
// bounded: when it is full the transfers pause until the disk catches up.
// The file's SHA-256 is kept by a PartHasher the writer feeds.
#pragma once

#include "ByteRanges.h"
#include "DeviceStep.h"
#include "PartHasher.h"

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
    using Block = std::vector<char>;
    // The bytes one connection brings, gathered into blocks before they go
    // to the writer, so that the threads meet once a block and not once a
    // piece of a TLS record. Touched only on the transfers' thread.
    struct Stream {
        qint64 offset = 0; // where the next byte goes
        Block filling;
        QElapsedTimer since;
    };
    // How a file ended up when it was closed.
    struct Closed {
        bool written = true;
        int error = 0; // the error number of the first failure
        QString digest; // empty unless asked for and every byte was hashed
    };

    // `roomAgain` runs on the writer's thread when a full queue has room again.
    explicit PartFileWriter(std::function<void()> roomAgain);
    ~PartFileWriter();
    PartFileWriter(const PartFileWriter &) = delete;
    PartFileWriter &operator=(const PartFileWriter &) = delete;

    // The queue's size, a cap on the disk's speed (0: none) and, standing in
    // for a full device, how long the file may grow (-1: no limit), from the
    // next open on.
    void setLimits(qint64 queueBytes, qint64 bytesPerSecond, qint64 deviceRoom = -1);
    // How many bytes go between flushes to the device, from the next open on.
    void setSyncEvery(qint64 bytes);
    // The digest the file is hashed with, from the next open on.
    void setDigestAlgorithm(DigestAlgorithm algorithm) { m_algorithm = algorithm; }
    // Told of each emptying and flush of the file (tests).
    void setStepHook(DeviceStepHook hook);
    // Writes `part` through a stream of its own, and reads it back through
    // a reader of its own: `part` itself stays the caller's, with its lock.
    // `held`: what the file already holds that counts (none: it starts
    // empty). With `hashing` off the digest stays empty and nothing is read
    // back.
    bool open(OwnPart &part, const ByteRanges &held, bool hashing);
    // False, taking nothing, while the queue is full; call again after
    // `roomAgain`.
    bool enqueue(Stream &stream, const char *data, size_t size);
    // What the stream gathered goes to the writer now.
    void handOver(Stream &stream);
    // The file starts over empty: what waits for the disk is dropped and the
    // hashing of the old bytes left behind. A failure to empty the file is
    // the writer's error, as a failed write is.
    void startOver();
    // The file is given up: what still waits for the disk is dropped,
    // hashing stops, and closing does not wait for the device.
    void abandon();
    // The file's digest is not wanted: nothing waits for the hashing.
    void stopHashing();
    // Waits for every queued byte, puts the file on the device and closes
    // it; with `digest`, waits for the hashing too. Any one thread.
    Closed close(bool digest);
    int error() const { return m_error; }
    bool isCheckingPart() const { return m_hasher.isCheckingPart(); }
    qint64 checkedBytes() const { return m_hasher.checkedBytes(); }
    // What is known to be on the device itself: the data is flushed to it
    // every 64 MiB and when the file is closed.
    ByteRanges durable() const;

private:
    struct WrittenBlock {
        qint64 offset;
        Block bytes;
    };

    void run();
    void write(const WrittenBlock &block, quint64 generation);
    void emptyFile(std::unique_lock<std::mutex> &lock);
    void giveBack(std::unique_lock<std::mutex> &lock, WrittenBlock &&block);
    void spare(Block &&block);
    void keepSpare(Block &&block);
    Block spareBlock();
    void dropQueue(std::unique_lock<std::mutex> &lock);
    bool waitForWrites(std::unique_lock<std::mutex> &lock);
    void keepToDiskSpeed(qint64 bytes) const;
    void askForSync();
    void runSyncing();
    void stepTaken(DeviceStep step) const;

    std::function<void()> m_roomAgain;
    std::atomic<std::FILE *> m_file{nullptr};
    std::shared_ptr<const PartReader> m_reader;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<WrittenBlock> m_queue;
    // Blocks written and hashed, kept to be filled again: the transfers then
    // write into memory touched before instead of taking fresh pages from
    // the system for every mebibyte.
    std::mutex m_spareMutex;
    std::vector<Block> m_spareBlocks;
    std::atomic<size_t> m_queuedBytes{0};
    bool m_busy = false;
    std::atomic<bool> m_full{false};
    bool m_stopping = false;
    std::atomic<int> m_error{0};
    std::atomic<bool> m_abandoned{false};
    std::atomic<bool> m_hashing{true};
    std::atomic<DigestAlgorithm> m_algorithm{DigestAlgorithm::Sha256};
    // What the file holds (in the system's cache at least), what was asked
    // to go to the device and what is there. The writer's thread alone
    // touches the file's position.
    ByteRanges m_written;
    ByteRanges m_syncAsked;
    ByteRanges m_durable;
    qint64 m_position = -1;
    qint64 m_sinceSync = 0;
    bool m_syncing = false;
    // Raised by each start over: a block or a flush to the device begun
    // before it no longer counts.
    quint64 m_generation = 0;
    bool m_emptyingFile = false;
    std::atomic<size_t> m_queueLimit{size_t(32) * 1024 * 1024};
    qint64 m_bytesPerSecond = 0;
    qint64 m_deviceRoom = -1;
    qint64 m_syncEvery = qint64(64) * 1024 * 1024;
    DeviceStepHook m_stepHook;
    PartHasher m_hasher;
    std::thread m_thread;
    std::thread m_syncThread;
};
