// The record beside a part, as a crash or another program may have left
// it: read back, it claims some bytes and its validators are fit for a
// header, or it is no record.
#include "FuzzInput.h"

#include "download/PartRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString recordPath = FuzzInput::freshFile(data, size, QStringLiteral("x%1.part.json"));
    const QString partPath = recordPath.chopped(5);
    FUZZ_EXPECT(partRecordPath(partPath) == recordPath);
    if (const std::optional<PartRecord> record = readPartRecord(partPath)) {
        FUZZ_EXPECT(record->held().bytes() > 0 || record->total > 0);
        FUZZ_EXPECT(isSafeValidator(record->etag) && isSafeValidator(record->lastModified));
    }
    return 0;
}
