#include "CommandLineBuild.h"

#include "Options.h"
#include "Output.h"

namespace {

// A build that could not be made as asked is the user's to change (the
// room), any other failure the build's own.
int exitCodeOf(MediaBuildOutcome outcome)
{
    switch (outcome) {
    case MediaBuildOutcome::Built:
        return ExitCode::Done;
    case MediaBuildOutcome::Cancelled:
        return ExitCode::Interrupted;
    case MediaBuildOutcome::NoSpace:
        return ExitCode::Usage;
    default:
        return ExitCode::Failed;
    }
}

} // namespace

CommandLineBuild::CommandLineBuild(ProgressReport::Style style, QObject *parent)
    : QObject(parent)
    , m_report(style)
{
    connect(&m_builder, &MediaBuilder::progress, this, [this](MediaBuildPhase phase, int percent) {
        m_report.step(QStringLiteral("Building the ISO: ") + mediaBuildPhaseName(phase), percent);
    });
    connect(&m_builder, &MediaBuilder::finished, this, &CommandLineBuild::onFinished);
}

void CommandLineBuild::start(const MediaBuildPlan &plan)
{
    m_plan = plan;
    m_report.note(QStringLiteral("Building %1 from %2").arg(plan.isoPath, plan.esdPath));
    m_builder.start(plan);
}

void CommandLineBuild::interrupt()
{
    m_interrupted = true;
    m_builder.cancelAndWait();
    m_report.close();
    printError(QStringLiteral("Interrupted. No ISO was made; %1 is kept, and the same command builds from it.")
                   .arg(m_plan.esdPath));
}

void CommandLineBuild::onFinished(const MediaBuildResult &result)
{
    if (m_interrupted)
        return;
    m_report.close();
    if (result.outcome == MediaBuildOutcome::Built) {
        m_report.note(
            QStringLiteral("Saved %1\n(built from %2, which may now be removed)").arg(result.isoPath, m_plan.esdPath));
    } else {
        printError(QStringLiteral("Building the ISO failed: %1\n%2 is kept for another try.")
                       .arg(result.message, m_plan.esdPath));
    }
    Q_EMIT ended(exitCodeOf(result.outcome));
}
