// products.xml as a catalog server, a proxy or a broken CAB may hand it
// over: a catalog of files whose every field is fit to use, or a problem.
#include "FuzzInput.h"

#include "catalog/ProductsXml.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QString problem;
    const Catalog catalog =
        readProductsXml(QByteArray(reinterpret_cast<const char *>(data), static_cast<int>(size)), &problem);
    FUZZ_EXPECT(problem.isEmpty() != catalog.files.isEmpty());
    static const QRegularExpression oneName(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9_.-]*\\.esd$"),
                                            QRegularExpression::CaseInsensitiveOption);
    for (const CatalogFile &file : catalog.files) {
        FUZZ_EXPECT(oneName.match(file.fileName).hasMatch() && !file.fileName.contains(QLatin1String("..")));
        FUZZ_EXPECT(file.size > 0 && !file.editions.isEmpty() && !file.languageCode.isEmpty());
        FUZZ_EXPECT(file.digest.size() == (file.digestAlgorithm == DigestAlgorithm::Sha1 ? 40 : 64));
        FUZZ_EXPECT(file.url.scheme() == QLatin1String("http") || file.url.scheme() == QLatin1String("https"));
        FUZZ_EXPECT(!file.language.contains(QLatin1Char('\n')) && !file.language.contains(QChar(0x1b)));
    }
    return 0;
}
