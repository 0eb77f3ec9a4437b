// The part file's system calls. Free of Qt, so that the Windows lines meet
// the real Windows headers (and run under Wine) with a plain cross compiler.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

// Opens the file with fopen's `mode`; by its UTF-16 name on Windows, so that
// a folder outside the ANSI code page works too.
std::FILE *openPartFile(const std::filesystem::path &path, const char *mode);

// Writes what the stream holds and asks the system to put it on the device
// itself, not only in its cache.
bool flushToDevice(std::FILE *file);

// Moves the stream to `offset` from the file's start, past 2 GiB too.
bool seekPartFile(std::FILE *file, long long offset);

// Empties the file: its length becomes zero.
bool emptyPartFile(std::FILE *file);

// A descriptor on Linux, a HANDLE on Windows; -1 when none.
using NativeFile = std::intptr_t;

// Reads a file kept open from any offset, without moving the position of
// any other stream on it: what the hashing reads back the part through.
class PartReader final {
public:
    PartReader() = default;
    explicit PartReader(NativeFile file)
        : m_file(file)
    {
    }
    ~PartReader();
    PartReader(const PartReader &) = delete;
    PartReader &operator=(const PartReader &) = delete;

    bool isOpen() const { return m_file != -1; }
    // Up to `size` bytes from `offset`: how many came, 0 at the end, -1 on
    // a failure.
    long long readAt(char *data, std::size_t size, long long offset) const;

private:
    NativeFile m_file = -1;
};

// The part file, opened without following a link, checked to be the user's
// own plain file under this one name, and locked against every other
// download of it for as long as this lives (flock on Linux; on Windows the
// share mode, which lets no one else write to it).
class OwnPart final {
public:
    enum class State {
        Closed,
        Open,
        Busy, // another download holds it
        NotOurs, // another user's, or not a plain file: left as it is
        Failed, // error() says why
    };

    // Opens the part at `path`, creating it when there is none. A symbolic
    // link or a file with other names too is not written through: the name
    // alone goes (what it points to, and the other names, keep their bytes)
    // and a new empty part takes its place.
    static OwnPart open(const std::filesystem::path &path);

    OwnPart() = default;
    ~OwnPart();
    OwnPart(OwnPart &&other) noexcept;
    OwnPart &operator=(OwnPart &&other) noexcept;
    OwnPart(const OwnPart &) = delete;
    OwnPart &operator=(const OwnPart &) = delete;

    State state() const { return m_state; }
    bool isOpen() const { return m_state == State::Open; }
    int error() const { return m_error; }
    // How long the file is now; -1 when that cannot be told.
    long long length() const;
    bool truncate(long long length);
    // A stream of its own on the same file, for writing: closing it leaves
    // this one, and the lock, as they are. Null on a failure.
    std::FILE *stream() const;
    // A reader of the same file, never of whatever the name holds later.
    NativeFile reader() const;
    // Another hold of the same file and its lock: the lock stays until both
    // are closed. Closed itself on a failure.
    OwnPart duplicate() const;
    // Whether `path` still names this file.
    bool isAt(const std::filesystem::path &path) const;
    // Removes the file from `path`, if that still names it.
    bool removeFrom(const std::filesystem::path &path);
    // Gives the file, and the lock, up.
    void close();

private:
    NativeFile m_file = -1;
    State m_state = State::Closed;
    int m_error = 0;
};

// What readOwnFile found.
enum class OwnFileRead {
    Read,
    Missing,
    NotOurs, // a link, another user's, not a plain file, or too long
    Failed,
};

// Reads the whole file at `path`, up to `limit` bytes, only if it is the
// user's own plain file under this one name.
OwnFileRead readOwnFile(const std::filesystem::path &path, std::size_t limit, std::string &content);

// Puts `content` under `path` whole or not at all: written to a new file of
// a unique name beside it, flushed to the device, renamed over `path` (a
// link there is replaced itself, never followed) and the folder flushed.
bool replaceOwnFile(const std::filesystem::path &path, const std::string &content);

// Puts the folder of `file` on the device, so that a rename in it survives
// a power cut. Always true on Windows, which cannot flush a folder.
bool flushFolderOf(const std::filesystem::path &file);
