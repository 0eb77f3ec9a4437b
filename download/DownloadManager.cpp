#include "DownloadManager.h"

#include "CurlMessages.h"
#include "DownloadLog.h"
#include "IsoImage.h"
#include "PartFile.h"
#include "PartFileIo.h"
#include "SpeedMeter.h"
#include "common/TextSafety.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <utility>

namespace {

constexpr int SpeedIntervalMs = 1000;
// Work goes out in pieces of this size; a running range is split only into
// halves of at least the second size; a file gets one connection for every
// few mebibytes it has.
constexpr qint64 PieceBytes = qint64(4) * 1024 * 1024;
constexpr qint64 MinSplitBytes = qint64(64) * 1024;
constexpr qint64 BytesPerConnection = qint64(4) * 1024 * 1024;
constexpr int MostConnections = 16;
constexpr qint64 Whole = std::numeric_limits<qint64>::max();

DownloadResult resultOf(DownloadOutcome outcome, const QString &path = QString())
{
    DownloadResult result;
    result.outcome = outcome;
    result.path = path;
    return result;
}

} // namespace

DownloadManager::DownloadManager(QObject *parent)
    : QObject(parent)
    // By name: the call is made and carried out inside Qt, which the thread
    // that has room again (the writer's or the hashing's) or that wrote a
    // record never touches.
    , m_records([this] { QMetaObject::invokeMethod(this, "resumeLanes", Qt::QueuedConnection); })
    , m_writer([this] { QMetaObject::invokeMethod(this, "resumeLanes", Qt::QueuedConnection); })
{
    qRegisterMetaType<DownloadResult>();
    qRegisterMetaType<UnverifiedReason>();
    m_clock.start();
    m_speedTimer.setInterval(SpeedIntervalMs);
    connect(&m_speedTimer, &QTimer::timeout, this, &DownloadManager::sample);
    connect(&m_driver, &CurlMultiDriver::worked, this, &DownloadManager::onTransferWorked);
    connect(&m_driver, &CurlMultiDriver::failed, this, [this](const QString &reason) {
        DownloadResult result = resultOf(DownloadOutcome::TransferFailed);
        result.curlCode = CURLE_ABORTED_BY_CALLBACK;
        result.detail = reason;
        fail(result);
    });
    connect(&m_closing, &QFutureWatcher<void>::finished, this, &DownloadManager::onClosed);
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, [this] {
        refillLanes();
        maybeComplete();
    });
    curl_global_init(CURL_GLOBAL_ALL);
}

DownloadManager::~DownloadManager()
{
    if (m_phase != Phase::Idle)
        cancelDownload();
    settleClose();
}

// The disk has caught up with transfers that waited for it, a record is on
// the device, or the event loop has had its turn.
void DownloadManager::resumeLanes()
{
    m_resumePosted = false;
    if (!isUnderWay() || recordFailed())
        return;
    std::vector<std::pair<CURL *, CURLcode>> refused;
    for (auto &entry : m_lanes) {
        const CURLcode code = entry.second.transfer->resume();
        if (code != CURLE_OK)
            refused.emplace_back(entry.second.transfer->handle(), code);
    }
    if (!refused.empty() && endLanes(refused)) {
        refillLanes();
        maybeComplete();
    }
}

QString DownloadManager::makeTempFilePath(const QString &url, const QString &savePath)
{
    return partfile::pathFor(url, savePath);
}

QStringList DownloadManager::allowedSchemes() const
{
    return m_settings.plainHttpAllowed ? QStringList{QStringLiteral("https"), QStringLiteral("http")}
                                       : QStringList{QStringLiteral("https")};
}

int DownloadManager::connections() const
{
    return m_budget.ceiling();
}

qint64 DownloadManager::clockMs() const
{
    return m_settings.clockMs ? m_settings.clockMs() : m_clock.elapsed();
}

// Nothing is touched for a link the engine does not fetch, nor for a
// destination whose name no file should have.
bool DownloadManager::refuseBeforeStart(const QString &url, const QString &savePath)
{
    m_savePath = savePath;
    if (std::any_of(savePath.cbegin(), savePath.cend(), [](QChar c) { return TextSafety::isControl(c.unicode()); })) {
        report(resultOf(DownloadOutcome::DestinationRefused, savePath));
        return true;
    }
    if (allowedSchemes().contains(QUrl(url).scheme()))
        return false;
    DownloadResult refused = resultOf(DownloadOutcome::SchemeRefused, url);
    refused.detail = allowedSchemes().join(QLatin1String(" or "));
    report(refused);
    return true;
}

