#include "PartHasher.h"

#include "platform/Platform.h"

#include <chrono>
#include <utility>

PartHasher::PartHasher(std::function<void(Block &&)> spare)
    : m_spare(std::move(spare))
    , m_thread([this] { run(); })
{
}

PartHasher::~PartHasher()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
        ++m_round;
    }
    m_changed.notify_all();
    m_thread.join();
}

void PartHasher::begin(std::shared_ptr<const PartReader> reader, qint64 partLength, size_t memoryBytes,
                       qint64 bytesPerSecond, DigestAlgorithm algorithm)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_round;
        dropBlocks();
        m_reader = std::move(reader);
        m_hash = std::make_shared<Digest>(algorithm);
        m_memoryLimit = memoryBytes;
        m_bytesPerSecond = bytesPerSecond;
        m_readable = m_partLength = partLength;
        m_hashed = m_checked = 0;
        m_active = true;
        m_failed = false;
        updateChecking();
    }
    m_changed.notify_all();
}

// Far-ahead blocks over the limit are read back later instead.
void PartHasher::offer(qint64 offset, Block &&block)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const size_t size = block.size();
        if (m_active && offset >= m_hashed && m_blockBytes + size <= m_memoryLimit
            && m_blocks.try_emplace(offset, std::move(block)).second)
            m_blockBytes += size;
    }
    if (!block.empty())
        m_spare(std::move(block));
    m_changed.notify_all();
}

void PartHasher::readableUpTo(qint64 end)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_readable = std::max(m_readable, end);
    }
    m_changed.notify_all();
}

void PartHasher::leaveBehind()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_round;
        m_active = false;
        m_reader.reset();
        updateChecking();
        dropBlocks();
    }
    m_changed.notify_all();
}

QString PartHasher::finish(qint64 length)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_readable = std::max(m_readable, length);
    m_changed.notify_all();
    m_changed.wait(lock, [this, length] { return !m_active || m_failed || m_hashed >= length; });
    const bool whole = m_active && !m_failed && m_hashed == length;
    m_active = false;
    m_reader.reset();
    updateChecking();
    dropBlocks();
    return whole ? m_hash->finish() : QString();
}

bool PartHasher::isCheckingPart() const
{
    return m_checking;
}

// Kept apart from the lock, which a hashing thread of low priority may hold
// when the event loop asks.
void PartHasher::updateChecking()
{
    m_checking = m_active && !m_failed && m_hashed < m_partLength;
}

void PartHasher::dropBlocks()
{
    for (auto &entry : m_blocks)
        m_spare(std::move(entry.second));
    m_blocks.clear();
    m_blockBytes = 0;
}

bool PartHasher::hasWork() const
{
    if (!m_active || m_failed)
        return false;
    return m_blocks.count(m_hashed) > 0 || m_readable > m_hashed;
}

void PartHasher::run()
{
    platform::lowerCurrentThreadPriority();
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || hasWork(); });
        if (m_stopping)
            return;
        if (m_blocks.count(m_hashed) > 0)
            hashBlock(lock);
        else
            hashFromFile(lock);
        updateChecking();
        m_changed.notify_all();
    }
}

void PartHasher::hashBlock(std::unique_lock<std::mutex> &lock)
{
    auto node = m_blocks.extract(m_hashed);
    Block block = std::move(node.mapped());
    const size_t size = block.size();
    m_blockBytes -= size;
    const std::shared_ptr<Digest> hash = m_hash;
    const quint64 round = m_round;
    lock.unlock();
    hash->update(block.data(), size);
    m_spare(std::move(block));
    lock.lock();
    if (round == m_round)
        m_checked = m_hashed += qint64(size);
}

// From where the hashing is, up to the next block it holds or the end of
// what the file has whole. A hashing left behind stops within one piece,
// and what it took in counts for nothing.
void PartHasher::hashFromFile(std::unique_lock<std::mutex> &lock)
{
    const auto next = m_blocks.upper_bound(m_hashed);
    const qint64 from = m_hashed;
    const qint64 end = next == m_blocks.end() ? m_readable : std::min(m_readable, next->first);
    const std::shared_ptr<Digest> hash = m_hash;
    const quint64 round = m_round;
    const std::shared_ptr<const PartReader> reader = m_reader;
    const qint64 bytesPerSecond = m_bytesPerSecond;
    lock.unlock();
    qint64 before = 0;
    const auto readAt = [&reader](char *data, qint64 size, qint64 offset) {
        return reader ? qint64(reader->readAt(data, size_t(size), offset)) : qint64(-1);
    };
    const bool read = hash->addRead(readAt, from, end - from, [&](qint64 done) {
        keepToDiskSpeed(done - std::exchange(before, done), bytesPerSecond);
        if (round != m_round)
            return false;
        m_checked = from + done;
        return true;
    });
    lock.lock();
    if (round != m_round)
        return;
    if (read)
        m_checked = m_hashed = end;
    else
        m_failed = true;
}

void PartHasher::keepToDiskSpeed(qint64 bytes, qint64 bytesPerSecond)
{
    if (bytesPerSecond > 0 && bytes > 0)
        std::this_thread::sleep_for(std::chrono::microseconds(bytes * 1000000LL / bytesPerSecond));
}
