// Fetches one ISO into a resumable ".part" file beside its destination.
#pragma once

#include <QObject>
#include <QString>

class DownloadManager final : public QObject {
    Q_OBJECT
public:
    explicit DownloadManager(QObject *parent = nullptr);

    // Stops a running transfer and removes its partial file, silently.
    void cancelDownload();

Q_SIGNALS:
    void progress(qint64 bytesReceived, qint64 bytesTotal);
    void finished(QString filePath);
    void downloadError(QString error);
    void speedChanged(double bytesPerSecond);
    void statusChanged(QString status);
};
