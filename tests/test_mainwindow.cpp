// The main window as the user first meets it, its version gate, the wait
// dialog around a page visit, and the About box.
#include "TestMain.h"
#include "scraper/WebEngineEnvironment.h"

#include "DownloadServers.h"
#include "ReplicaServer.h"
#include "ScraperProbe.h"
#include "SlowIsoWriter.h"
#include "download/DownloadManager.h"
#include "download/PartFileIo.h"
#include "download/PartRecord.h"
#include "flow/CatalogChoices.h"
#include "flow/DownloadFailure.h"
#include "flow/EngineSetup.h"
#include "flow/LanguageMatch.h"
#include "flow/LinkExpiry.h"
#include "flow/PageFailure.h"
#include "flow/SizeFormat.h"
#include "platform/SystemServices.h"
#include "scraper/ProductTable.h"
#include "scraper/QuibScraper.h"
#include "ui/ChoiceBox.h"
#include "ui/ElidedLabel.h"
#include "ui/MainWindow.h"
#include "ui/WindowLanguage.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDesktopServices>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>

#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>

namespace {

class FakeSystem final : public platform::SystemServices {
public:
    platform::OsVersion osVersion() const override { return version; }
    std::string localeName() const override { return locale; }
    platform::OsVersion version{10, 0};
    std::string locale = "en-US";
};

QList<LanguageInfo> languageList(const QStringList &rows)
{
    QList<LanguageInfo> languages;
    for (const QString &row : rows)
        languages << LanguageInfo{QString::number(languages.size()), row.section(QLatin1Char('|'), 0, 0),
                                  row.section(QLatin1Char('|'), 1, 1), true};
    return languages;
}

// The replica's language list, as the page orders it: "name|language".
QStringList replicaLanguageRows()
{
    return {"Arabic|Arabic",
            "Brazilian Portuguese|Brazilian Portuguese",
            "Bulgarian|Bulgarian",
            "Chinese Simplified|Chinese (Simplified)",
            "Chinese Traditional|Chinese (Traditional)",
            "Croatian|Croatian",
            "Czech|Czech",
            "Danish|Danish",
            "Dutch|Dutch",
            "English (United States)|English",
            "English International|English (United Kingdom)",
            "Estonian|Estonian",
            "Finnish|Finnish",
            "French|French",
            "French Canadian|French Canadian",
            "German|German",
            "Greek|Greek",
            "Hebrew|Hebrew",
            "Hungarian|Hungarian",
            "Italian|Italian",
            "Japanese|Japanese",
            "Korean|Korean",
            "Latvian|Latvian",
            "Lithuanian|Lithuanian",
            "Norwegian|Norwegian",
            "Polish|Polish",
            "Portuguese|Portuguese",
            "Romanian|Romanian",
            "Russian|Russian",
            "Serbian Latin|Serbian Latin",
            "Slovak|Slovak",
            "Slovenian|Slovenian",
            "Spanish|Spanish",
            "Spanish (Mexico)|Spanish (Mexico)",
            "Swedish|Swedish",
            "Thai|Thai",
            "Turkish|Turkish",
            "Ukrainian|Ukrainian"};
}

struct Widgets {
    explicit Widgets(MainWindow &window)
        : version(window.findChild<QComboBox *>(QStringLiteral("versionBox")))
        , edition(window.findChild<QComboBox *>(QStringLiteral("editionBox")))
        , language(window.findChild<QComboBox *>(QStringLiteral("languageBox")))
        , architecture(window.findChild<QComboBox *>(QStringLiteral("architectureBox")))
        , progress(window.findChild<QProgressBar *>(QStringLiteral("progressBar")))
        , link(window.findChild<QLineEdit *>(QStringLiteral("linkField")))
    {
        for (const char *name : {"copyLinkButton", "downloadButton", "aboutButton"}) {
            auto *button = window.findChild<QPushButton *>(QLatin1String(name));
            buttons.insert(button->text(), button);
        }
    }
    QComboBox *version = nullptr;
    QComboBox *edition = nullptr;
    QComboBox *language = nullptr;
    QComboBox *architecture = nullptr;
    QProgressBar *progress = nullptr;
    QLineEdit *link = nullptr;
    QMap<QString, QPushButton *> buttons;
};

// Delays that a scraper never reaches within a test: it does what the
// window asks and nothing more, and the test answers for the page by
// emitting the scraper's signals.
ScraperTimings quietTimings()
{
    constexpr int Hour = 3600 * 1000;
    ScraperTimings t;
    for (int *delay : {&t.pageLoadTimeoutMs, &t.loadRetryDelayMs, &t.afterInjectionMs, &t.languageExtractionDelayMs,
                       &t.linkExtractionDelayMs, &t.resubmitDelayMs, &t.afterVersionSelectionMs, &t.validationRecheckMs,
                       &t.languageRetryDelayMs, &t.afterLanguageSelectionMs, &t.pollIntervalMs, &t.reloadDelayMs,
                       &t.reselectLanguageDelayMs, &t.pollAfterReselectionMs})
        *delay = Hour;
    return t;
}

const AppVersionNumbers ShownVersion{3, 0, 2, 7};

// A window with a real engine and real scrapers with these delays.
MainWindowParts testParts(const ScraperTimings &timings = quietTimings())
{
    return {new DownloadManager,
            [timings](QObject *parent) {
                auto *scraper = new QuibScraper(parent);
                scraper->setTimings(timings);
                return scraper;
            },
            [] { return ShownVersion; }};
}

// Short enough for several requests in one test, long enough for the
// replica page, which confirms an edition 300 ms after it is chosen.
ScraperTimings quickTimings()
{
    ScraperTimings t;
    for (int *delay : {&t.loadRetryDelayMs, &t.afterInjectionMs, &t.languageExtractionDelayMs, &t.linkExtractionDelayMs,
                       &t.languageRetryDelayMs, &t.afterLanguageSelectionMs})
        *delay = 150;
    t.afterVersionSelectionMs = 1500;
    t.pollIntervalMs = 60;
    return t;
}

// Chooses `row` in the box's popup with Enter.
void pick(QComboBox *box, int row)
{
    box->showPopup();
    box->view()->setCurrentIndex(box->model()->index(row, 0));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box->view(), &enter);
}

// What the user does to a box: "down" and "enter" in it (it has the focus
// for them), "wheel" over it, "popup+N": the row N below in its popup.
void act(QComboBox *box, const QString &input)
{
    for (const QString &step : input.split(QLatin1Char(' '))) {
        QWheelEvent wheel(QPointF(), QPointF(), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        if (step == QLatin1String("wheel")) {
            QApplication::sendEvent(box, &wheel);
        } else if (step.startsWith(QLatin1String("popup+"))) {
            pick(box, box->currentIndex() + step.mid(6).toInt());
        } else {
            box->setFocus();
            QTest::keyClick(box, step == QLatin1String("down") ? Qt::Key_Down : Qt::Key_Return);
        }
    }
}

QString statusOf(MainWindow &window)
{
    return window.findChild<ElidedLabel *>(QStringLiteral("statusLine"))->fullText();
}

QDialog *waitDialogOf(MainWindow &window)
{
    return window.findChild<QDialog *>(QStringLiteral("waitDialog"));
}

// The window's scraper, made by a version choice if there is none yet.
QuibScraper *scraperOf(MainWindow &window)
{
    if (!window.findChild<QuibScraper *>())
        pick(Widgets(window).version, 1);
    return window.findChild<QuibScraper *>();
}

// Closes the next modal box that opens and remembers its title and text.
// It may go out of scope still waiting: its watch ends with it.
struct ModalCloser {
    void arm()
    {
        QTimer::singleShot(50, &watch, [this] { closeWhenShown(); });
    }
    // Arms, then waits until a box with `expected` as its title was closed;
    // other boxes are left alone.
    bool closes(const QString &expected, int timeoutMs = 20000)
    {
        expect(expected);
        return closed(timeoutMs);
    }
    void expect(const QString &expected)
    {
        wanted = expected;
        arm();
    }
    bool closed(int timeoutMs = 20000)
    {
        return QTest::qWaitFor([this] { return title == wanted; }, timeoutMs);
    }
    void closeWhenShown()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || (!wanted.isEmpty() && box->windowTitle() != wanted)) {
            arm();
            return;
        }
        text = box->text();
        informative = box->informativeText();
        pixmapSize = box->iconPixmap().size();
        if (auto *copy = box->findChild<QPushButton *>(QStringLiteral("copyReferenceButton"))) {
            copy->click();
            copied = QGuiApplication::clipboard()->text();
            stayedOpen = box->isVisible();
        }
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            okText = ok->text();
        title = box->windowTitle();
        box->accept();
    }
    QString wanted;
    QString title;
    QString text;
    QString informative;
    QString copied;
    QString okText;
    bool stayedOpen = false;
    QSize pixmapSize;
    QObject watch;
};

// Where the last save dialog answered by the test was opened, and with what name.
QString g_proposedFile;

void confirmReplacing();

// Answers the next save dialog with `path`.
void answerSaveDialog(const QString &path)
{
    QTimer::singleShot(50, [path] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            answerSaveDialog(path);
            return;
        }
        // Typed into the name field, as a user would.
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        g_proposedFile = QDir(dialog->directory()).filePath(name->text());
        name->setText(path);
        QTimer::singleShot(0, dialog, &QDialog::accept);
        if (QFileInfo::exists(path))
            confirmReplacing();
    });
}

// Says yes when the save dialog asks whether to replace the file.
void confirmReplacing()
{
    QTimer::singleShot(50, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->button(QMessageBox::Yes)) {
            confirmReplacing();
            return;
        }
        box->button(QMessageBox::Yes)->click();
    });
}

// Clicks `button` and reads the save dialog it opens: its title and the
// texts of its two buttons. The dialog is cancelled.
QStringList readSaveDialog(QPushButton *button)
{
    QStringList texts;
    std::function<void()> read = [&texts, &read] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            QTimer::singleShot(50, read);
            return;
        }
        texts << dialog->windowTitle() << dialog->labelText(QFileDialog::Accept)
              << dialog->labelText(QFileDialog::Reject);
        dialog->reject();
    };
    QTimer::singleShot(50, read);
    button->click();
    return texts;
}

// The width the window's rows need: idle, and with Pause and Cancel beside
// the link as while a file downloads.
struct RowWidths {
    int idle = 0;
    int downloading = 0;
};

RowWidths rowWidths(MainWindow &window)
{
    RowWidths widths;
    widths.idle = window.centralWidget()->minimumSizeHint().width();
    // As while a file downloads: Pause in the advert's place, Cancel for Download.
    window.findChild<QPushButton *>(QStringLiteral("pauseButton"))->show();
    window.findChild<QLabel *>(QStringLiteral("advertLabel"))->hide();
    window.findChild<QPushButton *>(QStringLiteral("downloadButton"))
        ->setText(QCoreApplication::translate("MainWindow", "Cancel"));
    window.centralWidget()->layout()->invalidate();
    window.centralWidget()->layout()->activate();
    widths.downloading = window.centralWidget()->minimumSizeHint().width();
    return widths;
}

// The widths in English, installed for the moment.
RowWidths englishRowWidths()
{
    installWindowLanguage(QLocale(QStringLiteral("en_US")));
    MainWindow window(testParts());
    window.show();
    const RowWidths widths = rowWidths(window);
    window.close();
    return widths;
}

// Clicks the button named `buttonName` in the next box that has one, and
// remembers the box's title in `title`, when given.
void clickInNextBox(const QString &buttonName, QString *title = nullptr)
{
    QTimer::singleShot(50, [buttonName, title] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QPushButton *button = box ? box->findChild<QPushButton *>(buttonName) : nullptr;
        if (!button) {
            clickInNextBox(buttonName, title);
            return;
        }
        if (title)
            *title = box->windowTitle();
        button->click();
    });
}

// Clicks `buttonName` in the question box open over the window once the
// download has ended under it: the completion box that came up over the
// question is closed first, by `done`.
void clickOnceCompleted(ModalCloser &done, const QString &buttonName, QString *title)
{
    done.expect(QStringLiteral("Download Complete"));
    auto *poll = new QTimer(&done.watch);
    QObject::connect(poll, &QTimer::timeout, poll, [&done, poll, buttonName, title] {
        if (done.title != done.wanted)
            return;
        poll->stop();
        clickInNextBox(buttonName, title);
    });
    poll->start(50);
}

// Starts `faults` with its next `gets` file answers sent at `bytesPerSecond`.
bool startDripping(FaultServer &faults, int bytesPerSecond, int gets = 1)
{
    const QString drip = QStringLiteral("drip %1 %2").arg(bytesPerSecond).arg(gets);
    return faults.start() && faults.command(drip) == QStringLiteral("OK ") + drip;
}

// The part beside `path` for `url`, and whether its record says what it holds.
bool partIsKept(const QString &url, const QString &path)
{
    const QString part = DownloadManager::makeTempFilePath(url, path);
    return QFileInfo(part).size() > 0 && readPartRecord(part).has_value();
}

// A loopback port on which nothing answers: loads fail at once.
QString deadOrigin()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}

// A link the page offers for edition "1".
DownloadOption offered(const QString &language, const QString &architecture, const QString &url)
{
    DownloadOption option;
    option.versionId = QStringLiteral("1");
    option.language = language;
    option.architecture = architecture;
    option.url = url;
    return option;
}

// Walks the window through the page's lists as the page offers them, as
// far as `shown` of them: 1 one edition ("1"), 2 also two languages (the
// window chooses the first).
void offerLists(MainWindow &window, int shown)
{
    QuibScraper *scraper = scraperOf(window);
    if (shown >= 1)
        Q_EMIT scraper->versionsExtracted({{QStringLiteral("1"), QStringLiteral("Windows 11"), true}});
    if (shown >= 2)
        scraper->reportLanguages(languageList({"English (United States)|English", "German|German"}));
}

