// The images of an ESD file, as its XML describes them: Microsoft's put the
// setup media in image 1, Windows PE in image 2, Windows Setup in image 3
// and one edition in each image after them.
#pragma once

#include "MediaBuild.h"

#include <QString>

#include <optional>
#include <vector>

struct EsdImage {
    int index = 0; // 1-based, as wimlib counts
    QString name; // NAME: "Windows 11 Pro"
    QString description; // DESCRIPTION
    QString editionId; // EDITIONID, else FLAGS: "Professional"
    QString architecture; // x86, x64, arm or arm64; empty when the image does not say
    QString language; // WINDOWS/LANGUAGES/DEFAULT, "en-US"; empty when the image does not say
    qint64 totalBytes = 0; // TOTALBYTES: the image's files, uncompressed
};

struct EsdContents {
    std::vector<EsdImage> images;
    qint64 fileBytes = 0; // the ESD file's own size
};

struct EsdReading {
    EsdContents contents;
    std::optional<MediaBuildResult> failure; // NotAnEsd or TooFewImages
};

// The first image after the three setup images whose edition is `editionId`,
// compared without regard to case; null when there is none.
const EsdImage *findEdition(const EsdContents &contents, const QString &editionId);

// Reads the images of the WIM file at `path`.
EsdReading readEsdImages(const QString &path);

// EditionMissing, naming the editions the file has.
MediaBuildResult editionMissing(const EsdContents &contents, const QString &editionId);

// OtherMedia when the edition's image says it is for another architecture
// or language than the media are made for: they would be labelled and
// booted as what they are not.
std::optional<MediaBuildResult> otherMediaFailure(const EsdImage &edition, const MediaBuildPlan &plan);

// The first images, which every media build takes its setup files from.
constexpr int SetupMediaImage = 1;
constexpr int WindowsPeImage = 2;
constexpr int WindowsSetupImage = 3;
