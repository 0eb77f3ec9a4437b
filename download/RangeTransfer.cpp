#include "RangeTransfer.h"

#include "DownloadLog.h"
#include "PartRecord.h"

#include <QFile>
#include <QUrl>

#include <algorithm>

namespace {

constexpr long ReceiveBufferBytes = 512L * 1024;

// Where a Location header sends a request for `base`, resolved as libcurl
// resolves it when it follows; empty when it cannot be.
QUrl redirectTarget(const char *base, const QByteArray &location)
{
    CURLU *url = curl_url();
    char *full = nullptr;
    const bool resolved = url && base && curl_url_set(url, CURLUPART_URL, base, 0) == CURLUE_OK
        && curl_url_set(url, CURLUPART_URL, location.constData(), CURLU_URLENCODE | CURLU_ALLOW_SPACE) == CURLUE_OK
        && curl_url_get(url, CURLUPART_URL, &full, 0) == CURLUE_OK;
    const QUrl target = resolved ? QUrl(QString::fromUtf8(full), QUrl::StrictMode) : QUrl();
    curl_free(full);
    curl_url_cleanup(url);
    return target;
}

// A validator the part may be checked by later, sent back in If-Range: one
// that is not safe there is not kept.
QString safeValidator(const QByteArray &field)
{
    const QString value = QString::fromLatin1(field.trimmed());
    return isSafeValidator(value) ? value : QString();
}

} // namespace

RangeTransfer::RangeTransfer(const TransferRequest &request, const EngineSettings &settings, PartFileWriter &writer,
                             AnswerCheck check, Limit limit, StepAside stepAside)
    : m_request(request)
    , m_writer(writer)
    , m_check(std::move(check))
    , m_limit(std::move(limit))
    , m_stepAside(std::move(stepAside))
    , m_easy(curl_easy_init())
{
    m_stream.offset = request.sendRange ? request.range.from : 0;
    if (m_easy)
        configure(settings);
}

RangeTransfer::~RangeTransfer()
{
    if (m_easy)
        curl_easy_cleanup(m_easy);
    curl_slist_free_all(m_headers);
}

void RangeTransfer::configure(const EngineSettings &settings)
{
    m_url = m_request.url.toUtf8();
    curl_easy_setopt(m_easy, CURLOPT_URL, m_url.constData());
    curl_easy_setopt(m_easy, CURLOPT_PRIVATE, this);
    curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &RangeTransfer::onBody);
    curl_easy_setopt(m_easy, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_HEADERFUNCTION, &RangeTransfer::onHeader);
    curl_easy_setopt(m_easy, CURLOPT_HEADERDATA, this);
    m_redirectAllowed = settings.redirectAllowed;
    m_unannouncedLimit = settings.unannouncedLengthLimit;
    m_schemes = m_request.schemes.join(QLatin1Char(',')).toLatin1();
    const bool secure = QUrl(m_request.url).scheme() == QLatin1String("https");
    curl_easy_setopt(m_easy, CURLOPT_PROTOCOLS_STR, m_schemes.constData());
    curl_easy_setopt(m_easy, CURLOPT_REDIR_PROTOCOLS_STR, secure ? "https" : m_schemes.constData());
    curl_easy_setopt(m_easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(m_easy, CURLOPT_MAXREDIRS, 10L);
    // Each connection its own TCP connection: HTTP/2 would carry them all
    // on one, under one cap.
    curl_easy_setopt(m_easy, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_1));
    m_userAgent = settings.userAgent.toUtf8();
    if (!m_userAgent.isEmpty())
        curl_easy_setopt(m_easy, CURLOPT_USERAGENT, m_userAgent.constData());
    // The file is fetched only from a server that proves who it is.
    curl_easy_setopt(m_easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(m_easy, CURLOPT_SSL_VERIFYHOST, 2L);
    m_caBundle = QFile::encodeName(settings.caBundlePath);
    if (!m_caBundle.isEmpty())
        curl_easy_setopt(m_easy, CURLOPT_CAINFO, m_caBundle.constData());
#ifdef Q_OS_WIN
    curl_easy_setopt(m_easy, CURLOPT_SSL_OPTIONS, long(CURLSSLOPT_NATIVE_CA));
#endif
    m_dns = settings.dnsOverHttpsUrl.toUtf8();
    if (!m_dns.isEmpty())
        curl_easy_setopt(m_easy, CURLOPT_DOH_URL, m_dns.constData());
    curl_easy_setopt(m_easy, CURLOPT_CONNECTTIMEOUT, 30L);
    curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_TIME, 30L);
    curl_easy_setopt(m_easy, CURLOPT_BUFFERSIZE, ReceiveBufferBytes);
    // The range is asked for by hand, not with libcurl's resume: that one
    // takes a whole answer as long as the part for "already downloaded" and
    // ends without a byte of it, while the part still holds other bytes.
    if (m_request.sendRange) {
        const ByteRange range = m_request.range;
        m_rangeText =
            QByteArray::number(range.from) + '-' + (range.to < 0 ? QByteArray() : QByteArray::number(range.to - 1));
        curl_easy_setopt(m_easy, CURLOPT_RANGE, m_rangeText.constData());
    }
    // The range only if the file is still the one the part came from;
    // otherwise the server sends the whole file.
    if (m_request.sendRange && !m_request.ifRange.isEmpty()) {
        m_headers =
            curl_slist_append(nullptr, (QStringLiteral("If-Range: ") + m_request.ifRange).toLatin1().constData());
        curl_easy_setopt(m_easy, CURLOPT_HTTPHEADER, m_headers);
    }
}

