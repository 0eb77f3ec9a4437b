// A command-line run on the product catalog: its lists, one ESD's address,
// or the ESD downloaded, checked against the catalog's digest and built
// into an ISO.
#pragma once

#include "CatalogChoice.h"
#include "Options.h"
#include "flow/EsdPlace.h"

#include <QObject>

class CommandLineBuild;
class CommandLineDownload;
class DownloadManager;

class CatalogRun final : public QObject {
    Q_OBJECT
public:
    // `options.choices.product` is a product key; the engine outlives the run.
    CatalogRun(Options options, DownloadManager *engine, QString localeName, QObject *parent = nullptr);

    void start();
    // Stops what runs (a download keeps its part).
    void interrupt();

Q_SIGNALS:
    // `error` is said on stderr by whoever hears it.
    void ended(int exitCode, QString error);

private:
    // Reading: the catalog is being fetched. Downloading: its ESD is.
    // Building: the ISO is made from it. Over: the run has ended.
    enum class Phase { Reading, Downloading, Building, Over };

    void onCatalogRead();
    void onFileChosen(const CatalogFile &file);
    void startDownload(const CatalogFile &file);
    void onDownloaded(int exitCode, const CatalogFile &file);
    void end(int exitCode, const QString &error = QString());

    Options m_options;
    DownloadManager *m_engine;
    CatalogChoice *m_choice;
    CommandLineDownload *m_download = nullptr;
    CommandLineBuild *m_build = nullptr;
    EsdPlace m_place;
    Phase m_phase = Phase::Reading;
};
