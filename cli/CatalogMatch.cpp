#include "CatalogMatch.h"

#include "ChoiceMatch.h"
#include "flow/LanguageMatch.h"

#include <functional>

namespace {

QString chosenArchitecture(const Choices &choices)
{
    return choices.architecture.isEmpty() ? catalogArchitectures(choices.product).value(0)
                                          : choices.architecture.trimmed().toLower();
}

QList<CatalogFile> filesWhere(const QList<CatalogFile> &files, const std::function<bool(const CatalogFile &)> &fits)
{
    QList<CatalogFile> kept;
    for (const CatalogFile &file : files) {
        if (fits(file))
            kept << file;
    }
    return kept;
}

// Each edition once, in the order the catalog lists them.
QList<ProductVersion> editionsOf(const QList<CatalogFile> &files)
{
    QList<ProductVersion> editions;
    QStringList seen;
    for (const CatalogFile &file : files) {
        for (const CatalogEdition &edition : file.editions) {
            if (!seen.contains(edition.id)) {
                seen << edition.id;
                editions << ProductVersion{edition.id, edition.name, true};
            }
        }
    }
    return editions;
}

// As the page's rows: the code in the place of the language, as the
// Evaluation Center's cultures are, so that "pt-BR" finds its row first.
QList<LanguageInfo> languagesOf(const QList<CatalogFile> &files)
{
    QList<LanguageInfo> languages;
    QStringList seen;
    for (const CatalogFile &file : files) {
        if (!seen.contains(file.languageCode)) {
            seen << file.languageCode;
            languages << LanguageInfo{file.languageCode, file.language, file.languageCode, true};
        }
    }
    return languages;
}

ChoiceMatch matchCatalogEdition(const QList<ProductVersion> &editions, const QString &wanted)
{
    if (!wanted.isEmpty())
        return matchEdition(QString(), editions, wanted);
    for (int i = 0; i < editions.size(); ++i) {
        if (editions.at(i).id == QLatin1String("Professional"))
            return {i, QString()};
    }
    return {editions.isEmpty() ? -1 : 0, QString()};
}

// Of several files that fit (two builds in one catalog), the newest.
CatalogFile newestOf(const QList<CatalogFile> &files)
{
    CatalogFile newest = files.constFirst();
    for (const CatalogFile &file : files) {
        if (std::make_pair(file.build, file.revision) > std::make_pair(newest.build, newest.revision))
            newest = file;
    }
    return newest;
}

} // namespace

QStringList catalogArchitectures(const QString &productKey)
{
    if (productKey == QLatin1String("win10"))
        return {QStringLiteral("x64"), QStringLiteral("x86"), QStringLiteral("arm64")};
    if (productKey == QLatin1String("win11"))
        return {QStringLiteral("x64"), QStringLiteral("arm64")};
    return productKey == QLatin1String("win11arm") ? QStringList{QStringLiteral("arm64")} : QStringList();
}

QString catalogChoicesProblem(const Choices &choices)
{
    const QStringList architectures = catalogArchitectures(choices.product);
    if (architectures.isEmpty())
        return QStringLiteral("The product catalog has win10, win11 and win11arm; %1 comes from the page alone.")
            .arg(choices.product);
    if (choices.architecture.isEmpty() || architectures.contains(chosenArchitecture(choices)))
        return QString();
    return QStringLiteral("Unknown architecture \"%1\". Choose one of:\n  %2")
        .arg(choices.architecture, architectures.join(QLatin1String("\n  ")));
}

QList<CatalogFile> productFiles(const Catalog &catalog, const QString &productKey)
{
    const QStringList architectures = catalogArchitectures(productKey);
    return filesWhere(catalog.files,
                      [&architectures](const CatalogFile &file) { return architectures.contains(file.architecture); });
}

CatalogPick pickCatalogFile(const Catalog &catalog, const Choices &choices, const QString &localeName)
{
    CatalogPick pick;
    const QString architecture = chosenArchitecture(choices);
    const QList<CatalogFile> ofArchitecture = filesWhere(catalog.files, [&architecture](const CatalogFile &file) {
        return file.architecture == architecture;
    });
    if (ofArchitecture.isEmpty()) {
        pick.problem = QStringLiteral("The product catalog lists no %1 file.").arg(architecture);
        return pick;
    }
    const QList<ProductVersion> editions = editionsOf(ofArchitecture);
    const ChoiceMatch edition = matchCatalogEdition(editions, choices.edition);
    if (edition.row < 0) {
        pick.problem = edition.problem;
        return pick;
    }
    pick.edition = {editions.at(edition.row).id, editions.at(edition.row).name};
    const QList<CatalogFile> ofEdition =
        filesWhere(ofArchitecture, [&pick](const CatalogFile &file) { return file.serves(pick.edition.id); });
    const QList<LanguageInfo> languages = languagesOf(ofEdition);
    const ChoiceMatch language = matchLanguage(languages, choices.language, localeName);
    if (language.row < 0) {
        pick.problem = language.problem;
        return pick;
    }
    const QString code = languages.at(language.row).id;
    pick.file = newestOf(filesWhere(ofEdition, [&code](const CatalogFile &file) { return file.languageCode == code; }));
    return pick;
}
