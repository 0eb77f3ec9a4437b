// The download engine's rules that need no network: part-file names, speed
// texts, how each server answer may touch the part file, and how the file's
// bytes are shared among connections.
#include "download/ConnectionBudget.h"
#include "download/CurlMessages.h"
#include "download/DownloadManager.h"
#include "download/IsoImage.h"
#include "download/PartFile.h"
#include "download/PartFileWriter.h"
#include "download/SegmentPlan.h"
#include "download/SpeedMeter.h"
#include "download/TransferAnswer.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <map>
#include <random>

Q_DECLARE_METATYPE(AnswerKind)

namespace {

// "0-1000,1500-2000" as ranges; "none" as no range.
std::vector<ByteRange> rangesOf(const QString &text)
{
    std::vector<ByteRange> ranges;
    for (const QString &run : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList ends = run.split(QLatin1Char('-'));
        if (ends.size() == 2)
            ranges.push_back(ByteRange{ends[0].toLongLong(), ends[1].toLongLong()});
    }
    return ranges;
}

// A plan driven step by step beside what the connections brought, with
// every step checked against what a plan must never do.
class PlanDriver final {
public:
    PlanDriver(const std::vector<ByteRange> &missing, qint64 piece, qint64 minSplit)
        : m_plan(missing, piece, minSplit)
        , m_missing(missing)
        , m_piece(piece)
        , m_minSplit(minSplit)
    {
    }

    std::optional<ByteRange> take(int lane)
    {
        const std::vector<ByteRange> freeBefore = m_plan.freeRuns();
        const std::map<int, ByteRange> before = running();
        const std::optional<ByteRange> range = m_plan.take(lane);
        const bool held = before.count(lane) > 0;
        if (range) {
            m_check &= rangeOf(lane) == range && range->size() > 0;
            if (!freeBefore.empty() || held) {
                m_check &= range->size() <= m_piece;
            } else {
                // The second half of a running range: its first half stays
                // with its lane, each at least the minimum.
                bool split = false;
                for (const auto &[other, was] : before) {
                    const auto now = rangeOf(other);
                    if (other != lane && now && was.from == now->from && now->to == range->from && was.to == range->to)
                        split = now->size() >= m_minSplit && range->size() >= m_minSplit;
                }
                m_check &= split;
            }
        } else {
            // Nothing free, and no range that could be halved.
            m_check &= freeBefore.empty() && !rangeOf(lane);
            for (const auto &entry : before)
                m_check &= entry.first == lane || entry.second.size() / 2 < m_minSplit;
        }
        verify();
        return range;
    }
    void advance(int lane, qint64 to)
    {
        const std::optional<ByteRange> was = rangeOf(lane);
        m_plan.advance(lane, to);
        const std::optional<ByteRange> now = rangeOf(lane);
        if (was) {
            m_check &= now && now->from == std::clamp(to, was->from, was->to) && now->to == was->to;
            m_brought.add(ByteRange{was->from, now ? now->from : was->from});
        }
        verify();
    }
    void giveBack(int lane)
    {
        ByteRanges expected(m_plan.freeRuns());
        if (const auto rest = rangeOf(lane))
            expected.add(*rest);
        m_plan.giveBack(lane);
        // Exactly the rest not brought is free again.
        m_check &= !rangeOf(lane) && ByteRanges(m_plan.freeRuns()) == expected;
        verify();
    }
    void complete(int lane)
    {
        if (const auto range = rangeOf(lane))
            advance(lane, range->to);
        giveBack(lane);
    }
    // Every connection brings its range whole, and takes the next, until
    // nothing is left.
    void drain(int lanes)
    {
        for (int round = 0; !m_plan.isDone() && round < 1000000; ++round) {
            const int lane = round % lanes;
            if (!rangeOf(lane))
                take(lane);
            else
                complete(lane);
        }
        m_check &= m_plan.isDone();
    }
    std::optional<ByteRange> rangeOf(int lane) const { return m_plan.rangeOf(lane); }
    // Every step so far kept to the rules.
    bool held() const { return m_check; }

private:
    std::map<int, ByteRange> running() const
    {
        std::map<int, ByteRange> ranges;
        for (int lane = 0; lane < Lanes; ++lane) {
            if (const auto range = rangeOf(lane))
                ranges[lane] = *range;
        }
        return ranges;
    }
    // Free runs, running ranges and the bytes brought cover what was
    // missing exactly, none of them on another; the plan is done only when
    // every byte is brought.
    void verify()
    {
        const ByteRanges missing(m_missing);
        ByteRanges all = m_brought;
        qint64 sum = m_brought.bytes();
        qint64 last = -1;
        for (const ByteRange &run : m_plan.freeRuns()) {
            m_check &= run.size() > 0 && run.from > last;
            last = run.to;
            all.add(run);
            sum += run.size();
        }
        for (const auto &entry : running()) {
            all.add(entry.second);
            sum += entry.second.size();
        }
        m_check &= all == missing && sum == missing.bytes();
        m_check &= m_plan.hasFree() == !m_plan.freeRuns().empty();
        m_check &= m_plan.isDone() == (m_plan.freeRuns().empty() && running().empty());
        if (m_plan.isDone())
            m_check &= m_brought == missing;
    }