// Walks the window through one edition and two languages, then offers
// `options` for the language it chose.
void offerLinks(MainWindow &window, QList<DownloadOption> options)
{
    offerLists(window, 2);
    for (DownloadOption &option : options) {
        option.versionId = QStringLiteral("1");
        option.language = QStringLiteral("English (United States)");
    }
    Q_EMIT scraperOf(window)->downloadLinksExtracted(options);
}

} // namespace

// The desktop's notification service, as the window reaches it over the
// session bus: it keeps "summary|body" of every notice.
class NotificationService final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList notices;
public Q_SLOTS:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &, const QVariantMap &, int)
    {
        notices << summary + QLatin1Char('|') + body;
        return uint(notices.size());
    }
};

class TestMainWindow : public QObject {
    Q_OBJECT

public Q_SLOTS:
    // Where "Show in Folder" sends the desktop.
    void openedUrl(const QUrl &url) { m_opened = url; }

private:
    QUrl m_opened;

private Q_SLOTS:
    void initTestCase()
    {
        qRegisterMetaType<ScraperState>();
        QApplication::setWindowIcon(QIcon(QStringLiteral(TRAVONIX_SOURCE_DIR "/resources/AppIcon.ico")));
        QVERIFY(!QApplication::windowIcon().isNull());
        platform::SystemServices::setInstance(&m_system);
        m_deadOrigin = deadOrigin();
        startPrivateSessionBus();
    }
    void cleanupTestCase()
    {
        platform::SystemServices::setInstance(nullptr);
        m_sessionBus.kill();
        m_sessionBus.waitForFinished();
    }
    void init()
    {
        m_system.version = {10, 0};
        m_system.locale = "en-US";
        QVERIFY(setSiteOrigin(m_deadOrigin));
    }

