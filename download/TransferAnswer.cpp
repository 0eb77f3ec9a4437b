#include "TransferAnswer.h"

#include <QRegularExpression>

std::optional<ContentRange> parseContentRange(const QByteArray &value)
{
    static const QRegularExpression pattern(QStringLiteral(
                                                "^\\s*bytes\\s+(?:(\\d{1,18})-(\\d{1,18})|\\*)/(\\d{1,18}|\\*)\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const auto match = pattern.match(QString::fromLatin1(value));
    if (!match.hasMatch())
        return std::nullopt;
    ContentRange range;
    if (match.capturedLength(1) > 0) {
        range.start = match.captured(1).toLongLong();
        range.end = match.captured(2).toLongLong();
        if (range.end < range.start)
            return std::nullopt;
    }
    if (match.captured(3) != QLatin1String("*"))
        range.total = match.captured(3).toLongLong();
    // Bytes past the file's end are no part of it.
    if (range.total >= 0 && range.end >= range.total)
        return std::nullopt;
    return range;
}

AnswerUse judgeAnswer(long status, const std::optional<ContentRange> &range, qint64 resumeOffset)
{
    const bool resuming = resumeOffset > 0;
    if (status == 200)
        return AnswerUse::WriteFromStart;
    if (status == 206) {
        if (!range || range->start < 0)
            return AnswerUse::StartOver;
        if (range->start == resumeOffset)
            return AnswerUse::Append;
        return resuming ? AnswerUse::StartOver : AnswerUse::Refuse;
    }
    if (status == 416 && resuming) {
        const bool partIsWhole = range && range->total == resumeOffset;
        return partIsWhole ? AnswerUse::AlreadyComplete : AnswerUse::StartOver;
    }
    if (status >= 200 && status < 300)
        return AnswerUse::WriteFromStart;
    return AnswerUse::Refuse;
}
