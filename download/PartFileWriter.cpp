#include "PartFileWriter.h"

#include "PartFileIo.h"
#include "platform/Platform.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <utility>

namespace {

// The name QFile would open: UTF-16 on Windows, the local encoding elsewhere.
std::filesystem::path nativePath(const QString &path)
{
#ifdef Q_OS_WIN
    return path.toStdWString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

constexpr qint64 SyncEveryBytes = qint64(64) * 1024 * 1024;
constexpr size_t FileBufferBytes = size_t(1024) * 1024;
constexpr size_t BlockBytes = size_t(1024) * 1024;
constexpr qint64 BlockAgeMs = 200;

} // namespace

PartFileWriter::PartFileWriter(std::function<void()> roomAgain)
    : m_roomAgain(std::move(roomAgain))
    , m_thread([this] { run(); })
    , m_hashThread([this] { runHashing(); })
    , m_syncThread([this] { runSyncing(); })
{
}

PartFileWriter::~PartFileWriter()
{
    waitForBackgroundClose();
    close();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
    m_hashThread.join();
    m_syncThread.join();
}

void PartFileWriter::setLimits(qint64 queueBytes, qint64 bytesPerSecond, qint64 deviceRoom)
{
    m_queueLimit = size_t(qMax<qint64>(queueBytes, 1));
    m_bytesPerSecond = bytesPerSecond;
    m_deviceRoom = deviceRoom;
}

bool PartFileWriter::open(const QString &path, bool append, bool hashing)
{
    waitForBackgroundClose();
    close();
    std::FILE *file = openPartFile(nativePath(path), append ? "ab" : "wb");
    if (!file)
        return false;
    std::setvbuf(file, nullptr, _IOFBF, FileBufferBytes);
    {
        // The hashing thread reads these between its pieces.
        std::unique_lock<std::mutex> lock(m_mutex);
        stopHashingLocked(lock);
        m_file = file;
        m_hashing = hashing;
        m_hashStopped = !hashing;
        m_hash = std::make_shared<Sha256>();
        m_path = path;
        m_error = 0;
        m_abandoned = false;
        m_checked = 0;
        m_sha256.clear();
        m_length = append ? QFileInfo(path).size() : 0;
        m_sinceSync = 0;
        m_durable = m_syncAsked = m_written = m_length;
        m_hashed = 0;
        m_partLength = m_hashing ? m_length : 0;
        m_checking = m_partLength > 0;
    }
    m_changed.notify_all();
    return true;
}

// The transfer hands over pieces of TLS records (16 KiB at most); they are
// gathered into blocks before they go to the writer, so that the threads
// meet once a block and not once a piece. A slow transfer hands over what
// it has every fifth of a second, so the part still grows as bytes arrive.
bool PartFileWriter::enqueue(const char *data, size_t size)
{
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_queuedBytes + size > m_queueLimit && m_queuedBytes > 0) {
            m_full = true;
            // A queue smaller than a block is full before the block is:
            // the writer gets what there is, or no room would come.
            lock.unlock();
            handOverBlock();
            return false;
        }
        m_queuedBytes += size;
        if (m_filling.capacity() == 0 && !m_spareBlocks.empty()) {
            m_filling = std::move(m_spareBlocks.back());
            m_spareBlocks.pop_back();
        }
    }
    if (m_filling.empty()) {
        m_filling.reserve(BlockBytes);
        m_fillingSince.start();
    }
    m_filling.insert(m_filling.end(), data, data + size);
    if (size_t(m_filling.size()) >= BlockBytes || m_fillingSince.hasExpired(BlockAgeMs))
        handOverBlock();
    return true;
}

void PartFileWriter::handOverBlock()
{
    if (m_filling.empty())
        return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.push_back(std::move(m_filling));
    }
    m_filling = Block();
    m_changed.notify_all();
}

// Runs on whichever thread closes; the block being filled was handed over
// on the transfer's own thread before.
bool PartFileWriter::drain()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] {
        const bool hashed = m_hashStopped || (!hashWaiting() && !m_hashBusy);
        return m_queue.empty() && !m_busy && hashed && !m_syncing && m_syncAsked <= m_durable;
    });
    return m_error == 0;
}

