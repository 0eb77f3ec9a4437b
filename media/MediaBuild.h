// Installation media from one of Microsoft's ESD files: the setup files of
// image 1, images 2 and 3 as sources/boot.wim, the chosen edition as
// sources/install.esd, written into an ISO image with genisoimage.
//
// A MediaBuilder runs one build on a thread of its own and reports on the
// thread it lives on. The downloaded ESD is only read: a failed, cancelled or
// interrupted build leaves it as it was, ready for another try.
//
// How to use it: make one per build, connect `progress` and `finished`, call
// `start`. `cancel` asks the build to stop and returns at once; `finished`
// (Cancelled) follows once the staging folder and the unfinished ISO are gone.
// `cancelAndWait` returns only after that cleanup and delivers `finished`
// before it returns. Destroying the builder cancels and waits as well, so a
// program that quits its event loop on SIGINT or SIGTERM cleans up simply by
// destroying its builder before it returns from main (an object on main's
// stack or owned by one does). Call it from the thread it lives on, and
// let a slot of `finished` that is done with it use deleteLater.
#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QMetaType>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

struct MediaBuildPlan {
    QString esdPath;
    QString editionId; // EDITIONID of the image to install, in any case: "Professional"
    QString architecture; // x64, arm64 or x86
    QString languageCode; // en-us
    QString isoPath;
};

enum class MediaBuildPhase { ApplyingSetup, WritingBootImage, WritingInstallImage, WritingIso };

// What a phase is called in the window and on the command line.
QString mediaBuildPhaseName(MediaBuildPhase phase);

enum class MediaBuildOutcome {
    Built,
    Cancelled,
    InvalidPlan, // an architecture, language or path that makes no media
    NotAnEsd, // no WIM file, or one wimlib cannot read
    TooFewImages, // images 1 to 3 (setup, Windows PE, Windows Setup) are missing
    EditionMissing, // no image has the EDITIONID asked for
    OtherMedia, // the edition's image is for another architecture or language than asked
    NoSpace,
    FileError, // the staging folder or the ISO could not be written
    WimError, // wimlib failed while applying or exporting
    WriterFailed,
};

struct MediaBuildResult {
    MediaBuildOutcome outcome = MediaBuildOutcome::Built;
    QString message; // what happened and what to do, in English
    QString isoPath; // the finished ISO; empty unless Built
};

Q_DECLARE_METATYPE(MediaBuildPhase)
Q_DECLARE_METATYPE(MediaBuildResult)

// How the build reaches its ISO writer; tests point it elsewhere.
struct MediaBuildSettings {
    QString isoWriterProgram = QStringLiteral("genisoimage");
};

class MediaBuilder final : public QObject {
    Q_OBJECT

public:
    explicit MediaBuilder(MediaBuildSettings settings = {}, QObject *parent = nullptr);
    ~MediaBuilder() override;

    // Once per builder; a later call is ignored.
    void start(const MediaBuildPlan &plan);
    void cancel();
    void cancelAndWait();

Q_SIGNALS:
    void progress(MediaBuildPhase phase, int percent); // percent of the whole build, 0 to 100
    void finished(const MediaBuildResult &result);

private:
    enum class State { Idle, Running, Finished };

    void deliver(const MediaBuildResult &result);
    void reportProgress(MediaBuildPhase phase, int percent);

    MediaBuildSettings m_settings;
    State m_state = State::Idle;
    std::shared_ptr<std::atomic_bool> m_cancelled = std::make_shared<std::atomic_bool>(false);
    QFuture<MediaBuildResult> m_future;
    QFutureWatcher<MediaBuildResult> m_watcher;
};
