#include "ReplicaServer.h"

#include <QDeadlineTimer>

namespace {

constexpr int AnswerTimeoutMs = 10000;

} // namespace

ReplicaServer::ReplicaServer()
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

ReplicaServer::~ReplicaServer()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(3000))
        m_process.kill();
    m_process.waitForFinished(1000);
}

bool ReplicaServer::start(const QStringList &arguments)
{
    m_process.start(QStringLiteral("python3"),
                    QStringList{QStringLiteral(TRAVONIX_SOURCE_DIR "/tests/servers/vendor_replica.py")} + arguments);
    if (!m_process.waitForStarted(AnswerTimeoutMs))
        return false;
    const QString first = readLine(AnswerTimeoutMs);
    if (!first.startsWith(QLatin1String("PORT ")))
        return false;
    m_port = first.mid(5).toInt();
    return m_port > 0;
}

QString ReplicaServer::origin() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

QString ReplicaServer::readLine(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!m_process.canReadLine()) {
        if (deadline.hasExpired() || !m_process.waitForReadyRead(int(deadline.remainingTime())))
            return QString();
    }
    return QString::fromUtf8(m_process.readLine()).trimmed();
}

QString ReplicaServer::command(const QString &line)
{
    m_process.write(line.toUtf8() + '\n');
    m_process.waitForBytesWritten(AnswerTimeoutMs);
    for (;;) {
        const QString answer = readLine(AnswerTimeoutMs);
        if (!answer.startsWith(QLatin1String("HIT ")))
            return answer;
        m_hitLines << answer;
    }
}

int ReplicaServer::hits()
{
    const QString answer = command(QStringLiteral("hits"));
    return answer.startsWith(QLatin1String("HITS ")) ? answer.mid(5).toInt() : -1;
}

int ReplicaServer::count(const QString &name)
{
    const QStringList fields = command(QStringLiteral("counts")).split(QLatin1Char(' '));
    for (const QString &field : fields) {
        if (field.startsWith(name + QLatin1Char('=')))
            return field.mid(name.size() + 1).toInt();
    }
    return -1;
}

bool ReplicaServer::reset()
{
    const bool done = command(QStringLiteral("reset")) == QLatin1String("OK reset");
    m_hitLines.clear();
    return done;
}

QStringList ReplicaServer::pageRequests()
{
    while (m_process.canReadLine() || m_process.waitForReadyRead(50)) {
        const QString line = readLine(100);
        if (line.startsWith(QLatin1String("HIT ")))
            m_hitLines << line;
    }
    return m_hitLines;
}
