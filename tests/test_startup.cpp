// Start-up decisions: the OS gate and the light or dark look.
#include "TestMain.h"

#include "app/LogAccess.h"
#include "app/Startup.h"
#include "app/Theme.h"
#include "platform/SystemServices.h"
#include "ui/DarkTitleBar.h"

#include <QIcon>
#include <QProcess>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>

namespace {

class FakeSystem final : public platform::SystemServices {
public:
    platform::OsVersion osVersion() const override { return version; }
    std::optional<std::uint32_t> appsUseLightTheme() const override { return theme; }
    void showStartupError(const char *text, const char *caption) const override
    {
        shownText = QString::fromLatin1(text);
        shownCaption = QString::fromLatin1(caption);
    }

    platform::OsVersion version{10, 0};
    std::optional<std::uint32_t> theme;
    mutable QString shownText;
    mutable QString shownCaption;
};

} // namespace

Q_DECLARE_METATYPE(std::optional<std::uint32_t>)

class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_defaultStyle = QApplication::style()->objectName();
        platform::SystemServices::setInstance(&m_system);
    }
    void cleanupTestCase() { platform::SystemServices::setInstance(nullptr); }

    void init()
    {
        QApplication::setStyle(QStyleFactory::create(m_defaultStyle));
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

    void osGate_data()
    {
        QTest::addColumn<unsigned>("major");
        QTest::addColumn<unsigned>("minor");
        QTest::addColumn<bool>("passes");
        QTest::newRow("XP") << 5u << 1u << false;
        QTest::newRow("7") << 6u << 1u << false;
        QTest::newRow("8 and later report 6.2") << 6u << 2u << true;
        QTest::newRow("8.1 with a manifest list") << 6u << 3u << true;
        QTest::newRow("10") << 10u << 0u << true;
        QTest::newRow("7.0") << 7u << 0u << true;
    }
    void osGate()
    {
        QFETCH(unsigned, major);
        QFETCH(unsigned, minor);
        QFETCH(bool, passes);
        QCOMPARE(platform::meetsMinimumOsVersion({major, minor}), passes);
    }

    void refusedSystemExitsWithOneBeforeAnythingElse()
    {
        m_system.version = {6, 1};
        qputenv("QT_LOGGING_RULES", "untouched");
        int argc = 1;
        char name[] = "travonix";
        char *argv[] = {name, nullptr};
        QCOMPARE(runTravonix(argc, argv), 1);
        QCOMPARE(m_system.shownText, QStringLiteral("This application requires Windows 8.1 or higher."));
        QCOMPARE(m_system.shownCaption, QStringLiteral("Travonix"));
        QCOMPARE(qgetenv("QT_LOGGING_RULES"), QByteArray("untouched"));
        QVERIFY2(!IsLogLoaded(), "the refused start must not open the log");
        m_system.version = {10, 0};
    }

    void themeDecision_data()
    {
        QTest::addColumn<std::optional<std::uint32_t>>("appsUseLightTheme");
        QTest::addColumn<bool>("dark");
        QTest::newRow("0 is dark") << std::optional<std::uint32_t>(0u) << true;
        QTest::newRow("1 is light") << std::optional<std::uint32_t>(1u) << false;
        QTest::newRow("missing") << std::optional<std::uint32_t>() << false;
        QTest::newRow("2") << std::optional<std::uint32_t>(2u) << false;
        QTest::newRow("all bits") << std::optional<std::uint32_t>(0xFFFFFFFFu) << false;
    }
    void themeDecision()
    {
        QFETCH(std::optional<std::uint32_t>, appsUseLightTheme);
        QFETCH(bool, dark);
        m_system.theme = appsUseLightTheme;
        const QStyle *platformStyle = QApplication::style();
        applyUserTheme();
        // The light look leaves the platform's style alone, even when that is Fusion too.
        QCOMPARE(QApplication::style() != platformStyle, dark);
        if (dark)
            QCOMPARE(QApplication::style()->objectName(), QStringLiteral("fusion"));
        QCOMPARE(QApplication::palette().color(QPalette::Window) == QColor(53, 53, 53), dark);
        QCOMPARE(isPaletteDark(), dark);
    }

    void darkPaletteRoles_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("Window") << int(QPalette::Window) << QColor(53, 53, 53);
        QTest::newRow("WindowText") << int(QPalette::WindowText) << QColor(Qt::white);
        QTest::newRow("Base") << int(QPalette::Base) << QColor(35, 35, 35);
        QTest::newRow("AlternateBase") << int(QPalette::AlternateBase) << QColor(53, 53, 53);
        QTest::newRow("ToolTipBase") << int(QPalette::ToolTipBase) << QColor(Qt::white);
        QTest::newRow("ToolTipText") << int(QPalette::ToolTipText) << QColor(Qt::white);
        QTest::newRow("Text") << int(QPalette::Text) << QColor(Qt::white);
        QTest::newRow("Button") << int(QPalette::Button) << QColor(53, 53, 53);
        QTest::newRow("ButtonText") << int(QPalette::ButtonText) << QColor(Qt::white);
        QTest::newRow("BrightText") << int(QPalette::BrightText) << QColor(Qt::red);
        QTest::newRow("Link") << int(QPalette::Link) << QColor(42, 130, 218);
        QTest::newRow("Highlight") << int(QPalette::Highlight) << QColor(42, 130, 218);
        QTest::newRow("HighlightedText") << int(QPalette::HighlightedText) << QColor(Qt::black);
    }
    void darkPaletteRoles()
    {
        QFETCH(int, role);
        QFETCH(QColor, colour);
        applyDarkPalette();
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QCOMPARE(QApplication::palette().color(group, QPalette::ColorRole(role)), colour);
    }

    // The loader reads an empty RUNPATH entry, or a relative one, as a folder
    // of the working folder: a library planted there would run in the program.
    void runPathLeavesTheWorkingFolderOut_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("travonix") << QStringLiteral(TRAVONIX_APP_PATH);
        QTest::newRow("a test program") << QCoreApplication::applicationFilePath();
    }
    void runPathLeavesTheWorkingFolderOut()
    {
        QFETCH(QString, program);
        QProcess readelf;
        readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), program});
        QVERIFY(readelf.waitForFinished() && readelf.exitCode() == 0);
        static const QRegularExpression path(QStringLiteral("\\((?:RUNPATH|RPATH)\\).*\\[(.*)\\]"));
        const QString dynamic = QString::fromUtf8(readelf.readAllStandardOutput());
        for (auto match = path.globalMatch(dynamic); match.hasNext();) {
            for (const QString &entry : match.next().captured(1).split(QLatin1Char(':')))
                QVERIFY2(entry.startsWith(QLatin1Char('/')) || entry.startsWith(QLatin1String("$ORIGIN")),
                         qPrintable(QStringLiteral("RUNPATH entry \"%1\" in %2").arg(entry, dynamic)));
        }
    }

    // A picture in the working folder is anyone's; the window's icon is the program's own.
    void iconIsTheProgramsOwn()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("resources")));
        QImage planted(32, 32, QImage::Format_ARGB32);
        planted.fill(Qt::red);
        QVERIFY(planted.save(folder.filePath(QStringLiteral("resources/AppIcon.ico")), "PNG"));
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        applyIdentity();
        QDir::setCurrent(before);
        const QImage shown = QApplication::windowIcon().pixmap(32).toImage();
        QCOMPARE(shown, QIcon(QStringLiteral(":/icons/AppIcon.ico")).pixmap(32).toImage());
        QVERIFY(shown != planted);
    }

private:
    FakeSystem m_system;
    QString m_defaultStyle;
};

TRAVONIX_TEST_MAIN(TestStartup)
#include "test_startup.moc"
