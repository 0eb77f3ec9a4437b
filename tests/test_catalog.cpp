// Reading the product catalog: products.xml of every form, the CAB around
// it, and where a catalog and its files may come from. Also built with
// AddressSanitizer and UndefinedBehaviorSanitizer.
#include "catalog/CabContent.h"
#include "catalog/CatalogAddress.h"
#include "catalog/ProductsXml.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Sha1 = QStringLiteral("a").repeated(40);
const QString Sha256 = QStringLiteral("b").repeated(64);
const QString Name = QStringLiteral("26100.4349.250607-1500.ge_release_CLIENTCONSUMER_RET_x64FRE_en-us.esd");

// One File entry; `fields` replace or add to a usable Sha1 entry, and an
// empty value leaves the field out.
QString entry(const QMap<QString, QString> &fields = {})
{
    QMap<QString, QString> all{{QStringLiteral("FileName"), Name},
                               {QStringLiteral("LanguageCode"), QStringLiteral("en-us")},
                               {QStringLiteral("Language"), QStringLiteral("English (United States)")},
                               {QStringLiteral("Edition"), QStringLiteral("Professional")},
                               {QStringLiteral("Edition_Loc"), QStringLiteral("Windows 11 Pro")},
                               {QStringLiteral("Architecture"), QStringLiteral("x64")},
                               {QStringLiteral("Size"), QStringLiteral("4567890123")},
                               {QStringLiteral("Sha1"), Sha1},
                               {QStringLiteral("FilePath"),
                                QStringLiteral("http://dl.delivery.mp.microsoft.com/"
                                               "filestreamingservice/files/1/")
                                    + Name}};
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        all.insert(it.key(), it.value());
    QString text = QStringLiteral("<File>");
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        if (!it.value().isEmpty())
            text += QStringLiteral("<%1>%2</%1>").arg(it.key(), it.value());
    }
    return text + QStringLiteral("</File>");
}

QByteArray catalog(const QString &version, const QStringList &entries, const QString &lineEnd = QStringLiteral("\n"))
{
    const QString media = QStringLiteral("<PublishedMedia id=\"1\">") + lineEnd + QStringLiteral("<Files>") + lineEnd
        + entries.join(lineEnd) + lineEnd + QStringLiteral("</Files></PublishedMedia>");
    const QString root = version == QLatin1String("1.0")
        ? media
        : QStringLiteral("<MCT><Catalogs><Catalog version=\"%1\">%2</Catalog></Catalogs></MCT>").arg(version, media);
    return (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>") + lineEnd + root + lineEnd).toUtf8();
}

// What the test compares: each file as "name|code|language|arch|editions|
// algorithm:digest|size|build", then the skipped count.
QStringList summary(const Catalog &read)
{
    QStringList rows;
    for (const CatalogFile &file : read.files) {
        QStringList editions;
        for (const CatalogEdition &edition : file.editions)
            editions << edition.id + QLatin1Char('=') + edition.name;
        rows << QStringList{file.fileName,
                            file.languageCode,
                            file.language,
                            file.architecture,
                            editions.join(QLatin1Char(',')),
                            QLatin1String(digestName(file.digestAlgorithm)) + QLatin1Char(':') + file.digest.left(4),
                            QString::number(file.size),
                            QStringLiteral("%1.%2").arg(file.build).arg(file.revision)}
                    .join(QLatin1Char('|'));
    }
    return rows << QStringLiteral("skipped %1").arg(read.skippedEntries);
}

// `count` entries, each of its own file.
QStringList manyEntries(int count)
{
    QStringList entries{entry()};
    for (int i = 1; i < count; ++i) {
        const QString n = QString::number(i);
        entries << entry({{QStringLiteral("Sha1"), n.rightJustified(40, QLatin1Char('0'))},
                          {QStringLiteral("Edition"), QStringLiteral("E") + n},
                          {QStringLiteral("FilePath"), QStringLiteral("http://a/") + n}});
    }
    return entries;
}

QString row(const QString &rest)
{
    return Name + QLatin1Char('|') + rest;
}

} // namespace