void DownloadManager::startDownload(const QString &url, const QString &savePath)
{
    if (m_phase != Phase::Idle)
        return;
    qCDebug(lcDownload) << "DownloadManager: startDownload called with url:" << url;
    // A part of an earlier attempt may still be on its way out.
    settleClose();
    m_digest.clear();
    if (refuseBeforeStart(url, savePath))
        return;
    m_url = url;
    m_savePath = savePath;
    m_tempFilePath = makeTempFilePath(url, savePath);
    m_startOvers = 0;
    m_firstRecord = 0;
    m_budget = ConnectionBudget(qBound(1, m_settings.connections, MostConnections));
    m_currentSpeed = 0.0;
    m_totalReported = false;
    m_sinceDataMs = 0;
    m_lastSampleTime = m_dataAtMs = clockMs();
    QDir().mkpath(QFileInfo(savePath).absolutePath());
    partfile::adoptOldName(url, savePath);
    m_records.waitForWrites();
    m_records.clearError();
    m_records.setStepHook(m_settings.afterDeviceStep, m_settings.recordFlushDelayMs);
    if (!takePart())
        return;
    const partfile::Resumable resumable = partfile::resumable(m_part, m_tempFilePath);
    m_record = resumable.record;
    m_partRecorded = resumable.recorded;
    m_held = resumable.held;
    m_total = m_record.total > 0 && !m_record.held().isEmpty() ? m_record.total : 0;
    if (!openPart()) {
        DownloadResult result = resultOf(DownloadOutcome::CannotCreatePart, m_tempFilePath);
        result.systemError = quint32(errno);
        report(result);
        return;
    }
    m_phase = Phase::Probing;
    beginLanes();
    if (!isUnderWay())
        return;
    m_speedTimer.start();
    Q_EMIT statusChanged(QStringLiteral("Downloading..."));
}

// The part is opened and locked before anything of it is read. One that
// another download holds is left completely alone; so is one that is not
// the user's own plain file (another user's download, say), which the
// engine can neither write nor take away without harm to its owner: the
// user is told its name.
bool DownloadManager::takePart()
{
    m_part = partfile::openOwn(m_tempFilePath);
    if (m_part.isOpen())
        return true;
    const OwnPart::State state = m_part.state();
    DownloadResult result =
        resultOf(state == OwnPart::State::Busy ? DownloadOutcome::PartBusy : DownloadOutcome::CannotCreatePart,
                 m_tempFilePath);
#ifdef Q_OS_WIN
    constexpr quint32 NotPermitted = 5; // ERROR_ACCESS_DENIED
#else
    constexpr quint32 NotPermitted = EPERM;
#endif
    result.systemError = state == OwnPart::State::NotOurs ? NotPermitted : quint32(m_part.error());
    report(result);
    return false;
}

bool DownloadManager::openPart()
{
    m_writer.setLimits(m_settings.writeQueueBytes, m_settings.diskBytesPerSecond, m_settings.deviceRoomBytes);
    m_writer.setSyncEvery(m_settings.syncEveryBytes);
    m_writer.setStepHook(m_settings.afterDeviceStep);
    m_writer.setDigestAlgorithm(m_digestAlgorithm);
    if (m_total <= 0)
        m_held = m_held.before(m_held.prefixEnd());
    m_bytesBefore = m_receivedAtSample = m_held.bytes();
    m_partLength = m_settings.computeSha256 ? m_held.prefixEnd() : 0;
    return m_writer.open(m_part, m_held, m_settings.computeSha256);
}

// How many connections the file gets: one for every few mebibytes, up to
// what the settings allow.
int DownloadManager::laneTarget() const
{
    const int allowed = connections();
    if (m_total <= 0)
        return 1;
    return int(qBound<qint64>(1, (m_total - m_held.bytes()) / BytesPerConnection,
                              qint64(std::min(allowed, m_budget.allowed()))));
}

// The work is known: connections take it from the plan.
void DownloadManager::setPlan(std::vector<ByteRange> missing, qint64 pieceBytes)
{
    Q_ASSERT(m_phase == Phase::Probing || m_phase == Phase::Transferring);
    m_plan.emplace(std::move(missing), pieceBytes, MinSplitBytes);
    m_phase = Phase::Transferring;
}

// The file's length is not known (any more): the next request asks.
void DownloadManager::dropPlan()
{
    Q_ASSERT(m_phase == Phase::Probing || m_phase == Phase::Transferring);
    m_plan.reset();
    m_phase = Phase::Probing;
}

// With the file's length known the plan hands the work out; before that,
// the first request asks from where the part ends and its answer tells.
void DownloadManager::beginLanes()
{
    dropPlan();
    if (m_total > 0)
        planFor(m_total);
    // A part whole by its record is whole only if the server's file is still
    // that one: its last byte is asked for again, under If-Range.
    if (m_plan && m_plan->isDone())
        setPlan(std::vector<ByteRange>{{m_total - 1, m_total}}, Whole);
    if (!m_plan) {
        launch(0, requestFor(probeRange()));
        return;
    }
    for (int lane = 0; lane < laneTarget() && isUnderWay(); ++lane)
        startLane(lane);
}

// One connection asks for the rest; several ask for a first piece.
ByteRange DownloadManager::probeRange() const
{
    const qint64 from = m_held.prefixEnd();
    if (connections() == 1)
        return ByteRange{from, -1};
    return ByteRange{from, from + PieceBytes};
}

