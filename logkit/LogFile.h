// A log that appends each formatted line to a file in the user's state folder,
// rotating the file once it grows past its size limit.
#pragma once

#include "ILog.h"

#include <cstdio>
#include <filesystem>
#include <mutex>

class LogFile final : public ILog {
public:
    LogFile() = default;
    ~LogFile() override;

    nRet GetLogFileName(wchar_t *buffer, std::size_t capacity) override;
    nRet Open(const wchar_t *fileName, std::uint32_t rotateAtBytes, std::uint32_t keepAtMostBytes) override;
    nRet Close() override;
    nRet WriteV(const wchar_t *format, va_list arguments) override;

private:
    void rotateIfNeeded(std::size_t incomingBytes);
    void closeFile();

    std::mutex m_mutex;
    std::FILE *m_file = nullptr;
    std::filesystem::path m_path;
    std::uint64_t m_size = 0;
    std::uint64_t m_rotateAt = 0;
    unsigned m_keptGenerations = 0;
};
