#include "CatalogFetch.h"

#include "CabContent.h"
#include "CatalogLog.h"
#include "ProductsXml.h"

#include <QNetworkReply>
#include <QNetworkRequest>

#include <algorithm>

namespace {

// fwlink, then the dated CAB; a CDN may add a hop or two.
constexpr int MostHops = 8;

// A file's own address is held to what a redirect's target is: the others
// are left out and counted.
void keepFilesFrom(const CatalogSource &source, Catalog &catalog)
{
    const auto elsewhere =
        std::remove_if(catalog.files.begin(), catalog.files.end(),
                       [&source](const CatalogFile &file) { return !mayDownloadFileFrom(source, file.url); });
    for (auto it = elsewhere; it != catalog.files.end(); ++it)
        catalog.skippedEntries += int(it->editions.size());
    catalog.files.erase(elsewhere, catalog.files.end());
}

} // namespace

CatalogFetch::CatalogFetch(QObject *parent)
    : QObject(parent)
{
    m_network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this,
            [this] { fail(QStringLiteral("The product catalog did not come in time.")); });
}

void CatalogFetch::fetch(const CatalogSource &source, int timeoutMs)
{
    cancel();
    m_source = source;
    m_hops = 0;
    m_deadline.start(timeoutMs);
    ask(source.address);
}

void CatalogFetch::cancel()
{
    m_deadline.stop();
    if (!m_reply)
        return;
    m_reply->disconnect(this);
    m_reply->abort();
    m_reply->deleteLater();
    m_reply = nullptr;
}

void CatalogFetch::ask(const QUrl &url)
{
    if (!mayFetchCatalogFrom(m_source, url)) {
        qCDebug(lcCatalog) << "CatalogFetch: refused" << url;
        fail(QStringLiteral("The product catalog's address led to %1, which is not where a catalog may come from.")
                 .arg(url.toDisplayString().left(200)));
        return;
    }
    if (++m_hops > MostHops) {
        fail(QStringLiteral("The product catalog's address redirected too often."));
        return;
    }
    QNetworkRequest request(url);
    request.setTransferTimeout(m_deadline.remainingTime() > 0 ? m_deadline.remainingTime() : 1);
    m_reply = m_network.get(request);
    QNetworkReply *reply = m_reply;
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) { onProgress(received); });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onReply(reply); });
}

void CatalogFetch::onProgress(qint64 received)
{
    if (received > MostCabBytes)
        fail(QStringLiteral("The product catalog is larger than any catalog should be."));
}

void CatalogFetch::onReply(QNetworkReply *reply)
{
    reply->deleteLater();
    m_reply = nullptr;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QUrl target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    qCDebug(lcCatalog) << "CatalogFetch:" << reply->url() << "answered" << status << target;
    if (status >= 300 && status < 400 && target.isValid()) {
        ask(reply->url().resolved(target));
        return;
    }
    if (reply->error() != QNetworkReply::NoError || status != 200) {
        fail(QStringLiteral("The product catalog could not be fetched from %1: %2")
                 .arg(reply->url().toDisplayString().left(200),
                      status ? QStringLiteral("HTTP %1").arg(status) : reply->errorString()));
        return;
    }
    read(reply->readAll());
}

void CatalogFetch::read(const QByteArray &cab)
{
    m_deadline.stop();
    QString problem;
    const QByteArray xml = productsXmlFromCab(cab, &problem);
    Catalog catalog = problem.isEmpty() ? readProductsXml(xml, &problem) : Catalog();
    keepFilesFrom(m_source, catalog);
    if (problem.isEmpty() && catalog.files.isEmpty())
        problem = QStringLiteral("The product catalog lists its files only at addresses they may not come from "
                                 "(%1 entries left out).")
                      .arg(catalog.skippedEntries);
    if (!problem.isEmpty()) {
        Q_EMIT failed(problem);
        return;
    }
    qCDebug(lcCatalog) << "CatalogFetch: catalog" << catalog.version << "with" << catalog.files.size() << "files,"
                       << catalog.skippedEntries << "entries left out";
    Q_EMIT fetched(catalog);
}

void CatalogFetch::fail(const QString &message)
{
    cancel();
    Q_EMIT failed(message);
}
