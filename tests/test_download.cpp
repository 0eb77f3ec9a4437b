// The download engine against real servers: nginx (plain and HTTPS with a
// test CA made for the run) and a scripted server that misbehaves on cue.
// Every case checks the file byte for byte, or that it is not there, and the
// exact signal the engine sent.
#include "DownloadServers.h"
#include "download/Digest.h"
#include "download/DownloadManager.h"
#include "download/PartRecord.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <QUrl>

#include <atomic>
#include <cerrno>
#include <functional>

#include <dlfcn.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

// Flushes to the device made on the event loop's thread, which a busy disk
// would hold up for seconds. ThreadSanitizer has flushes of its own.
static std::atomic<int> g_mainThreadSyncs{0};
#ifndef __SANITIZE_THREAD__
static const pthread_t g_mainThread = pthread_self();

static int countedSync(const char *name, int fd)
{
    using Sync = int (*)(int);
    const auto real = reinterpret_cast<Sync>(dlsym(RTLD_NEXT, name));
    if (pthread_equal(pthread_self(), g_mainThread))
        ++g_mainThreadSyncs;
    return real(fd);
}

extern "C" int fsync(int fd)
{
    return countedSync("fsync", fd);
}
extern "C" int fdatasync(int fd)
{
    return countedSync("fdatasync", fd);
}
#endif

namespace {

constexpr int TransferTimeoutMs = 30000;
constexpr qint64 BodySize = 3 * 1024 * 1024 + 123;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// As long to read back as any file of its size, without filling the disk.
bool writeSparse(const QString &path, qint64 size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(size);
}

QString digestOf(const QByteArray &bytes, QCryptographicHash::Algorithm algorithm)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, algorithm).toHex().toUpper());
}

QString sha256Of(const QByteArray &bytes)
{
    return digestOf(bytes, QCryptographicHash::Sha256);
}

QString sha1Of(const QByteArray &bytes)
{
    return digestOf(bytes, QCryptographicHash::Sha1);
}

QByteArray expectedBody(qint64 size)
{
    return FaultServer::body(0, size);
}

struct EngineProbe {
    EngineProbe()
        : finished(&engine, &DownloadManager::finished)
        , errors(&engine, &DownloadManager::downloadError)
        , failures(&engine, &DownloadManager::failed)
        , progress(&engine, &DownloadManager::progress)
    {
        // The test servers speak plain http too.
        configure([](EngineSettings &settings) { settings.plainHttpAllowed = true; });
    }
    bool waitForEnd(int timeoutMs = TransferTimeoutMs)
    {
        return QTest::qWaitFor([this] { return !engine.isDownloading(); }, timeoutMs);
    }
    QString error() const { return errors.isEmpty() ? QString() : errors.first().at(0).toString(); }
    DownloadResult failure() const
    {
        return failures.isEmpty() ? DownloadResult() : failures.first().at(0).value<DownloadResult>();
    }
    void configure(const std::function<void(EngineSettings &)> &change)
    {
        EngineSettings settings = engine.settings();
        change(settings);
        engine.setSettings(settings);
    }

    DownloadManager engine;
    QSignalSpy finished;
    QSignalSpy errors;
    QSignalSpy failures;
    QSignalSpy progress;
};

} // namespace

