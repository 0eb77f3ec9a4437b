// Reads an Evaluation Center page in the off-screen browser: its editions,
// languages and architectures come from the download anchors, and the link
// of a choice is followed to the file's own address.
#pragma once

#include "EvalLinks.h"
#include "LinkFollower.h"
#include "ScraperTimings.h"
#include "ScraperTypes.h"

#include <QObject>

#include <optional>

class PageSession;

class EvalCenterReader final : public QObject {
    Q_OBJECT
public:
    // Works in `session`, which the consumer page's scraper may share: the
    // same browser, identity and script world. Takes it not over.
    explicit EvalCenterReader(PageSession *session, QObject *parent = nullptr);

    void setTimings(const ScraperTimings &timings);
    void loadProductPage(const QString &productKey);
    void selectVersion(const QString &versionId);
    // `language` is a name of the list last reported, or its culture code.
    void selectLanguage(const QString &language);
    // Ends the request in progress: nothing of it is reported.
    void abandon();

Q_SIGNALS:
    void stateChanged(ScraperState state);
    void versionsExtracted(QList<ProductVersion> versions);
    void languagesExtracted(QList<LanguageInfo> languages);
    void downloadLinksExtracted(QList<DownloadOption> options);
    void failed(ScraperFailure failure);

private:
    void beginRequest(ScraperState state);
    void onLoadFinished(bool success);
    void parseAnchors(const QString &text);
    void followNext();
    void onFollowed(const EvalLink &link, const LinkFollower::Followed &followed);
    std::optional<ScraperFailure> labelSlip(const EvalLink &link, const QUrl &file) const;
    void fail(FailureKind kind, const QString &message);
    void fail(const ScraperFailure &failure);
    void deliver();

    PageSession *m_session;
    LinkFollower *m_follower;
    ScraperTimings m_timings;
    bool m_active = false;
    bool m_awaitsPage = false;
    QList<EvalLink> m_links;
    QString m_edition;
    QString m_languageName;
    QList<EvalLink> m_toFollow;
    QList<DownloadOption> m_options;
};
