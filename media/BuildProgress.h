// One number, 0 to 100, over the whole build: each phase has a share in
// proportion to the bytes it is expected to move.
#pragma once

#include "MediaBuild.h"

#include <array>
#include <functional>

class BuildProgress {
public:
    using Report = std::function<void(MediaBuildPhase phase, int percent)>;
    static constexpr std::size_t PhaseCount = 4;

    BuildProgress(const std::array<qint64, PhaseCount> &phaseBytes, Report report);

    // The fraction done of `phase`; reports only a percent that grew.
    void update(MediaBuildPhase phase, double fraction);

private:
    std::array<qint64, PhaseCount> m_phaseBytes;
    qint64 m_totalBytes = 0;
    Report m_report;
    int m_lastPercent = -1;
    std::size_t m_lastPhase = PhaseCount;
};
