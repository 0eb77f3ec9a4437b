// The main window as the user first meets it, its version gate, the wait
// dialog around a page visit, and the About box.
#include "TestMain.h"

#include "ReplicaServer.h"
#include "platform/SystemServices.h"
#include "scraper/ProductTable.h"
#include "scraper/QuibScraper.h"
#include "ui/LanguageMatch.h"
#include "ui/MainWindow.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTimer>

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
        languages << LanguageInfo{QStringLiteral("id"), row.section(QLatin1Char('|'), 0, 0),
                                  row.section(QLatin1Char('|'), 1, 1), true};
    return languages;
}

struct Widgets {
    explicit Widgets(MainWindow &window)
    {
        const auto boxes = window.findChildren<QComboBox *>();
        version = boxes.value(0);
        edition = boxes.value(1);
        language = boxes.value(2);
        architecture = boxes.value(3);
        for (QPushButton *button : window.findChildren<QPushButton *>())
            buttons.insert(button->text(), button);
        progress = window.findChild<QProgressBar *>();
        link = window.findChild<QLineEdit *>();
    }
    QComboBox *version = nullptr;
    QComboBox *edition = nullptr;
    QComboBox *language = nullptr;
    QComboBox *architecture = nullptr;
    QMap<QString, QPushButton *> buttons;
    QProgressBar *progress = nullptr;
    QLineEdit *link = nullptr;
};

// Closes the next modal box that opens and remembers its title and text.
struct ModalCloser {
    void arm()
    {
        QTimer::singleShot(50, [this] { closeWhenShown(); });
    }
    void closeWhenShown()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            arm();
            return;
        }
        title = box->windowTitle();
        text = box->text();
        pixmapSize = box->iconPixmap().size();
        box->accept();
    }
    QString title;
    QString text;
    QSize pixmapSize;
};

