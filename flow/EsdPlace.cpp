#include "EsdPlace.h"

#include "SizeFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

// The ESD, the media tree applied from it and the ISO made of that tree.
constexpr qint64 RoomPerEsdByte = 3;

} // namespace

QString esdBeside(const QString &isoPath)
{
    const bool iso = isoPath.endsWith(QLatin1String(".iso"), Qt::CaseInsensitive);
    return (iso ? isoPath.left(isoPath.size() - 4) : isoPath) + QStringLiteral(".esd");
}

EsdPlace esdPlaceFor(const CatalogFile &file, const QString &output)
{
    const QString wanted = QDir::current().absoluteFilePath(output);
    const bool ownName = output.isEmpty() || QFileInfo(wanted).isDir();
    // The catalog's file name ends in ".esd" and is checked to be one name.
    const QString isoName = file.fileName.left(file.fileName.size() - 4) + QStringLiteral(".iso");
    const QString isoPath = ownName ? QDir(wanted).absoluteFilePath(isoName) : QFileInfo(wanted).absoluteFilePath();
    return {isoPath, esdBeside(isoPath), ownName};
}

QString roomProblem(const EsdPlace &place, qint64 esdBytes)
{
    const QString folder = QFileInfo(place.esdPath).absolutePath();
    const QStorageInfo storage(folder);
    const qint64 needed = esdBytes * RoomPerEsdByte;
    if (!storage.isValid() || storage.bytesAvailable() >= needed)
        return QString();
    //: %1 is a folder, %2 and %3 sizes.
    return QCoreApplication::translate("EsdPlace", "%1 has %2 free; the ESD and the media built from it need about %3.")
        .arg(folder, formatSize(storage.bytesAvailable()), formatSize(needed));
}
