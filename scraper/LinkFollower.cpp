#include "LinkFollower.h"

#include "ProductTable.h"
#include "ScraperLog.h"

#include <QDebug>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <utility>

namespace {

// fwlink, sometimes an aka.ms hop, then the file; a retired link may pass
// a few of the site's own redirects on its way to a page.
constexpr int MaxHops = 8;

bool isTrustedHop(const QUrl &url)
{
    if (isTrustedDownloadLink(url.toString(QUrl::FullyEncoded)))
        return true;
    // Microsoft's own short links, on the way from fwlink to the file.
    return isDefaultSiteOrigin() && url.scheme() == QLatin1String("https") && url.host() == QLatin1String("aka.ms");
}

// Microsoft sends a retired link to an ordinary page of its site, answered
// 200; only an .iso address that is no HTML page is the file.
LinkFollower::Followed::End endOf(const QNetworkReply &reply)
{
    using End = LinkFollower::Followed::End;
    const QString type = reply.header(QNetworkRequest::ContentTypeHeader).toString().trimmed().toLower();
    if (type.startsWith(QLatin1String("text/html")))
        return End::WebPage;
    return reply.url().path().endsWith(QLatin1String(".iso"), Qt::CaseInsensitive) ? End::File : End::Nowhere;
}

} // namespace

LinkFollower::LinkFollower(QObject *parent)
    : QObject(parent)
{
    m_network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

void LinkFollower::follow(const QUrl &link, const QString &userAgent, int timeoutMs,
                          std::function<void(const Followed &)> done)
{
    cancel();
    m_userAgent = userAgent;
    m_timeoutMs = timeoutMs;
    m_hops = 0;
    m_done = std::move(done);
    ask(link);
}

void LinkFollower::cancel()
{
    m_done = nullptr;
    if (!m_reply)
        return;
    m_reply->disconnect(this);
    m_reply->abort();
    m_reply->deleteLater();
    m_reply = nullptr;
}

void LinkFollower::ask(const QUrl &url)
{
    if (!isTrustedHop(url) || ++m_hops > MaxHops) {
        qCDebug(lcScraper) << "LinkFollower: Not followed:" << url << "hop" << m_hops;
        finish(Followed());
        return;
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, m_userAgent);
    request.setTransferTimeout(m_timeoutMs);
    m_reply = m_network.head(request);
    QNetworkReply *reply = m_reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onReply(reply); });
}

void LinkFollower::onReply(QNetworkReply *reply)
{
    reply->deleteLater();
    m_reply = nullptr;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QUrl target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    qCDebug(lcScraper) << "LinkFollower:" << reply->url() << "answered" << status << target;
    if (status >= 300 && status < 400 && target.isValid())
        ask(reply->url().resolved(target));
    else if (status >= 200 && status < 300 && reply->error() == QNetworkReply::NoError)
        finish(Followed{endOf(*reply), reply->url()});
    else
        finish(Followed());
}

void LinkFollower::finish(const Followed &followed)
{
    if (const auto done = std::exchange(m_done, nullptr))
        done(followed);
}
