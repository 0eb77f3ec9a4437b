#include "PartFileIo.h"

#include <atomic>
#include <chrono>
#include <random>
#include <string>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
HANDLE handleOf(NativeFile file)
{
    return reinterpret_cast<HANDLE>(file);
}

NativeFile nativeOf(HANDLE handle)
{
    return handle == INVALID_HANDLE_VALUE ? NativeFile(-1) : reinterpret_cast<NativeFile>(handle);
}

// What the system says of a file open as `handle`; false when it says nothing.
bool informationOf(HANDLE handle, BY_HANDLE_FILE_INFORMATION &information)
{
    return GetFileInformationByHandle(handle, &information) != 0;
}

bool isLink(const BY_HANDLE_FILE_INFORMATION &information)
{
    return (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 || information.nNumberOfLinks != 1;
}

bool isPlainFile(HANDLE handle, const BY_HANDLE_FILE_INFORMATION &information)
{
    return (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && GetFileType(handle) == FILE_TYPE_DISK;
}

// Removes the name the file was opened by (a link itself, when opened as
// one), whatever the name holds meanwhile.
bool removeOpenName(HANDLE handle)
{
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = TRUE;
    return SetFileInformationByHandle(handle, FileDispositionInfo, &disposition, sizeof disposition) != 0;
}
#else
// A plain file of the user's own; how many names it has is checked apart.
bool isOwnPlainFile(const struct stat &status)
{
    return S_ISREG(status.st_mode) && status.st_uid == geteuid();
}

bool isSameFile(const struct stat &one, const struct stat &other)
{
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

// Whether `path` itself, not followed, is the file open as `fd`.
bool nameHolds(const std::filesystem::path &path, int fd)
{
    struct stat named { };
    struct stat open { };
    return lstat(path.c_str(), &named) == 0 && fstat(fd, &open) == 0 && isSameFile(named, open);
}

// A FIFO or a device under the name does not hold the opening up; the
// descriptor blocks again once it is open.
int openUnfollowed(const std::filesystem::path &path, int flags)
{
    const int fd = ::open(path.c_str(), flags | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd >= 0)
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}
#endif

// A name beside `path` that no file had a moment ago, nor is easy to guess.
std::filesystem::path uniqueNameBeside(const std::filesystem::path &path)
{
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device()();
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    std::filesystem::path name = path;
    name += "." + std::to_string(seed ^ unsigned(now)) + "." + std::to_string(++counter) + ".tmp";
    return name;
}

} // namespace

std::FILE *openPartFile(const std::filesystem::path &path, const char *mode)
{
#ifdef _WIN32
    const std::string narrowMode(mode);
    return _wfopen(path.c_str(), std::wstring(narrowMode.begin(), narrowMode.end()).c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

bool flushToDevice(std::FILE *file)
{
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fdatasync(fileno(file)) == 0;
#endif
}

bool seekPartFile(std::FILE *file, long long offset)
{
#ifdef _WIN32
    return _fseeki64(file, offset, SEEK_SET) == 0;
#else
    return fseeko(file, off_t(offset), SEEK_SET) == 0;
#endif
}

bool emptyPartFile(std::FILE *file)
{
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _chsize_s(_fileno(file), 0) == 0;
#else
    return ftruncate(fileno(file), 0) == 0;
#endif
}

PartReader::~PartReader()
{
    if (m_file == -1)
        return;
#ifdef _WIN32
    CloseHandle(handleOf(m_file));
#else
    ::close(int(m_file));
#endif
}

long long PartReader::readAt(char *data, std::size_t size, long long offset) const
{
#ifdef _WIN32
    // The reader's handle is a file object of its own: moving its position
    // moves no other stream's.
    OVERLAPPED at{};
    at.Offset = DWORD(offset & 0xFFFFFFFF);
    at.OffsetHigh = DWORD(offset >> 32);
    DWORD read = 0;
    if (!ReadFile(handleOf(m_file), data, DWORD(size), &read, &at))
        return GetLastError() == ERROR_HANDLE_EOF ? 0 : -1;
    return read;
#else
    for (;;) {
        const ssize_t read = pread(int(m_file), data, size, off_t(offset));
        if (read >= 0 || errno != EINTR)
            return read;
    }
#endif
}

OwnPart::~OwnPart()
{
    close();
}

OwnPart::OwnPart(OwnPart &&other) noexcept
    : m_file(std::exchange(other.m_file, -1))
    , m_state(std::exchange(other.m_state, State::Closed))
    , m_error(std::exchange(other.m_error, 0))
{
}

OwnPart &OwnPart::operator=(OwnPart &&other) noexcept
{
    if (this != &other) {
        close();
        m_file = std::exchange(other.m_file, -1);
        m_state = std::exchange(other.m_state, State::Closed);
        m_error = std::exchange(other.m_error, 0);
    }
    return *this;
}

void OwnPart::close()
{
    if (m_file != -1) {
#ifdef _WIN32
        CloseHandle(handleOf(m_file));
#else
        ::close(int(m_file));
#endif
    }
    m_file = -1;
    m_state = State::Closed;
}

// An attacker who plants a link again and again between the removal and the
// exclusive creation wins a few rounds, then the opening fails.
OwnPart OwnPart::open(const std::filesystem::path &path)
{
    OwnPart part;
    part.m_state = State::Failed;
    for (int attempt = 0; attempt < 4; ++attempt) {
#ifdef _WIN32
        // Reading is shared: the hashing reads back through a handle of its
        // own (ReOpenFile), with a position of its own, and one handle would
        // share its position with the writer's stream. Writing is not: no
        // other download opens it meanwhile. Deleting is, for the rename of
        // the finished file while the part is still held. A reparse point is
        // opened as itself, never followed.
        constexpr DWORD Access = GENERIC_READ | GENERIC_WRITE | DELETE;
        constexpr DWORD Share = FILE_SHARE_READ | FILE_SHARE_DELETE;
        constexpr DWORD Flags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT;
        HANDLE handle = CreateFileW(path.c_str(), Access, Share, nullptr, OPEN_EXISTING, Flags, nullptr);
        if (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_NOT_FOUND)
            handle = CreateFileW(path.c_str(), Access, Share, nullptr, CREATE_NEW, Flags, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_EXISTS)
                continue;
            part.m_state = error == ERROR_SHARING_VIOLATION ? State::Busy : State::Failed;
            part.m_error = int(error);
            return part;
        }
        BY_HANDLE_FILE_INFORMATION information{};
        if (!informationOf(handle, information)) {
            part.m_error = int(GetLastError());
            CloseHandle(handle);
            return part;
        }
        // A link is removed as itself (Windows has no owner check to make:
        // the folder's access rules decide who may open the file at all).
        if (isLink(information)) {
            const bool removed = removeOpenName(handle);
            part.m_error = removed ? 0 : int(GetLastError());
            CloseHandle(handle);
            if (!removed)
                return part;
            continue;
        }
        if (!isPlainFile(handle, information)) {
            CloseHandle(handle);
            part.m_state = State::NotOurs;
            return part;
        }
        part.m_file = nativeOf(handle);
#else
        int fd = openUnfollowed(path, O_RDWR);
        if (fd < 0 && errno == ENOENT)
            fd = openUnfollowed(path, O_RDWR | O_CREAT | O_EXCL);
        if (fd < 0) {
            const int error = errno;
            // A symbolic link (O_NOFOLLOW) goes itself; its target is never
            // touched. A name that came meanwhile is tried once more.
            if (error == ELOOP && (unlink(path.c_str()) == 0 || errno == ENOENT))
                continue;
            if (error == EEXIST)
                continue;
            part.m_error = error;
            return part;
        }
        struct stat status { };
        if (fstat(fd, &status) != 0) {
            part.m_error = errno;
            ::close(fd);
            return part;
        }
        if (!isOwnPlainFile(status)) {
            ::close(fd);
            part.m_state = State::NotOurs;
            return part;
        }
        // Before anything else: a part another download holds stays as it is.
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            part.m_error = errno;
            part.m_state = part.m_error == EWOULDBLOCK ? State::Busy : State::Failed;
            ::close(fd);
            return part;
        }
        // A file with other names too is not written: this name goes, the
        // others keep their bytes.
        if (status.st_nlink != 1) {
            const bool removed = nameHolds(path, fd) && unlink(path.c_str()) == 0;
            part.m_error = removed ? 0 : errno;
            ::close(fd);
            if (!removed)
                return part;
            continue;
        }
        part.m_file = fd;
#endif
        part.m_state = State::Open;
        part.m_error = 0;
        return part;
    }
#ifdef _WIN32
    part.m_error = ERROR_FILE_EXISTS;
#else
    part.m_error = EEXIST;
#endif
    return part;
}

long long OwnPart::length() const
{
    if (m_file == -1)
        return -1;
#ifdef _WIN32
    LARGE_INTEGER size{};
    return GetFileSizeEx(handleOf(m_file), &size) ? size.QuadPart : -1;
#else
    struct stat status { };
    return fstat(int(m_file), &status) == 0 ? status.st_size : -1;
#endif
}

bool OwnPart::truncate(long long length)
{
    if (m_file == -1)
        return false;
#ifdef _WIN32
    // Through the file's information, which moves no stream's position.
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = length;
    return SetFileInformationByHandle(handleOf(m_file), FileEndOfFileInfo, &end, sizeof end) != 0;
#else
    return ftruncate(int(m_file), off_t(length)) == 0;
#endif
}

std::FILE *OwnPart::stream() const
{
    if (m_file == -1)
        return nullptr;
#ifdef _WIN32
    HANDLE copy = INVALID_HANDLE_VALUE;
    if (!DuplicateHandle(GetCurrentProcess(), handleOf(m_file), GetCurrentProcess(), &copy, 0, FALSE,
                         DUPLICATE_SAME_ACCESS))
        return nullptr;
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(copy), _O_BINARY);
    if (fd < 0) {
        CloseHandle(copy);
        return nullptr;
    }
    std::FILE *file = _fdopen(fd, "r+b");
    if (!file)
        _close(fd);
    return file;
#else
    const int fd = fcntl(int(m_file), F_DUPFD_CLOEXEC, 0);
    if (fd < 0)
        return nullptr;
    std::FILE *file = fdopen(fd, "r+b");
    if (!file)
        ::close(fd);
    return file;
#endif
}

NativeFile OwnPart::reader() const
{
    if (m_file == -1)
        return -1;
#ifdef _WIN32
    return nativeOf(ReOpenFile(handleOf(m_file), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               FILE_FLAG_SEQUENTIAL_SCAN));
#else
    // The file itself opened anew, not its name: a descriptor of its own,
    // which does not hold the lock after the part is given up.
    const int fd = ::open(("/proc/self/fd/" + std::to_string(m_file)).c_str(), O_RDONLY | O_CLOEXEC);
    return fd >= 0 ? fd : fcntl(int(m_file), F_DUPFD_CLOEXEC, 0);
#endif
}

OwnPart OwnPart::duplicate() const
{
    OwnPart copy;
    if (m_file == -1)
        return copy;
#ifdef _WIN32
    HANDLE handle = INVALID_HANDLE_VALUE;
    if (!DuplicateHandle(GetCurrentProcess(), handleOf(m_file), GetCurrentProcess(), &handle, 0, FALSE,
                         DUPLICATE_SAME_ACCESS))
        return copy;
    copy.m_file = nativeOf(handle);
#else
    copy.m_file = fcntl(int(m_file), F_DUPFD_CLOEXEC, 0);
    if (copy.m_file < 0) {
        copy.m_file = -1;
        return copy;
    }
#endif
    copy.m_state = State::Open;
    return copy;
}

bool OwnPart::isAt(const std::filesystem::path &path) const
{
    if (m_file == -1)
        return false;
#ifdef _WIN32
    HANDLE named =
        CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (named == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION one{};
    BY_HANDLE_FILE_INFORMATION other{};
    const bool same = informationOf(named, one) && informationOf(handleOf(m_file), other)
        && one.dwVolumeSerialNumber == other.dwVolumeSerialNumber && one.nFileIndexHigh == other.nFileIndexHigh
        && one.nFileIndexLow == other.nFileIndexLow;
    CloseHandle(named);
    return same;
#else
    return nameHolds(path, int(m_file));
#endif
}

bool OwnPart::removeFrom(const std::filesystem::path &path)
{
#ifdef _WIN32
    // The file goes once its last handle is closed, whatever its name is then.
    (void)path;
    return m_file != -1 && removeOpenName(handleOf(m_file));
#else
    return isAt(path) && unlink(path.c_str()) == 0;
#endif
}

OwnFileRead readOwnFile(const std::filesystem::path &path, std::size_t limit, std::string &content)
{
    content.clear();
#ifdef _WIN32
    // Deleting is shared: a record being renamed over this one meanwhile
    // does not fail for the reading.
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? OwnFileRead::Missing
                                                                              : OwnFileRead::Failed;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    OwnFileRead found = OwnFileRead::Read;
    if (!informationOf(handle, information))
        found = OwnFileRead::Failed;
    else if (isLink(information) || !isPlainFile(handle, information) || information.nFileSizeHigh != 0
             || information.nFileSizeLow > limit)
        found = OwnFileRead::NotOurs;
    if (found == OwnFileRead::Read) {
        content.resize(information.nFileSizeLow);
        DWORD read = 0;
        if (!content.empty()
            && (!ReadFile(handle, &content[0], DWORD(content.size()), &read, nullptr) || read != content.size()))
            found = OwnFileRead::Failed;
    }
    CloseHandle(handle);
#else
    const int fd = openUnfollowed(path, O_RDONLY);
    if (fd < 0)
        return errno == ENOENT ? OwnFileRead::Missing : errno == ELOOP ? OwnFileRead::NotOurs : OwnFileRead::Failed;
    struct stat status { };
    OwnFileRead found = OwnFileRead::Read;
    if (fstat(fd, &status) != 0)
        found = OwnFileRead::Failed;
    else if (!isOwnPlainFile(status) || status.st_nlink != 1 || std::size_t(status.st_size) > limit)
        found = OwnFileRead::NotOurs;
    char piece[4096];
    while (found == OwnFileRead::Read) {
        const ssize_t read = ::read(fd, piece, sizeof piece);
        if (read == 0)
            break;
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0 || content.size() + std::size_t(read) > limit)
            found = read < 0 ? OwnFileRead::Failed : OwnFileRead::NotOurs;
        else
            content.append(piece, std::size_t(read));
    }
    ::close(fd);
#endif
    if (found != OwnFileRead::Read)
        content.clear();
    return found;
}

bool replaceOwnFile(const std::filesystem::path &path, const std::string &content)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        const std::filesystem::path temporary = uniqueNameBeside(path);
#ifdef _WIN32
        HANDLE handle = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS)
                continue;
            return false;
        }
        DWORD written = 0;
        const bool whole = (content.empty()
                            || (WriteFile(handle, content.data(), DWORD(content.size()), &written, nullptr)
                                && written == content.size()))
            && FlushFileBuffers(handle);
        const bool closed = CloseHandle(handle) != 0;
        // A rename replaces a link at `path` itself, never what it points to.
        if (whole && closed
            && MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return flushFolderOf(path);
        DeleteFileW(temporary.c_str());
        return false;
#else
        const int fd = openUnfollowed(temporary, O_WRONLY | O_CREAT | O_EXCL);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        std::size_t done = 0;
        while (done < content.size()) {
            const ssize_t wrote = ::write(fd, content.data() + done, content.size() - done);
            if (wrote < 0 && errno == EINTR)
                continue;
            if (wrote <= 0)
                break;
            done += std::size_t(wrote);
        }
        const bool whole = done == content.size() && fsync(fd) == 0;
        const bool closed = ::close(fd) == 0;
        // A rename replaces a link at `path` itself, never what it points to.
        if (whole && closed && rename(temporary.c_str(), path.c_str()) == 0)
            return flushFolderOf(path);
        unlink(temporary.c_str());
        return false;
#endif
    }
    return false;
}

bool flushFolderOf(const std::filesystem::path &file)
{
#ifdef _WIN32
    // Windows cannot open a folder for FlushFileBuffers; a rename made with
    // MOVEFILE_WRITE_THROUGH is on the device when it returns.
    (void)file;
    return true;
#else
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool flushed = fsync(fd) == 0;
    return ::close(fd) == 0 && flushed;
#endif
}
