// Choosing an edition and a language in the page, and waiting out the
// page's validation dialog after each choice.
#include "EvalCenterReader.h"
#include "LanguageRows.h"
#include "PageAnswers.h"
#include "PageScripts.h"
#include "QuibScraper.h"
#include "ScraperLimits.h"
#include "ScraperLog.h"

#include <QDebug>

void QuibScraper::selectVersion(const QString &versionId)
{
    if (m_onEvalCenter) {
        m_evalCenter->selectVersion(versionId);
        return;
    }
    beginRequest(Result::Languages);
    m_selectedVersion = versionId;
    confirmEdition();
}

void QuibScraper::confirmEdition()
{
    qCDebug(lcScraper) << "QuibScraper: Selecting version:" << m_selectedVersion;
    setState(ScraperState::SelectingVersion);
    runScript(PageScripts::selectVersionCall(m_selectedVersion), [this](const QString &result) {
        qCDebug(lcScraper) << "QuibScraper: Version selection result:" << result;
        qCDebug(lcScraper) << "QuibScraper: Waiting for languages to load via AJAX...";
        after(m_timings.afterVersionSelectionMs, &QuibScraper::onVersionSelected);
    });
}

void QuibScraper::onVersionSelected()
{
    qCDebug(lcScraper) << "QuibScraper: Version selected, now checking languages...";
    m_request.languageRetryCount = 0;
    setState(ScraperState::ExtractingLanguages);
    checkProgressModalAndProceed([this](bool proceed) {
        if (proceed) {
            doExtractLanguages();
            return;
        }
        qCDebug(lcScraper) << "QuibScraper: Waiting for version validation, polling...";
        m_request.versionValidationAttempts = 0;
        after(m_timings.validationRecheckMs, &QuibScraper::checkVersionValidationAndProceed);
    });
}

void QuibScraper::checkVersionValidationAndProceed()
{
    recheckValidation(m_request.versionValidationAttempts, QStringLiteral("version"),
                      &QuibScraper::checkVersionValidationAndProceed, &QuibScraper::doExtractLanguages);
}

void QuibScraper::checkLanguageValidationAndProceed()
{
    recheckValidation(linkSearch().languageValidationAttempts, QStringLiteral("language"),
                      &QuibScraper::checkLanguageValidationAndProceed, &QuibScraper::doPollingLoop);
}

// One more look at the validation dialog: go on once it is gone, or after
// the last allowed look whatever it shows.
void QuibScraper::recheckValidation(int &attempts, const QString &subject, void (QuibScraper::*recheck)(),
                                    void (QuibScraper::*proceed)())
{
    const QString title = subject.at(0).toUpper() + subject.mid(1);
    if (attempts >= ScraperLimits::ValidationChecks) {
        qCDebug(lcScraper).noquote()
            << QStringLiteral("QuibScraper: %1 validation timeout, proceeding anyway").arg(title);
        (this->*proceed)();
        return;
    }
    ++attempts;
    qCDebug(lcScraper).noquote() << QStringLiteral("QuibScraper: Checking %1 validation, attempt:").arg(subject)
                                 << attempts;
    checkProgressModalAndProceed([this, subject, title, recheck, proceed](bool done) {
        if (done) {
            qCDebug(lcScraper).noquote() << QStringLiteral("QuibScraper: %1 validation complete").arg(title);
            (this->*proceed)();
            return;
        }
        qCDebug(lcScraper).noquote() << QStringLiteral("QuibScraper: Still waiting for %1 validation").arg(subject);
        after(m_timings.validationRecheckMs, recheck);
    });
}

// The name stands for exactly one row of the list last read, and the page
// is told that row's own id: a name that another contains never stands in.
void QuibScraper::selectLanguage(const QString &language)
{
    if (m_onEvalCenter) {
        m_evalCenter->selectLanguage(language);
        return;
    }
    beginRequest(Result::Links);
    const std::optional<LanguageInfo> row = LanguageRows::named(m_languages, language);
    if (!row) {
        qCDebug(lcScraper) << "QuibScraper: Language not in the list:" << language;
        ScraperFailure failure = scraperFailure(FailureKind::LanguageNotOffered,
                                                QStringLiteral("Language not offered by the page: %1").arg(language));
        failure.wantedLanguage = language;
        failAndIdle(failure);
        return;
    }
    m_request.linkSearch.emplace(*row);
    qCDebug(lcScraper) << "QuibScraper: Selecting language:" << language;
    setState(ScraperState::SubmittingSelection);
    runScript(PageScripts::selectLanguageCall(row->id), [this, language](const QString &result) {
        qCDebug(lcScraper) << "QuibScraper: Language selection result:" << result;
        qCDebug(lcScraper) << "QuibScraper: Starting poll for download links for" << language << "...";
        after(m_timings.afterLanguageSelectionMs, &QuibScraper::startPollingForLinks);
    });
}

void QuibScraper::checkProgressModalAndProceed(const std::function<void(bool)> &callback)
{
    runScript(PageScripts::script(QStringLiteral("progress_modal")), [callback](const QString &result) {
        qCDebug(lcScraper) << "QuibScraper: Progress modal check:" << result;
        callback(PageAnswers::probeAllowsProceeding(result));
    });
}
