#include "ProductsXml.h"

#include "CatalogEntry.h"
#include "CatalogLog.h"

#include <QHash>
#include <QSet>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

// The fields of the File element the reader stands on, up to its end. A
// field given twice with two values makes the entry unusable (empty).
EntryFields readEntry(QXmlStreamReader &reader)
{
    EntryFields fields;
    bool ambiguous = false;
    while (reader.readNextStartElement()) {
        const QString name = reader.name().toString();
        // Fields hold text alone: elements in one, nested however deep,
        // make the catalog unreadable.
        const QString text = reader.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        if (fields.contains(name) && fields.value(name) != text)
            ambiguous = true;
        fields.insert(name, text);
    }
    return ambiguous ? EntryFields() : fields;
}

// Well above Microsoft's catalogs (under 2,000 entries), so that a catalog
// of hundreds of thousands is refused before the lists made of it are.
constexpr int MostEntries = 20000;
// Microsoft's nest seven deep; a deeper one is refused before the reader's
// stack of open elements takes gigabytes.
constexpr int MostDepth = 32;

// The catalog being read, with where each address, digest and edition of
// its files already is: one entry is added without going through the rest.
class CatalogBuilder {
public:
    // One ESD listed once per edition: the same digest, or the same
    // address. A second digest for one address is a contradiction, and
    // that entry is left out.
    bool add(CatalogFile file)
    {
        const int known = knownIndex(file);
        if (known < 0) {
            remember(file, int(m_catalog.files.size()));
            m_catalog.files << std::move(file);
            return true;
        }
        CatalogFile &same = m_catalog.files[known];
        if (same.digestAlgorithm != file.digestAlgorithm || same.digest != file.digest || same.size != file.size
            || same.languageCode != file.languageCode || same.architecture != file.architecture)
            return false;
        const CatalogEdition &edition = file.editions.constFirst();
        if (!m_editions.contains(editionKey(known, edition.id))) {
            m_editions.insert(editionKey(known, edition.id));
            same.editions << edition;
        }
        return true;
    }

    Catalog &catalog() { return m_catalog; }

private:
    static QString digestKey(const CatalogFile &file)
    {
        return QLatin1String(digestName(file.digestAlgorithm)) + QLatin1Char(':') + file.digest;
    }
    static QString editionKey(int index, const QString &editionId)
    {
        return QString::number(index) + QLatin1Char(':') + editionId;
    }

    // The first file listed with the entry's digest or address, as the
    // catalog orders them; -1 when there is none.
    int knownIndex(const CatalogFile &file) const
    {
        const int byDigest = m_byDigest.value(digestKey(file), -1);
        const int byAddress = m_byAddress.value(file.url, -1);
        return byDigest < 0 || byAddress < 0 ? std::max(byDigest, byAddress) : std::min(byDigest, byAddress);
    }

    void remember(const CatalogFile &file, int index)
    {
        m_byDigest.insert(digestKey(file), index);
        m_byAddress.insert(file.url, index);
        m_editions.insert(editionKey(index, file.editions.constFirst().id));
    }

    Catalog m_catalog;
    QHash<QString, int> m_byDigest;
    QHash<QUrl, int> m_byAddress;
    QSet<QString> m_editions;
};

void readFileEntry(QXmlStreamReader &reader, CatalogBuilder &builder)
{
    std::optional<CatalogFile> file = catalogFileOf(readEntry(reader));
    if (!file || !builder.add(std::move(*file)))
        ++builder.catalog().skippedEntries;
}

} // namespace

Catalog readProductsXml(const QByteArray &xml, QString *problem)
{
    CatalogBuilder builder;
    Catalog &catalog = builder.catalog();
    QXmlStreamReader reader(xml);
    QStringList open;
    int entries = 0;
    while (!reader.atEnd() && !reader.hasError()) {
        reader.readNext();
        if (reader.isDTD()) {
            *problem = QStringLiteral("The product catalog declares a DTD, which no catalog of Microsoft's has.");
            return Catalog();
        }
        if (reader.isEndElement() && !open.isEmpty())
            open.removeLast();
        if (!reader.isStartElement())
            continue;
        const QString name = reader.name().toString();
        if (name == QLatin1String("File") && !open.isEmpty() && open.constLast() == QLatin1String("Files")) {
            if (++entries > MostEntries) {
                *problem = QStringLiteral("The product catalog lists more than %1 files, more than any catalog "
                                          "should.")
                               .arg(MostEntries);
                return Catalog();
            }
            readFileEntry(reader, builder);
            continue;
        }
        if (name == QLatin1String("Catalog") && catalog.version.isEmpty())
            catalog.version = reader.attributes().value(QLatin1String("version")).toString().left(16);
        if (open.isEmpty() && name == QLatin1String("PublishedMedia"))
            catalog.version = QStringLiteral("1.0");
        open << name;
        if (open.size() > MostDepth) {
            *problem = QStringLiteral("The product catalog nests deeper than any catalog should.");
            return Catalog();
        }
    }
    if (reader.hasError()) {
        qCDebug(lcCatalog) << "products.xml:" << reader.errorString() << "at line" << reader.lineNumber();
        *problem = QStringLiteral("The product catalog is no readable XML (%1 at line %2).")
                       .arg(reader.errorString().left(100))
                       .arg(reader.lineNumber());
        return Catalog();
    }
    if (catalog.files.isEmpty())
        *problem = QStringLiteral("The product catalog lists no file with every field a download needs "
                                  "(%1 entries left out).")
                       .arg(catalog.skippedEntries);
    return catalog;
}
