// The command line of the real program, run with no display against the
// download-page replica, as a script or a server would run it.
#include "TestMain.h"

#include "AppSandbox.h"
#include "ReplicaServer.h"
#include "SlowIsoWriter.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QScopeGuard>

#include <csignal>
#include <ctime>
#include <sys/time.h>
#include <unistd.h>

namespace {

constexpr int RunTimeoutMs = 60000;
constexpr qint64 MiB = 1024 * 1024;
// What a connection may have had on its way when its range was cut short.
constexpr qint64 InFlightBytes = MiB;

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// What a tool of the system prints on stdout, once it has ended.
QString toolOutput(const char *program, const QStringList &arguments)
{
    QProcess tool;
    tool.start(QString::fromLatin1(program), arguments);
    return tool.waitForFinished(10000) ? QString::fromUtf8(tool.readAllStandardOutput()) : QString();
}

QString sha256Of(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    return file.open(QIODevice::ReadOnly) && hash.addData(&file) ? QString::fromLatin1(hash.result().toHex().toUpper())
                                                                 : QString();
}

// The value the run said the file matches.
QString matchedSha256(const QString &err)
{
    return QRegularExpression(QStringLiteral("matches the value Microsoft publishes:\n([0-9A-F]{64})"))
        .match(err)
        .captured(1);
}

// The replica's ISO files are lines of 128 bytes, each starting with its own
// offset: a byte from the wrong place shows without a published digest.
bool linesAtTheirOffsets(const QString &path)
{
    constexpr int Line = 128;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray descriptor = QByteArrayLiteral("\x01"
                                                    "CD001\x01");
    for (qint64 offset = 0; !file.atEnd(); offset += Line) {
        const QByteArray line = file.read(Line);
        // The line at 32 KiB begins with a volume descriptor's first bytes.
        const QByteArray text = offset == 32768 && line.startsWith(descriptor) ? line.mid(descriptor.size()) : line;
        if (line.size() != Line || !text.startsWith(QByteArray::number(offset).rightJustified(10, '0')))
            return false;
    }
    return true;
}

// The highest seccomp mode of the processes below `root`: 2 where a
// renderer runs in its sandbox's filter, -1 while there is none.
int highestSeccompBelow(qint64 root)
{
    QHash<qint64, qint64> parents;
    for (const QString &name : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(name));
        if (name.toLongLong() <= 0 || !stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold spaces and brackets.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1)
            parents.insert(name.toLongLong(), fields.at(1).toLongLong());
    }
    int highest = -1;
    for (auto it = parents.cbegin(); it != parents.cend(); ++it) {
        qint64 ancestor = it.value();
        while (ancestor > 1 && ancestor != root)
            ancestor = parents.value(ancestor, 0);
        QFile status(QStringLiteral("/proc/%1/status").arg(it.key()));
        if (ancestor != root || !status.open(QIODevice::ReadOnly))
            continue;
        const QRegularExpressionMatch mode =
            QRegularExpression(QStringLiteral("^Seccomp:\\s*(\\d+)$"), QRegularExpression::MultilineOption)
                .match(QString::fromLatin1(status.readAll()));
        if (mode.hasMatch())
            highest = qMax(highest, mode.captured(1).toInt());
    }
    return highest;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private:
    ReplicaServer m_replica;
    AppSandbox m_sandbox;

    QString downloadsDir() const { return QDir(m_sandbox.root()).filePath(QStringLiteral("downloads")); }

    // The page's delays cut to a tenth, unless a test runs with the product's own.
    bool m_productDelays = false;

    std::unique_ptr<QProcess> launch(const QStringList &arguments, AppSandbox *sandbox = nullptr)
    {
        const QStringList delays{QStringLiteral("--delay-percent"), QStringLiteral("10")};
        return (sandbox ? *sandbox : m_sandbox)
            .start(QStringLiteral(TRAVONIX_APP_PATH), QString(), QProcess::SeparateChannels,
                   arguments + (m_productDelays ? QStringList() : delays));
    }

    Run run(const QStringList &arguments, AppSandbox *sandbox = nullptr, int timeoutMs = RunTimeoutMs)
    {
        auto process = launch(arguments, sandbox);
        if (!process->waitForFinished(timeoutMs))
            process->kill();
        return {process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1,
                QString::fromUtf8(process->readAllStandardOutput()),
                QString::fromUtf8(process->readAllStandardError())};
    }

