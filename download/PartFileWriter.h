// Writes the received bytes to the ".part" file on a thread of its own, so
// that a disk busy flushing never holds up the event loop. The queue is
// bounded: when it is full the transfer pauses until the disk catches up.
#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class PartFileWriter final {
public:
    // `roomAgain` runs on the writer's thread when a full queue has room again.
    explicit PartFileWriter(std::function<void()> roomAgain);
    ~PartFileWriter();
    PartFileWriter(const PartFileWriter &) = delete;
    PartFileWriter &operator=(const PartFileWriter &) = delete;

    bool open(const QString &path, bool append);
    bool isOpen() const { return m_file != nullptr; }
    // False, taking nothing, while the queue is full; call again after
    // `roomAgain`.
    bool enqueue(const char *data, size_t size);
    // Waits for every queued byte, then empties the file.
    bool truncate();
    // Waits for every queued byte and closes the file; false if any write,
    // the flush or the close failed.
    bool close();
    // The error number of the first failed write, or 0.
    int error() const { return m_error; }

private:
    void run();
    bool drain();

    std::function<void()> m_roomAgain;
    std::FILE *m_file = nullptr;
    QString m_path;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<QByteArray> m_queue;
    size_t m_queuedBytes = 0;
    bool m_busy = false;
    bool m_full = false;
    bool m_stopping = false;
    std::atomic<int> m_error{0};
    std::thread m_thread;
};
