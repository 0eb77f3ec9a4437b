// The 64-bit result code of the start-up and file functions.
//
//   bits  0-31  detail: the operating system's last-error code, or 0
//   bits 32-47  kind: 0 for success
//   bits 48-63  the source line at which the failure was detected
#pragma once

#include <cstdint>

using nRet = std::uint64_t;

enum NRetKind : std::uint16_t {
    NRetSuccess = 0,
    NRetBadConversion = 14,
    NRetActivationFailed = 16,
    NRetWindowNotFound = 19,
    NRetSystemCallFailed = 21,
};

constexpr nRet makeNRet(unsigned line, std::uint16_t kind, std::uint32_t detail)
{
    return (static_cast<nRet>(line & 0xFFFFu) << 48) | (static_cast<nRet>(kind) << 32) | detail;
}

constexpr std::uint16_t nRetKind(nRet result)
{
    return static_cast<std::uint16_t>(result >> 32);
}

// Only the kind decides; a line or a detail alone does not make a failure.
constexpr bool nRetSucceeded(nRet result)
{
    return nRetKind(result) == NRetSuccess;
}

// A failure of `kind` detected at the line where this is written.
#define NRET_FAILURE(kind, detail) makeNRet(__LINE__, (kind), (detail))
