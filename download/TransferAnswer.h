// What to do with the server's answer to a (possibly resumed) request, so
// that nothing but the right bytes ever reaches the ".part" file.
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

struct ContentRange {
    qint64 start = -1; // -1 for "bytes */total"
    qint64 end = -1;
    qint64 total = -1; // -1 when the server gives "*"
};

// Parses a Content-Range header value such as "bytes 100-199/1000" or
// "bytes */1000". No value for anything else.
std::optional<ContentRange> parseContentRange(const QByteArray &value);

// What an answer is, once its headers are in.
enum class AnswerKind {
    Pending,
    Range, // exactly the bytes asked for (the whole file, if that was asked)
    WholeFile, // 200 to a range: the file from byte 0, not the range
    WrongRange, // a 206 for other bytes than asked for
    Unsatisfiable, // 416
    Error, // any other status: its body is not the file
};

// `asked` is [from, to), `to` -1 for up to the file's end; `ranged` whether
// a Range header went with the request. A 206 counts only for exactly the
// range asked for (cut at the file's end).
AnswerKind judgeAnswer(long status, const std::optional<ContentRange> &range, qint64 askedFrom, qint64 askedTo,
                       bool ranged);
