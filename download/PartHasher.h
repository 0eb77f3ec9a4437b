// The digest of a part (SHA-256, or the algorithm asked for), kept on a thread of its own at a low priority. It
// runs in file order from the first byte: the writer offers each block it
// has written, and says how far the file is whole; what the hashing has no
// block for (a part being continued, blocks written far ahead or while it
// was behind) it reads back from the file. Nothing ever waits for it but
// the digest of a finished file: leaving it behind is immediate.
#pragma once

#include "Digest.h"
#include "PartFileIo.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class PartHasher final {
public:
    using Block = std::vector<char>;
    // `spare` takes back blocks the hashing is done with, on any thread.
    explicit PartHasher(std::function<void(Block &&)> spare);
    ~PartHasher();
    PartHasher(const PartHasher &) = delete;
    PartHasher &operator=(const PartHasher &) = delete;

    // A new digest of the file `reader` reads (the file itself, never what
    // its name holds later), whose first `partLength` bytes are already
    // there. Blocks are kept up to `memoryBytes`; reading back is held to
    // `bytesPerSecond` (0: as fast as the disk goes).
    void begin(std::shared_ptr<const PartReader> reader, qint64 partLength, size_t memoryBytes, qint64 bytesPerSecond,
               DigestAlgorithm algorithm);
    // The bytes of `block` are in the file from `offset` on.
    void offer(qint64 offset, Block &&block);
    // Every byte of the file before `end` is in it.
    void readableUpTo(qint64 end);
    // The digest is not wanted: the hashing stops within one piece.
    void leaveBehind();
    // Waits until the first `length` bytes are hashed: their digest, or
    // empty if the hashing was left behind or the file could not be read.
    QString finish(qint64 length);
    // While the part's own bytes are being read back: how far.
    bool isCheckingPart() const;
    qint64 checkedBytes() const { return m_checked; }

private:
    void run();
    bool hasWork() const;
    void hashBlock(std::unique_lock<std::mutex> &lock);
    void hashFromFile(std::unique_lock<std::mutex> &lock);
    void dropBlocks();
    void updateChecking();
    static void keepToDiskSpeed(qint64 bytes, qint64 bytesPerSecond);

    std::function<void(Block &&)> m_spare;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::shared_ptr<const PartReader> m_reader;
    // One digest per file: one that is left behind keeps its own, so that
    // the piece under way may end while the next file is being hashed.
    std::shared_ptr<Digest> m_hash;
    std::atomic<quint64> m_round{0};
    std::map<qint64, Block> m_blocks;
    size_t m_blockBytes = 0;
    size_t m_memoryLimit = 0;
    qint64 m_bytesPerSecond = 0;
    qint64 m_readable = 0;
    qint64 m_partLength = 0;
    qint64 m_hashed = 0;
    std::atomic<qint64> m_checked{0};
    std::atomic<bool> m_checking{false};
    bool m_active = false;
    bool m_failed = false;
    bool m_stopping = false;
    std::thread m_thread;
};
