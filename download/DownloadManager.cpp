#include "DownloadManager.h"

#include "CurlMessages.h"
#include "DownloadLog.h"
#include "PartFile.h"
#include "PartRecord.h"
#include "SpeedMeter.h"
#include "platform/Platform.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <cerrno>
#include <utility>

namespace {

constexpr int SpeedIntervalMs = 1000;
constexpr long ReceiveBufferBytes = 512L * 1024;

} // namespace

DownloadManager::DownloadManager(QObject *parent)
    : QObject(parent)
    , m_writer([this] {
        QMetaObject::invokeMethod(
            this, [this] { resumeTransfer(); }, Qt::QueuedConnection);
    })
{
    m_clock.start();
    m_speedTimer.setInterval(SpeedIntervalMs);
    connect(&m_speedTimer, &QTimer::timeout, this, &DownloadManager::calculateSpeed);
    connect(&m_driver, &CurlMultiDriver::worked, this, &DownloadManager::onTransferWorked);
    connect(&m_driver, &CurlMultiDriver::failed, this, [this](const QString &reason) {
        finishDownload(CURLE_ABORTED_BY_CALLBACK, QStringLiteral("Download failed: %1").arg(reason));
    });
    curl_global_init(CURL_GLOBAL_ALL);
}

DownloadManager::~DownloadManager()
{
    if (m_isDownloading)
        cancelDownload();
    // A close still under way reports back to this object: let it end first.
    m_writer.waitForBackgroundClose();
}

QString DownloadManager::makeTempFilePath(const QString &url, const QString &savePath)
{
    return partfile::pathFor(url, savePath);
}

// The record beside the part follows what is known to be on disk.
void DownloadManager::recordPart()
{
    m_record.total = m_bytesTotal;
    saveRecord(m_tempFilePath, m_record, m_writer.durableLength());
}

void DownloadManager::saveRecord(const QString &part, PartRecord &record, qint64 durable)
{
    if (durable <= 0 || durable == record.length)
        return;
    record.length = durable;
    m_records.save(part, record);
}

// A part that stays: an empty one holds nothing to resume and goes, any
// other is recorded for as much of it as is on the device. Any thread.
void DownloadManager::keepPart(const QString &part, PartRecord &record, qint64 durable)
{
    if (QFileInfo(part).size() == 0) {
        QFile::remove(part);
        m_records.forget(part);
        return;
    }
    saveRecord(part, record, durable);
}

// The part starts over: what the record says is no longer true of it. The
// answer's own ETag and date stay, for the record of the new part.
void DownloadManager::forgetPartRecord()
{
    m_records.forget(m_tempFilePath);
    m_record.length = 0;
}

QStringList DownloadManager::allowedSchemes() const
{
    return m_settings.plainHttpAllowed ? QStringList{QStringLiteral("https"), QStringLiteral("http")}
                                       : QStringList{QStringLiteral("https")};
}

void DownloadManager::startDownload(const QString &url, const QString &savePath)
{
    if (m_isDownloading)
        return;
    qCDebug(lcDownload) << "DownloadManager: startDownload called with url:" << url;
    // A cancelled part may still be on its way out.
    m_writer.waitForBackgroundClose();
    if (!allowedSchemes().contains(QUrl(url).scheme())) {
        Q_EMIT downloadError(QStringLiteral("Only %1 links can be downloaded, and this one is not: %2")
                                 .arg(allowedSchemes().join(QLatin1String(" or ")), url));
        return;
    }
    m_bytesReceived = m_bytesTotal = m_tempBytes = 0;
    m_totalReported = false;
    m_sha256.clear();
    m_currentSpeed = 0.0;
    m_isDownloading = true;
    m_cancelled = false;
    ++m_attempt;
    m_startedOver = false;
    m_writeErrno = 0;
    m_lastSampleTime = clockMs();
    m_sinceDataMs = 0;
    m_url = url;
    m_savePath = savePath;
    m_tempFilePath = makeTempFilePath(url, savePath);
    QDir().mkpath(QFileInfo(savePath).absolutePath());
    partfile::adoptOldName(url, savePath);
    m_records.waitForWrites();
    const partfile::Resumable resumable = partfile::resumable(m_tempFilePath);
    m_record = resumable.record;
    m_resumeOffset = resumable.length;
    // Bytes of the file so far: a resumed part counts from the start.
    m_bytesReceived = m_resumeOffset;
    if (!openPartFile()) {
        Q_EMIT downloadError(QStringLiteral("Cannot create file: %1").arg(m_tempFilePath));
        resetTransfer();
        return;
    }
    if (!beginTransfer()) {
        Q_EMIT downloadError(QStringLiteral("Failed to initialize CURL"));
        resetTransfer();
        return;
    }
    qCDebug(lcDownload) << "DownloadManager: Starting timers, isDownloading:" << m_isDownloading;
    m_speedTimer.start();
    Q_EMIT statusChanged(QStringLiteral("Downloading..."));
}

