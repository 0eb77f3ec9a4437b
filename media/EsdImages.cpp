#include "EsdImages.h"

#include "WimFile.h"
#include "common/TextSafety.h"

#include <QFileInfo>
#include <QStringList>

#include <wimlib.h>

namespace {

// A property of the image's XML, with the characters no terminal or window
// should get as they are replaced.
QString property(WIMStruct *wim, int image, const char *name)
{
    const char *value = wimlib_get_image_property(wim, image, name);
    QString text;
    for (const char32_t c : QString::fromUtf8(value ? value : "").toUcs4())
        text += QString::fromUcs4(TextSafety::isUnsafeToShow(c) ? &TextSafety::Replacement : &c, 1);
    return text.trimmed();
}

// WINDOWS/ARCH holds Windows' PROCESSOR_ARCHITECTURE numbers.
QString architectureName(const QString &number)
{
    static const QHash<QString, QString> names{{QStringLiteral("0"), QStringLiteral("x86")},
                                               {QStringLiteral("5"), QStringLiteral("arm")},
                                               {QStringLiteral("9"), QStringLiteral("x64")},
                                               {QStringLiteral("12"), QStringLiteral("arm64")}};
    return names.value(number);
}

EsdImage readImage(WIMStruct *wim, int index)
{
    EsdImage image;
    image.index = index;
    image.name = property(wim, index, "NAME");
    image.description = property(wim, index, "DESCRIPTION");
    image.editionId = property(wim, index, "EDITIONID");
    if (image.editionId.isEmpty())
        image.editionId = property(wim, index, "FLAGS");
    image.architecture = architectureName(property(wim, index, "WINDOWS/ARCH"));
    image.language = property(wim, index, "WINDOWS/LANGUAGES/DEFAULT");
    image.totalBytes = property(wim, index, "TOTALBYTES").toLongLong();
    return image;
}

MediaBuildResult failure(MediaBuildOutcome outcome, const QString &message)
{
    return MediaBuildResult{outcome, message, {}};
}

// "arm64 fr-FR", of what is known.
QString mediaKind(const QString &architecture, const QString &language)
{
    return QStringList{architecture, language}.join(QLatin1Char(' ')).trimmed();
}

// What an image does not say is not held against it.
bool differs(const QString &said, const QString &wanted)
{
    return !said.isEmpty() && said.compare(wanted, Qt::CaseInsensitive) != 0;
}

} // namespace

const EsdImage *findEdition(const EsdContents &contents, const QString &editionId)
{
    for (const EsdImage &image : contents.images) {
        if (image.index > WindowsSetupImage && !editionId.isEmpty()
            && image.editionId.compare(editionId, Qt::CaseInsensitive) == 0)
            return &image;
    }
    return nullptr;
}

EsdReading readEsdImages(const QString &path)
{
    EsdReading reading;
    int error = 0;
    const WimFile wim = WimFile::open(path, &error);
    if (!wim) {
        reading.failure = failure(MediaBuildOutcome::NotAnEsd,
                                  QStringLiteral("%1 is no ESD file that can be read (%2). Download it again.")
                                      .arg(path, wimErrorText(error)));
        return reading;
    }
    struct wimlib_wim_info info { };
    wimlib_get_wim_info(wim.get(), &info);
    const int imageCount = static_cast<int>(info.image_count);
    for (int index = 1; index <= imageCount; ++index)
        reading.contents.images.push_back(readImage(wim.get(), index));
    reading.contents.fileBytes = QFileInfo(path).size();
    if (imageCount < WindowsSetupImage)
        reading.failure = failure(MediaBuildOutcome::TooFewImages,
                                  QStringLiteral("%1 holds %2 images, too few for installation media: an ESD from "
                                                 "Microsoft's catalog has the setup files, Windows PE and Windows "
                                                 "Setup before its editions. Download it again.")
                                      .arg(path)
                                      .arg(imageCount));
    return reading;
}

MediaBuildResult editionMissing(const EsdContents &contents, const QString &editionId)
{
    QStringList editions;
    for (const EsdImage &image : contents.images) {
        if (image.index > WindowsSetupImage)
            editions << QStringLiteral("%1 (%2)").arg(image.editionId, image.name);
    }
    return failure(MediaBuildOutcome::EditionMissing,
                   QStringLiteral("This ESD file has no edition \"%1\"; it has: %2. Choose one of those, or the "
                                  "ESD file of that edition.")
                       .arg(editionId,
                            editions.isEmpty() ? QStringLiteral("none") : editions.join(QStringLiteral(", "))));
}

std::optional<MediaBuildResult> otherMediaFailure(const EsdImage &edition, const MediaBuildPlan &plan)
{
    if (!differs(edition.architecture, plan.architecture) && !differs(edition.language, plan.languageCode))
        return std::nullopt;
    return failure(MediaBuildOutcome::OtherMedia,
                   QStringLiteral("The edition \"%1\" in this ESD file is for %2, not for the %3 media asked for: "
                                  "the file is not the one chosen. Download it again.")
                       .arg(edition.editionId, mediaKind(edition.architecture, edition.language),
                            mediaKind(plan.architecture, plan.languageCode)));
}