    // The page's 38 languages in the page's order: every language, every
    // localized name and every locale names exactly its own row, also where
    // one name contains another ("Portuguese", "Brazilian Portuguese").
    void languageRows_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("isLocale");
        QTest::addColumn<QStringList>("expected"); // languages of the rows it stands for
        for (const QString &row : replicaLanguageRows()) {
            const QString language = row.section(QLatin1Char('|'), 1, 1);
            QTest::addRow("language %s", qPrintable(language)) << language << false << QStringList{language};
            QTest::addRow("name %s", qPrintable(row.section(QLatin1Char('|'), 0, 0)))
                << row.section(QLatin1Char('|'), 0, 0) << false << QStringList{language};
        }
        const QList<QPair<const char *, const char *>> locales{{"pt-PT", "Portuguese"},
                                                               {"pt-BR", "Brazilian Portuguese"},
                                                               {"fr-CA", "French Canadian"},
                                                               {"fr-FR", "French"},
                                                               {"es-MX", "Spanish (Mexico)"},
                                                               {"es-ES", "Spanish"},
                                                               {"en-GB", "English (United Kingdom)"},
                                                               {"en-US", "English"},
                                                               {"zh-TW", "Chinese (Traditional)"},
                                                               {"zh-HK", "Chinese (Traditional)"},
                                                               {"zh-CN", "Chinese (Simplified)"},
                                                               {"sr-Latn-RS", "Serbian Latin"},
                                                               {"nb-NO", "Norwegian"},
                                                               {"nn-NO", "Norwegian"},
                                                               {"pt_BR.UTF-8", "Brazilian Portuguese"},
                                                               {"DE-de", "German"}};
        for (const auto &[locale, language] : locales)
            QTest::addRow("locale %s", locale) << locale << true << QStringList{language};
        QTest::newRow("any case") << "PORTUGUESE" << false << QStringList{"Portuguese"};
        QTest::newRow("brackets aside") << "spanish mexico" << false << QStringList{"Spanish (Mexico)"};
        QTest::newRow("part of one name") << "canad" << false << QStringList{"French Canadian"};
        QTest::newRow("part of two names") << "portug" << false << QStringList{"Brazilian Portuguese", "Portuguese"};
        QTest::newRow("no such language") << "klingon" << false << QStringList{};
        QTest::newRow("unknown locale: English") << "xx-XX" << true << QStringList{"English"};
    }
    void languageRows()
    {
        QFETCH(QString, query);
        QFETCH(bool, isLocale);
        QFETCH(QStringList, expected);
        const QList<LanguageInfo> languages = languageList(replicaLanguageRows());
        const auto languagesOf = [&languages](const QList<int> &rows) {
            QStringList named;
            for (int row : rows)
                named << languages.at(row).language;
            return named;
        };
        const QStringList byName = languagesOf(rowsForLanguageName(languages, query));
        if (!isLocale) {
            QCOMPARE(byName, expected);
            return;
        }
        QCOMPARE(languagesOf({findLanguageIndex(languages, query)}), expected);
        // Typed on the command line, a locale names the same row.
        QVERIFY(byName.isEmpty() || byName == expected);
    }

    // The product catalog's languages come by code: the locale's own, else
    // its language's, else English (United States), else the first.
    void catalogLanguageRows_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<int>("row");
        const QStringList codes{"de-de", "en-gb", "en-us", "fr-ca", "fr-fr", "pt-br"};
        QTest::newRow("exact") << "fr-FR" << codes << 4;
        QTest::newRow("underscore") << "pt_BR" << codes << 5;
        QTest::newRow("language only") << "de-AT" << codes << 0;
        QTest::newRow("first of the language") << "fr-BE" << codes << 3;
        QTest::newRow("none of the language") << "ja-JP" << codes << 2;
        QTest::newRow("no English either") << "ja-JP" << QStringList{"fr-fr", "de-de"} << 0;
        QTest::newRow("empty locale") << "" << codes << 2;
    }
    void catalogLanguageRows()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, codes);
        QFETCH(int, row);
        QList<LanguageInfo> languages;
        for (const QString &code : codes)
            languages << LanguageInfo{code, code.toUpper(), code, true};
        QCOMPARE(CatalogChoices::defaultLanguageRow(languages, locale), row);
    }

    void fallbackWithoutTheLocalesLanguage_data()
    {
        QTest::addColumn<QStringList>("languages"); // "name|language"
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("row");
        QTest::newRow("English") << QStringList{"Deutsch|German", "English International|English (United Kingdom)",
                                                "English (United States)|English"}
                                 << "ja-JP" << 2;
        QTest::newRow("English only by name") << QStringList{"Deutsch|German", "English (US)|"} << "ja-JP" << 1;
        QTest::newRow("no English at all") << QStringList{"Deutsch|German", "Suomi|Finnish"} << "nb-NO" << 0;
        QTest::newRow("empty language never matches") << QStringList{"Deutsch|", "Suomi|Finnish"} << "de-DE" << 0;
        // The Evaluation Center's rows are cultures.
        const QStringList cultures{"English (United States)|en-US", "English (United Kingdom)|en-GB",
                                   "German (Germany)|de-DE", "French (France)|fr-FR"};
        QTest::newRow("a culture's own row") << cultures << "de_DE.UTF-8" << 2;
        QTest::newRow("another culture of its language") << cultures << "de-AT" << 2;
        QTest::newRow("English of another country") << cultures << "en_GB" << 1;
        QTest::newRow("no culture of its language") << cultures << "ja-JP" << 0;
    }
    void fallbackWithoutTheLocalesLanguage()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, locale);
        QFETCH(int, row);
        QCOMPARE(findLanguageIndex(languageList(languages), locale), row);
    }

    void sizes_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("bytes") << qint64(512) << "512 B";
        QTest::newRow("negative") << qint64(-5) << "-5 B";
        QTest::newRow("one KB") << qint64(1024) << "1.00 KB";
        QTest::newRow("just below a MB") << qint64(1048575) << "1024.00 KB";
        QTest::newRow("one and a half MB") << qint64(1572864) << "1.50 MB";
        QTest::newRow("ISO") << qint64(5798428672) << "5.40 GB";
    }
    void sizes()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(formatSize(bytes), text);
    }

    void timeLeft_data()
    {
        QTest::addColumn<qint64>("bytesLeft");
        QTest::addColumn<double>("speed");
        QTest::addColumn<QString>("text");
        QTest::newRow("no speed") << qint64(1000) << 0.0 << "0s";
        QTest::newRow("seconds, truncated") << qint64(4599) << 100.0 << "45s";
        QTest::newRow("minutes") << qint64(150) << 1.0 << "2m 30s";
        QTest::newRow("hours") << qint64(3900) << 1.0 << "1h 5m";
    }
    void timeLeft()
    {
        QFETCH(qint64, bytesLeft);
        QFETCH(double, speed);
        QFETCH(QString, text);
        QCOMPARE(formatTimeLeft(bytesLeft, speed), text);
        QVERIFY(downloadStatusLine(100, 100 + bytesLeft, speed).endsWith(QLatin1String("ETA: ") + text));
    }

    void expiryFromP1_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<qint64>("seconds"); // 0: no expiry
        const auto link = [](const char *query) {
            return QStringLiteral("https://software.download.prss.microsoft.com/dbazure/Win11_25H2_English_x64.iso")
                + QLatin1String(query);
        };
        QTest::newRow("page link") << link("?t=2c8c2b1f&P1=1765324800&P2=601&P3=2&P4=q1Zx%2bKJ3") << qint64(1765324800);
        QTest::newRow("first item") << link("?P1=1700000000") << qint64(1700000000);
        QTest::newRow("none") << link("?t=fake") << qint64(0);
        QTest::newRow("not a number") << link("?P1=soon") << qint64(0);
        QTest::newRow("zero") << link("?P1=0") << qint64(0);
        QTest::newRow("negative") << link("?P1=-1") << qint64(0);
        QTest::newRow("latest a date holds") << link("?P1=9223372036854775") << qint64(9223372036854775);
        QTest::newRow("past any date") << link("?P1=9223372036854776") << qint64(0);
        QTest::newRow("largest number") << link("?P1=9223372036854775807") << qint64(0);
    }
    void expiryFromP1()
    {
        QFETCH(QString, link);
        QFETCH(qint64, seconds);
        const std::optional<QDateTime> expiry = linkExpiry(link);
        QCOMPARE(expiry ? expiry->toSecsSinceEpoch() : 0, seconds);
        QCOMPARE(linkValidityText(link).isEmpty(), !expiry);
    }

    // The whole road as a user takes it, with the ISO served by nginx.
    void userFlowEndsInTheSameFile_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("file");
        QTest::newRow("pt_PT") << QByteArray("pt_PT") << "Portuguese"
                               << "Win11_25H2_Portuguese_x64.iso";
        QTest::newRow("fr_CA") << QByteArray("fr_CA") << "French Canadian"
                               << "Win11_25H2_FrenchCanadian_x64.iso";
        QTest::newRow("es_MX") << QByteArray("es_MX") << "Spanish (Mexico)"
                               << "Win11_25H2_Spanish_Mexico_x64.iso";
        QTest::newRow("zh-TW") << QByteArray("zh-TW") << "Chinese Traditional"
                               << "Win11_25H2_Chinese_Traditional_x64.iso";
    }
    void userFlowEndsInTheSameFile()
    {
        QFETCH(QByteArray, locale);
        QFETCH(QString, language);
        QFETCH(QString, file);
        QTemporaryDir root;
        NginxServer nginx;
        QVERIFY(nginx.start(root.path()));
        ReplicaServer replica;
        QVERIFY(replica.start({QStringLiteral("--iso-base"), nginx.httpOrigin() + QStringLiteral("/isos")}));
        QVERIFY(setSiteOrigin(replica.origin()));
        // nginx serves bytes of its own: a page without the table.
        QCOMPARE(replica.command(QStringLiteral("verify off")), QStringLiteral("OK verify off"));
        m_system.locale = locale.toStdString();

        MainWindow window(testParts(ScraperTimings()));
        window.show();
        Widgets w(window);
        pick(w.version, 1);
        QCOMPARE(w.version->currentText(), QStringLiteral("Windows 11"));
        QTRY_VERIFY_WITH_TIMEOUT(!w.link->text().isEmpty(), 30000);
        QCOMPARE(w.edition->currentIndex(), w.edition->count() - 1);
        QCOMPARE(w.language->currentText(), language);
        QCOMPARE(w.architecture->currentIndex(), 0);
        w.buttons.value(QStringLiteral("Copy Link"))->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), w.link->text());

        // The ISO the link names, as nginx will serve it.
        const QString fileName = QUrl(w.link->text()).fileName();
        QCOMPARE(fileName, file);
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("isos")));
        const QByteArray served = FaultServer::body(0, 3 * 1024 * 1024 + 7);
        QFile iso(root.filePath(QStringLiteral("isos/") + fileName));
        QVERIFY(iso.open(QIODevice::WriteOnly));
        iso.write(served);
        iso.close();

        QTemporaryDir target;
        const QString path = target.filePath(QStringLiteral("Win11.iso"));
        answerSaveDialog(path);
        w.buttons.value(QStringLiteral("Download"))->click();
        ModalCloser closer;
        QVERIFY(closer.closes(QStringLiteral("Download Complete")));
        QVERIFY(closer.text.endsWith(
            QLatin1String("Microsoft publishes no SHA-256 for this file, so it was not checked.")));
        QCOMPARE(w.progress->value(), 100);
        QFile result(path);
        QVERIFY(result.open(QIODevice::ReadOnly));
        QVERIFY(result.readAll() == served);
    }

    // An evaluation ISO from the Version box to the file, with the product's
    // delays: the link shown is the file's own address, and the file is kept
    // with its SHA-256 shown, as Microsoft publishes none.
    void evaluationIsoFromTheVersionBox()
    {
        ReplicaServer replica;
        QVERIFY(serveReplica(replica));
        MainWindow window(testParts(ScraperTimings()));
        window.show();
        Widgets w(window);
        pick(w.version, w.version->findText(QStringLiteral("Windows Server 2019 (evaluation)")));
        QTRY_VERIFY_WITH_TIMEOUT(!w.link->text().isEmpty(), 30000);
        QCOMPARE(w.language->currentText(), QStringLiteral("English (United States)"));
        QVERIFY(w.link->text().endsWith(QLatin1String("_SERVER_EVAL_x64FRE_en-us.iso")));
        QTemporaryDir target;
        const QString path = target.filePath(QStringLiteral("Server2019.iso"));
        answerSaveDialog(path);
        w.buttons.value(QStringLiteral("Download"))->click();
        ModalCloser closer;
        QVERIFY(closer.closes(QStringLiteral("Download Complete")));
        QFile result(path);
        QVERIFY(result.open(QIODevice::ReadOnly));
        const QByteArray bytes = result.readAll();
        QCOMPARE(bytes.size(), 1 << 20);
        QVERIFY(closer.text.contains(
            QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toUpper())));
    }

    // Evaluation links that do not lead to their ISO, with the product's
    // delays: a dead Arm64 link leaves x64 offered with a note; a link to a
    // web page and a file of another language than its label offer nothing.
    void evaluationLinksThatMisleadAreNotOffered()
    {
        ReplicaServer replica;
        QVERIFY(serveReplica(replica, {QStringLiteral("evalcenter armdead")}));
        MainWindow window(testParts(ScraperTimings()));
        window.show();
        Widgets w(window);
        pick(w.version, w.version->findText(QStringLiteral("Windows 11 IoT Enterprise LTSC (evaluation)")));
        QTRY_VERIFY_WITH_TIMEOUT(!w.link->text().isEmpty(), 30000);
        QVERIFY(w.link->text().endsWith(QLatin1String("_IOT_LTSC_EVAL_x64FRE_en-us.iso")));
        QCOMPARE(w.architecture->count(), 1);
        QCOMPARE(w.architecture->currentText(), QStringLiteral("x64"));
        QVERIFY2(statusOf(window).contains(QLatin1String("arm64 ISO is left out")), qPrintable(statusOf(window)));

        const struct {
            const char *evalcenter;
            const char *product;
            const char *language;
            const char *title;
        } misleading[] = {{"pagelink", "Windows Server 2022 (evaluation)", nullptr, "Link Leads to a Web Page"},
                          {"mislabel", "Windows Server 2025 (evaluation)", "German (Germany)",
                           "Wrong Language Offered"}};
        for (const auto &row : misleading) {
            QCOMPARE(replica.command(QStringLiteral("evalcenter %1").arg(QLatin1String(row.evalcenter))),
                     QStringLiteral("OK evalcenter %1").arg(QLatin1String(row.evalcenter)));
            ModalCloser box;
            box.arm();
            pick(w.version, w.version->findText(QLatin1String(row.product)));
            if (row.language) {
                // The English link first, then the language whose file slips.
                QTRY_VERIFY_WITH_TIMEOUT(!w.link->text().isEmpty(), 30000);
                pick(w.language, w.language->findText(QLatin1String(row.language)));
            }
            QTRY_COMPARE_WITH_TIMEOUT(box.title, QLatin1String(row.title), 30000);
            QCOMPARE(w.architecture->count(), 0);
            QVERIFY(w.link->text().isEmpty());
            QVERIFY(!w.buttons.value(QStringLiteral("Download"))->isEnabled());
        }
    }

    // Each choice in turn ends in its own link, with the product's delays,
    // while a third-party script of the page writes the product's tags and
    // defines its page functions with fake answers.
    void everyChoiceGetsItsOwnLink()
    {
        ReplicaServer replica;
        QVERIFY(serveReplica(replica, {QStringLiteral("thirdparty on")}));
        MainWindow window(testParts(ScraperTimings()));
        window.show();
        Widgets w(window);
        const QList<QPair<int, QString>> versions{{1, QStringLiteral("Win11_25H2_English_x64.iso")},
                                                  {0, QStringLiteral("Win10_22H2_English_x64v1.iso")},
                                                  {2, QStringLiteral("Win11_25H2_English_Arm64_v2.iso")},
                                                  {1, QStringLiteral("Win11_25H2_English_x64.iso")}};
        int choices = 0;
        for (const auto &[index, file] : versions) {
            pick(w.version, index);
            QTRY_VERIFY_WITH_TIMEOUT(!w.link->text().isEmpty(), 30000);
            QCOMPARE(QUrl(w.link->text()).fileName(), file);
            QCOMPARE(w.language->currentText(), QStringLiteral("English (United States)"));
            QCOMPARE(replica.count(QStringLiteral("links")), ++choices);
        }
        pick(w.language, w.language->findText(QStringLiteral("German")));
        QTRY_VERIFY_WITH_TIMEOUT(!w.link->text().isEmpty(), 30000);
        QCOMPARE(QUrl(w.link->text()).fileName(), QStringLiteral("Win11_25H2_German_x64.iso"));
        QCOMPARE(replica.count(QStringLiteral("links")), ++choices);

        QTemporaryDir target;
        const QString path = target.filePath(QStringLiteral("Win11_German.iso"));
        answerSaveDialog(path);
        w.buttons.value(QStringLiteral("Download"))->click();
        ModalCloser closer;
        QVERIFY(closer.closes(QStringLiteral("Download Complete")));
        QCOMPARE(QFileInfo(path).size(), qint64(1024 * 1024));
        QCOMPARE(replica.count(QStringLiteral("thirdparty")), 0);
        QCOMPARE(replica.count(QStringLiteral("links")), choices);

        // Links for another language than the one chosen are never offered.
        QCOMPARE(replica.command(QStringLiteral("linklanguage Brazilian%20Portuguese")),
                 QStringLiteral("OK linklanguage Brazilian%20Portuguese"));
        ModalCloser mismatch;
        mismatch.arm();
        pick(w.language, w.language->findText(QStringLiteral("Portuguese")));
        QTRY_COMPARE_WITH_TIMEOUT(mismatch.title, QStringLiteral("Wrong Language Offered"), 30000);
        QVERIFY2(mismatch.text.startsWith(QLatin1String("The page offered links for Brazilian Portuguese, not "
                                                        "Portuguese.")),
                 qPrintable(mismatch.text));
        QCOMPARE(w.architecture->count(), 0);
        QVERIFY(w.link->text().isEmpty());
        QVERIFY(!w.buttons.value(QStringLiteral("Download"))->isEnabled());
        QVERIFY(w.language->isEnabled());
    }

    // Each download is checked against the SHA-256 the page publishes: a
    // whole one, a resumed one, one whose bytes were altered, and one from a
    // page without the table.
    void downloadsAreCheckedAgainstThePublishedValues()
    {
        ReplicaServer replica;
        QVERIFY(serveReplica(replica));
        MainWindow window(testParts(ScraperTimings()));
        window.show();
        Widgets w(window);
        pick(w.version, 1);
        QTRY_VERIFY_WITH_TIMEOUT(!w.link->text().isEmpty(), 30000);
        QTemporaryDir target;
        const auto download = [&](const QString &name, const QString &title) {
            const QString path = target.filePath(name);
            answerSaveDialog(path);
            ModalCloser closer;
            closer.expect(title);
            w.buttons.value(QStringLiteral("Download"))->click();
            return closer.closed() ? closer.text : QString();
        };
        const QString whole = download(QStringLiteral("whole.iso"), QStringLiteral("Download Complete"));
        const QRegularExpression matches(QStringLiteral("matches the value Microsoft publishes:\n([0-9A-F]{64})$"));
        const QString published = matches.match(whole).captured(1);
        QVERIFY2(!published.isEmpty(), qPrintable(whole));
        // The same file again: it is already there and kept, nothing is fetched.
        const QString kept = download(QStringLiteral("whole.iso"), QStringLiteral("Already Downloaded"));
        QVERIFY2(kept.contains(published), qPrintable(kept));
        QCOMPARE(w.buttons.value(QStringLiteral("Download"))->text(), QStringLiteral("Download"));
        QVERIFY(statusOf(window).startsWith(QLatin1String("Kept the verified file already there")));
        QVERIFY(!QFile::exists(
            DownloadManager::makeTempFilePath(w.link->text(), target.filePath(QStringLiteral("whole.iso")))));

        // A large file already there that is not the published one: the
        // window goes on while it is read, and the download replaces it.
        const QString large = target.filePath(QStringLiteral("large.iso"));
        QFile sparse(large);
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(1024LL * 1024 * 1024));
        sparse.close();
        answerSaveDialog(large);
        ModalCloser replaced;
        replaced.expect(QStringLiteral("Download Complete"));
        QElapsedTimer clicking;
        clicking.start();
        w.buttons.value(QStringLiteral("Download"))->click();
        QVERIFY2(clicking.elapsed() < 1000, qPrintable(QString::number(clicking.elapsed())));
        QVERIFY(replaced.closed(60000));
        QCOMPARE(QFileInfo(large).size(), qint64(1024 * 1024));

        QFile source(target.filePath(QStringLiteral("whole.iso")));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QString resumedPath = target.filePath(QStringLiteral("resumed.iso"));
        QFile part(DownloadManager::makeTempFilePath(w.link->text(), resumedPath));
        QVERIFY(part.open(QIODevice::WriteOnly));
        part.write(source.read(400000));
        part.close();
        clickInNextBox(QStringLiteral("continuePartButton"));
        QVERIFY(download(QStringLiteral("resumed.iso"), QStringLiteral("Download Complete")).endsWith(published));

        QCOMPARE(replica.command(QStringLiteral("tamper on")), QStringLiteral("OK tamper on"));
        QFile older(target.filePath(QStringLiteral("older.iso")));
        QVERIFY(older.open(QIODevice::WriteOnly) && older.write("an older download") > 0);
        older.close();
        const QString refused = download(QStringLiteral("older.iso"), QStringLiteral("Download Not Verified"));
        QVERIFY2(refused.contains(QStringLiteral("Published: ") + published), qPrintable(refused));
        QVERIFY(QRegularExpression(QStringLiteral("Downloaded: [0-9A-F]{64}")).match(refused).hasMatch());
        QVERIFY(older.open(QIODevice::ReadOnly) && older.readAll() == "an older download");
        QCOMPARE(QFileInfo(older.fileName() + QStringLiteral(".unverified")).size(), qint64(1024 * 1024));
        older.close();

        // Another language's file under the chosen name is not the file chosen.
        QCOMPARE(replica.command(QStringLiteral("tamper off")), QStringLiteral("OK tamper off"));
        QCOMPARE(replica.command(QStringLiteral("isobody Brazilian%20Portuguese")),
                 QStringLiteral("OK isobody Brazilian%20Portuguese"));
        const QString other = download(QStringLiteral("older.iso"), QStringLiteral("Download Not Verified"));
        QVERIFY2(other.contains(QLatin1String("Brazilian Portuguese")) && other.contains(QLatin1String("English")),
                 qPrintable(other));
        QVERIFY(older.open(QIODevice::ReadOnly) && older.readAll() == "an older download");
        QCOMPARE(QFileInfo(older.fileName() + QStringLiteral(".unverified")).size(), qint64(1024 * 1024));
    }

    // Copy Link and Download on an expired link first get a fresh one for
    // the same choices.
    void expiredLinksAreFetchedAgain()
    {
        ReplicaServer replica;
        QVERIFY(serveReplica(replica, {QStringLiteral("linklife 2")}));
        MainWindow window(testParts(ScraperTimings()));
        window.show();
        Widgets w(window);
        pick(w.version, 1);
        QTRY_VERIFY_WITH_TIMEOUT(!w.link->text().isEmpty(), 30000);
        QVERIFY(statusOf(window).startsWith(QLatin1String("Link valid until ")));
        for (const char *button : {"Copy Link", "Download"}) {
            const QString expired = w.link->text();
            QTRY_VERIFY_WITH_TIMEOUT(linkExpired(expired), 5000);
            if (button == QLatin1String("Download"))
                QCOMPARE(replica.command(QStringLiteral("linklife 86400")), QStringLiteral("OK linklife 86400"));
            QGuiApplication::clipboard()->clear();
            QTemporaryDir target;
            const QString path = target.filePath(QStringLiteral("fresh.iso"));
            if (button == QLatin1String("Download"))
                answerSaveDialog(path);
            // Armed before the click: the download may end, and its box
            // open, while the fresh link is still being waited for.
            ModalCloser closer;
            if (button == QLatin1String("Download"))
                closer.expect(QStringLiteral("Download Complete"));
            w.buttons.value(QLatin1String(button))->click();
            QTRY_VERIFY_WITH_TIMEOUT(w.link->text() != expired, 30000);
            if (button == QLatin1String("Copy Link")) {
                QTRY_COMPARE(QGuiApplication::clipboard()->text(), w.link->text());
                continue;
            }
            QVERIFY(closer.closed());
            QCOMPARE(QFileInfo(path).size(), qint64(1024 * 1024));
        }
        QCOMPARE(replica.count(QStringLiteral("links")), 3);
    }

    // The file server refuses the link of a download under way: a fresh link
    // for the same choices continues the same part; refused as well, Retry
    // asks for another.
    void refusedLinkIsRenewedAndThePartContinued_data()
    {
        QTest::addColumn<int>("refusals");
        QTest::addColumn<QString>("freshArchitecture");
        QTest::newRow("link refused") << 1 << QStringLiteral("x64");
        QTest::newRow("fresh link refused too") << 2 << QStringLiteral("x64");
        QTest::newRow("fresh links without the architecture") << 1 << QStringLiteral("arm64");
    }
    void refusedLinkIsRenewedAndThePartContinued()
    {
        QFETCH(int, refusals);
        QFETCH(QString, freshArchitecture);
        FaultServer faults;
        QVERIFY(faults.start());
        MainWindow window(testParts());
        window.show();
        Widgets w(window);
        const QString url = faults.fileUrl(QStringLiteral("Win11.iso"), 1024 * 1024);
        offerLinks(window, {offered(QString(), QStringLiteral("x64"), url + QStringLiteral("&t=first"))});
        QTemporaryDir target;
        const QString path = target.filePath(QStringLiteral("renewed.iso"));
        QFile part(DownloadManager::makeTempFilePath(url, path));
        QVERIFY(part.open(QIODevice::WriteOnly) && part.write(FaultServer::body(0, 400000)) == 400000);
        part.close();
        const QString refuse = QStringLiteral("status 403 %1").arg(refusals);
        QCOMPARE(faults.command(refuse), QStringLiteral("OK ") + refuse);
        clickInNextBox(QStringLiteral("continuePartButton"));
        answerSaveDialog(path);
        w.buttons.value(QStringLiteral("Download"))->click();
        QTRY_VERIFY(statusOf(window).startsWith(QLatin1String("The link expired during the download")));
        QVERIFY(waitDialogOf(window)->isVisible());
        ModalCloser closer;
        closer.expect(QLatin1String(refusals > 1 ? "Download Error" : "Download Complete"));
        Q_EMIT scraperOf(window)->downloadLinksExtracted(
            {offered(QStringLiteral("English (United States)"), freshArchitecture, url + QStringLiteral("&t=fresh"))});
        if (freshArchitecture != QLatin1String("x64")) {
            // Another architecture's image never continues this part.
            QVERIFY(statusOf(window).contains(QLatin1String("no longer offers the x64 ISO")));
            QCOMPARE(w.buttons.value(QStringLiteral("Download"))->text(), QStringLiteral("Download"));
            QVERIFY(!faults.requests().last().path.contains(QLatin1String("t=fresh")));
            QCOMPARE(QFileInfo(part.fileName()).size(), qint64(400000));
            return;
        }
        QVERIFY(closer.closed());
        if (refusals > 1) {
            QSignalSpy states(scraperOf(window), &QuibScraper::stateChanged);
            window.findChild<QPushButton *>(QStringLiteral("retryButton"))->click();
            QCOMPARE(states.first().at(0).value<ScraperState>(), ScraperState::SubmittingSelection);
            return;
        }
        QCOMPARE(faults.requests().last().range, QStringLiteral("bytes=400000-"));
        QFile result(path);
        QVERIFY(result.open(QIODevice::ReadOnly) && result.readAll() == FaultServer::body(0, 1024 * 1024));
    }

    // A choice made while a file downloads, and whatever the page still
    // sends, leave the download, its boxes and its Cancel alone.
    void downloadKeepsItsChoices()
    {
        FaultServer faults;
        QVERIFY(faults.start());
        QCOMPARE(faults.command(QStringLiteral("drip 500000")), QStringLiteral("OK drip 500000"));
        MainWindow window(testParts());
        window.show();
        Widgets w(window);
        const QString url = faults.fileUrl(QStringLiteral("Win11.iso"), 1024 * 1024);
        offerLinks(window, {offered(QString(), QStringLiteral("x64"), url)});
        QTemporaryDir target;
        const QString path = target.filePath(QStringLiteral("kept.iso"));
        answerSaveDialog(path);
        QPushButton *download = w.buttons.value(QStringLiteral("Download"));
        QStringList formats;
        QObject::connect(window.findChild<DownloadManager *>(), &DownloadManager::progress, &window,
                         [&] { formats << w.progress->format(); });
        download->click();
        QCOMPARE(download->text(), QStringLiteral("Cancel"));
        // The percentage alone until there is a speed to tell, then the whole line.
        QTRY_VERIFY(statusOf(window).startsWith(QLatin1String("Downloaded: ")));
        QCOMPARE(formats.first(), QStringLiteral("%p%"));

        pick(w.language, 1);
        const QList<DownloadOption> late{offered(QStringLiteral("English (United States)"), QStringLiteral("x86"),
                                                 QStringLiteral("https://h/late.iso"))};
        QuibScraper *scraper = scraperOf(window);
        Q_EMIT scraper->downloadLinksExtracted(late);
        Q_EMIT scraper->error(QStringLiteral("late"));
        QCOMPARE(w.language->currentText(), QStringLiteral("English (United States)"));
        QCOMPARE(w.link->text(), url);
        for (QComboBox *box : {w.version, w.edition, w.language, w.architecture})
            QVERIFY(!box->isEnabled());
        QVERIFY(download->isEnabled());
        QCOMPARE(download->text(), QStringLiteral("Cancel"));
        QVERIFY(!waitDialogOf(window)->isVisible());

        ModalCloser closer;
        QVERIFY(closer.closes(QStringLiteral("Download Complete")));
        QCOMPARE(QFileInfo(path).size(), qint64(1024 * 1024));
    }

    // Copy Link with a link that ran out during a download: the fresh link
    // is copied and the wait for it ends, the download and its boxes stay;
    // a page that fails to answer ends the wait as well.
    void copyLinkDuringADownload_data()
    {
        QTest::addColumn<bool>("pageAnswers");
        QTest::newRow("fresh link copied") << true;
        QTest::newRow("page fails") << false;
    }
    void copyLinkDuringADownload()
    {
        QFETCH(bool, pageAnswers);
        FaultServer faults;
        QVERIFY(startDripping(faults, 100000, 100));
        MainWindow window(testParts());
        window.show();
        Widgets w(window);
        const QString url = faults.fileUrl(QStringLiteral("Win11.iso"), 4 * 1024 * 1024);
        const QString expiring = url + QStringLiteral("&P1=") + QString::number(QDateTime::currentSecsSinceEpoch() + 1);
        offerLinks(window, {offered(QString(), QStringLiteral("x64"), expiring)});
        QTemporaryDir target;
        answerSaveDialog(target.filePath(QStringLiteral("copied.iso")));
        QPushButton *download = w.buttons.value(QStringLiteral("Download"));
        download->click();
        QTRY_VERIFY(w.progress->value() > 0);
        QTRY_VERIFY_WITH_TIMEOUT(linkExpired(expiring), 5000);
        QGuiApplication::clipboard()->clear();
        w.buttons.value(QStringLiteral("Copy Link"))->click();
        QVERIFY(waitDialogOf(window)->isVisible());
        const QString fresh = url + QStringLiteral("&t=fresh");
        if (pageAnswers)
            Q_EMIT scraperOf(window)->downloadLinksExtracted(
                {offered(QStringLiteral("English (United States)"), QStringLiteral("x64"), fresh)});
        else
            Q_EMIT scraperOf(window)->failed(scraperFailure(FailureKind::LoadFailed, QStringLiteral("gone")));
        QVERIFY(!waitDialogOf(window)->isVisible());
        QCOMPARE(QGuiApplication::clipboard()->text(), pageAnswers ? fresh : QString());
        QCOMPARE(download->text(), QStringLiteral("Cancel"));
        QVERIFY(window.findChild<QPushButton *>(QStringLiteral("pauseButton"))->isVisible());
        QCOMPARE(w.link->text(), expiring);
    }

    // Microsoft's refusal gets a box of its own, and the page is not asked
    // again: of the links, or already of the edition's languages.
    void pageRefusalIsExplained_data()
    {
        QTest::addColumn<QStringList>("switches");
        QTest::addColumn<int>("linkRequests");
        QTest::newRow("links refused") << QStringList{"refuse 1", "refusaltype 8"} << 1;
        QTest::newRow("languages refused") << QStringList{"refuse-languages 1"} << 0;
    }
    void pageRefusalIsExplained()
    {
        QFETCH(QStringList, switches);
        QFETCH(int, linkRequests);
        ReplicaServer replica;
        QVERIFY(serveReplica(replica, switches));
        MainWindow window(testParts(ScraperTimings()));
        window.show();
        Widgets w(window);
        pick(w.version, 1);
        ModalCloser closer;
        QVERIFY(closer.closes(QStringLiteral("Microsoft Refused the Request"), 40000));
        QVERIFY2(closer.text.startsWith(QLatin1String("We are unable to complete your request at this time.")),
                 qPrintable(closer.text));
        const QString copiedStart = QStringLiteral("Message code: 715-123130\nSession ID: ");
        QVERIFY2(closer.copied.startsWith(copiedStart), qPrintable(closer.copied));
        const QString sessionId = closer.copied.mid(copiedStart.size());
        QCOMPARE(sessionId.size(), 36);
        QVERIFY(closer.text.endsWith(sessionId + QLatin1Char('.')));
        QVERIFY(closer.informative.contains(QLatin1String("about 24 hours")));
        QVERIFY(closer.stayedOpen);
        QTest::qWait(3000);
        QCOMPARE(replica.count(QStringLiteral("links")), linkRequests);
        QVERIFY2(statusOf(window).startsWith(QLatin1String("Error: We are unable")), qPrintable(statusOf(window)));
        QCOMPARE(w.architecture->count(), 0);
        QVERIFY(w.version->isEnabled() && w.edition->isEnabled());
    }

    // Refused by the page, the window builds the ISO from Microsoft's
    // installation files instead: the product catalog's ESD, verified,
    // then made into bootable media.
    void refusalLeadsToAnIsoBuiltFromInstallationFiles_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("architecture");
        QTest::addColumn<QString>("catalogSwitch");
        QTest::addColumn<QString>("endBox");
        // What is at the ESD's place beside the ISO before: nothing, a file
        // of the user's, or the catalog's ESD that an earlier try left.
        QTest::addColumn<QString>("esdThere");
        const QString none;
        QTest::newRow("Windows 11") << QStringLiteral("win11") << QStringLiteral("x64") << QString()
                                    << QStringLiteral("ISO Built") << none;
        QTest::newRow("Windows 11 ARM64") << QStringLiteral("win11arm") << QStringLiteral("arm64") << QString()
                                          << QStringLiteral("ISO Built") << none;
        QTest::newRow("digest not the catalog's")
            << QStringLiteral("win11") << QStringLiteral("x64") << QStringLiteral("catalogdigest wrong")
            << QStringLiteral("Download Not Verified") << none;
        QTest::newRow("ESD missing") << QStringLiteral("win11") << QStringLiteral("x64")
                                     << QStringLiteral("catalogesd missing") << QStringLiteral("Download Error")
                                     << none;
        QTest::newRow("stale catalog") << QStringLiteral("win11") << QStringLiteral("x64")
                                       << QStringLiteral("catalogbuild stale") << QStringLiteral("ISO Built") << none;
        // Stopped while the ISO is written: the verified ESD stays for
        // another try, and nothing else is left.
        QTest::newRow("window closed during the build") << QStringLiteral("win11") << QStringLiteral("x64") << QString()
                                                        << QStringLiteral("closed while building") << none;
        QTest::newRow("window gone during the build") << QStringLiteral("win11") << QStringLiteral("x64") << QString()
                                                      << QStringLiteral("gone while building") << none;
        QTest::newRow("a file of the user's at the ESD's place")
            << QStringLiteral("win11") << QStringLiteral("x64") << QString() << QStringLiteral("File Already There")
            << QStringLiteral("mine");
        QTest::newRow("the ESD of an earlier try, kept")
            << QStringLiteral("win11") << QStringLiteral("x64") << QStringLiteral("catalogesd missing")
            << QStringLiteral("ISO Built") << QStringLiteral("verified");
    }
    void refusalLeadsToAnIsoBuiltFromInstallationFiles()
    {
        QFETCH(QString, product);
        QFETCH(QString, architecture);
        QFETCH(QString, catalogSwitch);
        QFETCH(QString, endBox);
        QFETCH(QString, esdThere);
        registerScraperTypes();
        ReplicaServer replica;
        QVERIFY(replica.start({QStringLiteral("--catalog")}) && setSiteOrigin(replica.origin()));
        QTemporaryDir target;
        const QString esd = target.filePath(QStringLiteral("built.esd"));
        const QByteArray mine = "the user's own file";
        QFile user(esd);
        if (esdThere == QLatin1String("mine"))
            QVERIFY(user.open(QIODevice::WriteOnly) && user.write(mine) == mine.size() && user.flush());
        else if (!esdThere.isEmpty())
            QCOMPARE(QProcess::execute(QStringLiteral("curl"),
                                       {QStringLiteral("-sfo"), esd,
                                        replica.origin() + QStringLiteral("/esd/0/a.esd")}),
                     0);
        for (const QString &line : {QStringLiteral("refuse-languages 1"), catalogSwitch}) {
            if (!line.isEmpty())
                QCOMPARE(replica.command(line), QStringLiteral("OK ") + line);
        }
        auto owned = std::make_unique<MainWindow>(testParts(ScraperTimings()));
        MainWindow &window = *owned;
        window.show();
        Widgets w(window);
        QString refusal;
        clickInNextBox(QStringLiteral("buildFromInstallationFilesButton"), &refusal);
        pick(w.version, w.version->findData(product));
        QTRY_COMPARE_WITH_TIMEOUT(refusal, QStringLiteral("Microsoft Refused the Request"), 40000);
        QTRY_VERIFY_WITH_TIMEOUT(w.architecture->count() > 0, 20000);
        QCOMPARE(w.version->currentData().toString(), QStringLiteral("catalog:") + product);
        QCOMPARE(w.edition->currentText(), QStringLiteral("Windows Pro"));
        QCOMPARE(w.language->currentText(), QStringLiteral("English (United States)"));
        QCOMPARE(w.architecture->currentText(), architecture);
        const bool stale = catalogSwitch == QLatin1String("catalogbuild stale");
        QVERIFY2(statusOf(window).contains(QLatin1String("older than the current release")) == stale,
                 qPrintable(statusOf(window)));
        const QString iso = target.filePath(QStringLiteral("built.iso"));
        answerSaveDialog(iso);
        if (endBox.endsWith(QLatin1String("while building"))) {
            const QString started = target.filePath(QStringLiteral("writer-started"));
            const QByteArray path = qgetenv("PATH");
            const QString writer = slowIsoWriter(target.filePath(QStringLiteral("bin")), started);
            QVERIFY(!writer.isEmpty());
            qputenv("PATH", writer.toUtf8() + ':' + path);
            w.buttons.value(QStringLiteral("Download"))->click();
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(started), 30000);
            qputenv("PATH", path);
            if (endBox.startsWith(QLatin1String("closed")))
                QVERIFY(window.close());
            else
                owned.reset();
            QCOMPARE(QDir(target.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                     QStringList({"bin", "built.esd", "writer-started"}));
            return;
        }
        ModalCloser kept;
        if (esdThere == QLatin1String("verified"))
            kept.expect(QStringLiteral("Already Downloaded"));
        ModalCloser done;
        done.expect(endBox);
        w.buttons.value(QStringLiteral("Download"))->click();
        QVERIFY(done.closed(90000));
        QCOMPARE(replica.count(QStringLiteral("links")), 0);
        if (esdThere == QLatin1String("mine")) {
            QVERIFY2(done.text.startsWith(esd + QStringLiteral(" is already there")), qPrintable(done.text));
            QFile left(esd);
            QVERIFY(left.open(QIODevice::ReadOnly));
            QCOMPARE(left.readAll(), mine);
            QCOMPARE(w.buttons.value(QStringLiteral("Download"))->text(), QStringLiteral("Download"));
        }
        // The ESD there is built from: the catalog's refuses to serve it.
        QCOMPARE(kept.title, kept.wanted);
        if (endBox != QLatin1String("ISO Built")) {
            // No ISO, and nothing that could pass for one.
            QVERIFY(!QFile::exists(iso));
            QVERIFY(QDir(target.path()).entryList({QStringLiteral("*.iso*")}, QDir::Files | QDir::Hidden).isEmpty());
            return;
        }
        QFile built(iso);
        QVERIFY(built.open(QIODevice::ReadOnly));
        const QString sha256 = QString::fromLatin1(
            QCryptographicHash::hash(built.readAll(), QCryptographicHash::Sha256).toHex().toUpper());
        QVERIFY2(done.text.startsWith(QStringLiteral("The ISO was built from Microsoft's installation files (ESD):\n")
                                      + iso),
                 qPrintable(done.text));
        QVERIFY2(done.text.contains(QLatin1String("The ESD's SHA-256 matches Microsoft's product catalog: ")),
                 qPrintable(done.text));
        QVERIFY2(done.text.endsWith(QStringLiteral("SHA-256 of the ISO: ") + sha256), qPrintable(done.text));
        // Read with 7-Zip, not with this program's code.
        QProcess list;
        list.start(QStringLiteral("7z"), {QStringLiteral("l"), QStringLiteral("-ba"), iso});
        QVERIFY(list.waitForFinished(30000));
        const QString listed = QString::fromUtf8(list.readAllStandardOutput());
        for (const char *file : {"sources/install.esd", "sources/boot.wim", "efi/microsoft/boot/efisys_noprompt.bin"})
            QVERIFY2(listed.contains(QLatin1String(file)), qPrintable(listed));
        // Only the ISO is left: no installation file, part or staging folder.
        QCOMPARE(QDir(target.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("built.iso")});
    }

    // After each way a step can fail, Retry, or the same row chosen again in
    // its box, asks the page for that step again, and nothing before it.
    void failedStepIsAskedForAgain_data()
    {
        QTest::addColumn<QString>("pageSwitch");
        QTest::addColumn<QString>("title"); // of the box telling the failure
        QTest::addColumn<QString>("again"); // "Retry", or the box whose row is chosen again
        QTest::addColumn<int>("hits"); // page loads in all
        QTest::addColumn<int>("links"); // link requests in all; -1: within the search's bound
        QTest::addColumn<bool>("linked"); // the second time gives a link; else it fails alike
        const QString notLoaded = QStringLiteral("Page Not Loaded");
        const QString refused = QStringLiteral("Microsoft Refused the Request");
        const QString noLanguages = QStringLiteral("No Languages Offered");
        const QString noLinks = QStringLiteral("No Download Links");
        QTest::newRow("not loaded, Retry") << "fail 3" << notLoaded << "Retry" << 4 << 1 << true;
        QTest::newRow("refused, Retry") << "refuse 1" << refused << "Retry" << 1 << 2 << true;
        QTest::newRow("refused, same version") << "refuse 1" << refused << "version" << 2 << 2 << true;
        QTest::newRow("no languages, Retry") << "languages empty" << noLanguages << "Retry" << 1 << 1 << true;
        QTest::newRow("no languages, the one edition")
            << "languages empty" << noLanguages << "edition" << 1 << 1 << true;
        // Only a page loaded again can have the links container.
        QTest::newRow("no links, Retry") << "container none" << noLinks << "Retry" << 1 << 0 << false;
        QTest::newRow("no links, same version") << "container none" << noLinks << "version" << 2 << 1 << true;
        // The search's one reload, then the end; the page is asked again at once.
        QTest::newRow("links never shown, Retry") << "nolinks 1000" << noLinks << "Retry" << 2 << -1 << true;
    }
    void failedStepIsAskedForAgain()
    {
        QFETCH(QString, pageSwitch);
        QFETCH(QString, title);
        QFETCH(QString, again);
        QFETCH(int, hits);
        QFETCH(int, links);
        QFETCH(bool, linked);
        ReplicaServer replica;
        QVERIFY(serveReplica(replica, {pageSwitch}));
        MainWindow window(testParts(quickTimings()));
        window.show();
        Widgets w(window);
        auto *retry = window.findChild<QPushButton *>(QStringLiteral("retryButton"));
        ModalCloser failure;
        failure.expect(title);
        pick(w.version, 1);
        QVERIFY(failure.closed(40000));
        QVERIFY(retry->isVisible());
        for (const char *mend : {"languages normal", "container download-links", "nolinks 0"})
            QVERIFY(replica.command(QLatin1String(mend)).startsWith(QLatin1String("OK")));

        ModalCloser second;
        second.expect(title);
        auto *box = window.findChild<QComboBox *>(again + QStringLiteral("Box"));
        box ? pick(box, box->currentIndex()) : retry->click();
        QVERIFY(!retry->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!w.link->text().isEmpty() || second.title == title, 40000);
        QCOMPARE(!w.link->text().isEmpty(), linked);
        QCOMPARE(retry->isVisible(), !linked);
        QCOMPARE(replica.hits(), hits);
        if (links >= 0)
            QCOMPARE(replica.count(QStringLiteral("links")), links);
        else
            QVERIFY(replica.count(QStringLiteral("links")) <= MostLinkRequestsOfAChoice + 1);
    }

    // Cancel, Escape or closing the wait dialog ends the request: the boxes
    // come back, and nothing more of it is asked of the page or told.
    void cancelEndsTheRequest_data()
    {
        QTest::addColumn<QString>("pageSwitch");
        QTest::addColumn<int>("links"); // link requests when it is cancelled
        QTest::addColumn<QString>("how");
        QTest::newRow("page load, Cancel") << "hang 1" << 0 << "Cancel";
        QTest::newRow("links, Escape") << "linksdelay 3000" << 1 << "Escape";
        QTest::newRow("links, dialog closed") << "linksdelay 3000" << 1 << "close";
    }
    void cancelEndsTheRequest()
    {
        QFETCH(QString, pageSwitch);
        QFETCH(int, links);
        QFETCH(QString, how);
        ReplicaServer replica;
        QVERIFY(serveReplica(replica, {pageSwitch}));
        MainWindow window(testParts(quickTimings()));
        window.show();
        Widgets w(window);
        pick(w.version, 1);
        QTRY_VERIFY_WITH_TIMEOUT(replica.hits() == 1 && replica.count(QStringLiteral("links")) == links, 20000);
        QDialog *waitDialog = waitDialogOf(window);
        if (how == QLatin1String("Cancel"))
            waitDialog->findChild<QPushButton *>(QStringLiteral("waitCancelButton"))->click();
        else if (how == QLatin1String("Escape"))
            QTest::keyClick(waitDialog, Qt::Key_Escape);
        else
            waitDialog->close();
        QVERIFY(!waitDialog->isVisible() && w.version->isEnabled());
        QCOMPARE(w.edition->isEnabled(), links > 0);
        QVERIFY(window.findChild<QPushButton *>(QStringLiteral("retryButton"))->isVisible());
        // What the page held back reaches it now, or once its delay is over.
        QCOMPARE(replica.command(QStringLiteral("release")), QStringLiteral("OK release"));
        ModalCloser told;
        told.arm();
        QTest::qWait(4000);
        QCOMPARE(told.title, QString());
        QVERIFY(w.edition->count() == links && w.link->text().isEmpty());
        QCOMPARE(replica.hits(), 1);
        QCOMPARE(replica.count(QStringLiteral("links")), links);
        // The page left as it was is whole: Retry gets the link.
        window.findChild<QPushButton *>(QStringLiteral("retryButton"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w.link->text().isEmpty(), 40000);
    }

    // A box sends its row to the page once the user commits to it: the rows
    // passed on the way, a row not rested on, the row already shown and the
    // wheel over a box without the focus ask nothing.
    void onlyCommittedRowsAreAsked_data()
    {
        // The Version box, counted in page loads; else the Language box, in link requests.
        QTest::addColumn<bool>("versions");
        QTest::addColumn<QString>("input"); // see act()
        QTest::addColumn<int>("restMs"); // 0: the product's
        QTest::addColumn<int>("requests");
        QTest::addColumn<int>("moved"); // rows the box moved
        constexpr int Never = 3600 * 1000;
        QTest::newRow("wheel") << true << "wheel wheel" << 0 << 0 << 0;
        QTest::newRow("arrow keys") << true << "down down down" << 0 << 1 << 3;
        QTest::newRow("arrow key, no rest yet") << true << "down" << Never << 0 << 1;
        QTest::newRow("arrow keys, Enter") << true << "down down enter" << Never << 1 << 2;
        QTest::newRow("row picked") << false << "popup+2" << 0 << 1 << 2;
        QTest::newRow("row shown picked") << false << "popup+0" << 0 << 0 << 0;
    }
    void onlyCommittedRowsAreAsked()
    {
        QFETCH(bool, versions);
        QFETCH(QString, input);
        QFETCH(int, restMs);
        QFETCH(int, requests);
        QFETCH(int, moved);
        ReplicaServer replica;
        QVERIFY(serveReplica(replica));
        MainWindow window(testParts(quickTimings()));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Widgets w(window);
        if (!versions) {
            pick(w.version, 1);
            QTRY_VERIFY_WITH_TIMEOUT(!w.link->text().isEmpty(), 30000);
        }
        const auto asked = [&] { return versions ? replica.hits() : replica.count(QStringLiteral("links")); };
        const int before = asked();
        auto *choices = window.findChild<ChoiceBox *>(QLatin1String(versions ? "versionBox" : "languageBox"));
        if (restMs > 0)
            choices->setRestDelay(restMs);
        const int start = choices->currentIndex();
        w.buttons.value(QStringLiteral("About"))->setFocus();
        act(choices, input);
        QCOMPARE(choices->currentIndex(), start + moved);
        QTRY_COMPARE_WITH_TIMEOUT(asked(), before + requests, 20000);
        QTest::qWait(1500);
        QCOMPARE(asked(), before + requests);
    }

    // Every other page failure says what failed and what to do, and leaves
    // the lists the page did give open for another choice. An empty list is
    // such a failure too: the scraper never hands one on.
    // The engine's facts about a failed download, in the words the window
    // and the command line show.
    void downloadFailuresAreWorded_data()
    {
        QTest::addColumn<DownloadResult>("result");
        QTest::addColumn<QString>("text");
        const auto result = [](DownloadOutcome outcome, const QString &path, quint32 error, const QString &detail) {
            DownloadResult made;
            made.outcome = outcome;
            made.path = path;
            made.systemError = error;
            made.detail = detail;
            return made;
        };
        const QString iso = QStringLiteral("/d/Win11.iso");
        QTest::newRow("refused scheme") << result(DownloadOutcome::SchemeRefused, QStringLiteral("ftp://h/a.iso"), 0,
                                                  QStringLiteral("https"))
                                        << "Only https links can be downloaded, and this one is not: ftp://h/a.iso";
        QTest::newRow("control characters in the name")
            << result(DownloadOutcome::DestinationRefused, QStringLiteral("/d/a\x1b[2J.iso"), 0, QString())
            << "The file name /d/a\x1b[2J.iso holds control characters, which no file should have; choose another "
               "name.";
        QTest::newRow("disk full") << result(DownloadOutcome::WriteFailed, iso, ENOSPC, QString())
                                   << "Not enough disk space for /d/Win11.iso. Free some space and start the "
                                      "download again to continue where it stopped.";
        QTest::newRow("write refused") << result(DownloadOutcome::WriteFailed, iso, EACCES, QString())
                                       << "Cannot write to /d/Win11.iso: " + QString::fromLocal8Bit(strerror(EACCES));
        QTest::newRow("move refused") << result(DownloadOutcome::MoveFailed, iso, EISDIR, QString())
                                      << "Cannot move the download to /d/Win11.iso: "
                + QString::fromLocal8Bit(strerror(EISDIR));
        QTest::newRow("stall") << result(DownloadOutcome::Stalled, QString(), 0, QString())
                               << "Network disconnected or timeout";
        DownloadResult redirected = result(DownloadOutcome::TransferFailed, QString(), 0, QString());
        redirected.curlCode = CURLE_UNSUPPORTED_PROTOCOL;
        QTest::newRow("redirect refused")
            << redirected
            << "The server sent the download on to an insecure or unsupported address, so it was stopped.";
        QTest::newRow("more than the file holds")
            << result(DownloadOutcome::TooLong, QStringLiteral("/d/Win11_0123abcd.part"), 0, QString())
            << "The server sent more than the file holds, so the download was stopped.";
        const QString part = QStringLiteral("/d/Win11_0a1b2c3d.part");
        QTest::newRow("part in use") << result(DownloadOutcome::PartBusy, part, 0, QString())
                                     << "Another download of this file is running, and /d/Win11_0a1b2c3d.part is in "
                                        "use by it. Let that one finish, or stop it and start again.";
        QTest::newRow("part of another user")
            << result(DownloadOutcome::CannotCreatePart, part, EPERM, QString())
            << "Cannot create file: /d/Win11_0a1b2c3d.part: " + QString::fromLocal8Bit(strerror(EPERM));
    }
    void downloadFailuresAreWorded()
    {
        QFETCH(DownloadResult, result);
        QFETCH(QString, text);
        QCOMPARE(downloadFailureText(result), text);
    }

    // The engine the window and the command line start follows a redirect
    // only where the page's own links may lead.
    void engineRedirectsFollowThePageLinks_data()
    {
        QTest::addColumn<bool>("microsoftOrigin");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("a Microsoft file server")
            << true << "https://software.download.prss.microsoft.com/a.iso" << true;
        QTest::newRow("another host") << true << "https://microsoft.com.example/a.iso" << false;
        QTest::newRow("a Microsoft host over http") << true << "http://dl.microsoft.com/a.iso" << false;
        QTest::newRow("any host of a test site") << false << "http://127.0.0.2:8/a.iso" << true;
    }
    void engineRedirectsFollowThePageLinks()
    {
        QFETCH(bool, microsoftOrigin);
        QFETCH(QString, target);
        QFETCH(bool, allowed);
        QVERIFY(setSiteOrigin(microsoftOrigin ? defaultSiteOrigin() : m_deadOrigin));
        DownloadManager engine;
        prepareEngineFor(engine, DownloadOption());
        QVERIFY(engine.settings().redirectAllowed);
        QCOMPARE(engine.settings().redirectAllowed(QUrl(target)), allowed);
    }

    void pageFailuresAreExplained_data()
    {
        QTest::addColumn<ScraperFailure>("failure");
        QTest::addColumn<int>("shown"); // the page's lists the window had got: 1 editions, 2 also languages
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("summary");
        QTest::newRow("load time-out") << scraperFailure(FailureKind::Timeout, QStringLiteral("Page load timeout")) << 0
                                       << "Page Not Answering"
                                       << "The download page did not answer in time.";
        QTest::newRow("deadline") << scraperFailure(FailureKind::Timeout, QStringLiteral("Request deadline passed"))
                                  << 2 << "Page Not Answering"
                                  << "The download page did not answer in time.";
        QTest::newRow("no editions") << scraperFailure(FailureKind::NoEditions,
                                                       QStringLiteral("No versions found on the page"))
                                     << 0 << "No Editions Offered"
                                     << "The download page offered no editions.";
        QTest::newRow("no links") << scraperFailure(FailureKind::NoLinks,
                                                    QStringLiteral("No download links found after multiple attempts"))
                                  << 2 << "No Download Links"
                                  << "The download page gave no download links for this choice.";
        QTest::newRow("empty link list") << scraperFailure(FailureKind::NoLinks,
                                                           QStringLiteral("No download links found"))
                                         << 2 << "No Download Links"
                                         << "The download page gave no download links for this choice.";
        QTest::newRow("no languages") << scraperFailure(FailureKind::NoLanguages,
                                                        QStringLiteral("No languages found on the page"))
                                      << 1 << "No Languages Offered"
                                      << "The download page offered no languages for this edition.";
        QTest::newRow("unreadable answer")
            << scraperFailure(FailureKind::PageError, QStringLiteral("Unreadable link list from the page")) << 2
            << "Page Reported a Problem"
            << "The download page could not give a link for this choice.";
        ScraperFailure mismatch = scraperFailure(FailureKind::LanguageMismatch, QStringLiteral("Links for another"));
        mismatch.wantedLanguage = QStringLiteral("Portuguese");
        mismatch.offeredLanguage = QStringLiteral("Brazilian Portuguese");
        QTest::newRow("another language's links") << mismatch << 2 << "Wrong Language Offered"
                                                  << "The page offered links for Brazilian Portuguese, not Portuguese.";
    }
    void pageFailuresAreExplained()
    {
        QFETCH(ScraperFailure, failure);
        QFETCH(int, shown);
        QFETCH(QString, title);
        QFETCH(QString, summary);
        MainWindow window(testParts());
        window.show();
        Widgets w(window);
        offerLists(window, shown);
        ModalCloser closer;
        closer.arm();
        Q_EMIT scraperOf(window)->failed(failure);
        QCOMPARE(closer.title, title);
        QVERIFY2(closer.text.startsWith(summary), qPrintable(closer.text));
        QVERIFY2(closer.text.endsWith(QLatin1String("\n\nDetail: ") + failure.message), qPrintable(closer.text));
        // The window's advice names its Retry and the step; the command line has no such button.
        const char *const steps[] = {"the download page", "the edition's languages", "the download links"};
        QVERIFY2(closer.text.contains(QLatin1String("choose Retry"))
                     && closer.text.contains(QLatin1String(steps[shown])),
                 qPrintable(closer.text));
        QVERIFY(!explainPageFailure(failure).advice.contains(QLatin1String("Retry")));
        QVERIFY(!waitDialogOf(window)->isVisible());
        QCOMPARE(statusOf(window), QStringLiteral("Error: ") + failure.message);
        QVERIFY(w.version->isEnabled());
        QCOMPARE(w.edition->isEnabled(), shown >= 1);
        QCOMPARE(w.language->isEnabled(), shown >= 2);
        QVERIFY(!w.architecture->isEnabled());
        QVERIFY(!w.buttons.value(QStringLiteral("Download"))->isEnabled());

        // Retry asks for the step that failed.
        auto *retry = window.findChild<QPushButton *>(QStringLiteral("retryButton"));
        QVERIFY(retry->isVisible());
        QSignalSpy states(scraperOf(window), &QuibScraper::stateChanged);
        retry->click();
        const ScraperState firstStates[] = {ScraperState::LoadingVersions, ScraperState::SelectingVersion,
                                            ScraperState::SubmittingSelection};
        QCOMPARE(states.first().at(0).value<ScraperState>(), firstStates[shown]);
    }

    // Closing the window during a download asks what becomes of the part;
    // a window gone without a close (the session ending) keeps it.
    void closingDuringADownloadAsks_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("partKept");
        QTest::addColumn<bool>("stillDownloading");
        QTest::addColumn<bool>("staysOpen");
        QTest::addColumn<bool>("endsWhileAsked"); // the download completes before the answer
        QTest::newRow("keep the part") << QStringLiteral("keepPartButton") << true << false << false << false;
        QTest::newRow("discard it") << QStringLiteral("discardPartButton") << false << false << false << false;
        QTest::newRow("keep downloading") << QStringLiteral("keepDownloadingButton") << true << true << true << false;
        QTest::newRow("gone without a close") << QString() << true << false << false << false;
        QTest::newRow("keep downloading, completed meanwhile")
            << QStringLiteral("keepDownloadingButton") << false << false << true << true;
    }
    void closingDuringADownloadAsks()
    {
        QFETCH(QString, answer);
        QFETCH(bool, partKept);
        QFETCH(bool, stillDownloading);
        QFETCH(bool, staysOpen);
        QFETCH(bool, endsWhileAsked);
        FaultServer faults;
        QVERIFY(startDripping(faults, 100000, 100));
        QTemporaryDir target;
        const QString path = target.filePath(QStringLiteral("closing.iso"));
        const QString url = faults.fileUrl(QStringLiteral("Win11.iso"), endsWhileAsked ? 300000 : 4 * 1024 * 1024);
        {
            MainWindow window(testParts());
            window.show();
            Widgets w(window);
            offerLinks(window, {offered(QString(), QStringLiteral("x64"), url)});
            answerSaveDialog(path);
            w.buttons.value(QStringLiteral("Download"))->click();
            QTRY_VERIFY(w.progress->value() > 0);
            QTRY_VERIFY(partIsKept(url, path));
            if (!answer.isEmpty()) {
                QString asked;
                ModalCloser done;
                if (endsWhileAsked)
                    clickOnceCompleted(done, answer, &asked);
                else
                    clickInNextBox(answer, &asked);
                QCOMPARE(window.close(), !staysOpen);
                QCOMPARE(asked, QStringLiteral("Download in Progress"));
                QCOMPARE(window.isVisible(), staysOpen);
                const int before = w.progress->value();
                if (stillDownloading)
                    QTRY_VERIFY(w.progress->value() > before);
            }
        }
        QTRY_COMPARE(partIsKept(url, path), partKept);
        QCOMPARE(QFile::exists(DownloadManager::makeTempFilePath(url, path)), partKept);
        QCOMPARE(QFile::exists(path), endsWhileAsked);
    }

    // Pause keeps the part and its record; Resume continues it to the whole
    // file, with a fresh link when the old one ran out meanwhile.
    void pauseThenResumeEndsInTheSameFile_data()
    {
        QTest::addColumn<bool>("linkRunsOut");
        QTest::addColumn<bool>("doubleClicked");
        QTest::newRow("link still good") << false << false;
        QTest::newRow("link ran out while paused") << true << false;
        // The second click lands on Cancel: it is the same gesture, not a cancel.
        QTest::newRow("Resume double-clicked") << false << true;
    }
    void pauseThenResumeEndsInTheSameFile()
    {
        QFETCH(bool, linkRunsOut);
        QFETCH(bool, doubleClicked);
        FaultServer faults;
        QVERIFY(startDripping(faults, 200000, 100));
        MainWindow window(testParts());
        window.show();
        Widgets w(window);
        QPushButton *download = w.buttons.value(QStringLiteral("Download"));
        auto *pause = window.findChild<QPushButton *>(QStringLiteral("pauseButton"));
        const qint64 size = 3 * 1024 * 1024;
        const QString url = faults.fileUrl(QStringLiteral("Win11.iso"), size);
        const QString expiry = QString::number(QDateTime::currentSecsSinceEpoch() + (linkRunsOut ? 2 : 86400));
        offerLinks(window, {offered(QString(), QStringLiteral("x64"), url + QStringLiteral("&P1=") + expiry)});
        QTemporaryDir target;
        const QString path = target.filePath(QStringLiteral("paused.iso"));
        QVERIFY(!pause->isVisible());
        answerSaveDialog(path);
        download->click();
        QTRY_VERIFY(pause->isVisible());
        // Everything still fits the window's width.
        QVERIFY(window.centralWidget()->minimumSizeHint().width() <= window.width());
        QTRY_VERIFY(partIsKept(url, path));
        pause->click();
        QCOMPARE(download->text(), QStringLiteral("Resume"));
        QVERIFY(!pause->isVisible());
        QVERIFY(w.architecture->isEnabled());
        const qint64 kept = QFileInfo(DownloadManager::makeTempFilePath(url, path)).size();
        QVERIFY(kept > 0 && kept < size);
        QVERIFY(partIsKept(url, path));
        QVERIFY(faults.reset());
        const int asked = faults.requests().size();
        if (linkRunsOut) {
            QTRY_VERIFY_WITH_TIMEOUT(linkExpired(w.link->text()), 5000);
            download->click();
            QTRY_VERIFY(waitDialogOf(window)->isVisible());
            QCOMPARE(faults.requests().size(), asked);
            Q_EMIT scraperOf(window)->downloadLinksExtracted(
                {offered(QStringLiteral("English (United States)"), QStringLiteral("x64"),
                         url + QStringLiteral("&t=fresh"))});
        } else if (doubleClicked) {
            QTest::mouseClick(download, Qt::LeftButton);
            QTest::mouseClick(download, Qt::LeftButton);
        } else {
            download->click();
        }
        QCOMPARE(download->text(), QStringLiteral("Cancel"));
        QString shown;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openedUrl");
        clickInNextBox(QStringLiteral("showInFolderButton"), &shown);
        QTRY_COMPARE_WITH_TIMEOUT(shown, QStringLiteral("Download Complete"), 20000);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(m_opened, QUrl::fromLocalFile(target.path()));
        QFile result(path);
        QVERIFY(result.open(QIODevice::ReadOnly) && result.readAll() == FaultServer::body(0, size));
        // Continued, never fetched again from the start.
        const QVector<FaultServer::Request> requests = faults.requests();
        for (int i = asked; i < requests.size(); ++i)
            QVERIFY2(!requests.at(i).range.startsWith(QLatin1String("bytes=0-")) && !requests.at(i).range.isEmpty(),
                     qPrintable(requests.at(i).range));
        QVERIFY(!QFile::exists(DownloadManager::makeTempFilePath(url, path)));
    }

    // A download that ends while the user looks elsewhere is told on the
    // desktop, where a notification service runs; not while they look.
    void completionIsNoticedWhenLookingElsewhere_data()
    {
        QTest::addColumn<bool>("lookingElsewhere");
        QTest::addColumn<bool>("serviceRuns");
        QTest::addColumn<QStringList>("notices");
        QTest::newRow("looking at the window") << false << true << QStringList();
        QTest::newRow("looking elsewhere") << true << true << QStringList{"Download complete|noticed.iso"};
        QTest::newRow("no notification service") << true << false << QStringList();
    }
    void completionIsNoticedWhenLookingElsewhere()
    {
        QFETCH(bool, lookingElsewhere);
        QFETCH(bool, serviceRuns);
        QFETCH(QStringList, notices);
        QDBusConnection bus = QDBusConnection::connectToBus(m_sessionBusAddress, QStringLiteral("notices"));
        NotificationService service;
        if (serviceRuns) {
            QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                       QDBusConnection::ExportAllSlots));
            QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.Notifications")));
        }
        FaultServer faults;
        QVERIFY(startDripping(faults, 100000));
        MainWindow window(testParts());
        window.show();
        offerLinks(window,
                   {offered(QString(), QStringLiteral("x64"),
                            faults.fileUrl(QStringLiteral("Win11.iso"), 200 * 1000))});
        QTemporaryDir target;
        answerSaveDialog(target.filePath(QStringLiteral("noticed.iso")));
        ModalCloser done;
        done.expect(QStringLiteral("Download Complete"));
        Widgets(window).buttons.value(QStringLiteral("Download"))->click();
        // Where the user looks once the download runs.
        QWidget elsewhere;
        if (lookingElsewhere) {
            elsewhere.show();
            elsewhere.activateWindow();
        } else {
            window.activateWindow();
        }
        QTRY_COMPARE(window.isActiveWindow(), !lookingElsewhere);
        QVERIFY(done.closed());
        QTest::qWait(200);
        QCOMPARE(service.notices, notices);
        bus.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
        bus.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
        QDBusConnection::disconnectFromBus(QStringLiteral("notices"));
    }

    // Cancel with more than a little downloaded asks first.
    void cancelAsksBeforeDiscardingMuch_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("buttonAfter");
        QTest::addColumn<bool>("partKept");
        QTest::addColumn<bool>("endsWhileAsked"); // the download completes before the answer
        QTest::newRow("discard") << QStringLiteral("discardPartButton") << QStringLiteral("Download") << false << false;
        QTest::newRow("pause instead") << QStringLiteral("pauseInsteadButton") << QStringLiteral("Resume") << true
                                       << false;
        QTest::newRow("keep downloading")
            << QStringLiteral("keepDownloadingButton") << QStringLiteral("Cancel") << true << false;
        // Nothing is left to resume: the file is there.
        QTest::newRow("pause, completed meanwhile")
            << QStringLiteral("pauseInsteadButton") << QStringLiteral("Download") << false << true;
    }
    void cancelAsksBeforeDiscardingMuch()
    {
        QFETCH(QString, answer);
        QFETCH(QString, buttonAfter);
        QFETCH(bool, partKept);
        QFETCH(bool, endsWhileAsked);
        FaultServer faults;
        QVERIFY(startDripping(faults, 100000, 100));
        MainWindowParts parts = testParts();
        parts.askBeforeDiscardingBytes = 0;
        MainWindow window(std::move(parts));
        window.show();
        Widgets w(window);
        QPushButton *download = w.buttons.value(QStringLiteral("Download"));
        const QString url = faults.fileUrl(QStringLiteral("Win11.iso"), endsWhileAsked ? 300000 : 4 * 1024 * 1024);
        offerLinks(window, {offered(QString(), QStringLiteral("x64"), url)});
        QTemporaryDir target;
        const QString path = target.filePath(QStringLiteral("cancelled.iso"));
        answerSaveDialog(path);
        download->click();
        QTRY_VERIFY(w.progress->value() > 0);
        QTRY_VERIFY(partIsKept(url, path));
        QString asked;
        ModalCloser done;
        if (endsWhileAsked)
            clickOnceCompleted(done, answer, &asked);
        else
            clickInNextBox(answer, &asked);
        download->click();
        QCOMPARE(asked, QStringLiteral("Cancel Download"));
        QCOMPARE(download->text(), buttonAfter);
        QTRY_COMPARE(QFile::exists(DownloadManager::makeTempFilePath(url, path)), partKept);
        QCOMPARE(QFile::exists(path), endsWhileAsked);
    }

    // A part an earlier run left for the same file and destination is
    // offered: continued, started over, or left alone.
    void earlierPartIsOffered_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("heldByAnotherRun");
        QTest::addColumn<QString>("firstRange");
        QTest::addColumn<bool>("recorded"); // with a record that gives the file's length
        QTest::addColumn<int>("barAtStart");
        const QString fromPart = QStringLiteral("bytes=400000-");
        QTest::newRow("continue") << QStringLiteral("continuePartButton") << false << fromPart << false << 0;
        QTest::newRow("start over") << QStringLiteral("startOverButton") << false << QString() << false << 0;
        QTest::newRow("cancel") << QStringLiteral("cancelPartButton") << false << QString() << false << 0;
        QTest::newRow("start over, another run writes it")
            << QStringLiteral("startOverButton") << true << QString() << false << 0;
        QTest::newRow("continue a recorded part")
            << QStringLiteral("continuePartButton") << false << fromPart << true << 38;
        QTest::newRow("start over a recorded part")
            << QStringLiteral("startOverButton") << false << QString() << true << 0;
    }
    void earlierPartIsOffered()
    {
        QFETCH(QString, answer);
        QFETCH(bool, heldByAnotherRun);
        QFETCH(QString, firstRange);
        QFETCH(bool, recorded);
        QFETCH(int, barAtStart);
        const bool cancelled = answer == QLatin1String("cancelPartButton");
        FaultServer faults;
        QVERIFY(faults.start());
        MainWindow window(testParts());
        window.show();
        Widgets w(window);
        const qint64 size = 1024 * 1024;
        const QString url = faults.fileUrl(QStringLiteral("Win11.iso"), size);
        offerLinks(window, {offered(QString(), QStringLiteral("x64"), url)});
        QTemporaryDir target;
        const QString path = target.filePath(QStringLiteral("earlier.iso"));
        QFile part(DownloadManager::makeTempFilePath(url, path));
        // Bytes of another file where the part's start should be: a start
        // over must not keep them.
        QByteArray earlier = FaultServer::body(0, 400000);
        if (answer == QLatin1String("startOverButton"))
            earlier.fill('x');
        QVERIFY(part.open(QIODevice::WriteOnly) && part.write(earlier) == 400000);
        part.close();
        if (recorded)
            QVERIFY(
                writePartRecord(part.fileName(), PartRecord{size, "\"fault-100000\"", QString(), 400000, {}, true}));
        OwnPart held;
        if (heldByAnotherRun)
            held = OwnPart::open(nativeFilePath(part.fileName()));
        QString asked;
        clickInNextBox(answer, &asked);
        ModalCloser done;
        if (heldByAnotherRun) {
            done.expect(QStringLiteral("Download Error"));
            answerSaveDialog(path);
            w.buttons.value(QStringLiteral("Download"))->click();
            QVERIFY(done.closed());
            QVERIFY(faults.requests().isEmpty());
            QCOMPARE(QFileInfo(part.fileName()).size(), qint64(400000));
            return;
        }
        if (!cancelled)
            done.expect(QStringLiteral("Download Complete"));
        answerSaveDialog(path);
        w.buttons.value(QStringLiteral("Download"))->click();
        QTRY_COMPARE(asked, QStringLiteral("Continue Download"));
        QCOMPARE(w.progress->value(), barAtStart);
        if (cancelled) {
            QCOMPARE(w.buttons.value(QStringLiteral("Download"))->text(), QStringLiteral("Download"));
            QVERIFY(faults.requests().isEmpty());
            QCOMPARE(QFileInfo(part.fileName()).size(), qint64(400000));
            return;
        }
        QVERIFY(done.closed());
        QCOMPARE(faults.requests().first().range, firstRange);
        QFile result(path);
        QVERIFY(result.open(QIODevice::ReadOnly) && result.readAll() == FaultServer::body(0, size));
    }

    // Refilling the edition box requests only the last edition, once.
    void refilledEditionsRequestTheLastOneOnce()
    {
        MainWindow window(testParts());
        window.show();
        Widgets w(window);
        QSignalSpy editionChanges(w.edition, qOverload<int>(&QComboBox::currentIndexChanged));
        const QList<ProductVersion> first{{QStringLiteral("1"), QStringLiteral("One"), true},
                                          {QStringLiteral("2"), QStringLiteral("Two"), true}};
        const QList<ProductVersion> second{{QStringLiteral("3"), QStringLiteral("Three"), true},
                                           {QStringLiteral("4"), QStringLiteral("Four"), true},
                                           {QStringLiteral("5"), QStringLiteral("Five"), true}};
        QuibScraper *scraper = scraperOf(window);
        Q_EMIT scraper->versionsExtracted(first);
        QSignalSpy states(scraper, &QuibScraper::stateChanged);
        Q_EMIT scraper->versionsExtracted(second);
        QCOMPARE(w.edition->count(), 3);
        QCOMPARE(w.edition->currentText(), QStringLiteral("Five"));
        // One edition request (SelectingVersion) for the refill, none for the steps in between.
        QCOMPARE(states.count(), 1);
        QCOMPARE(states.first().at(0).value<ScraperState>(), ScraperState::SelectingVersion);
        QVERIFY(w.edition->isEnabled());
        QVERIFY(!w.language->isEnabled() && !w.architecture->isEnabled());
        QVERIFY(!editionChanges.isEmpty());
    }

    void singleOptionIsReadyAtOnce()
    {
        MainWindow window(testParts());
        window.show();
        Widgets w(window);
        offerLinks(window, {offered(QString(), QStringLiteral("arm64"), QStringLiteral("https://h/a.iso"))});
        QCOMPARE(w.architecture->currentText(), QStringLiteral("arm64"));
        QCOMPARE(w.link->text(), QStringLiteral("https://h/a.iso"));
        QVERIFY(w.buttons.value(QStringLiteral("Copy Link"))->isEnabled());
        QVERIFY(w.buttons.value(QStringLiteral("Download"))->isEnabled());
        QVERIFY(w.architecture->isEnabled());

        // Links for a language no longer on screen are dropped.
        const QList<DownloadOption> stale{
            offered(QStringLiteral("German"), QStringLiteral("x64"), QStringLiteral("https://h/de.iso"))};
        Q_EMIT scraperOf(window)->downloadLinksExtracted(stale);
        QCOMPARE(w.architecture->count(), 1);
        QCOMPARE(w.link->text(), QStringLiteral("https://h/a.iso"));
    }

    void downloadErrorIsShownAndCancelLeavesNothing()
    {
        FaultServer faults;
        QVERIFY(faults.start());
        MainWindow window(testParts());
        window.show();
        Widgets w(window);
        QPushButton *download = w.buttons.value(QStringLiteral("Download"));
        QTemporaryDir target;
        const QString url = faults.fileUrl(QStringLiteral("Win11.iso"), 4 * 1024 * 1024);
        // As the scraper would hand it over: one option, pointing at the fault server.
        offerLinks(window, {offered(QString(), QStringLiteral("x64"), url)});
        QCOMPARE(w.link->text(), url);

        QCOMPARE(faults.command(QStringLiteral("status 404")), QStringLiteral("OK status 404"));
        ModalCloser errorBox;
        answerSaveDialog(target.filePath(QStringLiteral("a.iso")));
        download->click();
        errorBox.arm();
        QTRY_COMPARE_WITH_TIMEOUT(errorBox.title, QStringLiteral("Download Error"), 10000);
        QCOMPARE(errorBox.text, QStringLiteral("Failed to download:\nHTTP error: 404"));
        // The Downloads folder where there is one, else home; never the working folder.
        const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
        QCOMPARE(
            g_proposedFile,
            QDir(QFileInfo(downloads).isDir() ? downloads : QDir::homePath()).filePath(QStringLiteral("Windows.iso")));
        QCOMPARE(download->text(), QStringLiteral("Download"));
        QCOMPARE(w.progress->value(), 0);

        QCOMPARE(faults.command(QStringLiteral("drip 100000")), QStringLiteral("OK drip 100000"));
        const QString path = target.filePath(QStringLiteral("b.iso"));
        answerSaveDialog(path);
        download->click();
        QCOMPARE(download->text(), QStringLiteral("Cancel"));
        QTRY_VERIFY(w.progress->value() > 0);
        QVERIFY(QFile::exists(DownloadManager::makeTempFilePath(url, path)));
        download->click();
        QCOMPARE(download->text(), QStringLiteral("Download"));
        QCOMPARE(w.progress->value(), 0);
        QVERIFY(w.architecture->isEnabled() && w.version->isEnabled());
        QTRY_VERIFY(!QFile::exists(DownloadManager::makeTempFilePath(url, path)));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void oneVersionChoiceLeadsToADownloadedFile()
    {
        ReplicaServer replica;
        QVERIFY(serveReplica(replica));
        m_system.locale = "de-DE";
        MainWindow window(testParts(ScraperTimings()));
        window.show();
        Widgets w(window);
        pick(w.version, 2);
        QTRY_VERIFY_WITH_TIMEOUT(!w.link->text().isEmpty(), 30000);
        QCOMPARE(w.edition->count(), 1);
        QCOMPARE(w.language->currentText(), QStringLiteral("German"));
        QCOMPARE(w.architecture->currentText(), QStringLiteral("arm64"));
        QVERIFY(w.link->text().startsWith(replica.origin()));
        QCOMPARE(w.link->cursorPosition(), 0);
        QVERIFY(!waitDialogOf(window)->isVisible());
        for (QComboBox *box : {w.version, w.edition, w.language, w.architecture})
            QVERIFY(box->isEnabled());
        QVERIFY(w.buttons.value(QStringLiteral("Download"))->isEnabled());
        QPushButton *copy = w.buttons.value(QStringLiteral("Copy Link"));
        QVERIFY(copy->isEnabled());
        QVERIFY(statusOf(window).startsWith(QLatin1String("Link valid until ")));
        copy->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), w.link->text());
        QCOMPARE(statusOf(window), QStringLiteral("Download link copied to clipboard!"));

        // Another language starts the chain again from there.
        const QString germanLink = w.link->text();
        pick(w.language, w.language->findText(QStringLiteral("English (United States)")));
        QVERIFY(w.link->text().isEmpty());
        QVERIFY(!copy->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!w.link->text().isEmpty(), 30000);
        QVERIFY(w.link->text() != germanLink && w.link->text().contains(QLatin1String("_English_")));
        QCOMPARE(w.edition->count(), 1);

        QTemporaryDir target;
        const QString path = target.filePath(QStringLiteral("Win11_arm64.iso"));
        QPushButton *download = w.buttons.value(QStringLiteral("Download"));
        answerSaveDialog(path);
        download->click();
        QCOMPARE(download->text(), QStringLiteral("Cancel"));
        QVERIFY(!w.version->isEnabled());
        ModalCloser closer;
        QVERIFY(closer.closes(QStringLiteral("Download Complete")));
        QVERIFY(closer.text.startsWith(QStringLiteral("The file has been downloaded successfully:\n%1").arg(path)));
        QCOMPARE(download->text(), QStringLiteral("Download"));
        QCOMPARE(w.progress->value(), 100);
        QVERIFY(w.version->isEnabled());
        QCOMPARE(QFileInfo(path).size(), qint64(1024 * 1024));
        QCOMPARE(statusOf(window), QStringLiteral("Download complete: Win11_arm64.iso"));
    }

    void firstLook()
    {
        MainWindow window(testParts());
        window.show();
        Widgets w(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Travonix"));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(window.width(), 500);
        QVERIFY(window.height() >= 380);
        // Nothing is squeezed below the size it needs.
        for (QComboBox *box : window.findChildren<QComboBox *>())
            QVERIFY(box->height() >= box->sizeHint().height());
        // The three of the product table, then the six evaluation products.
        QCOMPARE(w.version->count(), 12);
        QCOMPARE(w.version->itemData(3).toString(), QStringLiteral("win11-eval"));
        QCOMPARE(w.version->itemText(8), QStringLiteral("Windows Server 2016 (evaluation)"));
        // The product catalog's rows come last.
        QCOMPARE(w.version->itemText(9), QStringLiteral("Windows 11 (built from installation files)"));
        QCOMPARE(w.version->itemData(11).toString(), QStringLiteral("catalog:win10"));
        QCOMPARE(w.version->currentIndex(), -1);
        QCOMPARE(w.version->itemText(2), QStringLiteral("Windows 11 ARM64"));
        QCOMPARE(w.version->itemData(2).toString(), QStringLiteral("win11arm"));
        QVERIFY(w.version->isEnabled());
        for (QComboBox *box : {w.edition, w.language, w.architecture}) {
            QCOMPARE(box->count(), 0);
            QVERIFY(!box->isEnabled());
            QCOMPARE(box->minimumWidth(), 300);
        }
        QVERIFY(!w.buttons.value(QStringLiteral("Copy Link"))->isEnabled());
        QVERIFY(!w.buttons.value(QStringLiteral("Download"))->isEnabled());
        QVERIFY(w.buttons.value(QStringLiteral("About"))->isEnabled());
        QCOMPARE(w.progress->value(), 0);
        QCOMPARE(w.progress->text(), QStringLiteral("0%"));
        QVERIFY(w.link->isReadOnly() && w.link->text().isEmpty());
        QVERIFY(!window.findChild<QuibScraper *>());

        // Titles are whole, or shortened with their whole text as the tooltip.
        QStringList groupTitles;
        for (QGroupBox *group : window.findChildren<QGroupBox *>()) {
            const bool shortened = !group->toolTip().isEmpty();
            groupTitles << (shortened ? group->toolTip() : group->title());
            QVERIFY(!shortened || group->title().endsWith(QChar(0x2026)));
            QVERIFY(group->fontMetrics().horizontalAdvance(group->title()) < group->width());
        }
        QCOMPARE(groupTitles,
                 (QStringList{"Please select the Windows version you'd like to download", "Download link:"}));
        QVERIFY(window.findChild<QLabel *>(QStringLiteral("headerLabel"))->wordWrap());
        QCOMPARE(statusOf(window), QStringLiteral("Ready"));
        int links = 0;
        for (QLabel *label : window.findChildren<QLabel *>())
            links += label->openExternalLinks() && label->text().count(QLatin1String("<a href=")) == 1;
        QCOMPARE(links, 1);
    }

    // With a small font the window keeps the classic 500 x 380 and a row for
    // the status (and its Retry), or grows just enough for a header that wraps.
    void smallFontKeepsTheClassicSize()
    {
        const QFont original = QApplication::font();
        QFont small(original);
        small.setPixelSize(9);
        QApplication::setFont(small);
        MainWindow window(testParts());
        window.show();
        const int statusLine = window.findChild<ElidedLabel *>(QStringLiteral("statusLine"))->height()
            + window.centralWidget()->layout()->spacing();
        auto *header = window.findChild<QLabel *>(QStringLiteral("headerLabel"));
        const bool headerWraps = header->heightForWidth(header->width()) > header->fontMetrics().height() + 2;
        QApplication::setFont(original);
        QCOMPARE(window.width(), 500);
        QVERIFY(headerWraps ? window.height() > 380 + statusLine : window.height() == 380 + statusLine);
        QVERIFY(header->height() >= header->heightForWidth(header->width()));
        QCOMPARE(window.minimumSize(), window.maximumSize());
    }

    // The blank row, and a row set without the user committing to it, ask
    // nothing of the page.
    void blankChoiceDoesNothing()
    {
        MainWindow window(testParts());
        Widgets w(window);
        QSignalSpy changes(w.version, qOverload<int>(&QComboBox::currentIndexChanged));
        w.version->setCurrentIndex(-1);
        QVERIFY(changes.isEmpty());
        w.version->setCurrentIndex(1);
        w.version->setCurrentIndex(-1);
        QCOMPARE(changes.size(), 2);
        QVERIFY(!window.findChild<QuibScraper *>());
        QCOMPARE(w.version->currentIndex(), -1);
    }

    void oldSystemWarnsEveryTimeAndKeepsControlsLocked()
    {
        m_system.version = {6, 1};
        MainWindow window(testParts());
        window.show();
        Widgets w(window);
        for (int choice : {0, 2}) {
            ModalCloser closer;
            closer.arm();
            pick(w.version, choice);
            QCOMPARE(closer.title, QStringLiteral("Unsupported OS"));
            QCOMPARE(closer.text,
                     QStringLiteral(
                         "This feature requires Windows 8.1 or higher.\n\nPlease upgrade your operating system."));
            QVERIFY(!window.findChild<QuibScraper *>());
            for (QComboBox *box : {w.version, w.edition, w.language, w.architecture})
                QVERIFY(!box->isEnabled());
        }
    }

    void failedVisitHidesWaitDialogAndReleasesControls()
    {
        MainWindow window(testParts(ScraperTimings()));
        window.show();
        Widgets w(window);
        pick(w.version, 1);
        auto *scraper = window.findChild<QuibScraper *>();
        QVERIFY(scraper);
        auto *waitDialog = waitDialogOf(window);
        QVERIFY(waitDialog && waitDialog->isVisible());
        QCOMPARE(waitDialog->windowTitle(), QStringLiteral("Loading..."));
        QCOMPARE(waitDialog->size(), QSize(300, 80));
        QCOMPARE(waitDialog->findChild<QLabel *>(QStringLiteral("waitLabel"))->text(),
                 QStringLiteral("Loading Microsoft download page..."));
        QCOMPARE(statusOf(window), QStringLiteral("Loading Microsoft download page..."));
        QVERIFY(!w.version->isEnabled());

        ModalCloser closer;
        QVERIFY(closer.closes(QStringLiteral("Page Not Loaded"), 15000));
        QVERIFY(closer.text.endsWith(QLatin1String("Detail: Failed to load page after 3 retries")));
        QVERIFY(!waitDialog->isVisible());
        QVERIFY(w.version->isEnabled());
        QVERIFY(!w.edition->isEnabled());
        QVERIFY(!w.buttons.value(QStringLiteral("Download"))->isEnabled());

        // The scraper is made once and kept.
        pick(w.version, 0);
        QCOMPARE(window.findChildren<QuibScraper *>().size(), 1);
    }

    void aboutBoxShowsTheVersionItIsGiven()
    {
        MainWindow window(testParts());
        window.show();
        ModalCloser closer;
        closer.arm();
        Widgets(window).buttons.value(QStringLiteral("About"))->click();
        QCOMPARE(closer.title, QStringLiteral("About"));
        QVERIFY2(closer.text.startsWith(QLatin1String("Travonix\n\nVersion 3.0.2.7 (Build: ")),
                 qPrintable(closer.text));
        QCOMPARE(closer.pixmapSize, QSize(64, 64));
        QVERIFY2(closer.text.endsWith(QLatin1String("reserved.\n\nLanguage: English")), qPrintable(closer.text));
    }

    // The translation for a locale: its own, else its language's; Brazil
    // and Portugal each their own Portuguese, Chinese by its script; English
    // where there is none.
    void windowLanguageFollowsTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        const char *const rows[][2] = {
            {"de_DE", "de"},    {"de_AT", "de"}, {"fr_CA", "fr"},    {"es_MX", "es"},    {"pt_BR", "pt_BR"},
            {"pt_PT", "pt"},    {"pt_AO", "pt"}, {"zh_CN", "zh_CN"}, {"zh_SG", "zh_CN"}, {"zh_TW", "zh_TW"},
            {"zh_HK", "zh_TW"}, {"ru_UA", "ru"}, {"en_GB", "en"},    {"sv_SE", "en"},    {"C", "en"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
    }
    void windowLanguageFollowsTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QCOMPARE(windowLanguageFor(QLocale(locale)), language);
    }

    // The window made after start-up's translations for the locale: its own
    // texts, the About box's language, and Qt's buttons of message boxes and
    // the save dialog. English is the window as it always was.
    void windowSpeaksItsLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("German") << "de_DE"
                                << QStringList{"Windows-Version zum Herunterladen auswählen",
                                               "Downloadlink:",
                                               "Link kopieren",
                                               "Herunterladen",
                                               "Bereit",
                                               "Info",
                                               "Sprache: Deutsch",
                                               "Keine Links",
                                               "Keine Downloadlinks gefunden.",
                                               "OK",
                                               "ISO-Datei speichern",
                                               "S&peichern",
                                               "Abbrechen"};
        QTest::newRow("English") << "en_US"
                                 << QStringList{"Please select the Windows version you'd like to download",
                                                "Download link:",
                                                "Copy Link",
                                                "Download",
                                                "Ready",
                                                "About",
                                                "Language: English",
                                                "No Links",
                                                "No download links found.",
                                                "OK",
                                                "Save ISO File",
                                                "&Save",
                                                "Cancel"};
    }
    void windowSpeaksItsLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, texts);
        const auto english = qScopeGuard([] { installWindowLanguage(QLocale(QStringLiteral("en_US"))); });
        installWindowLanguage(QLocale(locale));
        MainWindow window(testParts());
        window.show();
        QStringList shown;
        for (QGroupBox *group : window.findChildren<QGroupBox *>())
            shown << (group->toolTip().isEmpty() ? group->title() : group->toolTip());
        auto *download = window.findChild<QPushButton *>(QStringLiteral("downloadButton"));
        shown << window.findChild<QPushButton *>(QStringLiteral("copyLinkButton"))->text() << download->text()
              << statusOf(window);
        ModalCloser about;
        about.arm();
        window.findChild<QPushButton *>(QStringLiteral("aboutButton"))->click();
        shown << about.title << about.text.section(QLatin1Char('\n'), -1);
        ModalCloser noLinks;
        noLinks.arm();
        offerLinks(window, {});
        shown << noLinks.title << noLinks.text << noLinks.okText;
        Q_EMIT scraperOf(window)->downloadLinksExtracted(
            {offered(QStringLiteral("English (United States)"), QStringLiteral("x64"),
                     QStringLiteral("http://127.0.0.1:9/Win11_x64.iso"))});
        shown << readSaveDialog(download);
        QCOMPARE(shown, texts);
    }

    // Every language fits the window of fixed width, and the wait dialog: no
    // label or button narrower than its text, and a title shortened only
    // where the English one is, and no wider than that.
    void everyLanguageFitsTheWindow_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char *locale : {"en_US", "de_DE", "fr_FR", "es_ES", "it_IT", "pt_BR", "pt_PT", "pl_PL", "ru_RU",
                                   "tr_TR", "ja_JP", "ko_KR", "zh_CN", "zh_TW", "nl_NL"})
            QTest::newRow(locale) << QString::fromLatin1(locale);
    }
    void everyLanguageFitsTheWindow()
    {
        QFETCH(QString, locale);
        const RowWidths english = englishRowWidths();
        const auto backToEnglish = qScopeGuard([] { installWindowLanguage(QLocale(QStringLiteral("en_US"))); });
        QVERIFY(locale.startsWith(installWindowLanguage(QLocale(locale))));
        MainWindow window(testParts());
        window.show();
        QCOMPARE(window.width(), 500);
        const QStringList englishTitles{"Please select the Windows version you'd like to download", "Download link:"};
        const QList<QGroupBox *> groups = window.findChildren<QGroupBox *>();
        QCOMPARE(groups.size(), englishTitles.size());
        for (int i = 0; i < groups.size(); ++i) {
            const QFontMetrics metrics = groups.at(i)->fontMetrics();
            QVERIFY2(groups.at(i)->toolTip().isEmpty()
                         || metrics.horizontalAdvance(groups.at(i)->toolTip())
                             <= metrics.horizontalAdvance(englishTitles.at(i)),
                     qPrintable(groups.at(i)->toolTip()));
        }
        const RowWidths needed = rowWidths(window);
        QVERIFY2(needed.idle <= 500, qPrintable(QString::number(needed.idle)));
        // Pause and Cancel come beside the link while a file downloads.
        QVERIFY2(needed.downloading <= 500,
                 qPrintable(QStringLiteral("%1 > %2").arg(needed.downloading).arg(english.downloading)));
        // The wait dialog is narrower: a text may be as wide as the English one.
        const QList<QPair<ScraperState, QString>> waits{
            {ScraperState::LoadingVersions, "Loading Microsoft download page..."},
            {ScraperState::ExtractingVersions, "Extracting available editions..."},
            {ScraperState::LoadingLanguages, "Loading language options..."},
            {ScraperState::ExtractingLanguages, "Extracting available languages..."},
            {ScraperState::SubmittingSelection, "Submitting your selection..."},
            {ScraperState::ExtractingLinks, "Extracting download links..."}};
        QuibScraper *scraper = scraperOf(window);
        auto *label = waitDialogOf(window)->findChild<QLabel *>(QStringLiteral("waitLabel"));
        for (const auto &[state, englishText] : waits) {
            Q_EMIT scraper->stateChanged(state);
            QVERIFY2(label->width() >= label->minimumSizeHint().width()
                         || label->fontMetrics().horizontalAdvance(label->text())
                             <= label->fontMetrics().horizontalAdvance(englishText),
                     qPrintable(label->text()));
        }
    }

private:
    // A session bus of the test's own: no notice reaches the desktop the
    // tests run on, and the test can be the notification service.
    void startPrivateSessionBus()
    {
        m_sessionBus.start(QStringLiteral("dbus-daemon"),
                           {QStringLiteral("--session"), QStringLiteral("--nofork"),
                            QStringLiteral("--print-address")});
        QVERIFY(m_sessionBus.waitForReadyRead(10000));
        m_sessionBusAddress = QString::fromUtf8(m_sessionBus.readLine()).trimmed();
        QVERIFY(!m_sessionBusAddress.isEmpty());
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_sessionBusAddress.toUtf8());
    }

    FakeSystem m_system;
    QString m_deadOrigin;
    QProcess m_sessionBus;
    QString m_sessionBusAddress;
};

TRAVONIX_WEB_TEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