void DownloadManager::cancelDownload()
{
    m_cancelled = true;
    m_speedTimer.stop();
    if (m_concluding) {
        dropConclusion();
        return;
    }
    if (m_isDownloading) {
        dropPart();
        return;
    }
    m_writer.abandon();
    finishDownload(CURLE_ABORTED_BY_CALLBACK, QString());
}

// A cancel while the part is being closed: whatever the transfer came to is
// not reported, and the part goes on whichever side gets to it first. The
// engine is free for the next start at once.
void DownloadManager::dropConclusion()
{
    ++m_attempt;
    m_concluding = false;
    m_writer.abandon();
    const QString part = std::exchange(m_tempFilePath, QString());
    m_records.forget(part);
    if (m_closeFate->exchange(CloseFate::Cancelled) == CloseFate::Reported)
        removePart(part);
    endTransfer();
}

void DownloadManager::removePart(const QString &part)
{
    QFile::remove(part);
    removePartRecord(part);
}

// What still waits for the disk is dropped, and the part is closed and
// removed on the writer's side: a slow device never holds the event loop up.
void DownloadManager::dropPart()
{
    m_writer.abandon();
    releaseTransfer();
    const QString part = std::exchange(m_tempFilePath, QString());
    m_records.forget(part);
    m_writer.closeInBackground([part](bool) { removePart(part); });
    endTransfer();
}

// The part stays, closed and flushed to the device on the writer's side,
// and its record then says all of it is there. The digest of a part that
// stays is never used: nothing waits for the hashing either.
void DownloadManager::stopDownload()
{
    if (!m_isDownloading)
        return;
    m_writer.stopHashing();
    ++m_attempt;
    // A close already under way keeps the part; what it comes to is not reported.
    if (!std::exchange(m_concluding, false)) {
        releaseTransfer();
        m_record.total = m_bytesTotal;
        m_writer.closeInBackground([this, part = std::exchange(m_tempFilePath, QString()), record = m_record](
                                       bool) mutable { keepPart(part, record, m_writer.durableLength()); });
    }
    endTransfer();
}

bool DownloadManager::openPartFile()
{
    m_writer.setLimits(m_settings.writeQueueBytes, m_settings.diskBytesPerSecond, m_settings.deviceRoomBytes);
    return m_writer.open(m_tempFilePath, m_resumeOffset > 0, m_settings.computeSha256);
}

// The disk has caught up with a transfer that waited for it.
void DownloadManager::resumeTransfer()
{
    if (!m_paused || !m_easyCurl)
        return;
    m_paused = false;
    curl_easy_pause(m_easyCurl, CURLPAUSE_CONT);
}

bool DownloadManager::beginTransfer()
{
    m_contentRange.reset();
    m_answerUse.reset();
    m_paused = false;
    m_easyCurl = curl_easy_init();
    if (!m_easyCurl)
        return false;
    configure(m_easyCurl);
    return m_driver.add(m_easyCurl);
}

