// The window's second source: Microsoft's product catalog, whose ESD file
// is downloaded, checked against the catalog's digest, and built into an
// ISO. The boxes fill as they do from the page; only the requests and the
// end of the download differ.
#include "MainWindow.h"

#include "ChoiceBox.h"
#include "ExistingFile.h"
#include "ResultBoxes.h"
#include "UiLog.h"
#include "download/Digest.h"
#include "download/DownloadManager.h"
#include "flow/CatalogChoices.h"
#include "flow/EsdPlace.h"
#include "media/MediaBuild.h"
#include "scraper/ProductTable.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QProgressBar>
#include <QPushButton>
#include <QtConcurrent>

CatalogChoices *MainWindow::ensureCatalog()
{
    if (m_catalog)
        return m_catalog;
    m_catalog = new CatalogChoices(this);
    connect(m_catalog, &CatalogChoices::stateChanged, this, &MainWindow::onScraperStateChanged);
    connect(m_catalog, &CatalogChoices::editionsRead, this, &MainWindow::onEditionsExtracted);
    connect(m_catalog, &CatalogChoices::languagesRead, this, &MainWindow::onLanguagesExtracted);
    connect(m_catalog, &CatalogChoices::filesRead, this, &MainWindow::onDownloadLinksExtracted);
    connect(m_catalog, &CatalogChoices::failed, this, &MainWindow::onScraperError);
    return m_catalog;
}

// The catalog is fetched once per version choice; editions and languages
// are read from it without another request.
void MainWindow::askCatalog(PageStep step)
{
    CatalogChoices *catalog = ensureCatalog();
    m_sentStep = step;
    m_unsentStep = PageStep::None;
    setUnfinishedStep(PageStep::None);
    switch (step) {
    case PageStep::None:
        return;
    case PageStep::Version:
        showWaitDialog(tr("Loading Microsoft's product catalog..."));
        catalog->loadProduct(catalogProductKey(), isDefaultSiteOrigin() ? QString() : siteOrigin());
        return;
    case PageStep::Edition:
        catalog->selectEdition(m_selectedEditionId);
        return;
    case PageStep::Language:
        catalog->selectLanguage(m_languageIds.value(m_languageNames.indexOf(m_selectedLanguageName)));
        return;
    }
}

// The refusal's way out: the same product from the product catalog.
void MainWindow::offerCatalogAfterRefusal()
{
    const int row = m_versionCombo->findData(QStringLiteral("catalog:") + m_selectedProductKey);
    Q_ASSERT(row >= 0);
    m_versionCombo->setCurrentIndex(row);
    askPage(PageStep::Version);
}

// The engine fetches the ESD beside the ISO the user chose.
QString MainWindow::engineDestination(const QString &isoPath) const
{
    return showsCatalog() ? esdBeside(isoPath) : isoPath;
}

// Room for the ESD and the media built from it, said before a byte is fetched.
bool MainWindow::hasRoomForCatalogBuild(const QString &isoPath)
{
    const CatalogFile *file = showsCatalog() ? m_catalog->fileOf(selectedOption()) : nullptr;
    const QString problem = file ? roomProblem(EsdPlace{isoPath, esdBeside(isoPath)}, file->size) : QString();
    if (problem.isEmpty())
        return true;
    updateStatus(tr("Not enough free space"));
    showResultBox(this, tr("Not Enough Space"), QMessageBox::Warning,
                  tr("%1\n\nFree some space there, or choose another folder.").arg(problem));
    return false;
}

// The ESD is fetched under a name the user never gave. Already there, the
// catalog's ESD of an earlier try is built from as it is, or fetched again
// as the user says; a file of the user's is neither replaced by the
// download nor removed with it once the ISO is built.
void MainWindow::checkEsdPlace(const QString &isoPath)
{
    const CatalogFile *file = m_catalog->fileOf(selectedOption());
    if (!file)
        return;
    const QString esdPath = esdBeside(isoPath);
    m_checkingExisting = true;
    checkExistingFile(
        this, esdPath, file->digestAlgorithm, file->digest,
        [this, isoPath, esdPath, digest = file->digest](ExistingFile existing) {
            m_checkingExisting = false;
            // Another row chosen while the file was read: that one was not asked for.
            const CatalogFile *chosen = showsCatalog() ? m_catalog->fileOf(selectedOption()) : nullptr;
            if (!chosen || chosen->digest != digest)
                return;
            switch (existing) {
            case ExistingFile::Keep:
                buildFromKeptEsd(isoPath, esdPath);
                return;
            case ExistingFile::CheckCancelled:
                updateStatus(tr("Check cancelled"));
                return;
            case ExistingFile::Differs:
                updateStatus(tr("The installation files' name is taken"));
                showResultBox(this, tr("File Already There"), QMessageBox::Warning,
                              tr("%1 is already there and is not the ESD file of Microsoft's product catalog. The "
                                 "installation files are downloaded under that name, beside the ISO, and removed once "
                                 "it is built: move that file away, or choose another name for the ISO.")
                                  .arg(esdPath));
                return;
            case ExistingFile::Download:
                beginAfterEarlierPart(isoPath);
                return;
            }
        });
}

