// Whether the destination's file system has room for a build: the media
// tree in the staging folder and the ISO beside it, at the same time. The
// tree holds the setup images' files (their uncompressed bytes, an upper
// bound for image 1 applied and images 2 and 3 in boot.wim) and an install
// image no larger than the ESD it comes from. The ESD itself is already on
// disk when its images can be read, so it is not counted again.
#pragma once

#include "EsdImages.h"

#include <QString>

struct MediaSpace {
    qint64 needed = 0;
    qint64 available = 0;
    bool enough() const { return available >= needed; }
};

qint64 mediaTreeEstimate(const EsdContents &contents);
MediaSpace mediaSpaceFor(const EsdContents &contents, const QString &isoPath);

// NoSpace, with how much is needed and how much is free, when there is not
// enough; none otherwise.
std::optional<MediaBuildResult> noSpaceFailure(const MediaSpace &space, const QString &isoPath);

// The check a caller makes before it starts a build (which makes it again):
// the ESD's reading failure, NoSpace, or none.
std::optional<MediaBuildResult> checkMediaSpace(const QString &esdPath, const QString &isoPath);
