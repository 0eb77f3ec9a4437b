// Downloads one URL with the engine and reports its throughput, how late the
// GUI event loop ran while the bytes came in, how long the verdict took after
// the last byte and the process's peak memory. Used by download_bench.sh and
// segments_bench.sh.
#include "download/DownloadManager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int ProbeIntervalMs = 5;

// Lateness of a short repeating timer: what a user would feel as lag.
class EventLoopProbe {
public:
    EventLoopProbe()
    {
        QObject::connect(&m_timer, &QTimer::timeout,
                         [this] { m_delaysMs.push_back(std::max<qint64>(0, m_clock.restart() - ProbeIntervalMs)); });
        m_clock.start();
        m_timer.start(ProbeIntervalMs);
    }
    double percentile(double share)
    {
        if (m_delaysMs.empty())
            return 0.0;
        std::sort(m_delaysMs.begin(), m_delaysMs.end());
        return double(m_delaysMs.at(std::min(m_delaysMs.size() - 1, size_t(share * double(m_delaysMs.size())))));
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    std::vector<qint64> m_delaysMs;
};

// When the last byte arrived, as near as can be seen from outside the
// engine: the earliest of the first progress report with every byte
// received (reports come once a second) and the first time the part,
// having been shorter, reaches the whole size on disk (polled every 5 ms;
// a part made full-size at the start never counts). The writer's queue
// lies between the network and the part, so the second can come a few
// milliseconds late at loopback speeds.
class LastByteWatch {
public:
    LastByteWatch(DownloadManager &engine, const QString &url, const QString &destination, const QElapsedTimer &clock)
        : m_part(DownloadManager::makeTempFilePath(url, destination))
        , m_clock(clock)
    {
        QObject::connect(&engine, &DownloadManager::progress, [this](qint64 received, qint64 total) {
            m_total = total;
            if (total > 0 && received >= total)
                see();
        });
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (m_total <= 0)
                return;
            const qint64 size = QFileInfo(m_part).size();
            if (size < m_total)
                m_seenShort = true;
            else if (m_seenShort)
                see();
        });
        m_timer.start(ProbeIntervalMs);
    }
    // Milliseconds on the clock; -1 when never seen.
    qint64 atMs() const { return m_atMs; }

private:
    void see()
    {
        if (m_atMs < 0)
            m_atMs = m_clock.elapsed();
    }
    QString m_part;
    const QElapsedTimer &m_clock;
    QTimer m_timer;
    qint64 m_total = 0;
    bool m_seenShort = false;
    qint64 m_atMs = -1;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s URL DESTINATION [CA_BUNDLE] [nohash] [connections=N]\n", argv[0]);
        return 2;
    }
    const QString url = QString::fromLocal8Bit(argv[1]);
    const QString destination = QString::fromLocal8Bit(argv[2]);
    DownloadManager engine;
    EngineSettings settings;
    // A local server without TLS is allowed: the capped server speaks plain http.
    settings.plainHttpAllowed = url.startsWith(QLatin1String("http://"));
    for (int k = 3; k < argc; ++k) {
        const char *const connections = "connections=";
        if (qstrcmp(argv[k], "nohash") == 0) {
            settings.computeSha256 = false;
        } else if (std::strncmp(argv[k], connections, std::strlen(connections)) == 0) {
            bool ok = false;
            settings.connections = QByteArray(argv[k] + std::strlen(connections)).toInt(&ok);
            if (!ok || settings.connections < 1) {
                std::fprintf(stderr, "%s: connections=N needs N of 1 or more\n", argv[0]);
                return 2;
            }
        } else {
            settings.caBundlePath = QString::fromLocal8Bit(argv[k]);
        }
    }
    engine.setSettings(settings);
    EventLoopProbe probe;
    QElapsedTimer clock;
    LastByteWatch lastByte(engine, url, destination, clock);
    qint64 finishedMs = -1;
    int exitCode = 1;
    QObject::connect(&engine, &DownloadManager::finished, [&] {
        finishedMs = clock.elapsed();
        exitCode = 0;
        app.quit();
    });
    QObject::connect(&engine, &DownloadManager::downloadError, [&](const QString &error) {
        std::fprintf(stderr, "download failed: %s\n", qPrintable(error));
        app.quit();
    });
    clock.start();
    engine.startDownload(url, destination);
    app.exec();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    // verdict_ms: from the last byte to the file reported finished (verified,
    // on the device and in place); -1 when either was not seen.
    const qint64 verdictMs = finishedMs >= 0 && lastByte.atMs() >= 0 ? finishedMs - lastByte.atMs() : -1;
    std::printf("seconds=%.3f worst_ms=%.0f p99_ms=%.0f verdict_ms=%lld maxrss_kib=%ld\n",
                double(clock.nsecsElapsed()) / 1e9, probe.percentile(1.0), probe.percentile(0.99),
                static_cast<long long>(verdictMs), usage.ru_maxrss);
    return exitCode;
}
