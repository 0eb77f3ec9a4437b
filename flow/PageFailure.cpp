#include "PageFailure.h"

#include <QRegularExpression>

namespace {

struct FailureRow {
    const char *messageStart;
    const char *title;
    const char *advice;
};

// The scraper's messages, by how they start; the last row takes any other
// (the page's own error text among them).
const FailureRow FailureRows[] = {
    {"Page load timeout", "Page Not Loaded",
     "The download page did not load in time. Check the internet connection, then choose the version again."},
    {"Failed to load page", "Page Not Loaded",
     "The download page could not be loaded. Check the internet connection, then choose the version again."},
    {"No versions found", "No Editions Offered",
     "The download page offered no editions. Choose the version again in a while."},
    {"No languages found", "No Languages Offered",
     "The download page offered no languages for this edition. Choose the edition again in a while."},
    {"No download links found", "No Download Links",
     "The download page gave no download links for this choice. Choose the language again in a while."},
    {"", "Page Reported a Problem",
     "The download page could not give a link for this choice. Choose the language again in a while."},
};

} // namespace

PageFailure explainPageFailure(const QString &message)
{
    for (const FailureRow &row : FailureRows) {
        if (message.startsWith(QLatin1String(row.messageStart)))
            return {QString::fromLatin1(row.title), QString::fromLatin1(row.advice)};
    }
    return {};
}

std::optional<Refusal> readRefusal(const QString &message)
{
    static const QRegularExpression code(QStringLiteral("message code ([0-9]{3}-[0-9]{6})"));
    static const QRegularExpression session(
        QStringLiteral("[0-9a-fA-F]{8}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{12}"));
    const QRegularExpressionMatch codeMatch = code.match(message);
    if (!codeMatch.hasMatch())
        return std::nullopt;
    return Refusal{codeMatch.captured(1), session.match(message, codeMatch.capturedEnd()).captured()};
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
