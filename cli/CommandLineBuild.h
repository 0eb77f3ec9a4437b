// The ISO built from a downloaded ESD on the command line, with its
// progress on standard error.
#pragma once

#include "ProgressReport.h"
#include "media/MediaBuild.h"

#include <QObject>

class CommandLineBuild final : public QObject {
    Q_OBJECT
public:
    explicit CommandLineBuild(ProgressReport::Style style, QObject *parent = nullptr);

    void start(const MediaBuildPlan &plan);
    // Ctrl+C: the build stops, and returns once its staging folder and the
    // unfinished ISO are gone; the ESD stays for the next run.
    void interrupt();

Q_SIGNALS:
    void ended(int exitCode);

private:
    void onFinished(const MediaBuildResult &result);

    MediaBuilder m_builder;
    ProgressReport m_report;
    MediaBuildPlan m_plan;
    bool m_interrupted = false;
};
