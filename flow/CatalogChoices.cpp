#include "CatalogChoices.h"

#include "catalog/PageRelease.h"

#include <QCoreApplication>
#include <QSet>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

// Long enough for a slow line, short of leaving the user waiting for good.
constexpr int CatalogTimeoutMs = 60 * 1000;

} // namespace

QList<CatalogProduct> catalogProducts()
{
    return {{QStringLiteral("win11"),
             QCoreApplication::translate("CatalogChoices", "Windows 11 (built from installation files)"),
             {QStringLiteral("x64")}},
            {QStringLiteral("win11arm"),
             QCoreApplication::translate("CatalogChoices", "Windows 11 ARM64 (built from installation files)"),
             {QStringLiteral("arm64")}},
            {QStringLiteral("win10"),
             QCoreApplication::translate("CatalogChoices", "Windows 10 (built from installation files)"),
             {QStringLiteral("x64"), QStringLiteral("x86")}}};
}

const CatalogProduct *catalogProductOf(const QString &productKey)
{
    static const QList<CatalogProduct> products = catalogProducts();
    const auto found = std::find_if(products.cbegin(), products.cend(),
                                    [&productKey](const CatalogProduct &p) { return p.productKey == productKey; });
    return found == products.cend() ? nullptr : &*found;
}

CatalogChoices::CatalogChoices(QObject *parent)
    : QObject(parent)
{
    connect(&m_fetch, &CatalogFetch::fetched, this, &CatalogChoices::onFetched);
    connect(&m_fetch, &CatalogFetch::failed, this, &CatalogChoices::onFailed);
}

void CatalogChoices::loadProduct(const QString &productKey, const QString &mirrorOrigin)
{
    const CatalogProduct *product = catalogProductOf(productKey);
    Q_ASSERT(product);
    m_productKey = productKey;
    m_architectures = product->architectures;
    m_files.clear();
    m_offered.clear();
    m_offeredFiles.clear();
    m_source = catalogSource(productKey, mirrorOrigin);
    Q_EMIT stateChanged(ScraperState::LoadingVersions);
    m_fetch.fetch(m_source, CatalogTimeoutMs);
}

void CatalogChoices::cancelRequest()
{
    m_fetch.cancel();
    Q_EMIT stateChanged(ScraperState::Idle);
}

void CatalogChoices::onFailed(const QString &message)
{
    Q_EMIT stateChanged(ScraperState::Idle);
    Q_EMIT failed(scraperFailure(FailureKind::LoadFailed, message));
}

// The files of the product's architectures, and every edition they serve
// once, in the catalog's order.
void CatalogChoices::onFetched(const Catalog &catalog)
{
    m_buildText = catalog.buildText();
    m_newestBuild = catalog.newestBuild();
    QList<ProductVersion> editions;
    QSet<QString> seen;
    for (const CatalogFile &file : catalog.files) {
        if (!m_architectures.contains(file.architecture))
            continue;
        m_files << file;
    }
    for (const CatalogFile &file : qAsConst(m_files)) {
        for (const CatalogEdition &edition : file.editions) {
            if (seen.contains(edition.id))
                continue;
            seen.insert(edition.id);
            editions << ProductVersion{edition.id, edition.name.isEmpty() ? edition.id : edition.name, true};
        }
    }
    Q_EMIT stateChanged(ScraperState::Idle);
    if (editions.isEmpty()) {
        Q_EMIT failed(
            scraperFailure(FailureKind::NoEditions, tr("The product catalog lists no file for this product.")));
        return;
    }
    Q_EMIT editionsRead(editions);
}

void CatalogChoices::selectEdition(const QString &editionId)
{
    m_editionId = editionId;
    QList<LanguageInfo> languages;
    QSet<QString> seen;
    for (const CatalogFile &file : qAsConst(m_files)) {
        if (!file.serves(editionId) || seen.contains(file.languageCode))
            continue;
        seen.insert(file.languageCode);
        languages << LanguageInfo{file.languageCode, file.language, file.language, true};
    }
    std::sort(languages.begin(), languages.end(),
              [](const LanguageInfo &a, const LanguageInfo &b) { return a.name.localeAwareCompare(b.name) < 0; });
    QTimer::singleShot(0, this, [this, languages] { Q_EMIT languagesRead(languages); });
}

void CatalogChoices::selectLanguage(const QString &languageCode)
{
    m_offered.clear();
    m_offeredFiles.clear();
    for (const CatalogFile &file : qAsConst(m_files)) {
        if (!file.serves(m_editionId) || file.languageCode != languageCode)
            continue;
        DownloadOption option;
        option.versionId = m_editionId;
        option.language = file.language;
        option.architecture = file.architecture;
        option.url = file.url.toString(QUrl::FullyEncoded);
        if (file.digestAlgorithm == DigestAlgorithm::Sha256)
            option.publishedSha256 = file.digest;
        m_offered << option;
        m_offeredFiles << file;
    }
    const QList<DownloadOption> offered = m_offered;
    QTimer::singleShot(0, this, [this, offered] { Q_EMIT filesRead(offered); });
}

QString CatalogChoices::buildNote() const
{
    const PageRelease release = pageRelease(m_productKey);
    if (m_newestBuild > 0 && m_newestBuild < release.build)
        return tr("Microsoft's product catalog lists build %1, older than the current release %2 (build %3): it may "
                  "be a stale copy; a later try may get the newer one.")
            .arg(m_buildText, release.name)
            .arg(release.build);
    return m_buildText.isEmpty() ? tr("Microsoft's product catalog names no build.")
                                 : tr("Microsoft's product catalog, build %1").arg(m_buildText);
}

const CatalogFile *CatalogChoices::fileOf(const DownloadOption &option) const
{
    for (int i = 0; i < m_offered.size(); ++i) {
        if (m_offered.at(i).url == option.url && m_offered.at(i).architecture == option.architecture)
            return &m_offeredFiles.at(i);
    }
    return nullptr;
}

int CatalogChoices::defaultEditionRow(const QList<ProductVersion> &editions)
{
    const auto professional = std::find_if(editions.cbegin(), editions.cend(), [](const ProductVersion &edition) {
        return edition.id.compare(QLatin1String("Professional"), Qt::CaseInsensitive) == 0;
    });
    return professional == editions.cend() ? 0 : int(professional - editions.cbegin());
}

int CatalogChoices::defaultLanguageRow(const QList<LanguageInfo> &languages, const QString &localeName)
{
    const QString code = QString(localeName).replace(QLatin1Char('_'), QLatin1Char('-')).toLower();
    const QString language = code.section(QLatin1Char('-'), 0, 0);
    const auto row = [&languages](const std::function<bool(const QString &)> &matches) {
        const auto found = std::find_if(languages.cbegin(), languages.cend(),
                                        [&matches](const LanguageInfo &info) { return matches(info.id); });
        return found == languages.cend() ? -1 : int(found - languages.cbegin());
    };
    for (const int found : {row([&code](const QString &id) { return id == code; }), row([&language](const QString &id) {
                                return id.section(QLatin1Char('-'), 0, 0) == language;
                            }),
                            row([](const QString &id) { return id == QLatin1String("en-us"); })}) {
        if (found >= 0)
            return found;
    }
    return 0;
}
