// Fetches one ISO into a resumable ".part" file beside its destination and
// moves it into place when every byte is there.
#pragma once

#include "CurlMultiDriver.h"
#include "EngineSettings.h"
#include "PartFileWriter.h"
#include "PartRecord.h"
#include "TransferAnswer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <memory>

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
    bool isDownloading() const { return m_isDownloading; }

    // The ".part" file that a transfer of `url` to `savePath` uses.
    static QString makeTempFilePath(const QString &url, const QString &savePath);

    // The SHA-256 values the page publishes for the next download: a file
    // that matches none of them does not take the destination's place. An
    // empty list means there is nothing to check against.
    void setPublishedSha256(const QStringList &values) { m_publishedSha256 = values; }
    // The SHA-256 of the file last finished or kept as unverified.
    QString sha256() const { return m_sha256; }
    QString savePath() const { return m_savePath; }

    void setSettings(const EngineSettings &settings) { m_settings = settings; }
    const EngineSettings &settings() const { return m_settings; }

Q_SIGNALS:
    void progress(qint64 bytesReceived, qint64 bytesTotal);
    void finished(QString filePath);
    // The bytes match none of the published values: they are kept at
    // `keptPath` and the destination is left as it was.
    void unverified(QString keptPath, QString sha256);
    // The file server no longer takes the link (403 or 410, as for an
    // expired link); the part is kept for a fresh link to continue.
    void linkExpired();
    // The part of an earlier attempt is being read back for its SHA-256.
    void checkingPart(qint64 checkedBytes, qint64 partBytes);
    void downloadError(QString error);
    void speedChanged(double bytesPerSecond);
    void statusChanged(QString status);

private Q_SLOTS:
    void calculateSpeed();
    void onTransferWorked();

private:
    QStringList allowedSchemes() const;
    qint64 clockMs() const;
    void recordPart();
    void keepPart(const QString &part, PartRecord &record, qint64 durable);
    void saveRecord(const QString &part, PartRecord &record, qint64 durable);
    void forgetPartRecord();
    bool openPartFile();
    bool beginTransfer();
    void configure(CURL *easy);
    // How a transfer ended, decided on once the part is closed.
    struct Conclusion {
        CURLcode curlResult;
        QString errorMessage;
        long status;
        AnswerUse use;
    };
    void finishDownload(CURLcode curlResult, const QString &errorMessage);
    void conclude(const Conclusion &conclusion, bool written);
    void completeDownload();
    bool moveInto(const QString &path);
    bool restartFromZero();
    bool wholeFileNeverArrived(AnswerUse use, CURLcode curlResult) const;
    void handleCurlError(CURLcode code);
    QString writeFailureMessage() const;
    void resetTransfer();
    void endTransfer();
    void dropPart();
    void dropConclusion();
    static void removePart(const QString &part);
    void releaseTransfer();
    bool closePartFile();
    void resumeTransfer();
    AnswerUse answerUse();
    bool applyAnswer(AnswerUse use);

    static size_t writeCallback(char *data, size_t size, size_t count, void *manager);
    static size_t headerCallback(char *data, size_t size, size_t count, void *manager);
    static int progressCallback(void *manager, curl_off_t downloadTotal, curl_off_t downloadNow, curl_off_t,
                                curl_off_t);

    bool m_isDownloading = false;
    bool m_cancelled = false;
    bool m_concluding = false;
    // Each start, and each cancel or stop of a close under way, begins a new
    // attempt; what an earlier one comes to is not reported.
    quint64 m_attempt = 0;
    // Whether a close in the background reports to the engine or, once
    // cancelled, removes the part itself: decided by whoever comes first.
    enum class CloseFate { Pending, Reported, Cancelled };
    std::shared_ptr<std::atomic<CloseFate>> m_closeFate;
    CURL *m_easyCurl = nullptr;
    CurlMultiDriver m_driver;
    qint64 m_bytesReceived = 0;
    qint64 m_bytesTotal = 0;
    bool m_totalReported = false;
    qint64 m_tempBytes = 0;
    qint64 m_resumeOffset = 0;
    double m_currentSpeed = 0.0;
    QTimer m_speedTimer;
    // Durations come from a clock that only goes forward (or the settings'
    // stand-in), counted from sample to sample.
    QElapsedTimer m_clock;
    qint64 m_lastSampleTime = 0;
    qint64 m_sinceDataMs = 0;
    QString m_url;
    QString m_savePath;
    QString m_tempFilePath;
    // Before the writer: a close in the background records the part it kept.
    PartRecordKeeper m_records;
    PartFileWriter m_writer;
    bool m_paused = false;
    EngineSettings m_settings;
    QStringList m_publishedSha256;
    PartRecord m_record;
    curl_slist *m_requestHeaders = nullptr;
    QString m_sha256;
    // The answer being received: its status, its range, and what it is for.
    std::optional<ContentRange> m_contentRange;
    std::optional<AnswerUse> m_answerUse;
    bool m_startedOver = false;
    int m_writeErrno = 0;
};
