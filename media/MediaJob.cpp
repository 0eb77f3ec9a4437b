#include "MediaJob.h"

#include "BootCatalog.h"
#include "IsoWriter.h"
#include "MediaSpace.h"
#include "StagingFolder.h"
#include "VolumeLabel.h"
#include "WimFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <wimlib.h>

struct MediaJob::Source {
    EsdContents contents;
    const EsdImage *edition = nullptr;
    WimFile wim;
    QString volumeLabel;
};

namespace {

MediaBuildResult failure(MediaBuildOutcome outcome, const QString &message)
{
    return MediaBuildResult{outcome, message, {}};
}

MediaBuildResult cancelledResult()
{
    return failure(MediaBuildOutcome::Cancelled,
                   QStringLiteral("The media build was cancelled. The ESD file is kept for another try."));
}

MediaBuildResult fileError(const QString &doing, const QString &reason)
{
    return failure(MediaBuildOutcome::FileError, QStringLiteral("Could not %1: %2.").arg(doing, reason));
}

qint64 imageBytes(const EsdContents &contents, int index)
{
    return contents.images.at(static_cast<std::size_t>(index - 1)).totalBytes;
}

std::array<qint64, BuildProgress::PhaseCount> phaseBytes(const EsdContents &contents)
{
    const qint64 boot = imageBytes(contents, WindowsPeImage) + imageBytes(contents, WindowsSetupImage);
    return {imageBytes(contents, SetupMediaImage), boot, contents.fileBytes, mediaTreeEstimate(contents)};
}

// The file is on the device before its name is.
bool syncFile(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    return synced;
}

void syncFolderOf(const QString &path)
{
    const int fd =
        ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

MediaJob::MediaJob(MediaBuildPlan plan, MediaBuildSettings settings, std::shared_ptr<const std::atomic_bool> cancelled,
                   BuildProgress::Report report)
    : m_plan(std::move(plan))
    , m_settings(std::move(settings))
    , m_cancelled(std::move(cancelled))
    , m_report(std::move(report))
{
}

MediaBuildResult MediaJob::run()
{
    if (const std::optional<MediaBuildResult> refused = checkPlan())
        return *refused;
    Source source;
    source.volumeLabel = *mediaVolumeLabel(m_plan.architecture, m_plan.languageCode);
    EsdReading reading = readEsdImages(m_plan.esdPath);
    if (reading.failure)
        return *reading.failure;
    source.contents = std::move(reading.contents);
    source.edition = findEdition(source.contents, m_plan.editionId);
    if (!source.edition)
        return editionMissing(source.contents, m_plan.editionId);
    if (const std::optional<MediaBuildResult> other = otherMediaFailure(*source.edition, m_plan))
        return *other;
    if (const std::optional<MediaBuildResult> noSpace =
            noSpaceFailure(mediaSpaceFor(source.contents, m_plan.isoPath), m_plan.isoPath))
        return *noSpace;
    int error = 0;
    source.wim = WimFile::open(m_plan.esdPath, &error);
    if (!source.wim)
        return *wimFailure(error, QStringLiteral("open the ESD file"));
    m_progress = std::make_unique<BuildProgress>(phaseBytes(source.contents), m_report);
    return build(source);
}

std::optional<MediaBuildResult> MediaJob::checkPlan() const
{
    if (!mediaVolumeLabel(m_plan.architecture, m_plan.languageCode))
        return failure(MediaBuildOutcome::InvalidPlan,
                       QStringLiteral("There are no media for the architecture \"%1\" and the language \"%2\": the "
                                      "architecture is x64, arm64 or x86, the language a code like en-us.")
                           .arg(m_plan.architecture, m_plan.languageCode));
    const QFileInfo iso(m_plan.isoPath);
    if (iso.fileName().isEmpty() || iso.isDir() || !iso.absoluteDir().exists())
        return failure(
            MediaBuildOutcome::InvalidPlan,
            QStringLiteral("%1 is no file name in a folder that exists; name the ISO to write.").arg(m_plan.isoPath));
    return std::nullopt;
}

MediaBuildResult MediaJob::build(const Source &source)
{
    StagingFolder staging;
    QString reason;
    if (!staging.create(m_plan.isoPath, &reason))
        return fileError(QStringLiteral("make a folder for the media beside %1").arg(m_plan.isoPath), reason);
    const QString tree = staging.filePath(QStringLiteral("media"));
    std::optional<MediaBuildResult> failed = applySetup(source, tree);
    if (!failed)
        failed = writeImages(source, tree);
    if (!failed)
        failed = writeIso(source, staging, tree);
    if (failed)
        return *failed;
    return MediaBuildResult{MediaBuildOutcome::Built, QStringLiteral("The ISO is ready: %1").arg(m_plan.isoPath),
                            m_plan.isoPath};
}

std::optional<MediaBuildResult> MediaJob::applySetup(const Source &source, const QString &tree)
{
    WimProgress progress{m_cancelled.get(),
                         [this](double fraction) { m_progress->update(MediaBuildPhase::ApplyingSetup, fraction); }};
    source.wim.watch(&progress);
    const int error = wimlib_extract_image(source.wim.get(), SetupMediaImage, QFile::encodeName(tree).constData(), 0);
    source.wim.watch(nullptr);
    if (error != 0)
        return wimFailure(error, QStringLiteral("copy the setup files out of the ESD file"));
    const bool bootable = isPlainFile(tree + QLatin1Char('/') + UefiBootFile)
        && (!hasBiosBoot(m_plan.architecture) || isPlainFile(tree + QLatin1Char('/') + BiosBootFile));
    if (!bootable)
        return failure(MediaBuildOutcome::NotAnEsd,
                       QStringLiteral("The first image of %1 is not the setup media (it lacks %2): this is no ESD "
                                      "file from Microsoft's catalog. Download it again.")
                           .arg(m_plan.esdPath, hasBiosBoot(m_plan.architecture) ? BiosBootFile : UefiBootFile));
    return std::nullopt;
}

std::optional<MediaBuildResult> MediaJob::writeImages(const Source &source, const QString &tree)
{
    const QString sources = tree + QStringLiteral("/sources");
    if (!QFileInfo(sources).isSymLink() && !QFileInfo::exists(sources) && !QDir().mkdir(sources))
        return fileError(QStringLiteral("make the folder %1").arg(sources), systemErrorText());
    // Windows Setup starts from boot.wim: LZX, not solid, image 3 to boot.
    int error = 0;
    const WimFile boot = WimFile::create(WIMLIB_COMPRESSION_TYPE_LZX, &error);
    if (error == 0)
        error = wimlib_export_image(source.wim.get(), WindowsPeImage, boot.get(), nullptr, nullptr, 0);
    if (error == 0)
        error = wimlib_export_image(source.wim.get(), WindowsSetupImage, boot.get(), nullptr, nullptr,
                                    WIMLIB_EXPORT_FLAG_BOOT);
    if (error != 0)
        return wimFailure(error, QStringLiteral("make boot.wim"));
    if (const auto failed = writeWim(boot, sources, "boot.wim", 0, MediaBuildPhase::WritingBootImage))
        return failed;
    // The edition stays in solid LZMS: wimlib copies the ESD's solid
    // resources as they are rather than compress them again.
    const WimFile install = WimFile::create(WIMLIB_COMPRESSION_TYPE_LZMS, &error);
    if (error == 0)
        error = wimlib_export_image(source.wim.get(), source.edition->index, install.get(), nullptr, nullptr, 0);
    if (error != 0)
        return wimFailure(error, QStringLiteral("take the edition out of the ESD file"));
    return writeWim(install, sources, "install.esd", WIMLIB_WRITE_FLAG_SOLID, MediaBuildPhase::WritingInstallImage);
}

std::optional<MediaBuildResult> MediaJob::writeWim(const WimFile &wim, const QString &sources, const char *name,
                                                   int writeFlags, MediaBuildPhase phase)
{
    const QString path = sources + QLatin1Char('/') + QLatin1String(name);
    const int fd = createFileIn(sources, name);
    if (fd < 0)
        return fileError(QStringLiteral("write %1").arg(path), systemErrorText());
    WimProgress progress{m_cancelled.get(), [this, phase](double fraction) { m_progress->update(phase, fraction); }};
    wim.watch(&progress);
    const int error = wimlib_write_to_fd(wim.get(), fd, WIMLIB_ALL_IMAGES, writeFlags, 0);
    wim.watch(nullptr);
    ::close(fd);
    return wimFailure(error, QStringLiteral("write %1").arg(path));
}

std::optional<MediaBuildResult> MediaJob::writeIso(const Source &source, const StagingFolder &staging,
                                                   const QString &tree)
{
    const IsoLayout layout{tree, staging.filePath(QStringLiteral("media.iso")), source.volumeLabel,
                           hasBiosBoot(m_plan.architecture)};
    const IsoWriterRun run = runIsoWriter(m_settings.isoWriterProgram, layout, *m_cancelled, [this](double fraction) {
        m_progress->update(MediaBuildPhase::WritingIso, fraction);
    });
    if (run.end == IsoWriterEnd::Cancelled)
        return cancelledResult();
    if (run.end == IsoWriterEnd::Failed)
        return failure(MediaBuildOutcome::WriterFailed,
                       QStringLiteral("The ISO could not be written. %1").arg(run.error));
    if (const std::optional<QString> error = markUefiBootEntry(layout.isoPath, layout.biosBoot))
        return failure(MediaBuildOutcome::WriterFailed,
                       QStringLiteral("The ISO's UEFI boot entry could not be marked: %1.").arg(*error));
    if (m_cancelled->load())
        return cancelledResult();
    if (!syncFile(layout.isoPath)
        || std::rename(QFile::encodeName(layout.isoPath).constData(), QFile::encodeName(m_plan.isoPath).constData())
            != 0)
        return fileError(QStringLiteral("put the ISO in place as %1").arg(m_plan.isoPath), systemErrorText());
    syncFolderOf(m_plan.isoPath);
    m_progress->update(MediaBuildPhase::WritingIso, 1.0);
    return std::nullopt;
}

std::optional<MediaBuildResult> MediaJob::wimFailure(int error, const QString &doing) const
{
    if (error == 0)
        return std::nullopt;
    if (error == WIMLIB_ERR_ABORTED_BY_PROGRESS)
        return cancelledResult();
    return failure(MediaBuildOutcome::WimError,
                   QStringLiteral("Could not %1: %2. The ESD file is left as it was; check that it is whole and "
                                  "that the disk has room, then try again.")
                       .arg(doing, wimErrorText(error)));
}