    // Scripts run without a display: the program picks its platform itself.
    void runHeadless(AppSandbox &sandbox) const
    {
        QProcessEnvironment &environment = sandbox.environment();
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("TRAVONIX_ORIGIN"), m_replica.origin());
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    }

    bool setSwitches(const QStringList &switches)
    {
        if (!m_replica.reset())
            return false;
        for (const QString &line : switches) {
            if (m_replica.command(line) != QLatin1String("OK ") + line)
                return false;
        }
        return true;
    }

    // What the record beside a part says is on the device.
    static qint64 recordedBytes(const QString &part)
    {
        QFile file(part + QStringLiteral(".json"));
        if (part.isEmpty() || !file.open(QIODevice::ReadOnly))
            return 0;
        const QJsonObject record = QJsonDocument::fromJson(file.readAll()).object();
        if (!record.contains(QLatin1String("ranges")))
            return record.value(QLatin1String("length")).toString().toLongLong();
        qint64 bytes = 0;
        for (const QJsonValue &pair : record.value(QLatin1String("ranges")).toArray())
            bytes += pair.toArray().at(1).toString().toLongLong() - pair.toArray().at(0).toString().toLongLong();
        return bytes;
    }

    QStringList leftBeside(const QString &file) const
    {
        return QDir(QFileInfo(file).absolutePath()).entryList({QStringLiteral("*.part*")}, QDir::Files);
    }

    // The run of the current row: its exit code and what it printed.
    void checkRun()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run result = run(arguments);
        QCOMPARE(result.exitCode, exitCode);
        const auto dotAll = QRegularExpression::DotMatchesEverythingOption;
        QVERIFY2(QRegularExpression(out, dotAll).match(result.out).hasMatch(), qPrintable(result.out));
        QVERIFY2(QRegularExpression(err, dotAll).match(result.err).hasMatch(), qPrintable(result.err));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_replica.start({QStringLiteral("--catalog")}));
        QVERIFY(QDir().mkpath(downloadsDir()));
        runHeadless(m_sandbox);
    }

    // Answered at once, without the page.
    void answersWithoutThePage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: travonix \\[options\\].*--url.*Exit codes:"
                                << "^$";
        QTest::newRow("--version") << QStringList{"--version"} << 0 << "^Travonix \\d+\\.\\d+\\.\\d+\\.\\d+\n$"
                                   << "^$";
        QTest::newRow("--list")
            << QStringList{"--list"} << 0
            << "^win10 +Windows 10\nwin11 +Windows 11\nwin11arm +Windows 11 ARM64\nwin11-eval +Windows "
               "11 Enterprise \\(evaluation\\)\nwin11iot-eval .*\nserver2025 .*\nserver2022 .*\n"
               "server2019 .*\nserver2016 +Windows Server 2016 \\(evaluation\\)\n$"
            << "^$";
        QTest::newRow("unknown option") << QStringList{"--url", "--produkt", "win11"} << 1 << "^$"
                                        << "Unknown option 'produkt'.*--help";
        QTest::newRow("no product") << QStringList{"--url"} << 1 << "^$"
                                    << "--product: win10, win11 or win11arm";
        QTest::newRow("two at once") << QStringList{"--url", "--download", "--product", "win11"} << 1 << "^$"
                                     << "one of --list, --url and --download";
        QTest::newRow("an architecture the product lacks")
            << QStringList{"--url", "--product", "win11", "--arch", "x86"} << 1 << "^$"
            << "Unknown architecture \"x86\". Choose one of:\n  x64$";
        QTest::newRow("Arm64 of Windows 10")
            << QStringList{"--download", "--product", "win10", "--arch", "ARM64"} << 1 << "^$"
            << "Choose one of:\n  x64\n  x86$";
        QTest::newRow("--output with a line break")
            << QStringList{"--download", "--product", "win11", "--output", "a\nb.iso"} << 1 << "^$"
            << "^travonix: --output holds a control character";
        QTest::newRow("--output in a missing folder")
            << QStringList{"--download", "--product", "win11", "--output", "no/such/folder/w.iso"} << 1 << "^$"
            << "The folder of no/such/folder/w.iso does not exist";
        QTest::newRow("--json on failure")
            << QStringList{"--url", "--json", "--product", "server2022", "--arch", "arm64"} << 1
            << "^\\{\\s*\"error\":\\s*\\{\\s*\"kind\":\\s*\"usage\",\\s*\"message\":\\s*\"Unknown architecture "
               "[^}]+\\}\\s*\\}\\s*$"
            << "Unknown architecture";
        QTest::newRow("--json without --list or --url")
            << QStringList{"--json", "--product", "win11"} << 1 << "\"error\":\\s*\\{\\s*\"kind\":\\s*\"usage\""
            << "--json goes with --list or --url";
        QTest::newRow("--json, an origin that is no site")
            << QStringList{"--url", "--json", "--product", "win11", "--origin", "ftp://x"} << 1
            << "\"error\":\\s*\\{\\s*\"kind\":\\s*\"usage\""
            << "expected an http or https address";
        QTest::newRow("--source of no kind")
            << QStringList{"--url", "--product", "win11", "--source", "uup"} << 1 << "^$"
            << "--source takes page or catalog";
        QTest::newRow("the catalog of an evaluation")
            << QStringList{"--url", "--product", "server2022", "--source", "catalog"} << 1 << "^$"
            << "server2022 comes from the page alone";
        QTest::newRow("x86 of the Windows 11 catalog")
            << QStringList{"--url", "--product", "win11", "--source", "catalog", "--arch", "x86"} << 1 << "^$"
            << "Unknown architecture \"x86\". Choose one of:\n  x64\n  arm64$";
        QTest::newRow("the catalog without a product") << QStringList{"--list", "--source", "catalog"} << 1 << "^$"
                                                       << "--product: win10, win11 or win11arm";
        QTest::newRow("--json, an option problem")
            << QStringList{"--url", "--json", "--product", "win11", "--connections", "4"} << 1
            << "\"error\":\\s*\\{\\s*\"kind\":\\s*\"usage\""
            << "--connections goes with --download";
    }
    // Neither a page visit nor a link request comes first.
    void answersWithoutThePage()
    {
        QVERIFY(m_replica.reset());
        checkRun();
        QCOMPARE(m_replica.hits(), 0);
        QCOMPARE(m_replica.count(QStringLiteral("links")), 0);
    }
    // Choices against the page: the link alone on stdout, or why not.
    void pageRuns_data()
    {
        QTest::addColumn<QStringList>("switches");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString link = QStringLiteral("^http://127\\.0\\.0\\.1:\\d+/dbazure/%1\\?t=[^\n]+\n$");
        QTest::newRow("win11") << QStringList() << QStringList{"--url", "--product", "win11"} << 0
                               << link.arg("Win11_25H2_English_x64\\.iso") << "^$";
        QTest::newRow("win11arm") << QStringList() << QStringList{"--url", "--product", "WIN11ARM"} << 0
                                  << link.arg("Win11_25H2_English_Arm64_v2\\.iso") << "^$";
        QTest::newRow("win10") << QStringList() << QStringList{"--url", "--product", "win10"} << 0
                               << link.arg("Win10_22H2_English_x64v1\\.iso") << "^$";
        QTest::newRow("win10 x86 German")
            << QStringList() << QStringList{"--url", "--product", "win10", "--language", "german", "--arch", "x86"} << 0
            << link.arg("Win10_22H2_German_x32v1\\.iso") << "^$";
        QTest::newRow("localized name, edition by id")
            << QStringList{"editions 2"}
            << QStringList{"--url", "--product", "win11", "--edition", "3321", "--language", "english international"}
            << 0 << link.arg("Win11_25H2_EnglishInternational_x64(_v2)?\\.iso") << "^$";
        QTest::newRow("Portuguese, not Brazilian")
            << QStringList() << QStringList{"--url", "--product", "win11", "--language", "Portuguese"} << 0
            << link.arg("Win11_25H2_Portuguese_x64\\.iso") << "^$";
        QTest::newRow("French Canadian, not French")
            << QStringList() << QStringList{"--url", "--product", "win11", "--language", "French Canadian"} << 0
            << link.arg("Win11_25H2_FrenchCanadian_x64\\.iso") << "^$";
        QTest::newRow("Spanish (Mexico), not Spanish")
            << QStringList() << QStringList{"--url", "--product", "win11", "--language", "Spanish (Mexico)"} << 0
            << link.arg("Win11_25H2_Spanish_Mexico_x64\\.iso") << "^$";
        QTest::newRow("a locale") << QStringList() << QStringList{"--url", "--product", "win11", "--language", "pt-BR"}
                                  << 0 << link.arg("Win11_25H2_BrazilianPortuguese_x64\\.iso") << "^$";
        QTest::newRow("part of two names")
            << QStringList() << QStringList{"--url", "--product", "win11", "--language", "portug"} << 1 << "^$"
            << "\"portug\" could be any of these.*\n  Brazilian Portuguese\n  Portuguese\n.*$";
        QTest::newRow("links of another language")
            << QStringList{"linklanguage Brazilian%20Portuguese"}
            << QStringList{"--url", "--product", "win11", "--language", "Portuguese"} << 3 << "^$"
            << "The page offered links for Brazilian Portuguese, not Portuguese\\.";
        QTest::newRow("unknown language")
            << QStringList() << QStringList{"--url", "--product", "win11", "--language", "klingon"} << 1 << "^$"
            << "Unknown language \"klingon\". Choose one of:\n.*  English \\| English \\(United States\\)\n.*  "
               "German\n";
        QTest::newRow("a script that sends the view to another host")
            << QStringList{"thirdparty away"} << QStringList{"--url", "--product", "win11"} << 0
            << link.arg("Win11_25H2_English_x64\\.iso") << "^$";
        QTest::newRow("a script that sends the view away while the page loads")
            << QStringList{"thirdparty awaynow"} << QStringList{"--url", "--product", "win11"} << 0
            << link.arg("Win11_25H2_English_x64\\.iso") << "^$";
        QTest::newRow("a tracker that never answers")
            << QStringList{"tracker on"} << QStringList{"--url", "--product", "win11"} << 0
            << link.arg("Win11_25H2_English_x64\\.iso") << "^$";
        QTest::newRow("a link whose type contradicts its file")
            << QStringList{"linktype 2"} << QStringList{"--url", "--product", "win11"} << 3 << "^$"
            << "^The download page could not give a link for this choice\\.";
        QTest::newRow("a page that never answers")
            << QStringList{"hang 3"} << QStringList{"--url", "--product", "win11"} << 3 << "^$"
            << "^The download page did not answer in time\\.";
        QTest::newRow("editions and languages")
            << QStringList() << QStringList{"--list", "--product", "win10"} << 0
            << "^Editions:\n  2618  Windows 10 \\(multi-edition ISO\\)\nLanguages of Windows 10 \\(multi-edition "
               "ISO\\):\n  Arabic .*\n  English +English \\(United States\\)\n.*  Ukrainian +Ukrainian\n$"
            << "^$";
        QTest::newRow("refusal") << QStringList{"refuse 1"} << QStringList{"--url", "--product", "win11"} << 2 << "^$"
                                 << "Microsoft refused the request.*Message code: 715-123130\nSession ID: "
                                    "[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}";
        QTest::newRow("refusal of the language list")
            << QStringList{"refuse-languages 1"} << QStringList{"--list", "--product", "win10"} << 2 << "^$"
            << "Microsoft refused the request.*Message code: 715-123130";
        // Names from the page never steer the terminal: escapes and the
        // characters that reorder text are shown as U+FFFD.
        const QString noEscapes = QStringLiteral("^(?!.*[\\x{1b}\\x{202e}])");
        QTest::newRow("hostile names listed")
            << QStringList{"hostile on"} << QStringList{"--list", "--product", "win11"} << 0
            << noEscapes + "Editions:.*  Hostile6 +Escape \\x{fffd}\\[2J English\n  Hostile7 +Bidi \\x{fffd}English\n$"
            << "^$";
        QTest::newRow("hostile names offered")
            << QStringList{"hostile on"} << QStringList{"--url", "--product", "win11", "--language", "klingon"} << 1
            << "^$"
            << noEscapes
                + "Unknown language .*  Hostile3 \\| Line Break English\n.*  Hostile6 \\| Escape \\x{fffd}\\[2J "
                  "English\n";
        // The product catalog instead of the page.
        const QStringList catalog{"--source", "catalog", "--product"};
        const QString esd = QStringLiteral("^http://127\\.0\\.0\\.1:\\d+/esd/%1\\.esd\n$");
        const QString listed = QStringLiteral(
            "^Product catalog %1 for win11, build %2 \\(2 entries left out[^\n]*\n%3Editions:\n  Professional \\| "
            "Windows Pro\n  Core \\| Windows Home\nLanguages:\n  en-us \\| English \\(United States\\)\n  "
            "fr-fr \\| French \\(France\\)\nArchitectures:\n  x64\n  arm64\nFiles:\n  %2\\.[^\n]+_x64FRE_en-us"
            "\\.esd  [0-9.]+ KB  x64  Professional,Core\n.*_A64FRE_en-us\\.esd  [0-9.]+ KB  arm64  "
            "Professional,Core\n$");
        QTest::newRow("catalog: listed") << QStringList() << QStringList{"--list"} + catalog + QStringList{"win11"} << 0
                                         << listed.arg("2\\.1", "26200\\.6584", QString()) << "^$";
        QTest::newRow("catalog: an older build named")
            << QStringList{"catalogbuild stale"} << QStringList{"--list"} + catalog + QStringList{"win11"} << 0
            << listed.arg("2\\.1", "22631\\.2861",
                          "This catalog's build 22631 is older than the page's current release, 25H2 \\(build "
                          "26200\\)[^\n]+\n")
            << "^$";
        QTest::newRow("catalog: 2.0, SHA-1")
            << QStringList{"catalogform 2.0"} << QStringList{"--list"} + catalog + QStringList{"win11"} << 0
            << listed.arg("2\\.0", "26200\\.6584", QString()) << "^$";
        QTest::newRow("catalog: 1.0, PublishedMedia the root")
            << QStringList{"catalogform 1.0"} << QStringList{"--list"} + catalog + QStringList{"win11"} << 0
            << listed.arg("1\\.0", "26200\\.6584", QString()) << "^$";
        QTest::newRow("catalog: the ARM64 ESD")
            << QStringList() << QStringList{"--url"} + catalog + QStringList{"win11arm"} << 0
            << esd.arg("2/26200\\.6584\\.[^/]+_A64FRE_en-us") << "^$";
        QTest::newRow("catalog: a language by name, an edition by display name")
            << QStringList()
            << QStringList{"--url"} + catalog
                + QStringList{"win11", "--language", "french", "--edition", "WINDOWS HOME"}
            << 0 << esd.arg("1/[^/]+_x64FRE_fr-fr") << "^$";
        QTest::newRow("catalog: Windows 10, x86, a locale")
            << QStringList{"catalogform 1.0"}
            << QStringList{"--url"} + catalog + QStringList{"win10", "--arch", "x86", "--language", "en-US"} << 0
            << esd.arg("4/19045\\.3803\\.[^/]+_x86FRE_en-us") << "^$";
        QTest::newRow("catalog: an edition it lacks")
            << QStringList() << QStringList{"--url"} + catalog + QStringList{"win11", "--edition", "Education"} << 1
            << "^$"
            << "^Unknown edition \"Education\". Choose one of:\n  Professional \\| Windows Pro\n  Core \\| Windows "
               "Home\n$";
        QTest::newRow("catalog: a language it lacks")
            << QStringList() << QStringList{"--url"} + catalog + QStringList{"win11", "--language", "German"} << 1
            << "^$"
            << "Unknown language \"German\". Choose one of:\n  en-us \\| English \\(United States\\)\n  "
               "fr-fr \\| French \\(France\\)\n$";
        QTest::newRow("catalog: an architecture it lacks")
            << QStringList() << QStringList{"--url"} + catalog + QStringList{"win10", "--arch", "arm64"} << 1 << "^$"
            << "lists no arm64 file";
        QTest::newRow("catalog: its ESDs on another host")
            << QStringList{"catalogesd elsewhere"} << QStringList{"--url"} + catalog + QStringList{"win11"} << 3 << "^$"
            << "lists its files only at addresses they may not come from";
        QTest::newRow("no languages") << QStringList{"languages empty"} << QStringList{"--url", "--product", "win11"}
                                      << 3 << "^$"
                                      << "languages";
    }
    // However a choice ends, it asks for links within the search's limits.
    void pageRuns()
    {
        QFETCH(QStringList, switches);
        QVERIFY(setSwitches(switches));
        checkRun();
        QVERIFY(m_replica.count(QStringLiteral("links")) <= MostLinkRequestsOfAChoice);
        // Nothing a third-party script points at or sends the view to is fetched.
        QCOMPARE(m_replica.count(QStringLiteral("thirdparty")), 0);
    }

    // A page that never shows links, with the product's own delays: the
    // search ends as the limits say, and the user is told.
    void noLinksEndsWithinItsLimits()
    {
        QVERIFY(setSwitches({QStringLiteral("nolinks 1000")}));
        m_productDelays = true;
        QElapsedTimer clock;
        clock.start();
        const Run result = run({"--url", "--json", "--product", "win11"}, nullptr, 5 * 60 * 1000);
        m_productDelays = false;
        QCOMPARE(result.exitCode, 3);
        QVERIFY2(result.err.contains(QLatin1String("no download links")), qPrintable(result.err));
        const QJsonObject error = QJsonDocument::fromJson(result.out.toUtf8())[QLatin1String("error")].toObject();
        QCOMPARE(error[QLatin1String("kind")].toString(), QStringLiteral("no links"));
        const int links = m_replica.count(QStringLiteral("links"));
        QVERIFY2(links >= 2 && links <= MostLinkRequestsOfAChoice, qPrintable(QString::number(links)));
        // The page and its one reload.
        QCOMPARE(m_replica.hits(), 2);
        qInfo() << "no links after" << clock.elapsed() << "ms and" << links << "link requests";
    }

    // The Evaluation Center's pages, with the product's delays: the file's
    // own address (the link followed through its redirects), or why not.
    void evaluationCenter_data()
    {
        QTest::addColumn<QStringList>("switches");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString file = QStringLiteral("^http://127\\.0\\.0\\.1:\\d+/evalfiles/%1\n$");
        const QStringList url{"--url", "--product"};
        QTest::newRow("Server 2022 Russian, labelled Korean")
            << QStringList() << url + QStringList{"server2022", "--language", "russian (russia)"} << 0
            << file.arg("sg/download/20348\\.\\S+_SERVER_EVAL_x64FRE_ru-ru\\.iso") << "^$";
        QTest::newRow("no edition: the one outside LTSC")
            << QStringList() << url + QStringList{"win11-eval"} << 0
            << file.arg("\\S+_CLIENTENTERPRISEEVAL_OEMRET_x64FRE_en-us\\.iso") << "^$";
        QTest::newRow("LTSC") << QStringList()
                              << url + QStringList{"win11-eval", "--edition", "windows 11 enterprise ltsc"} << 0
                              << file.arg("\\S+_CLIENT_LTSC_EVAL_x64FRE_en-us\\.iso") << "^$";
        QTest::newRow("IoT Arm64") << QStringList{"evalcenter browsersonly"}
                                   << url + QStringList{"win11iot-eval", "--arch", "ARM64"} << 0
                                   << file.arg("\\S+_CLIENT_IOT_LTSC_EVAL_A64FRE_en-us\\.iso") << "^$";
        QTest::newRow("IoT, the Arm64 link dead: x64 still")
            << QStringList{"evalcenter armdead"} << url + QStringList{"win11iot-eval", "--arch", "x64"} << 0
            << file.arg("\\S+_IOT_LTSC_EVAL_x64FRE_en-us\\.iso") << "^$";
        QTest::newRow("IoT, the Arm64 link dead: no choice takes x64")
            << QStringList{"evalcenter armdead"} << url + QStringList{"win11iot-eval"} << 0
            << file.arg("\\S+_IOT_LTSC_EVAL_x64FRE_en-us\\.iso") << "^$";
        // No --arch means the product's first architecture, as --url and
        // --download always gave: an Arm64 image is never handed to a run
        // that did not ask for one.
        QTest::newRow("IoT, the x64 link dead: no choice is no Arm64")
            << QStringList{"evalcenter x64dead"} << url + QStringList{"win11iot-eval"} << 3 << "^$"
            << "^The download page's link for this choice leads to no file\\.";
        QTest::newRow("IoT, the x64 link dead: Arm64 asked for")
            << QStringList{"evalcenter x64dead"} << url + QStringList{"win11iot-eval", "--arch", "arm64"} << 0
            << file.arg("\\S+_IOT_LTSC_EVAL_A64FRE_en-us\\.iso") << "^$";
        QTest::newRow("IoT, the Arm64 link dead: Arm64 asked for")
            << QStringList{"evalcenter armdead"} << url + QStringList{"win11iot-eval", "--arch", "arm64"} << 3 << "^$"
            << "^The download page's link for this choice leads to no file\\.";
        QTest::newRow("Server 2019 German") << QStringList() << url + QStringList{"server2019", "--language", "de-de"}
                                            << 0 << file.arg("17763\\.\\S+_SERVER_EVAL_x64FRE_de-de\\.iso") << "^$";
        QTest::newRow("Server 2025") << QStringList() << url + QStringList{"server2025"} << 0
                                     << file.arg("26100\\.\\S+_SERVER_EVAL_x64FRE_en-us\\.iso") << "^$";
        QTest::newRow("Server 2016, &#61;") << QStringList() << url + QStringList{"server2016", "--language", "French"}
                                            << 0 << file.arg("pr/download/\\S+_EVAL_fr-fr_14393_refresh\\.ISO") << "^$";
        QTest::newRow("unknown language")
            << QStringList() << url + QStringList{"server2022", "--language", "klingon"} << 1 << "^$"
            << "Unknown language \"klingon\". Choose one of:\n  en-US \\| English \\(United States\\)\n.*  es-ES";
        QTest::newRow("unknown architecture")
            << QStringList() << url + QStringList{"server2022", "--arch", "arm64"} << 1 << "^$"
            << "Choose one of:\n  x64$";
        QTest::newRow("retired page") << QStringList{"evalcenter retired"} << url + QStringList{"server2022"} << 3
                                      << "^$"
                                      << "^.+$";
        QTest::newRow("page refused (403)")
            << QStringList{"evalcenter unknown"} << url + QStringList{"server2022"} << 3 << "^$"
            << "^The download page could not be loaded\\.";
        QTest::newRow("link leads nowhere")
            << QStringList{"evalcenter deadlink"} << url + QStringList{"server2025"} << 3 << "^$"
            << "^.+$";
        QTest::newRow("a file of another language than its label")
            << QStringList{"evalcenter mislabel"} << url + QStringList{"server2025", "--language", "de-de"} << 3 << "^$"
            << "offered links for French \\(France\\), not German \\(Germany\\)\\.";
        QTest::newRow("link leads to a web page")
            << QStringList{"evalcenter pagelink"} << url + QStringList{"server2022", "--language", "fr-fr"} << 3 << "^$"
            << "^Microsoft's link for this ISO leads to a web page, not to the file\\.";
        // Anchors as other versions of the page write them.
        const QStringList variants{QStringLiteral("evalcenter variants")};
        QTest::newRow("variants: a /p/ label without its culture")
            << variants << url + QStringList{"server2022", "--language", "russian (russia)"} << 0
            << file.arg("sg/download/20348\\.\\S+_SERVER_EVAL_x64FRE_ru-ru\\.iso") << "^$";
        QTest::newRow("variants: (fr-fr).") << variants << url + QStringList{"win11-eval", "--language", "fr-FR"} << 0
                                            << file.arg("\\S+_CLIENTENTERPRISEEVAL_OEMRET_x64FRE_fr-fr\\.iso") << "^$";
        QTest::newRow("variants: Arm 64-bit") << variants << url + QStringList{"win11iot-eval", "--arch", "arm64"} << 0
                                              << file.arg("\\S+_CLIENT_IOT_LTSC_EVAL_A64FRE_en-us\\.iso") << "^$";
        QTest::newRow("variants: a relative link")
            << variants << url + QStringList{"server2019", "--language", "de-de"} << 0
            << file.arg("17763\\.\\S+_SERVER_EVAL_x64FRE_de-de\\.iso") << "^$";
        QTest::newRow("variants: a protocol-relative link")
            << variants << url + QStringList{"server2025", "--language", "ja-JP"} << 0
            << file.arg("26100\\.\\S+_SERVER_EVAL_x64FRE_ja-jp\\.iso") << "^$";
        QTest::newRow("editions and languages")
            << QStringList() << QStringList{"--list", "--product", "win11-eval", "--edition", "Windows 11 Enterprise"}
            << 0
            << "^Editions:\n  Windows 11 Enterprise +Windows 11 Enterprise\n  Windows 11 Enterprise LTSC +Windows "
               "11 Enterprise LTSC\nLanguages of Windows 11 Enterprise:\n  en-US +English \\(United States\\)\n"
               "  en-GB .*\n  zh-TW +Chinese \\(Taiwan\\)\n.*  de-DE +German \\(Germany\\)\n$"
            << "^$";
    }
    void evaluationCenter()
    {
        m_productDelays = true;
        pageRuns();
        m_productDelays = false;
    }

    // Scripts read the command line: under a German locale, where the
    // window speaks German, it still answers in English, flow/'s texts too.
    void commandLineStaysEnglishUnderAGermanLocale()
    {
        QProcessEnvironment &environment = m_sandbox.environment();
        const auto restore = qScopeGuard([&environment, before = environment] { environment = before; });
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
        QVERIFY(setSwitches({QStringLiteral("evalcenter unknown")}));
        const Run result = run({"--url", "--product", "server2022"});
        QCOMPARE(result.exitCode, 3);
        QVERIFY2(result.err.startsWith(QLatin1String("The download page could not be loaded. Check the internet "
                                                     "connection, then run the command again.")),
                 qPrintable(result.err));
        QVERIFY(run({"--help"}).out.contains(QLatin1String("the command line always answers in English")));
    }

    // A whole evaluation ISO: no SHA-256 is published, so the file is kept
    // and its own value shown, if it is an ISO image; bytes of the right
    // length that are none are kept aside.
    void evaluationDownload_data()
    {
        QTest::addColumn<QString>("isoimage");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("an ISO image") << "on" << 0;
        QTest::newRow("no ISO image") << "off" << 4;
    }
    void evaluationDownload()
    {
        QFETCH(QString, isoimage);
        QFETCH(int, exitCode);
        QVERIFY(setSwitches({QStringLiteral("isoimage ") + isoimage}));
        m_productDelays = true;
        const QString path = QDir(downloadsDir()).filePath(QStringLiteral("Server2016.iso"));
        const QString aside = path + QStringLiteral(".unverified");
        const Run result = run({"--download", "--product", "server2016", "--output", path});
        m_productDelays = false;
        QCOMPARE(result.exitCode, exitCode);
        QFile file(exitCode == 0 ? path : aside);
        QVERIFY(!QFile::exists(exitCode == 0 ? aside : path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), 1 << 20);
        for (const int offset : {0, 128, 524288, (1 << 20) - 128})
            QVERIFY(bytes.mid(offset, 11) == QStringLiteral("%1 ").arg(offset, 10, 10, QLatin1Char('0')).toLatin1());
        QVERIFY(bytes.contains("Windows_Server_2016_Datacenter_EVAL_en-us_14393_refresh.ISO"));
        QVERIFY2(result.err.contains(sha256Of(file.fileName())), qPrintable(result.err));
        if (exitCode != 0)
            QVERIFY2(result.err.contains(QLatin1String("not an ISO image")), qPrintable(result.err));
        QVERIFY(leftBeside(path).isEmpty());
        file.remove();
    }

    // An ESD of the product catalog, beside the ISO's place, built into the
    // ISO only when its digest is the catalog's.
    void catalogDownload_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QStringList>("switches");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("left"); // the files in the ISO's folder afterwards
        QTest::addColumn<QString>("err");
        // The boot entries xorriso reports, when an ISO is made.
        QTest::addColumn<QStringList>("bootEntries");
        const QStringList built{"w11.esd", "w11.iso"};
        const QStringList biosAndUefi{"1  BIOS  y   none  0x0000  0x00      8", "2  UEFI  y   none"};
        QTest::newRow("SHA-256, catalog 2.1")
            << "win11" << QStringList() << 0 << built
            << "Its SHA-256 matches the value of Microsoft's product catalog.*Saved [^\n]+w11\\.iso\n"
            << biosAndUefi;
        QTest::newRow("SHA-1, catalog 2.0")
            << "win11" << QStringList{"catalogform 2.0"} << 0 << built
            << "Its SHA-1 matches the value of Microsoft's product catalog" << biosAndUefi;
        QTest::newRow("ARM64, UEFI only")
            << "win11arm" << QStringList() << 0 << built
            << "Its SHA-256 matches the value of Microsoft's product catalog" << QStringList{"1  UEFI  y   none"};
        QTest::newRow("a wrong digest") << "win11" << QStringList{"catalogdigest wrong"} << 4
                                        << QStringList{"w11.esd.unverified"}
                                        << "does not match the SHA-256 of Microsoft's product catalog" << QStringList();
        QTest::newRow("a wrong SHA-1") << "win11" << QStringList{"catalogform 1.0", "catalogdigest wrong"} << 4
                                       << QStringList{"w11.esd.unverified"} << "does not match the SHA-1"
                                       << QStringList();
        QTest::newRow("the ESD missing") << "win11" << QStringList{"catalogesd missing"} << 3 << QStringList()
                                         << "^Downloading [^\n]+w11\\.esd\n.*Download failed: .*404" << QStringList();
    }
    void catalogDownload()
    {
        QFETCH(QString, product);
        QFETCH(QStringList, switches);
        QFETCH(int, exitCode);
        QFETCH(QStringList, left);
        QFETCH(QString, err);
        QFETCH(QStringList, bootEntries);
        QVERIFY(setSwitches(switches));
        QDir folder(QDir(downloadsDir()).filePath(QStringLiteral("catalog")));
        QVERIFY(folder.removeRecursively() && folder.mkpath(QStringLiteral(".")));
        const QString iso = folder.filePath(QStringLiteral("w11.iso"));
        const Run result = run({"--download", "--source", "catalog", "--product", product, "--output", iso});
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(QRegularExpression(err, QRegularExpression::DotMatchesEverythingOption).match(result.err).hasMatch(),
                 qPrintable(result.err));
        QCOMPARE(folder.entryList(QDir::Files), left);
        if (left.isEmpty())
            return;
        // The ESD the catalog lists for the defaults (x64, English,
        // Professional): its setup media say which it is, and so do the
        // ISO's.
        const QString expected =
            QStringLiteral("%1-en-us-%2 setup.exe\n")
                .arg(QStringLiteral("win11"),
                     product == QLatin1String("win11arm") ? QStringLiteral("ARM64") : QStringLiteral("x64"));
        QCOMPARE(toolOutput("wimlib-imagex",
                            {"extract", folder.filePath(left.constFirst()), "1", "/setup.exe", "--to-stdout"}),
                 expected);
        if (exitCode != 0)
            return;
        QCOMPARE(toolOutput("7z", {"e", "-so", iso, "setup.exe"}), expected);
        // The media as Windows Setup reads them, by other tools than this program.
        const QString torito = toolOutput("xorriso", {"-indev", iso, "-report_el_torito", "plain"});
        QCOMPARE(torito.count(QStringLiteral("El Torito boot img :")), bootEntries.size());
        for (const QString &entry : qAsConst(bootEntries))
            QVERIFY2(torito.contains(QStringLiteral("El Torito boot img :   ") + entry), qPrintable(torito));
        const QString unpacked = folder.filePath(QStringLiteral("unpacked"));
        toolOutput("7z", {"x", "-tudf", "-o" + unpacked, iso, "sources/install.esd", "sources/boot.wim"});
        const QString install = toolOutput("wimlib-imagex", {"info", unpacked + "/sources/install.esd"});
        QVERIFY2(install.contains(QLatin1String("Image Count:    1")), qPrintable(install));
        QVERIFY2(install.contains(QLatin1String("Name:                   Windows 11 Pro")), qPrintable(install));
        QVERIFY2(install.contains(QLatin1String("Flags:                  Professional")), qPrintable(install));
        const QString boot = toolOutput("wimlib-imagex", {"info", unpacked + "/sources/boot.wim"});
        QVERIFY2(boot.contains(QLatin1String("Image Count:    2")), qPrintable(boot));
        QVERIFY2(boot.contains(QLatin1String("Boot Index:     2")), qPrintable(boot));
    }

    // SIGTERM or Ctrl+C while the ISO is being written: the build stops and
    // cleans up before the program ends, the ESD stays, and the next run
    // builds from it without downloading it again. Killed, the build leaves
    // its folder, and the next run removes it.
    void interruptedBuildKeepsTheEsd_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("Ctrl+C") << int(SIGINT);
        QTest::newRow("SIGKILL") << int(SIGKILL);
    }
    void interruptedBuildKeepsTheEsd()
    {
        QFETCH(int, signal);
        QVERIFY(setSwitches({}));
        QDir folder(QDir(downloadsDir()).filePath(QStringLiteral("build")));
        QVERIFY(folder.removeRecursively() && folder.mkpath(QStringLiteral("bin")));
        // A writer that starts the ISO and then takes its time, first on the PATH.
        const QString started = folder.filePath(QStringLiteral("bin/started"));
        const QString writer = slowIsoWriter(folder.filePath(QStringLiteral("bin")), started);
        QVERIFY(!writer.isEmpty());
        QProcessEnvironment &environment = m_sandbox.environment();
        const QString path = environment.value(QStringLiteral("PATH"));
        environment.insert(QStringLiteral("PATH"), writer + QLatin1Char(':') + path);
        const QString iso = folder.filePath(QStringLiteral("w11.iso"));
        const QStringList arguments{"--download", "--source", "catalog", "--product", "win11", "--output", iso};
        auto first = launch(arguments);
        environment.insert(QStringLiteral("PATH"), path);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(started), RunTimeoutMs);
        ::kill(pid_t(first->processId()), signal);
        QVERIFY(first->waitForFinished(RunTimeoutMs));
        if (signal != SIGKILL) {
            QCOMPARE(first->exitCode(), 5);
            const QString err = QString::fromUtf8(first->readAllStandardError());
            QVERIFY2(err.contains(QLatin1String("Interrupted. No ISO was made")), qPrintable(err));
        }
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"bin", "w11.esd"}));

        const Run second = run(arguments);
        QCOMPARE(second.exitCode, 0);
        QVERIFY2(second.err.contains(QLatin1String("nothing to download")), qPrintable(second.err));
        QCOMPARE(toolOutput("7z", {"e", "-so", iso, "setup.exe"}), QStringLiteral("win11-en-us-x64 setup.exe\n"));
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"bin", "w11.esd", "w11.iso"}));
    }

    // Microsoft sends a retired link to a page of its site: nothing is saved.
    void evaluationLinkToAPageSavesNothing()
    {
        QVERIFY(setSwitches({QStringLiteral("evalcenter pagelink")}));
        m_productDelays = true;
        const QString path = QDir(downloadsDir()).filePath(QStringLiteral("Server2025.iso"));
        const Run result = run({"--download", "--product", "server2025", "--output", path});
        m_productDelays = false;
        QCOMPARE(result.exitCode, 3);
        QVERIFY2(result.err.contains(QLatin1String("leads to a web page")), qPrintable(result.err));
        QVERIFY(!QFile::exists(path));
        QVERIFY(leftBeside(path).isEmpty());
    }

    void jsonForScripts()
    {
        QVERIFY(setSwitches({}));
        const Run products = run({QStringLiteral("--list"), QStringLiteral("--json")});
        const QJsonArray list = QJsonDocument::fromJson(products.out.toUtf8())[QLatin1String("products")].toArray();
        QCOMPARE(list.size(), 9);
        QCOMPARE(list.at(8)[QLatin1String("key")].toString(), QStringLiteral("server2016"));
        QCOMPARE(list.at(2)[QLatin1String("key")].toString(), QStringLiteral("win11arm"));

        const Run lists = run({"--list", "--json", "--product", "win11"});
        const QJsonObject page = QJsonDocument::fromJson(lists.out.toUtf8()).object();
        QCOMPARE(page[QLatin1String("editions")].toArray().at(0)[QLatin1String("id")].toString(),
                 QStringLiteral("3321"));
        QVERIFY(page[QLatin1String("languages")].toArray().size() > 30);

        const Run link = run({"--url", "--json", "--product", "win10", "--arch", "x86", "--language", "German"});
        QCOMPARE(link.exitCode, 0);
        const QJsonObject answer = QJsonDocument::fromJson(link.out.toUtf8()).object();
        QCOMPARE(answer[QLatin1String("architecture")].toString(), QStringLiteral("x86"));
        QCOMPARE(answer[QLatin1String("language")].toString(), QStringLiteral("German"));
        QVERIFY(answer[QLatin1String("url")].toString().contains(QLatin1String("Win10_22H2_German_x32v1.iso?")));
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]{64}$"))
                    .match(answer[QLatin1String("sha256")].toString())
                    .hasMatch());
    }

    // Ctrl+C keeps the part, and so does a kill that leaves no time to tidy
    // up; the same command continues it, with a fresh link, to a verified
    // file. A second run while the first is downloading is refused and
    // leaves the first one's part to it. Several connections write the part out of order: killed before
    // any of it is known to be on the device, it is started over, never
    // taken for a run from its first byte; killed with half of it there,
    // only the rest is fetched again, with at most a mebibyte a connection
    // besides.
    void interruptedDownloadContinuesNextRun_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QStringList>("switches");
        QTest::addColumn<QStringList>("firstRunOnly");
        QTest::addColumn<qint64>("heldAtKill"); // by the part's record; 0: once the part has 250000 bytes
        QTest::addColumn<QString>("said");
        QTest::addColumn<bool>("continues");
        QTest::addColumn<bool>("secondRunMeanwhile");
        const QStringList slow{QStringLiteral("isorate 200000")};
        QTest::newRow("Ctrl+C") << int(SIGINT) << QStringList() << slow << qint64(0)
                                << "Interrupted.\n.*win11_[0-9a-f]{8}\\.part is kept" << true << false;
        QTest::newRow("Ctrl+C after a second run was refused")
            << int(SIGINT) << QStringList() << slow << qint64(0) << "Interrupted.\n.*win11_[0-9a-f]{8}\\.part is kept"
            << true << true;
        QTest::newRow("a closed terminal (SIGHUP)")
            << int(SIGHUP) << QStringList() << slow << qint64(0) << "Interrupted.\n.*win11_[0-9a-f]{8}\\.part is kept"
            << true << false;
        QTest::newRow("SIGKILL") << int(SIGKILL) << QStringList() << slow << qint64(0) << "^Downloading " << true
                                 << false;
        QTest::newRow("SIGKILL, three connections")
            << int(SIGKILL) << QStringList{QStringLiteral("isosize 12")}
            << QStringList{QStringLiteral("isorate 1000000")} << qint64(0) << "^Downloading " << false << false;
        // Without the published digests, which would take the replica half
        // a minute for 128 MiB files. Both runs held to a rate: a range cut
        // short at loopback speed would count what the system's buffers held.
        QTest::newRow("SIGKILL, eight connections, half on the device")
            << int(SIGKILL)
            << QStringList{QStringLiteral("isosize 128"), QStringLiteral("verify off"),
                           QStringLiteral("isorate 2000000")}
            << QStringList() << qint64(64) * MiB << "^Downloading " << true << false;
    }
    void interruptedDownloadContinuesNextRun()
    {
        QFETCH(int, signal);
        QFETCH(QStringList, switches);
        QFETCH(QStringList, firstRunOnly);
        QFETCH(qint64, heldAtKill);
        QFETCH(QString, said);
        QFETCH(bool, continues);
        QFETCH(bool, secondRunMeanwhile);
        const QString destination = QDir(downloadsDir()).filePath(QStringLiteral("win11.iso"));
        const QStringList arguments{"--download", "--product", "win11", "--output", destination};
        QVERIFY(setSwitches(switches + firstRunOnly));
        auto first = launch(arguments);
        const auto partPath = [&] {
            const QStringList parts = leftBeside(destination).filter(QRegularExpression(QStringLiteral("\\.part$")));
            return parts.isEmpty() ? QString() : QDir(downloadsDir()).filePath(parts.first());
        };
        const auto partSize = [&] { return QFileInfo(partPath()).size(); };
        if (heldAtKill > 0)
            QTRY_VERIFY_WITH_TIMEOUT(recordedBytes(partPath()) >= heldAtKill, RunTimeoutMs);
        else
            QTRY_VERIFY_WITH_TIMEOUT(partSize() > 250000, RunTimeoutMs);
        if (secondRunMeanwhile) {
            const qint64 before = partSize();
            const Run refused = run(arguments);
            QVERIFY2(refused.exitCode == 3, qPrintable(refused.err));
            QVERIFY2(refused.err.contains(QLatin1String("Another download of this file is running")),
                     qPrintable(refused.err));
            QVERIFY2(!refused.err.contains(QLatin1String("is kept")), qPrintable(refused.err));
            QVERIFY(partSize() >= before);
            QCOMPARE(first->state(), QProcess::Running);
        }
        ::kill(pid_t(first->processId()), signal);
        QVERIFY(first->waitForFinished(RunTimeoutMs));
        if (signal != SIGKILL)
            QCOMPARE(first->exitCode(), 5);
        else
            QCOMPARE(first->exitStatus(), QProcess::CrashExit);
        const QString err = QString::fromUtf8(first->readAllStandardError());
        QVERIFY2(QRegularExpression(said, QRegularExpression::DotMatchesEverythingOption).match(err).hasMatch(),
                 qPrintable(err));
        QVERIFY(!QFile::exists(destination));
        QVERIFY(partSize() >= 250000);
        const qint64 held = recordedBytes(partPath());

        QVERIFY(setSwitches(switches));
        const Run second = run(arguments);
        QCOMPARE(second.exitCode, 0);
        QCOMPARE(second.err.contains(QRegularExpression(QStringLiteral("Continuing win11_[0-9a-f]{8}\\.part from "))),
                 continues);
        if (switches.contains(QStringLiteral("verify off")))
            QVERIFY(linesAtTheirOffsets(destination));
        else
            QCOMPARE(sha256Of(destination), matchedSha256(second.err));
        const qint64 size = QFileInfo(destination).size();
        QVERIFY2(m_replica.count(QStringLiteral("isobytes")) <= size - held + 8 * InFlightBytes,
                 qPrintable(QString::number(m_replica.count(QStringLiteral("isobytes")))));
        QCOMPARE(leftBeside(destination), QStringList());
        QVERIFY(QFile::remove(destination));
    }

    void downloadIsVerifiedAndNotRepeated()
    {
        QVERIFY(setSwitches({}));
        const QStringList arguments{"--download", "--product", "win10", "--language", "French", "--quiet"};
        const Run first = run(arguments + QStringList{"--output", QStringLiteral("downloads/fr.iso")});
        QCOMPARE(first.exitCode, 0);
        QCOMPARE(first.err, QString());
        const QString destination = QDir(downloadsDir()).filePath(QStringLiteral("fr.iso"));
        QCOMPARE(QFileInfo(destination).size(), qint64(1048576));

        // A folder as --output: the ISO keeps its own name in it.
        const Run intoFolder = run(arguments + QStringList{"--output", downloadsDir()});
        QCOMPARE(intoFolder.exitCode, 0);
        QCOMPARE(QFileInfo(QDir(downloadsDir()).filePath(QStringLiteral("Win10_22H2_French_x64v1.iso"))).size(),
                 qint64(1048576));

        const Run again = run({"--download", "--product", "win10", "--language", "French", "--output", destination});
        QCOMPARE(again.exitCode, 0);
        QVERIFY2(again.err.contains(QLatin1String("nothing to download")), qPrintable(again.err));
        QCOMPARE(m_replica.command(QStringLiteral("tamper on")), QStringLiteral("OK tamper on"));
        const Run tampered = run(arguments + QStringList{"--output", QStringLiteral("downloads/bad.iso")});
        QCOMPARE(tampered.exitCode, 4);
        QVERIFY2(tampered.err.contains(QLatin1String("does not match")), qPrintable(tampered.err));
        QVERIFY(QFile::exists(QDir(downloadsDir()).filePath(QStringLiteral("bad.iso.unverified"))));

        // Another language's file under the chosen name, whole and as published.
        QVERIFY(setSwitches({QStringLiteral("isobody German")}));
        const Run german = run(arguments + QStringList{"--output", QStringLiteral("downloads/german.iso")});
        QCOMPARE(german.exitCode, 4);
        QVERIFY2(german.err.contains(QLatin1String("the German one, not the French one")), qPrintable(german.err));
        QVERIFY(!QFile::exists(QDir(downloadsDir()).filePath(QStringLiteral("german.iso"))));
        QVERIFY(QFile::exists(QDir(downloadsDir()).filePath(QStringLiteral("german.iso.unverified"))));
    }

    // The renderer runs the page's scripts in its sandbox wherever the
    // system lets it: not as root, nor where the user turns it off. The
    // other user is one of a user namespace, which reaches the build tree
    // wherever it is.
    void rendererSandbox_data()
    {
        QTest::addColumn<bool>("asUser");
        QTest::addColumn<QString>("turnedOff"); // QTWEBENGINE_DISABLE_SANDBOX; null: unset
        QTest::addColumn<bool>("sandboxed");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("a user") << true << QString() << true << "Browser sandbox: on";
        QTest::newRow("root") << false << QString() << false << "Browser sandbox: off (running as root)";
        QTest::newRow("a user who turns it off")
            << true << "1" << false << "Browser sandbox: off (QTWEBENGINE_DISABLE_SANDBOX=1)";
        // The engine turns it off for any value.
        QTest::newRow("turned off with 0")
            << true << "0" << false << "Browser sandbox: off (QTWEBENGINE_DISABLE_SANDBOX=0)";
        QTest::newRow("turned off with nothing")
            << true << "" << false << "Browser sandbox: off (QTWEBENGINE_DISABLE_SANDBOX=)";
    }
    void rendererSandbox()
    {
        QFETCH(bool, asUser);
        QFETCH(QString, turnedOff);
        QFETCH(bool, sandboxed);
        QFETCH(QString, logLine);
        if (::geteuid() != 0)
            QSKIP("The rows run the program as root and as another user");
        QVERIFY(setSwitches({}));
        AppSandbox sandbox;
        runHeadless(sandbox);
        if (turnedOff.isNull())
            sandbox.environment().remove(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"));
        else
            sandbox.environment().insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), turnedOff);
        QString program = QStringLiteral(TRAVONIX_APP_PATH);
        QStringList arguments{"--url", "--product", "win11", "--delay-percent", "10"};
        if (asUser) {
            arguments = QStringList{"--user", "--map-user=65534", "--map-group=65534", program} + arguments;
            program = QStringLiteral("unshare");
        }
        auto process = sandbox.start(program, QString(), QProcess::SeparateChannels, arguments);
        int highest = -1;
        while (!process->waitForFinished(20))
            highest = qMax(highest, highestSeccompBelow(process->processId()));
        QCOMPARE(process->exitCode(), 0);
        // The engine itself says so when the user turns the sandbox off.
        if (turnedOff.isNull())
            QCOMPARE(process->readAllStandardError(), QByteArray());
        QVERIFY(highest >= 0);
        QCOMPARE(highest == 2, sandboxed);
        QVERIFY2(sandbox.logText().contains(logLine), qPrintable(sandbox.logText()));
    }

    // Runs side by side share no browser storage, keep none on disk, and
    // say nothing but their own words.
    void twoRunsAtOnceSayOnlyTheirOwn_data()
    {
        QTest::addColumn<bool>("cacheUsable");
        QTest::newRow("a cache folder") << true;
        // No folder of a run's own can be made: still nothing on disk.
        QTest::newRow("a file where the cache folder goes") << false;
    }
    void twoRunsAtOnceSayOnlyTheirOwn()
    {
        QFETCH(bool, cacheUsable);
        QVERIFY(setSwitches({}));
        AppSandbox sandbox;
        runHeadless(sandbox);
        for (const char *name : {"XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"})
            sandbox.environment().insert(QLatin1String(name), QDir(sandbox.root()).filePath(QLatin1String(name)));
        if (!cacheUsable) {
            QFile file(QDir(sandbox.root()).filePath(QStringLiteral("XDG_CACHE_HOME")));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        // Storage folders of earlier runs: one whose run ended without
        // removing it, and one still in use.
        const QDir storage(QDir(sandbox.root()).filePath(QStringLiteral("XDG_CACHE_HOME/Zamrel Software/Travonix")));
        if (!cacheUsable)
            return runSideBySide(sandbox);
        QVERIFY(storage.mkpath(QStringLiteral("page-left")) && storage.mkpath(QStringLiteral("page-held")));
        QFile deadLock(storage.filePath(QStringLiteral("page-left/in-use")));
        QVERIFY(deadLock.open(QIODevice::WriteOnly)
                && deadLock.write("999999999\ntravonix\n" + QSysInfo::machineHostName().toUtf8() + "\n") > 0);
        deadLock.close();
        QLockFile held(storage.filePath(QStringLiteral("page-held/in-use")));
        QVERIFY(held.tryLock(0));
        const auto makeOld = [&storage](const char *name) {
            const timeval hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
            return ::utimes(QFile::encodeName(storage.filePath(QLatin1String(name))).constData(), hourAgo) == 0;
        };
        QVERIFY(makeOld("page-left") && makeOld("page-held"));
        runSideBySide(sandbox);
        QVERIFY(storage.exists(QStringLiteral("page-held/in-use")));
    }

    // Two runs at once: each says its link and nothing else, and neither
    // leaves any of the page's storage behind.
    void runSideBySide(AppSandbox &sandbox)
    {
        auto first = launch({"--url", "--product", "win11"}, &sandbox);
        auto second = launch({"--url", "--product", "win10"}, &sandbox);
        for (QProcess *process : {first.get(), second.get()}) {
            QVERIFY(process->waitForFinished(RunTimeoutMs));
            QCOMPARE(process->exitCode(), 0);
            QCOMPARE(process->readAllStandardOutput().count('\n'), 1);
            QCOMPARE(QString::fromUtf8(process->readAllStandardError()), QString());
        }
        QDirIterator kept(sandbox.root(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                          QDirIterator::Subdirectories);
        while (kept.hasNext()) {
            const QString name = QFileInfo(kept.next()).fileName();
            QVERIFY2(!name.startsWith(QLatin1String("Cookies")) && name != QLatin1String("Cache")
                         && !name.endsWith(QLatin1String(" Storage")) && name != QLatin1String("QtWebEngine")
                         && (!name.startsWith(QLatin1String("page-")) || name == QLatin1String("page-held")),
                     qPrintable(kept.filePath()));
        }
    }

    // The server names the file in the link: a name that is no ISO image's
    // is never saved under, and nothing beside the destination is touched.
    void linkNamesThatAreNoIsoName_data()
    {
        QTest::addColumn<QString>("linkName");
        QTest::addColumn<QString>("output"); // empty: none given
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("saved"); // in the working folder, for a run that saves
        const QString longest = QStringLiteral("Win11_(2)+x-").leftJustified(196, QLatin1Char('a'));
        QTest::newRow("NUL") << "victim.txt%00.iso" << QString() << 1 << QString();
        QTest::newRow("escape sequence") << "%1B%5B2J.iso" << QString() << 1 << QString();
        QTest::newRow("leading dot") << ".hidden.iso" << QString() << 1 << QString();
        QTest::newRow(".bashrc") << ".bashrc" << QString() << 1 << QString();
        QTest::newRow(".bashrc, --output a folder") << ".bashrc"
                                                    << "." << 1 << QString();
        QTest::newRow("a folder up") << "..%2Fvictim.iso" << QString() << 1 << QString();
        QTest::newRow("over-long") << longest + "a.iso" << QString() << 1 << QString();
        QTest::newRow("200 bytes of ISO name") << longest + ".iso" << QString() << 0 << longest + ".iso";
        QTest::newRow(".bashrc, --output a file") << ".bashrc"
                                                  << "given.iso" << 0 << "given.iso";
        // A name that passes, of a file of the user's already there.
        QTest::newRow("the name of the user's file") << "kept.iso" << QString() << 1 << QString();
        QTest::newRow("the user's file, --output a folder") << "kept.iso"
                                                            << "." << 1 << QString();
    }
    void linkNamesThatAreNoIsoName()
    {
        QFETCH(QString, linkName);
        QFETCH(QString, output);
        QFETCH(int, exitCode);
        QFETCH(QString, saved);
        QVERIFY(setSwitches({QStringLiteral("linkname ") + linkName}));
        QDir folder(m_sandbox.root());
        QFile victim(folder.filePath(QStringLiteral("victim.txt")));
        QVERIFY(victim.open(QIODevice::WriteOnly) && victim.write("the victim's bytes\n") == 19);
        victim.close();
        QFile kept(folder.filePath(QStringLiteral("kept.iso")));
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("the user's own\n") == 15);
        kept.close();
        const QStringList before = folder.entryList(QDir::Files | QDir::System | QDir::Hidden);
        QStringList arguments{"--download", "--product", "win10", "--language", "French"};
        if (!output.isEmpty())
            arguments << QStringLiteral("--output") << output;
        const Run result = run(arguments);
        QCOMPARE(result.exitCode, exitCode);
        const QString printed = result.out + result.err;
        QVERIFY2(!printed.contains(QChar(0x1b)), qPrintable(printed));
        if (exitCode != 0)
            QVERIFY2(result.err.contains(QLatin1String("give --output ")), qPrintable(result.err));
        // Folders are the program's own (its state and cache); files beside it are not.
        QStringList after = folder.entryList(QDir::Files | QDir::System | QDir::Hidden);
        if (!saved.isEmpty()) {
            QCOMPARE(QFileInfo(folder.filePath(saved)).size(), qint64(1048576));
            QVERIFY(folder.remove(saved));
            after.removeOne(saved);
        }
        QCOMPARE(after, before);
        QVERIFY(victim.open(QIODevice::ReadOnly));
        QCOMPARE(victim.readAll(), QByteArray("the victim's bytes\n"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("the user's own\n"));
        QVERIFY(kept.remove());
    }

    // The single-instance rule is the window's: a script runs beside it.
    void runsBesideAnOpenWindow()
    {
        QVERIFY(setSwitches({}));
        AppSandbox sandbox;
        runHeadless(sandbox);
        sandbox.environment().insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        auto window = sandbox.start();
        QVERIFY(sandbox.waitUntilServing(*window));
        sandbox.environment().remove(QStringLiteral("QT_QPA_PLATFORM"));
        const Run link = run({"--url", "--product", "win11"}, &sandbox);
        QCOMPARE(link.exitCode, 0);
        QCOMPARE(link.out.count(QLatin1Char('\n')), 1);
        QCOMPARE(window->state(), QProcess::Running);
        const QString log = sandbox.logText();
        QCOMPARE(count(log, QStringLiteral("^main \\d+ Start\\.\\.\\.$")), 2);
        QCOMPARE(count(log, QStringLiteral("^main \\d+ End\\.\\.\\.$")), 1);
        QVERIFY(stopPolitely(*window));
    }
};

TRAVONIX_TEST_MAIN(TestCommandLine)
#include "test_commandline.moc"