// Answers the next save dialog with `path`.
void answerSaveDialog(const QString &path)
{
    QTimer::singleShot(50, [path] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            answerSaveDialog(path);
            return;
        }
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
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

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        qRegisterMetaType<ScraperState>();
        applyIdentity();
        QVERIFY(!QApplication::windowIcon().isNull());
        platform::SystemServices::setInstance(&m_system);
        m_deadOrigin = deadOrigin();
    }
    void cleanupTestCase() { platform::SystemServices::setInstance(nullptr); }
    void init()
    {
        m_system.version = {10, 0};
        m_system.locale = "en-US";
        QVERIFY(setSiteOrigin(m_deadOrigin));
    }

    void languageForLocale_data()
    {
        QTest::addColumn<QStringList>("languages"); // "name|language"
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("row");
        const QStringList list{"Arabic|Arabic",
                               "English International|English (United Kingdom)",
                               "English (United States)|English",
                               "Chinese (Traditional)|Chinese (Traditional)",
                               "Brazilian Portuguese|Brazilian Portuguese",
                               "Norsk|Norwegian",
                               "Deutsch|"};
        QTest::newRow("en-US: first English") << list << "en-US" << 1;
        QTest::newRow("zh-TW: any Chinese") << list << "zh-TW" << 3;
        QTest::newRow("pt-BR") << list << "pt-BR" << 4;
        QTest::newRow("nb-NO: prefix not in table, English fallback") << list << "nb-NO" << 1;
        QTest::newRow("de-DE: empty language never matches") << list << "de-DE" << 1;
        QTest::newRow("upper-case locale") << list << "AR-SA" << 0;
        QTest::newRow("no English at all") << QStringList{"Deutsch|German", "Suomi|Finnish"} << "nb-NO" << 0;
        QTest::newRow("English only by name") << QStringList{"Deutsch|German", "English (US)|"} << "ja-JP" << 1;
    }
    void languageForLocale()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, locale);
        QFETCH(int, row);
        QCOMPARE(findLanguageIndex(languageList(languages), locale), row);
    }

    void oneVersionChoiceLeadsToADownloadedFile()
    {
        ReplicaServer replica;
        QVERIFY(replica.start());
        QVERIFY(setSiteOrigin(replica.origin()));
        m_system.locale = "de-DE";
        MainWindow window;
        window.show();
        Widgets w(window);
        w.version->setCurrentIndex(2);
        QTRY_VERIFY_WITH_TIMEOUT(!w.link->text().isEmpty(), 30000);
        QCOMPARE(w.edition->count(), 1);
        QCOMPARE(w.language->currentText(), QStringLiteral("German"));
        QCOMPARE(w.architecture->currentText(), QStringLiteral("arm64"));
        QVERIFY(w.link->text().startsWith(replica.origin()));
        QCOMPARE(w.link->cursorPosition(), 0);
        QVERIFY(!window.findChild<QDialog *>()->isVisible());
        for (QComboBox *box : {w.version, w.edition, w.language, w.architecture})
            QVERIFY(box->isEnabled());
        QVERIFY(w.buttons.value(QStringLiteral("Download"))->isEnabled());
        QPushButton *copy = w.buttons.value(QStringLiteral("Copy Link"));
        QVERIFY(copy->isEnabled());
        copy->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), w.link->text());

        QTemporaryDir target;
        const QString path = target.filePath(QStringLiteral("Windows.iso"));
        QPushButton *download = w.buttons.value(QStringLiteral("Download"));
        answerSaveDialog(path);
        download->click();
        QCOMPARE(download->text(), QStringLiteral("Cancel"));
        QVERIFY(!w.version->isEnabled());
        ModalCloser closer;
        closer.arm();
        QTRY_COMPARE_WITH_TIMEOUT(closer.title, QStringLiteral("Download Complete"), 20000);
        QCOMPARE(closer.text, QStringLiteral("The file has been downloaded successfully:\n%1").arg(path));
        QCOMPARE(download->text(), QStringLiteral("Download"));
        QCOMPARE(w.progress->value(), 100);
        QVERIFY(w.version->isEnabled());
        QCOMPARE(QFileInfo(path).size(), qint64(1024 * 1024));
    }

    void firstLook()
    {
        MainWindow window;
        window.show();
        Widgets w(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Travonix"));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(window.width(), 500);
        QVERIFY(window.height() >= 380);
        // Nothing is squeezed below the size it needs.
        for (QComboBox *box : window.findChildren<QComboBox *>())
            QVERIFY(box->height() >= box->sizeHint().height());
        QCOMPARE(w.version->count(), 3);
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

        QStringList groupTitles;
        for (QGroupBox *group : window.findChildren<QGroupBox *>())
            groupTitles << group->title();
        QCOMPARE(groupTitles,
                 (QStringList{"Please select the Windows version you'd like to download", "Download link:"}));
        int links = 0;
        for (QLabel *label : window.findChildren<QLabel *>())
            links += label->openExternalLinks() && label->text().count(QLatin1String("<a href=")) == 1;
        QCOMPARE(links, 1);
    }

    void contentThatFitsKeepsTheClassicSize()
    {
        const QFont original = QApplication::font();
        QFont small(original);
        small.setPixelSize(9);
        QApplication::setFont(small);
        MainWindow window;
        window.show();
        QApplication::setFont(original);
        QCOMPARE(window.size(), QSize(500, 380));
        QCOMPARE(window.minimumSize(), window.maximumSize());
    }

    void blankChoiceDoesNothing()
    {
        MainWindow window;
        Widgets w(window);
        QSignalSpy changes(w.version, qOverload<int>(&QComboBox::currentIndexChanged));
        w.version->setCurrentIndex(-1);
        QVERIFY(changes.isEmpty());
        w.version->setCurrentIndex(1);
        w.version->setCurrentIndex(-1);
        QCOMPARE(changes.size(), 2);
        QCOMPARE(window.findChildren<QuibScraper *>().size(), 1);
        QCOMPARE(w.version->currentIndex(), -1);
    }

    void oldSystemWarnsEveryTimeAndKeepsControlsLocked()
    {
        m_system.version = {6, 1};
        MainWindow window;
        window.show();
        Widgets w(window);
        for (int choice : {0, 2}) {
            ModalCloser closer;
            closer.arm();
            w.version->setCurrentIndex(choice);
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
        MainWindow window;
        window.show();
        Widgets w(window);
        w.version->setCurrentIndex(1);
        auto *scraper = window.findChild<QuibScraper *>();
        QVERIFY(scraper);
        auto *waitDialog = window.findChild<QDialog *>();
        QVERIFY(waitDialog && waitDialog->isVisible());
        QCOMPARE(waitDialog->windowTitle(), QStringLiteral("Loading..."));
        QCOMPARE(waitDialog->size(), QSize(300, 80));
        QCOMPARE(waitDialog->findChild<QLabel *>()->text(), QStringLiteral("Loading Microsoft download page..."));
        QVERIFY(!w.version->isEnabled());

        QSignalSpy errors(scraper, &QuibScraper::error);
        QTRY_COMPARE_WITH_TIMEOUT(errors.size(), 1, 15000);
        QVERIFY(!waitDialog->isVisible());
        QVERIFY(w.version->isEnabled());
        QVERIFY(!w.edition->isEnabled());
        QVERIFY(!w.buttons.value(QStringLiteral("Download"))->isEnabled());

        // The scraper is made once and kept.
        w.version->setCurrentIndex(0);
        QCOMPARE(window.findChildren<QuibScraper *>().size(), 1);
    }

    void aboutBoxShowsVersionFromBesideTheExecutable()
    {
        MainWindow window;
        window.show();
        ModalCloser closer;
        closer.arm();
        Widgets(window).buttons.value(QStringLiteral("About"))->click();
        QCOMPARE(closer.title, QStringLiteral("About"));
        QVERIFY2(closer.text.startsWith(QLatin1String("Travonix\n\nVersion 1.0.0.0 (Build: ")),
                 qPrintable(closer.text));
        QCOMPARE(closer.pixmapSize, QSize(64, 64));
    }

private:
    FakeSystem m_system;
    QString m_deadOrigin;
};

TRAVONIX_TEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
