// SHA-256 of a stream of bytes, through OpenSSL's EVP interface (which uses
// the processor's SHA instructions where there are any).
#pragma once

#include <QString>

#include <cstddef>
#include <functional>
#include <vector>

struct evp_md_ctx_st;

class Sha256 final {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256 &) = delete;
    Sha256 &operator=(const Sha256 &) = delete;

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
    // The digest of everything since the last reset, as 64 upper-case hex
    // digits; the stream starts again afterwards.
    QString finish();

private:
    evp_md_ctx_st *m_context;
    std::vector<char> m_piece;
};

// The SHA-256 of the file at `path`, read in large pieces. `goOn` hears how
// far the reading is after each piece and may stop it by returning false.
// Empty when the file cannot be read or the check was stopped.
QString sha256OfFile(const QString &path, const std::function<bool(qint64 done, qint64 total)> &goOn);
