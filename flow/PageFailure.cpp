#include "PageFailure.h"

#include <QCoreApplication>

namespace {

QString afterCheckingTheConnection(const QString &repeat)
{
    //: %1 is how to repeat the step, such as "choose Retry to load the download page again".
    return QCoreApplication::translate("PageFailure", "Check the internet connection, then %1.").arg(repeat);
}

QString later(const QString &repeat)
{
    //: %1 is how to repeat the step, such as "choose Retry to load the download page again".
    return QCoreApplication::translate("PageFailure", "In a while, %1.").arg(repeat);
}

PageFailure languageFailure(const ScraperFailure &failure, const QString &repeat)
{
    if (failure.kind == FailureKind::LanguageNotOffered)
        return {QCoreApplication::translate("PageFailure", "Language Not Offered"),
                //: %1 is a language as the page names it.
                QCoreApplication::translate("PageFailure", "The download page does not offer %1.")
                    .arg(failure.wantedLanguage),
                QCoreApplication::translate("PageFailure", "Choose one of the languages it lists.")};
    return {QCoreApplication::translate("PageFailure", "Wrong Language Offered"),
            //: %1 and %2 are languages as the page names them.
            QCoreApplication::translate("PageFailure", "The page offered links for %1, not %2.")
                .arg(failure.offeredLanguage, failure.wantedLanguage),
            QCoreApplication::translate("PageFailure", "Nothing was downloaded. ") + later(repeat)};
}

} // namespace

PageFailure explainPageFailure(const ScraperFailure &failure, const QString &repeat)
{
    switch (failure.kind) {
    case FailureKind::LoadFailed:
        return {QCoreApplication::translate("PageFailure", "Page Not Loaded"),
                QCoreApplication::translate("PageFailure", "The download page could not be loaded."),
                afterCheckingTheConnection(repeat)};
    case FailureKind::Timeout:
        return {QCoreApplication::translate("PageFailure", "Page Not Answering"),
                QCoreApplication::translate("PageFailure", "The download page did not answer in time."),
                afterCheckingTheConnection(repeat)};
    case FailureKind::NoEditions:
        return {QCoreApplication::translate("PageFailure", "No Editions Offered"),
                QCoreApplication::translate("PageFailure", "The download page offered no editions."), later(repeat)};
    case FailureKind::NoLanguages:
        return {QCoreApplication::translate("PageFailure", "No Languages Offered"),
                QCoreApplication::translate("PageFailure", "The download page offered no languages for this edition."),
                later(repeat)};
    case FailureKind::NoLinks:
        return {QCoreApplication::translate("PageFailure", "No Download Links"),
                QCoreApplication::translate("PageFailure", "The download page gave no download links for this choice."),
                later(repeat)};
    case FailureKind::DeadLink:
        return {QCoreApplication::translate("PageFailure", "Link Leads Nowhere"),
                QCoreApplication::translate("PageFailure",
                                            "The download page's link for this choice leads to no file."),
                later(repeat)};
    case FailureKind::LinkToPage:
        return {QCoreApplication::translate("PageFailure", "Link Leads to a Web Page"),
                QCoreApplication::translate("PageFailure",
                                            "Microsoft's link for this ISO leads to a web page, not to the file."),
                QCoreApplication::translate("PageFailure", "Nothing was downloaded. ") + later(repeat)};
    case FailureKind::LanguageNotOffered:
    case FailureKind::LanguageMismatch:
        return languageFailure(failure, repeat);
    case FailureKind::Refused:
    case FailureKind::PageError:
        break;
    }
    return {QCoreApplication::translate("PageFailure", "Page Reported a Problem"),
            QCoreApplication::translate("PageFailure", "The download page could not give a link for this choice."),
            later(repeat)};
}

QString leftOutNote(const QList<DownloadOption> &options)
{
    QStringList notes;
    for (const DownloadOption &option : options) {
        if (option.deadLink)
            //: %1 is an architecture (x64, arm64), %2 why its link is of no use.
            notes << QCoreApplication::translate("PageFailure", "The %1 ISO is left out: %2")
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
    //: %1 is the message code and session id, one a line.
    return QCoreApplication::translate(
               "PageFailure",
               "%1\n\n"
               "Such a block usually lasts about 24 hours for your internet address. A VPN, proxy or "
               "anonymiser often causes it; another network may work. Trying again at once makes the "
               "block last longer.")
        .arg(refusalReference(refusal));
}

QString refusalReference(const Refusal &refusal)
{
    return QCoreApplication::translate("PageFailure", "Message code: %1\nSession ID: %2")
        .arg(refusal.code,
             refusal.sessionId.isEmpty() ? QCoreApplication::translate("PageFailure", "(not given)")
                                         : refusal.sessionId);
}
