// A server's Content-Range header, and what the engine makes of an answer
// that carries it: nothing but the asked-for bytes may be written.
#include "FuzzInput.h"

#include "download/TransferAnswer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray header(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const std::optional<ContentRange> range = parseContentRange(header);
    if (range) {
        FUZZ_EXPECT(range->total >= -1);
        FUZZ_EXPECT(range->start == -1 ? range->end == -1 : range->start >= 0 && range->end >= range->start);
        FUZZ_EXPECT(range->total == -1 || range->end < range->total);
    }
    for (const long status : {200L, 206L, 416L, 500L}) {
        for (const qint64 from : {qint64(0), qint64(100), range ? range->start : qint64(1)}) {
            const qint64 to = range ? range->end + 1 : -1;
            const AnswerKind kind = judgeAnswer(status, range, from, to, true);
            // Only a 206 starting exactly where asked is written as a range.
            FUZZ_EXPECT(kind != AnswerKind::Range || (status == 206 && range && range->start == from)
                        || (status != 206 && from == 0 && to < 0));
        }
    }
    return 0;
}
