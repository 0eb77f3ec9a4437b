// Installation media from an ESD file: tiny ESDs made here with
// wimlib-imagex, built into ISOs by MediaBuilder, and the ISOs read back
// with xorriso, 7z and wimlib-imagex, never with the builder's own code.
#include "media/EsdImages.h"
#include "media/MediaBuild.h"
#include "platform/Platform.h"

#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <unistd.h>

Q_DECLARE_METATYPE(MediaBuildOutcome)

namespace {

constexpr int BuildTimeoutMs = 20000;
const QString DeepFile = QStringLiteral("sources/a/b/c/d/e/f/g/h/deep.txt");

// The output of a tool that must succeed.
QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(program, arguments);
    const bool ran = tool.waitForFinished(BuildTimeoutMs) && tool.exitStatus() == QProcess::NormalExit;
    const QString output = QString::fromLocal8Bit(tool.readAll());
    if (!ran || tool.exitCode() != 0)
        qWarning().noquote() << program << arguments.join(QLatin1Char(' ')) << "failed:" << output;
    return output;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray sha256Of(const QString &path)
{
    return QCryptographicHash::hash(fileBytes(path), QCryptographicHash::Sha256);
}

// A tree of files, name to content.
void makeTree(const QString &root, const QVector<QPair<QString, QByteArray>> &files)
{
    for (const auto &file : files)
        writeFile(root + QLatin1Char('/') + file.first, file.second);
}

// As the program's main does: its event loop ends on SIGTERM, and the
// builder goes with main's stack. False when no signal ended the loop.
bool runUntilTerminated(std::unique_ptr<MediaBuilder> *builder)
{
    QEventLoop loop;
    QTimer::singleShot(BuildTimeoutMs, &loop, [&loop] { loop.exit(1); });
    const bool terminated = loop.exec() == 0;
    builder->reset();
    return terminated;
}

} // namespace

class TestMedia : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void findsEditions_data();
    void findsEditions();
    void buildsMedia_data();
    void buildsMedia();
    void failsCleanly_data();
    void failsCleanly();

private:
    QString work(const QString &name) const { return m_work.filePath(name); }
    // `arch` as WINDOWS/ARCH holds it: 9 x64, 12 arm64.
    void makeEsd(const QString &path, const QStringList &trees, const QString &arch = QStringLiteral("9"),
                 const QString &language = QStringLiteral("en-US"));
    QString makeSlowWriter();

    QTemporaryDir m_work;
};

void TestMedia::initTestCase()
{
    QVERIFY(m_work.isValid());
    makeTree(work(QStringLiteral("setup")),
             {{QStringLiteral("boot/etfsboot.com"), QByteArray(2048, '\xEB')},
              {QStringLiteral("efi/microsoft/boot/efisys_noprompt.bin"), QByteArray(4096, '\xEF')},
              {QStringLiteral("setup.exe"), "setup"},
              {QStringLiteral("sources/lang.ini"), "[Available UI Languages]"},
              {DeepFile, "deeper than ISO 9660 nests"}});
    makeTree(work(QStringLiteral("pe")), {{QStringLiteral("Windows/System32/winpe.dll"), "pe"}});
    makeTree(work(QStringLiteral("winsetup")), {{QStringLiteral("sources/setup.exe"), "windows setup"}});
    makeTree(work(QStringLiteral("pro")), {{QStringLiteral("Windows/System32/edition.txt"), "Professional"}});
    makeTree(work(QStringLiteral("home")), {{QStringLiteral("Windows/System32/edition.txt"), "Core"}});
    makeEsd(work(QStringLiteral("full.esd")),
            {QStringLiteral("setup"), QStringLiteral("pe"), QStringLiteral("winsetup"), QStringLiteral("pro"),
             QStringLiteral("home")});
    makeEsd(work(QStringLiteral("arm.esd")),
            {QStringLiteral("setup"), QStringLiteral("pe"), QStringLiteral("winsetup"), QStringLiteral("pro"),
             QStringLiteral("home")},
            QStringLiteral("12"));
    makeEsd(work(QStringLiteral("french.esd")),
            {QStringLiteral("setup"), QStringLiteral("pe"), QStringLiteral("winsetup"), QStringLiteral("pro")},
            QStringLiteral("9"), QStringLiteral("fr-FR"));
    makeEsd(work(QStringLiteral("two.esd")), {QStringLiteral("setup"), QStringLiteral("pe")});
    writeFile(work(QStringLiteral("nowim.esd")), QByteArray(8192, 'x'));
    const QByteArray full = fileBytes(work(QStringLiteral("full.esd")));
    writeFile(work(QStringLiteral("cut.esd")), full.left(full.size() / 2));
}

