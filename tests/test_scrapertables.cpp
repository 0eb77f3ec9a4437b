// The scraper's tables: products and page addresses, page locales, identities.
#include "TestMain.h"

#include "scraper/PageLocales.h"
#include "scraper/ProductTable.h"
#include "scraper/UserAgents.h"

#include <QSet>

class TestScraperTables : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { setSiteOrigin(defaultSiteOrigin()); }

    void productTableIsOrderedByKey()
    {
        const auto products = productTable();
        QCOMPARE(products.keys(), (QStringList{"win10", "win11", "win11arm"}));
        QStringList names;
        for (auto product = products.cbegin(); product != products.cend(); ++product) {
            names << product->displayName;
            QCOMPARE(product->productKey, product.key());
        }
        QCOMPARE(names, (QStringList{"Windows 10", "Windows 11", "Windows 11 ARM64"}));
    }

    void pageUrl_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("productKey");
        QTest::addColumn<QString>("url");
        const QString origin = QStringLiteral("https://www.microsoft.com");
        QTest::newRow("win11arm de-de") << "de-de"
                                        << "win11arm" << origin + "/de-de/software-download/windows11arm64";
        QTest::newRow("win10") << "en-us"
                               << "win10" << origin + "/en-us/software-download/windows10ISO";
        QTest::newRow("win11") << "fr-fr"
                               << "win11" << origin + "/fr-fr/software-download/windows11";
        QTest::newRow("unknown key") << "ja-jp"
                                     << "win12" << origin + "/ja-jp/software-download/windows11";
        QTest::newRow("empty key") << "en-us"
                                   << "" << origin + "/en-us/software-download/windows11";
        QTest::newRow("key case matters") << "en-us"
                                          << "Win11" << origin + "/en-us/software-download/windows11";
        QTest::newRow("locale with script") << "sr-latn-rs"
                                            << "win10" << origin + "/sr-latn-rs/software-download/windows10ISO";
    }
    void pageUrl()
    {
        QFETCH(QString, locale);
        QFETCH(QString, productKey);
        QFETCH(QString, url);
        QCOMPARE(buildPageUrl(locale, productKey), url);
    }

    // The edition chosen before the user chooses, by rule, whatever the
    // page's order.
    void defaultEdition_data()
    {
        QTest::addColumn<QString>("productKey");
        QTest::addColumn<QStringList>("editions");
        QTest::addColumn<int>("row");
        const QString enterprise = QStringLiteral("Windows 11 Enterprise");
        const QString ltsc = QStringLiteral("Windows 11 Enterprise LTSC");
        QTest::newRow("Enterprise, then LTSC") << "win11-eval" << QStringList{enterprise, ltsc} << 0;
        QTest::newRow("LTSC listed first") << "win11-eval" << QStringList{ltsc, enterprise} << 1;
        QTest::newRow("a third edition appended")
            << "win11-eval" << QStringList{enterprise, ltsc, "Windows 12 LTSC"} << 0;
        QTest::newRow("LTSC only") << "win11iot-eval" << QStringList{"Windows 11 IoT Enterprise LTSC"} << 0;
        QTest::newRow("a server") << "server2025" << QStringList{"Windows Server 2025"} << 0;
        QTest::newRow("no editions") << "server2025" << QStringList() << -1;
        QTest::newRow("the download page: its last")
            << "win11" << QStringList{"Windows 11 (multi-edition ISO)", "Windows 11 Home China"} << 1;
    }
    void defaultEdition()
    {
        QFETCH(QString, productKey);
        QFETCH(QStringList, editions);
        QFETCH(int, row);
        QList<ProductVersion> versions;
        for (const QString &name : editions)
            versions << ProductVersion{name, name, true};
        QCOMPARE(defaultEditionRow(productKey, versions), row);
    }

    void origin_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("origin");
        QTest::newRow("loopback http") << "http://127.0.0.1:8080" << true << "http://127.0.0.1:8080";
        QTest::newRow("trailing slash") << "https://mirror.example.org/" << true << "https://mirror.example.org";
        QTest::newRow("path") << "https://mirror.example.org/iso" << false << "https://www.microsoft.com";
        QTest::newRow("query") << "https://mirror.example.org?x=1" << false << "https://www.microsoft.com";
        QTest::newRow("ftp") << "ftp://mirror.example.org" << false << "https://www.microsoft.com";
        QTest::newRow("no scheme") << "mirror.example.org" << false << "https://www.microsoft.com";
        QTest::newRow("user info") << "https://a:b@mirror.example.org" << false << "https://www.microsoft.com";
        QTest::newRow("empty") << "" << false << "https://www.microsoft.com";
        QTest::newRow("percent sign") << "https://%31.example" << false << "https://www.microsoft.com";
    }
    void origin()
    {
        QFETCH(QString, given);
        QFETCH(bool, accepted);
        QFETCH(QString, origin);
        QCOMPARE(setSiteOrigin(given), accepted);
        QCOMPARE(siteOrigin(), origin);
        QCOMPARE(buildPageUrl(QStringLiteral("en-us"), QStringLiteral("win11")),
                 origin + QStringLiteral("/en-us/software-download/windows11"));
    }

    // Where the page may send the download, for Microsoft's site and for a mirror.
    void trustedLinks_data()
    {
        QTest::addColumn<QString>("origin");
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("trusted");
        const QString microsoft = QStringLiteral("https://www.microsoft.com");
        const QString mirror = QStringLiteral("http://127.0.0.1:8080");
        QTest::newRow("Microsoft's file server")
            << microsoft << "https://software.download.prss.microsoft.com/dbazure/a.iso?t=1" << true;
        QTest::newRow("host and scheme in capitals") << microsoft << "HTTPS://Download.Microsoft.COM/a.iso" << true;
        QTest::newRow("bare microsoft.com") << microsoft << "https://microsoft.com/a.iso" << true;
        QTest::newRow("plain http") << microsoft << "http://software.download.prss.microsoft.com/a.iso" << false;
        QTest::newRow("look-alike host") << microsoft << "https://evilmicrosoft.com/a.iso" << false;
        QTest::newRow("microsoft.com as a subdomain")
            << microsoft << "https://microsoft.com.evil.example/a.iso" << false;
        QTest::newRow("microsoft.com as user info") << microsoft << "https://microsoft.com@evil.example/a.iso" << false;
        QTest::newRow("local file") << microsoft << "file:///etc/passwd.iso" << false;
        QTest::newRow("relative") << microsoft << "/dbazure/a.iso" << false;
        QTest::newRow("mirror: its scheme, any host") << mirror << "http://10.0.0.1/a.iso" << true;
        QTest::newRow("mirror: another scheme") << mirror << "https://127.0.0.1:8080/a.iso" << false;
        QTest::newRow("mirror: ftp") << mirror << "ftp://127.0.0.1/a.iso" << false;
        // Microsoft's site however it is spelled keeps its hosts; another port is another site.
        const QString evil = QStringLiteral("https://evil.example/a.iso");
        QTest::newRow("Microsoft with its port") << "https://www.microsoft.com:443" << evil << false;
        QTest::newRow("Microsoft in capitals, trailing dot") << "https://WWW.microsoft.com." << evil << false;
        QTest::newRow("Microsoft with its port, its file server") << "https://www.microsoft.com.:443/"
                                                                  << "https://download.microsoft.com/a.iso" << true;
        QTest::newRow("Microsoft's host on another port") << "https://www.microsoft.com:8443" << evil << true;
        QTest::newRow("Microsoft's host over http") << "http://www.microsoft.com:443"
                                                    << "http://evil.example/a.iso" << true;
    }
    void trustedLinks()
    {
        QFETCH(QString, origin);
        QFETCH(QString, link);
        QFETCH(bool, trusted);
        QVERIFY(setSiteOrigin(origin));
        QCOMPARE(isTrustedDownloadLink(link), trusted);
    }

    // Where the page's view may go: the site alone, however its origin is spelled.
    void siteAddresses_data()
    {
        QTest::addColumn<QString>("origin");
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("onSite");
        const QString microsoft = QStringLiteral("https://www.microsoft.com");
        const QString page = QStringLiteral("/en-us/software-download/windows11");
        QTest::newRow("the site's page") << microsoft << microsoft + page << true;
        QTest::newRow("the host in capitals") << microsoft << "https://WWW.Microsoft.com" + page << true;
        QTest::newRow("the origin with its port and a trailing dot")
            << "https://www.microsoft.com.:443" << microsoft + page << true;
        QTest::newRow("a trailing dot on the address") << microsoft << "https://www.microsoft.com." + page << true;
        QTest::newRow("plain http") << microsoft << "http://www.microsoft.com" + page << false;
        QTest::newRow("another port") << microsoft << "https://www.microsoft.com:8443" + page << false;
        QTest::newRow("another host of Microsoft's") << microsoft << "https://go.microsoft.com/fwlink" << false;
        QTest::newRow("the host as user info") << microsoft << "https://www.microsoft.com@evil.example/" << false;
        QTest::newRow("about:blank") << microsoft << "about:blank" << false;
        QTest::newRow("data") << microsoft << "data:text/html,hi" << false;
        QTest::newRow("a mirror's page") << "http://127.0.0.1:8080"
                                         << "http://127.0.0.1:8080" + page << true;
        QTest::newRow("a mirror under another name") << "http://127.0.0.1:8080"
                                                     << "http://localhost:8080" + page << false;
        QTest::newRow("a mirror's origin with a trailing dot") << "http://127.0.0.1.:8080"
                                                               << "http://127.0.0.1:8080" + page << true;
    }
    void siteAddresses()
    {
        QFETCH(QString, origin);
        QFETCH(QString, url);
        QFETCH(bool, onSite);
        QVERIFY(setSiteOrigin(origin));
        QCOMPARE(isOnSite(QUrl(url)), onSite);
    }

    void pageLocaleTable()
    {
        QCOMPARE(pageLocales().size(), 96);
        QCOMPARE(pageLocales().first(), QStringLiteral("fr-dz"));
        QCOMPARE(pageLocales().last(), QStringLiteral("zh-hk"));
        QCOMPARE(QSet<QString>(pageLocales().begin(), pageLocales().end()).size(), 96);
        for (const QString &locale : pageLocales())
            QCOMPARE(locale, locale.toLower());
    }

    void localeDetection_data()
    {
        QTest::addColumn<QByteArray>("systemName");
        QTest::addColumn<QString>("pageLocale");
        QTest::newRow("en-US") << QByteArray("en-US") << "en-us";
        QTest::newRow("sr-Latn-RS") << QByteArray("sr-Latn-RS") << "sr-latn-rs";
        QTest::newRow("FR-ca") << QByteArray("FR-ca") << "fr-ca";
        QTest::newRow("en-GULF") << QByteArray("en-GULF") << "en-gulf";
        QTest::newRow("not in table") << QByteArray("de-LU") << "en-us";
        QTest::newRow("language only") << QByteArray("de") << "en-us";
        QTest::newRow("underscore form") << QByteArray("de_DE") << "en-us";
        QTest::newRow("prefix of an entry") << QByteArray("sr-latn") << "en-us";
        QTest::newRow("empty") << QByteArray() << "en-us";
        QTest::newRow("non-ASCII letters do not fold") << QByteArray("\xC9N-US") << "en-us";
    }
    void localeDetection()
    {
        QFETCH(QByteArray, systemName);
        QFETCH(QString, pageLocale);
        QCOMPARE(matchPageLocale(systemName), pageLocale);
    }

    void everyPhoneIdentityIsChosen()
    {
        QCOMPARE(mobileUserAgents().size(), 5);
        QSet<QString> chosen;
        for (int i = 0; i < 500 && chosen.size() < 5; ++i)
            chosen.insert(pickMobileUserAgent());
        QCOMPARE(chosen.size(), 5);
        for (const QString &agent : mobileUserAgents())
            QVERIFY(agent.contains(QLatin1String("Android")) && agent.contains(QLatin1String("Mobile Safari")));
        QVERIFY(!desktopUserAgent().contains(QLatin1String("Mobile")));
    }
};

TRAVONIX_TEST_MAIN(TestScraperTables)
#include "test_scrapertables.moc"
