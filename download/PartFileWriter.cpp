#include "PartFileWriter.h"

#include "PartFile.h"
#include "PartFileIo.h"

#include <cerrno>
#include <chrono>
#include <utility>

namespace {

constexpr size_t FileBufferBytes = size_t(1024) * 1024;
constexpr size_t BlockBytes = size_t(1024) * 1024;
constexpr qint64 BlockAgeMs = 200;

int lastError()
{
    return errno ? errno : EIO;
}

} // namespace

PartFileWriter::PartFileWriter(std::function<void()> roomAgain)
    : m_roomAgain(std::move(roomAgain))
    , m_hasher([this](Block &&block) { spare(std::move(block)); })
    , m_thread([this] { run(); })
    , m_syncThread([this] { runSyncing(); })
{
}

PartFileWriter::~PartFileWriter()
{
    abandon();
    close(false);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
    m_syncThread.join();
}

void PartFileWriter::setLimits(qint64 queueBytes, qint64 bytesPerSecond, qint64 deviceRoom)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_queueLimit = size_t(qMax<qint64>(queueBytes, 1));
    m_bytesPerSecond = bytesPerSecond;
    m_deviceRoom = deviceRoom;
}

void PartFileWriter::setSyncEvery(qint64 bytes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_syncEvery = qMax<qint64>(bytes, 1);
}

void PartFileWriter::setStepHook(DeviceStepHook hook)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stepHook = std::move(hook);
}

void PartFileWriter::stepTaken(DeviceStep step) const
{
    if (m_stepHook)
        m_stepHook(step);
}

bool PartFileWriter::open(OwnPart &part, const ByteRanges &held, bool hashing)
{
    close(false);
    if (held.isEmpty() && !part.truncate(0))
        return false;
    auto reader = std::make_shared<const PartReader>(hashing ? part.reader() : NativeFile(-1));
    if (hashing && !reader->isOpen())
        return false;
    std::FILE *file = part.stream();
    if (!file)
        return false;
    std::setvbuf(file, nullptr, _IOFBF, FileBufferBytes);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_reader = reader;
        m_hashing = hashing;
        m_error = 0;
        m_abandoned = false;
        m_written = m_syncAsked = m_durable = held;
        m_position = -1;
        m_sinceSync = 0;
        m_file = file;
    }
    if (hashing)
        m_hasher.begin(reader, held.prefixEnd(), m_queueLimit / 8, m_bytesPerSecond, m_algorithm);
    else
        m_hasher.leaveBehind();
    return true;
}

bool PartFileWriter::enqueue(Stream &stream, const char *data, size_t size)
{
    const size_t limit = m_queueLimit;
    const size_t waiting = m_queuedBytes + stream.filling.size();
    bool full = waiting + size > limit && waiting > 0;
    if (full) {
        m_full = true;
        // Room may have come before the flag was up: then nobody else would
        // say so.
        if (m_queuedBytes + stream.filling.size() + size <= limit && m_full.exchange(false))
            full = false;
    }
    if (full) {
        // A queue smaller than a block is full before the block is: the
        // writer gets what there is, or no room would come.
        handOver(stream);
        return false;
    }
    if (stream.filling.capacity() == 0)
        stream.filling = spareBlock();
    if (stream.filling.empty()) {
        stream.filling.reserve(BlockBytes);
        stream.since.start();
    }
    stream.filling.insert(stream.filling.end(), data, data + size);
    // A slow transfer hands over what it has every fifth of a second, so
    // the part still grows as bytes arrive.
    if (stream.filling.size() >= BlockBytes || stream.since.hasExpired(BlockAgeMs))
        handOver(stream);
    return true;
}

void PartFileWriter::handOver(Stream &stream)
{
    if (stream.filling.empty())
        return;
    const qint64 offset = stream.offset;
    stream.offset += qint64(stream.filling.size());
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queuedBytes += stream.filling.size();
        m_queue.push_back({offset, std::move(stream.filling)});
    }
    stream.filling = Block();
    m_changed.notify_all();
}