// An ESD as Microsoft's catalog has them: LZMS, solid, the setup images
// first, then the editions with NAME, FLAGS, EDITIONID, WINDOWS/ARCH and
// WINDOWS/LANGUAGES/DEFAULT.
void TestMedia::makeEsd(const QString &path, const QStringList &trees, const QString &arch, const QString &language)
{
    const QStringList names{QStringLiteral("Windows Setup Media"), QStringLiteral("Microsoft Windows PE (amd64)"),
                            QStringLiteral("Microsoft Windows Setup (amd64)"), QStringLiteral("Windows 11 Pro"),
                            QStringLiteral("Windows 11 Home")};
    const QStringList editions{{}, {}, {}, QStringLiteral("Professional"), QStringLiteral("Core")};
    for (int index = 0; index < trees.size(); ++index) {
        QStringList arguments{index == 0 ? QStringLiteral("capture") : QStringLiteral("append"), work(trees[index]),
                              path, names[index], QStringLiteral("--solid")};
        if (index == 0)
            arguments << QStringLiteral("--compress=LZMS");
        if (!editions[index].isEmpty())
            arguments << QStringLiteral("--flags") << editions[index];
        runTool(QStringLiteral("wimlib-imagex"), arguments);
        if (!editions[index].isEmpty())
            runTool(QStringLiteral("wiminfo"),
                    {path, QString::number(index + 1), QStringLiteral("--image-property"),
                     QStringLiteral("EDITIONID=") + editions[index], QStringLiteral("--image-property"),
                     QStringLiteral("WINDOWS/ARCH=") + arch, QStringLiteral("--image-property"),
                     QStringLiteral("WINDOWS/LANGUAGES/DEFAULT=") + language});
    }
    QVERIFY(
        runTool(QStringLiteral("wiminfo"), {path}).contains(QStringLiteral("Image Count:    %1").arg(trees.size())));
}