// Several connections write the part out of order: its record, saying
// which of its bytes count and how long the file is, goes to the device
// before their bytes go in (later records never hold a byte back). One
// connection writes it in order, from where it ends.
void DownloadManager::planFor(qint64 total)
{
    m_total = total;
    const qint64 piece = connections() == 1 ? Whole : PieceBytes;
    setPlan(m_held.gapsBefore(total), piece);
    if (laneTarget() > 1)
        recordFirst();
}

TransferRequest DownloadManager::requestFor(ByteRange range) const
{
    TransferRequest request;
    request.url = m_url;
    request.schemes = allowedSchemes();
    request.range = range;
    if (m_total > 0 && range.to >= m_total && connections() == 1)
        request.range.to = -1;
    // A plain request for a file fetched whole; otherwise the range is asked
    // for only if the file is still the one the part came from.
    request.sendRange = !(range.from == 0 && request.range.to < 0);
    request.ifRange = m_record.ifRange();
    return request;
}

bool DownloadManager::startLane(int lane)
{
    if (!isUnderWay() || recordFailed())
        return false;
    if (m_budget.retryAtMs() > m_clock.elapsed())
        return false;
    advancePlan();
    const std::optional<ByteRange> range = m_plan ? m_plan->take(lane) : std::nullopt;
    return range && launch(lane, requestFor(*range));
}

bool DownloadManager::launch(int lane, const TransferRequest &request)
{
    auto transfer = std::make_unique<RangeTransfer>(
        request, m_settings, m_writer, [this, lane](RangeTransfer &answered) { return checkAnswer(lane, answered); },
        [this, lane] { return limitOf(lane); }, [this, lane] { return stepAside(lane); });
    if (!transfer->handle() || !m_driver.add(transfer->handle())) {
        fail(resultOf(DownloadOutcome::CurlInitFailed));
        return false;
    }
    m_lanes[lane] = Lane{std::move(transfer), clockMs(), 0, ++m_laneSerial};
    return true;
}

qint64 DownloadManager::limitOf(int lane) const
{
    const std::optional<ByteRange> range = m_plan ? m_plan->rangeOf(lane) : std::nullopt;
    return range ? range->to : -1;
}

// Asked from libcurl's write callback before bytes are taken. libcurl reads
// a socket for as long as it holds data; once a call has run for a turn,
// each transfer that has had an eighth of one in it waits for the event
// loop's next, so that timers and the window run in between and no
// connection is left out.
bool DownloadManager::stepAside(int lane)
{
    if (waitsForFirstRecord())
        return true;
    const qint64 now = m_driver.turnNanoseconds();
    const auto found = m_lanes.find(lane);
    if (now < 0 || found == m_lanes.end())
        return false;
    Lane &running = found->second;
    if (running.turn != m_driver.turnSerial()) {
        running.turn = m_driver.turnSerial();
        running.turnFromNs = now;
    }
    const qint64 turn = m_settings.turnMicroseconds * 1000;
    if (now < turn || now - running.turnFromNs < turn / 8)
        return false;
    if (!std::exchange(m_resumePosted, true))
        QMetaObject::invokeMethod(this, "resumeLanes", Qt::QueuedConnection);
    return true;
}

// Asked from libcurl's write callback once an answer's first byte is in:
// no signal here, only whether the bytes may be written.
bool DownloadManager::checkAnswer(int lane, RangeTransfer &transfer)
{
    switch (transfer.answer()) {
    case AnswerKind::Range:
        // A range of another file than the part's: never spliced in.
        if (isOtherFile(transfer)) {
            transfer.refuseAsOtherFile();
            return false;
        }
        if (m_record.ifRange().isEmpty()) {
            m_record.etag = transfer.etag();
            m_record.lastModified = transfer.lastModified();
            m_partRecorded = m_partRecorded && m_record.ifRange().isEmpty();
        }
        if (!m_plan && transfer.fileTotal() > 0) {
            planFor(transfer.fileTotal());
            m_plan->take(lane);
        }
        if (!m_partRecorded)
            recordFirst();
        return true;
    case AnswerKind::WholeFile:
        // A second whole answer to a range: the server keeps starting the
        // file over, and it is not taken again.
        if (m_startOvers > 0) {
            transfer.refuseAsOtherFile();
            return false;
        }
        takeWholeFile(lane, transfer);
        return true;
    case AnswerKind::Error:
        return true;
    default:
        return false;
    }
}

// An answer whose length or validators differ from the file the part is
// of: a server or cache that ignored If-Range, or one without validators
// whose file changed length.
bool DownloadManager::isOtherFile(const RangeTransfer &transfer) const
{
    const auto differs = [](const QString &known, const QString &answered) {
        return !known.isEmpty() && !answered.isEmpty() && known != answered;
    };
    return (m_total > 0 && transfer.fileTotal() > 0 && transfer.fileTotal() != m_total)
        || differs(m_record.etag, transfer.etag()) || differs(m_record.lastModified, transfer.lastModified());
}

