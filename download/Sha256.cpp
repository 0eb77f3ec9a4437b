#include "Sha256.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <openssl/evp.h>

Sha256::Sha256()
    : m_context(EVP_MD_CTX_new())
{
    reset();
}

Sha256::~Sha256()
{
    EVP_MD_CTX_free(m_context);
}

void Sha256::reset()
{
    EVP_DigestInit_ex(m_context, EVP_sha256(), nullptr);
}

void Sha256::update(const char *data, std::size_t size)
{
    EVP_DigestUpdate(m_context, data, size);
}

QString Sha256::finish()
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(m_context, digest, &length);
    reset();
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(digest), int(length)).toHex().toUpper());
}

bool Sha256::addFile(const QString &path, qint64 offset, qint64 length, const std::function<bool(qint64 done)> &goOn)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || !file.seek(offset))
        return false;
    const qint64 wanted = length < 0 ? file.size() - offset : length;
    return addRead([&file](char *data, qint64 size, qint64) { return file.read(data, size); }, offset, wanted, goOn);
}

bool Sha256::addRead(const ReadAt &read, qint64 offset, qint64 length, const std::function<bool(qint64 done)> &goOn)
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

QString sha256OfFile(const QString &path, const std::function<bool(qint64 done, qint64 total)> &goOn)
{
    const qint64 total = QFileInfo(path).size();
    Sha256 hash;
    return hash.addFile(path, 0, -1, [&](qint64 done) { return goOn(done, total); }) ? hash.finish() : QString();
}
