// How the fuzz targets read their input and report a broken promise.
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

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

// The bytes as a file named `name` plus a number no earlier input had, in a
// folder of the run's own. Qt keeps files it has read, settings among them,
// and takes one back unread when its size and time have not changed.
inline QString freshFile(const std::uint8_t *data, std::size_t size, const QString &name)
{
    static QTemporaryDir folder;
    static unsigned long long count = 0;
    const QString path = folder.filePath(name.arg(++count));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size)) != qint64(size)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
    return path;
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