// A whole file in answer to a range: the server will not split, or the file
// changed. Either way it is written from byte zero over one connection, and
// nothing of the old part stays.
void DownloadManager::takeWholeFile(int lane, RangeTransfer &transfer)
{
    stepTaken(DeviceStep::StartOverBegins);
    ++m_startOvers;
    for (auto &entry : m_lanes) {
        if (entry.first != lane)
            entry.second.transfer->dismiss();
    }
    PartRecord fresh;
    fresh.total = transfer.fileTotal();
    fresh.etag = transfer.etag();
    fresh.lastModified = transfer.lastModified();
    forgetHeldBytes(fresh);
    m_budget.limitToOne();
    m_total = transfer.fileTotal();
    dropPlan();
    if (m_total > 0) {
        setPlan(std::vector<ByteRange>{{0, m_total}}, Whole);
        m_plan->take(lane);
    }
}

// No byte of the file goes into the part before a record of it is on the
// device: without one, a next run would take the part for a run from byte
// zero of whatever file the server has by then. The record is written on
// the records' thread; the transfers wait for it in stepAside().
void DownloadManager::recordFirst()
{
    m_record.total = m_total;
    m_record.setHeld(m_held);
    m_record.inOrder = laneTarget() == 1 && m_held.prefixEnd() == m_held.end();
    m_firstRecord = m_records.save(m_tempFilePath, m_record);
    m_partRecorded = true;
}

// Whether bytes must wait for the first record still; a record that could
// not be written holds them for good, until the event loop's next turn
// ends the download.
bool DownloadManager::waitsForFirstRecord()
{
    if (m_firstRecord == 0)
        return false;
    if (!m_records.hasWritten(m_firstRecord))
        return true;
    if (m_records.error() != 0) {
        QMetaObject::invokeMethod(this, "resumeLanes", Qt::QueuedConnection);
        return true;
    }
    m_firstRecord = 0;
    return false;
}

// What the part held no longer counts: first on the device, with a record
// that holds nothing (a next run empties such a part), and only then in
// the part, which the writer empties before any new byte goes in; new
// bytes wait for that record.
void DownloadManager::forgetHeldBytes(const PartRecord &nothingHeld)
{
    Q_ASSERT(nothingHeld.held().isEmpty());
    m_record = nothingHeld;
    m_held = ByteRanges();
    m_firstRecord = m_records.save(m_tempFilePath, nothingHeld);
    m_partRecorded = true;
    m_writer.startOver();
    m_bytesBefore = m_receivedAtSample = m_partLength = 0;
}

void DownloadManager::stepTaken(DeviceStep step) const
{
    if (m_settings.afterDeviceStep)
        m_settings.afterDeviceStep(step);
}

// A record that could not be written ends the download: what the part
// holds could no longer be told, and no connection may start on it.
bool DownloadManager::recordFailed()
{
    const int error = m_records.error();
    if (error == 0)
        return false;
    m_records.clearError();
    DownloadResult result = resultOf(DownloadOutcome::WriteFailed, m_savePath);
    result.systemError = quint32(error);
    fail(result);
    return true;
}

void DownloadManager::onTransferWorked()
{
    if (!isUnderWay())
        return;
    dropDismissed();
    // The size of the whole file is known: a resumed part shows at once.
    if (m_total > 0 && !m_totalReported) {
        m_totalReported = true;
        Q_EMIT progress(receivedBytes(), m_total);
    }
    advancePlan();
    noteActivity();
    if (!endLanes(m_driver.takeFinished()))
        return;
    // A server that keeps the connection open after the last byte: the
    // range is done when its bytes are in.
    std::vector<std::pair<CURL *, CURLcode>> done;
    for (const auto &entry : m_lanes) {
        if (entry.second.transfer->reachedEnd())
            done.emplace_back(entry.second.transfer->handle(), CURLE_OK);
    }
    if (endLanes(done)) {
        refillLanes();
        maybeComplete();
    }
}

// Free work goes to new connections, up to as many as the file gets, once
// a broken connection's back-off has ended; a probe that broke asks again.
void DownloadManager::refillLanes()
{
    if (!isUnderWay())
        return;
    const qint64 wait = m_budget.retryAtMs() - m_clock.elapsed();
    if (wait > 0) {
        m_retryTimer.start(int(wait));
    } else if (!m_plan) {
        if (m_lanes.empty() && !recordFailed())
            launch(0, requestFor(probeRange()));
    } else {
        for (int lane = 0; m_plan && m_plan->hasFree() && int(m_lanes.size()) < laneTarget(); ++lane) {
            if (!m_lanes.count(lane) && !startLane(lane))
                break;
        }
    }
    emitBusy();
}

// Connections dismissed for a whole file no longer count, for the bytes,
// the busy count or the file's end.
void DownloadManager::dropDismissed()
{
    std::vector<int> dismissed;
    for (const auto &entry : m_lanes) {
        if (entry.second.transfer->isDismissed())
            dismissed.push_back(entry.first);
    }
    for (const int lane : dismissed)
        dropLane(lane);
}