void DownloadManager::configure(CURL *easy)
{
    curl_easy_setopt(easy, CURLOPT_URL, m_url.toUtf8().constData());
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &DownloadManager::writeCallback);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
    const QByteArray protocols = allowedSchemes().join(QLatin1Char(',')).toLatin1();
    const bool secure = QUrl(m_url).scheme() == QLatin1String("https");
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, protocols.constData());
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, secure ? "https" : protocols.constData());
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &DownloadManager::progressCallback);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, this);
    if (!m_settings.userAgent.isEmpty())
        curl_easy_setopt(easy, CURLOPT_USERAGENT, m_settings.userAgent.toUtf8().constData());
    // The file is fetched only from a server that proves who it is.
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!m_settings.caBundlePath.isEmpty())
        curl_easy_setopt(easy, CURLOPT_CAINFO, QFile::encodeName(m_settings.caBundlePath).constData());
#ifdef Q_OS_WIN
    curl_easy_setopt(easy, CURLOPT_SSL_OPTIONS, long(CURLSSLOPT_NATIVE_CA));
#endif
    if (!m_settings.dnsOverHttpsUrl.isEmpty())
        curl_easy_setopt(easy, CURLOPT_DOH_URL, m_settings.dnsOverHttpsUrl.toUtf8().constData());
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, 30L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, 30L);
    // The range is asked for by hand, not with libcurl's resume: that one
    // takes a whole answer as long as the part for "already downloaded" and
    // ends without a byte of it, while the part still holds other bytes.
    if (m_resumeOffset > 0) {
        const QByteArray range = QByteArray::number(m_resumeOffset) + '-';
        curl_easy_setopt(easy, CURLOPT_RANGE, range.constData());
    }
    // The rest of the part only if the file is still the one it came from;
    // otherwise the server sends the whole file and the part starts over.
    if (m_resumeOffset > 0 && !m_record.ifRange().isEmpty()) {
        m_requestHeaders =
            curl_slist_append(nullptr, (QStringLiteral("If-Range: ") + m_record.ifRange()).toLatin1().constData());
        curl_easy_setopt(easy, CURLOPT_HTTPHEADER, m_requestHeaders);
    }
    // Not in the product's option list of old, but needed to judge each answer.
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &DownloadManager::headerCallback);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(easy, CURLOPT_BUFFERSIZE, ReceiveBufferBytes);
}

size_t DownloadManager::headerCallback(char *data, size_t size, size_t count, void *manager)
{
    auto *self = static_cast<DownloadManager *>(manager);
    const QByteArray line(data, int(size * count));
    const QByteArray lower = line.toLower();
    if (line.startsWith("HTTP/")) {
        // A new answer (after a redirect, for instance) is judged afresh.
        self->m_contentRange.reset();
        self->m_answerUse.reset();
        self->m_record.etag.clear();
        self->m_record.lastModified.clear();
    } else if (lower.startsWith("content-range:")) {
        self->m_contentRange = parseContentRange(line.mid(14).trimmed());
    } else if (lower.startsWith("etag:")) {
        self->m_record.etag = QString::fromLatin1(line.mid(5).trimmed());
    } else if (lower.startsWith("last-modified:")) {
        self->m_record.lastModified = QString::fromLatin1(line.mid(14).trimmed());
    }
    return size * count;
}

AnswerUse DownloadManager::answerUse()
{
    if (!m_answerUse) {
        long status = 0;
        curl_easy_getinfo(m_easyCurl, CURLINFO_RESPONSE_CODE, &status);
        m_answerUse = judgeAnswer(status, m_contentRange, m_resumeOffset);
    }
    return *m_answerUse;
}

// A whole file sent in answer to a request for the rest starts the part over.
bool DownloadManager::applyAnswer(AnswerUse use)
{
    if (use != AnswerUse::WriteFromStart || m_resumeOffset == 0)
        return true;
    m_resumeOffset = 0;
    m_bytesReceived = 0;
    forgetPartRecord();
    return m_writer.truncate();
}

size_t DownloadManager::writeCallback(char *data, size_t size, size_t count, void *manager)
{
    auto *self = static_cast<DownloadManager *>(manager);
    if (!self || self->m_cancelled || !self->m_writer.isOpen())
        return 0;
    const size_t bytes = size * count;
    const AnswerUse use = self->answerUse();
    if (use == AnswerUse::Refuse)
        return bytes; // an error page is not the file
    if (use == AnswerUse::StartOver || use == AnswerUse::AlreadyComplete || !self->applyAnswer(use))
        return 0;
    if (self->m_writer.error() != 0) {
        self->m_writeErrno = self->m_writer.error();
        return 0;
    }
    if (!self->m_writer.enqueue(data, bytes)) {
        self->m_paused = true;
        return CURL_WRITEFUNC_PAUSE;
    }
    self->m_bytesReceived += qint64(bytes);
    self->m_tempBytes += qint64(bytes);
    return bytes;
}

