#include "MainWindow.h"

#include "AboutBox.h"
#include "ChoiceBox.h"
#include "CompletionNotice.h"
#include "DarkTitleBar.h"
#include "DownloadQuestions.h"
#include "ElidedLabel.h"
#include "ExistingFile.h"
#include "ResultBoxes.h"
#include "UiLog.h"
#include "common/AppIdentity.h"
#include "download/DownloadManager.h"
#include "download/PartFile.h"
#include "download/SpeedMeter.h"
#include "flow/CatalogChoices.h"
#include "flow/DigestVerdict.h"
#include "flow/DownloadFailure.h"
#include "flow/EngineSetup.h"
#include "flow/LanguageMatch.h"
#include "flow/LinkExpiry.h"
#include "flow/PageFailure.h"
#include "flow/SizeFormat.h"
#include "media/MediaBuild.h"
#include "platform/SystemServices.h"
#include "scraper/ProductTable.h"
#include "scraper/QuibScraper.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

// The Version box's rows of the product catalog carry their key after it.
const QString CatalogKeyPrefix = QStringLiteral("catalog:");

constexpr int WindowWidth = 500;
constexpr int WindowHeight = 380;
constexpr int ComboMinimumWidth = 300;
constexpr int ButtonMinimumWidth = 80;
// Frame, margins and indent around a group's title.
constexpr int GroupTitleMargins = 60;
constexpr int WaitDialogWidth = 300;
constexpr int WaitDialogHeight = 80;

const char AdvertUrl[] = "https://www.zamrel.com/bootstick";

QString waitText(ScraperState state)
{
    switch (state) {
    case ScraperState::LoadingVersions:
        return QCoreApplication::translate("MainWindow", "Loading Microsoft download page...");
    case ScraperState::ExtractingVersions:
        return QCoreApplication::translate("MainWindow", "Extracting available editions...");
    case ScraperState::LoadingLanguages:
        return QCoreApplication::translate("MainWindow", "Loading language options...");
    case ScraperState::ExtractingLanguages:
        return QCoreApplication::translate("MainWindow", "Extracting available languages...");
    case ScraperState::SubmittingSelection:
        return QCoreApplication::translate("MainWindow", "Submitting your selection...");
    case ScraperState::ExtractingLinks:
        return QCoreApplication::translate("MainWindow", "Extracting download links...");
    default:
        return QCoreApplication::translate("MainWindow", "Ready");
    }
}

QPushButton *makeButton(const QString &name, const QString &text, QWidget *parent, bool enabled)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setMinimumWidth(ButtonMinimumWidth);
    button->setEnabled(enabled);
    return button;
}

} // namespace

MainWindow::MainWindow(MainWindowParts parts, QWidget *)
    : QMainWindow(nullptr)
    , m_downloadManager(parts.engine)
    , m_makeScraper(std::move(parts.makeScraper))
    , m_readVersion(std::move(parts.readVersion))
    , m_askBeforeDiscardingBytes(parts.askBeforeDiscardingBytes)
{
    buildWidgetTree();
    m_downloadManager->setParent(this);
    fillVersionBox();
    connectWidgets();
    updateStatus(tr("Ready"));
}

MainWindow::~MainWindow()
{
    // A build is stopped and its staging folder gone before the window is:
    // its end is no longer the window's to show.
    if (m_builder) {
        m_builder->disconnect(this);
        delete m_builder;
        m_builder = nullptr;
    }
    // Gone without a close (the session ending, a termination signal): the
    // bytes are kept for a later download to continue.
    if (m_downloadManager) {
        m_downloadManager->stopDownload();
        m_downloadManager->deleteLater();
        m_downloadManager = nullptr;
    }
    if (m_scraper) {
        m_scraper->deleteLater();
        m_scraper = nullptr;
    }
}

void MainWindow::buildWidgetTree()
{
    m_centralWidget = new QWidget(this);
    auto *mainLayout = new QVBoxLayout(m_centralWidget);

    m_headerLabel = new QLabel(tr("Download Windows 10/11 ISO from Microsoft's official website"), this);
    m_headerLabel->setObjectName(QStringLiteral("headerLabel"));
    m_headerLabel->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 14px;"));
    m_headerLabel->setWordWrap(true);
    mainLayout->addWidget(m_headerLabel);
    addGroup(mainLayout, QStringLiteral("selectionGroup"),
             tr("Please select the Windows version you'd like to download"), buildSelectionGroup());
    addGroup(mainLayout, QStringLiteral("linkGroup"), tr("Download link:"), buildLinkGroup());
    mainLayout->addWidget(buildProgressBar());
    mainLayout->addLayout(buildStatusRow());
    mainLayout->addLayout(buildBottomRow());

    setCentralWidget(m_centralWidget);
    fitHeight();
    setWindowTitle(QString::fromLatin1(AppIdentity::Name));
}

// 500 x 380 and the status line hold everything at the usual Windows font
// size. Desktops whose default font is larger get just enough height not to
// squeeze the boxes; the window is never resizable. Measured again once the
// window is shown and styled (the header has fonts of its own, and wraps).
void MainWindow::fitHeight()
{
    QLayout *content = m_centralWidget->layout();
    // As tall without Retry as with it: nothing moves when it comes.
    const int statusRowHeight = qMax(m_statusLine->sizeHint().height(), m_retryButton->sizeHint().height());
    m_statusLine->setMinimumHeight(statusRowHeight);
    content->activate();
    setFixedSize(WindowWidth,
                 qMax(WindowHeight + statusRowHeight + content->spacing(), content->totalHeightForWidth(WindowWidth)));
}

