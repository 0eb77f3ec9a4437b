#include "CommandLineMode.h"

#include "Startup.h"
#include "cli/CommandLineRun.h"
#include "cli/Output.h"
#include "common/AppIdentity.h"
#include "download/DownloadManager.h"
#include "flow/LanguageMatch.h"
#include "platform/Platform.h"
#include "scraper/QuibScraper.h"

#include <QCoreApplication>
#include <QTimer>

#include <memory>

namespace {

// The page confirms an edition about 300 ms after it is chosen, and the
// timers of a page that is never shown run up to a second late.
constexpr int EditionConfirmedAfterMs = 1500;

// The page's step delays at `percent` of the product's; the load timeout
// stays, and the wait for the edition never gets shorter than the page needs.
ScraperTimings scaledTimings(int percent)
{
    ScraperTimings timings;
    for (int *delay : {&timings.loadRetryDelayMs, &timings.afterInjectionMs, &timings.languageExtractionDelayMs,
                       &timings.linkExtractionDelayMs, &timings.resubmitDelayMs, &timings.afterVersionSelectionMs,
                       &timings.validationRecheckMs, &timings.languageRetryDelayMs, &timings.afterLanguageSelectionMs,
                       &timings.pollIntervalMs, &timings.reloadDelayMs, &timings.reselectLanguageDelayMs,
                       &timings.pollAfterReselectionMs})
        *delay = *delay * percent / 100;
    timings.afterVersionSelectionMs = qMax(timings.afterVersionSelectionMs, EditionConfirmedAfterMs);
    return timings;
}

} // namespace

std::optional<int> answerWithoutApplication(int &argc, char **argv, const Options &options)
{
    if (options.mode == RunMode::Version) {
        printOut(QStringLiteral("%1 %2").arg(QLatin1String(AppIdentity::Name), QLatin1String(AppIdentity::Version)));
        return ExitCode::Done;
    }
    if (options.mode == RunMode::List && options.choices.product.isEmpty() && options.problem.isEmpty()) {
        printOut(options.json ? productsJson() : productsText());
        return ExitCode::Done;
    }
    if (options.mode == RunMode::Help) {
        // The parser names the program from the application's arguments.
        const QCoreApplication app(argc, argv);
        printOut(helpText());
        return ExitCode::Done;
    }
    if (!options.problem.isEmpty()) {
        printError(QStringLiteral("travonix: %1\nSee travonix --help.").arg(options.problem));
        if (options.json)
            printOut(errorJson(QStringLiteral("usage"), options.problem));
        return ExitCode::Usage;
    }
    return std::nullopt;
}

void keepQtWarningsOffStandardError()
{
    // Standard error is the user's here: what Qt and the web engine say of
    // themselves is of use only to someone who asked for it.
    if (qEnvironmentVariable("TRAVONIX_DEBUG") != QLatin1String("1"))
        qputenv("QT_LOGGING_RULES", qgetenv("QT_LOGGING_RULES") + ";default.warning=false;qt.*.warning=false");
}

void useOffscreenWithoutDisplay()
{
#ifdef Q_OS_LINUX
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
}

int runCommandLine(const Options &options)
{
    platform::quitEventLoopOnTerminationRequest();
    const std::unique_ptr<DownloadManager> engine(newProductEngine());
    auto *scraper = new QuibScraper;
    scraper->setTimings(scaledTimings(options.delayPercent));
    int exitCode = ExitCode::Interrupted;
    {
        CommandLineRun run(options, scraper, engine.get(), systemLocaleName());
        QObject::connect(&run, &CommandLineRun::ended, qApp, [](int code) { QCoreApplication::exit(code); });
        QTimer::singleShot(0, &run, &CommandLineRun::start);
        QCoreApplication::exec();
        // The loop ended before the run did: a signal asked the program to stop.
        run.interrupt();
        exitCode = run.exitCode();
    }
    // The scraper hands its browser over for deletion, which must happen
    // before the web engine shuts down.
    delete scraper;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return exitCode;
}