bool PartFileWriter::truncate()
{
    handOverBlock();
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        stopHashingLocked(lock);
    }
    drain();
    if (m_file)
        std::fclose(m_file);
    std::FILE *file = openPartFile(nativePath(m_path), "wb");
    if (file)
        std::setvbuf(file, nullptr, _IOFBF, FileBufferBytes);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_file = file;
    m_hash = std::make_shared<Sha256>();
    m_hashStopped = !m_hashing;
    m_length = m_sinceSync = 0;
    m_durable = m_syncAsked = m_written = m_hashed = m_partLength = 0;
    return m_file != nullptr;
}

void PartFileWriter::abandon()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_abandoned = true;
    m_queuedBytes -= m_filling.size();
    m_filling = Block();
    for (const Block &chunk : m_queue)
        m_queuedBytes -= chunk.size();
    m_queue.clear();
    stopHashingLocked(lock);
}

void PartFileWriter::stopHashing()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    stopHashingLocked(lock);
}

void PartFileWriter::stopHashingLocked(std::unique_lock<std::mutex> &)
{
    ++m_hashRound;
    m_hashStopped = true;
    m_checking = false;
    for (const WrittenBlock &written : m_hashQueue)
        m_queuedBytes -= written.bytes.size();
    m_hashQueue.clear();
    m_hashQueueBytes = 0;
    m_changed.notify_all();
}

bool PartFileWriter::close()
{
    waitForBackgroundClose();
    handOverBlock();
    return closeNow();
}

void PartFileWriter::closeInBackground(std::function<void(bool written)> done)
{
    waitForBackgroundClose();
    handOverBlock();
    m_closer = std::thread([this, done = std::move(done)] { done(closeNow()); });
}

void PartFileWriter::waitForBackgroundClose()
{
    if (m_closer.joinable())
        m_closer.join();
}

bool PartFileWriter::closeNow()
{
    if (!m_file)
        return true;
    bool ok = drain();
    if (!m_abandoned && !syncToDisk() && m_error == 0)
        m_error = errno ? errno : EIO;
    ok = std::fclose(m_file) == 0 && ok && m_error == 0;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_file = nullptr;
    // The hashing has taken in every byte, unless it was stopped.
    m_sha256 = m_hashStopped ? QString() : m_hash->finish();
    return ok;
}

// Writes the queued blocks and hands them on to the hashing thread; when it
// has fallen behind, a block is given back at once and the hashing reads
// those bytes back from the file later. The transfer never waits for the
// hashing, which works at a lower priority than everything else here.
void PartFileWriter::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_queue.empty())
            return;
        Block chunk = std::move(m_queue.front());
        m_queue.pop_front();
        m_busy = true;
        lock.unlock();
        const qint64 offset = m_length;
        write(chunk);
        lock.lock();
        m_busy = false;
        m_written = m_length;
        // Written blocks wait for a hashing that is behind up to an eighth
        // of the queue (4 MiB); beyond that it reads them back instead.
        if (!m_hashStopped && m_error == 0 && m_hashQueueBytes + chunk.size() <= m_queueLimit / 8) {
            m_hashQueueBytes += chunk.size();
            m_hashQueue.push_back({offset, std::move(chunk)});
        } else {
            release(lock, std::move(chunk));
        }
        m_changed.notify_all();
    }
}

// Hashing follows the file from its first byte: a block in memory where it
// has one, the file's own bytes for the rest (a part being continued, or
// blocks written while the hashing was behind).
void PartFileWriter::runHashing()
{
    platform::lowerCurrentThreadPriority();
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || hashWaiting(); });
        if (!hashWaiting())
            return;
        const std::shared_ptr<Sha256> hash = m_hash;
        const quint64 round = m_hashRound;
        const qint64 memoryFrom = m_hashQueue.empty() ? m_written : m_hashQueue.front().offset;
        if (m_hashed < memoryFrom && m_error == 0)
            hashFromFile(lock, hash, round, memoryFrom);
        else
            hashFirstBlock(lock, hash, round);
        m_changed.notify_all();
    }
}

bool PartFileWriter::hashWaiting() const
{
    return !m_hashStopped && (!m_hashQueue.empty() || (m_hashed < m_written && m_error == 0 && !m_abandoned));
}

