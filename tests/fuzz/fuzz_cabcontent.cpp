// The catalog's CAB as any server may send it: products.xml within its
// limit, or a problem, never a crash or a read past the bytes.
#include "FuzzInput.h"

#include "catalog/CabContent.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QString problem;
    const QByteArray xml =
        productsXmlFromCab(QByteArray(reinterpret_cast<const char *>(data), static_cast<int>(size)), &problem);
    FUZZ_EXPECT(xml.isEmpty() || problem.isEmpty());
    FUZZ_EXPECT(xml.size() <= MostProductsXmlBytes);
    return 0;
}
