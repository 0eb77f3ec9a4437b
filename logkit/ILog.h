// The interface of the optional log library ("Log.dll" / "libLog.so").
//
// The library exports one factory, CreateLog, which the program looks up at
// run time. Formats follow the Windows convention for wide-character printf:
// %s takes a wide string and %S a narrow one, on every platform.
#pragma once

#include "common/NRet.h"

#include <cstdarg>
#include <cstddef>
#include <cstdint>

class ILog {
protected:
    // First in the table of operations. The program never releases the
    // object; it lives as long as the process.
    virtual ~ILog() = default;

public:
    // Capacity, in characters, of the file-name buffer the program passes.
    static constexpr std::size_t FileNameCapacity = 260;

    virtual nRet GetLogFileName(wchar_t *buffer, std::size_t capacity) = 0;
    virtual nRet Open(const wchar_t *fileName, std::uint32_t rotateAtBytes, std::uint32_t keepAtMostBytes) = 0;
    virtual nRet Close() = 0;
    virtual nRet WriteV(const wchar_t *format, va_list arguments) = 0;
};

extern "C" {
using CreateLogFunction = ILog *(*)();
}

#define TRAVONIX_CREATE_LOG_SYMBOL "CreateLog"
