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

enum class AnswerUse {
    WriteFromStart, // the whole file; the part starts over if it held anything
    Append, // the rest of the file, right after the part's bytes
    AlreadyComplete,
    StartOver, // unusable for this part; ask again for the whole file
    Refuse, // an error answer: its body is not the file
};

// `resumeOffset` is the part's size when the request asked for the rest.
AnswerUse judgeAnswer(long status, const std::optional<ContentRange> &range, qint64 resumeOffset);