void DownloadManager::advancePlan()
{
    if (!m_plan)
        return;
    for (const auto &entry : m_lanes)
        m_plan->advance(entry.first, entry.second.transfer->position());
}

qint64 DownloadManager::receivedBytes() const
{
    qint64 received = m_bytesBefore;
    for (const auto &entry : m_lanes)
        received += entry.second.transfer->bytes();
    return received;
}

// The transfers are found before any of them ends: ending one may start the
// download over, and a new transfer may then have a handle at an ended
// one's address, or its lane. False once the download ended or failed.
bool DownloadManager::endLanes(const std::vector<std::pair<CURL *, CURLcode>> &ended)
{
    struct Ended {
        int lane;
        quint64 serial;
        CURLcode code;
    };
    std::vector<Ended> found;
    for (const auto &[easy, code] : ended) {
        for (const auto &entry : m_lanes) {
            if (entry.second.transfer->handle() == easy)
                found.push_back({entry.first, entry.second.serial, code});
        }
    }
    for (const Ended &one : found) {
        if (!isUnderWay())
            return false;
        const auto lane = m_lanes.find(one.lane);
        if (lane != m_lanes.end() && lane->second.serial == one.serial)
            endLane(one.lane, one.code);
    }
    return isUnderWay();
}

// A failed download keeps its state until the part is closed; nothing new
// starts in the meantime.
bool DownloadManager::isUnderWay() const
{
    Q_ASSERT(m_phase != Phase::Probing || !m_plan);
    Q_ASSERT(m_phase != Phase::Transferring || m_plan);
    return m_phase == Phase::Probing || m_phase == Phase::Transferring;
}

void DownloadManager::endLane(int lane, CURLcode code)
{
    RangeTransfer &transfer = *m_lanes.at(lane).transfer;
    transfer.handOver();
    const TransferEnd end = transfer.finish(code);
    dropLane(lane);
    if (!end.dismissed)
        judgeEnd(lane, end);
}

// What one connection's end means for the download.
void DownloadManager::judgeEnd(int lane, const TransferEnd &end)
{
    if (recordFailed())
        return;
    if (end.otherFile) {
        restartFromZero(false);
        return;
    }
    if (m_writer.error() != 0) {
        DownloadResult result = resultOf(DownloadOutcome::WriteFailed, m_savePath);
        result.systemError = quint32(m_writer.error());
        fail(result);
        return;
    }
    // The server sends more than the file holds: whatever it is, it is not
    // the file, and it is not written on.
    if (end.tooLong) {
        fail(resultOf(DownloadOutcome::TooLong, m_tempFilePath));
        return;
    }
    switch (end.answer) {
    case AnswerKind::Range:
    case AnswerKind::WholeFile:
        if (end.reachedEnd || (end.curlCode == CURLE_OK && !m_plan)) {
            // A file of no stated length ends where its answer does.
            if (!m_plan) {
                m_total = receivedBytes();
                setPlan(std::vector<ByteRange>(), Whole);
            }
            m_budget.pieceDone();
            if (m_lanes.size() < size_t(laneTarget()))
                startLane(lane);
            return;
        }
        break;
    case AnswerKind::Error:
        judgeError(lane, end);
        return;
    case AnswerKind::Unsatisfiable:
        // A part that was already whole ends complete, and so does a file
        // of no bytes.
        if (!m_plan && m_held.prefixEnd() > 0 && m_held.prefixEnd() == end.fileTotal) {
            planFor(m_held.prefixEnd());
            return;
        }
        if (!m_plan && m_held.isEmpty() && end.emptyFile) {
            planFor(0);
            return;
        }
        // A first piece refused for a file that has bytes: the server does
        // not take ranges, and the file comes over one connection.
        if (!m_plan && connections() > 1) {
            m_budget.limitToOne();
            restartFromZero(true);
            return;
        }
        restartFromZero(false);
        return;
    case AnswerKind::WrongRange:
        if (retire(lane))
            return;
        // A first piece the server will not give with the file's length:
        // the file comes over one connection, once more from the start.
        if (!m_plan && connections() > 1) {
            m_budget.limitToOne();
            restartFromZero(true);
        } else {
            restartFromZero(false);
        }
        return;
    case AnswerKind::Pending:
        break;
    }
    judgeBreak(lane, end);
}

namespace {

// A connection that ended this way may work when tried again: the line or
// the server broke it, nothing says it will fail again.
bool mayWorkAgain(CURLcode code)
{
    switch (code) {
    case CURLE_OK: // a body that ended before its last byte
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_COULDNT_CONNECT:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_HTTP2:
    case CURLE_HTTP2_STREAM:
        return true;
    default:
        return false;
    }
}

} // namespace

