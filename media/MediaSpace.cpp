#include "MediaSpace.h"

#include <QFileInfo>
#include <QLocale>
#include <QStorageInfo>

namespace {

QString sizeText(qint64 bytes)
{
    return QLocale::c().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

} // namespace

qint64 mediaTreeEstimate(const EsdContents &contents)
{
    qint64 setupBytes = 0;
    for (const EsdImage &image : contents.images) {
        if (image.index <= WindowsSetupImage)
            setupBytes += image.totalBytes;
    }
    return setupBytes + contents.fileBytes;
}

MediaSpace mediaSpaceFor(const EsdContents &contents, const QString &isoPath)
{
    const QStorageInfo storage(QFileInfo(isoPath).absolutePath());
    return MediaSpace{2 * mediaTreeEstimate(contents), storage.isValid() ? storage.bytesAvailable() : 0};
}

std::optional<MediaBuildResult> noSpaceFailure(const MediaSpace &space, const QString &isoPath)
{
    if (space.enough())
        return std::nullopt;
    return MediaBuildResult{MediaBuildOutcome::NoSpace,
                            QStringLiteral("The media need about %1 free in %2 while they are made, but %3 is free. "
                                           "Free some space there, or choose another folder for the ISO.")
                                .arg(sizeText(space.needed), QFileInfo(isoPath).absolutePath(),
                                     sizeText(space.available)),
                            {}};
}

std::optional<MediaBuildResult> checkMediaSpace(const QString &esdPath, const QString &isoPath)
{
    const EsdReading reading = readEsdImages(esdPath);
    if (reading.failure)
        return reading.failure;
    return noSpaceFailure(mediaSpaceFor(reading.contents, isoPath), isoPath);
}
