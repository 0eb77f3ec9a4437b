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

std::filesystem::path nativePath(const QString &path)
{
#ifdef Q_OS_WIN
    return path.toStdWString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

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
    const std::optional<PartRecord> record = readPartRecord(partPath);
    Resumable found{ByteRanges(), record.value_or(PartRecord())};
    const qint64 size = QFileInfo::exists(partPath) ? QFileInfo(partPath).size() : 0;
    if (!record) {
        found.held.add({0, size});
        return found;
    }
    const ByteRanges recorded = record->held();
    if (size < recorded.end() || !QFile::resize(partPath, recorded.end())) {
        QFile::remove(partPath);
        removePartRecord(partPath);
        return Resumable();
    }
    found.held = recorded;
    found.recorded = true;
    return found;
}

qint64 heldBytes(const QString &partPath)
{
    const std::optional<PartRecord> record = readPartRecord(partPath);
    const qint64 size = QFileInfo::exists(partPath) ? QFileInfo(partPath).size() : 0;
    if (!record)
        return size;
    const ByteRanges held = record->held();
    return size >= held.end() ? held.bytes() : 0;
}

} // namespace partfile
