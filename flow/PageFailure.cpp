#include "PageFailure.h"

namespace {

QString afterCheckingTheConnection(const QString &repeat)
{
    return QStringLiteral("Check the internet connection, then %1.").arg(repeat);
}

QString later(const QString &repeat)
{
    return QStringLiteral("In a while, %1.").arg(repeat);
}

PageFailure languageFailure(const ScraperFailure &failure, const QString &repeat)
{
    if (failure.kind == FailureKind::LanguageNotOffered)
        return {QStringLiteral("Language Not Offered"),
                QStringLiteral("The download page does not offer %1.").arg(failure.wantedLanguage),
                QStringLiteral("Choose one of the languages it lists.")};
    return {
        QStringLiteral("Wrong Language Offered"),
        QStringLiteral("The page offered links for %1, not %2.").arg(failure.offeredLanguage, failure.wantedLanguage),
        QStringLiteral("Nothing was downloaded. ") + later(repeat)};
}

} // namespace

PageFailure explainPageFailure(const ScraperFailure &failure, const QString &repeat)
{
    switch (failure.kind) {
    case FailureKind::LoadFailed:
        return {QStringLiteral("Page Not Loaded"), QStringLiteral("The download page could not be loaded."),
                afterCheckingTheConnection(repeat)};
    case FailureKind::Timeout:
        return {QStringLiteral("Page Not Answering"), QStringLiteral("The download page did not answer in time."),
                afterCheckingTheConnection(repeat)};
    case FailureKind::NoEditions:
        return {QStringLiteral("No Editions Offered"), QStringLiteral("The download page offered no editions."),
                later(repeat)};
    case FailureKind::NoLanguages:
        return {QStringLiteral("No Languages Offered"),
                QStringLiteral("The download page offered no languages for this edition."), later(repeat)};
    case FailureKind::NoLinks:
        return {QStringLiteral("No Download Links"),
                QStringLiteral("The download page gave no download links for this choice."), later(repeat)};
    case FailureKind::DeadLink:
        return {QStringLiteral("Link Leads Nowhere"),
                QStringLiteral("The download page's link for this choice leads to no file."), later(repeat)};
    case FailureKind::LinkToPage:
        return {QStringLiteral("Link Leads to a Web Page"),
                QStringLiteral("Microsoft's link for this ISO leads to a web page, not to the file."),
                QStringLiteral("Nothing was downloaded. ") + later(repeat)};
    case FailureKind::LanguageNotOffered:
    case FailureKind::LanguageMismatch:
        return languageFailure(failure, repeat);
    case FailureKind::Refused:
    case FailureKind::PageError:
        break;
    }
    return {QStringLiteral("Page Reported a Problem"),
            QStringLiteral("The download page could not give a link for this choice."), later(repeat)};
}

QString leftOutNote(const QList<DownloadOption> &options)
{
    QStringList notes;
    for (const DownloadOption &option : options) {
        if (option.deadLink)
            notes << QStringLiteral("The %1 ISO is left out: %2")
                         .arg(option.architecture, explainPageFailure(*option.deadLink).summary);
    }
    return notes.join(QLatin1Char(' '));
}

std::optional<Refusal> refusalOf(const ScraperFailure &failure)
{
    if (failure.kind != FailureKind::Refused)
        return std::nullopt;
    return Refusal{failure.refusalCode, failure.sessionId};
}

QString refusalAdvice(const Refusal &refusal)
{
    return QStringLiteral("%1\n\n"
                          "Such a block usually lasts about 24 hours for your internet address. A VPN, proxy or "
                          "anonymiser often causes it; another network may work. Trying again at once makes the "
                          "block last longer.")
        .arg(refusalReference(refusal));
}

QString refusalReference(const Refusal &refusal)
{
    return QStringLiteral("Message code: %1\nSession ID: %2")
        .arg(refusal.code, refusal.sessionId.isEmpty() ? QStringLiteral("(not given)") : refusal.sessionId);
}
