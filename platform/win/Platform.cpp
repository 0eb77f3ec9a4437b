// Windows implementation of the platform services. Kept free of Qt so that it
// can be checked against the real Windows headers with a plain cross compiler.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
// GetSystemDefaultLocaleName needs Vista or later; Travonix targets 8.1+.
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0603
#endif

#include <dwmapi.h>
#include <windows.h>

#include "platform/Platform.h"

#include <cwctype>
#include <limits>
#include <string>

namespace platform {

namespace {

// The Win32 APIs take DWORD or int sizes; a larger buffer is simply used up
// to the largest size the API can describe instead of wrapping around.
DWORD clampToDword(std::size_t value)
{
    constexpr std::size_t maxDword = std::numeric_limits<DWORD>::max();
    return static_cast<DWORD>(value < maxDword ? value : maxDword);
}

// Windows 10 2004 and later honour this attribute; older builds reject it,
// which only means the title bar stays light.
constexpr DWORD kUseImmersiveDarkMode = 20;

} // namespace

OsVersion queryOsVersion()
{
    // GetVersionExW is deprecated because it reports the version the manifest
    // declares support for. That is exactly what the start-up gate wants: the
    // manifest has no supported-OS list, so Windows 8.1 and every newer
    // release report 6.2, while Windows 7 and older report below it.
#if defined(_MSC_VER)
#pragma warning(push)
#pragma warning(disable : 4996)
#elif defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    const BOOL ok = GetVersionExW(&info);
#if defined(_MSC_VER)
#pragma warning(pop)
#elif defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
    if (!ok)
        return {0, 0};
    return {info.dwMajorVersion, info.dwMinorVersion};
}

void showStartupError(const char *text, const char *caption)
{
    MessageBoxA(nullptr, text, caption, MB_ICONERROR);
}

std::optional<std::uint32_t> readAppsUseLightTheme()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize", 0,
                      KEY_READ, &key)
        != ERROR_SUCCESS)
        return std::nullopt;

    DWORD value = 1;
    DWORD type = REG_DWORD;
    DWORD size = sizeof(value);
    const LSTATUS status =
        RegQueryValueExW(key, L"AppsUseLightTheme", nullptr, &type, reinterpret_cast<BYTE *>(&value), &size);
    RegCloseKey(key);

    // A value of another type or length would leave `value` partly
    // overwritten with bytes that do not mean "light" or "dark".
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value))
        return std::nullopt;
    return value;
}

std::string systemLocaleName()
{
    wchar_t wideName[LOCALE_NAME_MAX_LENGTH] = {};
    if (GetSystemDefaultLocaleName(wideName, LOCALE_NAME_MAX_LENGTH) < 1)
        return {};

    char narrowName[LOCALE_NAME_MAX_LENGTH] = {};
    if (WideCharToMultiByte(CP_ACP, 0, wideName, -1, narrowName, LOCALE_NAME_MAX_LENGTH, nullptr, nullptr) < 1)
        return {};
    return narrowName;
}

std::size_t moduleFileName(wchar_t *buffer, std::size_t capacity)
{
    if (!buffer || capacity == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    const DWORD size = clampToDword(capacity);
    const DWORD length = GetModuleFileNameW(nullptr, buffer, size);
    // A full buffer means Windows cut the path short; a truncated path would
    // point somewhere else, so it counts as a failure (the last error is
    // already ERROR_INSUFFICIENT_BUFFER).
    if (length >= size) {
        buffer[0] = L'\0';
        return 0;
    }
    return length;
}

wchar_t pathSeparator()
{
    return L'\\';
}

std::size_t readProfileString(const wchar_t *section, const wchar_t *key, const wchar_t *fallback, wchar_t *buffer,
                              std::size_t capacity, const wchar_t *path)
{
    // Without room for the terminator there is nothing safe to write.
    if (!buffer || capacity == 0)
        return 0;
    return GetPrivateProfileStringW(section, key, fallback, buffer, clampToDword(capacity), path);
}

std::uint32_t lastError()
{
    return GetLastError();
}

std::wstring errorText(std::uint32_t code)
{
    wchar_t *text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    std::wstring message(text ? text : L"", text ? length : 0);
    LocalFree(text);
    while (!message.empty() && std::iswspace(message.back()))
        message.pop_back();
    return message.empty() ? L"Unknown error " + std::to_wstring(code) : message;
}

bool replaceFile(const wchar_t *from, const wchar_t *to)
{
    // No MOVEFILE_COPY_ALLOWED: a copy to another volume is not one step, and
    // a failure half-way would leave a cut-off file under the final name.
    return MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING) != 0;
}

void lowerCurrentThreadPriority()
{
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
}

void *loadLibrary(const char *baseName)
{
    if (!baseName || !*baseName)
        return nullptr;
    // The executable's directory first, as with a bare LoadLibrary, but never
    // the current directory or PATH, where a planted DLL could wait.
    const std::string fileName = std::string(baseName) + ".dll";
    return LoadLibraryExA(fileName.c_str(), nullptr,
                          LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
}

void *findSymbol(void *library, const char *name)
{
    if (!library || !name)
        return nullptr;
    return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(library), name));
}

bool activateWindowByTitle(const wchar_t *title)
{
    // FindWindowW treats a null title as "any window", and many windows have
    // an empty one; neither identifies the first instance.
    if (!title || !*title)
        return false;
    const HWND window = FindWindowW(nullptr, title);
    if (!window)
        return false;

    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    // Writing back a placement that could not be read would move the window
    // to an empty rectangle at the screen origin.
    if (GetWindowPlacement(window, &placement)) {
        placement.showCmd = SW_SHOWNORMAL;
        SetWindowPlacement(window, &placement);
    }
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(window);
    return true;
}

void quitEventLoopOnTerminationRequest()
{
    // WM_CLOSE and WM_ENDSESSION reach the application as close events.
}

void useDarkTitleBar(std::uintptr_t nativeWindow)
{
    if (nativeWindow == 0)
        return;
    const BOOL value = TRUE;
    DwmSetWindowAttribute(reinterpret_cast<HWND>(nativeWindow), kUseImmersiveDarkMode, &value, sizeof(value));
}

BrowserSandbox browserSandbox()
{
    // The renderer sandbox needs nothing of the account on Windows.
    return BrowserSandbox::Available;
}

} // namespace platform
