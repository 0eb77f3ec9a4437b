// One instance per user: the real program started as separate processes,
// and the activation channel between them.
#include "TestMain.h"

#include "AppSandbox.h"
#include "platform/linux/LocalActivation.h"

#include <QDateTime>
#include <QWidget>

#include <algorithm>
#include <future>

class TestInstance : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startAndCloseLeaveStartAndEndLines()
    {
        AppSandbox sandbox;
        auto app = sandbox.start();
        QVERIFY(sandbox.waitUntilServing(*app));
        QVERIFY(stopPolitely(*app));
        const QString log = sandbox.logText();
        QCOMPARE(count(log, QStringLiteral("^main \\d+ Start\\.\\.\\.$")), 1);
        QCOMPARE(count(log, QStringLiteral("^main \\d+ End\\.\\.\\.$")), 1);
        QVERIFY2(!log.contains(QLatin1String("nRet=")), qPrintable(log));
    }

    // The subsystems' diagnostics reach stderr only when a user asks for them.
    void debugLinesOnlyWhenAsked_data()
    {
        QTest::addColumn<QString>("debug");
        QTest::addColumn<bool>("shown");
        QTest::newRow("not set") << QString() << false;
        QTest::newRow("TRAVONIX_DEBUG=0") << "0" << false;
        QTest::newRow("TRAVONIX_DEBUG=1") << "1" << true;
    }
    void debugLinesOnlyWhenAsked()
    {
        QFETCH(QString, debug);
        QFETCH(bool, shown);
        AppSandbox sandbox;
        // Each line Qt writes says only which category it is of.
        sandbox.environment().insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{category}"));
        auto app = sandbox.start(QStringLiteral(TRAVONIX_APP_PATH), debug, QProcess::SeparateChannels);
        QVERIFY(sandbox.waitUntilServing(*app));
        QVERIFY(stopPolitely(*app));
        const QString errors = QString::fromUtf8(app->readAllStandardError());
        const QStringList lines = errors.split(QLatin1Char('\n'));
        const bool ours = std::any_of(lines.cbegin(), lines.cend(),
                                      [](const QString &line) { return line.startsWith(QLatin1String("travonix.")); });
        QVERIFY2(ours == shown, qPrintable(errors));
    }

    void withoutLogLibraryRunsSilently()
    {
        AppSandbox sandbox;
        const QString lonely = QDir(sandbox.root()).filePath(QStringLiteral("travonix"));
        QVERIFY(QFile::copy(QStringLiteral(TRAVONIX_APP_PATH), lonely));
        auto app = sandbox.start(lonely);
        QVERIFY(sandbox.waitUntilServing(*app));
        QVERIFY(stopPolitely(*app));
        QCOMPARE(QDir(sandbox.stateDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    void secondStartActivatesTheFirstAndExits()
    {
        AppSandbox sandbox;
        auto first = sandbox.start();
        QVERIFY(sandbox.waitUntilServing(*first));
        auto second = sandbox.start();
        QVERIFY(second->waitForFinished(StartTimeoutMs));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(first->state(), QProcess::Running);
        const QString log = sandbox.logText();
        QCOMPARE(count(log, QStringLiteral("^main \\d+ Start\\.\\.\\.$")), 2);
        QCOMPARE(count(log, QStringLiteral("^main \\d+ End\\.\\.\\.$")), 1);
        QVERIFY2(!log.contains(QLatin1String("nRet=")), qPrintable(log));
        QVERIFY(stopPolitely(*first));
    }

    // A long-running first instance stays the only one: the age of its lock
    // says nothing about whether it still runs.
    void oldLockOfARunningFirstStillCounts()
    {
        AppSandbox sandbox;
        auto first = sandbox.start();
        QVERIFY(sandbox.waitUntilServing(*first));
        const QString lockPath =
            QDir(sandbox.runtimeDir())
                .filePath(QDir(sandbox.runtimeDir()).entryList({QStringLiteral("*.lock")}).value(0));
        QFile lock(lockPath);
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        lock.close();
        auto second = sandbox.start();
        QVERIFY(second->waitForFinished(StartTimeoutMs));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(first->state(), QProcess::Running);
        QVERIFY(stopPolitely(*first));
    }

    void crashedFirstNeverBlocksTheNextStart()
    {
        AppSandbox sandbox;
        auto crashed = sandbox.start();
        QVERIFY(sandbox.waitUntilServing(*crashed));
        crashed->kill();
        QVERIFY(crashed->waitForFinished(StartTimeoutMs));

        auto next = sandbox.start();
        QVERIFY(sandbox.waitUntilServing(*next));
        QTest::qWait(500);
        QCOMPARE(next->state(), QProcess::Running);
        auto another = sandbox.start();
        QVERIFY(another->waitForFinished(StartTimeoutMs));
        QCOMPARE(another->exitCode(), 0);
        QCOMPARE(next->state(), QProcess::Running);
        QVERIFY(stopPolitely(*next));
    }

    void activationRestoresRaisesAndAnswers()
    {
        const QString title = QStringLiteral("Activation test %1").arg(QCoreApplication::applicationPid());
        QWidget window;
        window.setWindowTitle(title);
        window.showMinimized();
        QVERIFY(window.isMinimized());
        platform::linux_::ActivationServer server(title);
        QVERIFY(server.isListening());

        auto answer = std::async(std::launch::async, [title] { return platform::linux_::requestActivation(title); });
        QTRY_VERIFY(answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(answer.get());
        QVERIFY(!window.isMinimized());
        QVERIFY(window.isVisible());
    }

    void activationWithoutWindowOrServerFails()
    {
        const QString title = QStringLiteral("No window %1").arg(QCoreApplication::applicationPid());
        QVERIFY(!platform::linux_::requestActivation(title));
        platform::linux_::ActivationServer server(title);
        auto answer = std::async(std::launch::async, [title] { return platform::linux_::requestActivation(title); });
        QTRY_VERIFY(answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(!answer.get());
    }
};

TRAVONIX_TEST_MAIN(TestInstance)
#include "test_instance.moc"
