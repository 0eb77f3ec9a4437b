// Fetches the product catalog's CAB through its redirects, each hop checked,
// and reads its products.xml.
#pragma once

#include "CatalogAddress.h"
#include "CatalogTypes.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QTimer>

class QNetworkReply;

// Far above any catalog's CAB so far (under 1 MiB).
inline constexpr qint64 MostCabBytes = qint64(64) * 1024 * 1024;

class CatalogFetch final : public QObject {
    Q_OBJECT
public:
    explicit CatalogFetch(QObject *parent = nullptr);

    // Fetches and reads the catalog of `source`, all within `timeoutMs`. A
    // new call drops the last.
    void fetch(const CatalogSource &source, int timeoutMs);
    // Drops what is being fetched; neither signal follows.
    void cancel();

Q_SIGNALS:
    void fetched(Catalog catalog);
    // What went wrong, in the user's words.
    void failed(QString message);

private:
    void ask(const QUrl &url);
    void onReply(QNetworkReply *reply);
    void onProgress(qint64 received);
    void read(const QByteArray &cab);
    void fail(const QString &message);

    QNetworkAccessManager m_network;
    QNetworkReply *m_reply = nullptr;
    QTimer m_deadline;
    CatalogSource m_source;
    int m_hops = 0;
};