void PartFileWriter::hashFirstBlock(std::unique_lock<std::mutex> &lock, const std::shared_ptr<Sha256> &hash,
                                    quint64 round)
{
    WrittenBlock written = std::move(m_hashQueue.front());
    m_hashQueue.pop_front();
    m_hashQueueBytes -= written.bytes.size();
    if (written.offset == m_hashed && m_error == 0) {
        m_hashBusy = true;
        lock.unlock();
        hash->update(written.bytes.data(), written.bytes.size());
        lock.lock();
        m_hashBusy = false;
        if (round == m_hashRound)
            m_hashed += qint64(written.bytes.size());
    }
    release(lock, std::move(written.bytes));
}

// The bytes from where the hashing is up to `end`, read back from the file.
// Stopped hashing leaves within one piece, and what it took in counts for
// nothing.
void PartFileWriter::hashFromFile(std::unique_lock<std::mutex> &lock, const std::shared_ptr<Sha256> &hash,
                                  quint64 round, qint64 end)
{
    const qint64 from = m_hashed;
    const QString path = m_path;
    m_hashBusy = true;
    lock.unlock();
    qint64 before = 0;
    const bool read = hash->addFile(path, from, end - from, [this, from, round, &before](qint64 done) {
        if (round != m_hashRound)
            return false;
        keepToDiskSpeed(done - std::exchange(before, done));
        m_checked = from + done;
        return true;
    });
    lock.lock();
    m_hashBusy = false;
    if (round != m_hashRound)
        return;
    if (read)
        m_hashed = end;
    else if (m_error == 0)
        m_error = EIO;
    m_checking = m_hashed < m_partLength && m_error == 0;
}

// Bytes that are written and hashed leave the queue, and their block waits
// to be filled again; a full queue that has room again lets the transfer go
// on.
void PartFileWriter::release(std::unique_lock<std::mutex> &lock, Block &&block)
{
    m_queuedBytes -= block.size();
    if (m_spareBlocks.size() < m_queueLimit / BlockBytes + 1) {
        block.clear();
        m_spareBlocks.push_back(std::move(block));
    }
    if (!m_full || m_queuedBytes > m_queueLimit / 2)
        return;
    m_full = false;
    lock.unlock();
    m_roomAgain();
    lock.lock();
}

// After a failure the rest is dropped: the part keeps what is whole.
// With hashing on, what is written goes to the system at once, so that the
// hashing may read it back.
void PartFileWriter::write(const Block &chunk)
{
    if (m_error != 0)
        return;
    // A device standing in for a full one takes what fits, as a real one does.
    const size_t size =
        m_deviceRoom < 0 ? chunk.size() : size_t(qBound<qint64>(0, m_deviceRoom - m_length, qint64(chunk.size())));
    if (std::fwrite(chunk.data(), 1, size, m_file) != size || (m_hashing && std::fflush(m_file) != 0)) {
        m_error = errno ? errno : EIO;
        return;
    }
    keepToDiskSpeed(qint64(size));
    m_length += qint64(size);
    m_sinceSync += qint64(size);
    if (size < chunk.size())
        m_error = ENOSPC;
    else if (m_sinceSync >= SyncEveryBytes)
        askForSync();
}

void PartFileWriter::keepToDiskSpeed(qint64 bytes) const
{
    if (m_bytesPerSecond > 0 && bytes > 0)
        std::this_thread::sleep_for(std::chrono::microseconds(bytes * 1000000LL / m_bytesPerSecond));
}

// The bytes so far go to the device on the syncing thread, while writing
// goes on into the system's cache.
void PartFileWriter::askForSync()
{
    m_sinceSync = 0;
    if (std::fflush(m_file) != 0) {
        m_error = errno ? errno : EIO;
        return;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_syncAsked = m_length;
    }
    m_changed.notify_all();
}

void PartFileWriter::runSyncing()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || m_syncAsked > m_durable; });
        if (m_syncAsked <= m_durable)
            return;
        const qint64 asked = m_syncAsked;
        m_syncing = true;
        lock.unlock();
        const bool synced = flushToDevice(m_file);
        lock.lock();
        m_syncing = false;
        if (synced) {
            m_durable = asked;
        } else {
            // Nothing more counts as on the device; closing says why.
            m_syncAsked = m_durable;
            if (m_error == 0)
                m_error = errno ? errno : EIO;
        }
        m_changed.notify_all();
    }
}

// Everything written so far goes to the device, not only to the system's cache.
bool PartFileWriter::syncToDisk()
{
    m_sinceSync = 0;
    if (!flushToDevice(m_file))
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_durable = m_syncAsked = m_length;
    return true;
}
