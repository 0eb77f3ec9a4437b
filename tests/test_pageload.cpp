// The scraper's page-load lifecycle against the vendor-page replica, in the
// real web engine, with shrunk delays.
#include "TestMain.h"
#include "scraper/WebEngineEnvironment.h"

#include "ReplicaServer.h"
#include "ScraperProbe.h"
#include "platform/SystemServices.h"
#include "scraper/ProductTable.h"
#include "scraper/QuibScraper.h"
#include "scraper/UserAgents.h"

#include <QSignalSpy>

namespace {

constexpr int LoadTimeoutMs = 4000;
constexpr int ShortTimeoutMs = 1500;

ScraperTimings shrunkTimings(int loadTimeoutMs = LoadTimeoutMs)
{
    ScraperTimings timings;
    timings.pageLoadTimeoutMs = loadTimeoutMs;
    timings.loadRetryDelayMs = 100;
    timings.afterInjectionMs = 100;
    return timings;
}

QList<ScraperState> statesOf(const QSignalSpy &spy)
{
    QList<ScraperState> states;
    for (const auto &arguments : spy)
        states << arguments.at(0).value<ScraperState>();
    return states;
}

QStringList messagesOf(const QSignalSpy &spy)
{
    QStringList messages;
    for (const auto &arguments : spy)
        messages << arguments.at(0).toString();
    return messages;
}

} // namespace

