// What the user is told when the page work failed: what went wrong and what
// to do, with the scraper's message as the detail.
#pragma once

#include <QString>

#include <optional>

struct PageFailure {
    QString title;
    QString advice;
};

PageFailure explainPageFailure(const QString &message);

// Microsoft's refusal of the request (a block of the caller's address, often
// for about a day): the page's message carries its message code, followed by
// the session id.
struct Refusal {
    QString code;
    QString sessionId;
};

// The refusal in the page's message, or no value for any other failure.
std::optional<Refusal> readRefusal(const QString &message);

// What the refusal box says beside the page's own text.
QString refusalAdvice(const Refusal &refusal);
// What its copy button puts on the clipboard.
QString refusalReference(const Refusal &refusal);
