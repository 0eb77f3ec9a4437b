#include "BuildProgress.h"

#include <algorithm>
#include <numeric>

BuildProgress::BuildProgress(const std::array<qint64, PhaseCount> &phaseBytes, Report report)
    : m_phaseBytes(phaseBytes)
    , m_totalBytes(std::max<qint64>(1, std::accumulate(phaseBytes.begin(), phaseBytes.end(), qint64{0})))
    , m_report(std::move(report))
{
}

void BuildProgress::update(MediaBuildPhase phase, double fraction)
{
    const auto index = static_cast<std::size_t>(phase);
    const qint64 before = std::accumulate(m_phaseBytes.begin(), m_phaseBytes.begin() + index, qint64{0});
    const double done = static_cast<double>(before) + std::clamp(fraction, 0.0, 1.0) * m_phaseBytes[index];
    const int percent = std::max(m_lastPercent, static_cast<int>(100.0 * done / m_totalBytes));
    if (percent == m_lastPercent && index == m_lastPhase)
        return;
    m_lastPercent = percent;
    m_lastPhase = index;
    m_report(phase, percent);
}