// A group whose title is shortened with "…" when it is wider than the
// window, with the whole title as its tooltip.
void MainWindow::addGroup(QLayout *layout, const QString &name, const QString &title, QLayout *content)
{
    auto *group = new QGroupBox(this);
    group->setObjectName(name);
    const QString shown = group->fontMetrics().elidedText(title, Qt::ElideRight, WindowWidth - GroupTitleMargins);
    group->setTitle(shown);
    if (shown != title)
        group->setToolTip(title);
    group->setLayout(content);
    layout->addWidget(group);
}

QProgressBar *MainWindow::buildProgressBar()
{
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_progressBar->setTextVisible(true);
    m_progressBar->setFormat(QStringLiteral("%p%"));
    m_progressBar->setAlignment(Qt::AlignCenter);
    return m_progressBar;
}

ChoiceBox *MainWindow::addLabelledBox(QLayout *layout, const QString &name, const QString &text, QLabel *&label)
{
    label = new QLabel(text, this);
    layout->addWidget(label);
    auto *box = new ChoiceBox(this);
    box->setObjectName(name + QStringLiteral("Box"));
    box->setMinimumWidth(ComboMinimumWidth);
    layout->addWidget(box);
    return box;
}

QLayout *MainWindow::buildSelectionGroup()
{
    auto *layout = new QVBoxLayout;
    m_versionCombo = addLabelledBox(layout, QStringLiteral("version"), tr("Version:"), m_versionLabel);
    m_editionCombo = addLabelledBox(layout, QStringLiteral("edition"), tr("Edition:"), m_editionLabel);
    m_languageCombo = addLabelledBox(layout, QStringLiteral("language"), tr("Language:"), m_languageLabel);
    m_architectureCombo =
        addLabelledBox(layout, QStringLiteral("architecture"), tr("Architecture:"), m_architectureLabel);
    m_editionCombo->setEnabled(false);
    m_languageCombo->setEnabled(false);
    m_architectureCombo->setEnabled(false);
    return layout;
}

QLayout *MainWindow::buildLinkGroup()
{
    auto *layout = new QHBoxLayout;
    m_linkEdit = new QLineEdit(this);
    m_linkEdit->setObjectName(QStringLiteral("linkField"));
    m_linkEdit->setReadOnly(true);
    m_copyLinkButton = makeButton(QStringLiteral("copyLinkButton"), tr("Copy Link"), this, false);
    layout->addWidget(m_linkEdit);
    layout->addWidget(m_copyLinkButton);
    return layout;
}

QLayout *MainWindow::buildStatusRow()
{
    auto *layout = new QHBoxLayout;
    m_statusLine = new ElidedLabel(this);
    m_statusLine->setObjectName(QStringLiteral("statusLine"));
    // Shown only while a step of the page is left unfinished.
    //: The button that asks the page again; the failure boxes name it.
    m_retryButton = makeButton(QStringLiteral("retryButton"), tr("Retry"), this, true);
    m_retryButton->setAutoDefault(false);
    m_retryButton->hide();
    layout->addWidget(m_statusLine, 1);
    layout->addWidget(m_retryButton);
    return layout;
}

QLayout *MainWindow::buildBottomRow()
{
    auto *layout = new QHBoxLayout;
    m_aboutButton = makeButton(QStringLiteral("aboutButton"), tr("About"), this, true);
    m_advertLabel = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>")
                                   .arg(QString::fromLatin1(AdvertUrl),
                                        //: A link to the maker's free USB stick tool, beside About.
                                        tr("Free: make a bootable USB stick").toHtmlEscaped()),
                               this);
    m_advertLabel->setObjectName(QStringLiteral("advertLabel"));
    m_advertLabel->setTextFormat(Qt::RichText);
    m_advertLabel->setOpenExternalLinks(true);
    //: The button that saves the ISO (a verb); it reads Cancel while the file downloads.
    m_downloadButton = makeButton(QStringLiteral("downloadButton"), tr("Download"), this, false);
    m_downloadButton->setAutoDefault(false);
    // Shown only while a file downloads.
    m_pauseButton = makeButton(QStringLiteral("pauseButton"), tr("Pause"), this, true);
    m_pauseButton->setAutoDefault(false);
    m_pauseButton->hide();
    layout->addWidget(m_aboutButton);
    layout->addWidget(m_advertLabel);
    layout->addStretch();
    layout->addWidget(m_pauseButton);
    layout->addWidget(m_downloadButton);
    return layout;
}

void MainWindow::fillVersionBox()
{
    m_versionCombo->clear();
    const QList<ProductInfo> products = offeredProducts();
    for (const ProductInfo &product : products)
        m_versionCombo->addItem(product.displayName, product.productKey);
    for (const CatalogProduct &product : catalogProducts())
        m_versionCombo->addItem(product.displayName, CatalogKeyPrefix + product.productKey);
    if (m_versionCombo->count() > 0)
        m_versionCombo->setCurrentIndex(-1);
}

