// The version settings file beside the executable, and the About text made
// from it.
#include "TestMain.h"

#include "app/AppVersion.h"
#include "app/LogAccess.h"
#include "ui/AboutBox.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

QString settingsPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Travonix.ini"));
}

void writeSettings(const QByteArray &content)
{
    QFile file(settingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

} // namespace

class TestAppVersion : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QFile::remove(settingsPath()); }

    void readsSettingsFile_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<int>>("numbers");
        const auto row = [](const char *name, const QByteArray &content, int kind, QList<int> numbers) {
            QTest::newRow(name) << content << kind << numbers;
        };
        row("no file", QByteArray(), 0, {1, 0, 0, 0});
        row("no key", "[Settings]\nOther=2\n", 0, {1, 0, 0, 0});
        row("other section", "[General]\nVersion=9.9.9.9\n", 0, {1, 0, 0, 0});
        row("full version", "[Settings]\nVersion=3.0.2.0\n", 0, {3, 0, 2, 0});
        row("empty value", "[Settings]\nVersion=\n", NRetSystemCallFailed, {0, 0, 0, 0});
        row("two numbers", "[Settings]\nVersion=3.0\n", NRetBadConversion, {3, 0, 0, 0});
        row("not a number", "[Settings]\nVersion=beta\n", NRetBadConversion, {0, 0, 0, 0});
        row("negative", "[Settings]\nVersion=-1.2.3.4\n", 0, {-1, 2, 3, 4});
        row("cut to 19 characters", "[Settings]\nVersion=1000.2000.3000.4567890\n", 0, {1000, 2000, 3000, 4567});
        row("cut inside the last dot", "[Settings]\nVersion=100000.200000.30000.4\n", NRetBadConversion,
            {100000, 200000, 30000, 0});
        row("too large for 32 bits", "[Settings]\nVersion=99999999999.1.1.1\n", 0, {2147483647, 1, 1, 1});
        row("extra text after four", "[Settings]\nVersion=5.6.7.8-rc1\n", 0, {5, 6, 7, 8});
        row("comma list", "[Settings]\nVersion=1,2\n", NRetBadConversion, {1, 0, 0, 0});
    }
    void readsSettingsFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, kind);
        QFETCH(QList<int>, numbers);
        if (!content.isNull())
            writeSettings(content);
        AppVersionNumbers version;
        const nRet result = ReadAppVersion(version);
        QCOMPARE(int(nRetKind(result)), kind);
        QCOMPARE((QList<int>{version.major, version.minor, version.build, version.revision}), numbers);
    }

    void changedFileIsReadAgain()
    {
        writeSettings("[Settings]\nVersion=2.0.0.0\n");
        AppVersionNumbers first;
        ReadAppVersion(first);
        writeSettings("[Settings]\nVersion=2.10.0.0\n");
        AppVersionNumbers second;
        ReadAppVersion(second);
        QCOMPARE(first.minor, 0);
        QCOMPARE(second.minor, 10);
    }

    void withoutLogLibraryEveryLineIsSilentlyRefused()
    {
        QVERIFY(!QFile::exists(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("libLog.so"))));
        const nRet result = LogPrint(L"%S %d Start...\n", "main", 1);
        QCOMPARE(nRetKind(result), NRetKind(NRetSystemCallFailed));
        QCOMPARE(nRetKind(LogPrint(L"%S %d End...\n", "main", 2)), NRetKind(NRetSystemCallFailed));
        QVERIFY(!IsLogLoaded());
    }

    void aboutText_data()
    {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QString>("versionLine");
        QTest::newRow("default") << QList<int>{1, 0, 0, 0} << "Version 1.0.0.0 (Build: ";
        QTest::newRow("read") << QList<int>{3, 0, 2, 0} << "Version 3.0.2.0 (Build: ";
        QTest::newRow("negative shown unsigned") << QList<int>{-1, 0, 0, 7} << "Version 4294967295.0.0.7 (Build: ";
        QTest::newRow("largest") << QList<int>{2147483647, 0, 0, 0} << "Version 2147483647.0.0.0 (Build: ";
    }
    void aboutText()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(QString, versionLine);
        const AppVersionNumbers version{numbers[0], numbers[1], numbers[2], numbers[3]};
        const QString text = ::aboutText(version);
        const QStringList lines = text.split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), QStringLiteral("Travonix"));
        QCOMPARE(lines.value(1), QString());
        QVERIFY2(lines.value(2).startsWith(versionLine), qPrintable(lines.value(2)));
        const QRegularExpression buildDate(QStringLiteral("\\(Build: ([A-Z][a-z]{2} [ 123]\\d (\\d{4}))\\)$"));
        const auto match = buildDate.match(lines.value(2));
        QVERIFY2(match.hasMatch(), qPrintable(lines.value(2)));
        QVERIFY(text.contains(match.captured(2) + QLatin1String(" Zamrel Software")));
    }
};

TRAVONIX_TEST_MAIN(TestAppVersion)
#include "test_appversion.moc"
