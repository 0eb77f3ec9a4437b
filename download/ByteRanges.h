// Ranges of a file's bytes, as half-open [from, to) runs kept sorted and
// apart: what a part holds, what is on the device, what is still missing.
#pragma once

#include <QtGlobal>

#include <vector>

struct ByteRange {
    qint64 from = 0;
    qint64 to = 0;
    qint64 size() const { return to - from; }
    bool operator==(const ByteRange &other) const { return from == other.from && to == other.to; }
};

class ByteRanges final {
public:
    ByteRanges() = default;
    explicit ByteRanges(const std::vector<ByteRange> &ranges);

    // Adds a range, joining it with the runs it touches; empty ones are ignored.
    void add(ByteRange range);
    const std::vector<ByteRange> &runs() const { return m_runs; }
    bool isEmpty() const { return m_runs.empty(); }
    qint64 bytes() const;
    // Where the run from byte zero ends: 0 when byte zero is missing.
    qint64 prefixEnd() const;
    // One past the last byte held.
    qint64 end() const { return m_runs.empty() ? 0 : m_runs.back().to; }
    // The runs of [0, total) not held, in file order.
    std::vector<ByteRange> gapsBefore(qint64 total) const;
    // The same ranges, cut off at `length`.
    ByteRanges before(qint64 length) const;
    bool operator==(const ByteRanges &other) const { return m_runs == other.m_runs; }
    bool operator!=(const ByteRanges &other) const { return !(*this == other); }

private:
    std::vector<ByteRange> m_runs;
};
