// Which bytes of a file each connection fetches next. Work goes out in file
// order, a piece at a time, so the file fills from its start and its digest,
// which runs in file order, keeps up. Once no piece is free, a connection
// that is free takes over the second half of the largest range still
// running, to the byte, so none idles while work remains and the last
// mebibytes never crawl over one connection. No byte is handed out twice.
#pragma once

#include "ByteRanges.h"

#include <map>
#include <optional>
#include <vector>

class SegmentPlan final {
public:
    // `missing`, in any order; pieces of `pieceBytes` at most; a running
    // range is split only if each half gets at least `minSplitBytes`.
    SegmentPlan(std::vector<ByteRange> missing, qint64 pieceBytes, qint64 minSplitBytes);

    // The next range for connection `lane`; one it still holds is free
    // again first.
    std::optional<ByteRange> take(int lane);
    // The connection has brought its range up to `to` (not past its end).
    void advance(int lane, qint64 to);
    // Where the connection is now, and where it must stop: the end shrinks
    // when another connection takes over the range's second half.
    std::optional<ByteRange> rangeOf(int lane) const;
    // The connection ends: what it did not bring is free again.
    void giveBack(int lane);
    bool isDone() const { return m_free.empty() && m_running.empty(); }
    bool hasFree() const { return !m_free.empty(); }
    // What no connection holds and none has brought, in file order.
    const std::vector<ByteRange> &freeRuns() const { return m_free; }

private:
    std::optional<ByteRange> takeOverHalf();

    std::vector<ByteRange> m_free;
    std::map<int, ByteRange> m_running;
    qint64 m_pieceBytes;
    qint64 m_minSplitBytes;
};
