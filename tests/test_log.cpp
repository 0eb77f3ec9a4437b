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
