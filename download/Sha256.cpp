#include "Sha256.h"

#include <QByteArray>
#include <QFile>

#include <vector>

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

QString sha256OfFile(const QString &path, const std::function<bool(qint64 done, qint64 total)> &goOn)
{
    constexpr qint64 PieceBytes = 8 * 1024 * 1024;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    Sha256 hash;
    std::vector<char> piece(PieceBytes);
    qint64 done = 0;
    for (;;) {
        const qint64 read = file.read(piece.data(), PieceBytes);
        if (read < 0)
            return QString();
        if (read == 0)
            return hash.finish();
        hash.update(piece.data(), std::size_t(read));
        done += read;
        if (!goOn(done, file.size()))
            return QString();
    }
}
