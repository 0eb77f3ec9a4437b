// A run of the command line from its options to its exit code: lists, a
// link, or a download, from the page or from the product catalog.
#pragma once

#include "Options.h"
#include "scraper/ScraperTypes.h"

#include <QObject>

class CatalogRun;
class CommandLineDownload;
class DownloadManager;
class PageChoice;
class QuibScraper;

class CommandLineRun final : public QObject {
    Q_OBJECT
public:
    // Takes over neither object; both outlive the run.
    CommandLineRun(Options options, QuibScraper *scraper, DownloadManager *engine, QString localeName,
                   QObject *parent = nullptr);

    void start();
    // Stops what runs (a download keeps its part); the exit code is Interrupted.
    void interrupt();
    bool isOver() const { return m_exitCode >= 0; }
    int exitCode() const { return m_exitCode; }

Q_SIGNALS:
    void ended(int exitCode);

private:
    QString choicesProblem() const;
    QString failureKind(int exitCode) const;
    void startPage();
    void startCatalog();
    void onLanguagesRead();
    void onLinkChosen(const DownloadOption &option);
    void end(int exitCode, const QString &error = QString());

    Options m_options;
    QuibScraper *m_scraper;
    DownloadManager *m_engine;
    QString m_localeName;
    PageChoice *m_page = nullptr;
    CatalogRun *m_catalog = nullptr;
    CommandLineDownload *m_download = nullptr;
    int m_exitCode = -1;
};