long RangeTransfer::status() const
{
    long status = 0;
    if (m_easy)
        curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &status);
    return status;
}

size_t RangeTransfer::onHeader(char *data, size_t size, size_t count, void *transfer)
{
    auto *self = static_cast<RangeTransfer *>(transfer);
    const QByteArray line(data, int(size * count));
    const QByteArray lower = line.toLower();
    if (line.startsWith("HTTP/")) {
        // A new answer (after a redirect, for instance) is judged afresh.
        self->m_contentRange.reset();
        self->m_etag.clear();
        self->m_lastModified.clear();
        self->m_location.clear();
        // Each answer comes from an address the download may be at.
        char *address = nullptr;
        curl_easy_getinfo(self->m_easy, CURLINFO_EFFECTIVE_URL, &address);
        if (self->m_redirectStatus != 0 && !self->mayGoTo(QUrl(QString::fromUtf8(address)))) {
            self->m_redirectRefused = true;
            return 0;
        }
    } else if (lower.startsWith("content-range:")) {
        self->m_contentRange = parseContentRange(line.mid(14).trimmed());
    } else if (lower.startsWith("etag:")) {
        self->m_etag = safeValidator(line.mid(5));
    } else if (lower.startsWith("last-modified:")) {
        self->m_lastModified = safeValidator(line.mid(14));
    } else if (lower.startsWith("location:")) {
        // libcurl follows the first one.
        if (self->m_location.isEmpty())
            self->m_location = line.mid(9).trimmed();
    } else if (line.trimmed().isEmpty() && !self->followsRedirect()) {
        return 0;
    }
    return size * count;
}

// The headers of an answer are in: a redirect that leaves the hosts the
// download may use is not followed.
bool RangeTransfer::followsRedirect()
{
    const long code = status();
    if (code < 300 || code >= 400 || m_location.isEmpty())
        return true;
    m_redirectStatus = code;
    char *address = nullptr;
    curl_easy_getinfo(m_easy, CURLINFO_EFFECTIVE_URL, &address);
    m_redirectRefused = !mayGoTo(redirectTarget(address, m_location));
    return !m_redirectRefused;
}

bool RangeTransfer::mayGoTo(const QUrl &target) const
{
    if (!m_redirectAllowed)
        return true;
    const bool allowed = target.isValid() && !target.host().isEmpty()
        && (target.host().compare(QUrl(m_request.url).host(), Qt::CaseInsensitive) == 0 || m_redirectAllowed(target));
    if (!allowed)
        qCDebug(lcDownload) << "RangeTransfer: not sent on to host" << target.host();
    return allowed;
}

