// Drives the vendor's download page in an off-screen browser that presents
// itself as a phone, and reports what the page offers. The Evaluation
// Center's products are read by EvalCenterReader and reported here alike.
#pragma once

#include "PageSession.h"
#include "ScraperRequest.h"
#include "ScraperTimings.h"
#include "ScraperTypes.h"

#include <QObject>
#include <QWebEnginePage>

#include <functional>
#include <optional>
#include <utility>

class EvalCenterReader;

namespace PageAnswers {
struct PollResult;
}

class QuibScraper : public QObject {
    Q_OBJECT
public:
    explicit QuibScraper(QObject *parent = nullptr);
    ~QuibScraper() override;

    void loadProductPage(const QString &productKey);
    void selectVersion(const QString &versionId);
    void selectLanguage(const QString &language);
    // Ends the request in progress where it stands: nothing of it is
    // reported, and nothing more of it is asked of the page.
    void cancelRequest();

    ScraperState state() const { return m_state; }
    QString locale() const { return m_locale; }
    // Test seam: the delays and limits; the defaults are the product's.
    void setTimings(const ScraperTimings &timings);
    const ScraperTimings &timings() const { return m_timings; }
    // Keeps the list that `selectLanguage` chooses from and reports it. The
    // page's language read ends here; a test that answers for the page may
    // call it too.
    void reportLanguages(const QList<LanguageInfo> &languages);
    // Test seam: every script's answer passes through `filter` first, so a
    // test can make the page answer what no script of ours would.
    void setAnswerFilter(std::function<QString(const QString &)> filter)
    {
        m_session->setAnswerFilter(std::move(filter));
    }

Q_SIGNALS:
    void versionsExtracted(QList<ProductVersion> versions);
    void languagesExtracted(QList<LanguageInfo> languages);
    void downloadLinksExtracted(QList<DownloadOption> options);
    void error(QString errorMessage);
    // Every failure, with its kind, just before `error` reports its message.
    void failed(ScraperFailure failure);
    void stateChanged(ScraperState newState);

private Q_SLOTS:
    void onLoadFinished(bool success);
    void onTimeout();
    void onConsoleMessage(QWebEnginePage::JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                          const QString &sourceID);
    void onJavaScriptInjected();
    void doExtractLanguages();
    void doExtractLinks();
    void onVersionSelected();
    void checkVersionValidationAndProceed();
    void checkLanguageValidationAndProceed();
    void startPollingForLinks();
    void doPollingLoop();
    void retryLanguageSubmit();
    void doSelectLanguageAfterReload();
    void reloadPageForFreshLinks();
    void onLanguageSelected();

private:
    void connectSession();
    EvalCenterReader *evalCenter();
    void leaveEvalCenter();
    void detectLocale();
    void setState(ScraperState state);
    void reportFailure(const ScraperFailure &failure);
    void failAndIdle(const ScraperFailure &failure);
    ScraperFailure pageFailure(const QString &pageText) const;
    using Result = ScraperRequest::Result;
    void beginRequest(Result awaited);
    void endRequest();
    void delivered(Result result);
    LinkSearch &linkSearch();
    void onDeadline();
    void after(int delayMs, void (QuibScraper::*step)());
    using Stretch = std::pair<int, int>;
    Stretch stretchNow() const;
    bool isStretch(Stretch stretch) const;
    void onPageReady();
    void confirmEdition();
    void resumeAfterLoad();
    void readListsAfterTimeout();
    using PageLeft = PageSession::PageLeft;
    void runScript(const QString &script, std::function<void(const QString &)> onResult,
                   PageLeft pageLeft = PageLeft::AnswerEmpty);
    void runScript(const QString &script);
    void injectJavaScript();
    void readList(const QString &script, void (QuibScraper::*parse)(const QString &));
    void readEditions();
    void parseVersions(const QString &text);
    void parseLanguages(const QString &text);
    void parseLinks(const QString &text);
    std::optional<QList<DownloadOption>> offeredOptions(const QString &text);
    void attachPublishedHash(DownloadOption &option, const QList<PublishedHash> &table) const;
    void checkProgressModalAndProceed(const std::function<void(bool)> &callback);
    void recheckValidation(int &attempts, const QString &subject, void (QuibScraper::*recheck)(),
                           void (QuibScraper::*proceed)());
    void handlePollResult(const QString &text);
    void logPollResult(const PageAnswers::PollResult &result);
    void actOnContainer(const PageAnswers::PollResult &result);
    void actOnMissingContainer(const PageAnswers::PollResult &result);
    void reloadOrGiveUp(const QString &giveUpMessage);

    PageSession *m_session;
    EvalCenterReader *m_evalCenter = nullptr;
    bool m_onEvalCenter = false;
    ScraperState m_state = ScraperState::Idle;
    QString m_locale;
    QString m_productKey;
    QString m_selectedVersion;
    QList<ProductVersion> m_versions;
    QList<LanguageInfo> m_languages;
    ScraperRequest m_request;
    ScraperTimings m_timings;
};