class TestDownload : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_root.isValid() && m_out.isValid());
        m_served = expectedBody(BodySize);
        writeFile(m_root.filePath(QStringLiteral("Win11_test.iso")), m_served);
        QVERIFY(m_nginx.start(m_root.path(), true));
        QVERIFY(m_faults.start());
    }

    void init()
    {
        QVERIFY(m_faults.reset());
        m_probe = std::make_unique<EngineProbe>();
        m_probe->configure([this](EngineSettings &settings) { settings.caBundlePath = m_nginx.caPath(); });
    }
    void cleanup() { m_probe.reset(); }

    // Only the schemes the engine allows are fetched, redirects included.
    void refusedAddresses_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("plainHttpAllowed");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("detail"); // the schemes fetched, for a refused link
        QTest::addColumn<QString>("name"); // of the destination; empty: the kind's own
        const int refused = int(DownloadOutcome::SchemeRefused);
        QTest::newRow("local file") << "file" << true << refused << "https or http" << QString();
        QTest::newRow("ftp") << "ftp" << true << refused << "https or http" << QString();
        QTest::newRow("plain http on an https-only engine") << "http" << false << refused << "https" << QString();
        QTest::newRow("https that redirects to http")
            << "downgrade" << true << int(DownloadOutcome::TransferFailed) << QString() << QString();
        // No file should have such a name: nothing is touched, not even its folder.
        const int unsafe = int(DownloadOutcome::DestinationRefused);
        QTest::newRow("NUL in the name") << "http" << true << unsafe << QString()
                                         << QStringLiteral("victim.txt") + QChar(0) + QStringLiteral(".iso");
        QTest::newRow("escape sequence in the name")
            << "http" << true << unsafe << QString() << QStringLiteral("a\x1b[2J.iso");
        QTest::newRow("line break in the name") << "http" << true << unsafe << QString() << QStringLiteral("a\nb.iso");
        QTest::newRow("C1 control in the name")
            << "http" << true << unsafe << QString() << QStringLiteral("a\u009b.iso");
        QTest::newRow("DEL in the name") << "http" << true << unsafe << QString() << QStringLiteral("a\x7f.iso");
    }
    void refusedAddresses()
    {
        QFETCH(QString, kind);
        QFETCH(bool, plainHttpAllowed);
        QFETCH(int, outcome);
        QFETCH(QString, detail);
        QFETCH(QString, name);
        FaultServer tls;
        QVERIFY(tls.start(m_nginx.serverCertificatePath(), m_nginx.serverKeyPath()));
        const QString plain = m_faults.fileUrl(QStringLiteral("a.iso"), 1000);
        const QMap<QString, QString> urls{
            {QStringLiteral("file"), QUrl::fromLocalFile(m_root.filePath(QStringLiteral("Win11_test.iso"))).toString()},
            {QStringLiteral("ftp"), QStringLiteral("ftp://127.0.0.1:1/Win11_test.iso")},
            {QStringLiteral("http"), plain},
            {QStringLiteral("downgrade"),
             tls.origin() + QStringLiteral("/goto?to=") + QString::fromLatin1(QUrl::toPercentEncoding(plain))}};
        const QString url = urls.value(kind);
        const QString destination = name.isEmpty() ? m_out.filePath(kind + QStringLiteral(".iso"))
                                                   : m_out.filePath(QStringLiteral("refused/") + name);
        m_probe->configure(
            [plainHttpAllowed](EngineSettings &settings) { settings.plainHttpAllowed = plainHttpAllowed; });
        m_probe->engine.startDownload(url, destination);
        QVERIFY(m_probe->waitForEnd());
        QCOMPARE(int(m_probe->failure().outcome), outcome);
        QCOMPARE(m_probe->failure().detail, detail);
        if (kind == QLatin1String("downgrade"))
            QCOMPARE(m_probe->failure().curlCode, int(CURLE_UNSUPPORTED_PROTOCOL));
        QVERIFY(m_probe->finished.isEmpty());
        QVERIFY(!QFile::exists(destination));
        QVERIFY(!QFile::exists(DownloadManager::makeTempFilePath(url, destination)));
        QVERIFY(!QFile::exists(m_out.filePath(QStringLiteral("refused"))));
        QVERIFY(!m_faults.command(QStringLiteral("requests")).contains(QLatin1String("/file/a.iso")));
    }

    void freshDownload_data()
    {
        QTest::addColumn<bool>("https");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<qint64>("queueBytes");
        const qint64 standardQueue = EngineSettings().writeQueueBytes;
        QTest::newRow("http") << false << QStringLiteral("fresh/new folder") << standardQueue;
        QTest::newRow("https with the test CA") << true << QStringLiteral("fresh/new folder") << standardQueue;
        QTest::newRow("a folder outside ASCII") << true << QStringLiteral("Pr\u00fcfung_\u65e5\u672c") << standardQueue;
        // Blocks bigger than the hashing may keep: it reads each back.
        QTest::newRow("hashing behind the writing") << true << QStringLiteral("behind") << qint64(64 * 1024);
    }
    void freshDownload()
    {
        QFETCH(bool, https);
        QFETCH(QString, folder);
        QFETCH(qint64, queueBytes);
        m_probe->configure([queueBytes](EngineSettings &settings) { settings.writeQueueBytes = queueBytes; });
        const QString origin = https ? m_nginx.httpsOrigin() : m_nginx.httpOrigin();
        const QString destination = m_out.filePath(folder + QStringLiteral("/Win11.iso"));
        if (https)
            writeFile(destination, "an older download");
        m_probe->engine.setPublishedSha256({QStringLiteral("0").repeated(64), sha256Of(m_served).toLower()});
        m_probe->engine.startDownload(origin + QStringLiteral("/Win11_test.iso"), destination);
        QVERIFY(m_probe->waitForEnd());
        QCOMPARE(m_probe->error(), QString());
        QCOMPARE(m_probe->finished.size(), 1);
        QCOMPARE(m_probe->engine.digest(), sha256Of(m_served));
        QCOMPARE(m_probe->finished.first().at(0).toString(), destination);
        QCOMPARE(readAll(destination), m_served);
        QVERIFY(
            !QFile::exists(DownloadManager::makeTempFilePath(origin + QStringLiteral("/Win11_test.iso"), destination)));
    }

    // Two ranges of the served file read into one digest, as the hashing
    // reads back a part and then what it fell behind on.
    void fileRangesAddUp_data()
    {
        QTest::addColumn<qint64>("firstOffset");
        QTest::addColumn<qint64>("firstLength");
        QTest::addColumn<qint64>("secondOffset");
        QTest::addColumn<qint64>("secondLength");
        QTest::addColumn<bool>("read");
        QTest::newRow("the start, then the rest")
            << qint64(0) << qint64(1000000) << qint64(1000000) << qint64(-1) << true;
        QTest::newRow("a long range, then a short one") << qint64(0) << BodySize << qint64(17) << qint64(5) << true;
        QTest::newRow("a range past the end") << qint64(0) << qint64(10) << BodySize - 10 << qint64(20) << false;
    }
    void fileRangesAddUp()
    {
        QFETCH(qint64, firstOffset);
        QFETCH(qint64, firstLength);
        QFETCH(qint64, secondOffset);
        QFETCH(qint64, secondLength);
        QFETCH(bool, read);
        const QString path = m_root.filePath(QStringLiteral("Win11_test.iso"));
        Digest hash;
        const auto goOn = [](qint64) { return true; };
        QVERIFY(hash.addFile(path, firstOffset, firstLength, goOn));
        QCOMPARE(hash.addFile(path, secondOffset, secondLength, goOn), read);
        if (read)
            QCOMPARE(hash.finish(),
                     sha256Of(m_served.mid(int(firstOffset), int(firstLength))
                              + m_served.mid(int(secondOffset), int(secondLength))));
    }

    // A whole file takes the destination's place only if it is what was
    // asked for: one of the published values, and an ISO image where one
    // must be (a page served in its place, or a file too short to hold
    // volume descriptors, is not). Any other is kept aside.
    void whatIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("served");
        QTest::addColumn<bool>("mustBeImage");
        QTest::addColumn<QString>("published"); // "": none, "own": the file's own value, else that value
        QTest::addColumn<int>("keptFor"); // -1: it took the destination's place
        const QByteArray image = expectedBody(BodySize);
        const QByteArray page = "<!DOCTYPE html><html><body>" + QByteArray(64 * 1024, ' ') + "</body></html>\n";
        const QString zeros = QStringLiteral("0").repeated(64);
        const QString own = QStringLiteral("own");
        const int digest = int(UnverifiedReason::DigestDiffers);
        const int noImage = int(UnverifiedReason::NotADiscImage);
        QTest::newRow("bytes of no published value") << image << false << zeros << digest;
        QTest::newRow("an image of no published value") << image << true << zeros << digest;
        QTest::newRow("an image, none published") << image << true << QString() << -1;
        QTest::newRow("an image of its published value") << image << true << own << -1;
        // A catalog that publishes SHA-1: the engine hashes with it instead.
        QTest::newRow("bytes of their published SHA-1") << image << false << QStringLiteral("sha1:own") << -1;
        QTest::newRow("bytes of another SHA-1") << image << false << QStringLiteral("sha1:") + zeros.left(40) << digest;
        QTest::newRow("their SHA-256 where SHA-1 is published")
            << image << false << QStringLiteral("sha1:") + sha256Of(image) << digest;
        QTest::newRow("a web page, none published") << page << true << QString() << noImage;
        QTest::newRow("a web page of its published value") << page << true << own << noImage;
        QTest::newRow("a web page where any file will do") << page << false << QString() << -1;
        QTest::newRow("too short for volume descriptors") << image.left(32770) << true << QString() << noImage;
        const auto stating = [&image](quint32 blocks) {
            QByteArray sized = image;
            const char fields[] = {char(blocks),       char(blocks >> 8),  char(blocks >> 16), char(blocks >> 24),
                                   char(blocks >> 24), char(blocks >> 16), char(blocks >> 8),  char(blocks)};
            sized.replace(32768 + 80, 8, fields, 8);
            sized.replace(32768 + 128, 4, "\x00\x08\x08\x00", 4); // 2048-byte blocks
            return sized;
        };
        const quint32 whole = quint32(BodySize / 2048);
        QTest::newRow("as long as its volume says") << stating(whole) << true << QString() << -1;
        QTest::newRow("shorter than its volume says") << stating(whole + 1) << true << QString() << noImage;
    }
    void whatIsKeptAside()
    {
        QFETCH(QByteArray, served);
        QFETCH(bool, mustBeImage);
        QFETCH(QString, published);
        QFETCH(int, keptFor);
        writeFile(m_root.filePath(QStringLiteral("aside.iso")), served);
        const QString destination = m_out.filePath(QStringLiteral("kept.iso"));
        writeFile(destination, "an older download");
        QSignalSpy unverified(&m_probe->engine, &DownloadManager::unverified);
        m_probe->engine.setMustBeDiscImage(mustBeImage);
        const bool sha1 = published.startsWith(QLatin1String("sha1:"));
        const QString value = sha1 ? published.mid(5) : published;
        const DigestAlgorithm algorithm = sha1 ? DigestAlgorithm::Sha1 : DigestAlgorithm::Sha256;
        const QString servedDigest = sha1 ? sha1Of(served) : sha256Of(served);
        if (!value.isEmpty())
            m_probe->engine.setPublishedDigests(algorithm, {value == QLatin1String("own") ? servedDigest : value});
        m_probe->engine.startDownload(m_nginx.httpOrigin() + QStringLiteral("/aside.iso"), destination);
        QVERIFY(m_probe->waitForEnd());
        QVERIFY(m_probe->errors.isEmpty());
        const QString aside = destination + QStringLiteral(".unverified");
        QCOMPARE(m_probe->engine.digest(), servedDigest);
        if (keptFor < 0) {
            QCOMPARE(m_probe->finished.size(), 1);
            QVERIFY(unverified.isEmpty());
            QCOMPARE(readAll(destination), served);
            QVERIFY(!QFile::exists(aside));
            return;
        }
        QVERIFY(m_probe->finished.isEmpty());
        QCOMPARE(unverified.size(), 1);
        QCOMPARE(unverified.first().at(0).toString(), aside);
        QCOMPARE(unverified.first().at(1).toString(), servedDigest);
        QCOMPARE(int(unverified.first().at(2).value<UnverifiedReason>()), keptFor);
        QCOMPARE(readAll(destination), QByteArray("an older download"));
        QCOMPARE(readAll(aside), served);
        QFile::remove(aside);
    }

    void unknownCertificateAuthorityIsRefused()
    {
        const QString destination = m_out.filePath(QStringLiteral("untrusted.iso"));
        m_probe->engine.startDownload(m_nginx.untrustedHttpsOrigin() + QStringLiteral("/Win11_test.iso"), destination);
        QVERIFY(m_probe->waitForEnd());
        QCOMPARE(m_probe->error(),
                 QStringLiteral("The server's certificate could not be verified, so the download was refused."));
        QVERIFY(m_probe->finished.isEmpty());
        QVERIFY(!QFile::exists(destination));
    }

    // Names are looked up through a local DNS-over-HTTPS server that knows
    // none, so no real resolver is asked.
    void unknownHostIsReported()
    {
        FaultServer dns;
        QVERIFY(dns.start(m_nginx.serverCertificatePath(), m_nginx.serverKeyPath()));
        m_probe->configure([&dns](EngineSettings &settings) {
            settings.dnsOverHttpsUrl = dns.origin() + QStringLiteral("/dns-query");
        });
        const QString destination = m_out.filePath(QStringLiteral("nowhere.iso"));
        m_probe->engine.startDownload(QStringLiteral("https://no-such-host.invalid/Win11.iso"), destination);
        QVERIFY(m_probe->waitForEnd());
        QCOMPARE(m_probe->error(), QStringLiteral("Cannot resolve host. Check your internet connection."));
        QVERIFY(!dns.requests().isEmpty());
        QCOMPARE(dns.requests().first().path, QStringLiteral("/dns-query"));
        QVERIFY(!QFile::exists(destination));
        QVERIFY(!m_probe->engine.isDownloading());
    }

    void interruptedTransferResumesToTheSameFile()
    {
        const QString url = fileUrl();
        const QString destination = m_out.filePath(QStringLiteral("resume.iso"));
        // Cut after a megabyte, then every try again reset before a byte:
        // the engine gives up after its tries.
        command(QStringLiteral("drop 1000000"));
        command(QStringLiteral("rst 0 100"));
        m_probe->engine.startDownload(url, destination);
        QVERIFY(m_probe->waitForEnd());
        QVERIFY2(!m_probe->error().isEmpty(), "a cut transfer must not count as finished");
        QVERIFY(m_probe->finished.isEmpty());
        const QString part = DownloadManager::makeTempFilePath(url, destination);
        QCOMPARE(QFileInfo(part).size(), qint64(1000000));

        // Slowly, so that progress is reported while the rest arrives.
        command(QStringLiteral("rst 0 0"));
        command(QStringLiteral("drip 1000000"));
        EngineProbe again;
        QSignalSpy speeds(&again.engine, &DownloadManager::speedChanged);
        int speedsAtFirstProgress = -1;
        QObject::connect(&again.engine, &DownloadManager::progress, &again.engine, [&] {
            if (speedsAtFirstProgress < 0)
                speedsAtFirstProgress = speeds.size();
        });
        again.engine.startDownload(url, destination);
        QVERIFY(again.waitForEnd());
        // The part shows before the first speed sample.
        QCOMPARE(speedsAtFirstProgress, 0);
        QCOMPARE(again.error(), QString());
        QCOMPARE(readAll(destination), expectedBody(BodySize));
        QCOMPARE(again.engine.digest(), sha256Of(expectedBody(BodySize)));
        QCOMPARE(m_faults.requests().last().range, QStringLiteral("bytes=1000000-"));
        // Progress counts the part's bytes too: it never passes the whole.
        QVERIFY(!again.progress.isEmpty());
        for (const auto &report : again.progress) {
            QCOMPARE(report.at(1).toLongLong(), BodySize);
            QVERIFY(report.at(0).toLongLong() >= 1000000 && report.at(0).toLongLong() <= BodySize);
        }
    }

    // Every link for the same file continues the same part, whatever its
    // token; a part named the old way, from the whole link, is taken over.
    void aFreshLinkContinuesThePart_data()
    {
        QTest::addColumn<bool>("oldName");
        QTest::addColumn<qint64>("queueBytes");
        const qint64 standardQueue = EngineSettings().writeQueueBytes;
        QTest::newRow("part of another link") << false << standardQueue;
        QTest::newRow("part under the old name") << true << standardQueue;
        // The part and every new block are hashed from the file.
        QTest::newRow("hashing behind the writing") << false << qint64(64 * 1024);
    }
    void aFreshLinkContinuesThePart()
    {
        QFETCH(bool, oldName);
        QFETCH(qint64, queueBytes);
        m_probe->configure([queueBytes](EngineSettings &settings) { settings.writeQueueBytes = queueBytes; });
        const QString first = fileUrl() + QStringLiteral("&t=first");
        const QString fresh = fileUrl() + QStringLiteral("&t=fresh");
        const QString destination = m_out.filePath(QStringLiteral("fresh.iso"));
        QCOMPARE(DownloadManager::makeTempFilePath(first, destination),
                 DownloadManager::makeTempFilePath(fresh, destination));
        const QByteArray whole = expectedBody(BodySize);
        const QString digest =
            QString::fromLatin1(QCryptographicHash::hash(fresh.toUtf8(), QCryptographicHash::Md5).toHex().left(8));
        writeFile(oldName ? m_out.filePath(QStringLiteral("fresh_%1.part").arg(digest))
                          : DownloadManager::makeTempFilePath(first, destination),
                  whole.left(1000000));
        m_probe->engine.startDownload(fresh, destination);
        QVERIFY(m_probe->waitForEnd());
        QCOMPARE(m_probe->error(), QString());
        QCOMPARE(m_faults.requests().last().range, QStringLiteral("bytes=1000000-"));
        QCOMPARE(readAll(destination), whole);
        QCOMPARE(m_probe->engine.digest(), sha256Of(whole));
        QCOMPARE(QDir(m_out.path()).entryList({QStringLiteral("fresh_*")}), QStringList());
    }

    // A part with its record continues from the length known to be on disk,
    // and only if the server's file is still the one it came from.
    void recordedPartsResume_data()
    {
        QTest::addColumn<QByteArray>("part");
        QTest::addColumn<QString>("etag");
        const QByteArray whole = expectedBody(BodySize);
        const QString sameFile = QStringLiteral("\"fault-%1\"").arg(BodySize, 0, 16);
        QTest::newRow("a torn tail is cut off") << whole.left(1200000) << sameFile;
        QTest::newRow("the file changed on the server") << QByteArray(1000000, 'x') << "\"an older file\"";
    }
    void recordedPartsResume()
    {
        QFETCH(QByteArray, part);
        QFETCH(QString, etag);
        const QString url = fileUrl();
        const QString destination = m_out.filePath(QStringLiteral("recorded.iso"));
        const QString partPath = DownloadManager::makeTempFilePath(url, destination);
        writeFile(partPath, part);
        QVERIFY(writePartRecord(partPath, PartRecord{BodySize, etag, QString(), 1000000, {}}));
        m_probe->engine.startDownload(url, destination);
        QVERIFY(m_probe->waitForEnd());
        QCOMPARE(m_probe->error(), QString());
        QCOMPARE(m_faults.requests().first().range, QStringLiteral("bytes=1000000-"));
        QCOMPARE(readAll(destination), expectedBody(BodySize));
        QVERIFY(!QFile::exists(partPath) && !QFile::exists(partRecordPath(partPath)));
    }

    // What lies under the part's or the record's name and is not the
    // engine's own is never written through nor believed: a link's target
    // and a file's other name keep their bytes, and the download starts a
    // part of its own from byte zero. A part of another user is left as it
    // is, and the download says so.
    void partThatIsNotOurs_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("outcome");
        const int finished = int(DownloadOutcome::Finished);
        QTest::newRow("a symbolic link as the part") << "part symlink" << finished;
        QTest::newRow("a symbolic link as the record") << "record symlink" << finished;
        QTest::newRow("a hard link as the part") << "hard link" << finished;
        QTest::newRow("a hard link as the record") << "record hard link" << finished;
        QTest::newRow("another user's record") << "other user's record" << finished;
        QTest::newRow("an ETag that breaks the header line") << "bad etag" << finished;
        QTest::newRow("another user's part") << "other user" << int(DownloadOutcome::CannotCreatePart);
        // The bytes hashed are the part's own; what took its name never
        // takes the destination's.
        QTest::newRow("another file swapped in under the part's name") << "swapped" << int(DownloadOutcome::PartGone);
    }
    void partThatIsNotOurs()
    {
        QFETCH(QString, kind);
        QFETCH(int, outcome);
        if (kind.startsWith(QLatin1String("other user")) && geteuid() != 0)
            QSKIP("giving a file to another user needs root");
        const QString name = QString(kind).replace(QLatin1Char(' '), QLatin1Char('_'));
        const QString url = m_faults.fileUrl(name + QStringLiteral(".iso"), BodySize);
        const QString destination = m_out.filePath(name + QStringLiteral(".iso"));
        const QString part = DownloadManager::makeTempFilePath(url, destination);
        const QString outside = m_out.filePath(QStringLiteral("outside/") + name);
        // Bytes that a resume would continue from, and that a write through
        // the link would change.
        const QByteArray held = expectedBody(1000000);
        const PartRecord record{BodySize, FaultServer::etag(BodySize), QString(), 1000000, {}};
        writeFile(outside, held);
        if (kind == QLatin1String("part symlink")) {
            QVERIFY(QFile::link(outside, part));
        } else if (kind == QLatin1String("hard link")) {
            QCOMPARE(::link(QFile::encodeName(outside).constData(), QFile::encodeName(part).constData()), 0);
        } else {
            writeFile(part, held);
        }
        if (kind == QLatin1String("record symlink")) {
            QVERIFY(writePartRecord(outside, record));
            QVERIFY(QFile::link(partRecordPath(outside), partRecordPath(part)));
        } else if (kind == QLatin1String("record hard link")) {
            QVERIFY(writePartRecord(outside, record));
            QCOMPARE(::link(QFile::encodeName(partRecordPath(outside)).constData(),
                            QFile::encodeName(partRecordPath(part)).constData()),
                     0);
        } else if (kind == QLatin1String("bad etag")) {
            PartRecord injecting = record;
            injecting.etag += QStringLiteral("\r\nX-Injected: 1");
            QVERIFY(writePartRecord(part, injecting));
        } else {
            QVERIFY(writePartRecord(part, record));
        }
        if (kind == QLatin1String("other user"))
            QCOMPARE(::chown(QFile::encodeName(part).constData(), 65534, 65534), 0);
        if (kind == QLatin1String("other user's record"))
            QCOMPARE(::chown(QFile::encodeName(partRecordPath(part)).constData(), 65534, 65534), 0);
        const QByteArray outsideRecord = readAll(partRecordPath(outside));
        const QByteArray planted(1000, 'x');
        m_probe->engine.startDownload(url, destination);
        if (kind == QLatin1String("swapped")) {
            QVERIFY(QFile::rename(part, outside + QStringLiteral(".moved")));
            writeFile(part, planted);
        }
        QVERIFY(m_probe->waitForEnd());
        QCOMPARE(readAll(outside), held);
        QCOMPARE(readAll(partRecordPath(outside)), outsideRecord);
        if (outcome != int(DownloadOutcome::Finished)) {
            QCOMPARE(int(m_probe->failure().outcome), outcome);
            QCOMPARE(m_probe->failure().path, part);
            QVERIFY(m_probe->finished.isEmpty());
            QVERIFY(!QFile::exists(destination));
            if (kind == QLatin1String("swapped")) {
                QCOMPARE(readAll(part), planted);
            } else {
                QCOMPARE(readAll(part), held);
                QCOMPARE(QFileInfo(part).ownerId(), uint(65534));
                QVERIFY(m_faults.requests().isEmpty());
            }
            QFile::remove(part);
            removePartRecord(part);
            return;
        }
        QCOMPARE(m_probe->error(), QString());
        QCOMPARE(readAll(destination), expectedBody(BodySize));
        QCOMPARE(m_probe->engine.digest(), sha256Of(expectedBody(BodySize)));
        QCOMPARE(m_faults.requests().size(), 1);
        QCOMPARE(m_faults.requests().first().range, QString());
        QCOMPARE(m_faults.requests().first().ifRange, QString());
        QVERIFY(!QFileInfo::exists(part) && !QFileInfo(partRecordPath(part)).isSymLink());
    }

    // A part another download is writing (here another engine of the same
    // process) is refused, and neither that start nor the refused engine's
    // end touches it: the first finishes with the exact file.
    void aPartInUseIsLeftAlone_data()
    {
        QTest::addColumn<QString>("end"); // how the refused engine ends
        QTest::newRow("cancelled") << "cancel";
        QTest::newRow("stopped") << "stop";
        QTest::newRow("destroyed") << "destroy";
    }
    void aPartInUseIsLeftAlone()
    {
        QFETCH(QString, end);
        const QString url = fileUrl();
        const QString destination = m_out.filePath(QStringLiteral("in use, %1.iso").arg(end));
        const QString part = DownloadManager::makeTempFilePath(url, destination);
        // Two whole blocks reach the part, and the rest waits.
        command(QStringLiteral("stall 3000000"));
        m_probe->engine.startDownload(url, destination);
        QTRY_VERIFY(QFileInfo(part).size() >= 2000000);
        QTest::qWait(200);
        const QByteArray partBefore = readAll(part);
        const QByteArray recordBefore = readAll(partRecordPath(part));
        auto second = std::make_unique<EngineProbe>();
        second->engine.startDownload(fileUrl() + QStringLiteral("&t=another"), destination);
        QVERIFY(second->waitForEnd());
        QCOMPARE(second->error(), QStringLiteral("Another download of this file is running"));
        QCOMPARE(int(second->failure().outcome), int(DownloadOutcome::PartBusy));
        QCOMPARE(second->failure().path, part);
        QVERIFY(second->finished.isEmpty());
        if (end == QLatin1String("cancel"))
            second->engine.cancelDownload();
        else if (end == QLatin1String("stop"))
            second->engine.stopDownload();
        second.reset();
        QTest::qWait(100);
        QCOMPARE(readAll(part), partBefore);
        QCOMPARE(readAll(partRecordPath(part)), recordBefore);
        QCOMPARE(m_faults.requests().size(), 1);
        QVERIFY(m_probe->engine.isDownloading());
        // The stalled connection is closed: the first download continues
        // its part from where it was.
        command(QStringLiteral("release"));
        QVERIFY(m_probe->waitForEnd());
        QCOMPARE(m_probe->errors.size(), 0);
        QCOMPARE(m_probe->finished.size(), 1);
        QVERIFY(m_faults.requests().last().hasRange);
        QCOMPARE(readAll(destination), expectedBody(BodySize));
        QCOMPARE(m_probe->engine.digest(), sha256Of(expectedBody(BodySize)));
    }

    // A disk slower than the network is no stall: the transfer waits for it.
    void slowDiskIsNoStall()
    {
#ifdef __SANITIZE_THREAD__
        QSKIP("the event loop's timing means nothing under ThreadSanitizer");
#endif
        m_probe->configure([](EngineSettings &settings) {
            settings.stallLimitMs = 500;
            settings.writeQueueBytes = 2 * 1024 * 1024;
            settings.diskBytesPerSecond = 512 * 1024;
        });
        const QString destination = m_out.filePath(QStringLiteral("slow disk.iso"));
        // The event loop's longest wait, completion included: what is still
        // queued for the slow disk is written on the writer's side.
        QElapsedTimer sinceTick;
        qint64 longestWaitMs = 0;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] { longestWaitMs = qMax(longestWaitMs, sinceTick.restart()); });
        tick.start(5);
        sinceTick.start();
        m_probe->engine.startDownload(fileUrl(), destination);
        QVERIFY(m_probe->waitForEnd(TransferTimeoutMs));
        // The tick after the end measures the last wait; the checks below
        // are the test's own work, not the engine's.
        QTest::qWait(20);
        tick.stop();
        QCOMPARE(m_probe->error(), QString());
        QCOMPARE(readAll(destination), expectedBody(BodySize));
        qInfo("longest event-loop wait: %lld ms", longestWaitMs);
        // About 20 ms here, the 5 ms tick included; a blocked loop waits
        // seconds.
        QVERIFY2(longestWaitMs < 50, qPrintable(QString::number(longestWaitMs)));
    }

    // A whole answer starts the part over from byte zero, whatever its
    // length: no byte of the old part may end up in the file.
    void answersToAResumeThatCannotBeAppended_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<qint64>("partSize");
        QTest::addColumn<QString>("recordedEtag"); // empty: no record
        QTest::addColumn<int>("requests");
        const QString changed = QStringLiteral("\"an older file\"");
        QTest::newRow("range ignored (200)") << "ignorerange" << qint64(5000) << QString() << 1;
        QTest::newRow("range ignored, a part of the whole length") << "ignorerange" << BodySize << QString() << 1;
        QTest::newRow("changed file under If-Range, a part of the whole length")
            << QString() << BodySize << changed << 1;
        QTest::newRow("changed file under If-Range, a part of half the length")
            << QString() << BodySize / 2 << changed << 1;
        QTest::newRow("range from the wrong place") << "badrange 100" << qint64(5000) << QString() << 2;
        QTest::newRow("416 with an incomplete part") << "416" << qint64(5000) << QString() << 2;
        QTest::newRow("416 with a part longer than the file") << "416" << BodySize + 10 << QString() << 2;
    }
    void answersToAResumeThatCannotBeAppended()
    {
        QFETCH(QString, fault);
        QFETCH(qint64, partSize);
        QFETCH(QString, recordedEtag);
        QFETCH(int, requests);
        const QString url = fileUrl();
        const QString destination = m_out.filePath(QStringLiteral("restart.iso"));
        const QString part = DownloadManager::makeTempFilePath(url, destination);
        QFile::remove(destination);
        // A part whose bytes are right would hide a wrong append: make them wrong.
        writeFile(part, QByteArray(int(partSize), 'x'));
        if (!recordedEtag.isEmpty())
            QVERIFY(writePartRecord(part, PartRecord{BodySize, recordedEtag, QString(), partSize, {}}));
        if (!fault.isEmpty())
            command(fault);
        m_probe->engine.startDownload(url, destination);
        QVERIFY(m_probe->waitForEnd());
        QCOMPARE(m_probe->error(), QString());
        QCOMPARE(m_probe->finished.size(), 1);
        QCOMPARE(readAll(destination), expectedBody(BodySize));
        QCOMPARE(m_probe->engine.digest(), sha256Of(expectedBody(BodySize)));
        QCOMPARE(m_faults.requests().size(), requests);
    }

    // A file of no bytes is a file; a transfer cut short goes on from where
    // it stopped, on its own. A server that can never give the whole file
    // is given up, soon and after a bounded number of requests.
    void edgesOfATransfer_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("connections");
        QTest::addColumn<qint64>("partBytes"); // of the right bytes, without a record
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<int>("requests"); // at least; at most, for a file that cannot come
        QTest::addColumn<bool>("arrives");
        const int always = 1000000000;
        QTest::newRow("no bytes, one connection") << qint64(0) << 1 << qint64(0) << QStringList() << 1 << true;
        QTest::newRow("no bytes, eight connections") << qint64(0) << 8 << qint64(0) << QStringList() << 1 << true;
        QTest::newRow("a 206 that ends early")
            << BodySize << 1 << qint64(1000000) << QStringList{"nolength", "drop 500000"} << 2 << true;
        QTest::newRow("a reset midway") << BodySize << 1 << qint64(0) << QStringList{"rst 1000000"} << 2 << true;
        QTest::newRow("resets before any answer, twice")
            << BodySize << 1 << qint64(0) << QStringList{"rst 0 2"} << 3 << true;
        // The server says it cannot serve a first piece from byte zero: it
        // answers no range, as a server that will not split, and the file
        // still comes whole on one connection.
        QTest::newRow("416 to every range, eight connections")
            << BodySize << 8 << qint64(0) << QStringList{"416 1000000000"} << 2 << true;
        // Every answer is the whole file from byte zero, cut after 100 bytes:
        // each resume starts over, and no connection ever gets further.
        QTest::newRow("range ignored, every body cut after 100 bytes, one connection")
            << BodySize << 1 << qint64(0)
            << QStringList{QStringLiteral("ignorerange %1").arg(always), QStringLiteral("drop 100 %1").arg(always)}
            << 40 << false;
        QTest::newRow("range ignored, every body cut after 100 bytes, eight connections")
            << BodySize << 8 << qint64(0)
            << QStringList{QStringLiteral("ignorerange %1").arg(always), QStringLiteral("drop 100 %1").arg(always)}
            << 40 << false;
    }
    void edgesOfATransfer()
    {
        QFETCH(qint64, size);
        QFETCH(int, connections);
        QFETCH(qint64, partBytes);
        QFETCH(QStringList, faults);
        QFETCH(int, requests);
        QFETCH(bool, arrives);
        const QString url = m_faults.fileUrl(QStringLiteral("edge.iso"), size);
        const QString destination = m_out.filePath(QStringLiteral("edge.iso"));
        QFile::remove(destination);
        if (partBytes > 0)
            writeFile(DownloadManager::makeTempFilePath(url, destination), expectedBody(partBytes));
        for (const QString &fault : faults)
            command(fault);
        m_probe->configure([connections](EngineSettings &settings) { settings.connections = connections; });
        const QByteArray body = expectedBody(size);
        m_probe->engine.setPublishedSha256({sha256Of(body)});
        m_probe->engine.startDownload(url, destination);
        if (!arrives) {
            const bool ended = m_probe->waitForEnd(20000);
            const int asked = int(m_faults.requests().size());
            m_probe->engine.stopDownload();
            QVERIFY2(ended, qPrintable(QStringLiteral("still running after %1 requests").arg(asked)));
            QVERIFY(!m_probe->error().isEmpty());
            QVERIFY(m_probe->finished.isEmpty());
            QVERIFY(!QFileInfo::exists(destination));
            QVERIFY2(asked <= requests, qPrintable(QString::number(asked)));
            return;
        }
        QVERIFY(m_probe->waitForEnd());
        QCOMPARE(m_probe->error(), QString());
        QCOMPARE(m_probe->finished.size(), 1);
        QVERIFY(QFileInfo::exists(destination));
        QVERIFY(readAll(destination) == body);
        QCOMPARE(m_probe->engine.digest(), sha256Of(body));
        QVERIFY(m_faults.requests().size() >= requests);
    }

    // A record that cannot be written stops the download before a byte of
    // the file goes into the part, and says why.
    void aRecordThatCannotBeWrittenStops_data()
    {
        QTest::addColumn<int>("connections");
        QTest::newRow("one connection") << 1;
        QTest::newRow("eight connections") << 8;
    }
    void aRecordThatCannotBeWrittenStops()
    {
        QFETCH(int, connections);
        const QString url = m_faults.fileUrl(QStringLiteral("norecord.iso"), BodySize);
        const QString destination = m_out.filePath(QStringLiteral("norecord.iso"));
        const QString part = DownloadManager::makeTempFilePath(url, destination);
        // A folder where the record goes: nothing can be renamed onto it.
        QVERIFY(QDir().mkpath(partRecordPath(part)));
        m_probe->configure([connections](EngineSettings &settings) { settings.connections = connections; });
        m_probe->engine.startDownload(url, destination);
        QVERIFY(m_probe->waitForEnd());
        QDir(partRecordPath(part)).removeRecursively();
        QCOMPARE(int(m_probe->failure().outcome), int(DownloadOutcome::WriteFailed));
        QVERIFY(m_probe->finished.isEmpty());
        QVERIFY(!QFile::exists(destination));
        QCOMPARE(QFileInfo(part).size(), qint64(0));
    }

    void completePartAnswered416IsFinished()
    {
        const QString url = fileUrl();
        const QString destination = m_out.filePath(QStringLiteral("complete.iso"));
        writeFile(DownloadManager::makeTempFilePath(url, destination), expectedBody(BodySize));
        command(QStringLiteral("416"));
        m_probe->engine.startDownload(url, destination);
        QVERIFY(m_probe->waitForEnd());
        QCOMPARE(m_probe->error(), QString());
        QCOMPARE(m_probe->finished.size(), 1);
        QCOMPARE(readAll(destination), expectedBody(BodySize));
    }

    void errorStatusBodyNeverReachesThePart_data()
    {
        QTest::addColumn<int>("status");
        QTest::newRow("404") << 404;
        QTest::newRow("500") << 500;
    }
    void errorStatusBodyNeverReachesThePart()
    {
        QFETCH(int, status);
        const QString url = fileUrl();
        const QString destination = m_out.filePath(QStringLiteral("error.iso"));
        writeFile(destination, "the old file");
        command(QStringLiteral("status %1").arg(status));
        m_probe->engine.startDownload(url, destination);
        QVERIFY(m_probe->waitForEnd());
        QCOMPARE(m_probe->error(), QStringLiteral("HTTP error: %1").arg(status));
        QVERIFY(m_probe->finished.isEmpty());
        QVERIFY(!readAll(DownloadManager::makeTempFilePath(url, destination)).contains("<html"));
        QCOMPARE(readAll(destination), QByteArray("the old file"));
    }

    // Redirects are followed up to ten hops, and only to the link's own host
    // or one the settings allow: a refused one is never asked for.
    void redirects_data()
    {
        QTest::addColumn<int>("hops"); // of /chain on the last host, before the file
        QTest::addColumn<QStringList>("hosts"); // where /goto sends the download, in turn
        QTest::addColumn<QString>("allowedHost"); // empty: no rule
        QTest::addColumn<int>("connections");
        QTest::addColumn<int>("curlCode"); // CURLE_OK: the file arrives
        const QString own = QStringLiteral("127.0.0.1");
        const QString other = QStringLiteral("localhost");
        const int ok = int(CURLE_OK);
        const int refused = int(CURLE_UNSUPPORTED_PROTOCOL);
        QTest::newRow("10 hops") << 10 << QStringList() << QString() << 1 << ok;
        QTest::newRow("11 hops") << 11 << QStringList() << QString() << 1 << int(CURLE_TOO_MANY_REDIRECTS);
        QTest::newRow("10 hops on the link's own host, outside the rule")
            << 10 << QStringList() << QStringLiteral("example.invalid") << 1 << ok;
        QTest::newRow("to a host outside the rule") << 0 << QStringList{other} << own << 1 << refused;
        QTest::newRow("to a host outside the rule, several connections")
            << 2 << QStringList{other} << own << 8 << refused;
        QTest::newRow("to a host the rule allows") << 2 << QStringList{other} << other << 1 << ok;
        QTest::newRow("to a host the rule allows, several connections") << 0 << QStringList{other} << other << 8 << ok;
        QTest::newRow("on to the link's own host again") << 1 << QStringList{other, own} << other << 1 << ok;
        QTest::newRow("a second hop outside the rule") << 0 << QStringList{own, other} << own << 1 << refused;
        QTest::newRow("a second hop outside the rule, several connections")
            << 0 << QStringList{own, other} << own << 8 << refused;
    }
    void redirects()
    {
        QFETCH(int, hops);
        QFETCH(QStringList, hosts);
        QFETCH(QString, allowedHost);
        QFETCH(int, connections);
        QFETCH(int, curlCode);
        const QString port = QString::number(QUrl(m_faults.origin()).port());
        const auto at = [&port](const QString &host) { return QStringLiteral("http://%1:%2").arg(host, port); };
        const auto via = [&at](const QString &host, const QString &target) {
            return at(host) + QStringLiteral("/goto?to=") + QString::fromLatin1(QUrl::toPercentEncoding(target));
        };
        // From the file back to the link, which is on this server's own name.
        QString url = at(hosts.isEmpty() ? QStringLiteral("127.0.0.1") : hosts.last())
            + QStringLiteral("/chain/%1/redirected.iso?size=%2").arg(hops).arg(BodySize);
        for (int i = int(hosts.size()) - 2; i >= 0; --i)
            url = via(hosts.at(i), url);
        if (!hosts.isEmpty())
            url = via(QStringLiteral("127.0.0.1"), url);
        const QString destination = m_out.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".iso");
        m_probe->configure([allowedHost, connections](EngineSettings &settings) {
            settings.connections = connections;
            if (!allowedHost.isEmpty())
                settings.redirectAllowed = [allowedHost](const QUrl &target) { return target.host() == allowedHost; };
        });
        m_probe->engine.startDownload(url, destination);
        QVERIFY(m_probe->waitForEnd());
        if (curlCode == CURLE_OK) {
            QCOMPARE(m_probe->error(), QString());
            QCOMPARE(readAll(destination), expectedBody(BodySize));
            return;
        }
        QCOMPARE(int(m_probe->failure().outcome), int(DownloadOutcome::TransferFailed));
        QCOMPARE(m_probe->failure().curlCode, curlCode);
        if (curlCode == CURLE_TOO_MANY_REDIRECTS)
            QCOMPARE(m_probe->error(), QStringLiteral("Download error: Number of redirects hit maximum amount"));
        QVERIFY(m_probe->finished.isEmpty());
        QVERIFY(!QFile::exists(destination));
        QVERIFY(!QFile::exists(DownloadManager::makeTempFilePath(url, destination)));
        if (curlCode == CURLE_UNSUPPORTED_PROTOCOL) {
            // Both names are this server's: each hop up to the refused one
            // was asked for, and nothing after it.
            const QVector<FaultServer::Request> requests = m_faults.requests();
            QCOMPARE(requests.size(), int(hosts.size()));
            for (const FaultServer::Request &request : requests)
                QVERIFY2(request.path.startsWith(QLatin1String("/goto?")), qPrintable(request.path));
        }
    }

    // A body of no stated length (no Content-Length, no Content-Range total)
    // ends at the connection's end, but never past the settings' limit: a
    // server that sends on and on does not fill the disk.
    void unstatedLength_data()
    {
        QTest::addColumn<QString>("framing"); // the server's commands, split by ";"
        QTest::addColumn<qint64>("size");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<int>("connections");
        QTest::addColumn<bool>("finished");
        const qint64 endless = qint64(1) << 40;
        const qint64 few = qint64(4) * 1024 * 1024;
        const qint64 standard = EngineSettings().unannouncedLengthLimit;
        QTest::newRow("no length") << "nolength" << BodySize << standard << 1 << true;
        QTest::newRow("chunked") << "chunked" << BodySize << standard << 1 << true;
        QTest::newRow("no length, exactly the limit") << "nolength" << BodySize << BodySize << 1 << true;
        QTest::newRow("no length, a byte past the limit") << "nolength" << BodySize << BodySize - 1 << 1 << false;
        QTest::newRow("no length, endless") << "nolength" << endless << few << 1 << false;
        QTest::newRow("chunked, endless") << "chunked" << endless << few << 1 << false;
        QTest::newRow("range ignored, no length, endless, several connections")
            << "ignorerange;nolength" << endless << few << 8 << false;
    }
    void unstatedLength()
    {
        QFETCH(QString, framing);
        QFETCH(qint64, size);
        QFETCH(qint64, limit);
        QFETCH(int, connections);
        QFETCH(bool, finished);
        const QString url = m_faults.fileUrl(QStringLiteral("unstated.iso"), size);
        const QString destination = m_out.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".iso");
        const QString part = DownloadManager::makeTempFilePath(url, destination);
        m_probe->configure([limit, connections](EngineSettings &settings) {
            settings.unannouncedLengthLimit = limit;
            settings.connections = connections;
        });
        for (const QString &line : framing.split(QLatin1Char(';')))
            command(line);
        QElapsedTimer clock;
        clock.start();
        m_probe->engine.startDownload(url, destination);
        QVERIFY(m_probe->waitForEnd());
        if (finished) {
            QCOMPARE(m_probe->error(), QString());
            QCOMPARE(readAll(destination), expectedBody(size));
            return;
        }
        QVERIFY(clock.elapsed() < 10000);
        QCOMPARE(int(m_probe->failure().outcome), int(DownloadOutcome::TooLong));
        QVERIFY(m_probe->finished.isEmpty());
        QVERIFY(!QFile::exists(destination));
        QVERIFY(QFileInfo(part).size() <= limit);
        QCOMPARE(m_faults.requests().size(), 1);
    }

    void stallIsReportedAndALaterStartResumes()
    {
        const QString url = fileUrl();
        const QString destination = m_out.filePath(QStringLiteral("stall.iso"));
        command(QStringLiteral("stall 200000"));
        m_probe->configure([](EngineSettings &settings) { settings.stallLimitMs = 1500; });
        m_probe->engine.startDownload(url, destination);
        QVERIFY(m_probe->waitForEnd());
        QCOMPARE(m_probe->error(), QStringLiteral("Network disconnected or timeout"));
        QCOMPARE(QFileInfo(DownloadManager::makeTempFilePath(url, destination)).size(), qint64(200000));
        command(QStringLiteral("release"));

        EngineProbe again;
        again.engine.startDownload(url, destination);
        QVERIFY(again.waitForEnd());
        QCOMPARE(again.error(), QString());
        QCOMPARE(readAll(destination), expectedBody(BodySize));
    }

    // The engine's clock steps (a clock set by hand, a machine waking up):
    // forward it is no stall, and back it hides no real one.
    void clockStepsAreNoStalls_data()
    {
        QTest::addColumn<qint64>("step");
        QTest::addColumn<bool>("stalled");
        QTest::newRow("an hour forward") << qint64(3600000) << false;
        QTest::newRow("an hour back, then the network stalls") << qint64(-3600000) << true;
    }
    void clockStepsAreNoStalls()
    {
        QFETCH(qint64, step);
        QFETCH(bool, stalled);
        QElapsedTimer clock;
        clock.start();
        qint64 offset = 0;
        m_probe->configure([&](EngineSettings &settings) {
            settings.stallLimitMs = 2500;
            settings.clockMs = [&] { return clock.elapsed() + offset; };
        });
        const QString destination = m_out.filePath(QStringLiteral("clock.iso"));
        command(QStringLiteral("stall 200000"));
        m_probe->engine.startDownload(fileUrl(), destination);
        QTRY_VERIFY(!m_probe->progress.isEmpty());
        offset += step;
        const int seen = m_probe->progress.size();
        QTRY_VERIFY(m_probe->progress.size() >= seen + 2 || !m_probe->engine.isDownloading());
        if (stalled) {
            QVERIFY(m_probe->waitForEnd(6000));
            QCOMPARE(m_probe->error(), QStringLiteral("Network disconnected or timeout"));
        } else {
            QVERIFY(m_probe->errors.isEmpty() && m_probe->engine.isDownloading());
            m_probe->engine.cancelDownload();
        }
    }

    // A part being read back (slowly here) holds nothing up: a stall is
    // still noticed, and the speed is that of the network.
    void whileThePartIsChecked_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("stalls");
        QTest::newRow("a stall") << QStringLiteral("stall 100000") << true;
        QTest::newRow("a slow network") << QStringLiteral("drip 250000") << false;
    }
    void whileThePartIsChecked()
    {
        QFETCH(QString, fault);
        QFETCH(bool, stalls);
        constexpr qint64 PartBytes = 48 * 1024 * 1024;
        constexpr qint64 DiskSpeed = 8 * 1024 * 1024;
        m_probe->configure([](EngineSettings &settings) {
            settings.stallLimitMs = 500;
            settings.diskBytesPerSecond = DiskSpeed;
        });
        const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'));
        const QString url = m_faults.fileUrl(name + QStringLiteral(".iso"), PartBytes + 2 * 1000 * 1000);
        const QString destination = m_out.filePath(name + QStringLiteral(".iso"));
        const QString part = DownloadManager::makeTempFilePath(url, destination);
        QVERIFY(writeSparse(part, PartBytes));
        QSignalSpy checking(&m_probe->engine, &DownloadManager::checkingPart);
        QSignalSpy speeds(&m_probe->engine, &DownloadManager::speedChanged);
        command(fault);
        QElapsedTimer sinceStart;
        sinceStart.start();
        m_probe->engine.startDownload(url, destination);
        QVERIFY(m_probe->waitForEnd());
        QVERIFY(!checking.isEmpty());
        if (stalls) {
            QCOMPARE(m_probe->error(), QStringLiteral("Network disconnected or timeout"));
            // The reading back alone takes six seconds.
            QVERIFY2(sinceStart.elapsed() < PartBytes * 1000 / DiskSpeed - 1000,
                     qPrintable(QString::number(sinceStart.elapsed())));
        } else {
            QCOMPARE(m_probe->error(), QString());
            QVERIFY(!speeds.isEmpty());
            for (const auto &speed : speeds)
                QVERIFY2(speed.at(0).toDouble() < 3 * 250000, qPrintable(speed.at(0).toString()));
        }
        QFile::remove(part);
        QFile::remove(destination);
    }

    // While the transfer runs, the record says what is on the device: the
    // part is flushed to it every 64 MiB, writing going on meanwhile.
    void recordFollowsWhatIsOnTheDevice()
    {
        constexpr qint64 SyncBytes = 64 * 1024 * 1024;
        const QString url = m_faults.fileUrl(QStringLiteral("big.iso"), SyncBytes + 16 * 1024 * 1024);
        const QString destination = m_out.filePath(QStringLiteral("big.iso"));
        command(QStringLiteral("stall %1").arg(SyncBytes + 8 * 1024 * 1024));
        m_probe->engine.startDownload(url, destination);
        const QString part = DownloadManager::makeTempFilePath(url, destination);
        const int syncs = g_mainThreadSyncs;
        const auto recorded = [&] { return readPartRecord(part).value_or(PartRecord()).length; };
        QTRY_VERIFY_WITH_TIMEOUT(recorded() >= SyncBytes, 20000);
        QVERIFY(recorded() < SyncBytes + 8 * 1024 * 1024 && recorded() <= QFileInfo(part).size());
        QVERIFY(m_probe->engine.isDownloading());
        m_probe->engine.cancelDownload();
        QCOMPARE(g_mainThreadSyncs, syncs);
        command(QStringLiteral("release"));
    }

    void serverThatKeepsTheConnectionOpenIsDoneAtTheLastByte()
    {
        const QString destination = m_out.filePath(QStringLiteral("keepopen.iso"));
        command(QStringLiteral("keepopen"));
        m_probe->engine.startDownload(fileUrl(), destination);
        QVERIFY(m_probe->waitForEnd(10000));
        QCOMPARE(m_probe->error(), QString());
        QCOMPARE(readAll(destination), expectedBody(BodySize));
    }

    // Also on a disk much slower than the network: the cancel does not wait
    // for the piece being written (a quarter of a second here).
    void cancelRemovesThePartAndSaysNothing()
    {
        m_probe->configure([](EngineSettings &settings) { settings.diskBytesPerSecond = 64 * 1024; });
        const QString url = fileUrl();
        const QString destination = m_out.filePath(QStringLiteral("cancel.iso"));
        command(QStringLiteral("drip 400000"));
        m_probe->engine.startDownload(url, destination);
        QTRY_VERIFY(!m_probe->progress.isEmpty());
        QVERIFY(QFile::exists(DownloadManager::makeTempFilePath(url, destination)));
        m_probe->engine.startDownload(url, m_out.filePath(QStringLiteral("other.iso")));
        QElapsedTimer cancelling;
        cancelling.start();
        m_probe->engine.cancelDownload();
        QVERIFY2(cancelling.elapsed() < 50, qPrintable(QString::number(cancelling.elapsed())));
        QVERIFY(!m_probe->engine.isDownloading());
        QTRY_VERIFY(!QFile::exists(DownloadManager::makeTempFilePath(url, destination)));
        QVERIFY(!QFile::exists(DownloadManager::makeTempFilePath(url, m_out.filePath(QStringLiteral("other.iso")))));
        QTest::qWait(300);
        QVERIFY(m_probe->finished.isEmpty() && m_probe->errors.isEmpty());
        m_probe->engine.cancelDownload();
        QVERIFY(m_probe->errors.isEmpty());
    }

    // A large part is being read back for its digest: stopping keeps it,
    // cancelling removes it, and neither waits for the reading.
    void stoppingLeavesTheHashingBehind_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("stop") << false;
        QTest::newRow("cancel") << true;
    }
    void stoppingLeavesTheHashingBehind()
    {
        QFETCH(bool, cancel);
        constexpr qint64 PartBytes = 1536LL * 1024 * 1024;
        const QString url = m_faults.fileUrl(QStringLiteral("huge.iso"), PartBytes + BodySize);
        const QString destination = m_out.filePath(QStringLiteral("huge.iso"));
        const QString part = DownloadManager::makeTempFilePath(url, destination);
        QVERIFY(writeSparse(part, PartBytes));
        command(QStringLiteral("drip 100000"));
        const int syncs = g_mainThreadSyncs;
        m_probe->engine.startDownload(url, destination);
        QTRY_VERIFY(!m_faults.requests().isEmpty());
        QElapsedTimer stopping;
        stopping.start();
        if (cancel)
            m_probe->engine.cancelDownload();
        else
            m_probe->engine.stopDownload();
        const qint64 elapsedMs = stopping.elapsed();
        QVERIFY2(elapsedMs < 100, qPrintable(QString::number(elapsedMs)));
        QVERIFY(!m_probe->engine.isDownloading());
        QCOMPARE(g_mainThreadSyncs, syncs);
        if (cancel)
            QTRY_VERIFY(!QFile::exists(part));
        else
            QTRY_VERIFY(readPartRecord(part).value_or(PartRecord()).length >= PartBytes);
        QVERIFY(m_probe->errors.isEmpty() && m_probe->finished.isEmpty());
        QFile::remove(part);
    }

    // A cancel while the part is still being written out after the transfer
    // ended: nothing is reported, the part goes, and a new start runs.
    void cancelWhileClosingThenStartAgain_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("transfer complete") << QString();
        QTest::newRow("transfer stalled") << QStringLiteral("stall 3000000");
    }
    void cancelWhileClosingThenStartAgain()
    {
        QFETCH(QString, fault);
        m_probe->configure([](EngineSettings &settings) {
            settings.stallLimitMs = 300;
            settings.diskBytesPerSecond = 512 * 1024;
        });
        if (!fault.isEmpty())
            command(fault);
        const QString url = fileUrl();
        const QString destination = m_out.filePath(QStringLiteral("closing.iso"));
        const QString part = DownloadManager::makeTempFilePath(url, destination);
        m_probe->engine.startDownload(url, destination);
        // Two blocks on the disk: the transfer has ended (or stalled) long
        // before, and the rest is still being written.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(part).size() > 2 * 1024 * 1024, 10000);
        QVERIFY(m_probe->engine.isDownloading());
        m_probe->engine.cancelDownload();
        QVERIFY(!m_probe->engine.isDownloading());
        command(QStringLiteral("reset"));
        m_probe->configure([](EngineSettings &settings) {
            settings.stallLimitMs = EngineSettings().stallLimitMs;
            settings.diskBytesPerSecond = 0;
        });
        m_probe->engine.startDownload(url, destination);
        QVERIFY(m_probe->engine.isDownloading());
        QVERIFY(m_probe->waitForEnd());
        QCOMPARE(m_probe->error(), QString());
        QCOMPARE(m_probe->finished.size(), 1);
        QCOMPARE(readAll(destination), expectedBody(BodySize));
        QCOMPARE(m_faults.requests().size(), 1);
        QCOMPARE(m_faults.requests().first().range, QString());
    }

    void failedMoveKeepsDestinationAndPart()
    {
        const QString url = m_nginx.httpOrigin() + QStringLiteral("/Win11_test.iso");
        const QString destination = m_out.filePath(QStringLiteral("occupied.iso"));
        QVERIFY(QDir().mkpath(destination + QStringLiteral("/inside")));
        m_probe->engine.startDownload(url, destination);
        QVERIFY(m_probe->waitForEnd());
        QCOMPARE(int(m_probe->failure().outcome), int(DownloadOutcome::MoveFailed));
        QCOMPARE(m_probe->failure().systemError, quint32(EISDIR));
        QCOMPARE(m_probe->failure().path, destination);
        QVERIFY(m_probe->finished.isEmpty());
        QVERIFY(QFileInfo(destination + QStringLiteral("/inside")).isDir());
        QCOMPARE(readAll(DownloadManager::makeTempFilePath(url, destination)), m_served);
    }

    // A disk that fills up (the writer's stand-in for one): the part keeps
    // what reached it, recorded, and continues once there is room again.
    void fullDiskKeepsThePart_data()
    {
        QTest::addColumn<qint64>("room");
        QTest::addColumn<bool>("slowDisk");
        QTest::newRow("full within a block") << qint64(1000003) << false;
        QTest::newRow("full from the first byte") << qint64(0) << false;
        // The transfer waits for a full queue when the disk fills: the bytes
        // libcurl held for it are the first to meet the error.
        QTest::newRow("full while the transfer waits for the disk") << qint64(1000003) << true;
    }
    void fullDiskKeepsThePart()
    {
        QFETCH(qint64, room);
        QFETCH(bool, slowDisk);
        const QString url = fileUrl();
        const QString destination = m_out.filePath(QStringLiteral("full.iso"));
        const QString part = DownloadManager::makeTempFilePath(url, destination);
        QFile::remove(destination);
        m_probe->configure([room, slowDisk](EngineSettings &settings) {
            settings.deviceRoomBytes = room;
            if (slowDisk) {
                settings.writeQueueBytes = 256 * 1024;
                settings.diskBytesPerSecond = 2 * 1024 * 1024;
            }
        });
        m_probe->engine.startDownload(url, destination);
        QVERIFY(m_probe->waitForEnd());
        QCOMPARE(int(m_probe->failure().outcome), int(DownloadOutcome::WriteFailed));
        QCOMPARE(m_probe->failure().systemError, quint32(ENOSPC));
        QVERIFY(m_probe->finished.isEmpty());
        QVERIFY(!QFile::exists(destination));
        QCOMPARE(readAll(part), expectedBody(room));
        QTRY_COMPARE(readPartRecord(part).value_or(PartRecord()).length, room);

        EngineProbe again;
        again.engine.startDownload(url, destination);
        QVERIFY(again.waitForEnd());
        QCOMPARE(again.error(), QString());
        QCOMPARE(readAll(destination), expectedBody(BodySize));
        QCOMPARE(m_faults.requests().last().hasRange, room > 0);
    }

    // Several connections on one file, against a server that misbehaves on
    // one of them: the file is the server's, byte for byte, never spliced.
    void severalConnections_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("midway"); // once two requests are in
        // Each record takes this long to reach the device (and records
        // follow every mebibyte); a file of twelve pieces for eight connections,
        // and more than one busy while more than a mebibyte is to come.
        QTest::addColumn<int>("recordDelayMs");
        // Once this many requests are in (the faulty ones), more than one
        // connection is busy again (-1: not checked).
        QTest::addColumn<int>("busyAfter");
        const QString changed = QStringLiteral("version 1");
        QTest::newRow("resets on seven connections once each") << QStringLiteral("rst 300000 7") << QString() << 0 << 7;
        QTest::newRow("the probe connection reset once") << QStringLiteral("rst 100000 1") << QString() << 0 << -1;
        QTest::newRow("a slow record flush") << QString() << QString() << 1500 << 1;
        QTest::newRow("no fault") << QString() << QString() << 0 << -1;
        QTest::newRow("one connection dropped") << QStringLiteral("drop 1000000") << QString() << 0 << -1;
        QTest::newRow("one connection stalls") << QStringLiteral("stall 1000000") << QString() << 0 << -1;
        QTest::newRow("two connections allowed (503)") << QStringLiteral("limit 2") << QString() << 0 << -1;
        QTest::newRow("two connections allowed (refused)") << QStringLiteral("limit 2 close") << QString() << 0 << -1;
        QTest::newRow("a wrong range on one connection") << QStringLiteral("badrange 100") << QString() << 0 << -1;
        QTest::newRow("the file changed between ranges") << QString() << changed << 0 << -1;
        QTest::newRow("the file changed, If-Range ignored") << QStringLiteral("ifrange 0") << changed << 0 << -1;
        QTest::newRow("the link expires midway") << QString() << QStringLiteral("status 403") << 0 << -1;
    }
    void severalConnections()
    {
        QFETCH(QString, before);
        QFETCH(QString, midway);
        QFETCH(int, recordDelayMs);
        QFETCH(int, busyAfter);
        const qint64 Size = (recordDelayMs > 0 ? 48 : 24) * 1024 * 1024 + 12345;
        const int version = midway == QLatin1String("version 1") ? 1 : 0;
        const bool expires = midway.startsWith(QLatin1String("status"));
        m_probe->configure([recordDelayMs](EngineSettings &settings) {
            settings.connections = 8;
            settings.stallLimitMs = 1500;
            // Every read waits once for the event loop's next turn, faults
            // or not.
            settings.turnMicroseconds = 0;
            settings.recordFlushDelayMs = recordDelayMs;
            if (recordDelayMs > 0)
                settings.syncEveryBytes = 1024 * 1024;
        });
        // What the server has sent is at least what the engine has, so
        // more than a mebibyte not sent yet is work that remains for sure.
        int fewestBusy = 8;
        bool severalSeen = false;
        QObject::connect(&m_probe->engine, &DownloadManager::connectionsChanged, &m_probe->engine, [&](int busy) {
            severalSeen = severalSeen || busy > 1;
            if (recordDelayMs > 0 && severalSeen && Size - m_faults.stats().sent > 1024 * 1024)
                fewestBusy = qMin(fewestBusy, busy);
        });
        const QString url = m_faults.fileUrl(QStringLiteral("split.iso"), Size);
        const QString destination = m_out.filePath(QStringLiteral("split.iso"));
        QSignalSpy expired(&m_probe->engine, &DownloadManager::linkExpired);
        command(busyAfter >= 0 ? QStringLiteral("cap 2000000") : QStringLiteral("cap 8000000"));
        if (!before.isEmpty())
            command(before);
        m_probe->engine.startDownload(url, destination);
        if (!midway.isEmpty()) {
            QTRY_VERIFY(m_faults.requests().size() >= 2);
            command(midway);
        }
        if (busyAfter >= 0)
            QTRY_VERIFY(m_faults.requests().size() > busyAfter && m_faults.stats().busy > 1);
        QVERIFY(m_probe->waitForEnd(60000));
        QVERIFY2(fewestBusy > 1, qPrintable(QString::number(fewestBusy)));
        QCOMPARE(expired.size(), int(expires));
        if (expires)
            m_probe->engine.startDownload(url, destination);
        QVERIFY(m_probe->waitForEnd(60000));
        QCOMPARE(m_probe->error(), QString());
        QVERIFY(readAll(destination) == FaultServer::body(0, Size, version));
        QCOMPARE(m_probe->engine.digest(), sha256Of(FaultServer::body(0, Size, version)));
        QVERIFY(m_faults.stats().peak > 1);
        QVERIFY(!QFile::exists(DownloadManager::makeTempFilePath(url, destination)));
    }

    // A crash right after any step that changes the device, with the file
    // changed on the server before each next run: the next run ends with
    // exactly the server's file, or fails clearly and the one after it does;
    // never is a file with other bytes finished.
    void crashAtEachDeviceStep_data()
    {
        QTest::addColumn<int>("connections");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("occurrence");
        const struct {
            const char *name;
            DeviceStep step;
            int occurrence;
        } steps[] = {{"the first record", DeviceStep::RecordWritten, 1},
                     {"a later record", DeviceStep::RecordWritten, 2},
                     {"a flush", DeviceStep::PartFlushed, 2},
                     {"the first flush", DeviceStep::PartFlushed, 1},
                     {"a third record", DeviceStep::RecordWritten, 3},
                     {"a late flush", DeviceStep::PartFlushed, 8},
                     {"a start over begins", DeviceStep::StartOverBegins, 1},
                     {"the part emptied", DeviceStep::PartEmptied, 1},
                     {"a record removed", DeviceStep::RecordRemoved, 1},
                     {"the rename", DeviceStep::FileRenamed, 1}};
        for (const int connections : {1, 8}) {
            for (const auto &step : steps) {
                QTest::newRow(qPrintable(QStringLiteral("%1, %2 connections").arg(step.name).arg(connections)))
                    << connections << int(step.step) << step.occurrence;
            }
        }
    }
    void crashAtEachDeviceStep()
    {
#ifdef __SANITIZE_THREAD__
        QSKIP("the crashing runs are not instrumented; the other rows check the engine's threads");
#endif
        QFETCH(int, connections);
        QFETCH(int, step);
        QFETCH(int, occurrence);
        constexpr qint64 Size = 16 * 1024 * 1024 + 4321;
        constexpr int Crashed = 77;
        const QString url = m_faults.fileUrl(QStringLiteral("crash.iso"), Size);
        const QString destination = m_out.filePath(QStringLiteral("crash.iso"));
        const QString part = DownloadManager::makeTempFilePath(url, destination);
        for (const QString &left : {destination, part, partRecordPath(part)})
            QFile::remove(left);
        // About three seconds for the whole file, so that records follow.
        command(connections == 1 ? QStringLiteral("cap 5000000") : QStringLiteral("cap 1500000"));
        int version = 0;
        const auto crashAt = [&](DeviceStep at, int time) {
            QProcess run;
            run.start(QStringLiteral(TRAVONIX_CRASHER_PATH),
                      {url, destination, QString::number(connections), QString::number(int(at)),
                       QString::number(time)});
            const bool ended = run.waitForFinished(60000);
            command(QStringLiteral("version %1").arg(++version));
            return ended && run.exitStatus() == QProcess::NormalExit ? run.exitCode() : -1;
        };
        // A start over needs a part of an older file to start over from,
        // recorded for some of its bytes.
        const auto crashStep = DeviceStep(step);
        if (crashStep == DeviceStep::StartOverBegins || crashStep == DeviceStep::PartEmptied
            || crashStep == DeviceStep::RecordRemoved)
            QCOMPARE(crashAt(DeviceStep::RecordWritten, 3), Crashed);
        QCOMPARE(crashAt(crashStep, occurrence), Crashed);
        command(QStringLiteral("cap 0"));
        const QByteArray served = FaultServer::body(0, Size, version);
        for (int run = 0; run < 2; ++run) {
            EngineProbe next;
            next.configure([connections](EngineSettings &settings) { settings.connections = connections; });
            next.engine.startDownload(url, destination);
            QVERIFY(next.waitForEnd(60000));
            if (!next.finished.isEmpty()) {
                QVERIFY2(readAll(destination) == served, "a file with other bytes was finished");
                return;
            }
            QVERIFY(!next.error().isEmpty());
        }
        QFAIL("two runs after the crash did not finish the file");
    }

private:
    QString fileUrl() const
    {
        return m_faults.fileUrl(QStringLiteral("test.iso"), BodySize);
    }
    void command(const QString &line)
    {
        const QString answer = m_faults.command(line);
        QVERIFY2(answer == QLatin1String("OK ") + line, qPrintable(answer));
    }
    QTemporaryDir m_root;
    QTemporaryDir m_out;
    QByteArray m_served;
    NginxServer m_nginx;
    FaultServer m_faults;
    std::unique_ptr<EngineProbe> m_probe;
};

QTEST_GUILESS_MAIN(TestDownload)
#include "test_download.moc"
