// The folder a build puts the media tree and the unfinished ISO in: made
// beside the destination, so that the finished ISO is renamed into place on
// the same file system; its name unique and new (mkdtemp), so a link planted
// under a guessed name is never followed; the user's alone (0700); removed
// with everything in it when its owner ends, links removed, never followed.
// It is locked (flock) for as long as its build runs: a build killed before
// its cleanup leaves its folder unlocked, and the next build beside the
// same destination removes it.
#pragma once

#include <QString>

class StagingFolder {
public:
    StagingFolder() = default;
    StagingFolder(const StagingFolder &) = delete;
    StagingFolder &operator=(const StagingFolder &) = delete;
    ~StagingFolder();

    // Makes the folder in the folder of `destination`, after removing the
    // ones that killed builds left there; false with the system's reason in
    // `error`.
    bool create(const QString &destination, QString *error);
    QString filePath(const QString &name) const;

private:
    QString m_path;
    int m_lock = -1;
};

// A new file `name` in the folder `folder` names, opened for writing; the
// folder itself is never reached through a link, and a file already there
// under that name is replaced, not written through. -1 with errno on failure.
int createFileIn(const QString &folder, const char *name);

// Whether `path` is a plain file (not a link to one).
bool isPlainFile(const QString &path);

// The system's words for errno as it is now.
QString systemErrorText();
