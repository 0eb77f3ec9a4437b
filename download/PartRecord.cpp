#include "PartRecord.h"

#include "PartFileIo.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <utility>

#include <algorithm>
#include <cerrno>
#include <chrono>

namespace {

// Far more than a record of every run sixteen connections may leave.
constexpr std::size_t RecordLimitBytes = 1024 * 1024;
constexpr int ValidatorLimit = 200;

qint64 numberIn(const QJsonValue &value)
{
    return value.toVariant().toLongLong();
}

// Runs as [from, to] pairs; none at all when any of them is not a range of
// a file of `total` bytes.
ByteRanges rangesIn(const QJsonArray &pairs, qint64 total)
{
    ByteRanges ranges;
    for (const QJsonValue &pair : pairs) {
        const ByteRange run{numberIn(pair.toArray().at(0)), numberIn(pair.toArray().at(1))};
        if (pair.toArray().size() != 2 || run.from < 0 || run.to <= run.from || (total > 0 && run.to > total))
            return ByteRanges();
        ranges.add(run);
    }
    return ranges;
}

QJsonArray pairsOf(const ByteRanges &ranges)
{
    QJsonArray pairs;
    for (const ByteRange &run : ranges.runs())
        pairs.append(QJsonArray{QString::number(run.from), QString::number(run.to)});
    return pairs;
}

} // namespace

QString PartRecord::ifRange() const
{
    if (!etag.isEmpty() && !etag.startsWith(QLatin1String("W/")))
        return etag;
    return lastModified;
}

ByteRanges PartRecord::held() const
{
    if (!ranges.isEmpty() || length == 0)
        return ranges;
    ByteRanges prefix;
    prefix.add({0, length});
    return prefix;
}

void PartRecord::setHeld(const ByteRanges &held)
{
    length = held.prefixEnd();
    ranges = held.runs().size() > 1 || length == 0 ? held : ByteRanges();
    inOrder = false;
}

std::filesystem::path nativeFilePath(const QString &path)
{
#ifdef Q_OS_WIN
    return path.toStdWString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

bool isSafeValidator(const QString &value)
{
    if (value.size() > ValidatorLimit)
        return false;
    for (const QChar c : value) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    }
    return true;
}

QString partRecordPath(const QString &partPath)
{
    return partPath + QStringLiteral(".json");
}

std::optional<PartRecord> readPartRecord(const QString &partPath, bool *untrusted)
{
    std::string content;
    const OwnFileRead read = readOwnFile(nativeFilePath(partRecordPath(partPath)), RecordLimitBytes, content);
    if (untrusted)
        *untrusted = read == OwnFileRead::NotOurs;
    if (read != OwnFileRead::Read)
        return std::nullopt;
    const QJsonObject object =
        QJsonDocument::fromJson(QByteArray::fromRawData(content.data(), int(content.size()))).object();
    PartRecord record{numberIn(object.value(QLatin1String("total"))), object.value(QLatin1String("etag")).toString(),
                      object.value(QLatin1String("lastModified")).toString(),
                      numberIn(object.value(QLatin1String("length"))), ByteRanges()};
    // A record of several connections lists its runs, none at all before
    // the first reached the device.
    const bool listed = object.value(QLatin1String("ranges")).isArray();
    record.ranges = rangesIn(object.value(QLatin1String("ranges")).toArray(), record.total);
    if (listed)
        record.length = record.ranges.prefixEnd();
    // A record that lists no run says the part holds nothing (yet, or any
    // more, after a start over); one that neither lists nor holds is none.
    record.inOrder = object.value(QLatin1String("inOrder")).toBool();
    if (record.held().bytes() <= 0 && !listed && !record.inOrder)
        return std::nullopt;
    // Validators that no server sends: the part cannot be checked against
    // the server's file.
    if (!isSafeValidator(record.etag) || !isSafeValidator(record.lastModified)) {
        if (untrusted)
            *untrusted = true;
        return std::nullopt;
    }
    return record;
}

bool writePartRecord(const QString &partPath, const PartRecord &record)
{
    QJsonObject object{{QStringLiteral("total"), QString::number(record.total)},
                       {QStringLiteral("etag"), record.etag},
                       {QStringLiteral("lastModified"), record.lastModified},
                       {QStringLiteral("length"), QString::number(record.length)}};
    if (record.inOrder)
        object.insert(QStringLiteral("inOrder"), true);
    else if (!record.ranges.isEmpty() || record.length == 0)
        object.insert(QStringLiteral("ranges"), pairsOf(record.ranges));
    return replaceOwnFile(nativeFilePath(partRecordPath(partPath)),
                          QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString());
}

void removePartRecord(const QString &partPath)
{
    QFile::remove(partRecordPath(partPath));
}

PartRecordKeeper::PartRecordKeeper(std::function<void()> written)
    : m_written(std::move(written))
    , m_thread([this] { run(); })
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

void PartRecordKeeper::setStepHook(DeviceStepHook hook, int extraDelayMs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stepHook = std::move(hook);
    m_extraDelayMs = extraDelayMs;
}

// A record that replaces one still waiting takes over its number too: the
// older one is on the device only once this one is.
quint64 PartRecordKeeper::save(const QString &partPath, const PartRecord &record, OwnPart hold)
{
    quint64 ticket = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ticket = ++m_asked;
        quint64 first = ticket;
        for (auto it = m_pending.begin(); it != m_pending.end();) {
            if (it->partPath != partPath) {
                ++it;
                continue;
            }
            first = std::min(first, it->firstTicket);
            it = m_pending.erase(it);
        }
        m_pending.push_back({partPath, record, first, std::move(hold)});
    }
    m_changed.notify_all();
    return ticket;
}

bool PartRecordKeeper::hasWritten(quint64 ticket)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return isWrittenLocked(ticket);
}

bool PartRecordKeeper::isWrittenLocked(quint64 ticket) const
{
    if (m_writingFirst != 0 && m_writingFirst <= ticket)
        return false;
    return std::none_of(m_pending.begin(), m_pending.end(),
                        [ticket](const Pending &pending) { return pending.firstTicket <= ticket; });
}

void PartRecordKeeper::forget(const QString &partPath)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto it = m_pending.begin(); it != m_pending.end();)
            it = it->partPath == partPath ? m_pending.erase(it) : it + 1;
        if (partPath == m_writing)
            m_writingForgotten = true;
        removePartRecord(partPath);
        if (m_stepHook)
            m_stepHook(DeviceStep::RecordRemoved);
    }
    m_changed.notify_all();
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
        Pending next = std::move(m_pending.front());
        m_pending.pop_front();
        m_writing = next.partPath;
        m_writingFirst = next.firstTicket;
        m_writingForgotten = false;
        const int delayMs = m_extraDelayMs;
        lock.unlock();
        if (delayMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        errno = 0;
        const bool written = writePartRecord(next.partPath, next.record);
        const int error = written ? 0 : (errno ? errno : EIO);
        if (written && m_stepHook)
            m_stepHook(DeviceStep::RecordWritten);
        lock.lock();
        if (m_writingForgotten)
            removePartRecord(next.partPath);
        else if (error != 0 && m_error == 0)
            m_error = error;
        // Given up before anyone waiting for the writes hears of them.
        next.hold.close();
        m_writing.clear();
        m_writingFirst = 0;
        m_changed.notify_all();
        if (m_written) {
            lock.unlock();
            m_written();
            lock.lock();
        }
    }
}
