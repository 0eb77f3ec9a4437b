// Operating-system services used by the rest of Travonix.
//
// This header stays free of Qt so that the Windows implementation can be
// checked against the real Windows headers with a plain cross compiler.
// Each function has a Windows implementation (platform/win) and a Linux
// twin (platform/linux); exactly one of them is linked.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

struct OsVersion {
    unsigned long major = 0;
    unsigned long minor = 0;
};

// True for 6.2 and later: the reading that Windows 8.1 and every newer
// release report to a program without a supported-OS list in its manifest.
bool meetsMinimumOsVersion(const OsVersion &version);

// The running system's version as the start-up gate sees it. Linux is never
// refused, so its twin reports the minimum version that passes.
OsVersion queryOsVersion();

// A message box without owner window, shown before any Qt object exists.
void showStartupError(const char *text, const char *caption);

// The user's "AppsUseLightTheme" preference: 0 for dark, 1 for light, or no
// value when the setting cannot be read. Linux derives it from the desktop
// portal's color-scheme.
std::optional<std::uint32_t> readAppsUseLightTheme();

// The system's default locale name in its narrow form ("en-US"), or an empty
// string when the system cannot tell.
std::string systemLocaleName();

// Full path of the running executable, zero-terminated, in at most
// `capacity` characters. Returns the number of characters written (0 on
// failure, with the reason in lastError()).
std::size_t moduleFileName(wchar_t *buffer, std::size_t capacity);

// The separator that ends the directory part of a path from moduleFileName.
wchar_t pathSeparator();

// Reads `key` of `section` from the INI file at `path` into `buffer`, cut to
// `capacity` - 1 characters and zero-terminated; `fallback` when the file or
// the key is missing. Returns the number of characters copied.
std::size_t readProfileString(const wchar_t *section, const wchar_t *key, const wchar_t *fallback, wchar_t *buffer,
                              std::size_t capacity, const wchar_t *path);

// The operating system's last error code (GetLastError or errno).
std::uint32_t lastError();

// The system's own words for a code from lastError(), without the line break
// Windows ends them with ("Unknown error N" when the system has none).
std::wstring errorText(std::uint32_t code);

// Renames the file at `from` to `to` in one step, replacing a file that is
// already there; a failed rename leaves both as they were. Returns false with
// the reason in lastError().
bool replaceFile(const wchar_t *from, const wchar_t *to);

// Lets the calling thread run after the threads of normal priority when the
// processor is busy: for work that may fall behind without harm.
void lowerCurrentThreadPriority();

// Loads a shared library by its base name ("Log" becomes Log.dll or
// libLog.so), searching the executable's directory first. Returns null on
// failure. Libraries are never unloaded.
void *loadLibrary(const char *baseName);
void *findSymbol(void *library, const char *name);

// Finds the top-level window with this title (on Linux: the one that the
// running first instance shows), restores it to its normal placement, raises
// it and gives it the focus. Returns false when no such window exists.
bool activateWindowByTitle(const wchar_t *title);

// Lets the system's polite requests to end the process (SIGTERM, SIGINT, SIGHUP on
// Linux) stop the event loop, so that shutdown runs its normal course.
// Windows asks through window messages, which Qt already handles. Call once
// the application object exists.
void quitEventLoopOnTerminationRequest();

// Gives a program built for the windowing system the console it was started
// from, so that the command line's output reaches it; streams redirected
// to a file or a pipe stay as they are. Nothing to do on Linux.
void attachParentConsole();

// Asks the window manager for a dark title bar on this native window.
void useDarkTitleBar(std::uintptr_t nativeWindow);

// Whether the browser's renderer sandbox can run in this process. On Linux
// it needs a user who is not root and user namespaces an unprivileged
// process may make (tried in a child process, as the sandbox makes them);
// Windows always has it.
enum class BrowserSandbox { Available, RunningAsRoot, NoUserNamespaces };
BrowserSandbox browserSandbox();

} // namespace platform
