#include "CabContent.h"

#include "CatalogLog.h"

#include <archive.h>
#include <archive_entry.h>

#include <memory>
#include <utility>

namespace {

using ArchiveReader = std::unique_ptr<archive, decltype(&archive_read_free)>;

// The member's bytes, up to one more than the limit: a member that grows
// past it shows, whatever size its header claimed.
bool readMember(archive *reader, QByteArray &bytes)
{
    char piece[64 * 1024];
    for (;;) {
        const la_ssize_t got = archive_read_data(reader, piece, sizeof piece);
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (bytes.size() + got > MostProductsXmlBytes)
            return false;
        bytes.append(piece, int(got));
    }
}

} // namespace

QByteArray productsXmlFromCab(const QByteArray &cab, QString *problem)
{
    ArchiveReader reader(archive_read_new(), &archive_read_free);
    archive_read_support_format_cab(reader.get());
    if (archive_read_open_memory(reader.get(), cab.constData(), size_t(cab.size())) != ARCHIVE_OK) {
        *problem = QStringLiteral("The product catalog is no CAB archive.");
        return QByteArray();
    }
    archive_entry *entry = nullptr;
    int status = ARCHIVE_OK;
    QByteArray xml;
    bool found = false;
    while ((status = archive_read_next_header(reader.get(), &entry)) == ARCHIVE_OK) {
        const char *name = archive_entry_pathname(entry);
        if (!name || qstricmp(name, "products.xml") != 0)
            continue;
        // Two of them: which one is the catalog cannot be told.
        if (std::exchange(found, true)) {
            *problem = QStringLiteral("The product catalog's CAB holds products.xml twice.");
            return QByteArray();
        }
        if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > MostProductsXmlBytes) {
            *problem = QStringLiteral("The product catalog's products.xml is larger than any catalog should be.");
            return QByteArray();
        }
        if (!readMember(reader.get(), xml)) {
            qCDebug(lcCatalog) << "CAB:" << archive_error_string(reader.get());
            *problem = QStringLiteral("The product catalog's products.xml cannot be unpacked, or is larger than "
                                      "any catalog should be.");
            return QByteArray();
        }
    }
    if (found && status == ARCHIVE_EOF)
        return xml;
    qCDebug(lcCatalog) << "CAB: ended with" << status << archive_error_string(reader.get());
    *problem = status == ARCHIVE_EOF ? QStringLiteral("The product catalog's CAB holds no products.xml.")
                                     : QStringLiteral("The product catalog is no readable CAB archive.");
    return QByteArray();
}
