// The program's only window: version, edition, language and architecture
// choice, the ISO link, and the download.
#pragma once

#include "common/AppVersionNumbers.h"
#include "download/DownloadResult.h"
#include "scraper/ScraperTypes.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QStringList>

#include <functional>

class CatalogChoices;
class ChoiceBox;
class MediaBuilder;
struct CatalogFile;
struct MediaBuildResult;
enum class MediaBuildPhase;
class DownloadManager;
class ElidedLabel;
class QComboBox;
class QDialog;
class QLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QuibScraper;

// What the window is given by whoever makes it: start-up hands in the real
// ones, tests hand in objects set up for their servers.
struct MainWindowParts {
    // Taken over by the window.
    DownloadManager *engine = nullptr;
    // Makes the scraper, with the window as its parent, on the first version choice.
    std::function<QuibScraper *(QObject *parent)> makeScraper;
    // The version the About box shows, read each time it opens.
    std::function<AppVersionNumbers()> readVersion;
    // Cancel asks first once more than this is downloaded.
    qint64 askBeforeDiscardingBytes = qint64(256) * 1024 * 1024;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowParts parts, QWidget *parent = nullptr);
    ~MainWindow() override;

protected:
    void showEvent(QShowEvent *event) override;
    // A running download is not let go of without asking what becomes of it.
    void closeEvent(QCloseEvent *event) override;

private Q_SLOTS:
    void onWindowsVersionChanged(int index);
    void onEditionChanged(int index);
    void onLanguageChanged(int index);
    void onArchitectureChanged(int index);
    void onCopyLinkClicked();
    void onDownloadClicked();
    void onPauseClicked();
    void onAboutClicked();
    void onScraperStateChanged(ScraperState state);
    void onEditionsExtracted(QList<ProductVersion> versions);
    void onLanguagesExtracted(QList<LanguageInfo> languages);
    void onDownloadLinksExtracted(QList<DownloadOption> options);
    void onScraperError(ScraperFailure failure);
    void onDownloadProgress(qint64 bytesReceived, qint64 bytesTotal);
    void onDownloadFinished(QString filePath);
    void onDownloadError(QString error);
    void onDownloadUnverified(QString keptPath, QString sha256, UnverifiedReason reason);
    void onLinkExpired();
    void onWaitCancelled();
    void onRetryClicked();
    void updateStatus(QString status);

