// Waiting for the page's ISO links after a language was submitted: one poll
// every interval, with re-submissions, at most one reload, and give-up limits.
#include "PageAnswers.h"
#include "PageScripts.h"
#include "ProductTable.h"
#include "QuibScraper.h"
#include "ScraperLimits.h"
#include "ScraperLog.h"

#include <QDebug>
#include <QUrl>

using PageAnswers::PollResult;
using PageAnswers::PollRow;

namespace {

constexpr int ContainerPreviewLength = 200;

const QString &noLinksMessage()
{
    static const QString message = QStringLiteral("No download links found after multiple attempts");
    return message;
}

} // namespace

void QuibScraper::startPollingForLinks()
{
    LinkSearch &search = linkSearch();
    if (!search.isPolling()) {
        qCDebug(lcScraper) << "QuibScraper: startPolling called but m_isPolling is false, returning";
        return;
    }
    ++search.pollCount;
    qCDebug(lcScraper) << "QuibScraper: Poll attempt" << search.pollCount;
    if (search.pollCount != 1) {
        doPollingLoop();
        return;
    }
    setState(ScraperState::ExtractingLinks);
    qCDebug(lcScraper) << "QuibScraper: Checking for validation first...";
    checkProgressModalAndProceed([this](bool proceed) {
        if (proceed) {
            doPollingLoop();
            return;
        }
        qCDebug(lcScraper) << "QuibScraper: Validation in progress, waiting...";
        // Every round waits the dialog out, the rounds after a reload too:
        // a search that stopped here would end only at its deadline.
        linkSearch().languageValidationAttempts = 0;
        after(m_timings.validationRecheckMs, &QuibScraper::checkLanguageValidationAndProceed);
    });
}

void QuibScraper::doPollingLoop()
{
    LinkSearch &search = linkSearch();
    if (!search.isPolling())
        return;
    if (search.pollCount >= ScraperLimits::PollAttempts) {
        ++search.linkReloadCount;
        qCDebug(lcScraper) << "QuibScraper: Max poll attempts reached (25), reload" << search.linkReloadCount
                           << "of 2...";
    } else if (search.linkReloadCount >= 1 && search.pollCount >= ScraperLimits::PollAttemptsAfterReload) {
        ++search.linkReloadCount;
        qCDebug(lcScraper) << "QuibScraper: Max poll attempts in reload round (15), reload" << search.linkReloadCount
                           << "of 2...";
    } else {
        runScript(PageScripts::script(QStringLiteral("poll_links")),
                  [this](const QString &result) { handlePollResult(result); });
        return;
    }
    reloadOrGiveUp(noLinksMessage());
}

// Ends this round: reloads the page while reloads are left, else gives up.
void QuibScraper::reloadOrGiveUp(const QString &giveUpMessage)
{
    LinkSearch &search = linkSearch();
    if (search.linkReloadCount < ScraperLimits::LinkReloads) {
        search.enter(LinkSearch::Phase::Reloading);
        after(m_timings.reloadDelayMs, &QuibScraper::reloadPageForFreshLinks);
        return;
    }
    qCDebug(lcScraper) << "QuibScraper: Max link reload attempts reached (2), giving up";
    reportFailure(scraperFailure(FailureKind::NoLinks, giveUpMessage));
}

void QuibScraper::handlePollResult(const QString &text)
{
    if (!linkSearch().isPolling())
        return;
    qCDebug(lcScraper) << "QuibScraper: Poll result:" << text;
    const std::optional<PollResult> result = PageAnswers::parsePollResult(text);
    if (!result) {
        qCDebug(lcScraper) << "QuibScraper: Invalid poll result, continuing...";
        after(m_timings.pollIntervalMs, &QuibScraper::startPollingForLinks);
        return;
    }
    logPollResult(*result);
    switch (PageAnswers::pollRow(*result)) {
    case PollRow::DownloadError:
        qCDebug(lcScraper) << "QuibScraper: Download error detected:" << result->downloadErrorMessage;
        reportFailure(pageFailure(result->downloadErrorMessage.isEmpty() ? QStringLiteral("Download failed")
                                                                         : result->downloadErrorMessage));
        break;
    case PollRow::LinksFound:
        qCDebug(lcScraper).noquote() << "QuibScraper: Download links detected!"
                                     << (result->validating ? QStringLiteral("(while still validating)") : QString());
        onLanguageSelected();
        break;
    case PollRow::Validating:
        qCDebug(lcScraper) << "QuibScraper: Page is validating request, waiting...";
        after(m_timings.pollIntervalMs, &QuibScraper::startPollingForLinks);
        break;
    case PollRow::Container:
        actOnContainer(*result);
        break;
    case PollRow::NoContainer:
        actOnMissingContainer(*result);
        break;
    }
}

