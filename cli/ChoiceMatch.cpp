#include "ChoiceMatch.h"

#include "flow/LanguageMatch.h"
#include "scraper/ProductTable.h"

#include <functional>

namespace {

// Names from the page, one row of the list each: a line break or return
// in a name never starts a line of its own.
QString oneLine(const QStringList &names)
{
    QStringList simplified;
    for (const QString &name : names)
        simplified << name.simplified();
    return simplified.join(QLatin1String(" | "));
}

// The first row for which `names` holds `wanted` (in any case), else the
// reason, listing what each row would answer to.
template <typename Row>
ChoiceMatch findRow(const QList<Row> &rows, const QString &wanted, const QString &what,
                    const std::function<QStringList(const Row &)> &names)
{
    QStringList offered;
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList rowNames = names(rows.at(i));
        if (rowNames.contains(wanted.trimmed(), Qt::CaseInsensitive))
            return {i, QString()};
        offered << QStringLiteral("  ") + oneLine(rowNames);
    }
    return {-1,
            QStringLiteral("Unknown %1 \"%2\". Choose one of:\n%3").arg(what, wanted, offered.join(QLatin1Char('\n')))};
}

QStringList languageNames(const LanguageInfo &language)
{
    QStringList names{language.language, language.name};
    names.removeAll(QString());
    names.removeDuplicates();
    return names;
}

} // namespace

QString matchProductKey(const QString &wanted, QString *problem)
{
    const QList<ProductInfo> products = offeredProducts();
    QStringList offered;
    for (const ProductInfo &product : products) {
        if (product.productKey.compare(wanted.trimmed(), Qt::CaseInsensitive) == 0)
            return product.productKey;
        offered << QStringLiteral("  %1 | %2").arg(product.productKey, product.displayName);
    }
    *problem =
        QStringLiteral("Unknown product \"%1\". Choose one of:\n%2").arg(wanted, offered.join(QLatin1Char('\n')));
    return QString();
}

ChoiceMatch matchEdition(const QString &productKey, const QList<ProductVersion> &editions, const QString &wanted)
{
    if (wanted.isEmpty())
        return {defaultEditionRow(productKey, editions), QString()};
    return findRow<ProductVersion>(editions, wanted, QStringLiteral("edition"), [](const ProductVersion &edition) {
        return QStringList{edition.id, edition.name.simplified()};
    });
}

ChoiceMatch matchLanguage(const QList<LanguageInfo> &languages, const QString &wanted, const QString &localeName)
{
    if (wanted.isEmpty())
        return {findLanguageIndex(languages, localeName), QString()};
    const QList<int> rows = rowsForLanguageName(languages, wanted);
    if (rows.size() == 1)
        return {rows.first(), QString()};
    QStringList offered;
    for (int i = 0; i < languages.size(); ++i) {
        if (rows.isEmpty() || rows.contains(i))
            offered << QStringLiteral("  ") + oneLine(languageNames(languages.at(i)));
    }
    const QString problem = rows.isEmpty() ? QStringLiteral("Unknown language \"%1\". Choose one of:\n%2")
                                           : QStringLiteral("The language \"%1\" could be any of these; give one "
                                                            "in full:\n%2");
    return {-1, problem.arg(wanted, offered.join(QLatin1Char('\n')))};
}

ChoiceMatch matchProductArchitecture(const QString &productKey, const QString &wanted)
{
    if (wanted.isEmpty())
        return {0, QString()};
    return findRow<QString>(offeredProduct(productKey).architectures, wanted, QStringLiteral("architecture"),
                            [](const QString &architecture) { return QStringList{architecture}; });
}

ChoiceMatch matchArchitecture(const QList<DownloadOption> &options, const QString &wanted)
{
    if (wanted.isEmpty())
        return {0, QString()};
    return findRow<DownloadOption>(options, wanted, QStringLiteral("architecture"),
                                   [](const DownloadOption &option) { return QStringList{option.architecture}; });
}
