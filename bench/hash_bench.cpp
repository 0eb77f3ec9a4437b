// Checks one file's SHA-256 the way the window checks a file that is
// already there, and prints the digest and the seconds it took. Run by
// bench/hash_bench.sh, never by the tests.
#include "download/Digest.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    const QString digest = sha256OfFile(QString::fromLocal8Bit(argv[1]), [](qint64, qint64) { return true; });
    std::printf("%s seconds=%.3f\n", qPrintable(digest.toLower()), double(clock.nsecsElapsed()) / 1e9);
    return digest.isEmpty() ? 1 : 0;
}
