#include "Startup.h"

#include "AppLog.h"
#include "AppVersion.h"
#include "CommandLine.h"
#include "CommandLineMode.h"
#include "FilePublic.h"
#include "LogAccess.h"
#include "Theme.h"
#include "cli/Output.h"
#include "common/AppIdentity.h"
#include "download/DownloadManager.h"
#include "logkit/ILog.h"
#include "platform/InstanceGuard.h"
#include "platform/Platform.h"
#include "platform/SystemServices.h"
#include "scraper/QuibScraper.h"
#include "scraper/UserAgents.h"
#include "scraper/WebEngineEnvironment.h"
#include "ui/MainWindow.h"
#include "ui/WindowLanguage.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QWebEngineProfile>

#include <cwchar>

static const char kLogSource[] = "main";

namespace {

constexpr std::uint32_t LogRotateAtBytes = 1048576;
constexpr std::uint32_t LogKeepAtMostBytes = 10485760;

bool passesOsGate()
{
    const auto &system = platform::SystemServices::instance();
    if (platform::meetsMinimumOsVersion(system.osVersion()))
        return true;
    system.showStartupError("This application requires Windows 8.1 or higher.", AppIdentity::Name);
    return false;
}

void runSecondInstance(InstanceGuard &guard)
{
    const nRet activation = activateRunningInstance();
    guard.detach();
    if (!nRetSucceeded(activation))
        LOG_NRET_LINE(kLogSource, NRET_FAILURE(NRetActivationFailed, platform::lastError()));
}

int runFirstInstance(QApplication &app, InstanceGuard &guard)
{
    // Before the instance is there to be found: a request to end that comes
    // as soon as it is found ends the event loop, not the process.
    platform::quitEventLoopOnTerminationRequest();
    guard.create();
    applyUserTheme();
    // The window only: the command line keeps to English, which scripts read.
    installWindowLanguage(QLocale::system());
    int exitCode = 0;
    {
        MainWindow window(productParts());
        window.show();
        exitCode = app.exec();
    }
    // The window hands its scraper's browser over for deletion; the event
    // loop is gone, so delete it here, before the web engine shuts down.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return exitCode;
}

void closeLog()
{
    if (!IsLogLoaded())
        return;
    if (ILog *log = GetLog())
        log->Close();
}

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The window, unless another instance shows it already.
int runWindow(QApplication &app, InstanceGuard &guard)
{
    if (!guard.attach())
        return runFirstInstance(app, guard);
    runSecondInstance(guard);
    return 0;
}

} // namespace

DownloadManager *newProductEngine()
{
    auto *engine = new DownloadManager;
    EngineSettings settings;
    settings.userAgent = desktopUserAgent();
    settings.connections = ProductConnections;
    engine->setSettings(settings);
    return engine;
}

MainWindowParts productParts()
{
    return {newProductEngine(), [](QObject *parent) { return new QuibScraper(parent); },
            [] {
                AppVersionNumbers numbers;
                ReadAppVersion(numbers);
                return numbers;
            }};
}

QString setProcessEnvironment()
{
    // Debug lines are off; TRAVONIX_DEBUG=1 turns Travonix's own back on for
    // a user who reports a problem.
    const bool debug = qEnvironmentVariable("TRAVONIX_DEBUG") == QLatin1String("1");
    qputenv("QT_LOGGING_RULES", debug ? "*.debug=false;travonix.*.debug=true" : "*.debug=false");
    return setWebEngineEnvironment();
}

void applyIdentity()
{
    // The resources live in a static library, whose registration the linker
    // would otherwise drop.
    Q_INIT_RESOURCE(resources);
    QCoreApplication::setApplicationName(QString::fromLatin1(AppIdentity::Name));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(AppIdentity::Version));
    QCoreApplication::setOrganizationName(QString::fromLatin1(AppIdentity::Organisation));
    // Lets a Wayland compositor match the window to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("travonix"));
    // Always the program's own: a file in the working folder is anyone's.
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(AppIdentity::IconPath)));
}

nRet activateRunningInstance()
{
    const std::wstring title = QCoreApplication::applicationName().toStdWString();
    if (title.empty()) {
        const nRet result = NRET_FAILURE(NRetBadConversion, platform::lastError());
        LOG_NRET_LINE(kLogSource, result);
        return result;
    }
    if (!platform::activateWindowByTitle(title.c_str())) {
        const nRet result = NRET_FAILURE(NRetWindowNotFound, platform::lastError());
        LOG_NRET_LINE(kLogSource, result);
        return result;
    }
    return NRetSuccess;
}

void openLog(ILog *log, wchar_t *fileName)
{
    nRet result = log ? log->GetLogFileName(fileName, ILog::FileNameCapacity)
                      : NRET_FAILURE(NRetSystemCallFailed, platform::lastError());
    if (!nRetSucceeded(result)) {
        LOG_NRET_LINE(kLogSource, result);
        std::wcsncpy(fileName, L"user.log", ILog::FileNameCapacity - 1);
    }
    result = log ? log->Open(fileName, LogRotateAtBytes, LogKeepAtMostBytes)
                 : NRET_FAILURE(NRetSystemCallFailed, platform::lastError());
    if (!nRetSucceeded(result))
        LOG_NRET_LINE(kLogSource, result);
}

int runTravonix(int &argc, char **argv)
{
    const Options options = parseOptions(argumentsOf(argc, argv));
    const bool window = options.mode == RunMode::Window;
    if (!window)
        platform::attachParentConsole();
    if (const std::optional<int> answered = answerWithoutApplication(argc, argv, options))
        return *answered;
    if (!passesOsGate())
        return 1;
    const QString webEngineLine = setProcessEnvironment();
    if (!window) {
        keepQtWarningsOffStandardError();
        useOffscreenWithoutDisplay();
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    wchar_t logFileName[ILog::FileNameCapacity] = {};
    InstanceGuard guard(QString::fromLatin1(AppIdentity::SingleInstanceKey));
    QWebEngineProfile::defaultProfile();
    applyIdentity();
    const QString originProblem = applyOriginSetting(QCoreApplication::arguments());
    if (!originProblem.isEmpty() && !window) {
        printError(QStringLiteral("travonix: %1").arg(originProblem));
        if (options.json)
            printOut(errorJson(QStringLiteral("usage"), originProblem));
        return ExitCode::Usage;
    }
    if (!originProblem.isEmpty())
        qCWarning(lcApp).noquote() << originProblem;

    openLog(GetLog(), logFileName);
    LOG_START_LINE(kLogSource);
    LOG_TEXT_LINE(kLogSource, webEngineLine.toStdWString().c_str());
    // The single-instance rule is the window's: scripts run beside it.
    const int exitCode = window ? runWindow(app, guard) : runCommandLine(options);
    LOG_END_LINE(kLogSource);
    closeLog();
    if (guard.isAttached())
        guard.detach();
    return exitCode;
}