void PartFileWriter::dropQueue(std::unique_lock<std::mutex> &)
{
    for (WrittenBlock &block : m_queue) {
        m_queuedBytes -= block.bytes.size();
        keepSpare(std::move(block.bytes));
    }
    m_queue.clear();
}

// Returns once nothing is being written or flushed: the file is the
// caller's alone then. False after a failed write.
bool PartFileWriter::waitForWrites(std::unique_lock<std::mutex> &lock)
{
    m_changed.wait(lock, [this] {
        return m_queue.empty() && !m_busy && !m_emptyingFile && !m_syncing && m_syncAsked == m_durable;
    });
    return m_error == 0;
}

// Returns at once: the writer's thread empties the file before the next
// block, after the one it may be writing, so no old byte stays in it.
void PartFileWriter::startOver()
{
    m_hasher.leaveBehind();
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        dropQueue(lock);
        ++m_generation;
        m_written = m_syncAsked = m_durable = ByteRanges();
        m_emptyingFile = m_file != nullptr;
    }
    m_changed.notify_all();
}

void PartFileWriter::abandon()
{
    m_abandoned = true;
    m_hasher.leaveBehind();
    std::unique_lock<std::mutex> lock(m_mutex);
    dropQueue(lock);
}

void PartFileWriter::stopHashing()
{
    m_hasher.leaveBehind();
}

PartFileWriter::Closed PartFileWriter::close(bool digest)
{
    Closed closed;
    std::unique_lock<std::mutex> lock(m_mutex);
    std::FILE *file = m_file;
    if (!file)
        return closed;
    waitForWrites(lock);
    const ByteRanges written = m_written;
    lock.unlock();
    // What a failed write left in the file still goes to the device.
    const bool flushed = !m_abandoned && flushToDevice(file);
    if (flushed)
        stepTaken(DeviceStep::PartFlushed);
    if (!m_abandoned && !flushed && m_error == 0)
        m_error = lastError();
    if (digest && m_hashing && m_error == 0 && written.prefixEnd() == written.end())
        closed.digest = m_hasher.finish(written.end());
    else
        m_hasher.leaveBehind();
    lock.lock();
    m_file = nullptr;
    m_reader.reset();
    if (std::fclose(file) != 0 && m_error == 0)
        m_error = lastError();
    if (flushed)
        m_durable = m_syncAsked = written;
    closed.error = m_error;
    closed.written = m_error == 0;
    return closed;
}

ByteRanges PartFileWriter::durable() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_durable;
}

// A block is done with: written, and hashed or left to be read back. Until
// then it counts in the queue, so that a hashing that falls behind holds the
// transfers up by its own few blocks, as a slow disk does; a full queue that
// has room again lets them go on. Any thread; it takes no lock a transfer
// waits for, since the hashing runs at a low priority.
void PartFileWriter::spare(Block &&block)
{
    const size_t left = m_queuedBytes -= block.size();
    keepSpare(std::move(block));
    if (left <= m_queueLimit / 2 && m_full.exchange(false))
        m_roomAgain();
}

void PartFileWriter::keepSpare(Block &&block)
{
    std::lock_guard<std::mutex> lock(m_spareMutex);
    if (m_spareBlocks.size() < m_queueLimit / BlockBytes + 1) {
        block.clear();
        m_spareBlocks.push_back(std::move(block));
    }
}

// A block written and hashed before, if one is at hand at once: the
// transfers never wait for the lock the hashing takes to give one back.
PartFileWriter::Block PartFileWriter::spareBlock()
{
    std::unique_lock<std::mutex> lock(m_spareMutex, std::try_to_lock);
    if (!lock.owns_lock() || m_spareBlocks.empty())
        return Block();
    Block block = std::move(m_spareBlocks.back());
    m_spareBlocks.pop_back();
    return block;
}

// Writes the queued blocks and hands them on to the hashing, which never
// holds the writing up.
void PartFileWriter::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || m_emptyingFile || !m_queue.empty(); });
        if (m_emptyingFile) {
            emptyFile(lock);
            continue;
        }
        if (m_queue.empty())
            return;
        WrittenBlock block = std::move(m_queue.front());
        m_queue.pop_front();
        m_busy = true;
        const quint64 generation = m_generation;
        lock.unlock();
        write(block, generation);
        lock.lock();
        giveBack(lock, std::move(block));
        m_busy = false;
        m_changed.notify_all();
    }
}

