#include "CatalogChoice.h"

namespace {

// The catalog is one small CAB behind one or two redirects.
constexpr int CatalogTimeoutMs = 60000;

} // namespace

CatalogChoice::CatalogChoice(Choices choices, QString localeName, CatalogSource source, QObject *parent)
    : QObject(parent)
    , m_choices(std::move(choices))
    , m_localeName(std::move(localeName))
    , m_source(std::move(source))
{
    connect(&m_fetch, &CatalogFetch::fetched, this, &CatalogChoice::onFetched);
    connect(&m_fetch, &CatalogFetch::failed, this,
            [this](const QString &message) { Q_EMIT failed(ExitCode::Failed, message); });
}

void CatalogChoice::start(bool untilRead)
{
    m_untilRead = untilRead;
    m_fetch.fetch(m_source, CatalogTimeoutMs);
}

void CatalogChoice::askAgain()
{
    start(false);
}

void CatalogChoice::onFetched(const Catalog &catalog)
{
    m_catalog = catalog;
    if (m_untilRead) {
        Q_EMIT catalogRead();
        return;
    }
    const CatalogPick pick = pickCatalogFile(catalog, m_choices, m_localeName);
    if (!pick.problem.isEmpty()) {
        Q_EMIT failed(ExitCode::Usage, pick.problem);
        return;
    }
    m_edition = pick.edition;
    Q_EMIT fileChosen(pick.file);
}
