// The whole road from a product page to ISO links, with the product's own
// delays, against the vendor-page replica in the real web engine.
#include "TestMain.h"
#include "scraper/WebEngineEnvironment.h"

#include "ReplicaServer.h"
#include "ScraperProbe.h"
#include "platform/SystemServices.h"
#include "scraper/ProductTable.h"

#include <QElapsedTimer>

namespace {

// What the product's own delays add up to for one road: 3000 ms after the
// edition choice, 3000 ms after the language choice (by then the page has
// confirmed it and shows its links), 1000 ms before the links are read.
constexpr int SpecifiedDelaysMs = 3000 + 3000 + 1000;
// The page loads, script round trips, and one more poll interval in case the
// page shows its links a little late.
constexpr int SlackMs = 5000;

} // namespace

class TestScraperFlow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(serveReplica(m_replica));
        platform::SystemServices::setInstance(&m_system);
    }
    void cleanupTestCase() { platform::SystemServices::setInstance(nullptr); }

    void fromPageToLinks_data()
    {
        QTest::addColumn<QString>("productKey");
        QTest::addColumn<QByteArray>("systemLocale");
        QTest::addColumn<QStringList>("architectures");
        QTest::addColumn<QString>("fileWord");
        for (const char *locale : {"en-US", "de-DE"}) {
            const QByteArray name(locale);
            QTest::addRow("win10 %s", locale) << "win10" << name << QStringList{"x64", "x86"} << "Win10";
            QTest::addRow("win11 %s", locale) << "win11" << name << QStringList{"x64"} << "Win11";
            QTest::addRow("win11arm %s", locale) << "win11arm" << name << QStringList{"arm64"} << "Arm64";
        }
    }
    void fromPageToLinks()
    {
        QFETCH(QString, productKey);
        QFETCH(QByteArray, systemLocale);
        QFETCH(QStringList, architectures);
        QFETCH(QString, fileWord);
        QVERIFY(m_replica.reset());
        m_system.locale = systemLocale.toStdString();
        ScraperProbe probe{ScraperTimings()};
        QElapsedTimer clock;
        clock.start();

        probe.scraper->loadProductPage(productKey);
        QTRY_COMPARE_WITH_TIMEOUT(probe.versions->size(), 1, 15000);
        const QList<ProductVersion> editions = probe.lastVersions();
        QCOMPARE(editions.size(), 1);
        QVERIFY(!editions.first().name.endsWith(QLatin1Char(' ')));

        probe.scraper->selectVersion(editions.first().id);
        QTRY_COMPARE_WITH_TIMEOUT(probe.languages->size(), 1, 15000);
        const QList<LanguageInfo> languages = probe.lastLanguages();
        QCOMPARE(languages.size(), 38);
        for (const LanguageInfo &language : languages)
            QVERIFY(language.isValid && !language.id.isEmpty() && !language.name.isEmpty()
                    && !language.language.isEmpty());

        probe.scraper->selectLanguage(QStringLiteral("English (United States)"));
        QTRY_COMPARE_WITH_TIMEOUT(probe.links->size(), 1, 30000);
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(probe.errors->isEmpty(), qPrintable(probe.errorList().join(QLatin1Char('|'))));
        QCOMPARE(probe.scraper->state(), ScraperState::Idle);
        QCOMPARE(probe.stateList().last(), ScraperState::Idle);

        QStringList found;
        for (const DownloadOption &option : probe.lastLinks()) {
            found << option.architecture;
            QVERIFY2(option.url.startsWith(m_replica.origin() + QLatin1Char('/')), qPrintable(option.url));
            QVERIFY2(option.url.contains(fileWord) && option.url.contains(QLatin1String("_English_")),
                     qPrintable(option.url));
            QCOMPARE(option.versionId, editions.first().id);
            QCOMPARE(option.language, QStringLiteral("English (United States)"));
        }
        QCOMPARE(found, architectures);
        QVERIFY2(elapsed < SpecifiedDelaysMs + SlackMs, qPrintable(QString::number(elapsed)));
        const QString expectedLocale = systemLocale == "de-DE" ? QStringLiteral("/de-de/") : QStringLiteral("/en-us/");
        QVERIFY(m_replica.pageRequests().first().contains(expectedLocale));
    }

private:
    ReplicaServer m_replica;
    FakeLocaleSystem m_system;
};

TRAVONIX_WEB_TEST_MAIN(TestScraperFlow)
#include "test_scraperflow.moc"