int DownloadManager::progressCallback(void *manager, curl_off_t downloadTotal, curl_off_t, curl_off_t, curl_off_t)
{
    auto *self = static_cast<DownloadManager *>(manager);
    if (!self)
        return 0;
    if (self->m_cancelled)
        return 1;
    const bool fileBytes = self->m_answerUse == AnswerUse::Append || self->m_answerUse == AnswerUse::WriteFromStart;
    // Totals count the part's bytes too, so a resumed transfer ends only
    // when the whole file is there.
    if (fileBytes && downloadTotal > 0)
        self->m_bytesTotal = self->m_resumeOffset + qint64(downloadTotal);
    return 0;
}

void DownloadManager::onTransferWorked()
{
    if (!m_isDownloading || m_cancelled)
        return;
    // The size of the whole file is known: a resumed part shows at once.
    if (m_bytesTotal > 0 && !m_totalReported) {
        m_totalReported = true;
        Q_EMIT progress(m_bytesReceived, m_bytesTotal);
    }
    if (const std::optional<CURLcode> done = m_driver.takeFinished()) {
        qCDebug(lcDownload) << "DownloadManager: transfer done, calling finishDownload with res:" << *done;
        finishDownload(*done, QString());
    } else if (m_bytesTotal > 0 && m_bytesReceived >= m_bytesTotal) {
        qCDebug(lcDownload) << "DownloadManager: bytes reached total, forcing completion";
        finishDownload(CURLE_OK, QString());
    }
}

// The transfer is over: the part is closed and flushed to the device on the
// writer's side (a slow disk never holds the event loop up), and what the
// answer means is decided once that is done. A cancel closes at once, as
// what still waited for the disk is dropped.
void DownloadManager::finishDownload(CURLcode curlResult, const QString &errorMessage)
{
    m_speedTimer.stop();
    if (m_concluding)
        return;
    if (!m_writer.isOpen() && !m_easyCurl) {
        resetTransfer();
        return;
    }
    long status = 0;
    if (m_easyCurl)
        curl_easy_getinfo(m_easyCurl, CURLINFO_RESPONSE_CODE, &status);
    // Without any answer there is nothing to judge; the transfer's code tells why.
    const Conclusion conclusion{curlResult, errorMessage, status, status != 0 ? answerUse() : AnswerUse::Refuse};
    releaseTransfer();
    // Only a file that may be complete needs its digest: anything else
    // closes without waiting for the hashing.
    const bool mayBeComplete = errorMessage.isEmpty() && curlResult == CURLE_OK
        && (conclusion.use == AnswerUse::Append || conclusion.use == AnswerUse::WriteFromStart
            || conclusion.use == AnswerUse::AlreadyComplete);
    if (!mayBeComplete)
        m_writer.stopHashing();
    if (m_cancelled && errorMessage.isEmpty()) {
        conclude(conclusion, closePartFile());
        return;
    }
    m_concluding = true;
    const auto fate = std::make_shared<std::atomic<CloseFate>>(CloseFate::Pending);
    m_closeFate = fate;
    m_writer.closeInBackground([this, conclusion, fate, attempt = m_attempt, part = m_tempFilePath](bool written) {
        CloseFate pending = CloseFate::Pending;
        if (!fate->compare_exchange_strong(pending, CloseFate::Reported)) {
            removePart(part);
            return;
        }
        QMetaObject::invokeMethod(
            this,
            [this, conclusion, written, attempt] {
                if (attempt != m_attempt)
                    return;
                m_concluding = false;
                m_writer.waitForBackgroundClose();
                if (!written && m_writeErrno == 0)
                    m_writeErrno = m_writer.error() ? m_writer.error() : EIO;
                conclude(conclusion, written);
            },
            Qt::QueuedConnection);
    });
}