    static constexpr int Lanes = 8;
    SegmentPlan m_plan;
    std::vector<ByteRange> m_missing;
    ByteRanges m_brought;
    qint64 m_piece;
    qint64 m_minSplit;
    bool m_check = true;
};

} // namespace

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
        // 0: no record; -1: a record of no bytes; -2: one of a part written in order
        QTest::addColumn<qint64>("recorded");
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
        // One connection wrote it from byte zero: all of it counts, if the
        // server's file is still the one the record names.
        row("written in order", 1500, -2, 1500, 1500, true);
        row("written in order, no part", -1, -2, 0, 0, true);
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
        PartRecord record{2000, etag, lastModified, qMax<qint64>(recorded, 0), {}};
        record.inOrder = recorded == -2;
        if (recorded != 0)
            QVERIFY(writePartRecord(part, record));
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
        QCOMPARE(closed.digest,
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

    // The connection budget of a file allowed eight, after a run of events:
    // R<n> refused beside n busy, P a piece done, B0/B1 broke without or
    // after bytes, D bytes arrived, L one connection only.
    void connectionBudget_data()
    {
        QTest::addColumn<QString>("events");
        QTest::addColumn<int>("allowed");
        QTest::addColumn<bool>("givesUp");
        QTest::addColumn<qint64>("backoffMs"); // after the last break
        QTest::newRow("a refusal: those served") << "R3" << 3 << false << qint64(0);
        QTest::newRow("a refusal beside none: one") << "R0" << 1 << false << qint64(0);
        QTest::newRow("breaks leave the budget") << "B1 B1 B1 B1 B1 B1" << 8 << false << qint64(200);
        QTest::newRow("back after two quiet pieces") << "R2 P P" << 3 << false << qint64(0);
        QTest::newRow("one at a time") << "R2 P P P" << 3 << false << qint64(0);
        QTest::newRow("a second refusal doubles the wait") << "R2 P P R2 P P P" << 2 << false << qint64(0);
        QTest::newRow("never past the ceiling") << "R7 P P P P P P P P P P" << 8 << false << qint64(0);
        QTest::newRow("breaks without a byte back off") << "B0 B0 B0" << 8 << false << qint64(800);
        QTest::newRow("five without a byte give up") << "B0 B0 B0 B0 B0" << 8 << true << qint64(3200);
        QTest::newRow("bytes forgive the breaks") << "B0 B0 B0 B0 D B0" << 8 << false << qint64(200);
        QTest::newRow("a break after bytes starts anew") << "B0 B0 B0 B0 B1" << 8 << false << qint64(200);
        QTest::newRow("one connection stays one") << "L P P P P" << 1 << false << qint64(0);
    }
    void connectionBudget()
    {
        QFETCH(QString, events);
        QFETCH(int, allowed);
        QFETCH(bool, givesUp);
        QFETCH(qint64, backoffMs);
        ConnectionBudget budget(8);
        qint64 now = 1000;
        qint64 lastBreak = 0;
        for (const QString &event : events.split(QLatin1Char(' '))) {
            now += 10;
            const QChar kind = event.at(0);
            if (kind == QLatin1Char('R'))
                budget.refused(event.mid(1).toInt());
            else if (kind == QLatin1Char('P'))
                budget.pieceDone();
            else if (kind == QLatin1Char('B'))
                budget.broke(lastBreak = now, event.mid(1) == QLatin1String("1"));
            else if (kind == QLatin1Char('D'))
                budget.brought();
            else if (kind == QLatin1Char('L'))
                budget.limitToOne();
            QVERIFY(budget.allowed() >= 1 && budget.allowed() <= budget.ceiling());
        }
        QCOMPARE(budget.allowed(), allowed);
        QCOMPARE(budget.givesUp(), givesUp);
        QCOMPARE(lastBreak == 0 ? qint64(0) : budget.retryAtMs() - lastBreak, backoffMs);
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

    // What 32 KiB in and on must hold for a file to pass for a disc image.
    void volumeDescriptors_data()
    {
        QTest::addColumn<QByteArray>("descriptors");
        QTest::addColumn<bool>("image");
        QTest::addColumn<qint64>("volumeBytes"); // 0: no length stated
        const auto sectors = [](std::initializer_list<QByteArray> heads) {
            QByteArray bytes;
            for (const QByteArray &head : heads)
                bytes += head + QByteArray(2048 - head.size(), '\0');
            return bytes;
        };
        const QByteArray primary = QByteArrayLiteral("\x01"
                                                     "CD001\x01");
        QTest::newRow("ISO 9660 with a UDF bridge, as Windows ISOs")
            << sectors({primary,
                        "\xff"
                        "CD001\x01",
                        QByteArray("\0BEA01\x01", 7), QByteArray("\0NSR02\x01", 7)})
            << true << qint64(0);
        QTest::newRow("ISO 9660 alone, cut after its descriptor") << primary << true << qint64(0);
        QTest::newRow("UDF alone (NSR03)")
            << sectors({QByteArray("\0BEA01\x01", 7), QByteArray("\0NSR03\x01", 7), QByteArray("\0TEA01\x01", 7)})
            << true << qint64(0);
        QTest::newRow("a web page") << QByteArray("<!DOCTYPE html><html><body>CD001 BEA01 NSR02</body></html>") << false
                                    << qint64(0);
        QTest::newRow("nothing: the file ends before 32 KiB") << QByteArray() << false << qint64(0);
        QTest::newRow("zeros") << QByteArray(16 * 2048, '\0') << false << qint64(0);
        QTest::newRow("another ISO 9660 descriptor first") << sectors({"\x02"
                                                                       "CD001\x01"})
                                                           << true << qint64(0);
        QTest::newRow("CD001 a byte late") << QByteArray("\0\x01"
                                                         "CD001\x01")
                                           << false << qint64(0);
        QTest::newRow("NSR02 without BEA01") << sectors({QByteArray("\0NSR02\x01", 7)}) << false << qint64(0);
        QTest::newRow("BEA01 with no NSR after it")
            << sectors({QByteArray("\0NSR02\x01", 7), QByteArray("\0BEA01\x01", 7)}) << false << qint64(0);
        QTest::newRow("an identifier one byte off")
            << sectors({QByteArray("\0\0BEA01", 7), QByteArray("\0\0NSR02", 7)}) << false << qint64(0);
        const auto primaryStating = [&sectors](const QByteArray &blocks, const QByteArray &blockSize) {
            QByteArray head = QByteArrayLiteral("\x01"
                                                "CD001\x01");
            head += QByteArray(80 - head.size(), '\0') + blocks;
            head += QByteArray(128 - head.size(), '\0') + blockSize;
            return sectors({head});
        };
        QTest::newRow("a volume of 0x10203 blocks of 2048 bytes")
            << primaryStating(QByteArray("\x03\x02\x01\0\0\x01\x02\x03", 8), QByteArray("\0\x08\x08\0", 4)) << true
            << qint64(0x10203) * 2048;
        QTest::newRow("a volume size whose byte orders disagree")
            << primaryStating(QByteArray("\x03\x02\x01\0\0\x01\x02\x04", 8), QByteArray("\0\x08\x08\0", 4)) << true
            << qint64(0);
        QTest::newRow("a block size of no power of two, as text in its place")
            << primaryStating(QByteArray(8, ' '), QByteArray(4, ' ')) << true << qint64(0);
        QTest::newRow("a block size whose byte orders disagree")
            << primaryStating(QByteArray("\x03\x02\x01\0\0\x01\x02\x03", 8), QByteArray("\0\x08\x00\x08", 4)) << true
            << qint64(0);
    }
    void volumeDescriptors()
    {
        QFETCH(QByteArray, descriptors);
        QFETCH(bool, image);
        QFETCH(qint64, volumeBytes);
        QCOMPARE(IsoImage::hasVolumeDescriptors(descriptors), image);
        QCOMPARE(IsoImage::statedVolumeBytes(descriptors), volumeBytes);
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

    // Steps, separated by ";": "take L" (with "=FROM-TO" or "=none", what it
    // must hand out), "advance L TO", "giveback L", "complete L" (brought
    // whole, then given back), "drain" (every lane brings its ranges until
    // nothing is left), "random SEED COUNT" (that many steps of each kind at
    // random). After every step: no byte held by two lanes, none lost, a
    // split only into halves of the minimum, and done only when every byte
    // is brought.
    void segmentPlan_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<qint64>("piece");
        QTest::addColumn<qint64>("minSplit");
        QTest::addColumn<QString>("steps");
        const auto row = [](const char *name, const char *missing, qint64 piece, qint64 minSplit, const char *steps) {
            QTest::newRow(name) << QString::fromLatin1(missing) << piece << minSplit << QString::fromLatin1(steps);
        };
        const qint64 huge = std::numeric_limits<qint64>::max();
        row("nothing missing", "", 300, 50, "take 0 =none; drain");
        row("one lane, piece by piece", "0-1000", 300, 50,
            "take 0 =0-300; complete 0; take 0 =300-600; complete 0; take 0 =600-900; complete 0; "
            "take 0 =900-1000; complete 0; take 0 =none");
        row("pieces in file order, then a split", "0-1000", 300, 50,
            "take 0 =0-300; take 1 =300-600; take 2 =600-900; take 3 =900-1000; take 4 =150-300; drain");
        row("halves of the largest running range", "0-1000", huge, 100,
            "take 0 =0-1000; advance 0 200; take 1 =600-1000; take 2 =400-600; take 3 =800-1000; drain");
        row("no split below twice the minimum", "0-1000", huge, 300,
            "take 0 =0-1000; advance 0 401; take 1 =none; drain");
        row("a split at exactly twice the minimum", "0-600", huge, 300, "take 0 =0-600; take 1 =300-600; drain");
        row("a minimum too large to double", "0-1000", huge, huge, "take 0 =0-1000; take 1 =none; drain");
        row("a partly brought range given back", "0-1000", 300, 50,
            "take 0 =0-300; advance 0 120; giveback 0; take 1 =120-420; drain");
        row("a split range given back", "0-1000", huge, 100,
            "take 0 =0-1000; take 1 =500-1000; advance 1 700; giveback 1; giveback 0; take 2 =0-500; "
            "take 3 =700-1000; drain");
        row("advanced past its end, and back", "0-1000", 300, 50,
            "take 0 =0-300; advance 0 100; advance 0 50; advance 0 5000; complete 0; take 1 =300-600; drain");
        row("a lane that takes again while it holds a range", "0-1000", 300, 50,
            "take 0 =0-300; advance 0 100; take 0 =100-400; take 1 =400-700; drain");
        row("gaps in what is missing", "100-200,500-900", 300, 50,
            "take 0 =100-200; take 1 =500-800; take 2 =800-900; take 3 =650-800; drain");
        row("missing runs out of order and overlapping", "500-900,100-200,150-600", 300, 50,
            "take 0 =100-400; take 1 =400-700; take 2 =700-900; drain");
        row("a few thousand random steps over 8 lanes", "0-40000,40100-100000,100001-250000", 4096, 64,
            "random 20261209 4000; drain");
    }
    void segmentPlan()
    {
        QFETCH(QString, missing);
        QFETCH(qint64, piece);
        QFETCH(qint64, minSplit);
        QFETCH(QString, steps);
        PlanDriver plan(rangesOf(missing), piece, minSplit);
        for (const QString &step : steps.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QStringList words = step.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            const QString verb = words.value(0);
            const int lane = words.value(1).toInt();
            if (verb == QLatin1String("take")) {
                const std::optional<ByteRange> range = plan.take(lane);
                const QString expected = words.value(2).mid(1);
                const std::vector<ByteRange> wanted = rangesOf(expected);
                QVERIFY2(expected.isEmpty() || (wanted.empty() ? !range : range && *range == wanted.front()),
                         qPrintable(step));
            } else if (verb == QLatin1String("advance")) {
                plan.advance(lane, words.value(2).toLongLong());
            } else if (verb == QLatin1String("giveback")) {
                plan.giveBack(lane);
            } else if (verb == QLatin1String("complete")) {
                plan.complete(lane);
            } else if (verb == QLatin1String("drain")) {
                plan.drain(8);
            } else {
                QCOMPARE(verb, QStringLiteral("random"));
                std::mt19937 random(words.value(1).toUInt());
                for (int i = 0; i < words.value(2).toInt(); ++i) {
                    const int chosen = int(random() % 8);
                    const std::optional<ByteRange> range = plan.rangeOf(chosen);
                    const unsigned kind = random() % 8;
                    if (!range || kind == 0)
                        plan.take(chosen);
                    else if (kind < 5)
                        plan.advance(chosen, range->from + qint64(random() % quint64(range->size() + 2)));
                    else if (kind < 7)
                        plan.complete(chosen);
                    else
                        plan.giveBack(chosen);
                }
            }
            QVERIFY2(plan.held(), qPrintable(step));
        }
    }
};

QTEST_GUILESS_MAIN(TestTransferRules)
#include "test_transferrules.moc"
