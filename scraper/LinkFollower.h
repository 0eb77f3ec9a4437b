// Follows a page's link through its redirects to the file it leads to.
#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>

#include <functional>

class QNetworkReply;

class LinkFollower final : public QObject {
    Q_OBJECT
public:
    explicit LinkFollower(QObject *parent = nullptr);

    // Asks for `link` as `userAgent` and hands `done` the address of the file
    // it leads to, or an empty URL when it leads nowhere: an error answer, a
    // hop to an untrusted host, or too many hops. A new call drops the last.
    void follow(const QUrl &link, const QString &userAgent, int timeoutMs, std::function<void(const QUrl &)> done);
    // Drops what is being followed; `done` is not called.
    void cancel();

private:
    void ask(const QUrl &url);
    void onReply(QNetworkReply *reply);
    void finish(const QUrl &file);

    QNetworkAccessManager m_network;
    QNetworkReply *m_reply = nullptr;
    QString m_userAgent;
    int m_timeoutMs = 0;
    int m_hops = 0;
    std::function<void(const QUrl &)> m_done;
};
