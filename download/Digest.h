// The digest of a stream of bytes (SHA-256, or SHA-1 for older published
// values), through OpenSSL's EVP interface (which uses the processor's SHA
// instructions where there are any).
#pragma once

#include "common/DigestAlgorithm.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <vector>

struct evp_md_ctx_st;

class Digest final {
public:
    explicit Digest(DigestAlgorithm algorithm = DigestAlgorithm::Sha256);
    ~Digest();
    Digest(const Digest &) = delete;
    Digest &operator=(const Digest &) = delete;

    void reset();
    void update(const char *data, std::size_t size);
    // Adds `length` bytes of the file at `path` from `offset` on (all the
    // rest when negative), read in large pieces. `goOn` hears how many are
    // in after each piece and may stop by returning false. False when the
    // file is shorter, cannot be read, or the reading was stopped.
    bool addFile(const QString &path, qint64 offset, qint64 length, const std::function<bool(qint64 done)> &goOn);
    // Reads `size` bytes at `offset` into `data`: how many came, or -1.
    using ReadAt = std::function<qint64(char *data, qint64 size, qint64 offset)>;
    // As addFile, through `read`, for `length` bytes from `offset` on.
    bool addRead(const ReadAt &read, qint64 offset, qint64 length, const std::function<bool(qint64 done)> &goOn);
    // The digest of everything since the last reset, in upper-case hex
    // digits (64 for SHA-256, 40 for SHA-1); the stream starts again
    // afterwards.
    QString finish();

private:
    DigestAlgorithm m_algorithm;
    evp_md_ctx_st *m_context;
    std::vector<char> m_piece;
};

// The digest of the file at `path`, read in large pieces. `goOn` hears how
// far the reading is after each piece and may stop it by returning false.
// Empty when the file cannot be read or the check was stopped.
QString digestOfFile(DigestAlgorithm algorithm, const QString &path,
                     const std::function<bool(qint64 done, qint64 total)> &goOn);
inline QString sha256OfFile(const QString &path, const std::function<bool(qint64 done, qint64 total)> &goOn)
{
    return digestOfFile(DigestAlgorithm::Sha256, path, goOn);
}
