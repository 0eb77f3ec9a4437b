#include "PartRecord.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

QString PartRecord::ifRange() const
{
    if (!etag.isEmpty() && !etag.startsWith(QLatin1String("W/")))
        return etag;
    return lastModified;
}

QString partRecordPath(const QString &partPath)
{
    return partPath + QStringLiteral(".json");
}

std::optional<PartRecord> readPartRecord(const QString &partPath)
{
    QFile file(partRecordPath(partPath));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    const qint64 length = object.value(QLatin1String("length")).toVariant().toLongLong();
    if (object.isEmpty() || length <= 0)
        return std::nullopt;
    return PartRecord{object.value(QLatin1String("total")).toVariant().toLongLong(),
                      object.value(QLatin1String("etag")).toString(),
                      object.value(QLatin1String("lastModified")).toString(), length};
}

bool writePartRecord(const QString &partPath, const PartRecord &record)
{
    QSaveFile file(partRecordPath(partPath));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QJsonObject object{{QStringLiteral("total"), QString::number(record.total)},
                             {QStringLiteral("etag"), record.etag},
                             {QStringLiteral("lastModified"), record.lastModified},
                             {QStringLiteral("length"), QString::number(record.length)}};
    file.write(QJsonDocument(object).toJson(QJsonDocument::Compact));
    return file.commit();
}

void removePartRecord(const QString &partPath)
{
    QFile::remove(partRecordPath(partPath));
}

PartRecordKeeper::PartRecordKeeper()
    : m_thread([this] { run(); })
{
}

PartRecordKeeper::~PartRecordKeeper()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void PartRecordKeeper::save(const QString &partPath, const PartRecord &record)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto it = m_pending.begin(); it != m_pending.end();)
            it = it->partPath == partPath ? m_pending.erase(it) : it + 1;
        m_pending.push_back({partPath, record});
    }
    m_changed.notify_all();
}

void PartRecordKeeper::forget(const QString &partPath)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto it = m_pending.begin(); it != m_pending.end();)
        it = it->partPath == partPath ? m_pending.erase(it) : it + 1;
    if (partPath == m_writing)
        m_writingForgotten = true;
    removePartRecord(partPath);
}

void PartRecordKeeper::waitForWrites()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_pending.empty() && m_writing.isEmpty(); });
}

// Whatever is pending is written before the thread ends.
void PartRecordKeeper::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || !m_pending.empty(); });
        if (m_pending.empty())
            return;
        const Pending next = m_pending.front();
        m_pending.pop_front();
        m_writing = next.partPath;
        m_writingForgotten = false;
        lock.unlock();
        writePartRecord(next.partPath, next.record);
        lock.lock();
        if (m_writingForgotten)
            removePartRecord(next.partPath);
        m_writing.clear();
        m_changed.notify_all();
    }
}
