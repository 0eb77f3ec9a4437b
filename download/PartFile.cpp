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

Resumable resumable(const QString &partPath)
{
    Resumable found{0, readPartRecord(partPath).value_or(PartRecord())};
    const qint64 size = QFileInfo::exists(partPath) ? QFileInfo(partPath).size() : 0;
    if (found.record.length <= 0) {
        found.length = size;
        return found;
    }
    if (size < found.record.length || !QFile::resize(partPath, found.record.length)) {
        QFile::remove(partPath);
        removePartRecord(partPath);
        return Resumable();
    }
    found.length = found.record.length;
    return found;
}

} // namespace partfile
