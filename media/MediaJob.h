// One media build from start to end, run on the builder's worker thread.
// Every step checks for a cancel; the staging folder goes with the job's
// run, whichever way it ends.
#pragma once

#include "BuildProgress.h"
#include "EsdImages.h"
#include "MediaBuild.h"

#include <atomic>
#include <memory>

class StagingFolder;
class WimFile;

class MediaJob {
public:
    MediaJob(MediaBuildPlan plan, MediaBuildSettings settings, std::shared_ptr<const std::atomic_bool> cancelled,
             BuildProgress::Report report);

    MediaBuildResult run();

private:
    struct Source;

    std::optional<MediaBuildResult> checkPlan() const;
    MediaBuildResult build(const Source &source);
    std::optional<MediaBuildResult> applySetup(const Source &source, const QString &tree);
    std::optional<MediaBuildResult> writeImages(const Source &source, const QString &tree);
    std::optional<MediaBuildResult> writeWim(const WimFile &wim, const QString &sources, const char *name,
                                             int writeFlags, MediaBuildPhase phase);
    std::optional<MediaBuildResult> writeIso(const Source &source, const StagingFolder &staging, const QString &tree);
    std::optional<MediaBuildResult> wimFailure(int error, const QString &doing) const;

    MediaBuildPlan m_plan;
    MediaBuildSettings m_settings;
    std::shared_ptr<const std::atomic_bool> m_cancelled;
    BuildProgress::Report m_report;
    std::unique_ptr<BuildProgress> m_progress;
};
