// Takes the product catalog through the command line's choices: the
// catalog fetched and read, then the one ESD for edition, language and
// architecture.
#pragma once

#include "CatalogMatch.h"
#include "Options.h"
#include "catalog/CatalogAddress.h"
#include "catalog/CatalogFetch.h"

#include <QObject>

class CatalogChoice final : public QObject {
    Q_OBJECT
public:
    // `choices.product` is one of the catalog's keys.
    CatalogChoice(Choices choices, QString localeName, CatalogSource source, QObject *parent = nullptr);

    // With `untilRead`, stops once the catalog is read.
    void start(bool untilRead);
    // The catalog fetched once more, for the same choices.
    void askAgain();
    // Drops the fetch under way; no signal follows.
    void cancel() { m_fetch.cancel(); }

    const Catalog &catalog() const { return m_catalog; }
    const CatalogSource &source() const { return m_source; }
    const CatalogEdition &edition() const { return m_edition; }

Q_SIGNALS:
    void catalogRead();
    void fileChosen(CatalogFile file);
    void failed(int exitCode, QString message);

private:
    void onFetched(const Catalog &catalog);

    CatalogFetch m_fetch;
    Choices m_choices;
    QString m_localeName;
    CatalogSource m_source;
    Catalog m_catalog;
    CatalogEdition m_edition;
    bool m_untilRead = false;
};
