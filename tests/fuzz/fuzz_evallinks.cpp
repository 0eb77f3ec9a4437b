// An Evaluation Center anchor's label and link, and a page's list of them.
#include "FuzzInput.h"

#include "scraper/EvalLinks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList parts = FuzzInput::pieces(data, size);
    const QString label = parts.value(0);
    const QString link = parts.value(1);
    if (const std::optional<EvalLink> read = EvalLinks::readAnchor(label, link)) {
        // Only ISO files of a known architecture, with a language code and an fwlink.
        FUZZ_EXPECT(!read->edition.isEmpty() && !read->link.isEmpty());
        FUZZ_EXPECT(QStringList({QStringLiteral("x64"), QStringLiteral("arm64"), QStringLiteral("x86")})
                        .contains(read->architecture));
        FUZZ_EXPECT(read->culture.size() >= 5
                    && read->culture.at(read->culture.indexOf(QLatin1Char('-')) + 1).isUpper());
        FUZZ_EXPECT(!read->link.contains(QLatin1String("&#61;")));
    }
    if (const auto links = EvalLinks::parseAnchors(FuzzInput::text(data, size))) {
        for (int i = 0; i < links->size(); ++i)
            FUZZ_EXPECT(!EvalLinks::languageName(links->at(i).culture).isEmpty());
    }
    return 0;
}
