// How the fuzz targets read their input and report a broken promise.
#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace FuzzInput {

// The bytes as UTF-8 text, which is how the page's answers, links and files
// reach the parsers; malformed sequences turn into replacement characters.
inline QString text(const std::uint8_t *data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<int>(size));
}

// The text cut at each NUL byte and line break, empty pieces kept: one
// argument of a command line per piece.
inline QStringList pieces(const std::uint8_t *data, std::size_t size)
{
    QStringList pieces{QString()};
    for (const QChar character : text(data, size)) {
        if (character.isNull() || character == QLatin1Char('\n'))
            pieces << QString();
        else
            pieces.last() += character;
    }
    return pieces;
}

} // namespace FuzzInput

// A promise of the parser's header that the input broke: a finding, reported
// as a crash so that libFuzzer keeps the input.
#define FUZZ_EXPECT(condition)                                                                                         \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #condition);                       \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)
