#include "DownloadServers.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QStringList>
#include <QtGlobal>

#include <limits>

namespace {

constexpr int AnswerTimeoutMs = 10000;
// Certificates, nginx start-up, and a few seconds for each retry on a port
// that was taken in between.
constexpr int NginxReadyTimeoutMs = 30000;
constexpr int StopTimeoutMs = 3000;
// Largest body the fault server serves (2^50 bytes): i * 7 stays far from overflow.
constexpr qint64 MaxBodyOffset = qint64(1) << 50;
// Versions of the file the fault server can serve (its `version V`).
constexpr int MaxVersion = 255;

QString serverScript(const char *name)
{
#ifdef TRAVONIX_SOURCE_DIR
    const QString dir = QStringLiteral(TRAVONIX_SOURCE_DIR "/tests/servers");
#else
    const QString dir = QFileInfo(QString::fromUtf8(__FILE__)).absolutePath() + QStringLiteral("/servers");
#endif
    return dir + QLatin1Char('/') + QLatin1String(name);
}

QString readLine(QProcess &process, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!process.canReadLine()) {
        if (deadline.hasExpired() || !process.waitForReadyRead(int(deadline.remainingTime())))
            return QString();
    }
    return QString::fromUtf8(process.readLine()).trimmed();
}

void stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.closeWriteChannel();
    if (!process.waitForFinished(StopTimeoutMs))
        process.kill();
    process.waitForFinished(1000);
}

QString loopbackOrigin(const char *scheme, int port)
{
    if (port <= 0)
        return QString();
    return QStringLiteral("%1://127.0.0.1:%2").arg(QLatin1String(scheme)).arg(port);
}

int portValue(const QString &text)
{
    bool ok = false;
    const int port = text.toInt(&ok);
    return ok && port > 0 && port <= 65535 ? port : 0;
}

} // namespace

// ---------------------------------------------------------------------------
// NginxServer
// ---------------------------------------------------------------------------

NginxServer::NginxServer()
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

NginxServer::~NginxServer()
{
    stop(m_process);
}

bool NginxServer::start(const QString &rootDir, bool untrusted)
{
    QStringList arguments{serverScript("nginx_server.py"), QStringLiteral("--root"), rootDir};
    if (untrusted)
        arguments << QStringLiteral("--untrusted-https");
    m_process.start(QStringLiteral("python3"), arguments);
    if (!m_process.waitForStarted(AnswerTimeoutMs))
        return false;

    // READY http=<port> https=<port> [https_untrusted=<port>] ca=<path to the end of the line>
    const QString line = readLine(m_process, NginxReadyTimeoutMs);
    const QLatin1String caKey(" ca=");
    const int caAt = line.indexOf(caKey);
    if (!line.startsWith(QLatin1String("READY ")) || caAt < 0)
        return false;
    m_caPath = line.mid(caAt + caKey.size());
    const QStringList fields = line.mid(6, caAt - 6).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &field : fields) {
        const int eq = field.indexOf(QLatin1Char('='));
        const QString key = field.left(eq);
        const int port = eq > 0 ? portValue(field.mid(eq + 1)) : 0;
        if (key == QLatin1String("http"))
            m_httpPort = port;
        else if (key == QLatin1String("https"))
            m_httpsPort = port;
        else if (key == QLatin1String("https_untrusted"))
            m_untrustedPort = port;
    }
    return m_httpPort > 0 && m_httpsPort > 0 && (!untrusted || m_untrustedPort > 0) && !m_caPath.isEmpty();
}

QString NginxServer::httpOrigin() const
{
    return loopbackOrigin("http", m_httpPort);
}

QString NginxServer::httpsOrigin() const
{
    return loopbackOrigin("https", m_httpsPort);
}

QString NginxServer::untrustedHttpsOrigin() const
{
    return loopbackOrigin("https", m_untrustedPort);
}

QString NginxServer::caPath() const
{
    return m_caPath;
}

QString NginxServer::serverCertificatePath() const
{
    return m_caPath.isEmpty() ? QString() : QFileInfo(m_caPath).absolutePath() + QStringLiteral("/server.pem");
}

QString NginxServer::serverKeyPath() const
{
    return m_caPath.isEmpty() ? QString() : QFileInfo(m_caPath).absolutePath() + QStringLiteral("/server.key");
}

// ---------------------------------------------------------------------------
// FaultServer
// ---------------------------------------------------------------------------

FaultServer::FaultServer()
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

FaultServer::~FaultServer()
{
    stop(m_process);
}

bool FaultServer::start(const QString &certificatePath, const QString &keyPath)
{
    QStringList arguments{serverScript("fault_server.py")};
    m_tls = !certificatePath.isEmpty();
    if (m_tls)
        arguments << QStringLiteral("--cert") << certificatePath << QStringLiteral("--key") << keyPath;
    m_process.start(QStringLiteral("python3"), arguments);
    if (!m_process.waitForStarted(AnswerTimeoutMs))
        return false;
    const QString first = readLine(m_process, AnswerTimeoutMs);
    if (!first.startsWith(QLatin1String("PORT ")))
        return false;
    m_port = portValue(first.mid(5));
    return m_port > 0;
}

