// Every reader of the page scripts' answers gets the same text, as any of
// them may be handed whatever the page returns.
#include "FuzzInput.h"

#include "scraper/PageAnswers.h"

using namespace PageAnswers;

namespace {

bool isArchitecture(const QString &architecture)
{
    return architecture == QLatin1String("x86") || architecture == QLatin1String("x64")
        || architecture == QLatin1String("arm64");
}

void readLists(const QString &text)
{
    QString problem;
    if (const auto versions = parseVersionList(text, &problem)) {
        for (const ProductVersion &version : *versions)
            FUZZ_EXPECT(!version.id.isEmpty() && !version.name.isEmpty());
    }
    if (const auto languages = parseLanguageList(text, &problem)) {
        for (const LanguageInfo &language : *languages)
            FUZZ_EXPECT(!language.id.isEmpty() && !language.name.isEmpty());
    }
    if (const auto links = parseLinkList(text, QStringLiteral("3321"), QStringLiteral("English"), &problem)) {
        for (const DownloadOption &link : *links)
            FUZZ_EXPECT(!link.url.isEmpty() && (link.architecture.isEmpty() || isArchitecture(link.architecture)));
    }
    FUZZ_EXPECT(!parseLinkLanguages(text).contains(QString()));
    parseSelectedLanguageId(text);
    parsePageError(text);
    probeAllowsProceeding(text);
    if (const auto poll = parsePollResult(text))
        pollRow(*poll);
}

void readPageText(const QString &text)
{
    if (const auto refusal = parseRefusal(text))
        FUZZ_EXPECT(refusal->code.size() == 10 && refusal->code.at(3) == QLatin1Char('-'));
    const ConsoleLine line = parseConsoleLine(text);
    // A script's output line is its tag and payload and nothing else.
    if (line.kind == ConsoleLine::Output)
        FUZZ_EXPECT(!line.tag.isEmpty()
                    && text == QStringLiteral("QUIBQT_OUTPUT|") + line.tag + QLatin1Char('|') + line.payload);
    pageMovedOn(text);
    // The text as a link's label, then as its address: without a
    // DownloadType nothing disagrees, so there is always an answer.
    FUZZ_EXPECT(isArchitecture(classifyArchitecture(text, QString()).value_or(QString())));
    FUZZ_EXPECT(isArchitecture(classifyArchitecture(QString(), text).value_or(QString())));
    const auto typed = classifyArchitecture(QString(), text, 1);
    FUZZ_EXPECT(!typed || *typed == QLatin1String("x64"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = FuzzInput::text(data, size);
    readLists(text);
    readPageText(text);
    return 0;
}