// A stand-in for genisoimage that starts an ISO, says how far it is, and
// then takes its time.
QString TestMedia::makeSlowWriter()
{
    const QString path = work(QStringLiteral("slow-writer"));
    writeFile(path,
              "#!/bin/sh\n"
              "while [ $# -gt 0 ]; do [ \"$1\" = -o ] && out=$2; shift; done\n"
              "echo partial > \"$out\"\n"
              "echo ' 12.50% done, estimate finish soon' >&2\n"
              "exec sleep 30\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
    return path;
}

void TestMedia::findsEditions_data()
{
    QTest::addColumn<QString>("editionId");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("as the catalog spells it") << "Professional" << 4 << "Windows 11 Pro";
    QTest::newRow("in any case") << "cORE" << 5 << "Windows 11 Home";
    QTest::newRow("not in the file") << "Education" << 0 << "";
    QTest::newRow("a setup image is no edition") << "" << 0 << "";
}

void TestMedia::findsEditions()
{
    QFETCH(QString, editionId);
    QFETCH(int, index);
    QFETCH(QString, name);
    const EsdReading reading = readEsdImages(work(QStringLiteral("full.esd")));
    QVERIFY(!reading.failure);
    QCOMPARE(reading.contents.images.size(), std::size_t{5});
    const EsdImage *edition = findEdition(reading.contents, editionId);
    QCOMPARE(edition ? edition->index : 0, index);
    if (edition) {
        QCOMPARE(edition->name, name);
        QCOMPARE(edition->architecture, QStringLiteral("x64"));
        QCOMPARE(edition->language, QStringLiteral("en-US"));
    }
}

void TestMedia::buildsMedia_data()
{
    QTest::addColumn<QString>("esdName");
    QTest::addColumn<QString>("architecture");
    QTest::addColumn<QString>("editionId");
    QTest::addColumn<QString>("editionName");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("bootEntries");
    QTest::newRow("x64, BIOS and UEFI") << "full.esd"
                                        << "x64"
                                        << "professional"
                                        << "Windows 11 Pro"
                                        << "CCCOMA_X64FRE_EN-US_DV9"
                                        << QStringList{QStringLiteral("1  BIOS  y   none  0x0000  0x00      8"),
                                                       QStringLiteral("2  UEFI  y   none")};
    QTest::newRow("ARM64, UEFI only") << "arm.esd"
                                      << "arm64"
                                      << "Core"
                                      << "Windows 11 Home"
                                      << "CCCOMA_A64FRE_EN-US_DV9" << QStringList{QStringLiteral("1  UEFI  y   none")};
}

void TestMedia::buildsMedia()
{
    QFETCH(QString, esdName);
    QFETCH(QString, architecture);
    QFETCH(QString, editionId);
    QFETCH(QString, editionName);
    QFETCH(QString, label);
    QFETCH(QStringList, bootEntries);
    const QString esd = work(esdName);
    const QByteArray esdDigest = sha256Of(esd);
    QTemporaryDir destination(work(QStringLiteral("out-XXXXXX")));
    const QString iso = destination.filePath(QStringLiteral("Win11.iso"));
    // What a killed build leaves goes; the folder of a build that runs stays.
    const QString killed = destination.filePath(QStringLiteral(".travonix-media-killed"));
    const QString running = destination.filePath(QStringLiteral(".travonix-media-inuse1"));
    makeTree(killed, {{QStringLiteral("media.iso"), "half an ISO"}});
    QVERIFY(QDir().mkdir(running));
    const int runningLock = ::open(QFile::encodeName(running).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    QVERIFY(runningLock >= 0 && ::flock(runningLock, LOCK_EX) == 0);
    MediaBuilder builder;
    QSignalSpy progress(&builder, &MediaBuilder::progress);
    QSignalSpy finished(&builder, &MediaBuilder::finished);
    builder.start(MediaBuildPlan{esd, editionId, architecture, QStringLiteral("en-us"), iso});
    QVERIFY(finished.wait(BuildTimeoutMs));
    const auto result = finished.at(0).at(0).value<MediaBuildResult>();
    QVERIFY2(result.outcome == MediaBuildOutcome::Built, qPrintable(result.message));
    QCOMPARE(result.isoPath, iso);
    QCOMPARE(QDir(destination.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({QStringLiteral(".travonix-media-inuse1"), QStringLiteral("Win11.iso")}));
    ::close(runningLock);
    QCOMPARE(sha256Of(esd), esdDigest);
    int percent = 0;
    auto phase = MediaBuildPhase::ApplyingSetup;
    for (const QList<QVariant> &report : progress) {
        QVERIFY(report.at(0).value<MediaBuildPhase>() >= phase);
        QVERIFY(report.at(1).toInt() >= percent);
        phase = report.at(0).value<MediaBuildPhase>();
        percent = report.at(1).toInt();
    }
    QCOMPARE(percent, 100);
    QCOMPARE(progress.last().at(0).value<MediaBuildPhase>(), MediaBuildPhase::WritingIso);

    const QString torito =
        runTool(QStringLiteral("xorriso"),
                {QStringLiteral("-indev"), iso, QStringLiteral("-report_el_torito"), QStringLiteral("plain")});
    QVERIFY2(torito.contains(QStringLiteral("Volume id    : '%1'").arg(label)), qPrintable(torito));
    QCOMPARE(torito.count(QStringLiteral("El Torito boot img :")), bootEntries.size());
    for (const QString &entry : bootEntries)
        QVERIFY2(torito.contains(QStringLiteral("El Torito boot img :   ") + entry), qPrintable(torito));
    // The UDF tree is the one that carries an install image over 4 GiB whole.
    const QString udf = runTool(QStringLiteral("7z"), {QStringLiteral("l"), QStringLiteral("-tudf"), iso});
    for (const QString &file : {QStringLiteral("sources/install.esd"), QStringLiteral("sources/boot.wim"),
                                QStringLiteral("boot/etfsboot.com"), QStringLiteral("setup.exe"), DeepFile})
        QVERIFY2(udf.contains(file), qPrintable(udf));

    const QString unpacked = destination.filePath(QStringLiteral("unpacked"));
    runTool(QStringLiteral("7z"),
            {QStringLiteral("x"), QStringLiteral("-tudf"), QStringLiteral("-o") + unpacked, iso,
             QStringLiteral("sources/install.esd"), QStringLiteral("sources/boot.wim")});
    const QString install = runTool(QStringLiteral("wimlib-imagex"),
                                    {QStringLiteral("info"), unpacked + QStringLiteral("/sources/install.esd")});
    QVERIFY2(install.contains(QStringLiteral("Image Count:    1")), qPrintable(install));
    QVERIFY2(install.contains(QStringLiteral("Name:                   ") + editionName), qPrintable(install));
    QVERIFY2(install.contains(QStringLiteral("Compression:    LZMS")), qPrintable(install));
    const QString boot = runTool(QStringLiteral("wimlib-imagex"),
                                 {QStringLiteral("info"), unpacked + QStringLiteral("/sources/boot.wim")});
    QVERIFY2(boot.contains(QStringLiteral("Image Count:    2")), qPrintable(boot));
    QVERIFY2(boot.contains(QStringLiteral("Boot Index:     2")), qPrintable(boot));
    QVERIFY2(boot.contains(QStringLiteral("Microsoft Windows Setup (amd64)")), qPrintable(boot));
}

void TestMedia::failsCleanly_data()
{
    QTest::addColumn<QString>("esdName");
    QTest::addColumn<QString>("editionId");
    QTest::addColumn<QString>("architecture");
    QTest::addColumn<QString>("writer"); // empty: genisoimage; "slow": the stand-in that waits
    // "cancel", "destroy" or "terminate" (SIGTERM) once the ISO is being
    // written; "early": cancelled as it starts, so that wimlib's first
    // progress call stops it
    QTest::addColumn<QString>("stop");
    QTest::addColumn<MediaBuildOutcome>("outcome");
    const QString none;
    QTest::newRow("not a WIM") << "nowim.esd"
                               << "Professional"
                               << "x64" << none << none << MediaBuildOutcome::NotAnEsd;
    QTest::newRow("cut short") << "cut.esd"
                               << "Professional"
                               << "x64" << none << none << MediaBuildOutcome::NotAnEsd;
    QTest::newRow("too few images") << "two.esd"
                                    << "Professional"
                                    << "x64" << none << none << MediaBuildOutcome::TooFewImages;
    QTest::newRow("edition missing") << "full.esd"
                                     << "Education"
                                     << "x64" << none << none << MediaBuildOutcome::EditionMissing;
    QTest::newRow("an edition of another architecture") << "full.esd"
                                                        << "Professional"
                                                        << "arm64" << none << none << MediaBuildOutcome::OtherMedia;
    QTest::newRow("an edition of another language") << "french.esd"
                                                    << "Professional"
                                                    << "x64" << none << none << MediaBuildOutcome::OtherMedia;
    QTest::newRow("unknown architecture") << "full.esd"
                                          << "Professional"
                                          << "mips" << none << none << MediaBuildOutcome::InvalidPlan;
    QTest::newRow("no ISO writer on the PATH") << "full.esd"
                                               << "Professional"
                                               << "x64"
                                               << "genisoimage-missing" << none << MediaBuildOutcome::WriterFailed;
    QTest::newRow("ISO writer fails") << "full.esd"
                                      << "Professional"
                                      << "x64"
                                      << "false" << none << MediaBuildOutcome::WriterFailed;
    QTest::newRow("cancelled while copying the setup files")
        << "full.esd"
        << "Professional"
        << "x64" << none << "early" << MediaBuildOutcome::Cancelled;
    QTest::newRow("cancelled while writing the ISO") << "full.esd"
                                                     << "Professional"
                                                     << "x64"
                                                     << "slow"
                                                     << "cancel" << MediaBuildOutcome::Cancelled;
    QTest::newRow("destroyed while writing the ISO") << "full.esd"
                                                     << "Professional"
                                                     << "x64"
                                                     << "slow"
                                                     << "destroy" << MediaBuildOutcome::Cancelled;
    // Last: in Qt 5 a quit ends every event loop the test program starts
    // after it, as it would the program's.
    QTest::newRow("SIGTERM while writing the ISO") << "full.esd"
                                                   << "Professional"
                                                   << "x64"
                                                   << "slow"
                                                   << "terminate" << MediaBuildOutcome::Cancelled;
}

void TestMedia::failsCleanly()
{
    QFETCH(QString, esdName);
    QFETCH(QString, editionId);
    QFETCH(QString, architecture);
    QFETCH(QString, writer);
    QFETCH(QString, stop);
    QFETCH(MediaBuildOutcome, outcome);
    const QString esd = work(esdName);
    const QByteArray esdDigest = sha256Of(esd);
    QTemporaryDir destination(work(QStringLiteral("out-XXXXXX")));
    const QString iso = destination.filePath(QStringLiteral("Win11.iso"));
    writeFile(iso, "the ISO of an earlier build");
    MediaBuildSettings settings;
    if (!writer.isEmpty())
        settings.isoWriterProgram = writer == QLatin1String("slow") ? makeSlowWriter() : writer;
    auto builder = std::make_unique<MediaBuilder>(settings);
    QSignalSpy finished(builder.get(), &MediaBuilder::finished);
    connect(builder.get(), &MediaBuilder::progress, this, [&](MediaBuildPhase phase, int) {
        if (phase != MediaBuildPhase::WritingIso || stop.isEmpty())
            return;
        // Out of the signal, as a window's Cancel button or a quit would.
        QTimer::singleShot(0, this, [&builder, stop] {
            if (stop == QLatin1String("destroy"))
                builder.reset();
            else if (stop == QLatin1String("terminate"))
                ::raise(SIGTERM);
            else
                builder->cancelAndWait();
        });
        stop.clear();
    });
    if (stop == QLatin1String("early"))
        builder->cancel();
    if (stop == QLatin1String("terminate"))
        platform::quitEventLoopOnTerminationRequest();
    builder->start(MediaBuildPlan{esd, editionId, architecture, QStringLiteral("en-us"), iso});
    if (stop == QLatin1String("terminate"))
        QVERIFY(runUntilTerminated(&builder));
    QTRY_VERIFY_WITH_TIMEOUT(!builder || !finished.isEmpty(), BuildTimeoutMs);
    if (builder) {
        const auto result = finished.at(0).at(0).value<MediaBuildResult>();
        QCOMPARE(result.outcome, outcome);
        QVERIFY(!result.message.isEmpty());
        QVERIFY(result.isoPath.isEmpty());
        QCOMPARE(finished.size(), 1);
    }
    QCOMPARE(QDir(destination.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("Win11.iso")});
    QCOMPARE(fileBytes(iso), QByteArray("the ISO of an earlier build"));
    QCOMPARE(sha256Of(esd), esdDigest);
}

QTEST_GUILESS_MAIN(TestMedia)
#include "test_media.moc"
