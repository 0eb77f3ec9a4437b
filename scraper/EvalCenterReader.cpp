#include "EvalCenterReader.h"

#include "LinkFollower.h"
#include "PageScripts.h"
#include "PageSession.h"
#include "ProductTable.h"
#include "ScraperLimits.h"
#include "ScraperLog.h"

#include <QDebug>

namespace {

// Every load attempt and its retry, then each architecture's redirects.
int deadlineFor(const ScraperTimings &t)
{
    if (t.requestDeadlineMs > 0)
        return t.requestDeadlineMs;
    constexpr int Architectures = 2;
    return ScraperLimits::LoadAttempts * (t.pageLoadTimeoutMs + t.loadRetryDelayMs) + t.afterInjectionMs
        + Architectures * t.pageLoadTimeoutMs;
}

} // namespace

EvalCenterReader::EvalCenterReader(PageSession *session, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_follower(new LinkFollower(this))
{
    setTimings(m_timings);
    connect(m_session, &PageSession::loadFinished, this, &EvalCenterReader::onLoadFinished);
    connect(m_session, &PageSession::loadTimedOut, this, [this] {
        if (m_awaitsPage)
            fail(FailureKind::Timeout, QStringLiteral("Page load timeout"));
    });
    connect(m_session, &PageSession::deadlinePassed, this, [this] {
        if (m_active)
            fail(FailureKind::Timeout, QStringLiteral("Request deadline passed"));
    });
}

void EvalCenterReader::setTimings(const ScraperTimings &timings)
{
    m_timings = timings;
    m_session->setLoadTimings(timings.pageLoadTimeoutMs, timings.loadRetryDelayMs);
}

void EvalCenterReader::beginRequest(ScraperState state)
{
    m_session->beginRequest(deadlineFor(m_timings));
    m_follower->cancel();
    m_active = true;
    m_awaitsPage = false;
    Q_EMIT stateChanged(state);
}

void EvalCenterReader::abandon()
{
    if (m_active)
        m_session->abandonRequest();
    m_follower->cancel();
    m_active = false;
    m_awaitsPage = false;
    m_toFollow.clear();
}

void EvalCenterReader::loadProductPage(const QString &productKey)
{
    beginRequest(ScraperState::LoadingVersions);
    m_links.clear();
    m_edition.clear();
    m_awaitsPage = true;
    m_session->load(QUrl(evaluationPageUrl(productKey)));
}

void EvalCenterReader::onLoadFinished(bool success)
{
    if (!m_awaitsPage)
        return;
    if (!success) {
        if (!m_session->retryLoad())
            fail(FailureKind::LoadFailed,
                 QStringLiteral("Failed to load page after %1 retries").arg(ScraperLimits::LoadAttempts));
        return;
    }
    m_awaitsPage = false;
    Q_EMIT stateChanged(ScraperState::ExtractingVersions);
    m_session->runScript(PageScripts::script(QStringLiteral("read_eval_links")),
                         [this](const QString &text) { parseAnchors(text); });
}

void EvalCenterReader::parseAnchors(const QString &text)
{
    const std::optional<QList<EvalLink>> links = EvalLinks::parseAnchors(text);
    if (!links) {
        fail(FailureKind::PageError, QStringLiteral("Unreadable link list from the page"));
        return;
    }
    // A page whose evaluation has ended still loads, without links.
    if (links->isEmpty()) {
        fail(FailureKind::NoLinks, QStringLiteral("No download links found"));
        return;
    }
    m_links = *links;
    QList<ProductVersion> editions;
    for (const EvalLink &link : qAsConst(m_links)) {
        qCDebug(lcScraper) << "EvalCenterReader: Found" << link.edition << link.architecture << link.culture;
        if (std::none_of(editions.cbegin(), editions.cend(),
                         [&link](const ProductVersion &edition) { return edition.id == link.edition; }))
            editions << ProductVersion{link.edition, link.edition, true};
    }
    deliver();
    Q_EMIT versionsExtracted(editions);
}

void EvalCenterReader::selectVersion(const QString &versionId)
{
    beginRequest(ScraperState::SelectingVersion);
    m_edition = versionId;
    QList<LanguageInfo> languages;
    for (const EvalLink &link : qAsConst(m_links)) {
        const bool listed = std::any_of(languages.cbegin(), languages.cend(),
                                        [&link](const LanguageInfo &language) { return language.id == link.culture; });
        if (link.edition == versionId && !listed)
            languages << LanguageInfo{link.culture, EvalLinks::languageName(link.culture), link.culture, true};
    }
    // Reported from the event loop, as the page's own lists are.
    m_session->after(0, [this, languages] {
        if (languages.isEmpty()) {
            fail(FailureKind::NoLanguages, QStringLiteral("No languages found on the page"));
            return;
        }
        deliver();
        Q_EMIT languagesExtracted(languages);
    });
}

void EvalCenterReader::selectLanguage(const QString &language)
{
    beginRequest(ScraperState::SubmittingSelection);
    m_languageName = language;
    m_options.clear();
    m_toFollow.clear();
    for (const EvalLink &link : qAsConst(m_links)) {
        const bool named = EvalLinks::languageName(link.culture) == language
            || link.culture.compare(language, Qt::CaseInsensitive) == 0;
        if (link.edition == m_edition && named)
            m_toFollow << link;
    }
    m_session->after(0, [this] {
        if (m_toFollow.isEmpty()) {
            ScraperFailure failure =
                scraperFailure(FailureKind::LanguageNotOffered,
                               QStringLiteral("Language not offered by the page: %1").arg(m_languageName));
            failure.wantedLanguage = m_languageName;
            fail(failure);
            return;
        }
        Q_EMIT stateChanged(ScraperState::ExtractingLinks);
        followNext();
    });
}

// One link at a time, each to the file it leads to. A dead link leaves
// the other architectures offered; a choice whose every link is dead fails
// as the first of them.
void EvalCenterReader::followNext()
{
    if (m_toFollow.isEmpty()) {
        Q_ASSERT(!m_options.isEmpty());
        if (liveOptions(m_options).isEmpty()) {
            fail(*m_options.first().deadLink);
            return;
        }
        deliver();
        Q_EMIT downloadLinksExtracted(m_options);
        return;
    }
    const EvalLink link = m_toFollow.takeFirst();
    m_follower->follow(QUrl(link.link), m_session->userAgent(), m_timings.pageLoadTimeoutMs,
                       [this, link](const LinkFollower::Followed &followed) { onFollowed(link, followed); });
}

void EvalCenterReader::onFollowed(const EvalLink &link, const LinkFollower::Followed &followed)
{
    DownloadOption option;
    option.versionId = m_edition;
    option.language = m_languageName;
    option.architecture = link.architecture;
    option.publishesNoSha256 = true;
    if (followed.end == LinkFollower::Followed::End::WebPage) {
        option.deadLink =
            scraperFailure(FailureKind::LinkToPage,
                           QStringLiteral("Microsoft's link for this ISO leads to a web page, not to the file"));
    } else if (followed.end == LinkFollower::Followed::End::Nowhere) {
        option.deadLink = scraperFailure(FailureKind::DeadLink,
                                         QStringLiteral("The page's link leads to no file: %1").arg(link.link));
    } else if (const std::optional<ScraperFailure> slip = labelSlip(link, followed.file)) {
        fail(*slip);
        return;
    } else {
        option.url = followed.file.toString(QUrl::FullyEncoded);
    }
    m_options << option;
    followNext();
}

// A file whose own name names another language or architecture than its
// label is never handed out under the label's name.
std::optional<ScraperFailure> EvalCenterReader::labelSlip(const EvalLink &link, const QUrl &file) const
{
    const EvalLinks::FileNameFacts facts = EvalLinks::readFileName(file.fileName());
    switch (EvalLinks::labelSlip(link, facts)) {
    case EvalLinks::LabelSlip::None:
        return std::nullopt;
    case EvalLinks::LabelSlip::Architecture:
        // As on the consumer page, a link that contradicts itself is not guessed at.
        return scraperFailure(FailureKind::PageError,
                              QStringLiteral("The file's name names another architecture than its label"));
    case EvalLinks::LabelSlip::Culture:
        break;
    }
    const QString wanted = EvalLinks::languageName(link.culture);
    const QString offered = EvalLinks::languageName(facts.culture.left(3) + facts.culture.mid(3).toUpper());
    ScraperFailure failure = scraperFailure(FailureKind::LanguageMismatch,
                                            QStringLiteral("Links for %1 instead of %2").arg(offered, wanted));
    failure.wantedLanguage = wanted;
    failure.offeredLanguage = offered;
    return failure;
}

void EvalCenterReader::fail(FailureKind kind, const QString &message)
{
    fail(scraperFailure(kind, message));
}

void EvalCenterReader::fail(const ScraperFailure &failure)
{
    abandon();
    Q_EMIT failed(failure);
    Q_EMIT stateChanged(ScraperState::Idle);
}

void EvalCenterReader::deliver()
{
    m_active = false;
    m_session->stopDeadline();
    Q_EMIT stateChanged(ScraperState::Idle);
}
