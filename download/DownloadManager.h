// Fetches one ISO into a resumable ".part" file beside its destination,
// over one connection or several, and moves it into place when every byte
// is there and its SHA-256 is one the page publishes.
//
// At every instant, the part and its record on the device describe only
// bytes of one version of the file that are really there: a record claims
// only bytes flushed to the device before it was written; a start over
// first writes a record that holds nothing, and only then lets the part be
// emptied and new bytes in; several connections write out of order only
// once a record says which bytes count; the finished file's rename is
// flushed with its folder before its record goes. A crash at any step
// leaves a part that the next run continues or starts over, never one it
// finishes with other bytes.
#pragma once

#include "ConnectionBudget.h"
#include "CurlMultiDriver.h"
#include "DownloadResult.h"
#include "EngineSettings.h"
#include "PartFileIo.h"
#include "PartFileWriter.h"
#include "PartRecord.h"
#include "RangeTransfer.h"
#include "SegmentPlan.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

class DownloadManager final : public QObject {
    Q_OBJECT
public:
    explicit DownloadManager(QObject *parent = nullptr);
    ~DownloadManager() override;

    void startDownload(const QString &url, const QString &savePath);
    // Stops a running transfer and removes its partial file, silently.
    void cancelDownload();
    // Stops a running transfer and keeps what is on disk, with its record,
    // for a later start to continue; emits nothing.
    void stopDownload();
    double currentSpeed() const { return m_currentSpeed; }
    bool isDownloading() const { return m_phase != Phase::Idle; }
    // How many connections bring bytes right now.
    int busyConnections() const { return int(m_lanes.size()); }

    // The ".part" file that a transfer of `url` to `savePath` uses.
    static QString makeTempFilePath(const QString &url, const QString &savePath);

    // The values published for the next download, in `algorithm`: a file
    // whose digest matches none of them does not take the destination's
    // place. An empty list means there is nothing to check against.
    void setPublishedDigests(DigestAlgorithm algorithm, const QStringList &values)
    {
        m_digestAlgorithm = algorithm;
        m_publishedDigests = values;
    }
    void setPublishedSha256(const QStringList &values) { setPublishedDigests(DigestAlgorithm::Sha256, values); }
    // Whether the next download must be a disc image (ISO 9660 or UDF): one
    // that is not, or not of the length announced, is kept as unverified.
    void setMustBeDiscImage(bool must) { m_mustBeDiscImage = must; }
    // The digest, in the published values' algorithm, of the file last
    // finished or kept as unverified.
    QString digest() const { return m_digest; }
    QString savePath() const { return m_savePath; }

    void setSettings(const EngineSettings &settings) { m_settings = settings; }
    const EngineSettings &settings() const { return m_settings; }

Q_SIGNALS:
    void progress(qint64 bytesReceived, qint64 bytesTotal);
    void finished(QString filePath);
    // The bytes match none of the published values, or are no disc image:
    // they are kept at `keptPath` and the destination is left as it was.
    void unverified(QString keptPath, QString digest, UnverifiedReason reason);
    // The file server no longer takes the link (403 or 410, as for an
    // expired link); the part is kept for a fresh link to continue.
    void linkExpired();
    // The part of an earlier attempt is being read back for its SHA-256.
    void checkingPart(qint64 checkedBytes, qint64 partBytes);
    // How a failed download ended, just before `downloadError`.
    void failed(DownloadResult result);
    void downloadError(QString error);
    void speedChanged(double bytesPerSecond);
    void statusChanged(QString status);
    // The number of connections bringing bytes changed.
    void connectionsChanged(int busy);

private Q_SLOTS:
    void resumeLanes();

private:
    // Idle: no attempt (an earlier one's part may still be closing quietly).
    // Probing: the first request asks from where the part ends, and its
    // answer says how long the file is. Transferring: a plan hands the
    // work out. Closing: every connection is gone and the part is being
    // closed; the attempt ends when it is.
    enum class Phase { Idle, Probing, Transferring, Closing };
    struct Lane {
        std::unique_ptr<RangeTransfer> transfer;
        qint64 activeAtMs = 0; // when it started or last brought bytes
        qint64 lastBytes = 0;
        quint64 serial = 0; // never the same twice
        // Its share of the call into libcurl now running.
        quint64 turn = 0;
        qint64 turnFromNs = 0;
    };
    // What happens once the part is closed on a thread of its own.
    using AfterClose = std::function<void(const PartFileWriter::Closed &)>;

