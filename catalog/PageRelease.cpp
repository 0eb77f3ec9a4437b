#include "PageRelease.h"

PageRelease pageRelease(const QString &productKey)
{
    if (productKey == QLatin1String("win10"))
        return {QStringLiteral("22H2"), 19045};
    if (productKey == QLatin1String("win11") || productKey == QLatin1String("win11arm"))
        return {QStringLiteral("25H2"), 26200};
    return {};
}
