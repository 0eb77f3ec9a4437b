#include "PartFileWriter.h"

#include <QFile>

#include <cerrno>

namespace {

constexpr size_t QueueLimitBytes = 32 * 1024 * 1024;
constexpr size_t FileBufferBytes = 1024 * 1024;

} // namespace

PartFileWriter::PartFileWriter(std::function<void()> roomAgain)
    : m_roomAgain(std::move(roomAgain))
    , m_thread([this] { run(); })
{
}

PartFileWriter::~PartFileWriter()
{
    close();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

bool PartFileWriter::open(const QString &path, bool append)
{
    close();
    m_path = path;
    m_error = 0;
    m_file = std::fopen(QFile::encodeName(path).constData(), append ? "ab" : "wb");
    if (m_file)
        std::setvbuf(m_file, nullptr, _IOFBF, FileBufferBytes);
    return m_file != nullptr;
}

bool PartFileWriter::enqueue(const char *data, size_t size)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_queuedBytes + size > QueueLimitBytes && m_queuedBytes > 0) {
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
    m_changed.wait(lock, [this] { return m_queue.empty() && !m_busy; });
    return m_error == 0;
}

bool PartFileWriter::truncate()
{
    drain();
    m_file = m_file ? std::freopen(QFile::encodeName(m_path).constData(), "wb", m_file) : nullptr;
    if (m_file)
        std::setvbuf(m_file, nullptr, _IOFBF, FileBufferBytes);
    return m_file != nullptr;
}

bool PartFileWriter::close()
{
    if (!m_file)
        return true;
    bool ok = drain();
    if (std::fflush(m_file) != 0 && m_error == 0)
        m_error = errno ? errno : EIO;
    ok = std::fclose(m_file) == 0 && ok && m_error == 0;
    m_file = nullptr;
    return ok;
}

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
        // After a failure the rest is dropped: the part keeps what is whole.
        if (m_error == 0 && std::fwrite(chunk.constData(), 1, size_t(chunk.size()), m_file) != size_t(chunk.size()))
            m_error = errno ? errno : EIO;
        lock.lock();
        m_busy = false;
        m_queuedBytes -= size_t(chunk.size());
        const bool roomAgain = m_full && m_queuedBytes <= QueueLimitBytes / 2;
        if (roomAgain)
            m_full = false;
        m_changed.notify_all();
        if (roomAgain) {
            lock.unlock();
            m_roomAgain();
            lock.lock();
        }
    }
}
