// What the user is told when the page work failed: what went wrong and what
// to do, by the kind of failure the scraper reported.
#pragma once

#include "scraper/ScraperTypes.h"

#include <QString>

#include <optional>

struct PageFailure {
    QString title;
    // What went wrong, in one sentence, and what to do about it.
    QString summary;
    QString advice;
};

// `repeat` is how the front end has the user repeat the step that failed,
// as the end of a sentence; the advice is worded around it. The command
// line is run again; the window names its Retry and the step.
PageFailure explainPageFailure(const ScraperFailure &failure,
                               const QString &repeat = QStringLiteral("run the command again"));

// What is said of the options left out for a dead link ("The arm64 ISO is
// left out: …"); empty when every link leads to its file.
QString leftOutNote(const QList<DownloadOption> &options);

// Microsoft's refusal of the request (a block of the caller's address, often
// for about a day), with the message code and session id the page gave.
struct Refusal {
    QString code;
    QString sessionId;
};

// The refusal a failure is, or no value for any other failure.
std::optional<Refusal> refusalOf(const ScraperFailure &failure);

// What the refusal box says beside the page's own text.
QString refusalAdvice(const Refusal &refusal);
// What its copy button puts on the clipboard.
QString refusalReference(const Refusal &refusal);