// A part that was already whole ends complete before its answer's status
// (a 416) is looked at.
void DownloadManager::conclude(const Conclusion &conclusion, bool written)
{
    const bool fileIntact = written && m_writeErrno == 0;
    const AnswerUse use = conclusion.use;
    const long status = conclusion.status;
    qCDebug(lcDownload) << "DownloadManager: finishDownload, errorMessage:" << conclusion.errorMessage
                        << "curlResult:" << conclusion.curlResult << "cancelled:" << m_cancelled;
    if (!conclusion.errorMessage.isEmpty()) {
        qCDebug(lcDownload) << "DownloadManager: emitting downloadError:" << conclusion.errorMessage;
        Q_EMIT downloadError(conclusion.errorMessage);
    } else if (m_cancelled) {
        QFile::remove(m_tempFilePath);
    } else if (!fileIntact) {
        Q_EMIT downloadError(writeFailureMessage());
    } else if (use == AnswerUse::StartOver || wholeFileNeverArrived(use, conclusion.curlResult)) {
        if (restartFromZero())
            return;
    } else if (use == AnswerUse::AlreadyComplete) { // NOLINT(bugprone-branch-clone): before the 416
        completeDownload();
    } else if (status == 403 || status == 410) {
        // What the file server answers to an expired link, also to a resume.
        Q_EMIT linkExpired();
    } else if (conclusion.curlResult != CURLE_OK) {
        handleCurlError(conclusion.curlResult);
        return;
    } else if (use == AnswerUse::Refuse) {
        Q_EMIT downloadError(QStringLiteral("HTTP error: %1").arg(status));
    } else {
        completeDownload();
    }
    resetTransfer();
}

// A whole file answered to a request for the rest always starts from byte
// zero; if none of its bytes came, the part still holds the old ones and is
// not the file, whatever its length.
bool DownloadManager::wholeFileNeverArrived(AnswerUse use, CURLcode curlResult) const
{
    return use == AnswerUse::WriteFromStart && m_resumeOffset > 0 && curlResult == CURLE_OK;
}

// Only a file that is really at its destination counts as finished, and
// only when its SHA-256 is one the page publishes (if it publishes any). An
// existing destination is replaced in one step, so it is never lost.
void DownloadManager::completeDownload()
{
    if (!QFileInfo::exists(m_tempFilePath)) {
        Q_EMIT downloadError(QStringLiteral("The downloaded data is gone: %1").arg(m_tempFilePath));
        return;
    }
    m_sha256 = m_writer.sha256();
    if (!m_publishedSha256.isEmpty() && !m_publishedSha256.contains(m_sha256, Qt::CaseInsensitive)) {
        const QString kept = m_savePath + QStringLiteral(".unverified");
        if (moveInto(kept))
            Q_EMIT unverified(kept, m_sha256);
        return;
    }
    if (!moveInto(m_savePath))
        return;
    Q_EMIT finished(m_savePath);
    Q_EMIT statusChanged(QStringLiteral("Download complete"));
}

// A rename replaces an existing file in one step on every system. The reason
// for a failure is the system's own (FormatMessage's on Windows), not a code
// squeezed into errno.
bool DownloadManager::moveInto(const QString &path)
{
    if (platform::replaceFile(m_tempFilePath.toStdWString().c_str(), path.toStdWString().c_str()))
        return true;
    const std::wstring reason = platform::errorText(platform::lastError());
    Q_EMIT downloadError(
        QStringLiteral("Cannot move the download to %1: %2").arg(path, QString::fromStdWString(reason)));
    return false;
}

// The server answered with the wrong part of the file: keep nothing of it
// and ask once more for the whole file.
bool DownloadManager::restartFromZero()
{
    if (m_startedOver) {
        Q_EMIT downloadError(QStringLiteral("The server keeps sending the wrong part of the file."));
        return false;
    }
    m_startedOver = true;
    m_resumeOffset = m_bytesReceived = m_bytesTotal = m_tempBytes = 0;
    forgetPartRecord();
    if (!openPartFile()) {
        Q_EMIT downloadError(QStringLiteral("Cannot create file: %1").arg(m_tempFilePath));
        return false;
    }
    if (!beginTransfer()) {
        Q_EMIT downloadError(QStringLiteral("Failed to initialize CURL"));
        return false;
    }
    m_speedTimer.start();
    return true;
}

