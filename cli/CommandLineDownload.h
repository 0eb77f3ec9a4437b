// One file downloaded from the command line: resumable and verified as in
// the window, with progress on standard error.
#pragma once

#include "DownloadJob.h"
#include "ProgressReport.h"
#include "scraper/ScraperTypes.h"

#include <QFileInfo>
#include <QObject>

class DownloadManager;

class CommandLineDownload final : public QObject {
    Q_OBJECT
public:
    CommandLineDownload(DownloadManager *engine, ProgressReport::Style style, QObject *parent = nullptr);

    void start(const DownloadJob &job);
    // Continues the part with the fresh link that needsFreshLink asked for.
    void continueWith(const QString &url);
    // Ctrl+C: the transfer stops and its part stays for the next run.
    void interrupt();

    // The page's ISO to `output` (empty: its own file name in the working
    // folder); a job without a destination, and the reason in `problem`,
    // when it would take the link's file name and that is no ISO image's.
    static DownloadJob pageJob(const DownloadOption &option, const QString &output, QString *problem);

Q_SIGNALS:
    void needsFreshLink();
    void ended(int exitCode);

private:
    bool alreadyThere();
    void begin();
    void onFinished(const QString &path);
    void onUnverified(const QString &keptPath, const QString &digest, UnverifiedReason reason);
    void onLinkExpired();
    void onError(const DownloadResult &result);
    void end(int exitCode, const QString &error = QString());
    QFileInfo partFile() const;
    QString keptPartText() const;

    DownloadManager *m_engine;
    ProgressReport m_report;
    DownloadJob m_job;
    bool m_linkRenewed = false;
};
