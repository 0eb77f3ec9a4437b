// The log library as the program uses it: loading, line formats, rotation.
#include "TestMain.h"

#include "app/LogAccess.h"
#include "app/Startup.h"
#include "logkit/ILog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <thread>
#include <vector>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A log object standing in for a library whose naming fails.
class RecordingLog final : public ILog {
public:
    nRet GetLogFileName(wchar_t *, std::size_t) override { return NRET_FAILURE(NRetSystemCallFailed, 2); }
    nRet Open(const wchar_t *fileName, std::uint32_t rotateAt, std::uint32_t keepAtMost) override
    {
        openedName = QString::fromWCharArray(fileName);
        openedSizes = {rotateAt, keepAtMost};
        return NRetSuccess;
    }
    nRet Close() override { return NRetSuccess; }
    nRet WriteV(const wchar_t *, va_list) override { return NRetSuccess; }

    QString openedName;
    QList<std::uint32_t> openedSizes;
};

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

nRet writeLine(ILog *log, const wchar_t *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const nRet result = log->WriteV(format, arguments);
    va_end(arguments);
    return result;
}

} // namespace

class TestLog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_stateHome.isValid());
        qputenv("XDG_STATE_HOME", QFile::encodeName(m_stateHome.path()));
        m_log = GetLog();
        QVERIFY2(m_log, "libLog.so beside the test was not loaded");
        wchar_t name[ILog::FileNameCapacity] = {};
        openLog(m_log, name);
        m_logPath = QString::fromWCharArray(name);
    }

    void nameIsInTheUsersStateFolder()
    {
        QVERIFY2(m_logPath.startsWith(m_stateHome.path() + QLatin1Char('/')), qPrintable(m_logPath));
        QVERIFY(m_logPath.endsWith(QLatin1String(".log")));
    }

    void successDependsOnKindOnly_data()
    {
        QTest::addColumn<quint64>("value");
        QTest::addColumn<bool>("succeeded");
        QTest::newRow("zero") << quint64(0) << true;
        QTest::newRow("line and detail, kind 0") << quint64(0x0020000000000005ull) << true;
        QTest::newRow("kind 21") << quint64(makeNRet(32, NRetSystemCallFailed, 5)) << false;
        QTest::newRow("kind 14, no line") << quint64(makeNRet(0, NRetBadConversion, 0)) << false;
        QTest::newRow("highest kind") << quint64(0x0000FFFF00000000ull) << false;
    }
    void successDependsOnKindOnly()
    {
        QFETCH(quint64, value);
        QFETCH(bool, succeeded);
        QCOMPARE(nRetSucceeded(value), succeeded);
    }

    void lineFormats()
    {
        const char source[] = "main";
        QCOMPARE(LogPrint(L"%S %d nRet=0x%016llX\n", source, 77, (unsigned long long)makeNRet(32, 21, 5)),
                 nRet(NRetSuccess));
        LogPrint(L"%S %d Start...\n", source, 78);
        LogPrint(L"%S %d End...\n", source, 79);
        const QString text = readText(m_logPath);
        QVERIFY2(text.contains(QLatin1String("main 77 nRet=0x0020001500000005\n")), qPrintable(text));
        QVERIFY(text.contains(QLatin1String("main 78 Start...\nmain 79 End...\n")));
    }

    // Callers write %s for wide and %S for narrow text, as on Windows.
    void windowsStringConventionHoldsEverywhere()
    {
        writeLine(m_log, L"[%s|%S|%c|%5d]\n", L"wide \u00e9t\u00e9", "narrow", L'w', 42);
        QVERIFY(readText(m_logPath).contains(QString::fromUtf8("[wide \u00e9t\u00e9|narrow|w|   42]\n")));
    }

    void overlongLineIsStillWritten()
    {
        const std::wstring longText(20000, L'x');
        QCOMPARE(writeLine(m_log, L"%s\n", longText.c_str()), nRet(NRetSuccess));
        QVERIFY(readText(m_logPath).contains(QString(20000, QLatin1Char('x'))));
    }

    void rotatesPastSizeAndKeepsTotal()
    {
        const QString path = m_stateHome.filePath(QStringLiteral("rotation/r.log"));
        QVERIFY(nRetSucceeded(m_log->Open(reinterpret_cast<const wchar_t *>(path.toStdWString().c_str()), 100, 300)));
        for (int i = 0; i < 40; ++i)
            writeLine(m_log, L"line %02d of the rotation test\n", i);
        const QStringList files = QDir(m_stateHome.filePath(QStringLiteral("rotation"))).entryList(QDir::Files);
        QCOMPARE(files, (QStringList{QStringLiteral("r.log"), QStringLiteral("r.log.1"), QStringLiteral("r.log.2")}));
        qint64 total = 0;
        for (const QString &file : files)
            total += QFileInfo(m_stateHome.filePath(QStringLiteral("rotation/") + file)).size();
        QVERIFY(total <= 300);
        QVERIFY(readText(path).contains(QLatin1String("line 39 of")));
        QVERIFY(nRetSucceeded(
            m_log->Open(reinterpret_cast<const wchar_t *>(m_logPath.toStdWString().c_str()), 1048576, 10485760)));
    }

    void relativeNameGoesToStateFolder()
    {
        QVERIFY(nRetSucceeded(m_log->Open(L"user.log", 1048576, 10485760)));
        LogPrint(L"%S %d Start...\n", "main", 5);
        QVERIFY(QFileInfo::exists(QFileInfo(m_logPath).dir().filePath(QStringLiteral("user.log"))));
        QVERIFY(nRetSucceeded(
            m_log->Open(reinterpret_cast<const wchar_t *>(m_logPath.toStdWString().c_str()), 1048576, 10485760)));
    }

    // What a line's arguments bring in stays on its line and cannot steer
    // a terminal that shows the log.
    void unsafeCharactersAreReplaced_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("written");
        const QString mark(QChar(0xFFFD));
        QTest::newRow("escape sequence") << QStringLiteral("a\x1b[2Jb") << "a" + mark + "[2Jb";
        QTest::newRow("CSI of C1") << QStringLiteral("a\u009b2Jb") << "a" + mark + "2Jb";
        QTest::newRow("line break and return")
            << QStringLiteral("a\nmain 1 End...\rb") << "a" + mark + "main 1 End..." + mark + "b";
        QTest::newRow("right-to-left override") << QStringLiteral("a\u202Eosi.exe") << "a" + mark + "osi.exe";
        QTest::newRow("isolate and mark") << QStringLiteral("\u2066a\u200F\u061C") << mark + "a" + mark + mark;
        QTest::newRow("tab and letters stay") << QStringLiteral("a\tb \u00e9") << QStringLiteral("a\tb \u00e9");
    }
    void unsafeCharactersAreReplaced()
    {
        QFETCH(QString, text);
        QFETCH(QString, written);
        const std::wstring wide = text.toStdWString();
        QCOMPARE(writeLine(m_log, L"[%s]\n", wide.c_str()), nRet(NRetSuccess));
        const QStringList lines = readText(m_logPath).split(QLatin1Char('\n'));
        QCOMPARE(lines.value(lines.size() - 2), QLatin1Char('[') + written + QLatin1Char(']'));
    }

    // Without a usable HOME (a service started bare) the log is still in the
    // account's own home, never in a shared folder.
    void folderComesFromTheAccount_data()
    {
        QTest::addColumn<QByteArray>("home"); // null: unset
        QTest::newRow("HOME unset") << QByteArray();
        QTest::newRow("HOME empty") << QByteArray("");
        QTest::newRow("HOME relative") << QByteArray("tmp");
    }
    void folderComesFromTheAccount()
    {
        QFETCH(QByteArray, home);
        const QByteArray savedHome = qgetenv("HOME");
        qunsetenv("XDG_STATE_HOME");
        home.isNull() ? qunsetenv("HOME") : qputenv("HOME", home);
        wchar_t name[ILog::FileNameCapacity] = {};
        const nRet named = m_log->GetLogFileName(name, ILog::FileNameCapacity);
        qputenv("HOME", savedHome);
        qputenv("XDG_STATE_HOME", QFile::encodeName(m_stateHome.path()));
        QVERIFY(nRetSucceeded(named));
        const QString accountHome = QFile::decodeName(getpwuid(geteuid())->pw_dir);
        QVERIFY2(QString::fromWCharArray(name).startsWith(accountHome + QStringLiteral("/.local/state/")),
                 qPrintable(QString::fromWCharArray(name)));
    }

    // The log is opened in a folder of the user's alone, never through a link.
    void opensOnlyItsOwnFile_data()
    {
        QTest::addColumn<QString>(
            "planted"); // "file link", "folder link", "open folder", "folder of another", "open file", "fifo"
        QTest::addColumn<bool>("opens");
        QTest::newRow("the log a link to another file") << "file link" << false;
        QTest::newRow("its folder a link to another") << "folder link" << false;
        QTest::newRow("its folder open to all") << "open folder" << true;
        QTest::newRow("its folder another account's") << "folder of another" << false;
        QTest::newRow("an older log open to all") << "open file" << true;
        // Opening a FIFO for writing would wait for a reader for ever.
        QTest::newRow("a FIFO in the log's place") << "fifo" << false;
    }
    void opensOnlyItsOwnFile()
    {
        QFETCH(QString, planted);
        QFETCH(bool, opens);
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("log"));
        const QString victim = root.filePath(QStringLiteral("victim"));
        QVERIFY(QDir().mkpath(victim));
        QFile victimFile(QDir(victim).filePath(QStringLiteral("l.log")));
        QVERIFY(victimFile.open(QIODevice::WriteOnly) && victimFile.write("kept\n") == 5);
        victimFile.close();
        if (planted == QLatin1String("folder link")) {
            QVERIFY(QFile::link(victim, folder));
        } else {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x7755)));
        }
        const QString older = planted == QLatin1String("open file") ? QStringLiteral("older\n") : QString();
        if (!older.isEmpty()) {
            QFile file(QDir(folder).filePath(QStringLiteral("l.log")));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(older.toUtf8()) == older.size());
            QVERIFY(file.setPermissions(QFileDevice::Permissions(0x6644)));
        }
        if (planted == QLatin1String("file link"))
            QVERIFY(QFile::link(victimFile.fileName(), QDir(folder).filePath(QStringLiteral("l.log"))));
        if (planted == QLatin1String("fifo"))
            QCOMPARE(mkfifo(QFile::encodeName(QDir(folder).filePath(QStringLiteral("l.log"))).constData(), 0600), 0);
        if (planted == QLatin1String("folder of another")
            && (geteuid() != 0 || chown(qPrintable(folder), 65534, 65534)))
            QSKIP("Giving a folder to another account takes root");
        const std::wstring path = QDir(folder).filePath(QStringLiteral("l.log")).toStdWString();
        QCOMPARE(nRetSucceeded(m_log->Open(path.c_str(), 1048576, 10485760)), opens);
        writeLine(m_log, L"written\n");
        QVERIFY(nRetSucceeded(
            m_log->Open(reinterpret_cast<const wchar_t *>(m_logPath.toStdWString().c_str()), 1048576, 10485760)));
        QCOMPARE(readText(victimFile.fileName()), QStringLiteral("kept\n"));
        if (!opens)
            return;
        QCOMPARE(readText(QString::fromStdWString(path)), older + QStringLiteral("written\n"));
        QCOMPARE(QFileInfo(folder).permissions() & 0x7077, QFileDevice::Permissions(0x7000));
        QCOMPARE(QFileInfo(QString::fromStdWString(path)).permissions() & 0x7077, QFileDevice::Permissions(0x6000));
    }

    void failedNamingFallsBackToUserLog()
    {
        RecordingLog fake;
        wchar_t name[ILog::FileNameCapacity] = {};
        openLog(&fake, name);
        QCOMPARE(fake.openedName, QStringLiteral("user.log"));
        QCOMPARE(fake.openedSizes, (QList<std::uint32_t>{1048576u, 10485760u}));
    }

    void writingAfterCloseFailsQuietly()
    {
        QVERIFY(nRetSucceeded(m_log->Close()));
        QCOMPARE(nRetKind(writeLine(m_log, L"%S\n", "lost")), NRetKind(NRetSystemCallFailed));
        QVERIFY(nRetSucceeded(
            m_log->Open(reinterpret_cast<const wchar_t *>(m_logPath.toStdWString().c_str()), 1048576, 10485760)));
    }

    void loadsOnceUnderConcurrentFirstUse()
    {
        std::vector<ILog *> seen(8, nullptr);
        std::vector<std::thread> threads;
        for (std::size_t i = 0; i < seen.size(); ++i)
            threads.emplace_back([&seen, i] { seen[i] = GetLog(); });
        for (auto &thread : threads)
            thread.join();
        for (ILog *log : seen)
            QCOMPARE(log, m_log);
        QVERIFY(IsLogLoaded());
    }

private:
    QTemporaryDir m_stateHome;
    ILog *m_log = nullptr;
    QString m_logPath;
};

TRAVONIX_TEST_MAIN(TestLog)
#include "test_log.moc"
