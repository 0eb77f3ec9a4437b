#include "PartFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace partfile {

namespace {

QString pathFromIdentity(const QString &identity, const QString &savePath)
{
    const QByteArray digest = QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Md5).toHex().left(8);
    const QFileInfo destination(savePath);
    return destination.absolutePath() + QLatin1Char('/') + destination.completeBaseName() + QLatin1Char('_')
        + QString::fromLatin1(digest) + QStringLiteral(".part");
}

} // namespace

QString pathFor(const QString &url, const QString &savePath)
{
    return pathFromIdentity(QUrl(url).adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment).toString(), savePath);
}

void adoptOldName(const QString &url, const QString &savePath)
{
    const QString old = pathFromIdentity(url, savePath);
    const QString current = pathFor(url, savePath);
    if (old != current && QFileInfo::exists(old) && !QFileInfo::exists(current))
        QFile::rename(old, current);
}

OwnPart openOwn(const QString &partPath)
{
    return OwnPart::open(nativeFilePath(partPath));
}

Resumable resumable(OwnPart &part, const QString &partPath)
{
    bool untrusted = false;
    const std::optional<PartRecord> record = readPartRecord(partPath, &untrusted);
    Resumable found{ByteRanges(), record.value_or(PartRecord())};
    const qint64 size = part.length();
    // A record not believed stays where it is, for the first record of the
    // new part to replace.
    if (untrusted || size < 0) {
        part.truncate(0);
        return Resumable();
    }
    if (!record || record->inOrder) {
        found.held.add({0, size});
        found.recorded = record.has_value();
        return found;
    }
    const ByteRanges recorded = record->held();
    if (size < recorded.end() || !part.truncate(recorded.end())) {
        part.truncate(0);
        removePartRecord(partPath);
        return Resumable();
    }
    found.held = recorded;
    found.recorded = true;
    return found;
}

qint64 heldBytes(const QString &partPath)
{
    bool untrusted = false;
    const std::optional<PartRecord> record = readPartRecord(partPath, &untrusted);
    const QFileInfo part(partPath);
    // A link under the part's name is never continued.
    const qint64 size = part.isFile() && !part.isSymLink() ? part.size() : 0;
    if (untrusted)
        return 0;
    if (!record || record->inOrder)
        return size;
    const ByteRanges held = record->held();
    return size >= held.end() ? held.bytes() : 0;
}

} // namespace partfile
