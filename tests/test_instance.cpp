// One instance per user: the real program started as separate processes,
// and the activation channel between them.
#include "TestMain.h"

#include "AppSandbox.h"
#include "platform/linux/LocalActivation.h"

#include <QDateTime>
#include <QDirIterator>
#include <QWidget>

#include <algorithm>
#include <future>

#include <pwd.h>
#include <unistd.h>

namespace {

// A folder open to all and, where the test runs as root, of another account.
bool plantAnothers(const QString &folder)
{
    return QDir().mkpath(folder) && QFile::setPermissions(folder, QFileDevice::Permissions(0x7777)) && geteuid() == 0
        && chown(QFile::encodeName(folder).constData(), 65534, 65534) == 0;
}

} // namespace

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

    // Without a runtime folder of the user's alone the lock and the socket
    // go to one made under the user's cache folder; where that is not the
    // user's alone either, every start runs without the guard. Never to a
    // shared folder, where another account could hold the lock and answer.
    void guardOnlyInTheUsersOwnFolder_data()
    {
        QTest::addColumn<QString>("plant");
        QTest::addColumn<bool>("guarded");
        QTest::newRow("XDG_RUNTIME_DIR unset") << "nothing" << true;
        QTest::newRow("XDG_RUNTIME_DIR unset, the temporary one another's") << "temporary another's" << true;
        QTest::newRow("XDG_RUNTIME_DIR open to all") << "runtime open" << true;
        // With a trailing slash, a link is followed by lstat.
        QTest::newRow("XDG_RUNTIME_DIR a link, with a trailing slash") << "runtime link" << true;
        QTest::newRow("the cache's folder open to all") << "cache open" << false;
        QTest::newRow("the cache's folder another's") << "cache another's" << false;
        QTest::newRow("the cache's folder a link") << "cache link" << false;
    }
    void guardOnlyInTheUsersOwnFolder()
    {
        QFETCH(QString, plant);
        QFETCH(bool, guarded);
        AppSandbox sandbox;
        const QDir root(sandbox.root());
        const QString temporary = root.filePath(QStringLiteral("tmp"));
        const QString cached = QDir(sandbox.cacheDir()).filePath(QStringLiteral("travonix-run"));
        QVERIFY(root.mkpath(temporary) && root.mkpath(sandbox.cacheDir()));
        sandbox.environment().insert(QStringLiteral("TMPDIR"), temporary);
        if (plant == QLatin1String("runtime open")) {
            QVERIFY(QFile::setPermissions(sandbox.runtimeDir(), QFileDevice::Permissions(0x7777)));
        } else if (plant == QLatin1String("runtime link")) {
            QVERIFY(QFile::setPermissions(temporary, QFileDevice::Permissions(0x7700)));
            QVERIFY(QFile::link(temporary, root.filePath(QStringLiteral("runtime-link"))));
            sandbox.environment().insert(QStringLiteral("XDG_RUNTIME_DIR"),
                                         root.filePath(QStringLiteral("runtime-link/")));
        } else {
            sandbox.environment().remove(QStringLiteral("XDG_RUNTIME_DIR"));
        }
        // Where Qt puts the runtime folder without XDG_RUNTIME_DIR.
        const QString sharedRuntime =
            QDir(temporary).filePath(QStringLiteral("runtime-") + QFile::decodeName(getpwuid(geteuid())->pw_name));
        if (plant == QLatin1String("temporary another's") && !plantAnothers(sharedRuntime))
            QSKIP("Giving a folder to another account takes root");
        if (plant.startsWith(QLatin1String("cache ")))
            QVERIFY(plant == QLatin1String("cache link") ? QFile::link(temporary, cached) : root.mkpath(cached));
        if (plant == QLatin1String("cache open"))
            QVERIFY(QFile::setPermissions(cached, QFileDevice::Permissions(0x7777)));
        if (plant == QLatin1String("cache another's") && !plantAnothers(cached))
            QSKIP("Giving a folder to another account takes root");

        auto first = sandbox.start();
        auto second = std::unique_ptr<QProcess>();
        if (guarded) {
            QVERIFY(sandbox.waitUntilServing(*first, cached));
            QCOMPARE(QFileInfo(cached).permissions() & 0x7077, QFileDevice::Permissions(0x7000));
            second = sandbox.start();
            QVERIFY(second->waitForFinished(StartTimeoutMs));
            QCOMPARE(second->exitCode(), 0);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(count(sandbox.logText(), QStringLiteral("^main \\d+ Start\\.\\.\\.$")), 1,
                                      StartTimeoutMs);
            second = sandbox.start();
            QTRY_COMPARE_WITH_TIMEOUT(count(sandbox.logText(), QStringLiteral("^main \\d+ Start\\.\\.\\.$")), 2,
                                      StartTimeoutMs);
            QTest::qWait(500);
            QCOMPARE(second->state(), QProcess::Running);
            QVERIFY(stopPolitely(*second));
        }
        QCOMPARE(first->state(), QProcess::Running);
        QVERIFY(stopPolitely(*first));
        for (const QString &folder : guarded ? QStringList{temporary} : QStringList{temporary, cached}) {
            QDirIterator found(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden,
                               QDirIterator::Subdirectories);
            while (found.hasNext())
                QVERIFY2(!found.next().contains(QRegularExpression(QStringLiteral("\\.(lock|activation)$"))),
                         qPrintable(found.filePath()));
        }
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
