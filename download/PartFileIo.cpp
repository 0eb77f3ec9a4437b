#include "PartFileIo.h"

#include <string>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

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

bool flushFolderOf(const std::filesystem::path &file)
{
#ifdef _WIN32
    (void)file;
    return true;
#else
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool flushed = fsync(fd) == 0;
    close(fd);
    return flushed;
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