void MainWindow::connectWidgets()
{
    const auto indexChanged = qOverload<int>(&QComboBox::currentIndexChanged);
    connect(m_versionCombo, indexChanged, this, &MainWindow::onWindowsVersionChanged);
    connect(m_editionCombo, indexChanged, this, &MainWindow::onEditionChanged);
    connect(m_languageCombo, indexChanged, this, &MainWindow::onLanguageChanged);
    connect(m_architectureCombo, indexChanged, this, &MainWindow::onArchitectureChanged);
    connect(m_versionCombo, &ChoiceBox::chosen, this, [this] { onChoiceCommitted(PageStep::Version); });
    connect(m_editionCombo, &ChoiceBox::chosen, this, [this] { onChoiceCommitted(PageStep::Edition); });
    connect(m_languageCombo, &ChoiceBox::chosen, this, [this] { onChoiceCommitted(PageStep::Language); });
    connect(m_retryButton, &QPushButton::clicked, this, &MainWindow::onRetryClicked);
    connect(m_copyLinkButton, &QPushButton::clicked, this, &MainWindow::onCopyLinkClicked);
    connect(m_downloadButton, &QPushButton::clicked, this, &MainWindow::onDownloadClicked);
    connect(m_pauseButton, &QPushButton::clicked, this, &MainWindow::onPauseClicked);
    connect(m_aboutButton, &QPushButton::clicked, this, &MainWindow::onAboutClicked);
    connect(m_downloadManager, &DownloadManager::progress, this, &MainWindow::onDownloadProgress);
    connect(m_downloadManager, &DownloadManager::finished, this, &MainWindow::onDownloadFinished);
    connect(m_downloadManager, &DownloadManager::failed, this,
            [this](const DownloadResult &result) { onDownloadError(downloadFailureText(result)); });
    connect(m_downloadManager, &DownloadManager::unverified, this, &MainWindow::onDownloadUnverified);
    connect(m_downloadManager, &DownloadManager::linkExpired, this, &MainWindow::onLinkExpired);
    connect(m_downloadManager, &DownloadManager::checkingPart, this, [this](qint64 checked, qint64 part) {
        updateStatus(
            //: %1 is how much of the part is checked, in percent.
            tr("Checking the part already downloaded\u2026 %1%").arg(part > 0 ? checked * 100 / part : 0));
    });
}

void MainWindow::setControlsEnabled(bool enabled)
{
    updateRetryButton();
    if (!enabled) {
        m_versionCombo->setEnabled(false);
        m_editionCombo->setEnabled(false);
        m_languageCombo->setEnabled(false);
        m_architectureCombo->setEnabled(false);
        if (!isDownloading())
            m_downloadButton->setEnabled(false);
        return;
    }
    hideWaitDialog();
    // A running download keeps the choices it came from, and its Cancel.
    if (isDownloading())
        return;
    m_versionCombo->setEnabled(true);
    m_editionCombo->setEnabled(m_editionCombo->count() > 0);
    m_languageCombo->setEnabled(m_languageCombo->count() > 0);
    m_architectureCombo->setEnabled(m_architectureCombo->count() > 0);
    m_downloadButton->setEnabled(m_architectureCombo->count() > 0);
}

// While a file downloads, the boxes show the choice it was started from: a
// change made anyway is put back and asks nothing of the page.
bool MainWindow::keepDownloadChoice(QComboBox *box, int index)
{
    if (!isDownloading())
        return false;
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(index);
    return true;
}

// Whatever the page sends while a file downloads leaves the window as it is.
bool MainWindow::ignoredWhileDownloading(const char *what) const
{
    if (isDownloading())
        qCDebug(lcUi) << "MainWindow: Ignored while downloading:" << what;
    return isDownloading();
}

// Links count only for the edition and language on screen.
bool MainWindow::belongsToChoices(const QList<DownloadOption> &options) const
{
    return std::all_of(options.cbegin(), options.cend(), [this](const DownloadOption &option) {
        return option.versionId == m_selectedEditionId && option.language == m_selectedLanguageName;
    });
}

QuibScraper *MainWindow::ensureScraper()
{
    if (m_scraper)
        return m_scraper;
    if (!platform::meetsMinimumOsVersion(platform::SystemServices::instance().osVersion())) {
        QMessageBox::warning(this, tr("Unsupported OS"),
                             tr("This feature requires Windows 8.1 or higher.\n\n"
                                "Please upgrade your operating system."),
                             QMessageBox::Ok);
        return nullptr;
    }
    auto *scraper = m_makeScraper(this);
    connect(scraper, &QuibScraper::stateChanged, this, &MainWindow::onScraperStateChanged);
    connect(scraper, &QuibScraper::versionsExtracted, this, &MainWindow::onEditionsExtracted);
    connect(scraper, &QuibScraper::languagesExtracted, this, &MainWindow::onLanguagesExtracted);
    connect(scraper, &QuibScraper::downloadLinksExtracted, this, &MainWindow::onDownloadLinksExtracted);
    connect(scraper, &QuibScraper::failed, this, &MainWindow::onScraperError);
    m_scraper = scraper;
    return m_scraper;
}

