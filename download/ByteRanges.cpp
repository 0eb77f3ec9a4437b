#include "ByteRanges.h"

#include <algorithm>

ByteRanges::ByteRanges(const std::vector<ByteRange> &ranges)
{
    for (const ByteRange &range : ranges)
        add(range);
}

void ByteRanges::add(ByteRange range)
{
    if (range.size() <= 0)
        return;
    // The first run that ends at or after the new one's start may touch it.
    auto first = std::lower_bound(m_runs.begin(), m_runs.end(), range.from,
                                  [](const ByteRange &run, qint64 from) { return run.to < from; });
    auto last = first;
    while (last != m_runs.end() && last->from <= range.to) {
        range.from = std::min(range.from, last->from);
        range.to = std::max(range.to, last->to);
        ++last;
    }
    m_runs.insert(m_runs.erase(first, last), range);
}

qint64 ByteRanges::bytes() const
{
    qint64 total = 0;
    for (const ByteRange &run : m_runs)
        total += run.size();
    return total;
}

qint64 ByteRanges::prefixEnd() const
{
    return !m_runs.empty() && m_runs.front().from == 0 ? m_runs.front().to : 0;
}

std::vector<ByteRange> ByteRanges::gapsBefore(qint64 total) const
{
    std::vector<ByteRange> gaps;
    qint64 from = 0;
    for (const ByteRange &run : m_runs) {
        if (run.from >= total)
            break;
        if (run.from > from)
            gaps.push_back({from, run.from});
        from = std::max(from, run.to);
    }
    if (from < total)
        gaps.push_back({from, total});
    return gaps;
}

ByteRanges ByteRanges::before(qint64 length) const
{
    ByteRanges cut;
    for (const ByteRange &run : m_runs)
        cut.add({run.from, std::min(run.to, length)});
    return cut;
}
