#include "ProductsXml.h"

#include "CatalogEntry.h"
#include "CatalogLog.h"

#include <QXmlStreamReader>

namespace {

// The fields of the File element the reader stands on, up to its end. A
// field given twice with two values makes the entry unusable (empty).
EntryFields readEntry(QXmlStreamReader &reader)
{
    EntryFields fields;
    bool ambiguous = false;
    while (reader.readNextStartElement()) {
        const QString name = reader.name().toString();
        const QString text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
        if (fields.contains(name) && fields.value(name) != text)
            ambiguous = true;
        fields.insert(name, text);
    }
    return ambiguous ? EntryFields() : fields;
}

// One ESD listed once per edition: the same digest, or the same address.
// A second digest for one address is a contradiction, and that entry is
// left out.
bool addEntry(Catalog &catalog, CatalogFile file)
{
    for (CatalogFile &known : catalog.files) {
        const bool sameDigest = known.digestAlgorithm == file.digestAlgorithm && known.digest == file.digest;
        if (!sameDigest && known.url != file.url)
            continue;
        if (!sameDigest || known.size != file.size || known.languageCode != file.languageCode
            || known.architecture != file.architecture)
            return false;
        if (!known.serves(file.editions.constFirst().id))
            known.editions << file.editions.constFirst();
        return true;
    }
    catalog.files << std::move(file);
    return true;
}

void readFileEntry(QXmlStreamReader &reader, Catalog &catalog)
{
    std::optional<CatalogFile> file = catalogFileOf(readEntry(reader));
    if (!file || !addEntry(catalog, std::move(*file)))
        ++catalog.skippedEntries;
}

} // namespace

Catalog readProductsXml(const QByteArray &xml, QString *problem)
{
    Catalog catalog;
    QXmlStreamReader reader(xml);
    QStringList open;
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
            readFileEntry(reader, catalog);
            continue;
        }
        if (name == QLatin1String("Catalog") && catalog.version.isEmpty())
            catalog.version = reader.attributes().value(QLatin1String("version")).toString().left(16);
        if (open.isEmpty() && name == QLatin1String("PublishedMedia"))
            catalog.version = QStringLiteral("1.0");
        open << name;
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
