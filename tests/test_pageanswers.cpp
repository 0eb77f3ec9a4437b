// Reading what the page scripts answer: lists, links, the validation probe,
// poll results, console lines, the Evaluation Center's anchors, and the
// text put into page scripts. Also
// built with AddressSanitizer and UndefinedBehaviorSanitizer.
#include "scraper/EvalLinks.h"
#include "scraper/LanguageRows.h"
#include "scraper/PageAnswers.h"
#include "scraper/PageScripts.h"
#include "scraper/PublishedHashes.h"

#include <QRegularExpression>
#include <QTest>

using namespace PageAnswers;

namespace {

QStringList versionIds(const std::optional<QList<ProductVersion>> &versions)
{
    if (!versions)
        return {QStringLiteral("<no answer>")};
    QStringList ids;
    for (const ProductVersion &version : *versions)
        ids << version.id + QLatin1Char('=') + version.name;
    return ids;
}

QStringList languageRows(const std::optional<QList<LanguageInfo>> &languages)
{
    if (!languages)
        return {QStringLiteral("<no answer>")};
    QStringList rows;
    for (const LanguageInfo &language : *languages)
        rows << language.id + QLatin1Char('|') + language.name + QLatin1Char('|') + language.language;
    return rows;
}

QStringList linkRows(const std::optional<QList<DownloadOption>> &options)
{
    if (!options)
        return {QStringLiteral("<no answer>")};
    QStringList rows;
    for (const DownloadOption &option : *options)
        rows << option.architecture + QLatin1Char(' ') + option.url;
    return rows;
}

QString languageEntry(const char *code, const char *name)
{
    QString escaped = QString::fromUtf8(code);
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QStringLiteral("{\"code\":\"%1\",\"name\":\"%2\"}").arg(escaped, QString::fromUtf8(name));
}

} // namespace