// The file starts over: after the block written last, before the next.
// The hashing of the new file starts here too, so no block of the old file
// reaches its digest.
void PartFileWriter::emptyFile(std::unique_lock<std::mutex> &lock)
{
    // Another start over while this one runs raises the flag again.
    m_emptyingFile = false;
    m_busy = true;
    const std::shared_ptr<const PartReader> reader = m_reader;
    const qint64 bytesPerSecond = m_bytesPerSecond;
    lock.unlock();
    std::FILE *file = m_file;
    if (file && !emptyPartFile(file) && m_error == 0)
        m_error = lastError();
    else if (file)
        stepTaken(DeviceStep::PartEmptied);
    m_position = -1;
    m_sinceSync = 0;
    if (m_hashing && !m_abandoned && file)
        m_hasher.begin(reader, 0, m_queueLimit / 8, bytesPerSecond, m_algorithm);
    lock.lock();
    m_busy = false;
    m_changed.notify_all();
}

// The block's bytes are in the file: the hashing may take them.
void PartFileWriter::giveBack(std::unique_lock<std::mutex> &lock, WrittenBlock &&block)
{
    const qint64 readable = m_written.prefixEnd();
    lock.unlock();
    if (m_hashing && m_error == 0 && !m_abandoned)
        m_hasher.offer(block.offset, std::move(block.bytes));
    else
        spare(std::move(block.bytes));
    m_hasher.readableUpTo(readable);
    lock.lock();
}

// After a failure the rest is dropped: the part keeps what is whole. With
// hashing on, what is written goes to the system at once, so that the
// hashing may read it back.
void PartFileWriter::write(const WrittenBlock &block, quint64 generation)
{
    std::FILE *file = m_file;
    if (!file && m_error == 0)
        m_error = EBADF;
    if (m_error != 0 || m_abandoned)
        return;
    const qint64 offset = block.offset;
    // A device standing in for a full one takes what fits, as a real one does.
    const size_t size = m_deviceRoom < 0 ? block.bytes.size()
                                         : size_t(qBound<qint64>(0, m_deviceRoom - offset, qint64(block.bytes.size())));
    if ((offset != m_position && !seekPartFile(file, offset)) || std::fwrite(block.bytes.data(), 1, size, file) != size
        || (m_hashing && std::fflush(file) != 0)) {
        m_position = -1;
        m_error = lastError();
        return;
    }
    keepToDiskSpeed(qint64(size));
    m_position = offset + qint64(size);
    {
        // A block of a file that has started over since is not counted.
        std::lock_guard<std::mutex> lock(m_mutex);
        if (generation != m_generation)
            return;
        m_written.add({offset, m_position});
    }
    m_sinceSync += qint64(size);
    if (size < block.bytes.size())
        m_error = ENOSPC;
    else if (m_sinceSync >= m_syncEvery)
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
        m_error = lastError();
        return;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_syncAsked = m_written;
    }
    m_changed.notify_all();
}

void PartFileWriter::runSyncing()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || m_syncAsked != m_durable; });
        if (m_syncAsked == m_durable)
            return;
        const ByteRanges asked = m_syncAsked;
        const quint64 generation = m_generation;
        std::FILE *file = m_file;
        m_syncing = true;
        lock.unlock();
        const bool synced = file && flushToDevice(file);
        if (synced)
            stepTaken(DeviceStep::PartFlushed);
        lock.lock();
        m_syncing = false;
        if (generation != m_generation) {
            // The file started over meanwhile: nothing of it counts as on the
            // device yet, but a failure may have been the new bytes'.
            if (!synced && m_error == 0)
                m_error = lastError();
        } else if (synced) {
            m_durable = asked;
        } else {
            // Nothing more counts as on the device; closing says why.
            m_syncAsked = m_durable;
            if (m_error == 0)
                m_error = lastError();
        }
        m_changed.notify_all();
    }
}