class TestCatalog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void productsXml_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QStringList>("files"); // the summary; empty: a problem, no catalog
        const QString proSha1 = QStringLiteral(
            "en-us|English (United States)|x64|Professional=Windows 11 Pro|SHA-1:AAAA|4567890123|26100.4349");
        const QString core = QStringLiteral("Core");
        const QString edition = QStringLiteral("Edition");
        const QString sha256Key = QStringLiteral("Sha256");
        const QString sha1Key = QStringLiteral("Sha1");
        QTest::newRow("2.0, SHA-1") << catalog(QStringLiteral("2.0"), {entry()}) << "2.0"
                                    << QStringList{row(proSha1), "skipped 0"};
        QTest::newRow("1.0, PublishedMedia the root")
            << catalog(QStringLiteral("1.0"), {entry()}) << "1.0" << QStringList{row(proSha1), "skipped 0"};
        QTest::newRow("1.5") << catalog(QStringLiteral("1.5"), {entry()}) << "1.5"
                             << QStringList{row(proSha1), "skipped 0"};
        QTest::newRow("2.1, SHA-256 only, CRLF")
            << catalog(QStringLiteral("2.1"), {entry({{sha1Key, QString()}, {sha256Key, Sha256}})},
                       QStringLiteral("\r\n"))
            << "2.1"
            << QStringList{row("en-us|English (United States)|x64|Professional=Windows 11 Pro|SHA-256:BBBB|"
                               "4567890123|26100.4349"),
                           "skipped 0"};
        QTest::newRow("both digests: SHA-256")
            << catalog(QStringLiteral("2.1"), {entry({{sha256Key, Sha256}})}) << "2.1"
            << QStringList{row("en-us|English (United States)|x64|Professional=Windows 11 Pro|SHA-256:BBBB|"
                               "4567890123|26100.4349"),
                           "skipped 0"};
        QTest::newRow("one ESD listed for two editions")
            << catalog(QStringLiteral("2.0"), {entry(), entry({{edition, core}, {"Edition_Loc", "Windows 11 Home"}})})
            << "2.0"
            << QStringList{row("en-us|English (United States)|x64|Professional=Windows 11 Pro,Core=Windows 11 Home|"
                               "SHA-1:AAAA|4567890123|26100.4349"),
                           "skipped 0"};
        QTest::newRow("the same entry twice")
            << catalog(QStringLiteral("2.0"), {entry(), entry()}) << "2.0" << QStringList{row(proSha1), "skipped 0"};
        QTest::newRow("one address, another digest")
            << catalog(QStringLiteral("2.0"), {entry(), entry({{edition, core}, {sha1Key, QString("c").repeated(40)}})})
            << "2.0" << QStringList{row(proSha1), "skipped 1"};
        QTest::newRow("one digest, another language")
            << catalog(QStringLiteral("2.0"), {entry(), entry({{"LanguageCode", "fr-fr"}, {"FilePath", "http://a/b"}})})
            << "2.0" << QStringList{row(proSha1), "skipped 1"};
        QTest::newRow("ARM64 and x86, any case")
            << catalog(
                   QStringLiteral("2.0"),
                   {entry(
                        {{"Architecture", "ARM64"}, {sha1Key, QString("1").repeated(40)}, {"FilePath", "http://a/1"}}),
                    entry({{"Architecture", "X86"}, {sha1Key, QString("2").repeated(40)}, {"FilePath", "http://a/2"}})})
            << "2.0"
            << QStringList{row("en-us|English (United States)|arm64|Professional=Windows 11 Pro|SHA-1:1111|"
                               "4567890123|26100.4349"),
                           row("en-us|English (United States)|x86|Professional=Windows 11 Pro|SHA-1:2222|4567890123|"
                               "26100.4349"),
                           "skipped 0"};
        QTest::newRow("no display names: the codes")
            << catalog(QStringLiteral("2.0"), {entry({{"Language", QString()}, {"Edition_Loc", QString()}}), entry()})
            << "2.0"
            << QStringList{row("en-us|en-us|x64|Professional=Professional|SHA-1:AAAA|4567890123|26100.4349"),
                           "skipped 0"};
        QTest::newRow("a name that holds controls")
            << catalog(QStringLiteral("2.0"), {entry({{"Language", "Eng&#x9b;2Jlish\u202e"}})}) << "2.0"
            << QStringList{row(QStringLiteral("en-us|Eng\uFFFD2Jlish\uFFFD|x64|Professional=Windows 11 Pro|"
                                              "SHA-1:AAAA|4567890123|26100.4349")),
                           "skipped 0"};
        QTest::newRow("a file name without a build")
            << catalog(QStringLiteral("2.0"), {entry({{"FileName", "install.esd"}})}) << "2.0"
            << QStringList{"install.esd|en-us|English (United States)|x64|Professional=Windows 11 Pro|SHA-1:AAAA|"
                           "4567890123|0.0",
                           "skipped 0"};
        QTest::newRow("an entry outside Files is none")
            << catalog(QStringLiteral("2.0"), {entry()}).replace("<Files>", entry().toUtf8() + "<Files>") << "2.0"
            << QStringList{row(proSha1), "skipped 0"};
        // Each entry left out, beside a usable one.
        const QList<std::pair<const char *, QMap<QString, QString>>> unusable{
            {"no size", {{"Size", QString()}}},
            {"a size of no number", {{"Size", "12e9"}}},
            {"a negative size", {{"Size", "-5"}}},
            {"an overlong size", {{"Size", "99999999999999999999"}}},
            {"no digest", {{sha1Key, QString()}}},
            {"a digest of the wrong length", {{sha1Key, Sha1 + "a"}}},
            {"a digest of no hex", {{sha1Key, QString("g").repeated(40)}}},
            {"an unknown architecture", {{"Architecture", "ia64"}}},
            {"no architecture", {{"Architecture", QString()}}},
            {"no language code", {{"LanguageCode", QString()}}},
            {"a language code with a slash", {{"LanguageCode", "en/us"}}},
            {"no edition", {{edition, QString()}}},
            {"an edition with a space", {{edition, "Pro fessional"}}},
            {"no address", {{"FilePath", QString()}}},
            {"an ftp address", {{"FilePath", "ftp://dl.delivery.mp.microsoft.com/a.esd"}}},
            {"an address with a user", {{"FilePath", "http://user@dl.delivery.mp.microsoft.com/a.esd"}}},
            {"a relative address", {{"FilePath", "/files/a.esd"}}},
            {"no file name", {{"FileName", QString()}}},
            {"a file name with a slash", {{"FileName", "files/a.esd"}}},
            {"a file name with a backslash", {{"FileName", "files\\a.esd"}}},
            {"a file name a folder up", {{"FileName", "../a.esd"}}},
            {"a file name with ..", {{"FileName", "a..esd"}}},
            {"a dot file", {{"FileName", ".a.esd"}}},
            {"a file name not .esd", {{"FileName", "a.exe"}}},
            {"a file name with a tab", {{"FileName", "a&#9;b.esd"}}},
            {"a field twice, two values", {{"Size", "1</Size><Size>2"}}},
        };
        for (const auto &[name, fields] : unusable) {
            QMap<QString, QString> other = fields;
            if (!fields.contains(sha1Key))
                other.insert(sha1Key, QString("9").repeated(40));
            other.insert("FilePath", other.value("FilePath", "http://other.example/a.esd"));
            QTest::newRow(name) << catalog(QStringLiteral("2.0"), {entry(), entry(other)}) << "2.0"
                                << QStringList{row(proSha1), "skipped 1"};
        }
        QTest::newRow("more entries than any catalog")
            << catalog(QStringLiteral("2.0"), manyEntries(20001)) << QString() << QStringList();
        QTest::newRow("nested deeper than any catalog")
            << catalog(QStringLiteral("2.0"), {entry()})
                   .replace("<Files>", QByteArray("<a>").repeated(100000) + "<Files>")
                   .replace("</Files>", "</Files>" + QByteArray("</a>").repeated(100000))
            << QString() << QStringList();
        QTest::newRow("elements nested in a field")
            << catalog(QStringLiteral("2.0"),
                       {entry({{"Language", QString("<a>").repeated(100000) + QString("</a>").repeated(100000)}})})
            << QString() << QStringList();
        QTest::newRow("no usable entry") << catalog(QStringLiteral("2.0"), {entry({{"Size", QString()}})}) << QString()
                                         << QStringList();
        QTest::newRow("no entry") << catalog(QStringLiteral("2.0"), {}) << QString() << QStringList();
        QTest::newRow("not XML") << QByteArray("PK\x03\x04 not xml") << QString() << QStringList();
        QTest::newRow("cut short") << catalog(QStringLiteral("2.0"), {entry()}).left(300) << QString() << QStringList();
        QTest::newRow("a DTD with entities")
            << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE MCT [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;\">]>")
                + catalog(QStringLiteral("2.0"), {entry({{"Language", "&b;"}})}).mid(38)
            << QString() << QStringList();
        QTest::newRow("an external entity")
            << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE MCT [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>")
                + catalog(QStringLiteral("2.0"), {entry({{"Language", "&x;"}})}).mid(38)
            << QString() << QStringList();
    }
    void productsXml()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, version);
        QFETCH(QStringList, files);
        QString problem;
        const Catalog read = readProductsXml(xml, &problem);
        if (files.isEmpty()) {
            QVERIFY(!problem.isEmpty());
            QVERIFY(read.files.isEmpty());
            return;
        }
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(read.version, version);
        QCOMPARE(summary(read), files);
    }

    // Only products.xml is taken from the CAB, in memory, and only up to
    // its limit.
    void cabContent_data()
    {
        QTest::addColumn<QStringList>("members"); // name=size of zeros, or name alone for a small text
        QTest::addColumn<bool>("read");
        QTest::newRow("products.xml") << QStringList{"products.xml"} << true;
        QTest::newRow("beside other members") << QStringList{"a.txt", "products.xml", "b.txt"} << true;
        QTest::newRow("another name in any case") << QStringList{"PRODUCTS.XML"} << true;
        QTest::newRow("products.xml twice, in two cases") << QStringList{"products.xml", "PRODUCTS.XML"} << false;
        QTest::newRow("no products.xml") << QStringList{"products.xml.txt", "other.xml"} << false;
        QTest::newRow("larger than any catalog")
            << QStringList{QStringLiteral("products.xml=%1").arg(MostProductsXmlBytes + 1)} << false;
        QTest::newRow("no CAB") << QStringList() << false;
    }
    void cabContent()
    {
        QFETCH(QStringList, members);
        QFETCH(bool, read);
        QTemporaryDir folder;
        QStringList names;
        for (const QString &member : members) {
            const QString name = member.section(QLatin1Char('='), 0, 0);
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (member.contains(QLatin1Char('=')))
                QVERIFY(file.resize(member.section(QLatin1Char('='), 1).toLongLong()));
            else
                file.write("<MCT>" + name.toUtf8() + "</MCT>");
            names << name;
        }
        QByteArray cab = "MSCF but nothing more";
        if (!names.isEmpty()) {
            QProcess gcab;
            gcab.setWorkingDirectory(folder.path());
            gcab.start(QStringLiteral("gcab"), QStringList{"-c", "-z", "catalog.cab"} + names);
            QVERIFY(gcab.waitForFinished(30000) && gcab.exitCode() == 0);
            QFile made(folder.filePath(QStringLiteral("catalog.cab")));
            QVERIFY(made.open(QIODevice::ReadOnly));
            cab = made.readAll();
        }
        QString problem;
        const QByteArray xml = productsXmlFromCab(cab, &problem);
        QCOMPARE(problem.isEmpty(), read);
        if (read)
            QVERIFY(xml.startsWith("<MCT>") && xml.toLower().contains("products.xml"));
        else
            QVERIFY(xml.isEmpty());
    }

    // The catalog from Microsoft comes over https from its hosts alone; a
    // mirror's from its own host, never from https down to http.
    void whereFrom_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("mirror");
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("catalogFrom");
        QTest::addColumn<bool>("fileFrom");
        const QString none;
        const QString mirror = QStringLiteral("https://127.0.0.1:8443");
        QTest::newRow("Windows 11's fwlink")
            << "win11" << none << "https://go.microsoft.com/fwlink/?linkid=2156292" << true << true;
        QTest::newRow("Windows 10's fwlink")
            << "win10" << none << "https://go.microsoft.com/fwlink/?LinkId=841361" << true << true;
        QTest::newRow("the dated CAB") << "win11arm" << none
                                       << "https://download.microsoft.com/download/products_win11.cab" << true << true;
        QTest::newRow("the CAB over http")
            << "win11" << none << "http://download.microsoft.com/products_win11.cab" << false << true;
        QTest::newRow("a host that only ends the same")
            << "win11" << none << "https://evilmicrosoft.com/products.cab" << false << false;
        QTest::newRow("microsoft.com under another domain")
            << "win11" << none << "https://microsoft.com.example/products.cab" << false << false;
        QTest::newRow("an ESD from Windows Update")
            << "win10" << none << "http://au.download.windowsupdate.com/a.esd" << false << true;
        QTest::newRow("a user in the address")
            << "win11" << none << "https://user@download.microsoft.com/a.cab" << false << false;
        QTest::newRow("the mirror's fwlink")
            << "win11" << mirror << "https://127.0.0.1:8443/fwlink/?linkid=2156292" << true << true;
        QTest::newRow("the mirror's host over http")
            << "win11" << mirror << "http://127.0.0.1:8443/catalog/a.cab" << false << true;
        QTest::newRow("another port") << "win11" << mirror << "https://127.0.0.1:9/catalog/a.cab" << false << false;
        QTest::newRow("Microsoft, from a mirror")
            << "win11" << mirror << "https://download.microsoft.com/a.cab" << false << false;
    }
    void whereFrom()
    {
        QFETCH(QString, product);
        QFETCH(QString, mirror);
        QFETCH(QString, url);
        QFETCH(bool, catalogFrom);
        QFETCH(bool, fileFrom);
        const CatalogSource source = catalogSource(product, mirror);
        QCOMPARE(source.fromMicrosoft, mirror.isEmpty());
        QVERIFY(mayFetchCatalogFrom(source, source.address));
        QCOMPARE(mayFetchCatalogFrom(source, QUrl(url)), catalogFrom);
        QCOMPARE(mayDownloadFileFrom(source, QUrl(url)), fileFrom);
    }

    void onlyTheCatalogsProducts()
    {
        QCOMPARE(catalogSource(QStringLiteral("win11arm"), QString()).address,
                 catalogSource(QStringLiteral("win11"), QString()).address);
        QVERIFY(!catalogSource(QStringLiteral("server2022"), QString()).address.isValid());
    }
};

QTEST_GUILESS_MAIN(TestCatalog)
#include "test_catalog.moc"
