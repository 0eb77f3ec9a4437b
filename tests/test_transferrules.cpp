// The download engine's rules that need no network: part-file names, speed
// texts, and how each server answer may touch the part file.
#include "download/CurlMessages.h"
#include "download/DownloadManager.h"
#include "download/PartFile.h"
#include "download/PartFileWriter.h"
#include "download/SpeedMeter.h"
#include "download/TransferAnswer.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(AnswerKind)

class TestTransferRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void partFileName()
    {
        const QString first =
            DownloadManager::makeTempFilePath(QStringLiteral("https://h/a.iso"), QStringLiteral("/tmp/d/Win11.iso"));
        QVERIFY(first.startsWith(QLatin1String("/tmp/d/Win11_")));
        QVERIFY(first.endsWith(QLatin1String(".part")));
        QCOMPARE(first.size(), QStringLiteral("/tmp/d/Win11_12345678.part").size());
        // MD5 of the URL's UTF-8 bytes, first eight hex digits.
        QCOMPARE(DownloadManager::makeTempFilePath(QStringLiteral("abc"), QStringLiteral("/x/y.iso")),
                 QStringLiteral("/x/y_90015098.part"));
        QCOMPARE(DownloadManager::makeTempFilePath(QStringLiteral("https://h/a.iso"),
                                                   QStringLiteral("/tmp/d/Win11.iso")),
                 first);
        QVERIFY(DownloadManager::makeTempFilePath(QStringLiteral("https://h/b.iso"), QStringLiteral("/tmp/d/Win11.iso"))
                != first);
        QVERIFY(DownloadManager::makeTempFilePath(QStringLiteral("https://h/a.iso"), QStringLiteral("/tmp/d/Win11.img"))
                == first);
        QCOMPARE(DownloadManager::makeTempFilePath(QStringLiteral("abc"), QStringLiteral("/x/archive.tar.gz")),
                 QStringLiteral("/x/archive.tar_90015098.part"));
    }

    // What a part on disk, with or without its record, lets a transfer
    // continue from, and what is left of it. A record whose validators no
    // server sends cannot tell the part is still the server's file: the
    // part counts for nothing.
    void resumablePart_data()
    {
        QTest::addColumn<qint64>("partSize"); // -1: no part
        QTest::addColumn<qint64>("recorded"); // 0: no record; -1: a record of no bytes
        QTest::addColumn<QString>("etag");
        QTest::addColumn<QString>("lastModified");
        QTest::addColumn<qint64>("resumable");
        QTest::addColumn<qint64>("sizeAfter"); // -1: gone
        QTest::addColumn<bool>("recordStays");
        QTest::addColumn<QString>("ifRange");
        const QString etag = QStringLiteral("\"e\"");
        const auto row = [&etag](const char *name, qint64 partSize, qint64 recorded, qint64 resumable, qint64 after,
                                 bool recordStays) {
            QTest::newRow(name) << partSize << recorded << etag << QString() << resumable << after << recordStays
                                << (recordStays ? etag : QString());
        };
        // The part is opened before anything is read: one that was not there
        // is there, empty.
        row("no part", -1, 0, 0, 0, false);
        row("a part without a record", 5000, 0, 5000, 5000, false);
        row("a part as long as its record", 1000, 1000, 1000, 1000, true);
        row("a torn tail is cut off", 1200, 1000, 1000, 1000, true);
        row("shorter than its record", 800, 1000, 0, 0, false);
        row("a record without a part", -1, 1000, 0, 0, false);
        // Several connections wrote it out of order, none of it on the device yet.
        row("a record that holds nothing yet", 1500, -1, 0, 0, true);
        const auto untrusted = [](const char *name, const QString &etag, const QString &lastModified) {
            QTest::newRow(name) << qint64(1000) << qint64(1000) << etag << lastModified << qint64(0) << qint64(0)
                                << true << QString();
        };
        untrusted("an ETag that ends the header line", QStringLiteral("\"e\"\r\nX-Injected: 1"), QString());
        untrusted("an ETag of 201 characters", QStringLiteral("\"%1\"").arg(QString(199, QLatin1Char('a'))), QString());
        untrusted("a Last-Modified outside ASCII", QString(), QStringLiteral("Mon, 01 J\u00e4n 2024 00:00:00 GMT"));
        untrusted("a Last-Modified with a tab", QString(), QStringLiteral("Mon,\t01 Jan 2024 00:00:00 GMT"));
        QTest::newRow("an ETag of 200 characters")
            << qint64(1000) << qint64(1000) << QStringLiteral("\"%1\"").arg(QString(198, QLatin1Char('a'))) << QString()
            << qint64(1000) << qint64(1000) << true << QStringLiteral("\"%1\"").arg(QString(198, QLatin1Char('a')));
    }
    void resumablePart()
    {
        QFETCH(qint64, partSize);
        QFETCH(qint64, recorded);
        QFETCH(QString, etag);
        QFETCH(QString, lastModified);
        QFETCH(qint64, resumable);
        QFETCH(qint64, sizeAfter);
        QFETCH(bool, recordStays);
        QFETCH(QString, ifRange);
        QTemporaryDir dir;
        const QString part =
            partfile::pathFor(QStringLiteral("https://h/a.iso?t=1"), dir.filePath(QStringLiteral("a.iso")));
        QFile file(part);
        if (partSize >= 0)
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(partSize));
        file.close();
        if (recorded != 0)
            QVERIFY(writePartRecord(part, PartRecord{2000, etag, lastModified, qMax<qint64>(recorded, 0), {}}));
        OwnPart own = partfile::openOwn(part);
        QVERIFY(own.isOpen());
        const partfile::Resumable found = partfile::resumable(own, part);
        QCOMPARE(found.held.bytes(), resumable);
        QCOMPARE(QFileInfo::exists(part) ? QFileInfo(part).size() : -1, sizeAfter);
        QCOMPARE(QFile::exists(partRecordPath(part)), recordStays);
        QCOMPARE(found.record.ifRange(), ifRange);
    }

    // Starting over while the disk is still busy with a block of the old
    // file returns at once, and nothing of the old file stays: not its
    // bytes, not its length, not in the digest.
    void startOverWaitsForNoWrite_data()
    {
        QTest::addColumn<bool>("hashing");
        QTest::addColumn<int>("startOvers");
        QTest::newRow("hashing") << true << 1;
        QTest::newRow("not hashing") << false << 1;
        QTest::newRow("twice in a row") << true << 2;
    }
    void startOverWaitsForNoWrite()
    {
        QFETCH(bool, hashing);
        QFETCH(int, startOvers);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.iso.part"));
        PartFileWriter writer([] {});
        writer.setLimits(8 * 1024 * 1024, 2 * 1024 * 1024); // three old mebibytes take 1.5 s
        OwnPart part = partfile::openOwn(path);
        QVERIFY(writer.open(part, ByteRanges(), hashing));
        const QByteArray oldBytes(3 * 1024 * 1024, 'o');
        PartFileWriter::Stream old;
        QVERIFY(writer.enqueue(old, oldBytes.constData(), size_t(oldBytes.size())));
        QTRY_COMPARE(QFileInfo(path).size(), qint64(oldBytes.size()));
        QElapsedTimer startingOver;
        startingOver.start();
        for (int time = 0; time < startOvers; ++time)
            writer.startOver();
        // Waiting for the old block takes over a second.
        QVERIFY2(startingOver.elapsed() < 500, qPrintable(QString::number(startingOver.elapsed())));
        const QByteArray newBytes(1000, 'n');
        PartFileWriter::Stream fresh;
        QVERIFY(writer.enqueue(fresh, newBytes.constData(), size_t(newBytes.size())));
        writer.handOver(fresh);
        const PartFileWriter::Closed closed = writer.close(true);
        QVERIFY(closed.written);
        QCOMPARE(closed.sha256,
                 hashing ? QString::fromLatin1(
                     QCryptographicHash::hash(newBytes, QCryptographicHash::Sha256).toHex().toUpper())
                         : QString());
        QCOMPARE(writer.durable().bytes(), qint64(newBytes.size()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll() == newBytes);
    }

    void speedTexts_data()
    {
        QTest::addColumn<double>("speed");
        QTest::addColumn<QString>("text");
        QTest::newRow("bytes") << 512.0 << "512.00 B/s";
        QTest::newRow("zero") << 0.0 << "0.00 B/s";
        QTest::newRow("just below a KB") << 1023.999 << "1024.00 B/s";
        QTest::newRow("one KB") << 1024.0 << "1.00 KB/s";
        QTest::newRow("just below a MB") << 1048575.99 << "1024.00 KB/s";
        QTest::newRow("one MB") << 1048576.0 << "1.00 MB/s";
        QTest::newRow("fast") << 530.0 * 1048576.0 << "530.00 MB/s";
    }
    void speedTexts()
    {
        QFETCH(double, speed);
        QFETCH(QString, text);
        QCOMPARE(speedText(speed), text);
    }

    void stallWatchdog_data()
    {
        QTest::addColumn<qint64>("sinceData");
        QTest::addColumn<qint64>("newBytes");
        QTest::addColumn<bool>("stalled");
        QTest::newRow("quiet for exactly the limit") << qint64(15000) << qint64(0) << false;
        QTest::newRow("quiet past the limit") << qint64(15001) << qint64(0) << true;
        QTest::newRow("burst after a long gap") << qint64(40000) << qint64(1) << false;
        QTest::newRow("quiet but young") << qint64(1000) << qint64(0) << false;
    }
    void stallWatchdog()
    {
        QFETCH(qint64, sinceData);
        QFETCH(qint64, newBytes);
        QFETCH(bool, stalled);
        QCOMPARE(stallDetected(sinceData, newBytes, 15000), stalled);
    }

    // Time between two once-a-second samples, as the watchdog counts it.
    void countedGaps_data()
    {
        QTest::addColumn<qint64>("previous");
        QTest::addColumn<qint64>("now");
        QTest::addColumn<qint64>("counted");
        QTest::newRow("on time") << qint64(5000) << qint64(6000) << qint64(1000);
        QTest::newRow("a late sample") << qint64(5000) << qint64(6900) << qint64(1900);
        QTest::newRow("clock stepped forward an hour") << qint64(5000) << qint64(3605000) << qint64(2000);
        QTest::newRow("clock stepped back") << qint64(3605000) << qint64(5000) << qint64(0);
    }
    void countedGaps()
    {
        QFETCH(qint64, previous);
        QFETCH(qint64, now);
        QFETCH(qint64, counted);
        QCOMPARE(countedGap(previous, now, 1000), counted);
    }

    void errorMessages_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("6") << int(CURLE_COULDNT_RESOLVE_HOST) << "Cannot resolve host. Check your internet connection.";
        QTest::newRow("7") << int(CURLE_COULDNT_CONNECT) << "Cannot connect to server. Network may be disconnected.";
        QTest::newRow("28") << int(CURLE_OPERATION_TIMEDOUT)
                            << "Connection timed out. Network may be slow or disconnected.";
        QTest::newRow("52") << int(CURLE_GOT_NOTHING) << "Server closed connection. Network may be disconnected.";
        QTest::newRow("55") << int(CURLE_SEND_ERROR) << "Failed to send request. Network may be disconnected.";
        QTest::newRow("56") << int(CURLE_RECV_ERROR) << "Failed to receive data. Network may be disconnected.";
        QTest::newRow("other") << int(CURLE_TOO_MANY_REDIRECTS)
                               << "Download error: Number of redirects hit maximum amount";
    }
    void errorMessages()
    {
        QFETCH(int, code);
        QFETCH(QString, message);
        QCOMPARE(curlErrorMessage(CURLcode(code)), message);
    }

    void contentRange_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint64>("start");
        QTest::addColumn<qint64>("total");
        QTest::newRow("range") << QByteArray("bytes 100-199/1000") << true << qint64(100) << qint64(1000);
        QTest::newRow("unknown total") << QByteArray("bytes 0-9/*") << true << qint64(0) << qint64(-1);
        QTest::newRow("unsatisfied") << QByteArray("bytes */1048576") << true << qint64(-1) << qint64(1048576);
        QTest::newRow("upper case") << QByteArray("Bytes 5-6/7") << true << qint64(5) << qint64(7);
        QTest::newRow("end before start") << QByteArray("bytes 9-1/10") << false << qint64(0) << qint64(0);
        QTest::newRow("other unit") << QByteArray("items 0-1/2") << false << qint64(0) << qint64(0);
        QTest::newRow("end past the total") << QByteArray("bytes 0-10/10") << false << qint64(0) << qint64(0);
        QTest::newRow("garbage") << QByteArray("bytes=0-") << false << qint64(0) << qint64(0);
        QTest::newRow("absurd length") << QByteArray("bytes 0-1/99999999999999999999999") << false << qint64(0)
                                       << qint64(0);
    }
    void contentRange()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, valid);
        QFETCH(qint64, start);
        QFETCH(qint64, total);
        const auto range = parseContentRange(value);
        QCOMPARE(range.has_value(), valid);
        if (valid) {
            QCOMPARE(range->start, start);
            QCOMPARE(range->total, total);
        }
    }

    // Only exactly the bytes asked for are written where they belong.
    void answerKind_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("contentRange"); // empty: none
        QTest::addColumn<qint64>("from");
        QTest::addColumn<qint64>("to"); // -1: to the end; -2: no Range header
        QTest::addColumn<AnswerKind>("kind");
        const auto row = [](const char *name, int status, const char *range, qint64 from, qint64 to, AnswerKind kind) {
            QTest::newRow(name) << status << QByteArray(range) << from << to << kind;
        };
        row("plain request, 200", 200, "", 0, -2, AnswerKind::Range);
        row("the rest, honoured", 206, "bytes 500-999/1000", 500, -1, AnswerKind::Range);
        row("a piece, honoured", 206, "bytes 500-599/1000", 500, 600, AnswerKind::Range);
        row("a piece past the end, cut", 206, "bytes 500-999/1000", 500, 4000, AnswerKind::Range);
        row("a piece, total unknown", 206, "bytes 0-99/*", 0, 100, AnswerKind::WrongRange);
        row("the rest, total unknown", 206, "bytes 0-99/*", 0, -1, AnswerKind::WrongRange);
        row("a piece, answered longer", 206, "bytes 500-999/1000", 500, 600, AnswerKind::WrongRange);
        row("a piece, answered shorter", 206, "bytes 500-549/1000", 500, 600, AnswerKind::WrongRange);
        row("range ignored", 200, "", 500, -1, AnswerKind::WholeFile);
        row("a first piece answered whole", 200, "", 0, 100, AnswerKind::WholeFile);
        row("all from zero answered whole", 200, "", 0, -1, AnswerKind::Range);
        row("wrong range start", 206, "bytes 0-999/1000", 500, -1, AnswerKind::WrongRange);
        row("range past the part", 206, "bytes 600-999/1000", 500, -1, AnswerKind::WrongRange);
        row("206 without range", 206, "", 500, -1, AnswerKind::WrongRange);
        row("unasked partial answer", 206, "bytes 10-19/20", 0, -2, AnswerKind::WrongRange);
        row("416", 416, "bytes */1000", 1000, -1, AnswerKind::Unsatisfiable);
        row("416 unasked", 416, "bytes */1000", 0, -2, AnswerKind::Error);
        row("404", 404, "", 0, -2, AnswerKind::Error);
        row("500 to a range", 500, "", 500, -1, AnswerKind::Error);
    }
    void answerKind()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, contentRange);
        QFETCH(qint64, from);
        QFETCH(qint64, to);
        QFETCH(AnswerKind, kind);
        const auto range = contentRange.isEmpty() ? std::nullopt : parseContentRange(contentRange);
        QCOMPARE(judgeAnswer(status, range, from, to == -2 ? -1 : to, to != -2), kind);
    }
};

QTEST_GUILESS_MAIN(TestTransferRules)
#include "test_transferrules.moc"
