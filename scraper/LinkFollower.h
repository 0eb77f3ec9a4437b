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

    // Where a link led: to a file (its address), to a web page (an HTML
    // answer), or nowhere (an error answer, an address that names no ISO, a
    // hop to an untrusted host, or too many hops).
    struct Followed {
        enum class End { File, WebPage, Nowhere };
        End end = End::Nowhere;
        QUrl file;
    };
    // Asks for `link` as `userAgent` and hands `done` where it led. Only an
    // ISO image counts as a file: an address ending in ".iso" whose answer
    // is no HTML page. A new call drops the last.
    void follow(const QUrl &link, const QString &userAgent, int timeoutMs, std::function<void(const Followed &)> done);
    // Drops what is being followed; `done` is not called.
    void cancel();

private:
    void ask(const QUrl &url);
    void onReply(QNetworkReply *reply);
    void finish(const Followed &followed);

    QNetworkAccessManager m_network;
    QNetworkReply *m_reply = nullptr;
    QString m_userAgent;
    int m_timeoutMs = 0;
    int m_hops = 0;
    std::function<void(const Followed &)> m_done;
};
