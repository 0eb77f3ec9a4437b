// Runs one download and ends the process, without any clean-up, right after
// the chosen step that changes the device has been taken for the chosen
// time: what a crash or a power cut at that step leaves behind, for the
// next run to make sense of.
//
//     download_crasher URL DESTINATION CONNECTIONS STEP OCCURRENCE
//
// STEP is a DeviceStep's number. Exit status: CrashedExit at the step, 0 when
// the download finished without reaching it, 1 when it failed.
#include "download/DownloadManager.h"

#include <QCoreApplication>

#include <atomic>
#include <cstdlib>
#include <unistd.h>

namespace {

constexpr int CrashedExit = 77;

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 6)
        return 2;
    const auto step = DeviceStep(args.at(4).toInt());
    const int occurrence = args.at(5).toInt();
    static std::atomic<int> seen{0};
    DownloadManager engine;
    EngineSettings settings;
    settings.plainHttpAllowed = true;
    settings.connections = args.at(3).toInt();
    settings.syncEveryBytes = 1024 * 1024;
    settings.afterDeviceStep = [step, occurrence](DeviceStep taken) {
        if (taken == step && ++seen == occurrence)
            _exit(CrashedExit);
    };
    engine.setSettings(settings);
    QObject::connect(&engine, &DownloadManager::finished, &app, [] { QCoreApplication::exit(0); });
    QObject::connect(&engine, &DownloadManager::downloadError, &app, [] { QCoreApplication::exit(1); });
    QObject::connect(&engine, &DownloadManager::linkExpired, &app, [] { QCoreApplication::exit(1); });
    engine.startDownload(args.at(1), args.at(2));
    return app.exec();
}
