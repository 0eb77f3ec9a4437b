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

AnswerKind judgeAnswer(long status, const std::optional<ContentRange> &range, qint64 askedFrom, qint64 askedTo,
                       bool ranged)
{
    if (status == 206 && ranged) {
        const qint64 total = range && range->total > 0 ? range->total : -1;
        // A piece of a file of unknown length says nothing of where the file
        // ends: only the whole rest may come without it.
        if (total < 0 && askedTo >= 0)
            return AnswerKind::WrongRange;
        const qint64 end = askedTo < 0 ? total : qMin(askedTo, total);
        const bool exact = range && range->start == askedFrom && end > askedFrom && range->end == end - 1;
        return exact ? AnswerKind::Range : AnswerKind::WrongRange;
    }
    if (status >= 200 && status < 300 && status != 206) {
        const bool wholeAsked = !ranged || (askedFrom == 0 && askedTo < 0);
        return wholeAsked ? AnswerKind::Range : AnswerKind::WholeFile;
    }
    if (status == 416 && ranged)
        return AnswerKind::Unsatisfiable;
    return status == 206 ? AnswerKind::WrongRange : AnswerKind::Error;
}