void DownloadManager::handleCurlError(CURLcode code)
{
    Q_EMIT downloadError(curlErrorMessage(code));
    resetTransfer();
}

QString DownloadManager::writeFailureMessage() const
{
    if (m_writeErrno == ENOSPC || m_writeErrno == 0)
        return QStringLiteral("Not enough disk space for %1. Free some space and start the download again to "
                              "continue where it stopped.")
            .arg(m_savePath);
    return QStringLiteral("Cannot write to %1: %2")
        .arg(m_tempFilePath, QString::fromStdWString(platform::errorText(std::uint32_t(m_writeErrno))));
}

// The part being read back for its digest changes only what is shown: the
// transfer goes on meanwhile, and is watched and recorded as ever.
void DownloadManager::calculateSpeed()
{
    if (!m_isDownloading || m_cancelled)
        return;
    const qint64 now = clockMs();
    m_sinceDataMs += countedGap(m_lastSampleTime, now, SpeedIntervalMs);
    m_lastSampleTime = now;
    recordPart();
    const bool checking = m_writer.isCheckingPart();
    const auto report = [this, checking] {
        if (checking)
            Q_EMIT checkingPart(m_writer.checkedBytes(), m_resumeOffset);
        else
            Q_EMIT progress(m_bytesReceived, m_bytesTotal);
    };
    // A transfer that waits for a slow disk is no stall: the network
    // brought bytes faster than they could be written.
    if (m_paused && m_tempBytes == 0) {
        m_sinceDataMs = 0;
        report();
        return;
    }
    qCDebug(lcDownload) << "DownloadManager: calculateSpeed elapsed:" << m_sinceDataMs << "tempBytes:" << m_tempBytes;
    if (stallDetected(m_sinceDataMs, m_tempBytes, m_settings.stallLimitMs)) {
        qCDebug(lcDownload) << "DownloadManager: 15 seconds no progress, cancelling";
        m_cancelled = true;
        finishDownload(CURLE_OPERATION_TIMEDOUT, QStringLiteral("Network disconnected or timeout"));
        return;
    }
    if (m_tempBytes > 0) {
        const double speed = double(m_tempBytes) / double(qMax<qint64>(m_sinceDataMs, 1)) * 1000.0;
        m_sinceDataMs = 0;
        m_tempBytes = 0;
        m_currentSpeed = speed;
        Q_EMIT speedChanged(speed);
        Q_EMIT statusChanged(QStringLiteral("Downloading at %1").arg(speedText(m_currentSpeed)));
    }
    report();
}

qint64 DownloadManager::clockMs() const
{
    return m_settings.clockMs ? m_settings.clockMs() : m_clock.elapsed();
}

bool DownloadManager::closePartFile()
{
    const bool written = m_writer.close();
    if (!written && m_writeErrno == 0)
        m_writeErrno = m_writer.error() ? m_writer.error() : EIO;
    return written;
}

void DownloadManager::releaseTransfer()
{
    m_driver.release(m_easyCurl);
    if (m_easyCurl)
        curl_easy_cleanup(m_easyCurl);
    m_easyCurl = nullptr;
    curl_slist_free_all(m_requestHeaders);
    m_requestHeaders = nullptr;
}

void DownloadManager::resetTransfer()
{
    closePartFile();
    endTransfer();
}

void DownloadManager::endTransfer()
{
    m_speedTimer.stop();
    m_isDownloading = false;
    releaseTransfer();
    // A part that is gone (finished, cancelled) needs no record.
    m_record.total = m_bytesTotal;
    if (QFileInfo::exists(m_tempFilePath))
        keepPart(m_tempFilePath, m_record, m_writer.durableLength());
    else if (!m_tempFilePath.isEmpty())
        m_records.forget(m_tempFilePath);
    m_bytesReceived = m_bytesTotal = m_tempBytes = m_resumeOffset = 0;
    m_currentSpeed = 0.0;
}
