// Microsoft's product catalog as the window's boxes take it: its editions,
// then the languages of one edition, then the architectures of one
// language, each list in the types the page's lists come in, so that the
// boxes fill the same way whichever source they show.
#pragma once

#include "catalog/CatalogFetch.h"
#include "catalog/CatalogTypes.h"
#include "scraper/ScraperTypes.h"

#include <QList>
#include <QObject>
#include <QString>

// A product of the catalog, as the window's Version box offers it.
struct CatalogProduct {
    QString productKey; // "win11", as catalogSource() takes it
    QString displayName;
    QStringList architectures; // the catalog's files offered for it
};
QList<CatalogProduct> catalogProducts();
// The catalog product of a page product key, if the catalog has one.
const CatalogProduct *catalogProductOf(const QString &productKey);

class CatalogChoices final : public QObject {
    Q_OBJECT
public:
    explicit CatalogChoices(QObject *parent = nullptr);

    // Fetches the product's catalog (from `mirrorOrigin` when not empty):
    // then editionsRead, or failed. A new request drops the one under way.
    void loadProduct(const QString &productKey, const QString &mirrorOrigin);
    // Both answer at once from the catalog already read.
    void selectEdition(const QString &editionId);
    void selectLanguage(const QString &languageCode);
    void cancelRequest();

    // The file behind an option this object offered last; null for any other.
    const CatalogFile *fileOf(const DownloadOption &option) const;
    const CatalogSource &source() const { return m_source; }
    // Which build the catalog lists, and whether that is older than the
    // page's current release (a stale copy, as a CDN node may serve).
    QString buildNote() const;

    // Professional where the catalog has it, else the first.
    static int defaultEditionRow(const QList<ProductVersion> &editions);
    // The language of the system locale ("de-DE": de-de, else any de-),
    // else English (United States), else the first.
    static int defaultLanguageRow(const QList<LanguageInfo> &languages, const QString &localeName);

Q_SIGNALS:
    void stateChanged(ScraperState state);
    void editionsRead(QList<ProductVersion> editions);
    void languagesRead(QList<LanguageInfo> languages);
    void filesRead(QList<DownloadOption> options);
    void failed(ScraperFailure failure);

private:
    void onFetched(const Catalog &catalog);
    void onFailed(const QString &message);

    CatalogFetch m_fetch;
    CatalogSource m_source;
    QStringList m_architectures;
    QList<CatalogFile> m_files;
    QString m_productKey;
    QString m_buildText;
    int m_newestBuild = 0;
    QString m_editionId;
    QList<DownloadOption> m_offered;
    QList<CatalogFile> m_offeredFiles;
};
