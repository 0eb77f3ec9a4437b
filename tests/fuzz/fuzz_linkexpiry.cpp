// An ISO link as the page hands it over: its expiry, whether it has run
// out, and the line the user reads about it.
#include "FuzzInput.h"

#include "flow/LinkExpiry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString link = FuzzInput::text(data, size);
    const std::optional<QDateTime> expiry = linkExpiry(link);
    if (!expiry) {
        FUZZ_EXPECT(!linkExpired(link) && linkValidityText(link).isEmpty());
        return 0;
    }
    // P1 counts seconds after 1970; a link runs out at that second, not before.
    FUZZ_EXPECT(expiry->isValid() && expiry->toMSecsSinceEpoch() > 0);
    FUZZ_EXPECT(linkExpired(link, *expiry) && !linkExpired(link, expiry->addSecs(-1)));
    FUZZ_EXPECT(!linkValidityText(link).isEmpty());
    return 0;
}