void QuibScraper::logPollResult(const PollResult &result)
{
    qCDebug(lcScraper) << "QuibScraper: Poll - status:" << result.status << "container:" << result.hasContainer
                       << "links:" << result.linkCount.value_or(-1) << "ISO links:" << result.hasIsoLinks
                       << "blocked:" << result.blocked << "formFound:" << result.formFound
                       << "validating:" << result.validating << "validatingComplete:" << result.validatingComplete
                       << "downloadError:" << result.downloadError << "errorMsg:" << result.downloadErrorMessage;
    if (result.downloadError || result.hasIsoLinks || result.validating)
        return;
    if (!result.productName.isEmpty())
        qCDebug(lcScraper) << "QuibScraper: Product name in page:" << result.productName;
    if (result.hasContainer && result.containerHTML)
        qCDebug(lcScraper) << "QuibScraper: Container HTML preview:"
                           << result.containerHTML->left(ContainerPreviewLength);
}

void QuibScraper::actOnContainer(const PollResult &result)
{
    LinkSearch &search = linkSearch();
    const QString selected = search.language.name;
    const bool languageAttempted = !selected.isEmpty() && !result.selectedLanguage.isEmpty();
    qCDebug(lcScraper) << "QuibScraper: Container found, lang attempted:" << languageAttempted
                       << "selectedInPoll:" << result.selectedLanguage << "m_selected:" << selected;
    if (result.formFound == QLatin1String("no")) {
        if (!selected.isEmpty() && result.linkCount == 0 && search.pollCount < ScraperLimits::SubmitAttempts) {
            qCDebug(lcScraper) << "QuibScraper: Language was selected but no links, trying button click...";
            runScript(PageScripts::script(QStringLiteral("click_submit")));
        }
        after(m_timings.pollIntervalMs, &QuibScraper::startPollingForLinks);
        return;
    }
    qCDebug(lcScraper) << "QuibScraper: Still waiting for form submission, container exists...";
    if (search.pollCount < ScraperLimits::PollsWithUnsubmittedForm) {
        after(m_timings.pollIntervalMs, &QuibScraper::startPollingForLinks);
        return;
    }
    qCDebug(lcScraper) << "QuibScraper: Too many polls while waiting for submit, reloading...";
    ++search.linkReloadCount;
    reloadOrGiveUp(QStringLiteral("No download links found - form submission timeout"));
}

void QuibScraper::actOnMissingContainer(const PollResult &result)
{
    if (PageAnswers::pageMovedOn(result.currentURL)) {
        qCDebug(lcScraper) << "QuibScraper: URL changed, extracting links from new page";
        onLanguageSelected();
        return;
    }
    qCDebug(lcScraper) << "QuibScraper: No container found, checking if should stop...";
    if (linkSearch().pollCount >= ScraperLimits::PollsWithoutContainer) {
        qCDebug(lcScraper) << "QuibScraper: Max polls reached (10), stopping polling";
        reportFailure(scraperFailure(FailureKind::NoLinks, noLinksMessage()));
        return;
    }
    qCDebug(lcScraper) << "QuibScraper: Continuing poll...";
    after(m_timings.pollIntervalMs, &QuibScraper::startPollingForLinks);
}

// The polls end here: the links are read, once.
void QuibScraper::onLanguageSelected()
{
    linkSearch().enter(LinkSearch::Phase::Reading);
    qCDebug(lcScraper) << "QuibScraper: Language selected, now extracting download links...";
    setState(ScraperState::ExtractingLinks);
    after(m_timings.linkExtractionDelayMs, &QuibScraper::doExtractLinks);
}

// A page that reloaded itself meanwhile has already started the next round.
void QuibScraper::reloadPageForFreshLinks()
{
    LinkSearch &search = linkSearch();
    if (search.phase != LinkSearch::Phase::Reloading)
        return;
    qCDebug(lcScraper) << "QuibScraper: Reloading page to get fresh download links...";
    search.pollCount = 0;
    m_session->load(QUrl(buildPageUrl(m_locale, m_productKey)));
}

// A fresh page offers no languages until an edition is confirmed: the
// edition goes first, and the language once the page has listed its own.
void QuibScraper::retryLanguageSubmit()
{
    if (!linkSearch().isPolling())
        return;
    qCDebug(lcScraper) << "QuibScraper: Retrying language submit after page reload...";
    runScript(PageScripts::selectVersionCall(m_selectedVersion), [this](const QString &result) {
        qCDebug(lcScraper) << "QuibScraper: Edition confirmed again:" << result;
        qCDebug(lcScraper) << "QuibScraper: Waiting for page to fully load before selecting language...";
        after(qMax(m_timings.reselectLanguageDelayMs, m_timings.afterVersionSelectionMs),
              &QuibScraper::doSelectLanguageAfterReload);
    });
}

void QuibScraper::doSelectLanguageAfterReload()
{
    if (!linkSearch().isPolling())
        return;
    qCDebug(lcScraper) << "QuibScraper: Now selecting language after page reload...";
    runScript(PageScripts::selectLanguageCall(linkSearch().language.id), [this](const QString &result) {
        qCDebug(lcScraper) << "QuibScraper: Retry language selection result:" << result;
        after(m_timings.pollAfterReselectionMs, &QuibScraper::startPollingForLinks);
    });
}