private:
    // The page's steps, each asked for by its box, in the order the page
    // takes them (None before all).
    enum class PageStep { None, Version, Edition, Language };
    // Paused: the transfer stopped with its part and record kept; the
    // choice it came from is still on screen, and Resume continues it.
    // Building: an ISO is made from the installation files just verified.
    enum class DownloadPhase { Idle, Downloading, Paused, Building };

    void buildWidgetTree();
    void addGroup(QLayout *layout, const QString &name, const QString &title, QLayout *content);
    QProgressBar *buildProgressBar();
    void fitHeight();
    static QString proposedFolder();
    QLayout *buildSelectionGroup();
    QLayout *buildLinkGroup();
    QLayout *buildStatusRow();
    QLayout *buildBottomRow();
    ChoiceBox *addLabelledBox(QLayout *layout, const QString &name, const QString &text, QLabel *&label);
    void fillVersionBox();
    void connectWidgets();
    void setControlsEnabled(bool enabled);
    QuibScraper *ensureScraper();
    void buildWaitDialog();
    void showWaitDialog(const QString &message);
    void hideWaitDialog();
    void requestLanguage(const QString &logLine);
    void choiceChanged(PageStep step);
    void onChoiceCommitted(PageStep step);
    void askPage(PageStep step);
    void setUnfinishedStep(PageStep step);
    void updateRetryButton();
    static QString retryAdvice(PageStep step);
    void forgetBelow(PageStep step);
    void forgetDownloadChoice();
    enum class AfterFreshLink { Nothing, Copy, Download, ContinueDownload };
    bool getFreshLinkFirst(AfterFreshLink then);
    void continueWithFreshLink(const QList<DownloadOption> &options);
    void copyFreshLinkWhileDownloading(const QList<DownloadOption> &options);
    void copyLink();
    int selectedRow() const;
    DownloadOption selectedOption() const;
    void startDownloadFlow();
    void beginDownload(const QString &path);
    void beginAfterEarlierPart(const QString &path);
    bool emptyEarlierPart(const QString &part);
    void endDownload(int progress);
    void pauseDownload();
    void showPauseButton(bool shown);
    void resumeDownload();
    void leavePaused();
    void cancelDownload();
    QString progressText() const;
    bool isDownloading() const { return m_downloadPhase == DownloadPhase::Downloading; }
    // The product catalog's files, built into an ISO, rather than the page's ISO.
    bool showsCatalog() const;
    QString catalogProductKey() const;
    CatalogChoices *ensureCatalog();
    void askCatalog(PageStep step);
    void offerCatalogAfterRefusal();
    QString engineDestination(const QString &isoPath) const;
    bool hasRoomForCatalogBuild(const QString &isoPath);
    void checkEsdPlace(const QString &isoPath);
    void buildFromKeptEsd(const QString &isoPath, const QString &esdPath);
    void startBuild(const QString &esdPath, const QString &esdDigest);
    void onBuildProgress(MediaBuildPhase phase, int percent);
    void onBuildFinished(const MediaBuildResult &result);
    void cancelBuild();
    void askScraper(PageStep step, const std::function<void(QuibScraper *)> &request);
    bool keepDownloadChoice(QComboBox *box, int index);
    bool ignoredWhileDownloading(const char *what) const;
    bool belongsToChoices(const QList<DownloadOption> &options) const;

    QWidget *m_centralWidget = nullptr;
    QLabel *m_headerLabel = nullptr;
    QLabel *m_versionLabel = nullptr;
    ChoiceBox *m_versionCombo = nullptr;
    QLabel *m_editionLabel = nullptr;
    ChoiceBox *m_editionCombo = nullptr;
    QLabel *m_languageLabel = nullptr;
    ChoiceBox *m_languageCombo = nullptr;
    QLabel *m_architectureLabel = nullptr;
    ChoiceBox *m_architectureCombo = nullptr;
    QLineEdit *m_linkEdit = nullptr;
    QPushButton *m_copyLinkButton = nullptr;
    QPushButton *m_aboutButton = nullptr;
    QLabel *m_advertLabel = nullptr;
    QProgressBar *m_progressBar = nullptr;
    ElidedLabel *m_statusLine = nullptr;
    QPushButton *m_retryButton = nullptr;
    QPushButton *m_downloadButton = nullptr;
    QPushButton *m_pauseButton = nullptr;
    QuibScraper *m_scraper = nullptr;
    CatalogChoices *m_catalog = nullptr;
    MediaBuilder *m_builder = nullptr;
    QString m_builtEsdPath;
    QString m_builtEsdDigest;
    DownloadManager *m_downloadManager = nullptr;
    std::function<QuibScraper *(QObject *parent)> m_makeScraper;
    std::function<AppVersionNumbers()> m_readVersion;
    QString m_selectedProductKey;
    QString m_selectedEditionId;
    QString m_selectedLanguageName;
    QString m_selectedDownloadUrl;
    QList<ProductVersion> m_editions;
    QStringList m_languageNames;
    // The languages' ids, row for row: the catalog is asked by code.
    QStringList m_languageIds;
    QList<DownloadOption> m_downloadOptions;
    DownloadOption m_downloadingOption;
    DownloadPhase m_downloadPhase = DownloadPhase::Idle;
    QElapsedTimer m_startClicked;
    qint64 m_receivedBytes = 0;
    qint64 m_totalBytes = 0;
    qint64 m_askBeforeDiscardingBytes = 0;
    AfterFreshLink m_afterFreshLink = AfterFreshLink::Nothing;
    QString m_freshLinkArchitecture;
    QString m_downloadPath;
    bool m_linkRenewed = false;
    bool m_checkingExisting = false;
    // The step of the request the page works on, or worked on last.
    PageStep m_sentStep = PageStep::None;
    // The box whose new row has not gone to the page yet.
    PageStep m_unsentStep = PageStep::None;
    // The step whose request failed or was cancelled: Retry asks for it
    // again, and so does committing to the same row in its box or one above.
    // Its error stays in the status line until the next request.
    PageStep m_unfinishedStep = PageStep::None;
    bool m_isFilling = false;
    QDialog *m_waitDialog = nullptr;
    QLabel *m_waitLabel = nullptr;
};
