#include "Digest.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <openssl/evp.h>

Digest::Digest(DigestAlgorithm algorithm)
    : m_algorithm(algorithm)
    , m_context(EVP_MD_CTX_new())
{
    reset();
}

Digest::~Digest()
{
    EVP_MD_CTX_free(m_context);
}

void Digest::reset()
{
    EVP_DigestInit_ex(m_context, m_algorithm == DigestAlgorithm::Sha1 ? EVP_sha1() : EVP_sha256(), nullptr);
}

void Digest::update(const char *data, std::size_t size)
{
    EVP_DigestUpdate(m_context, data, size);
}

QString Digest::finish()
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(m_context, digest, &length);
    reset();
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(digest), int(length)).toHex().toUpper());
}

bool Digest::addFile(const QString &path, qint64 offset, qint64 length, const std::function<bool(qint64 done)> &goOn)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || !file.seek(offset))
        return false;
    const qint64 wanted = length < 0 ? file.size() - offset : length;
    return addRead([&file](char *data, qint64 size, qint64) { return file.read(data, size); }, offset, wanted, goOn);
}

bool Digest::addRead(const ReadAt &read, qint64 offset, qint64 length, const std::function<bool(qint64 done)> &goOn)
{
    constexpr qint64 PieceBytes = qint64(8) * 1024 * 1024;
    // Kept from one call to the next: reading back often, a little at a
    // time, then takes no fresh memory.
    m_piece.resize(std::max(m_piece.size(), std::size_t(qMin(PieceBytes, qMax<qint64>(length, 1)))));
    qint64 done = 0;
    while (done < length) {
        const qint64 got = read(m_piece.data(), qMin(qint64(m_piece.size()), length - done), offset + done);
        if (got <= 0)
            return false;
        update(m_piece.data(), std::size_t(got));
        done += got;
        if (!goOn(done))
            return false;
    }
    return true;
}

QString digestOfFile(DigestAlgorithm algorithm, const QString &path,
                     const std::function<bool(qint64 done, qint64 total)> &goOn)
{
    const qint64 total = QFileInfo(path).size();
    Digest hash(algorithm);
    return hash.addFile(path, 0, -1, [&](qint64 done) { return goOn(done, total); }) ? hash.finish() : QString();
}
