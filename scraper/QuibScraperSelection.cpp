// Choosing an edition and a language in the page, and waiting out the
// page's validation dialog after each choice.
#include "PageAnswers.h"
#include "PageScripts.h"
#include "QuibScraper.h"
#include "ScraperLimits.h"

#include <QDebug>

void QuibScraper::selectVersion(const QString &versionId)
{
    m_selectedVersion = versionId;
    m_waitingForReload = false;
    qDebug() << "QuibScraper: Selecting version:" << versionId;
    setState(ScraperState::SelectingVersion);
    runScript(PageScripts::selectVersionCall(versionId), [this](const QString &result) {
        qDebug() << "QuibScraper: Version selection result:" << result;
        qDebug() << "QuibScraper: Waiting for languages to load via AJAX...";
        QTimer::singleShot(m_timings.afterVersionSelectionMs, this, &QuibScraper::onVersionSelected);
    });
}

void QuibScraper::onVersionSelected()
{
    qDebug() << "QuibScraper: Version selected, now checking languages...";
    m_languageRetryCount = 0;
    setState(ScraperState::ExtractingLanguages);
    checkProgressModalAndProceed([this](bool proceed) {
        if (proceed) {
            doExtractLanguages();
            return;
        }
        qDebug() << "QuibScraper: Waiting for version validation, polling...";
        m_versionValidationAttempts = 0;
        QTimer::singleShot(m_timings.validationRecheckMs, this, &QuibScraper::checkVersionValidationAndProceed);
    });
}

void QuibScraper::checkVersionValidationAndProceed()
{
    if (m_versionValidationAttempts >= ScraperLimits::ValidationChecks) {
        qDebug() << "QuibScraper: Version validation timeout, proceeding anyway";
        doExtractLanguages();
        return;
    }
    ++m_versionValidationAttempts;
    qDebug() << "QuibScraper: Checking version validation, attempt:" << m_versionValidationAttempts;
    checkProgressModalAndProceed([this](bool proceed) {
        if (proceed) {
            qDebug() << "QuibScraper: Version validation complete";
            doExtractLanguages();
            return;
        }
        qDebug() << "QuibScraper: Still waiting for version validation";
        QTimer::singleShot(m_timings.validationRecheckMs, this, &QuibScraper::checkVersionValidationAndProceed);
    });
}

void QuibScraper::selectLanguage(const QString &language)
{
    m_selectedLanguage = language;
    m_linksExtracted = false;
    m_isPolling = true;
    m_waitingForReload = true;
    m_pollCount = 0;
    m_linkReloadCount = 0;
    qDebug() << "QuibScraper: Selecting language:" << language;
    setState(ScraperState::SubmittingSelection);
    runScript(PageScripts::selectLanguageCall(language), [this, language](const QString &result) {
        qDebug() << "QuibScraper: Language selection result:" << result;
        qDebug() << "QuibScraper: Starting poll for download links for" << language << "...";
        QTimer::singleShot(m_timings.afterLanguageSelectionMs, this, &QuibScraper::startPollingForLinks);
    });
}

void QuibScraper::checkLanguageValidationAndProceed()
{
    if (m_languageValidationAttempts >= ScraperLimits::ValidationChecks) {
        qDebug() << "QuibScraper: Language validation timeout, proceeding anyway";
        doPollingLoop();
        return;
    }
    ++m_languageValidationAttempts;
    qDebug() << "QuibScraper: Checking language validation, attempt:" << m_languageValidationAttempts;
    checkProgressModalAndProceed([this](bool proceed) {
        if (proceed) {
            qDebug() << "QuibScraper: Language validation complete";
            doPollingLoop();
            return;
        }
        qDebug() << "QuibScraper: Still waiting for language validation";
        QTimer::singleShot(m_timings.validationRecheckMs, this, &QuibScraper::checkLanguageValidationAndProceed);
    });
}

void QuibScraper::checkProgressModalAndProceed(const std::function<void(bool)> &callback)
{
    runScript(PageScripts::script(QStringLiteral("progress_modal")), [callback](const QString &result) {
        qDebug() << "QuibScraper: Progress modal check:" << result;
        callback(PageAnswers::probeAllowsProceeding(result));
    });
}