void RangeTransfer::judge()
{
    const ByteRange asked = m_request.range;
    m_answer = judgeAnswer(status(), m_contentRange, asked.from, asked.to, m_request.sendRange);
    m_emptyFile = m_contentRange && m_contentRange->start < 0 && m_contentRange->total == 0;
    if (m_contentRange && m_contentRange->total > 0) {
        m_total = m_contentRange->total;
    } else if (m_answer == AnswerKind::Range || m_answer == AnswerKind::WholeFile) {
        curl_off_t length = -1;
        curl_easy_getinfo(m_easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
        m_total = m_contentRange ? 0 : qMax<qint64>(qint64(length), 0);
    }
    if (m_answer == AnswerKind::WholeFile)
        m_stream.offset = 0;
}

size_t RangeTransfer::onBody(char *data, size_t size, size_t count, void *transfer)
{
    return static_cast<RangeTransfer *>(transfer)->take(data, size * count);
}

size_t RangeTransfer::take(const char *data, size_t size)
{
    if (m_stopped)
        return 0;
    if (m_answer == AnswerKind::Pending) {
        judge();
        if (!m_check(*this)) {
            m_stopped = true;
            return 0;
        }
    }
    if (m_answer == AnswerKind::Error)
        return size; // an error page is not the file
    if ((m_answer != AnswerKind::Range && m_answer != AnswerKind::WholeFile) || m_writer.error() != 0)
        return 0;
    // Bytes past the file's stated end, or, for a file of no stated length
    // and no range to stop at, past the most a file may be: the server is
    // not sending the file, and would fill the disk.
    const qint64 end = position() + qint64(size);
    if ((m_total > 0 && end > m_total) || (m_total <= 0 && m_limit() < 0 && end > m_unannouncedLimit)) {
        qCDebug(lcDownload) << "RangeTransfer: more bytes than the file holds, up to" << end;
        m_tooLong = m_stopped = true;
        return 0;
    }
    // libcurl keeps these bytes and gives them again on resume.
    if (m_stepAside()) {
        m_steppedAside = true;
        return CURL_WRITEFUNC_PAUSE;
    }
    const qint64 limit = m_limit();
    const size_t usable = limit < 0 ? size : size_t(qBound<qint64>(0, limit - position(), qint64(size)));
    if (usable > 0 && !m_writer.enqueue(m_stream, data, usable)) {
        m_paused = true;
        return CURL_WRITEFUNC_PAUSE;
    }
    m_bytes += qint64(usable);
    if (usable == size)
        return size;
    // Its range ends here: the rest belongs to another connection.
    m_stopped = true;
    handOver();
    return 0;
}

void RangeTransfer::handOver()
{
    if (m_dismissed)
        m_stream.filling.clear();
    else
        m_writer.handOver(m_stream);
}

CURLcode RangeTransfer::resume()
{
    if (!m_paused && !m_steppedAside)
        return CURLE_OK;
    m_paused = m_steppedAside = false;
    return curl_easy_pause(m_easy, CURLPAUSE_CONT);
}

bool RangeTransfer::reachedEnd() const
{
    const qint64 limit = m_limit();
    return limit >= 0 && position() >= limit;
}

// An answer without a body (a 416, an empty file) is judged at its end.
TransferEnd RangeTransfer::finish(CURLcode curlCode)
{
    if (m_answer == AnswerKind::Pending && status() != 0)
        judge();
    // A redirect refused for its host ends as one refused for its scheme.
    if (m_redirectRefused) {
        TransferEnd refused{AnswerKind::Error, m_redirectStatus, CURLE_UNSUPPORTED_PROTOCOL, m_bytes, false,
                            m_dismissed};
        return refused;
    }
    const bool reached = !m_tooLong && (reachedEnd() || (curlCode == CURLE_OK && m_limit() < 0));
    return TransferEnd{m_answer,    status(), curlCode,    m_bytes,     reached,
                       m_dismissed, m_total,  m_emptyFile, m_otherFile, m_tooLong};
}
