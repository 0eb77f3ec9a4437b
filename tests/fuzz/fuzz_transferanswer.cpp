// A server's Content-Range header, and what the engine makes of an answer
// that carries it: nothing but the asked-for bytes may be appended.
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
        for (const qint64 offset : {qint64(0), qint64(100), range ? range->start : qint64(1)}) {
            const AnswerUse use = judgeAnswer(status, range, offset);
            // Only a 206 for exactly the rest of the part is appended.
            FUZZ_EXPECT(use != AnswerUse::Append || (status == 206 && range && range->start == offset));
        }
    }
    return 0;
}