    QStringList allowedSchemes() const;
    qint64 clockMs() const;
    bool openPart();
    void setPlan(std::vector<ByteRange> missing, qint64 pieceBytes);
    void dropPlan();
    bool refuseBeforeStart(const QString &url, const QString &savePath);
    bool takePart();
    void beginLanes();
    bool startLane(int lane);
    bool launch(int lane, const TransferRequest &request);
    TransferRequest requestFor(ByteRange range) const;
    ByteRange probeRange() const;
    int laneTarget() const;
    bool checkAnswer(int lane, RangeTransfer &transfer);
    void planFor(qint64 total);
    void takeWholeFile(int lane, RangeTransfer &transfer);
    bool isOtherFile(const RangeTransfer &transfer) const;
    qint64 limitOf(int lane) const;
    bool stepAside(int lane);
    void onTransferWorked();
    bool endLanes(const std::vector<std::pair<CURL *, CURLcode>> &ended);
    bool isUnderWay() const;
    void endLane(int lane, CURLcode code);
    void judgeEnd(int lane, const TransferEnd &end);
    void judgeError(int lane, const TransferEnd &end);
    void judgeBreak(int lane, const TransferEnd &end);
    void giveUpAfterBreaks(const TransferEnd &end);
    bool retire(int lane);
    void dropLane(int lane);
    void giveUpLane(int lane);
    void dropLanes();
    void advancePlan();
    qint64 receivedBytes() const;
    void maybeComplete();
    void restartFromZero(bool freeOfCharge);
    void forgetHeldBytes(const PartRecord &nothingHeld);
    void recordFirst();
    bool waitsForFirstRecord();
    void stepTaken(DeviceStep step) const;
    bool recordFailed();
    void dropDismissed();
    int connections() const;
    void fail(DownloadResult result);
    void closePart(bool digest, AfterClose then);
    void onClosed();
    void settleClose();
    void completeDownload(const PartFileWriter::Closed &closed);
    void keepUnverified(UnverifiedReason reason);
    bool isDiscImage() const;
    bool moveInto(const QString &path);
    void report(DownloadResult result);
    void keepPart(const QString &part, PartRecord record, const ByteRanges &durable);
    void recordPart();
    void sample();
    bool watchStalls();
    void noteActivity();
    void refillLanes();
    void stopOnStall();
    void emitBusy();
    void endTransfer();

    Phase m_phase = Phase::Idle;
    CurlMultiDriver m_driver;
    std::map<int, Lane> m_lanes;
    // Set while transferring, and only then.
    std::optional<SegmentPlan> m_plan;
    ConnectionBudget m_budget;
    // A broken connection's range waits here for its back-off to end.
    QTimer m_retryTimer;
    int m_busyReported = 0;
    // How often this attempt started over for a wrong answer.
    int m_startOvers = 0;
    // The record that must be on the device before the file's bytes go
    // into the part (0: none is awaited).
    quint64 m_firstRecord = 0;
    // A record of the file being fetched, with its validators, is on the
    // device or on its way there.
    bool m_partRecorded = false;
    qint64 m_total = 0;
    // Bytes of the file held before the transfers now running, and what
    // was received when the speed was last sampled.
    qint64 m_bytesBefore = 0;
    qint64 m_receivedAtSample = 0;
    qint64 m_partLength = 0;
    bool m_totalReported = false;
    // A resume of transfers that stepped aside waits in the event queue.
    bool m_resumePosted = false;
    quint64 m_laneSerial = 0;
    double m_currentSpeed = 0.0;
    QTimer m_speedTimer;
    // Durations come from a clock that only goes forward (or the settings'
    // stand-in), counted from sample to sample.
    QElapsedTimer m_clock;
    qint64 m_lastSampleTime = 0;
    qint64 m_sinceDataMs = 0;
    qint64 m_dataAtMs = 0;
    QString m_url;
    QString m_savePath;
    QString m_tempFilePath;
    // The part, open and locked from the start until the finished file has
    // taken its place or the attempt has ended.
    OwnPart m_part;
    ByteRanges m_held;
    PartRecord m_record;
    PartRecordKeeper m_records;
    PartFileWriter m_writer;
    // The close runs on Qt's thread pool; its result comes back through a
    // lock of the engine's own.
    QFutureWatcher<void> m_closing;
    std::mutex m_closedMutex;
    PartFileWriter::Closed m_closed;
    AfterClose m_afterClose;
    EngineSettings m_settings;
    DigestAlgorithm m_digestAlgorithm = DigestAlgorithm::Sha256;
    QStringList m_publishedDigests;
    bool m_mustBeDiscImage = false;
    QString m_digest;
};
