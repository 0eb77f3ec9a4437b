// The command line's options: the input cut into arguments at NUL bytes and
// line breaks, after the program's name.
#include "FuzzInput.h"

#include "cli/Options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Options options = parseOptions(QStringList{QStringLiteral("travonix")} + FuzzInput::pieces(data, size));
    // A command line that runs has what its mode needs, as --help says.
    if (options.problem.isEmpty() && options.mode != RunMode::Window && options.mode != RunMode::Help
        && options.mode != RunMode::Version) {
        FUZZ_EXPECT(options.mode == RunMode::List || !options.choices.product.isEmpty());
        FUZZ_EXPECT(options.delayPercent >= 1 && options.delayPercent <= 100);
    }
    return 0;
}
