// wimlib's WIM handle, freed with its owner, and wimlib's progress calls
// turned into a fraction of one step that can be cancelled.
#pragma once

#include <QString>

#include <atomic>
#include <functional>
#include <memory>

struct WIMStruct;

// One step's progress: its fraction done, and whether to stop.
struct WimProgress {
    const std::atomic_bool *cancelled = nullptr;
    std::function<void(double fraction)> done;
};

class WimFile {
public:
    // A WIM file opened for reading (a null handle and wimlib's code on failure).
    static WimFile open(const QString &path, int *error);
    // An empty WIM with this wimlib compression type.
    static WimFile create(int compressionType, int *error);

    WIMStruct *get() const { return m_wim.get(); }
    explicit operator bool() const { return m_wim != nullptr; }

    // Sends this handle's extract and write progress to `progress`, which
    // must outlive the calls it watches.
    void watch(WimProgress *progress) const;

private:
    static WimFile adopt(WIMStruct *wim);

    struct Free {
        void operator()(WIMStruct *wim) const;
    };
    std::unique_ptr<WIMStruct, Free> m_wim;
};

// wimlib's own words for one of its error codes.
QString wimErrorText(int error);
