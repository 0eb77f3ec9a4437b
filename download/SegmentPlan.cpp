#include "SegmentPlan.h"

#include <algorithm>

SegmentPlan::SegmentPlan(std::vector<ByteRange> missing, qint64 pieceBytes, qint64 minSplitBytes)
    // Sorted and apart, so that no byte goes out twice.
    : m_free(ByteRanges(missing).runs())
    , m_pieceBytes(std::max<qint64>(pieceBytes, 1))
    , m_minSplitBytes(std::max<qint64>(minSplitBytes, 1))
{
}

std::optional<ByteRange> SegmentPlan::take(int lane)
{
    // A range left behind would be brought by no one, and the file would
    // count as whole without it.
    giveBack(lane);
    std::optional<ByteRange> range;
    if (!m_free.empty()) {
        ByteRange &first = m_free.front();
        range = ByteRange{first.from, first.from + std::min(first.size(), m_pieceBytes)};
        first.from = range->to;
        if (first.size() == 0)
            m_free.erase(m_free.begin());
    } else {
        range = takeOverHalf();
    }
    if (range)
        m_running[lane] = *range;
    return range;
}

std::optional<ByteRange> SegmentPlan::takeOverHalf()
{
    auto largest = m_running.end();
    for (auto it = m_running.begin(); it != m_running.end(); ++it) {
        if (largest == m_running.end() || it->second.size() > largest->second.size())
            largest = it;
    }
    if (largest == m_running.end() || largest->second.size() / 2 < m_minSplitBytes)
        return std::nullopt;
    ByteRange &victim = largest->second;
    const qint64 middle = victim.from + victim.size() / 2;
    const ByteRange half{middle, victim.to};
    victim.to = middle;
    return half;
}

void SegmentPlan::advance(int lane, qint64 to)
{
    const auto it = m_running.find(lane);
    if (it != m_running.end())
        it->second.from = std::clamp(to, it->second.from, it->second.to);
}

std::optional<ByteRange> SegmentPlan::rangeOf(int lane) const
{
    const auto it = m_running.find(lane);
    return it == m_running.end() ? std::nullopt : std::optional<ByteRange>(it->second);
}

void SegmentPlan::giveBack(int lane)
{
    const auto it = m_running.find(lane);
    if (it == m_running.end())
        return;
    const ByteRange rest = it->second;
    m_running.erase(it);
    if (rest.size() <= 0)
        return;
    ByteRanges free(m_free);
    free.add(rest);
    m_free = free.runs();
}