class TestPageLoad : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(serveReplica(m_replica));
        platform::SystemServices::setInstance(&m_system);
    }

    void cleanupTestCase() { platform::SystemServices::setInstance(nullptr); }

    void init()
    {
        QVERIFY(m_replica.reset());
        m_system.locale = "en-US";
        m_scraper = std::make_unique<QuibScraper>();
        m_scraper->setTimings(shrunkTimings());
        m_states = std::make_unique<QSignalSpy>(m_scraper.get(), &QuibScraper::stateChanged);
        m_errors = std::make_unique<QSignalSpy>(m_scraper.get(), &QuibScraper::error);
    }

    void cleanup()
    {
        m_states.reset();
        m_errors.reset();
        m_scraper.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void goodPageGoesToExtraction_data()
    {
        QTest::addColumn<QString>("productKey");
        QTest::addColumn<QByteArray>("systemLocale");
        QTest::addColumn<QString>("expectedPath");
        QTest::newRow("win10 en-US") << "win10" << QByteArray("en-US") << "/en-us/software-download/windows10ISO";
        QTest::newRow("win11 en-US") << "win11" << QByteArray("en-US") << "/en-us/software-download/windows11";
        QTest::newRow("win11arm de-DE") << "win11arm" << QByteArray("de-DE")
                                        << "/de-de/software-download/windows11arm64";
        QTest::newRow("win10 sr-Latn-RS")
            << "win10" << QByteArray("sr-Latn-RS") << "/sr-latn-rs/software-download/windows10ISO";
        QTest::newRow("unknown locale") << "win11" << QByteArray("de-LU") << "/en-us/software-download/windows11";
    }
    void goodPageGoesToExtraction()
    {
        QFETCH(QString, productKey);
        QFETCH(QByteArray, systemLocale);
        QFETCH(QString, expectedPath);
        m_system.locale = systemLocale.toStdString();
        m_scraper = std::make_unique<QuibScraper>();
        m_scraper->setTimings(shrunkTimings());
        QSignalSpy states(m_scraper.get(), &QuibScraper::stateChanged);
        QSignalSpy errors(m_scraper.get(), &QuibScraper::error);
        QSignalSpy versions(m_scraper.get(), &QuibScraper::versionsExtracted);

        m_scraper->loadProductPage(productKey);
        QTRY_COMPARE_WITH_TIMEOUT(versions.size(), 1, LoadTimeoutMs);
        QCOMPARE(statesOf(states),
                 (QList<ScraperState>{ScraperState::LoadingVersions, ScraperState::ExtractingVersions,
                                      ScraperState::Idle}));
        const auto editions = versions.first().at(0).value<QList<ProductVersion>>();
        QCOMPARE(editions.size(), 1);
        QVERIFY(editions.first().isValid && !editions.first().id.isEmpty());
        QCOMPARE(editions.first().name, editions.first().name.trimmed());
        // The timer stops with the completed load: no time-out later on.
        QTest::qWait(LoadTimeoutMs + 500);
        QVERIFY2(errors.isEmpty(), qPrintable(messagesOf(errors).join(QLatin1Char('|'))));
        QCOMPARE(statesOf(states).size(), 3);
        QCOMPARE(versions.size(), 1);

        const QStringList requests = m_replica.pageRequests();
        QCOMPARE(requests.size(), 1);
        QVERIFY2(requests.first().startsWith(QStringLiteral("HIT GET ") + expectedPath + QLatin1Char(' ')),
                 qPrintable(requests.first()));
        const QString agent = requests.first().section(QLatin1Char(' '), 3);
        QVERIFY2(mobileUserAgents().contains(agent), qPrintable(agent));
    }

    void twoFailuresThenSuccess()
    {
        QCOMPARE(m_replica.command(QStringLiteral("fail 2")), QStringLiteral("OK fail 2"));
        m_scraper->loadProductPage(QStringLiteral("win11"));
        QTRY_COMPARE_WITH_TIMEOUT(statesOf(*m_states),
                                  (QList<ScraperState>{ScraperState::LoadingVersions, ScraperState::ExtractingVersions,
                                                       ScraperState::Idle}),
                                  3 * LoadTimeoutMs);
        QVERIFY(m_errors->isEmpty());
        QCOMPARE(m_replica.hits(), 3);
    }

    void threeFailuresGiveOneErrorAndNoFourthAttempt()
    {
        QCOMPARE(m_replica.command(QStringLiteral("fail 10")), QStringLiteral("OK fail 10"));
        m_scraper->loadProductPage(QStringLiteral("win10"));
        QTRY_COMPARE_WITH_TIMEOUT(m_errors->size(), 1, 3 * LoadTimeoutMs);
        QCOMPARE(messagesOf(*m_errors), QStringList{QStringLiteral("Failed to load page after 3 retries")});
        QCOMPARE(statesOf(*m_states), (QList<ScraperState>{ScraperState::LoadingVersions, ScraperState::Idle}));
        QTest::qWait(1000);
        QCOMPARE(m_errors->size(), 1);
        QCOMPARE(m_replica.hits(), 3);
    }

    void newVisitResetsTheRetryCount()
    {
        QCOMPARE(m_replica.command(QStringLiteral("fail 2")), QStringLiteral("OK fail 2"));
        m_scraper->loadProductPage(QStringLiteral("win11"));
        QTRY_COMPARE_WITH_TIMEOUT(m_states->size(), 3, 3 * LoadTimeoutMs);
        QCOMPARE(m_replica.command(QStringLiteral("fail 2")), QStringLiteral("OK fail 2"));
        m_scraper->loadProductPage(QStringLiteral("win11arm"));
        QTRY_COMPARE_WITH_TIMEOUT(m_states->size(), 6, 3 * LoadTimeoutMs);
        QCOMPARE(statesOf(*m_states).mid(3),
                 (QList<ScraperState>{ScraperState::LoadingVersions, ScraperState::ExtractingVersions,
                                      ScraperState::Idle}));
        QVERIFY(m_errors->isEmpty());
    }

    // The request ended with the timeout: a late answer reports nothing.
    void hangTimesOutAndLateCompletionReportsNothing()
    {
        m_scraper->setTimings(shrunkTimings(ShortTimeoutMs));
        QCOMPARE(m_replica.command(QStringLiteral("hang 1")), QStringLiteral("OK hang 1"));
        m_scraper->loadProductPage(QStringLiteral("win11"));
        QTRY_COMPARE_WITH_TIMEOUT(m_errors->size(), 1, 3 * ShortTimeoutMs);
        QCOMPARE(messagesOf(*m_errors), QStringList{QStringLiteral("Page load timeout")});
        QCOMPARE(statesOf(*m_states), (QList<ScraperState>{ScraperState::LoadingVersions, ScraperState::Idle}));

        QSignalSpy versions(m_scraper.get(), &QuibScraper::versionsExtracted);
        QCOMPARE(m_replica.command(QStringLiteral("release")), QStringLiteral("OK release"));
        QTest::qWait(2000);
        QCOMPARE(versions.size(), 0);
        QCOMPARE(m_errors->size(), 1);
        QCOMPARE(m_scraper->state(), ScraperState::Idle);
    }

    // A load that the page starts by itself also runs under the time limit,
    // and the page it left, still shown, is not taken for it.
    void pageStartedLoadRestartsTheCount()
    {
        ScraperTimings timings = shrunkTimings(ShortTimeoutMs);
        // The edition's request still waits when the page's own load times
        // out, however late a hidden page runs its timers.
        timings.afterVersionSelectionMs = 20000;
        m_scraper->setTimings(timings);
        QCOMPARE(m_replica.command(QStringLiteral("selfnav 800")), QStringLiteral("OK selfnav 800"));
        QSignalSpy versions(m_scraper.get(), &QuibScraper::versionsExtracted);
        m_scraper->loadProductPage(QStringLiteral("win11"));
        QTRY_COMPARE_WITH_TIMEOUT(versions.size(), 1, LoadTimeoutMs);
        QCOMPARE(m_replica.command(QStringLiteral("hang 1")), QStringLiteral("OK hang 1"));
        m_scraper->selectVersion(versions.first().at(0).value<QList<ProductVersion>>().first().id);
        QTRY_COMPARE_WITH_TIMEOUT(m_errors->size(), 1, 800 + 3 * ShortTimeoutMs);
        QCOMPARE(messagesOf(*m_errors), QStringList{QStringLiteral("Page load timeout")});
        QCOMPARE(m_replica.hits(), 2);
        QVERIFY(m_replica.pageRequests().last().contains(QLatin1String("selfnav=1")));
        QCOMPARE(m_replica.command(QStringLiteral("release")), QStringLiteral("OK release"));
    }

    // A tracker that never answers: the page's lists are read, and the load
    // that completes at last reports nothing twice.
    void pageWithAHungTrackerIsRead()
    {
        QCOMPARE(m_replica.command(QStringLiteral("tracker on")), QStringLiteral("OK tracker on"));
        QSignalSpy versions(m_scraper.get(), &QuibScraper::versionsExtracted);
        m_scraper->loadProductPage(QStringLiteral("win11"));
        QTRY_COMPARE_WITH_TIMEOUT(versions.size(), 1, 2 * LoadTimeoutMs);
        QVERIFY(m_errors->isEmpty());
        QCOMPARE(m_replica.command(QStringLiteral("release")), QStringLiteral("OK release"));
        QTest::qWait(1000);
        QCOMPARE(versions.size(), 1);
        QVERIFY(m_errors->isEmpty());
    }

    // A page stopped half-loaded by a request's end is never taken for the
    // next load of the same page, should that one not answer.
    void stoppedPageIsNotTakenForTheNextLoad()
    {
        ScraperTimings timings = shrunkTimings();
        timings.requestDeadlineMs = ShortTimeoutMs;
        m_scraper->setTimings(timings);
        QCOMPARE(m_replica.command(QStringLiteral("tracker on")), QStringLiteral("OK tracker on"));
        m_scraper->loadProductPage(QStringLiteral("win11"));
        QTRY_COMPARE_WITH_TIMEOUT(m_errors->size(), 1, LoadTimeoutMs);
        QCOMPARE(messagesOf(*m_errors), QStringList{QStringLiteral("Request deadline passed")});

        m_scraper->setTimings(shrunkTimings(ShortTimeoutMs));
        QCOMPARE(m_replica.command(QStringLiteral("tracker off")), QStringLiteral("OK tracker off"));
        QCOMPARE(m_replica.command(QStringLiteral("hang 1")), QStringLiteral("OK hang 1"));
        QSignalSpy versions(m_scraper.get(), &QuibScraper::versionsExtracted);
        m_scraper->loadProductPage(QStringLiteral("win11"));
        QTRY_COMPARE_WITH_TIMEOUT(m_errors->size(), 2, LoadTimeoutMs);
        QCOMPARE(messagesOf(*m_errors).last(), QStringLiteral("Page load timeout"));
        QCOMPARE(versions.size(), 0);
        QCOMPARE(m_replica.command(QStringLiteral("release")), QStringLiteral("OK release"));
    }

private:
    ReplicaServer m_replica;
    FakeLocaleSystem m_system;
    std::unique_ptr<QuibScraper> m_scraper;
    std::unique_ptr<QSignalSpy> m_states;
    std::unique_ptr<QSignalSpy> m_errors;
};

TRAVONIX_WEB_TEST_MAIN(TestPageLoad)
#include "test_pageload.moc"