// A connection cut short. One that got no answer at all while others are
// served was refused: the server takes no more. One that broke is tried
// again after a back-off, where it stopped, on the same budget.
void DownloadManager::judgeBreak(int lane, const TransferEnd &end)
{
    if (!mayWorkAgain(end.curlCode)) {
        DownloadResult result = resultOf(DownloadOutcome::TransferFailed);
        result.curlCode = end.curlCode;
        fail(result);
        return;
    }
    if (end.status == 0 && retire(lane))
        return;
    m_budget.broke(m_clock.elapsed(), end.bytes > 0);
    if (m_budget.givesUp()) {
        giveUpAfterBreaks(end);
        return;
    }
    if (m_plan)
        m_plan->giveBack(lane);
    else
        m_held.add({m_held.prefixEnd(), m_held.prefixEnd() + end.bytes});
}

// Connection after connection broke without bringing a byte.
void DownloadManager::giveUpAfterBreaks(const TransferEnd &end)
{
    if (end.curlCode == CURLE_OK || end.curlCode == CURLE_PARTIAL_FILE) {
        fail(resultOf(DownloadOutcome::EndedEarly));
        return;
    }
    DownloadResult result = resultOf(DownloadOutcome::TransferFailed);
    result.curlCode = end.curlCode;
    fail(result);
}

void DownloadManager::judgeError(int lane, const TransferEnd &end)
{
    // A redirect not followed: libcurl's code says why.
    if (end.status >= 300 && end.status < 400 && end.curlCode != CURLE_OK) {
        DownloadResult result = resultOf(DownloadOutcome::TransferFailed);
        result.curlCode = end.curlCode;
        fail(result);
        return;
    }
    if (end.status == 403 || end.status == 410) {
        // What the file server answers to an expired link, also to a range.
        DownloadResult result = resultOf(DownloadOutcome::LinkExpired);
        result.httpStatus = end.status;
        fail(result);
        return;
    }
    // A server that takes only so many connections: the others go on.
    const bool busy = end.status == 503 || end.status == 429;
    if (busy && retire(lane))
        return;
    DownloadResult result = resultOf(DownloadOutcome::HttpError);
    result.httpStatus = end.status;
    fail(result);
}

// The connection was refused while others go on: its range goes back to
// them, and the file uses fewer connections for a while.
bool DownloadManager::retire(int lane)
{
    if (m_lanes.empty() || !m_plan)
        return false;
    m_plan->giveBack(lane);
    m_budget.refused(int(m_lanes.size()));
    return true;
}

void DownloadManager::dropLane(int lane)
{
    const auto it = m_lanes.find(lane);
    if (it == m_lanes.end())
        return;
    if (!it->second.transfer->isDismissed())
        m_bytesBefore += it->second.transfer->bytes();
    if (m_plan) {
        m_plan->advance(lane, it->second.transfer->position());
        const std::optional<ByteRange> rest = m_plan->rangeOf(lane);
        if (rest && rest->size() == 0)
            m_plan->giveBack(lane);
    }
    m_driver.remove(it->second.transfer->handle());
    m_lanes.erase(it);
}

// The connection stops where it is: what it brought goes to the writer, the
// rest of its range back to the plan.
void DownloadManager::giveUpLane(int lane)
{
    m_lanes.at(lane).transfer->handOver();
    dropLane(lane);
    if (m_plan)
        m_plan->giveBack(lane);
}

void DownloadManager::dropLanes()
{
    while (!m_lanes.empty())
        giveUpLane(m_lanes.begin()->first);
    m_driver.release();
}

// Every byte is in: the part is closed and flushed to the device, and its
// digest taken, on a thread of its own.
void DownloadManager::maybeComplete()
{
    if (!isUnderWay() || !m_lanes.empty() || !m_plan || !m_plan->isDone())
        return;
    m_speedTimer.stop();
    m_driver.release();
    closePart(true, [this](const PartFileWriter::Closed &closed) { completeDownload(closed); });
}

// The server answered with the wrong part of the file: keep nothing of it
// and ask once more for the whole file; a second time is an error, unless
// the first was only the server's way of saying it will not split.
void DownloadManager::restartFromZero(bool freeOfCharge)
{
    if (!freeOfCharge && m_startOvers++ > 0) {
        fail(resultOf(DownloadOutcome::WrongPart, m_tempFilePath));
        return;
    }
    stepTaken(DeviceStep::StartOverBegins);
    dropLanes();
    forgetHeldBytes(PartRecord());
    m_total = 0;
    beginLanes();
}

// The download ends without the file: the part is closed on a thread of
// its own and kept with its record, and then the failure is told.
void DownloadManager::fail(DownloadResult result)
{
    if (!isUnderWay())
        return;
    m_speedTimer.stop();
    dropLanes();
    m_writer.stopHashing();
    closePart(false, [this, result](const PartFileWriter::Closed &) { report(result); });
}

void DownloadManager::closePart(bool digest, AfterClose then)
{
    m_retryTimer.stop();
    m_phase = Phase::Closing;
    m_afterClose = std::move(then);
    m_record.total = m_total;
    m_closing.setFuture(QtConcurrent::run([this, digest] {
        const PartFileWriter::Closed closed = m_writer.close(digest);
        std::lock_guard<std::mutex> lock(m_closedMutex);
        m_closed = closed;
    }));
}

