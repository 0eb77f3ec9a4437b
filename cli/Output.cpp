#include "Output.h"

#include "Options.h"
#include "common/TextSafety.h"
#include "flow/LinkExpiry.h"
#include "scraper/ProductTable.h"

#include <cjson/cJSON.h>

#include <QDateTime>

#include <cstdio>
#include <memory>

namespace {

using Json = std::unique_ptr<cJSON, decltype(&cJSON_Delete)>;

// The layout characters in `kept` pass; every other control character, and
// every character that reorders what a terminal shows, is replaced.
QString shownSafely(QString text, QLatin1String kept)
{
    for (QChar &c : text) {
        if (TextSafety::isUnsafeToShow(c.unicode()) && !kept.contains(c))
            c = QChar(char16_t(TextSafety::Replacement));
    }
    return text;
}

const QLatin1String LineLayout("\n\t");

void write(std::FILE *stream, const QString &text, QLatin1String kept = LineLayout)
{
    std::fputs(shownSafely(text, kept).toUtf8().constData(), stream);
    std::fflush(stream);
}

// A name from the page, on one line of its own.
QString pageName(const QString &name)
{
    return shownSafely(name.simplified(), QLatin1String());
}

void addText(cJSON *object, const char *name, const QString &value)
{
    cJSON_AddStringToObject(object, name, value.toUtf8().constData());
}

QString printed(const Json &root)
{
    std::unique_ptr<char, decltype(&cJSON_free)> text(cJSON_Print(root.get()), &cJSON_free);
    return text ? QString::fromUtf8(text.get()) : QString();
}

cJSON *editionObject(const ProductVersion &edition)
{
    cJSON *object = cJSON_CreateObject();
    addText(object, "id", edition.id);
    addText(object, "name", edition.name.simplified());
    return object;
}

// Rows of two columns, the first padded to its widest value.
QString columns(const QList<QPair<QString, QString>> &rows, const QString &indent = QString())
{
    int width = 0;
    for (const auto &row : rows)
        width = qMax(width, int(row.first.size()));
    QStringList lines;
    for (const auto &row : rows)
        lines << indent + row.first.leftJustified(width + 2) + row.second;
    return lines.join(QLatin1Char('\n'));
}

} // namespace

void printOut(const QString &text)
{
    write(stdout, text + QLatin1Char('\n'));
}

void printError(const QString &text)
{
    write(stderr, text + QLatin1Char('\n'));
}

void printErrorRaw(const QString &text)
{
    write(stderr, text, QLatin1String("\r\n\t"));
}

QString productsText()
{
    QList<QPair<QString, QString>> rows;
    for (const ProductInfo &product : offeredProducts())
        rows.append({product.productKey, product.displayName});
    return columns(rows);
}

QString productsJson()
{
    Json root(cJSON_CreateObject(), &cJSON_Delete);
    cJSON *products = cJSON_AddArrayToObject(root.get(), "products");
    for (const ProductInfo &product : offeredProducts()) {
        cJSON *object = cJSON_CreateObject();
        addText(object, "key", product.productKey);
        addText(object, "name", product.displayName);
        cJSON_AddItemToArray(products, object);
    }
    return printed(root);
}

QString pageListsText(const PageLists &lists)
{
    QList<QPair<QString, QString>> editions;
    for (const ProductVersion &edition : lists.editions)
        editions.append({pageName(edition.id), pageName(edition.name)});
    QList<QPair<QString, QString>> languages;
    for (const LanguageInfo &language : lists.languages)
        languages.append({pageName(language.language), pageName(language.name)});
    return QStringLiteral("Editions:\n%1\nLanguages of %2:\n%3")
        .arg(columns(editions, QStringLiteral("  ")), pageName(lists.editions.at(lists.chosenEdition).name),
             columns(languages, QStringLiteral("  ")));
}

QString pageListsJson(const PageLists &lists)
{
    Json root(cJSON_CreateObject(), &cJSON_Delete);
    addText(root.get(), "product", lists.productKey);
    cJSON *editions = cJSON_AddArrayToObject(root.get(), "editions");
    for (const ProductVersion &edition : lists.editions)
        cJSON_AddItemToArray(editions, editionObject(edition));
    cJSON_AddItemToObject(root.get(), "languagesOf", editionObject(lists.editions.at(lists.chosenEdition)));
    cJSON *languages = cJSON_AddArrayToObject(root.get(), "languages");
    for (const LanguageInfo &language : lists.languages) {
        cJSON *object = cJSON_CreateObject();
        addText(object, "id", language.id);
        addText(object, "language", language.language);
        addText(object, "name", language.name);
        cJSON_AddItemToArray(languages, object);
    }
    return printed(root);
}

QString linkJson(const QString &productKey, const ProductVersion &edition, const DownloadOption &option)
{
    Json root(cJSON_CreateObject(), &cJSON_Delete);
    addText(root.get(), "product", productKey);
    cJSON_AddItemToObject(root.get(), "edition", editionObject(edition));
    addText(root.get(), "language", option.language);
    addText(root.get(), "architecture", option.architecture);
    addText(root.get(), "url", option.url);
    if (const std::optional<QDateTime> expiry = linkExpiry(option.url))
        addText(root.get(), "expires", expiry->toString(Qt::ISODate));
    else
        cJSON_AddNullToObject(root.get(), "expires");
    if (option.publishedSha256.isEmpty())
        cJSON_AddNullToObject(root.get(), "sha256");
    else
        addText(root.get(), "sha256", option.publishedSha256);
    return printed(root);
}

QString failureKindName(FailureKind kind)
{
    switch (kind) {
    case FailureKind::LoadFailed:
        return QStringLiteral("load failed");
    case FailureKind::Timeout:
        return QStringLiteral("timeout");
    case FailureKind::NoEditions:
        return QStringLiteral("no editions");
    case FailureKind::NoLanguages:
        return QStringLiteral("no languages");
    case FailureKind::LanguageNotOffered:
        return QStringLiteral("language not offered");
    case FailureKind::NoLinks:
        return QStringLiteral("no links");
    case FailureKind::Refused:
        return QStringLiteral("refused");
    case FailureKind::PageError:
        return QStringLiteral("page error");
    case FailureKind::LanguageMismatch:
        return QStringLiteral("language mismatch");
    case FailureKind::DeadLink:
        return QStringLiteral("dead link");
    case FailureKind::LinkToPage:
        return QStringLiteral("link to a web page");
    }
    return QStringLiteral("failed");
}

QString errorJson(const QString &kind, const QString &message)
{
    Json root(cJSON_CreateObject(), &cJSON_Delete);
    cJSON *error = cJSON_AddObjectToObject(root.get(), "error");
    addText(error, "kind", kind);
    addText(error, "message", message);
    return printed(root);
}