QString FaultServer::origin() const
{
    return loopbackOrigin(m_tls ? "https" : "http", m_port);
}

QString FaultServer::fileUrl(const QString &name, qint64 size) const
{
    return origin() + QStringLiteral("/file/") + name + QStringLiteral("?size=") + QString::number(size);
}

QString FaultServer::command(const QString &line)
{
    if (m_process.state() != QProcess::Running)
        return QString();
    m_process.write(line.toUtf8() + '\n');
    m_process.waitForBytesWritten(AnswerTimeoutMs);
    return readLine(m_process, AnswerTimeoutMs);
}

bool FaultServer::reset()
{
    return command(QStringLiteral("reset")) == QLatin1String("OK reset");
}

QVector<FaultServer::Request> FaultServer::requests()
{
    // REQUESTS <n> <JSON array of {"method", "path", "range"}>
    QVector<Request> result;
    const QString answer = command(QStringLiteral("requests"));
    const QStringList parts = answer.split(QLatin1Char(' '));
    if (parts.size() < 3 || parts.at(0) != QLatin1String("REQUESTS")) {
        qWarning("FaultServer: unexpected answer to requests: %s", qPrintable(answer));
        return result;
    }
    const QByteArray json = answer.section(QLatin1Char(' '), 2).toUtf8();
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray()
        || document.array().size() != parts.at(1).toInt()) {
        qWarning("FaultServer: malformed request list: %s", qPrintable(answer));
        return result;
    }
    const QJsonArray list = document.array();
    result.reserve(list.size());
    for (const QJsonValue &value : list) {
        const QJsonObject object = value.toObject();
        Request request;
        request.method = object.value(QLatin1String("method")).toString();
        request.path = object.value(QLatin1String("path")).toString();
        request.hasRange = object.value(QLatin1String("range")).isString();
        request.range = object.value(QLatin1String("range")).toString();
        request.ifRange = object.value(QLatin1String("ifrange")).toString();
        request.connection = object.value(QLatin1String("conn")).toInt();
        result.append(request);
    }
    return result;
}

FaultServer::Stats FaultServer::stats()
{
    // STATS connections=<a> busy=<b> peak=<p> refused=<r> sent=<s>
    Stats result;
    const QString answer = command(QStringLiteral("stats"));
    const QStringList fields = answer.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (fields.value(0) != QLatin1String("STATS")) {
        qWarning("FaultServer: unexpected answer to stats: %s", qPrintable(answer));
        return result;
    }
    QHash<QString, qint64> values;
    for (const QString &field : fields.mid(1)) {
        bool ok = false;
        const int eq = field.indexOf(QLatin1Char('='));
        const qint64 value = field.mid(eq + 1).toLongLong(&ok);
        if (eq > 0 && ok)
            values.insert(field.left(eq), value);
    }
    result.connections = int(values.value(QStringLiteral("connections"), -1));
    result.busy = int(values.value(QStringLiteral("busy"), -1));
    result.peak = int(values.value(QStringLiteral("peak"), -1));
    result.refused = int(values.value(QStringLiteral("refused"), -1));
    result.sent = values.value(QStringLiteral("sent"), -1);
    return result;
}

QByteArray FaultServer::body(qint64 offset, qint64 length, int version)
{
    // Same rule as fault_server.py: byte i is (i * 7 + i / 251 + 101 * version)
    // mod 256, but for an ISO 9660 volume descriptor's first bytes at 32 KiB.
    QByteArray bytes;
    if (offset < 0 || offset > MaxBodyOffset || length <= 0 || length > std::numeric_limits<int>::max() / 2
        || version < 0 || version > MaxVersion)
        return bytes;
    bytes.resize(int(length));
    for (qint64 k = 0; k < length; ++k) {
        const qint64 i = offset + k;
        bytes[int(k)] = char((i * 7 + i / 251 + 101 * version) % 256);
    }
    static const QByteArray descriptor = QByteArrayLiteral("\x01"
                                                           "CD001\x01");
    constexpr qint64 DescriptorAt = 32768;
    for (qint64 i = qMax(offset, DescriptorAt); i < qMin(offset + length, DescriptorAt + descriptor.size()); ++i)
        bytes[int(i - offset)] = descriptor.at(int(i - DescriptorAt));
    return bytes;
}

QString FaultServer::etag(qint64 size, int version)
{
    const QString hex = QString::number(size, 16);
    return version == 0 ? QStringLiteral("\"fault-%1\"").arg(hex)
                        : QStringLiteral("\"fault-%1-%2\"").arg(hex).arg(version);
}
