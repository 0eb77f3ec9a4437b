#include "LogFile.h"

#include "common/TextSafety.h"

#include <cerrno>
#include <cstdlib>
#include <cwchar>
#include <cwctype>
#include <filesystem>
#include <system_error>
#include <vector>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#define TRAVONIX_LOG_EXPORT extern "C" __declspec(dllexport)
#else
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#define TRAVONIX_LOG_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace fs = std::filesystem;

namespace {

std::uint32_t lastSystemError()
{
#ifdef _WIN32
    return GetLastError();
#else
    return static_cast<std::uint32_t>(errno);
#endif
}

#ifdef _WIN32
std::string toUtf8(const std::wstring &wide)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(size > 0 ? size - 1 : 0, '\0');
    if (size > 1)
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, text.data(), size, nullptr, nullptr);
    return text;
}

// Paths stay wide from end to end: a narrow name would pass through the ANSI
// code page, which holds few of the letters a user's folder may have.
fs::path pathFromWide(const wchar_t *name)
{
    return fs::path(name);
}

std::wstring wideName(const fs::path &path)
{
    return path.wstring();
}

std::FILE *openForAppending(const fs::path &path)
{
    return _wfopen(path.c_str(), L"ab");
}

// The folder of the log, and the folders above it.
bool makeFolder(const fs::path &folder)
{
    std::error_code error;
    fs::create_directories(folder, error);
    return fs::is_directory(folder, error);
}

#else
void appendUtf8(std::string &out, char32_t c)
{
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = 0xFFFD;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string toUtf8(const std::wstring &wide)
{
    std::string text;
    for (const wchar_t c : wide)
        appendUtf8(text, static_cast<char32_t>(c));
    return text;
}

// Decodes UTF-8; a malformed byte becomes U+FFFD instead of ending the text.
std::wstring fromUtf8(const std::string &text)
{
    std::wstring wide;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead < 0x80 ? 0
            : (lead >> 5) == 0x6 ? 1
            : (lead >> 4) == 0xE ? 2
            : (lead >> 3) == 0x1E ? 3
                                  : -1;
        char32_t c = extra == 0 ? lead : extra == 1 ? lead & 0x1F : extra == 2 ? lead & 0x0F : lead & 0x07;
        bool valid = extra >= 0 && i + extra < text.size() + (extra == 0);
        for (int k = 1; valid && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        wide += valid ? static_cast<wchar_t>(c) : L'\uFFFD';
        i += valid ? extra + 1 : 1;
    }
    return wide;
}

// File names are UTF-8 bytes, as the desktop writes them.
fs::path pathFromWide(const wchar_t *name)
{
    return fs::path(toUtf8(name));
}

std::wstring wideName(const fs::path &path)
{
    return fromUtf8(path.string());
}

// Never through a link planted in the log's place, and for the user alone.
std::FILE *openForAppending(const fs::path &path)
{
    // Not blocking: a FIFO planted in the log's place would hold the open
    // until someone reads it. Only a regular file passes the check below.
    const int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
    if (fd < 0)
        return nullptr;
    // A log an older version left readable to all is the user's alone from now on.
    struct stat status { };
    const bool own = fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == geteuid();
    if (!own || ((status.st_mode & 07777) != 0600 && fchmod(fd, 0600) != 0)) {
        const int error = own ? errno : EPERM;
        close(fd);
        errno = error;
        return nullptr;
    }
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        close(fd);
        return nullptr;
    }
    std::FILE *file = fdopen(fd, "ab");
    if (!file)
        close(fd);
    return file;
}

// The folder for the user alone: made 0700, and refused unless it is the
// user's own folder, not a link to one.
bool isPrivateFolder(const fs::path &folder)
{
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat status { };
    if (lstat(folder.c_str(), &status) != 0)
        return false;
    if (!S_ISDIR(status.st_mode) || status.st_uid != geteuid()) {
        errno = EPERM;
        return false;
    }
    return (status.st_mode & 07777) == 0700 || chmod(folder.c_str(), 0700) == 0;
}

// The folders above the log's as the user's umask makes them; the log's own
// for the user alone.
bool makeFolder(const fs::path &folder)
{
    std::error_code error;
    fs::create_directories(folder.parent_path(), error);
    return isPrivateFolder(folder);
}

// The account's home, for a process started without HOME (a service) or
// with one that is not absolute.
fs::path homeFolder()
{
    const char *home = std::getenv("HOME"); // NOLINT(concurrency-mt-unsafe)
    if (home && *home == '/')
        return home;
    const passwd *account = getpwuid(geteuid()); // NOLINT(concurrency-mt-unsafe)
    if (account && account->pw_dir && *account->pw_dir == '/')
        return account->pw_dir;
    return {};
}

#endif

// Callers write the Windows convention: %s takes a wide string, %S a narrow
// one. glibc and mingw-w64's printf read them the other way round, and the
// Microsoft runtime as written; spelled with an explicit size (%ls, %hs) they
// mean the same to all three.
std::wstring toNativeFormat(const wchar_t *format)
{
    std::wstring native;
    for (const wchar_t *p = format; *p; ++p) {
        native += *p;
        if (*p != L'%')
            continue;
        for (++p; *p && std::wcschr(L"-+ #0123456789.*", *p); ++p)
            native += *p;
        if (!*p)
            break;
        if (std::wcschr(L"sScC", *p)) {
            native += std::iswupper(*p) ? L'h' : L'l';
            native += static_cast<wchar_t>(std::towlower(*p));
        } else {
            native += *p;
        }
    }
    return native;
}

fs::path executablePath()
{
#ifdef _WIN32
    std::vector<wchar_t> buffer(32768);
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    return fs::path(std::wstring(buffer.data(), length));
#else
    std::error_code error;
    return fs::read_symlink("/proc/self/exe", error);
#endif
}

