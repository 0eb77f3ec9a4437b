// The Evaluation Center's download anchors: what an anchor's label and
// link say about the file it leads to.
#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

struct EvalLink {
    QString edition; // as the label names it, e.g. "Windows 11 Enterprise LTSC"
    QString architecture; // "x64", "arm64" or "x86"
    QString culture; // "de-DE"
    QString link; // the page's go.microsoft.com/fwlink address
};

namespace EvalLinks {

// The ISO an anchor stands for, from its aria-label ("64-bit edition:
// Download Windows Server 2025 ISO 64-bit (de-DE)") and its link, read
// against the address of the page it is on. A link of the fwlink/p/ style
// names its own culture, which decides over the label's. No value for a
// VHD, or a label or link that names no file.
std::optional<EvalLink> readAnchor(const QString &label, const QString &link, const QUrl &page = QUrl());

// The anchors the page script read (JSON: {"links":[{"label":…,"link":…}],
// "url":…, the page's address}), each ISO once, in page order; no value
// when the answer is unreadable.
std::optional<QList<EvalLink>> parseAnchors(const QString &json);

// What a file's own name says of it, where it says it: its culture
// ("ru-ru" in "…_x64FRE_ru-ru.iso") and its architecture ("x64FRE",
// "A64FRE", "x86FRE"); empty where it names none.
struct FileNameFacts {
    QString culture;
    QString architecture;
};
FileNameFacts readFileName(const QString &fileName);
// What in a followed file's name contradicts the link's label, if anything:
// the culture first, then the architecture.
enum class LabelSlip { None, Culture, Architecture };
LabelSlip labelSlip(const EvalLink &link, const FileNameFacts &file);

// "German (Germany)" for "de-DE"; the code itself when it names no language.
QString languageName(const QString &culture);

} // namespace EvalLinks