void MainWindow::buildWaitDialog()
{
    m_waitDialog = new QDialog(this);
    m_waitDialog->setObjectName(QStringLiteral("waitDialog"));
    m_waitDialog->setWindowTitle(tr("Loading..."));
    m_waitDialog->setModal(true);
    m_waitDialog->setWindowFlags(m_waitDialog->windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto *layout = new QVBoxLayout(m_waitDialog);
    m_waitLabel = new QLabel(m_waitDialog);
    m_waitLabel->setObjectName(QStringLiteral("waitLabel"));
    m_waitLabel->setAlignment(Qt::AlignCenter);
    auto *busy = new QProgressBar(m_waitDialog);
    busy->setRange(0, 0);
    busy->setTextVisible(false);
    auto *cancel = new QPushButton(tr("Cancel"), m_waitDialog);
    cancel->setObjectName(QStringLiteral("waitCancelButton"));
    // Enter was meant for a box, never for ending the request.
    cancel->setAutoDefault(false);
    auto *row = new QHBoxLayout;
    row->addWidget(busy);
    row->addWidget(cancel);
    layout->addWidget(m_waitLabel);
    layout->addLayout(row);
    connect(cancel, &QPushButton::clicked, m_waitDialog, &QDialog::reject);
    // Escape and the title bar's close end the request as well: a dialog
    // that merely went away would leave every box locked until the page gave up.
    connect(m_waitDialog, &QDialog::rejected, this, &MainWindow::onWaitCancelled);
    m_waitDialog->setFixedSize(WaitDialogWidth, qMax(WaitDialogHeight, m_waitDialog->sizeHint().height()));
    applyDarkTitleBar(m_waitDialog);
}

void MainWindow::showWaitDialog(const QString &message)
{
    if (!m_waitDialog)
        buildWaitDialog();
    m_waitLabel->setText(message);
    m_waitDialog->show();
    m_waitDialog->repaint();
    // The user's input waits for the event loop: a Cancel taken here would end
    // the request before the scraper has even started what it is about to.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::hideWaitDialog()
{
    if (m_waitDialog)
        m_waitDialog->hide();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fitHeight();
    applyDarkTitleBar(this);
}

void MainWindow::onWindowsVersionChanged(int index)
{
    if (index < 0 || keepDownloadChoice(m_versionCombo, m_versionCombo->findData(m_selectedProductKey)))
        return;
    m_selectedProductKey = m_versionCombo->currentData(Qt::UserRole).toString();
    choiceChanged(PageStep::Version);
}

// What the boxes below showed belonged to the row before; the new one goes
// to the page once the user commits to it.
void MainWindow::choiceChanged(PageStep step)
{
    forgetBelow(step);
    m_unsentStep = step;
    setUnfinishedStep(PageStep::None);
}

// Each request is one to Microsoft: a row committed to again goes to the
// page only when its step, or one below it, did not finish.
void MainWindow::onChoiceCommitted(PageStep step)
{
    if (isDownloading())
        return;
    if (step == m_unsentStep || step <= m_unfinishedStep)
        askPage(step);
}

void MainWindow::onRetryClicked()
{
    askPage(m_unfinishedStep);
}

void MainWindow::askPage(PageStep step)
{
    switch (step) {
    case PageStep::None:
        return;
    case PageStep::Version:
        forgetBelow(step);
        setControlsEnabled(false);
        askScraper(step, [this](QuibScraper *scraper) { scraper->loadProductPage(m_selectedProductKey); });
        return;
    case PageStep::Edition:
        forgetBelow(step);
        askScraper(step, [this](QuibScraper *scraper) { scraper->selectVersion(m_selectedEditionId); });
        return;
    case PageStep::Language:
        forgetBelow(step);
        requestLanguage(QStringLiteral("MainWindow: User selected language code:"));
        return;
    }
}

void MainWindow::setUnfinishedStep(PageStep step)
{
    m_unfinishedStep = step;
    updateRetryButton();
}

// A running download keeps the choices it came from: nothing is retried under it.
void MainWindow::updateRetryButton()
{
    m_retryButton->setVisible(m_unfinishedStep != PageStep::None && !isDownloading());
}

// How the failure box has the user ask for the step again, after "Check
// the internet connection, then" or "In a while,".
QString MainWindow::retryAdvice(PageStep step)
{
    switch (step) {
    case PageStep::Version:
        //: Ends "Check the internet connection, then %1." and "In a while, %1.".
        return tr("choose Retry to load the download page again");
    case PageStep::Edition:
        //: Ends "Check the internet connection, then %1." and "In a while, %1.".
        return tr("choose Retry to ask for the edition's languages again");
    case PageStep::None:
    case PageStep::Language:
        break;
    }
    //: Ends "Check the internet connection, then %1." and "In a while, %1.".
    return tr("choose Retry to ask for the download links again");
}

// What the boxes below a step show comes from it: asked for again, or for
// another row, it starts them empty.
void MainWindow::forgetBelow(PageStep step)
{
    if (step == PageStep::Version) {
        m_selectedEditionId.clear();
        m_editionCombo->clear();
        m_editionCombo->setEnabled(false);
    }
    if (step == PageStep::Version || step == PageStep::Edition) {
        m_selectedLanguageName.clear();
        m_languageCombo->clear();
        m_languageCombo->setEnabled(false);
    }
    forgetDownloadChoice();
}

// The architecture, link and progress belong to the choices above them.
void MainWindow::forgetDownloadChoice()
{
    leavePaused();
    m_afterFreshLink = AfterFreshLink::Nothing;
    m_selectedDownloadUrl.clear();
    m_architectureCombo->clear();
    m_linkEdit->clear();
    m_copyLinkButton->setEnabled(false);
    m_downloadButton->setEnabled(false);
    m_progressBar->setValue(0);
}

// Page work runs behind the wait dialog; nothing happens without a scraper.
void MainWindow::askScraper(PageStep step, const std::function<void(QuibScraper *)> &request)
{
    if (showsCatalog()) {
        askCatalog(step);
        return;
    }
    QuibScraper *scraper = ensureScraper();
    if (!scraper)
        return;
    m_sentStep = step;
    m_unsentStep = PageStep::None;
    setUnfinishedStep(PageStep::None);
    showWaitDialog(tr("Loading, please wait..."));
    request(scraper);
}

// Cancel, Escape or the dialog's close: the request ends where it stands,
// and its step is left to Retry.
void MainWindow::onWaitCancelled()
{
    m_afterFreshLink = AfterFreshLink::Nothing;
    setUnfinishedStep(m_sentStep);
    if (showsCatalog())
        m_catalog->cancelRequest();
    else
        m_scraper->cancelRequest();
    updateStatus(tr("Request cancelled"));
    setControlsEnabled(true);
}

void MainWindow::onScraperStateChanged(ScraperState state)
{
    const QString text = waitText(state);
    // While a fresh link is fetched, the status line keeps saying why, and
    // after a failure or a cancel what happened.
    if (m_afterFreshLink == AfterFreshLink::Nothing && m_unfinishedStep == PageStep::None)
        updateStatus(text);
    if (!m_waitDialog || !m_waitDialog->isVisible()) {
        qCDebug(lcUi) << "MainWindow: Wait dialog not visible, status:" << text;
        return;
    }
    qCDebug(lcUi) << "MainWindow: Updating wait dialog to:" << text;
    m_waitLabel->setText(text);
    m_waitDialog->repaint();
    // Inside the scraper's own call: see showWaitDialog.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::onScraperError(ScraperFailure failure)
{
    if (ignoredWhileDownloading("page error")) {
        // Copy Link's fresh link did not come: the download goes on as it was.
        if (std::exchange(m_afterFreshLink, AfterFreshLink::Nothing) == AfterFreshLink::Copy) {
            hideWaitDialog();
            updateStatus(tr("Error: %1").arg(failure.message));
        }
        return;
    }
    hideWaitDialog();
    m_afterFreshLink = AfterFreshLink::Nothing;
    setUnfinishedStep(m_sentStep);
    qCDebug(lcUi) << "MainWindow::onScraperError:" << failure.message;
    //: %1 is the page's or the scraper's own message, in English.
    updateStatus(tr("Error: %1").arg(failure.message));
    setControlsEnabled(true);
    if (const std::optional<Refusal> refusal = refusalOf(failure)) {
        const bool offered = !showsCatalog() && catalogProductOf(m_selectedProductKey);
        if (showRefusalBox(this, failure.message, *refusal, offered))
            offerCatalogAfterRefusal();
        return;
    }
    const PageFailure explained = explainPageFailure(failure, retryAdvice(m_sentStep));
    showResultBox(this, explained.title, QMessageBox::Warning,
                  //: What went wrong, what to do, then the scraper's own message in English.
                  tr("%1 %2\n\nDetail: %3").arg(explained.summary, explained.advice, failure.message));
}

void MainWindow::onAboutClicked()
{
    showAboutBox(this, m_readVersion());
}

void MainWindow::updateStatus(QString status)
{
    qCDebug(lcUi) << "MainWindow: Status:" << status;
    m_statusLine->setFullText(status);
}

void MainWindow::onEditionsExtracted(QList<ProductVersion> versions)
{
    if (ignoredWhileDownloading("editions"))
        return;
    hideWaitDialog();
    m_editions = versions;
    m_isFilling = true;
    m_editionCombo->clear();
    for (const ProductVersion &version : qAsConst(m_editions))
        m_editionCombo->addItem(version.name, version.id);
    if (m_editions.isEmpty()) {
        m_isFilling = false;
        setUnfinishedStep(PageStep::Version);
        QMessageBox::warning(this, tr("No Editions"),
                             tr("No editions found. The page may require manual verification (CAPTCHA)."),
                             QMessageBox::Ok);
    } else {
        const int chosen = showsCatalog() ? CatalogChoices::defaultEditionRow(m_editions)
                                          : defaultEditionRow(m_selectedProductKey, m_editions);
        m_editionCombo->setEnabled(true);
        m_editionCombo->setCurrentIndex(chosen);
        m_isFilling = false;
        m_selectedEditionId = m_editions.at(chosen).id;
        if (showsCatalog())
            updateStatus(m_catalog->buildNote());
        askPage(PageStep::Edition);
    }
    setControlsEnabled(true);
}

void MainWindow::onEditionChanged(int index)
{
    if (m_isFilling || index < 0 || index >= m_editions.size())
        return;
    const auto running = std::find_if(m_editions.cbegin(), m_editions.cend(), [this](const ProductVersion &edition) {
        return edition.id == m_selectedEditionId;
    });
    if (keepDownloadChoice(m_editionCombo, int(running - m_editions.cbegin())))
        return;
    m_selectedEditionId = m_editions.at(index).id;
    choiceChanged(PageStep::Edition);
}

void MainWindow::onLanguagesExtracted(QList<LanguageInfo> languages)
{
    if (ignoredWhileDownloading("languages"))
        return;
    m_languageNames.clear();
    m_languageIds.clear();
    for (const LanguageInfo &language : qAsConst(languages)) {
        m_languageNames << language.name;
        m_languageIds << language.id;
    }
    m_isFilling = true;
    m_languageCombo->clear();
    m_languageCombo->addItems(m_languageNames);
    if (languages.isEmpty()) {
        m_isFilling = false;
        hideWaitDialog();
        setUnfinishedStep(PageStep::Edition);
        QMessageBox::warning(this, tr("No Languages"), tr("No languages found."), QMessageBox::Ok);
        setControlsEnabled(true);
        return;
    }
    const QString localeName = systemLocaleName();
    qCDebug(lcUi) << "MainWindow: System locale:" << localeName;
    const int index = showsCatalog() ? CatalogChoices::defaultLanguageRow(languages, localeName)
                                     : findLanguageIndex(languages, localeName);
    qCDebug(lcUi) << "MainWindow: Auto-selected language index:" << index << "=" << languages.at(index).name;
    m_languageCombo->setCurrentIndex(index);
    m_isFilling = false;
    m_languageCombo->setEnabled(true);
    m_selectedLanguageName = languages.at(index).name;
    requestLanguage(QStringLiteral("MainWindow: Selecting language code:"));
}

void MainWindow::onLanguageChanged(int index)
{
    if (m_isFilling || index < 0 || index >= m_languageNames.size()
        || keepDownloadChoice(m_languageCombo, m_languageNames.indexOf(m_selectedLanguageName)))
        return;
    m_selectedLanguageName = m_languageNames.at(index);
    choiceChanged(PageStep::Language);
}

void MainWindow::requestLanguage(const QString &logLine)
{
    askScraper(PageStep::Language, [this, logLine](QuibScraper *scraper) {
        qCDebug(lcUi).noquote() << logLine << m_selectedLanguageName;
        scraper->selectLanguage(m_selectedLanguageName);
    });
}

void MainWindow::onDownloadLinksExtracted(QList<DownloadOption> options)
{
    if (ignoredWhileDownloading("links")) {
        copyFreshLinkWhileDownloading(options);
        return;
    }
    if (!belongsToChoices(options)) {
        qCDebug(lcUi) << "MainWindow: Dropped links for a choice no longer on screen";
        return;
    }
    hideWaitDialog();
    m_downloadOptions = liveOptions(options);
    // No filling guard: the first item added selects the first option at once.
    m_architectureCombo->clear();
    for (int row = 0; row < m_downloadOptions.size(); ++row)
        m_architectureCombo->addItem(m_downloadOptions.at(row).architecture, row);
    if (m_downloadOptions.isEmpty()) {
        setUnfinishedStep(PageStep::Language);
        QMessageBox::warning(this, tr("No Links"), tr("No download links found."), QMessageBox::Ok);
    } else {
        m_architectureCombo->setEnabled(true);
        m_architectureCombo->setCurrentIndex(0);
    }
    setControlsEnabled(true);
    if (const QString note = leftOutNote(options); !note.isEmpty())
        updateStatus(note);
    continueWithFreshLink(options);
}

// Copy Link asked for a fresh link while a file downloads: the fresh link
// of the same architecture goes to the clipboard, and the boxes and the
// download stay as they are.
void MainWindow::copyFreshLinkWhileDownloading(const QList<DownloadOption> &options)
{
    if (std::exchange(m_afterFreshLink, AfterFreshLink::Nothing) != AfterFreshLink::Copy)
        return;
    hideWaitDialog();
    const auto fresh = std::find_if(options.cbegin(), options.cend(), [this](const DownloadOption &option) {
        return !option.deadLink && option.architecture == m_freshLinkArchitecture && belongsToChoices({option});
    });
    if (fresh == options.cend()) {
        updateStatus(
            tr("The page no longer offers the %1 ISO; choose another architecture.").arg(m_freshLinkArchitecture));
        return;
    }
    QGuiApplication::clipboard()->setText(fresh->url, QClipboard::Clipboard);
    updateStatus(tr("Download link copied to clipboard!"));
}

void MainWindow::onArchitectureChanged(int index)
{
    if (keepDownloadChoice(m_architectureCombo, selectedRow()))
        return;
    const bool chosen = index >= 0 && index < m_downloadOptions.size();
    if (!chosen || m_downloadOptions.at(index).architecture != m_downloadingOption.architecture)
        leavePaused();
    m_selectedDownloadUrl = chosen ? m_downloadOptions.at(index).url : QString();
    m_linkEdit->setText(m_selectedDownloadUrl);
    m_linkEdit->setCursorPosition(0);
    m_copyLinkButton->setEnabled(chosen);
    m_downloadButton->setEnabled(chosen);
    if (!chosen)
        m_progressBar->setValue(0);
    else if (const QString validity = linkValidityText(m_selectedDownloadUrl); !validity.isEmpty())
        updateStatus(validity);
}

void MainWindow::onCopyLinkClicked()
{
    if (!getFreshLinkFirst(AfterFreshLink::Copy))
        copyLink();
}

void MainWindow::copyLink()
{
    const QString link = m_linkEdit->text();
    if (link.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(link, QClipboard::Clipboard);
    updateStatus(tr("Download link copied to clipboard!"));
}

void MainWindow::onDownloadClicked()
{
    switch (m_downloadPhase) {
    case DownloadPhase::Downloading:
        // The second click of a double click on Download or Resume.
        if (m_startClicked.isValid() && m_startClicked.elapsed() < QApplication::doubleClickInterval())
            return;
        cancelDownload();
        return;
    case DownloadPhase::Paused:
        m_startClicked.start();
        resumeDownload();
        return;
    case DownloadPhase::Building:
        cancelBuild();
        return;
    case DownloadPhase::Idle:
        break;
    }
    m_startClicked.start();
    if (!getFreshLinkFirst(AfterFreshLink::Download))
        startDownloadFlow();
}

// Much downloaded is not thrown away on one click.
void MainWindow::cancelDownload()
{
    if (m_receivedBytes > m_askBeforeDiscardingBytes) {
        const CancelAnswer answer = askOnCancel(this, progressText());
        // The download may have ended while the question was open: there is
        // nothing left to pause or discard.
        if (!isDownloading() || answer == CancelAnswer::KeepDownloading)
            return;
        if (answer == CancelAnswer::Pause) {
            pauseDownload();
            return;
        }
    }
    m_downloadManager->cancelDownload();
    endDownload(0);
    updateStatus(tr("Download cancelled"));
}

bool MainWindow::showsCatalog() const
{
    return m_selectedProductKey.startsWith(CatalogKeyPrefix);
}

QString MainWindow::catalogProductKey() const
{
    return m_selectedProductKey.mid(CatalogKeyPrefix.size());
}

// The bottom row has no room for both: the advert gives way to Pause.
void MainWindow::showPauseButton(bool shown)
{
    m_pauseButton->setVisible(shown);
    m_advertLabel->setVisible(!shown);
    // Measured again at once: the rows keep their old sizes otherwise.
    m_centralWidget->layout()->invalidate();
    m_centralWidget->layout()->activate();
}

void MainWindow::onPauseClicked()
{
    if (isDownloading())
        pauseDownload();
}

void MainWindow::pauseDownload()
{
    Q_ASSERT(isDownloading());
    m_downloadManager->stopDownload();
    const int progress = m_progressBar->value();
    endDownload(progress);
    m_downloadPhase = DownloadPhase::Paused;
    m_downloadButton->setText(tr("Resume"));
    updateStatus(tr("Paused with %1 downloaded; choose Resume to continue.").arg(progressText()));
}

// The same choice, the same destination; a link that ran out while the
// download was paused is asked for again first.
void MainWindow::resumeDownload()
{
    Q_ASSERT(m_downloadPhase == DownloadPhase::Paused);
    m_linkRenewed = false;
    if (!getFreshLinkFirst(AfterFreshLink::ContinueDownload))
        beginDownload(m_downloadPath);
}

// The part stays where it is; a later download of the same choice offers it.
void MainWindow::leavePaused()
{
    if (m_downloadPhase != DownloadPhase::Paused)
        return;
    m_downloadPhase = DownloadPhase::Idle;
    m_downloadButton->setText(tr("Download"));
}

// "1.20 GB of 5.40 GB", or what there is of it.
QString MainWindow::progressText() const
{
    //: Bytes downloaded of the file's size: "1.20 GB of 5.40 GB".
    return m_totalBytes > 0 ? tr("%1 of %2").arg(formatSize(m_receivedBytes), formatSize(m_totalBytes))
                            : formatSize(m_receivedBytes);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A build is only time: the verified installation files stay for another.
    if (m_downloadPhase == DownloadPhase::Building)
        cancelBuild();
    if (!isDownloading()) {
        QMainWindow::closeEvent(event);
        return;
    }
    const CloseAnswer answer = askOnClose(this, progressText());
    // Not closing was asked for, also where the download ended while the
    // question was open.
    if (answer == CloseAnswer::KeepDownloading) {
        event->ignore();
        return;
    }
    if (isDownloading() && answer == CloseAnswer::KeepPart) {
        pauseDownload();
    } else if (isDownloading()) {
        m_downloadManager->cancelDownload();
        endDownload(0);
    }
    QMainWindow::closeEvent(event);
}

// A link past its expiry is asked for again, for the same choices, behind
// the wait dialog; `then` goes on once the fresh one is here.
bool MainWindow::getFreshLinkFirst(AfterFreshLink then)
{
    if (!linkExpired(m_selectedDownloadUrl))
        return false;
    m_afterFreshLink = then;
    m_freshLinkArchitecture = m_architectureCombo->currentText();
    updateStatus(tr("The link has expired; getting a fresh one..."));
    requestLanguage(QStringLiteral("MainWindow: Fresh link for language code:"));
    return true;
}

// A step that waited for a fresh link goes on with the architecture it was
// for; one whose link is now dead, or no longer offered, goes on with no other.
void MainWindow::continueWithFreshLink(const QList<DownloadOption> &options)
{
    const AfterFreshLink then = std::exchange(m_afterFreshLink, AfterFreshLink::Nothing);
    if (then == AfterFreshLink::Nothing || m_downloadOptions.isEmpty())
        return;
    const int row = m_architectureCombo->findText(m_freshLinkArchitecture);
    if (row < 0) {
        const bool leftOut = std::any_of(options.cbegin(), options.cend(), [this](const DownloadOption &option) {
            return option.deadLink && option.architecture == m_freshLinkArchitecture;
        });
        if (!leftOut)
            updateStatus(
                tr("The page no longer offers the %1 ISO; choose another architecture.").arg(m_freshLinkArchitecture));
        return;
    }
    m_architectureCombo->setCurrentIndex(row);
    if (then == AfterFreshLink::Copy)
        copyLink();
    else if (then == AfterFreshLink::ContinueDownload)
        beginDownload(m_downloadPath);
    else
        startDownloadFlow();
}

void MainWindow::startDownloadFlow()
{
    if (m_selectedDownloadUrl.isEmpty()) {
        QMessageBox::warning(this, tr("No Selection"), tr("Please select a download option."), QMessageBox::Ok);
        return;
    }
    const QString proposed = QDir(proposedFolder()).filePath(QStringLiteral("Windows.iso"));
    const QString path = QFileDialog::getSaveFileName(this, tr("Save ISO File"), proposed, tr("ISO Files (*.iso)"));
    if (path.isEmpty())
        return;
    // One check at a time: the window stays usable while a large file is read.
    if (m_checkingExisting)
        return;
    m_checkingExisting = true;
    const QString publishedIsoSha256 = showsCatalog() ? QString() : selectedOption().publishedSha256;
    checkExistingFile(this, path, DigestAlgorithm::Sha256, publishedIsoSha256, [this, path](ExistingFile existing) {
        m_checkingExisting = false;
        switch (existing) {
        case ExistingFile::Keep:
            updateStatus(tr("Kept the verified file already there: %1").arg(QFileInfo(path).fileName()));
            return;
        case ExistingFile::CheckCancelled:
            updateStatus(tr("Check cancelled"));
            return;
        case ExistingFile::Differs:
        case ExistingFile::Download:
            break;
        }
        m_linkRenewed = false;
        if (showsCatalog())
            checkEsdPlace(path);
        else
            beginAfterEarlierPart(path);
    });
}

// A part an earlier download left for this file and destination is
// continued, or emptied, as the user says.
void MainWindow::beginAfterEarlierPart(const QString &path)
{
    if (!hasRoomForCatalogBuild(path))
        return;
    const QString part = DownloadManager::makeTempFilePath(m_selectedDownloadUrl, engineDestination(path));
    m_receivedBytes = partfile::heldBytes(part);
    m_totalBytes = 0;
    if (m_receivedBytes <= 0) {
        beginDownload(path);
        return;
    }
    const std::optional<PartRecord> record = readPartRecord(part);
    m_totalBytes = record ? record->total : 0;
    switch (askAboutEarlierPart(this, QFileInfo(part).fileName(), progressText())) {
    case PartAnswer::Cancel:
        return;
    case PartAnswer::StartOver:
        if (!emptyEarlierPart(part))
            return;
        // Nothing of it counts any more: not in the bar, nor for Cancel's question.
        m_receivedBytes = 0;
        m_totalBytes = 0;
        break;
    case PartAnswer::Continue:
        break;
    }
    beginDownload(path);
}

// Emptied through its lock, never under a download of another run that
// holds it.
bool MainWindow::emptyEarlierPart(const QString &part)
{
    OwnPart held = partfile::openOwn(part);
    if (held.state() == OwnPart::State::Busy) {
        onDownloadError(tr("Another download is writing %1. Wait for it to end, or choose another destination.")
                            .arg(QFileInfo(part).fileName()));
        return false;
    }
    // As the engine starts over: a record that holds nothing is on the
    // device before a byte goes, so a crash at any step leaves a part that
    // counts for nothing.
    if (!held.isOpen() || !writePartRecord(part, PartRecord()) || !held.truncate(0)) {
        onDownloadError(tr("Could not empty the earlier part %1.").arg(part));
        return false;
    }
    removePartRecord(part);
    held.removeFrom(nativeFilePath(part));
    return true;
}

void MainWindow::beginDownload(const QString &path)
{
    m_downloadPath = path;
    m_downloadPhase = DownloadPhase::Downloading;
    m_downloadButton->setText(tr("Cancel"));
    showPauseButton(true);
    setControlsEnabled(false);
    // A part continued starts the bar where it stands.
    m_progressBar->setValue(m_totalBytes > 0 ? int(m_receivedBytes * 100 / m_totalBytes) : 0);
    qCDebug(lcUi) << "MainWindow: Starting download, URL:" << m_selectedDownloadUrl << "Path:" << path;
    updateStatus(tr("Starting download..."));
    m_downloadingOption = selectedOption();
    if (const CatalogFile *file = showsCatalog() ? m_catalog->fileOf(m_downloadingOption) : nullptr)
        prepareEngineFor(*m_downloadManager, *file, m_catalog->source());
    else
        prepareEngineFor(*m_downloadManager, m_downloadingOption);
    m_downloadManager->startDownload(m_selectedDownloadUrl, engineDestination(path));
}

// The user's Downloads folder where there is one, else the home folder;
// never the working folder.
QString MainWindow::proposedFolder()
{
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    return !downloads.isEmpty() && QFileInfo(downloads).isDir() ? downloads : QDir::homePath();
}

void MainWindow::onDownloadProgress(qint64 bytesReceived, qint64 bytesTotal)
{
    if (bytesTotal <= 0)
        return;
    m_receivedBytes = bytesReceived;
    m_totalBytes = bytesTotal;
    m_progressBar->setValue(int(bytesReceived * 100 / bytesTotal));
    const double speed = m_downloadManager->currentSpeed();
    updateStatus(downloadStatusLine(bytesReceived, bytesTotal, speed)
                 + connectionsText(m_downloadManager->busyConnections()));
    // Speed and time left fit in the bar itself, once there is a speed to tell.
    //: Inside the progress bar: %p% is the percentage, %1 the speed, %2 the time left.
    m_progressBar->setFormat(speed > 0 ? tr("%p%  \u00B7  %1  \u00B7  %2 left")
                                             .arg(speedText(speed), formatTimeLeft(bytesTotal - bytesReceived, speed))
                                       : QStringLiteral("%p%"));
}

// The row of the option whose link is shown, or -1.
int MainWindow::selectedRow() const
{
    for (int row = 0; row < m_downloadOptions.size(); ++row) {
        if (m_downloadOptions.at(row).url == m_selectedDownloadUrl)
            return row;
    }
    return -1;
}

DownloadOption MainWindow::selectedOption() const
{
    const int row = selectedRow();
    return row < 0 ? DownloadOption() : m_downloadOptions.at(row);
}

void MainWindow::onDownloadFinished(QString filePath)
{
    if (showsCatalog()) {
        startBuild(filePath, m_downloadManager->digest());
        return;
    }
    endDownload(100);
    updateStatus(tr("Download complete: %1").arg(QFileInfo(filePath).fileName()));
    const QString sha256 = m_downloadManager->digest();
    noticeCompletion(this, tr("Download complete"), QFileInfo(filePath).fileName());
    showCompletionBox(this, tr("Download Complete"),
                      matchesAnotherRow(m_downloadingOption, sha256) ? QMessageBox::Warning : QMessageBox::Information,
                      tr("The file has been downloaded successfully:\n%1\n\n%2")
                          .arg(filePath, verifiedText(m_downloadingOption, sha256)),
                      filePath);
}

// The file server no longer takes the link (it expired, or was refused):
// once per download a fresh link for the same choices continues the part.
void MainWindow::onLinkExpired()
{
    endDownload(m_progressBar->value());
    if (std::exchange(m_linkRenewed, true)) {
        setUnfinishedStep(PageStep::Language);
        onDownloadError(
            tr("The file server refused the download link, and a fresh one as well. Choose Retry to get another."));
        return;
    }
    updateStatus(tr("The link expired during the download; getting a fresh one to continue..."));
    m_afterFreshLink = AfterFreshLink::ContinueDownload;
    m_freshLinkArchitecture = m_architectureCombo->currentText();
    requestLanguage(QStringLiteral("MainWindow: Fresh link to continue, language code:"));
}

void MainWindow::onDownloadUnverified(QString keptPath, QString sha256, UnverifiedReason reason)
{
    endDownload(0);
    updateStatus(tr("Not verified: %1").arg(QFileInfo(keptPath).fileName()));
    const CatalogFile *file = showsCatalog() ? m_catalog->fileOf(m_downloadingOption) : nullptr;
    showResultBox(this, tr("Download Not Verified"), QMessageBox::Critical,
                  file ? unverifiedText(*file, sha256, m_downloadManager->savePath(), keptPath)
                       : unverifiedText(m_downloadingOption, sha256, m_downloadManager->savePath(), keptPath, reason));
}

void MainWindow::onDownloadError(QString error)
{
    endDownload(0);
    updateStatus(tr("Download failed: %1").arg(error));
    showResultBox(this, tr("Download Error"), QMessageBox::Critical, tr("Failed to download:\n%1").arg(error));
}

// Back from a transfer, whatever its end: the button starts again and the
// boxes follow their contents.
void MainWindow::endDownload(int progress)
{
    m_downloadPhase = DownloadPhase::Idle;
    showPauseButton(false);
    m_progressBar->setFormat(QStringLiteral("%p%"));
    m_downloadButton->setText(tr("Download"));
    setControlsEnabled(true);
    m_progressBar->setValue(progress);
}