// The close has ended: the part is recorded for as much of it as is on the
// device, and the attempt comes to its end.
void DownloadManager::onClosed()
{
    if (!m_afterClose)
        return;
    m_closing.waitForFinished();
    PartFileWriter::Closed closed;
    {
        std::lock_guard<std::mutex> lock(m_closedMutex);
        closed = m_closed;
    }
    const AfterClose then = std::exchange(m_afterClose, AfterClose());
    // A whole file is kept as it is, even one of no bytes; a record goes
    // only beside the part itself, not beside whatever took its name.
    const bool whole = m_plan && m_plan->isDone();
    if (!whole && m_part.isAt(nativeFilePath(m_tempFilePath)))
        keepPart(m_tempFilePath, m_record, m_writer.durable());
    endTransfer();
    then(closed);
}

// An earlier close still under way ends before anything else touches the part.
void DownloadManager::settleClose()
{
    if (!m_closing.isRunning() && !m_afterClose)
        return;
    m_closing.waitForFinished();
    onClosed();
}

void DownloadManager::completeDownload(const PartFileWriter::Closed &closed)
{
    if (!closed.written) {
        DownloadResult result = resultOf(DownloadOutcome::WriteFailed, m_savePath);
        result.systemError = quint32(closed.error ? closed.error : EIO);
        report(result);
        return;
    }
    // The name must still hold the bytes just hashed.
    if (!m_part.isAt(nativeFilePath(m_tempFilePath))) {
        report(resultOf(DownloadOutcome::PartGone, m_tempFilePath));
        return;
    }
    m_digest = closed.digest;
    if (m_mustBeDiscImage && !isDiscImage()) {
        keepUnverified(UnverifiedReason::NotADiscImage);
        return;
    }
    if (!m_publishedDigests.isEmpty() && !m_publishedDigests.contains(m_digest, Qt::CaseInsensitive)) {
        keepUnverified(UnverifiedReason::DigestDiffers);
        return;
    }
    if (!moveInto(m_savePath))
        return;
    m_part.close();
    Q_EMIT finished(m_savePath);
    Q_EMIT statusChanged(QStringLiteral("Download complete"));
}

void DownloadManager::keepUnverified(UnverifiedReason reason)
{
    const QString kept = m_savePath + QStringLiteral(".unverified");
    if (moveInto(kept)) {
        m_part.close();
        Q_EMIT unverified(kept, m_digest, reason);
    }
}

// The whole part, as long as announced, with a disc image's volume
// descriptors where they begin, and as long as its volume says.
bool DownloadManager::isDiscImage() const
{
    if (m_part.length() != m_total)
        return false;
    const PartReader reader(m_part.reader());
    QByteArray descriptors(IsoImage::DescriptorsRead, '\0');
    const long long read = reader.isOpen()
        ? reader.readAt(descriptors.data(), size_t(descriptors.size()), IsoImage::DescriptorsOffset)
        : -1;
    if (read <= 0)
        return false;
    descriptors.truncate(int(read));
    return IsoImage::hasVolumeDescriptors(descriptors) && m_part.length() >= IsoImage::statedVolumeBytes(descriptors);
}

// A rename replaces an existing file in one step on every system. The
// record goes only once the new name is on the device: until then, a crash
// may leave the part under its old name, and its record with it.
bool DownloadManager::moveInto(const QString &path)
{
    if (platform::replaceFile(m_tempFilePath.toStdWString().c_str(), path.toStdWString().c_str())) {
        flushFolderOf(nativeFilePath(path));
        stepTaken(DeviceStep::FileRenamed);
        m_records.forget(m_tempFilePath);
        return true;
    }
    DownloadResult result = resultOf(DownloadOutcome::MoveFailed, path);
    result.systemError = platform::lastError();
    report(result);
    return false;
}

// The failure, as facts and in the fixed words of the engine's signal.
void DownloadManager::report(DownloadResult result)
{
    m_phase = Phase::Idle;
    m_part.close();
    if (result.outcome == DownloadOutcome::LinkExpired) {
        Q_EMIT linkExpired();
        return;
    }
    Q_EMIT failed(result);
    Q_EMIT downloadError(engineErrorText(result));
}

// A part that stays: one with nothing known to be on the device holds
// nothing to resume and goes (without its record, what several connections
// wrote would pass for a run from byte zero); any other is recorded for as
// much of it as is on the device.
void DownloadManager::keepPart(const QString &part, PartRecord record, const ByteRanges &durable)
{
    if (durable.isEmpty()) {
        m_part.removeFrom(nativeFilePath(part));
        m_records.forget(part);
        return;
    }
    if (durable == record.held() && QFile::exists(partRecordPath(part)))
        return;
    record.setHeld(durable);
    m_records.save(part, record, m_part.duplicate());
}