class TestPageAnswers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void versions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        const QString noAnswer = QStringLiteral("<no answer>");
        QTest::newRow("page answer")
            << R"j({"versions":[{"id":"3321","name":"Windows 11 (multi-edition ISO)"}],"url":"x"})j"
            << QStringList{"3321=Windows 11 (multi-edition ISO)"};
        QTest::newRow("bare array") << R"j([{"id":"1","name":"A"},{"id":"2","name":"B"}])j"
                                    << QStringList{"1=A", "2=B"};
        QTest::newRow("member in other case")
            << R"j({"Versions":[{"ID":"7","Name":"Seven"}]})j" << QStringList{"7=Seven"};
        QTest::newRow("filters") << R"j({"versions":[{"id":"null","name":"N"},{"id":"","name":"E"},{"id":"3","name":""},
            {"id":"4","name":"Select edition"},{"id":"5","name":"PLEASE SELECT"},{"id":"6","name":"Six"}]})j"
                                 << QStringList{"6=Six"};
        QTest::newRow("wrong member types skipped")
            << R"j([{"id":3321,"name":"N"},{"id":"9"},"text",null,[1],{"id":"8","name":"Eight"}])j"
            << QStringList{"8=Eight"};
        QTest::newRow("duplicates kept") << R"j([{"id":"1","name":"A"},{"id":"1","name":"A"}])j"
                                         << QStringList{"1=A", "1=A"};
        QTest::newRow("nothing valid") << R"j({"versions":[{"id":"null","name":"x"}]})j" << QStringList{};
        QTest::newRow("empty array") << R"j({"versions":[]})j" << QStringList{};
        QTest::newRow("empty text") << "" << QStringList{noAnswer};
        QTest::newRow("not JSON") << "undefined" << QStringList{noAnswer};
        QTest::newRow("truncated") << R"j({"versions":[{"id":"1")j" << QStringList{noAnswer};
        QTest::newRow("no array") << R"j({"versions":{"id":"1","name":"A"}})j" << QStringList{noAnswer};
        QTest::newRow("scalar root") << "42" << QStringList{noAnswer};
        QTest::newRow("string root") << R"j("versions")j" << QStringList{noAnswer};
        QTest::newRow("deep nesting") << QString(5000, QLatin1Char('[')) << QStringList{noAnswer};
        QTest::newRow("unicode") << R"j([{"id":"1","name":"Windows 11 \u00e9\ud83d\ude00"}])j"
                                 << QStringList{QString::fromUtf8("1=Windows 11 \u00e9\U0001F600")};
        QTest::newRow("embedded zero") << QStringLiteral("[{\"id\":\"1\",\"name\":\"A\"}]\u0000garbage")
                                       << QStringList{"1=A"};
    }
    void versions()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(versionIds(parseVersionList(text)), expected);
    }

    void parseProblemSaysWhereItStopped()
    {
        QString problem;
        QVERIFY(!parseVersionList(QStringLiteral("[1, 2, oops]"), &problem));
        QCOMPARE(problem, QStringLiteral("oops]"));
    }

    void languages_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        const auto answer = [](QStringList entries) {
            return QStringLiteral("{\"languages\":[%1],\"url\":\"u\",\"count\":3}").arg(entries.join(QLatin1Char(',')));
        };
        QTest::newRow("page answer") << answer(
            {languageEntry(R"j({"id":"1123","language":"English"})j", "English (United States)")})
                                     << QStringList{"1123|English (United States)|English"};
        QTest::newRow("inner id null") << answer({languageEntry(R"j({"id":"null","language":"English"})j", "English")})
                                       << QStringList{};
        QTest::newRow("no language member")
            << answer({languageEntry(R"j({"id":"5"})j", "Deutsch")}) << QStringList{"5|Deutsch|"};
        QTest::newRow("bare ids") << answer({languageEntry("1123", "English"), languageEntry("sku-7", "Seven"),
                                             languageEntry(R"j({"id":"6"})j", "Six")})
                                  << QStringList{"1123|English|", "sku-7|Seven|", "6|Six|"};
        QTest::newRow("empty code or name")
            << answer({languageEntry("", "English"), languageEntry(R"j({"id":"7"})j", "")}) << QStringList{};
        QTest::newRow("inner id not a string")
            << answer({languageEntry(R"j({"id":7,"language":"X"})j", "Seven")}) << QStringList{};
        QTest::newRow("inner members any case")
            << answer({languageEntry(R"j({"ID":"8","Language":"Eight"})j", "Acht")}) << QStringList{"8|Acht|Eight"};
        QTest::newRow("bare array") << QStringLiteral("[%1]").arg(languageEntry(R"j({"id":"9"})j", "Nine"))
                                    << QStringList{"9|Nine|"};
        QTest::newRow("outer member case")
            << QStringLiteral("{\"Languages\":[%1]}").arg(languageEntry(R"j({"id":"9"})j", "Nine"))
            << QStringList{"9|Nine|"};
        QTest::newRow("entries of other types")
            << R"j({"languages":[1,"x",null,{"code":5,"name":"n"}]})j" << QStringList{};
        QTest::newRow("empty text") << "" << QStringList{"<no answer>"};
        QTest::newRow("no array") << R"j({"url":"u"})j" << QStringList{"<no answer>"};
        QTest::newRow("inner garbage") << answer({languageEntry("{\"id\":\"1\"", "Broken")}) << QStringList{};
    }
    void languages()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(languageRows(parseLanguageList(text)), expected);
    }

    void links_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("page answer")
            << R"j({"links":[{"url":"https://h/Win11_x64.iso?t=1","text":"64-bit Download"}],"url":"p"})j"
            << QStringList{"x64 https://h/Win11_x64.iso?t=1"};
        QTest::newRow("bare array, two alike kept")
            << R"j([{"url":"u.iso","text":"32-bit Download"},{"url":"u.iso","text":"32-bit Download"}])j"
            << QStringList{"x86 u.iso", "x86 u.iso"};
        QTest::newRow("Links member") << R"j({"Links":[{"URL":"https://h/Win11_Arm64.iso","Text":"Download Now"}]})j"
                                      << QStringList{"arm64 https://h/Win11_Arm64.iso"};
        QTest::newRow("url not a string, empty url")
            << R"j({"links":[{"url":5},{"url":""},{"text":"x"},{"url":"k.iso"}]})j" << QStringList{"x64 k.iso"};
        QTest::newRow("text not a string") << R"j([{"url":"w_x32.iso","text":64}])j" << QStringList{"x86 w_x32.iso"};
        QTest::newRow("downloadType read")
            << R"j([{"url":"a.iso","downloadType":2},{"url":"b.iso","downloadType":0},{"url":"c.iso","downloadType":null}])j"
            << QStringList{"arm64 a.iso", "x86 b.iso", "x64 c.iso"};
        QTest::newRow("downloadType not a whole number")
            << R"j([{"url":"a_x32.iso","downloadType":1.5},{"url":"b_x32.iso","downloadType":"1"}])j"
            << QStringList{"x86 a_x32.iso", "x86 b_x32.iso"};
        QTest::newRow("downloadType against the file")
            << R"j([{"url":"Win11_Arm64.iso","downloadType":1}])j" << QStringList{" Win11_Arm64.iso"};
        QTest::newRow("no links") << R"j({"links":[]})j" << QStringList{};
        QTest::newRow("links not an array") << R"j({"links":"a.iso"})j" << QStringList{"<no answer>"};
        QTest::newRow("empty text") << "" << QStringList{"<no answer>"};
    }
    void links()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        const auto options = parseLinkList(text, QStringLiteral("3321"), QStringLiteral("English"));
        QCOMPARE(linkRows(options), expected);
        if (options && !options->isEmpty()) {
            QCOMPARE(options->first().versionId, QStringLiteral("3321"));
            QCOMPARE(options->first().language, QStringLiteral("English"));
        }
    }

    // Which listed language the page gave its links for, against the row
    // chosen: from the links' own language, else the list's selected row.
    void offeredLanguage_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("offered");
        QTest::newRow("the chosen one") << "Portuguese"
                                        << R"j({"links":[{"url":"a.iso","language":"Portuguese"}]})j"
                                        << "Portuguese";
        QTest::newRow("another listed one") << "Portuguese"
                                            << R"j({"links":[{"url":"a.iso","language":"Brazilian Portuguese"}]})j"
                                            << "Brazilian Portuguese";
        QTest::newRow("one of two links another")
            << "Portuguese"
            << R"j({"links":[{"url":"a.iso","language":"Portuguese"},{"url":"b.iso","language":"Thai"}]})j"
            << "Thai";
        QTest::newRow("a language outside the list") << "Portuguese"
                                                     << R"j({"links":[{"url":"a.iso","language":"Klingon"}]})j"
                                                     << "Klingon";
        QTest::newRow("outside the list, chosen row without a language")
            << "Deutsch"
            << R"j({"links":[{"url":"a.iso","language":"German"}]})j"
            << "Deutsch";
        QTest::newRow("rows without a language, known by name")
            << "Suomi"
            << R"j({"links":[{"url":"a.iso","language":"Deutsch"}]})j"
            << "Deutsch";
        QTest::newRow("the list's selected row") << "Portuguese"
                                                 << R"j({"links":[{"url":"a.iso"}],"selectedLanguageId":"2"})j"
                                                 << "Brazilian Portuguese";
        QTest::newRow("links' language before the selection")
            << "Portuguese"
            << R"j({"links":[{"url":"a.iso","language":"Portuguese"}],"selectedLanguageId":"2"})j"
            << "Portuguese";
        QTest::newRow("nothing said") << "Portuguese"
                                      << R"j({"links":[{"url":"a.iso"}],"selectedLanguageId":""})j"
                                      << "Portuguese";
    }
    void offeredLanguage()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, answer);
        QFETCH(QString, offered);
        const QList<LanguageInfo> listed{{QStringLiteral("1"), QStringLiteral("Portuguese"),
                                          QStringLiteral("Portuguese"), true},
                                         {QStringLiteral("2"), QStringLiteral("Brazilian Portuguese"),
                                          QStringLiteral("Brazilian Portuguese"), true},
                                         {QStringLiteral("3"), QStringLiteral("Thai"), QStringLiteral("Thai"), true},
                                         {QStringLiteral("4"), QStringLiteral("Deutsch"), QString(), true},
                                         {QStringLiteral("5"), QStringLiteral("Suomi"), QString(), true}};
        const LanguageInfo row = *LanguageRows::named(listed, chosen);
        QCOMPARE(LanguageRows::offeredName(listed, row, parseLinkLanguages(answer), parseSelectedLanguageId(answer)),
                 offered);
    }

    // The page's own DownloadType decides, then the file name (never the
    // signed query), then the label in whatever language the page has.
    void architecture_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("url");
        QTest::addColumn<int>("downloadType"); // -1: the page gives none
        QTest::addColumn<QString>("architecture"); // empty: not to be guessed
        const QString x64 = QStringLiteral("https://h/Win11_25H2_French_x64.iso?t=1&P4=%1");
        const QString x32 = QStringLiteral("https://h/Win10_22H2_German_x32v1.iso?t=1&P4=%1");
        const QString arm = QStringLiteral("https://h/Win11_25H2_English_Arm64_v2.iso?t=1&P4=%1");
        QTest::newRow("type 0, English") << "32-bit Download" << x32.arg("q") << 0 << "x86";
        QTest::newRow("type 1, French") << "Télécharger en 64 bits" << x64.arg("q") << 1 << "x64";
        QTest::newRow("type 2, German") << "Jetzt herunterladen" << arm.arg("q") << 2 << "arm64";
        QTest::newRow("type 2, label says 64-bit") << "64-Bit-Download" << arm.arg("q") << 2 << "arm64";
        QTest::newRow("Arm64 signed with x64") << "Download Now" << arm.arg("Zx64Qx86a") << -1 << "arm64";
        QTest::newRow("Arm64 signed with x64, type 2") << "Download Now" << arm.arg("Zx64Qx86a") << 2 << "arm64";
        QTest::newRow("x64 signed with x86 and arm") << "" << x64.arg("x86arm") << -1 << "x64";
        QTest::newRow("x32 signed with x64") << "" << x32.arg("x64") << -1 << "x86";
        QTest::newRow("file x32 beats a 64-bit label") << "64-bit Download" << x32.arg("q") << -1 << "x86";
        QTest::newRow("type and file disagree") << "64-bit Download" << arm.arg("q") << 1 << "";
        QTest::newRow("type 0, file x64") << "" << x64.arg("q") << 0 << "";
        QTest::newRow("unknown type: the file") << "" << arm.arg("q") << 7 << "arm64";
        QTest::newRow("type without a file word") << "Download"
                                                  << "https://h/Win11.iso?x64" << 2 << "arm64";
        QTest::newRow("French 32 bits") << "Télécharger en 32 bits"
                                        << "https://h/w.iso" << -1 << "x86";
        QTest::newRow("German 64-Bit") << "64-Bit-Download"
                                       << "https://h/w.iso" << -1 << "x64";
        QTest::newRow("a folder named arm is no file name") << "x64"
                                                            << "https://h/arm/file.iso" << -1 << "x64";
        QTest::newRow("32 wins over 64 in label") << "64-bit and 32-bit"
                                                  << "u.iso" << -1 << "x86";
        QTest::newRow("ARM64 described as 64-bit") << "ARM64 64-bit"
                                                   << "u.iso" << -1 << "arm64";
        QTest::newRow("Arm 64-bit") << "Windows 11 Arm 64-bit"
                                    << "u.iso" << -1 << "arm64";
        QTest::newRow("arm label") << "Arm64 Download"
                                   << "u.iso" << -1 << "arm64";
        QTest::newRow("file X64") << "Download"
                                  << "https://h/Win11_X64.iso" << -1 << "x64";
        QTest::newRow("file X86") << ""
                                  << "https://h/win_X86.iso" << -1 << "x86";
        QTest::newRow("file x64 before x86") << ""
                                             << "https://h/x86_x64.iso" << -1 << "x64";
        QTest::newRow("nothing named") << ""
                                       << "https://h/Win11.iso?P4=arm" << -1 << "x64";
    }
    void architecture()
    {
        QFETCH(QString, label);
        QFETCH(QString, url);
        QFETCH(int, downloadType);
        QFETCH(QString, architecture);
        const auto type = downloadType < 0 ? std::nullopt : std::optional<int>(downloadType);
        QCOMPARE(classifyArchitecture(label, url, type).value_or(QString()), architecture);
    }

    void probe_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("proceed");
        QTest::newRow("no dialog") << R"j({"validating":false,"validatingComplete":false,"validatingMessage":""})j"
                                   << true;
        QTest::newRow("dialog up") << R"j({"validating":true,"validatingComplete":false,"validatingMessage":"Wait"})j"
                                   << false;
        QTest::newRow("closed since") << R"j({"validating":false,"validatingComplete":true})j" << true;
        QTest::newRow("up and complete") << R"j({"validating":true,"validatingComplete":true})j" << true;
        QTest::newRow("string true is not true") << R"j({"validating":"true"})j" << true;
        QTest::newRow("member case") << R"j({"VALIDATING":true})j" << false;
        QTest::newRow("not JSON") << "" << true;
        QTest::newRow("array root") << "[true]" << true;
    }
    void probe()
    {
        QFETCH(QString, text);
        QFETCH(bool, proceed);
        QCOMPARE(probeAllowsProceeding(text), proceed);
    }

    void pollResultFields()
    {
        const auto result = parsePollResult(QStringLiteral(
            R"j({"status":"ready","hasContainer":true,"linkCount":2.9,"containerHTML":"<a>","currentURL":"u",
                "HASISOLINKS":true,"productName":"P","formFound":"no","validating":1,"downloadErrorMessage":7})j"));
        QVERIFY(result);
        QCOMPARE(result->status, QStringLiteral("ready"));
        QVERIFY(result->hasContainer && result->hasIsoLinks);
        QCOMPARE(result->linkCount, std::optional<int>(2));
        QCOMPARE(result->containerHTML, std::optional<QString>(QStringLiteral("<a>")));
        QVERIFY(!result->validating);
        QCOMPARE(result->downloadErrorMessage, QString());
        QCOMPARE(parsePollResult(QStringLiteral("{}"))->linkCount, std::optional<int>(0));
        QCOMPARE(parsePollResult(QStringLiteral(R"j({"linkCount":"0"})j"))->linkCount, std::nullopt);
        QCOMPARE(parsePollResult(QStringLiteral(R"j({"linkCount":1e300})j"))->linkCount,
                 std::optional<int>(2147483647));
        QVERIFY(!parsePollResult(QStringLiteral("[]")));
        QVERIFY(!parsePollResult(QString()));
    }

    void pollDecision_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("row");
        QTest::newRow("1 error beats links") << R"j({"downloadError":true,"hasIsoLinks":true})j" << 1;
        QTest::newRow("2 links beat validating") << R"j({"hasIsoLinks":true,"validating":true})j" << 2;
        QTest::newRow("3 validating") << R"j({"validating":true,"hasContainer":true})j" << 3;
        QTest::newRow("page globals of old are not read")
            << R"j({"waitingForSubmit":true,"languageMismatch":true,"hasContainer":true})j" << 8;
        QTest::newRow("8 container") << R"j({"hasContainer":true,"formFound":"no"})j" << 8;
        QTest::newRow("9 nothing") << R"j({"status":"not_ready"})j" << 9;
    }
    void pollDecision()
    {
        QFETCH(QString, text);
        QFETCH(int, row);
        QCOMPARE(int(pollRow(*parsePollResult(text))), row);
    }

    void movedOn_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("moved");
        QTest::newRow("thank-you page") << "https://www.microsoft.com/en-us/software-download/thankyou?x=1" << true;
        QTest::newRow("windows11 page") << "https://www.microsoft.com/en-us/software-download/windows11" << false;
        QTest::newRow("windows10 page") << "https://www.microsoft.com/en-us/software-download/windows10ISO" << false;
        QTest::newRow("case matters") << "https://www.microsoft.com/en-us/software-download/Windows11" << true;
        QTest::newRow("elsewhere") << "https://www.microsoft.com/en-us/search" << false;
        QTest::newRow("empty") << "" << false;
    }
    void movedOn()
    {
        QFETCH(QString, url);
        QFETCH(bool, moved);
        QCOMPARE(pageMovedOn(url), moved);
    }

    void consoleLines_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("payload");
        QTest::newRow("versions") << R"j(QUIBQT_OUTPUT|VERSIONS|{"versions":[]})j" << int(ConsoleLine::Output)
                                  << "VERSIONS"
                                  << R"j({"versions":[]})j";
        QTest::newRow("payload keeps bars") << "QUIBQT_OUTPUT|LINKS|a|b|c" << int(ConsoleLine::Output) << "LINKS"
                                            << "a|b|c";
        QTest::newRow("empty payload") << "QUIBQT_OUTPUT|VERSION_SELECTED|" << int(ConsoleLine::Output)
                                       << "VERSION_SELECTED"
                                       << "";
        QTest::newRow("empty tag") << "QUIBQT_OUTPUT||x" << int(ConsoleLine::Other) << ""
                                   << "";
        QTest::newRow("no second bar") << "QUIBQT_OUTPUT|LINKS" << int(ConsoleLine::Other) << ""
                                       << "";
        QTest::newRow("prefix case") << "quibqt_output|LINKS|x" << int(ConsoleLine::Other) << ""
                                     << "";
        QTest::newRow("debug") << "QUIBQT_DEBUG|hello|there" << int(ConsoleLine::Debug) << ""
                               << "hello|there";
        QTest::newRow("debug with colon is noise")
            << "QUIBQT_DEBUG: Using fallback targetLanguage: x" << int(ConsoleLine::Other) << ""
            << "";
        QTest::newRow("initialized") << "QUIBQT_INITIALIZED" << int(ConsoleLine::Initialized) << ""
                                     << "";
        QTest::newRow("initialized and more") << "QUIBQT_INITIALIZED!" << int(ConsoleLine::Other) << ""
                                              << "";
        QTest::newRow("error") << "QUIBQT_ERROR:boom" << int(ConsoleLine::Error) << ""
                               << "boom";
        QTest::newRow("noise") << "Uncaught TypeError" << int(ConsoleLine::Other) << ""
                               << "";
    }
    void consoleLines()
    {
        QFETCH(QString, message);
        QFETCH(int, kind);
        QFETCH(QString, tag);
        QFETCH(QString, payload);
        const ConsoleLine line = parseConsoleLine(message);
        QCOMPARE(int(line.kind), kind);
        QCOMPARE(line.tag, tag);
        QCOMPARE(line.payload, payload);
    }

    void scriptTextCannotEscapeItsLiteral_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("single quote") << "O'Brien English";
        QTest::newRow("double quote") << "Quote \" English";
        QTest::newRow("backslash") << "Back\\slash');alert(1);//";
        QTest::newRow("line breaks") << "Line\nBreak\r\u2028\u2029";
        QTest::newRow("script end") << "</script><script>window.quibQtPwned=1</script>";
        QTest::newRow("template") << "`${1}`";
        QTest::newRow("non-ASCII") << QString::fromUtf8("Portugu\u00eas (Brasil) \U0001F600");
        QTest::newRow("NUL") << QStringLiteral("a\u0000b");
    }
    void scriptTextCannotEscapeItsLiteral()
    {
        QFETCH(QString, value);
        const QString call = PageScripts::selectLanguageCall(value);
        QVERIFY(call.startsWith(QLatin1String("window.quibQtSelectLanguage('")));
        QVERIFY(call.endsWith(QLatin1String("');")));
        const QString inside = call.mid(29, call.size() - 32);
        // Only printable ASCII, no quote or angle bracket, and every backslash starts a \u escape.
        QVERIFY2(!inside.contains(QRegularExpression(QStringLiteral("[^\\x20-\\x7e]|['\"<>`]"))), qPrintable(inside));
        QVERIFY(!inside.contains(QRegularExpression(QStringLiteral("\\\\(?!u[0-9a-f]{4})"))));
        QString decoded;
        for (int i = 0; i < inside.size(); ++i) {
            const bool escape = inside.at(i) == QLatin1Char('\\');
            decoded += escape ? QChar(inside.mid(i + 2, 4).toUShort(nullptr, 16)) : inside.at(i);
            i += escape ? 5 : 0;
        }
        QCOMPARE(decoded, value);
        QCOMPARE(PageScripts::selectVersionCall(value).mid(28), call.mid(29));
    }

    // The page's "Verify your download" rows, found for a language and an
    // architecture over the label forms the page uses.
    void publishedRow_data()
    {
        QTest::addColumn<QString>("languageName");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("architecture");
        QTest::addColumn<QString>("row");
        QTest::newRow("localized name with a region") << "English (United States)"
                                                      << "English"
                                                      << "x64"
                                                      << "English 64-bit";
        QTest::newRow("not the other English") << "English International"
                                               << "English (United Kingdom)"
                                               << "x64"
                                               << "English International 64-bit";
        QTest::newRow("32-bit") << "Chinese Simplified"
                                << "Chinese (Simplified)"
                                << "x86"
                                << "Chinese Simplified 32-bit";
        QTest::newRow("Spanish (Mexico), not Spanish") << "Spanish (Mexico)"
                                                       << "Spanish (Mexico)"
                                                       << "x64"
                                                       << "Spanish Mexico 64-bit";
        QTest::newRow("Spanish, not Spanish Mexico") << "Spanish"
                                                     << "Spanish"
                                                     << "x64"
                                                     << "Spanish 64-bit";
        QTest::newRow("Arm64, extra spaces") << "English (United States)"
                                             << "English"
                                             << "arm64"
                                             << "English  Arm64";
        QTest::newRow("label in lower case") << "German"
                                             << "German"
                                             << "x64"
                                             << "german 64-bit";
        QTest::newRow("no row for the architecture") << "German"
                                                     << "German"
                                                     << "x86"
                                                     << "";
        QTest::newRow("no row for the language") << "Dansk"
                                                 << "Danish"
                                                 << "x64"
                                                 << "";
    }
    void publishedRow()
    {
        QFETCH(QString, languageName);
        QFETCH(QString, language);
        QFETCH(QString, architecture);
        QFETCH(QString, row);
        const QString lower(64, QLatin1Char('a'));
        const QList<PublishedHash> table = PageAnswers::parsePublishedHashes(
            QStringLiteral(
                R"j({"hashes":[{"label":"English 64-bit","sha256":"%1"},{"label":"English International 64-bit","sha256":"%1"},
                {"label":"Chinese Simplified 32-bit","sha256":"%1"},{"label":" English  Arm64 ","sha256":"%1"},
                {"label":"german 64-bit","sha256":"%1"},{"label":"Spanish 64-bit","sha256":"%1"},
                {"label":"Spanish Mexico 64-bit","sha256":"%1"},{"label":"Short 64-bit","sha256":"abc"}]})j")
                .arg(lower));
        QCOMPARE(table.size(), 7);
        QCOMPARE(table.first().sha256, lower.toUpper());
        const auto found = PublishedHashes::rowFor(table, languageName, language, architecture);
        QCOMPARE(found ? found->label : QString(), QString(row).simplified());
        QVERIFY(PageAnswers::parsePublishedHashes(QStringLiteral("{}")).isEmpty());
    }

    void everyScriptIsPackaged_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"page_library", "read_editions", "progress_modal", "poll_links", "click_submit"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyScriptIsPackaged()
    {
        QFETCH(QString, name);
        const QString script = PageScripts::script(name);
        QVERIFY(script.startsWith(QLatin1String("(function () {")));
        QVERIFY(script.contains(QLatin1String("function quibProbeProgressDialog()")));
        QVERIFY(script.size() > 1200);
    }

    // An Evaluation Center anchor on a page of the site, as
    // "edition|architecture|culture" (and "@host" of its link where that
    // counts), or "-" when it stands for no ISO.
    void evalAnchor_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("file");
        const QString en =
            QStringLiteral("https://go.microsoft.com/fwlink/?linkid=2334167&clcid=0x409&culture=en-us&country=us");
        const QString fr =
            QStringLiteral("https://go.microsoft.com/fwlink/p/?LinkID=2195280&clcid=0x40c&culture=fr-fr&country=FR");
        QTest::newRow("plain") << "64-bit edition: Download Windows 11 Enterprise ISO 64-bit (en-US)" << en
                               << "Windows 11 Enterprise|x64|en-US";
        QTest::newRow("LTSC after ISO") << "64-bit edition: Download Windows 11 Enterprise ISO LTSC 64-bit (en-GB)"
                                        << en << "Windows 11 Enterprise LTSC|x64|en-GB";
        QTest::newRow("space before the colon") << "64-bit edition : Download Windows Server 2025 ISO 64-bit (de-DE)"
                                                << en << "Windows Server 2025|x64|de-DE";
        QTest::newRow("label's language, en-US link")
            << "Download Windows Server 2025 ISO 64-bit (ja-JP)" << en << "Windows Server 2025|x64|ja-JP";
        QTest::newRow("/p/ link's culture decides")
            << "Download Windows Server 2022 ISO 64-bit (de-DE)" << fr << "Windows Server 2022|x64|fr-FR";
        QTest::newRow("mislabelled Russian")
            << "64-bit edition: Download Windows Server 2022 ISO 64-bit (ko-KR)"
            << "https://go.microsoft.com/fwlink/p/?LinkID=2195280&clcid=0x419&culture=ru-ru&country=RU"
            << "Windows Server 2022|x64|ru-RU";
        QTest::newRow("&#61; in the link")
            << "Download Windows Server 2016 ISO 64-bit (it-IT)"
            << "https://go.microsoft.com/fwlink/p/?LinkID&#61;2195174&amp;clcid&#61;0x410&amp;culture&#61;it-it"
            << "Windows Server 2016|x64|it-IT";
        QTest::newRow("an entity made by decoding &amp;")
            << "Download Windows Server 2016 ISO 64-bit (it-IT)"
            << "https://go.microsoft.com/fwlink/p/?LinkID&amp;#61;2195174&amp;culture&#61;it-it"
            << "-";
        QTest::newRow("Arm64") << "Download Windows 11 IoT Enterprise LTSC ISO ARM64 (en-US)" << en
                               << "Windows 11 IoT Enterprise LTSC|arm64|en-US";
        QTest::newRow("culture in any case")
            << "Download Windows Server 2019 ISO 64-bit (ZH-cn)" << en << "Windows Server 2019|x64|zh-CN";
        QTest::newRow("VHD") << "Download Windows Server 2022 VHD 64-bit (en-US)" << en << "-";
        QTest::newRow("no language") << "Download Windows Server 2022 ISO 64-bit" << en << "-";
        QTest::newRow("no architecture") << "Download Windows Server 2022 ISO (en-US)" << en << "-";
        QTest::newRow("no product") << "Download ISO 64-bit (en-US)" << en << "-";
        QTest::newRow("not a download") << "Windows Server 2022 ISO 64-bit (en-US)" << en << "-";
        QTest::newRow("not an fwlink") << "Download Windows Server 2022 ISO 64-bit (en-US)"
                                       << "https://www.microsoft.com/en-us/evalcenter"
                                       << "-";
        QTest::newRow("script link") << "Download Windows Server 2022 ISO 64-bit (en-US)"
                                     << "javascript:go('/fwlink')"
                                     << "-";
        QTest::newRow("no language in the label, the /p/ link's")
            << "Download Windows Server 2022 ISO 64-bit" << fr << "Windows Server 2022|x64|fr-FR";
        QTest::newRow("a full stop after the language")
            << "Download Windows Server 2025 ISO 64-bit (fr-fr)." << en << "Windows Server 2025|x64|fr-FR";
        QTest::newRow("Arm 64-bit") << "Download Windows 11 IoT Enterprise LTSC ISO Arm 64-bit (en-US)" << en
                                    << "Windows 11 IoT Enterprise LTSC|arm64|en-US";
        QTest::newRow("a protocol-relative link") << "Download Windows Server 2025 ISO 64-bit (en-US)"
                                                  << "//go.microsoft.com/fwlink/?linkid=2293312"
                                                  << "Windows Server 2025|x64|en-US@go.microsoft.com";
        QTest::newRow("a relative link") << "Download Windows Server 2025 ISO 64-bit (en-US)"
                                         << "/fwlink/?linkid=2293312"
                                         << "Windows Server 2025|x64|en-US@www.microsoft.com";
        QTest::newRow("a relative link elsewhere") << "Download Windows Server 2025 ISO 64-bit (en-US)"
                                                   << "fwlink/?linkid=2293312"
                                                   << "-";
        QTest::newRow("an aka.ms link") << "Download Windows Server 2025 ISO 64-bit (en-US)"
                                        << "https://aka.ms/ws2025-eval-iso"
                                        << "Windows Server 2025|x64|en-US@aka.ms";
        QTest::newRow("aka.ms itself") << "Download Windows Server 2025 ISO 64-bit (en-US)"
                                       << "https://aka.ms/"
                                       << "-";
    }
    void evalAnchor()
    {
        QFETCH(QString, label);
        QFETCH(QString, link);
        QFETCH(QString, file);
        const QUrl page(QStringLiteral("https://www.microsoft.com/en-us/evalcenter/download-windows-server-2025"));
        const std::optional<EvalLink> read = EvalLinks::readAnchor(label, link, page);
        QString found = read ? QStringList{read->edition, read->architecture, read->culture}.join(QLatin1Char('|'))
                             : QStringLiteral("-");
        if (read && file.contains(QLatin1Char('@')))
            found += QLatin1Char('@') + QUrl(read->link).host();
        QCOMPARE(found, file);
        if (read)
            QVERIFY(!read->link.contains(QLatin1String("&#61;"))
                    && QUrl(read->link).scheme() == QLatin1String("https"));
    }

    // What a followed file's own name says of its language and architecture.
    void evalFileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("facts"); // culture|architecture
        QTest::newRow("server") << "26100.1742.240906-0331.ge_release_svc_refresh_SERVER_EVAL_x64FRE_ru-ru.iso"
                                << "ru-ru|x64";
        QTest::newRow("IoT Arm64") << "26100.1.240331-1435.ge_release_CLIENT_IOT_LTSC_EVAL_A64FRE_en-us.iso"
                                   << "en-us|arm64";
        QTest::newRow("x86")
            << "19041.264.200511-0456.vb_release_svc_refresh_CLIENTENTERPRISEEVAL_OEMRET_x86FRE_de-de.iso"
            << "de-de|x86";
        QTest::newRow("culture before the build") << "Windows_Server_2016_Datacenter_EVAL_en-us_14393_refresh.ISO"
                                                  << "en-us|";
        QTest::newRow("upper case") << "X_SERVER_EVAL_X64FRE_FR-FR.ISO"
                                    << "fr-fr|x64";
        QTest::newRow("names neither") << "Win11_25H2_English_x64.iso"
                                       << "|";
        QTest::newRow("no word of its own") << "xen-usx64FRE.iso"
                                            << "|";
    }
    void evalFileName()
    {
        QFETCH(QString, name);
        QFETCH(QString, facts);
        const EvalLinks::FileNameFacts read = EvalLinks::readFileName(name);
        QCOMPARE(read.culture + QLatin1Char('|') + read.architecture, facts);
    }

    // A followed file's name against its label: the culture, then the build.
    void evalLabelSlip_data()
    {
        QTest::addColumn<QString>("culture"); // of the label
        QTest::addColumn<QString>("architecture"); // of the label
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("slip"); // EvalLinks::LabelSlip
        const int none = int(EvalLinks::LabelSlip::None);
        const int culture = int(EvalLinks::LabelSlip::Culture);
        const int build = int(EvalLinks::LabelSlip::Architecture);
        QTest::newRow("agrees") << "en-GB"
                                << "x64"
                                << "X_CLIENT_EVAL_x64FRE_en-gb.iso" << none;
        QTest::newRow("labelled Korean, Russian file") << "ko-KR"
                                                       << "x64"
                                                       << "X_SERVER_EVAL_x64FRE_ru-ru.iso" << culture;
        QTest::newRow("Arm label, x64 file") << "en-US"
                                             << "arm64"
                                             << "X_IOT_LTSC_EVAL_x64FRE_en-us.iso" << build;
        QTest::newRow("x64 label, Arm file") << "en-US"
                                             << "x64"
                                             << "X_IOT_LTSC_EVAL_A64FRE_en-us.iso" << build;
        QTest::newRow("both: the culture first") << "de-DE"
                                                 << "x64"
                                                 << "X_EVAL_A64FRE_fr-fr.iso" << culture;
        QTest::newRow("names neither") << "fr-FR"
                                       << "x64"
                                       << "Server2016.ISO" << none;
    }
    void evalLabelSlip()
    {
        QFETCH(QString, culture);
        QFETCH(QString, architecture);
        QFETCH(QString, name);
        QFETCH(int, slip);
        const EvalLink link{QStringLiteral("Windows Server"), architecture, culture, QStringLiteral("https://x")};
        QCOMPARE(int(EvalLinks::labelSlip(link, EvalLinks::readFileName(name))), slip);
    }

    // A page's anchors: each ISO once, VHD rows and other anchors left out.
    void evalAnchorList()
    {
        const QString anchor = QStringLiteral("{\"label\":\"Download Windows Server 2019 ISO 64-bit \\u0028%1)\","
                                              "\"link\":\"https://go.microsoft.com/fwlink/?linkid=%2\"}");
        const QString json =
            QStringLiteral("{\"links\":[%1,%2,%3,%4,{\"label\":\"Contact us\",\"link\":\"/x\"}]}")
                .arg(anchor.arg("en-US", "1"), anchor.arg("en-US", "1"), anchor.arg("de-DE", "2"),
                     QString(anchor).replace(QLatin1String("ISO"), QLatin1String("VHD")).arg("en-US", "3"));
        const auto links = EvalLinks::parseAnchors(json);
        QVERIFY(links);
        QCOMPARE(links->size(), 2);
        QCOMPARE(links->at(1).culture, QStringLiteral("de-DE"));
        QCOMPARE(EvalLinks::languageName(links->at(1).culture), QStringLiteral("German (Germany)"));
        QVERIFY(!EvalLinks::parseAnchors(QStringLiteral("{\"links\":7}")));
    }
};

QTEST_GUILESS_MAIN(TestPageAnswers)
#include "test_pageanswers.moc"
