// Downloads one URL with the engine and reports its throughput and how late
// the GUI event loop ran while the bytes came in. Used by download_bench.sh.
#include "download/DownloadManager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
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

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s URL DESTINATION [CA_BUNDLE [nohash]]\n", argv[0]);
        return 2;
    }
    DownloadManager engine;
    EngineSettings settings;
    if (argc > 3)
        settings.caBundlePath = QString::fromLocal8Bit(argv[3]);
    settings.computeSha256 = !(argc > 4 && qstrcmp(argv[4], "nohash") == 0);
    engine.setSettings(settings);
    EventLoopProbe probe;
    QElapsedTimer clock;
    int exitCode = 1;
    QObject::connect(&engine, &DownloadManager::finished, [&] {
        exitCode = 0;
        app.quit();
    });
    QObject::connect(&engine, &DownloadManager::downloadError, [&](const QString &error) {
        std::fprintf(stderr, "download failed: %s\n", qPrintable(error));
        app.quit();
    });
    clock.start();
    engine.startDownload(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    app.exec();
    std::printf("seconds=%.3f worst_ms=%.0f p99_ms=%.0f\n", double(clock.nsecsElapsed()) / 1e9, probe.percentile(1.0),
                probe.percentile(0.99));
    return exitCode;
}
