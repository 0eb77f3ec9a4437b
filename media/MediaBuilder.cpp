#include "MediaBuild.h"

#include "MediaJob.h"

#include <QtConcurrent>

QString mediaBuildPhaseName(MediaBuildPhase phase)
{
    switch (phase) {
    case MediaBuildPhase::ApplyingSetup:
        return QStringLiteral("Copying the setup files");
    case MediaBuildPhase::WritingBootImage:
        return QStringLiteral("Writing the boot image");
    case MediaBuildPhase::WritingInstallImage:
        return QStringLiteral("Writing the install image");
    case MediaBuildPhase::WritingIso:
        return QStringLiteral("Writing the ISO");
    }
    return {};
}

MediaBuilder::MediaBuilder(MediaBuildSettings settings, QObject *parent)
    : QObject(parent)
    , m_settings(std::move(settings))
{
    qRegisterMetaType<MediaBuildPhase>();
    qRegisterMetaType<MediaBuildResult>();
    connect(&m_watcher, &QFutureWatcher<MediaBuildResult>::finished, this, [this] { deliver(m_future.result()); });
}

MediaBuilder::~MediaBuilder()
{
    // The build's own cleanup runs before its future ends.
    m_cancelled->store(true);
    m_future.waitForFinished();
}

void MediaBuilder::start(const MediaBuildPlan &plan)
{
    if (m_state != State::Idle)
        return;
    m_state = State::Running;
    // Progress crosses to this object's thread; an update still queued when
    // the builder is gone is dropped with it.
    auto job = std::make_shared<MediaJob>(plan, m_settings, m_cancelled, [this](MediaBuildPhase phase, int percent) {
        QMetaObject::invokeMethod(
            this, [this, phase, percent] { reportProgress(phase, percent); }, Qt::QueuedConnection);
    });
    m_future = QtConcurrent::run([job] { return job->run(); });
    m_watcher.setFuture(m_future);
}

void MediaBuilder::cancel()
{
    m_cancelled->store(true);
}

void MediaBuilder::cancelAndWait()
{
    cancel();
    m_future.waitForFinished();
    if (m_state == State::Running)
        deliver(m_future.result());
}

void MediaBuilder::deliver(const MediaBuildResult &result)
{
    if (m_state != State::Running)
        return;
    m_state = State::Finished;
    Q_EMIT finished(result);
}

void MediaBuilder::reportProgress(MediaBuildPhase phase, int percent)
{
    if (m_state == State::Running)
        Q_EMIT progress(phase, percent);
}
