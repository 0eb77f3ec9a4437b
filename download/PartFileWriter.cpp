#include "PartFileWriter.h"

#include "PartFileIo.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>

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

constexpr qint64 SyncEveryBytes = 64 * 1024 * 1024;
constexpr size_t FileBufferBytes = 1024 * 1024;

} // namespace

PartFileWriter::PartFileWriter(std::function<void()> roomAgain)
    : m_roomAgain(std::move(roomAgain))
    , m_thread([this] { run(); })
    , m_hashThread([this] { runHashing(); })
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
}

void PartFileWriter::setLimits(qint64 queueBytes, qint64 bytesPerSecond)
{
    m_queueLimit = size_t(qMax<qint64>(queueBytes, 1));
    m_bytesPerSecond = bytesPerSecond;
}

bool PartFileWriter::open(const QString &path, bool append, bool hashing)
{
    waitForBackgroundClose();
    close();
    m_hashing = hashing;
    m_path = path;
    m_error = 0;
    m_abandoned = false;
    m_checked = 0;
    m_sha256.clear();
    m_hash.reset();
    m_file = openPartFile(nativePath(path), append ? "ab" : "wb");
    if (!m_file)
        return false;
    std::setvbuf(m_file, nullptr, _IOFBF, FileBufferBytes);
    m_length = append ? QFileInfo(path).size() : 0;
    m_durable = m_length;
    m_sinceSync = 0;
    if (append && m_hashing) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_partToCheck = QFileInfo(path).size();
        m_checking = m_partToCheck > 0;
    }
    m_changed.notify_all();
    return true;
}

bool PartFileWriter::enqueue(const char *data, size_t size)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_queuedBytes + size > m_queueLimit && m_queuedBytes > 0) {
            m_full = true;
            return false;
        }
        m_queue.emplace_back(data, int(size));
        m_queuedBytes += size;
    }
    m_changed.notify_all();
    return true;
}

bool PartFileWriter::drain()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] {
        return m_queue.empty() && m_hashQueue.empty() && !m_busy && !m_hashBusy && m_partToCheck == 0;
    });
    return m_error == 0;
}

bool PartFileWriter::truncate()
{
    drain();
    m_hash.reset();
    m_length = m_durable = m_sinceSync = 0;
    if (m_file)
        std::fclose(m_file);
    m_file = openPartFile(nativePath(m_path), "wb");
    if (m_file)
        std::setvbuf(m_file, nullptr, _IOFBF, FileBufferBytes);
    return m_file != nullptr;
}

void PartFileWriter::abandon()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_abandoned = true;
    for (const auto *queue : {&m_queue, &m_hashQueue}) {
        for (const QByteArray &chunk : *queue)
            m_queuedBytes -= size_t(chunk.size());
    }
    m_queue.clear();
    m_hashQueue.clear();
    m_changed.notify_all();
}

bool PartFileWriter::close()
{
    waitForBackgroundClose();
    return closeNow();
}

void PartFileWriter::closeInBackground(std::function<void(bool written)> done)
{
    waitForBackgroundClose();
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
    m_file = nullptr;
    m_sha256 = m_hashing ? m_hash.finish() : QString();
    return ok;
}

// Writes the queued chunks; the hashing thread takes them from there, so
// that writing and hashing overlap.
void PartFileWriter::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_queue.empty())
            return;
        QByteArray chunk = std::move(m_queue.front());
        m_queue.pop_front();
        m_busy = true;
        lock.unlock();
        write(chunk);
        lock.lock();
        m_busy = false;
        if (m_hashing && m_error == 0)
            m_hashQueue.push_back(std::move(chunk));
        else
            release(lock, size_t(chunk.size()));
        m_changed.notify_all();
    }
}

// Hashes the part's earlier bytes first, then every chunk once written.
void PartFileWriter::runHashing()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || m_partToCheck > 0 || !m_hashQueue.empty(); });
        if (m_partToCheck > 0) {
            const qint64 size = m_partToCheck;
            lock.unlock();
            hashPart(size);
            lock.lock();
            m_partToCheck = 0;
            m_checking = false;
            m_changed.notify_all();
            continue;
        }
        if (m_hashQueue.empty())
            return;
        QByteArray chunk = std::move(m_hashQueue.front());
        m_hashQueue.pop_front();
        m_hashBusy = true;
        lock.unlock();
        m_hash.update(chunk.constData(), size_t(chunk.size()));
        lock.lock();
        m_hashBusy = false;
        release(lock, size_t(chunk.size()));
        m_changed.notify_all();
    }
}

// Bytes that are written and hashed leave the queue; a full queue that has
// room again lets the transfer go on.
void PartFileWriter::release(std::unique_lock<std::mutex> &lock, size_t size)
{
    m_queuedBytes -= size;
    if (!m_full || m_queuedBytes > m_queueLimit / 2)
        return;
    m_full = false;
    lock.unlock();
    m_roomAgain();
    lock.lock();
}

// After a failure the rest is dropped: the part keeps what is whole.
void PartFileWriter::write(const QByteArray &chunk)
{
    if (m_error != 0)
        return;
    if (std::fwrite(chunk.constData(), 1, size_t(chunk.size()), m_file) != size_t(chunk.size())) {
        m_error = errno ? errno : EIO;
        return;
    }
    if (m_bytesPerSecond > 0)
        std::this_thread::sleep_for(std::chrono::microseconds(chunk.size() * 1000000LL / m_bytesPerSecond));
    m_length += chunk.size();
    m_sinceSync += chunk.size();
    if (m_sinceSync >= SyncEveryBytes && !syncToDisk())
        m_error = errno ? errno : EIO;
}

// Everything written so far goes to the device, not only to the system's cache.
bool PartFileWriter::syncToDisk()
{
    m_sinceSync = 0;
    if (!flushToDevice(m_file))
        return false;
    m_durable = m_length;
    return true;
}

// The bytes already in the part, read back once so that the digest at the
// end covers the whole file.
void PartFileWriter::hashPart(qint64 size)
{
    const bool read = m_hash.addFile(m_path, size, [this](qint64 done) {
        m_checked = done;
        return !m_abandoned;
    });
    if (!read && !m_abandoned)
        m_error = EIO;
}