// The record beside the part follows what is known to be on the device.
void DownloadManager::recordPart()
{
    const ByteRanges durable = m_writer.durable();
    if (durable.isEmpty() || durable == m_record.held())
        return;
    m_record.total = m_total;
    m_record.setHeld(durable);
    m_records.save(m_tempFilePath, m_record);
}

void DownloadManager::cancelDownload()
{
    m_speedTimer.stop();
    if (m_phase == Phase::Idle && !m_afterClose)
        return;
    const QString part = m_tempFilePath;
    dropLanes();
    m_writer.abandon();
    m_records.forget(part);
    const AfterClose removePart = [this, part](const PartFileWriter::Closed &) {
        m_part.removeFrom(nativeFilePath(part));
        removePartRecord(part);
        m_part.close();
    };
    // A close under way ends in the part's removal, not in its report.
    if (m_afterClose)
        m_afterClose = removePart;
    else
        closePart(false, removePart);
    m_tempFilePath.clear();
    m_phase = Phase::Idle;
}

// The part stays, closed and flushed to the device on a thread of its own,
// and its record then says what of it is there. Nothing waits for the
// hashing.
void DownloadManager::stopDownload()
{
    if (m_phase == Phase::Idle)
        return;
    m_speedTimer.stop();
    dropLanes();
    m_writer.stopHashing();
    const AfterClose keepQuiet = [this](const PartFileWriter::Closed &) { m_part.close(); };
    if (m_afterClose)
        m_afterClose = keepQuiet;
    else
        closePart(false, keepQuiet);
    m_phase = Phase::Idle;
}

void DownloadManager::endTransfer()
{
    m_phase = Phase::Idle;
    m_speedTimer.stop();
    m_retryTimer.stop();
    dropLanes();
    m_plan.reset();
    m_currentSpeed = 0.0;
    emitBusy();
}

void DownloadManager::emitBusy()
{
    const int busy = int(m_lanes.size());
    if (busy != std::exchange(m_busyReported, busy))
        Q_EMIT connectionsChanged(busy);
}

// Once a second: the speed, the stall watch, the record and the progress.
// The part being read back for its digest changes only what is shown.
void DownloadManager::sample()
{
    if (!isUnderWay() || recordFailed())
        return;
    const qint64 now = clockMs();
    const qint64 gap = countedGap(m_lastSampleTime, now, SpeedIntervalMs);
    m_lastSampleTime = now;
    recordPart();
    const qint64 received = receivedBytes();
    const qint64 fresh = qMax<qint64>(0, received - m_receivedAtSample);
    m_receivedAtSample = received;
    m_sinceDataMs += gap;
    if (!watchStalls())
        return;
    bool paused = false;
    for (const auto &entry : m_lanes)
        paused = paused || entry.second.transfer->isPaused();
    if (stallDetected(m_sinceDataMs, fresh, m_settings.stallLimitMs) && !(paused && fresh == 0)) {
        stopOnStall();
        return;
    }
    // A transfer that waits for a slow disk is no stall: the network
    // brought bytes faster than they could be written.
    if (fresh > 0 || paused) {
        if (fresh > 0) {
            m_currentSpeed = double(fresh) / double(qMax<qint64>(m_sinceDataMs, 1)) * 1000.0;
            Q_EMIT speedChanged(m_currentSpeed);
            Q_EMIT statusChanged(QStringLiteral("Downloading at %1").arg(speedText(m_currentSpeed)));
        }
        m_sinceDataMs = 0;
    }
    if (m_writer.isCheckingPart())
        Q_EMIT checkingPart(m_writer.checkedBytes(), m_partLength);
    else
        Q_EMIT progress(received, m_total);
}

// A connection that brought nothing for longer than the limit, while others
// brought bytes since, is given up and its range goes to a fresh one. False
// once the download ended.
bool DownloadManager::watchStalls()
{
    if (connections() == 1 || !m_plan)
        return true;
    const qint64 now = clockMs();
    std::vector<int> quiet;
    for (const auto &entry : m_lanes) {
        const Lane &lane = entry.second;
        const bool others = lane.activeAtMs < m_dataAtMs;
        if (now - lane.activeAtMs > m_settings.stallLimitMs && others && !lane.transfer->isPaused())
            quiet.push_back(entry.first);
    }
    for (const int lane : quiet)
        giveUpLane(lane);
    refillLanes();
    return isUnderWay();
}

// When each connection last brought bytes, and when any did.
void DownloadManager::noteActivity()
{
    const qint64 now = clockMs();
    for (auto &entry : m_lanes) {
        Lane &lane = entry.second;
        const qint64 bytes = lane.transfer->bytes();
        if (bytes == lane.lastBytes)
            continue;
        lane.lastBytes = bytes;
        lane.activeAtMs = m_dataAtMs = now;
        m_budget.brought();
    }
}

void DownloadManager::stopOnStall()
{
    qCDebug(lcDownload) << "DownloadManager: no progress for the stall limit, stopping";
    fail(resultOf(DownloadOutcome::Stalled));
}