// As after its download: the choices stay as they are, Cancel stops the build.
void MainWindow::buildFromKeptEsd(const QString &isoPath, const QString &esdPath)
{
    m_downloadPath = isoPath;
    m_downloadingOption = selectedOption();
    m_downloadPhase = DownloadPhase::Downloading;
    setControlsEnabled(false);
    startBuild(esdPath, m_catalog->fileOf(m_downloadingOption)->digest);
}

void MainWindow::startBuild(const QString &esdPath, const QString &esdDigest)
{
    const CatalogFile *file = m_catalog->fileOf(m_downloadingOption);
    Q_ASSERT(file);
    m_builtEsdDigest = tr("The ESD's %1 matches Microsoft's product catalog: %2")
                           .arg(QLatin1String(digestName(file->digestAlgorithm)), esdDigest);
    m_downloadPhase = DownloadPhase::Building;
    showPauseButton(false);
    m_downloadButton->setText(tr("Cancel"));
    m_progressBar->setValue(0);
    m_progressBar->setFormat(QStringLiteral("%p%"));
    updateStatus(tr("Building the ISO..."));
    m_builder = new MediaBuilder({}, this);
    connect(m_builder, &MediaBuilder::progress, this, &MainWindow::onBuildProgress);
    connect(m_builder, &MediaBuilder::finished, this, &MainWindow::onBuildFinished);
    m_builtEsdPath = esdPath;
    m_builder->start({esdPath, m_downloadingOption.versionId, file->architecture, file->languageCode, m_downloadPath});
}

void MainWindow::onBuildProgress(MediaBuildPhase phase, int percent)
{
    m_progressBar->setValue(percent);
    updateStatus(tr("Building the ISO: %1").arg(mediaBuildPhaseName(phase)));
}

void MainWindow::cancelBuild()
{
    Q_ASSERT(m_downloadPhase == DownloadPhase::Building);
    m_builder->cancelAndWait();
}

// The ISO's own SHA-256 is read back on a worker thread before the box
// tells the user what was built.
void MainWindow::onBuildFinished(const MediaBuildResult &result)
{
    m_builder->deleteLater();
    m_builder = nullptr;
    if (result.outcome == MediaBuildOutcome::Cancelled) {
        endDownload(0);
        updateStatus(tr("Building the ISO cancelled"));
        return;
    }
    if (result.outcome != MediaBuildOutcome::Built) {
        endDownload(0);
        updateStatus(tr("Building the ISO failed"));
        showResultBox(this, tr("Building the ISO Failed"), QMessageBox::Critical, result.message);
        return;
    }
    // Its images are in the ISO now; a failed build keeps it for another try.
    QFile::remove(m_builtEsdPath);
    updateStatus(tr("Computing the ISO's SHA-256..."));
    auto *watcher = new QFutureWatcher<QString>(this);
    connect(watcher, &QFutureWatcher<QString>::finished, this, [this, watcher, iso = result.isoPath] {
        watcher->deleteLater();
        endDownload(100);
        updateStatus(tr("ISO built: %1").arg(QFileInfo(iso).fileName()));
        const QString text = tr("The ISO was built from Microsoft's installation files (ESD):\n%1\n\n%2\n\n"
                                "SHA-256 of the ISO: %3")
                                 .arg(iso, m_builtEsdDigest, watcher->result());
        showCompletionBox(this, tr("ISO Built"), QMessageBox::Information, text, iso);
    });
    watcher->setFuture(
        QtConcurrent::run([iso = result.isoPath] { return sha256OfFile(iso, [](qint64, qint64) { return true; }); }));
}