// The per-user folder for the logs of the running program.
fs::path logDirectory()
{
    const fs::path stem = executablePath().stem();
    const fs::path program = stem.empty() ? fs::path("travonix") : stem;
#ifdef _WIN32
    const wchar_t *local = _wgetenv(L"LOCALAPPDATA");
    // Never the working folder: without the user's folder there is no log.
    return local && fs::path(local).is_absolute() ? fs::path(local) / program : fs::path();
#else
    // Read while the log opens at start, before other threads run: nothing
    // can change the environment meanwhile.
    if (const char *state = std::getenv("XDG_STATE_HOME"); state && *state == '/') // NOLINT(concurrency-mt-unsafe)
        return fs::path(state) / program;
    const fs::path home = homeFolder();
    return home.empty() ? fs::path() : home / ".local" / "state" / program;
#endif
}

std::wstring formatLine(const wchar_t *format, va_list arguments)
{
    const std::wstring native = toNativeFormat(format);
    for (std::size_t capacity = 512; capacity <= 65536; capacity *= 4) {
        std::vector<wchar_t> buffer(capacity);
        va_list copy;
        va_copy(copy, arguments);
        const int length = std::vswprintf(buffer.data(), capacity, native.c_str(), copy);
        va_end(copy);
        if (length >= 0)
            return std::wstring(buffer.data(), static_cast<std::size_t>(length));
    }
    return L"(log line could not be formatted)\n";
}

// One call, one line: what the arguments brought in cannot start another line,
// move the cursor of a terminal showing the log, or reorder what it shows.
std::wstring shownSafely(std::wstring line)
{
    const std::size_t end = !line.empty() && line.back() == L'\n' ? line.size() - 1 : line.size();
    for (std::size_t i = 0; i < end; ++i) {
        if (line[i] != L'\t' && TextSafety::isUnsafeToShow(static_cast<char32_t>(line[i])))
            line[i] = static_cast<wchar_t>(TextSafety::Replacement);
    }
    return line;
}

fs::path rotatedPath(const fs::path &path, unsigned generation)
{
    fs::path rotated = path;
    return rotated += "." + std::to_string(generation);
}

} // namespace

LogFile::~LogFile()
{
    closeFile();
}

nRet LogFile::GetLogFileName(wchar_t *buffer, std::size_t capacity)
{
    const fs::path directory = logDirectory();
    if (directory.empty())
        return NRET_FAILURE(NRetSystemCallFailed, ENOENT);
    fs::path file = directory.filename();
    const std::wstring name = wideName(directory / (file += ".log"));
    if (!buffer || name.size() + 1 > capacity)
        return NRET_FAILURE(NRetSystemCallFailed, ENAMETOOLONG);
    std::wmemcpy(buffer, name.c_str(), name.size() + 1);
    return NRetSuccess;
}

nRet LogFile::Open(const wchar_t *fileName, std::uint32_t rotateAtBytes, std::uint32_t keepAtMostBytes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    closeFile();
    fs::path path = pathFromWide(fileName ? fileName : L"");
    if (path.empty())
        return NRET_FAILURE(NRetSystemCallFailed, EINVAL);
    if (path.is_relative()) {
        const fs::path directory = logDirectory();
        if (directory.empty())
            return NRET_FAILURE(NRetSystemCallFailed, ENOENT);
        path = directory / path;
    }
    if (!makeFolder(path.parent_path()))
        return NRET_FAILURE(NRetSystemCallFailed, lastSystemError());
    m_path = path;
    m_file = openForAppending(m_path);
    if (!m_file)
        return NRET_FAILURE(NRetSystemCallFailed, lastSystemError());
    std::error_code error;
    const auto size = fs::file_size(path, error);
    m_size = error ? 0 : size;
    m_rotateAt = rotateAtBytes;
    m_keptGenerations =
        rotateAtBytes ? (keepAtMostBytes / rotateAtBytes > 1 ? keepAtMostBytes / rotateAtBytes - 1 : 1) : 0;
    return NRetSuccess;
}

nRet LogFile::Close()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    closeFile();
    return NRetSuccess;
}

nRet LogFile::WriteV(const wchar_t *format, va_list arguments)
{
    if (!format)
        return NRET_FAILURE(NRetSystemCallFailed, EINVAL);
    const std::string line = toUtf8(shownSafely(formatLine(format, arguments)));
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_file)
        return NRET_FAILURE(NRetSystemCallFailed, EBADF);
    rotateIfNeeded(line.size());
    if (!m_file || std::fwrite(line.data(), 1, line.size(), m_file) != line.size() || std::fflush(m_file) != 0)
        return NRET_FAILURE(NRetSystemCallFailed, lastSystemError());
    m_size += line.size();
    return NRetSuccess;
}

// Moves the full file to "<name>.1", shifting older generations up and
// dropping the oldest, so the logs never take more than the kept total.
void LogFile::rotateIfNeeded(std::size_t incomingBytes)
{
    if (m_rotateAt == 0 || m_size == 0 || m_size + incomingBytes <= m_rotateAt)
        return;
    closeFile();
    std::error_code error;
    fs::remove(rotatedPath(m_path, m_keptGenerations), error);
    for (unsigned generation = m_keptGenerations; generation > 1; --generation)
        fs::rename(rotatedPath(m_path, generation - 1), rotatedPath(m_path, generation), error);
    fs::rename(m_path, rotatedPath(m_path, 1), error);
    m_file = openForAppending(m_path);
    m_size = 0;
}

void LogFile::closeFile()
{
    if (m_file)
        std::fclose(m_file);
    m_file = nullptr;
}

TRAVONIX_LOG_EXPORT ILog *CreateLog()
{
    static LogFile log;
    return &log;
}
