// One ISO downloaded from the command line: resumable and verified as in
// the window, with progress on standard error.
#pragma once

#include "ProgressReport.h"
#include "download/DownloadResult.h"
#include "scraper/ScraperTypes.h"

#include <QFileInfo>
#include <QObject>

class DownloadManager;

class CommandLineDownload final : public QObject {
    Q_OBJECT
public:
    CommandLineDownload(DownloadManager *engine, ProgressReport::Style style, QObject *parent = nullptr);

    // `output` empty: the ISO's own file name in the working folder.
    void start(const DownloadOption &option, const QString &output);
    // Continues the part with the fresh link that needsFreshLink asked for.
    void continueWith(const DownloadOption &option);
    // Ctrl+C: the transfer stops and its part stays for the next run.
    void interrupt();

    // Where the file goes for this link and `output`; empty when it would
    // take the link's file name and that is no ISO image's name.
    static QString destinationFor(const QString &url, const QString &output);

Q_SIGNALS:
    void needsFreshLink();
    void ended(int exitCode);

private:
    bool alreadyThere();
    void begin();
    void onFinished(const QString &path);
    void onUnverified(const QString &keptPath, const QString &sha256, UnverifiedReason reason);
    void onLinkExpired();
    void onError(const DownloadResult &result);
    void end(int exitCode, const QString &error = QString());
    QFileInfo partFile() const;
    QString keptPartText() const;

    DownloadManager *m_engine;
    ProgressReport m_report;
    DownloadOption m_option;
    QString m_destination;
    bool m_linkRenewed = false;
};
