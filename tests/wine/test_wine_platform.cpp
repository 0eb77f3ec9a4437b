// The Windows platform layer and Log.dll, built with mingw-w64 and run under
// Wine: the real Win32 calls behind the start-up gate, the theme, the module
// folder, the version file, the log library, the part file and the download's
// final move.
// Cases that need a fresh process (the Windows version is read at process
// start, DLL search depends on where the program lives) start this program
// again with a child argument and read its exit code.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "WineTable.h"
#include "download/PartFileIo.h"
#include "logkit/ILog.h"
#include "platform/Platform.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <optional>
#include <vector>

using namespace wine_test;

namespace {

const std::wstring OutsideAscii = L"Pr\u00fcfung_\u65e5\u672c";
const std::wstring PersonalizeKey = L"\"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize\"";
constexpr char ChildOsVersion[] = "--os-version";
constexpr char ChildLoadLog[] = "--load-log";
constexpr DWORD ChildDidNotStart = 0xFFFF;

std::string utf8(const std::wstring &wide)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, text.data(), size, nullptr, nullptr);
    return text;
}

// What a person would type at the prompt; reg.exe is Wine's own.
bool runCommand(const std::wstring &line)
{
    return _wsystem((line + L" >nul 2>&1").c_str()) == 0;
}

std::wstring ownPath()
{
    std::vector<wchar_t> buffer(32768);
    return std::wstring(buffer.data(), platform::moduleFileName(buffer.data(), buffer.size()));
}

std::wstring folderOf(const std::wstring &path)
{
    return path.substr(0, path.rfind(L'\\'));
}

// A folder of the prefix's temp folder, made on first use.
std::wstring scratch(const std::wstring &name)
{
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    const std::wstring path = temp + name;
    CreateDirectoryW(path.c_str(), nullptr);
    return path;
}

void writeBytes(const std::wstring &path, const std::string &bytes)
{
    if (std::FILE *file = _wfopen(path.c_str(), L"wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

std::string readBytes(const std::wstring &path)
{
    std::string bytes;
    if (std::FILE *file = _wfopen(path.c_str(), L"rb")) {
        for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file))
            bytes += static_cast<char>(c);
        std::fclose(file);
    }
    return bytes;
}

bool exists(const std::wstring &path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

DWORD runChild(const std::wstring &program, const char *argument, const std::wstring &folder)
{
    std::wstring line = L"\"" + program + L"\" " + std::wstring(argument, argument + std::strlen(argument));
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process))
        return ChildDidNotStart;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = ChildDidNotStart;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

int childOsVersion()
{
    const platform::OsVersion version = platform::queryOsVersion();
    return static_cast<int>(version.major * 100 + version.minor);
}

// 0: no library, 1: the one beside this program, 2: one from elsewhere.
int childLoadLog()
{
    void *library = platform::loadLibrary("Log");
    if (!library)
        return 0;
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(static_cast<HMODULE>(library), path, MAX_PATH);
    return _wcsicmp(folderOf(path).c_str(), folderOf(ownPath()).c_str()) == 0 ? 1 : 2;
}

struct OsCase {
    const char *name;
    const wchar_t *setting;
    long long reading;
    bool passes;
};

std::string checkOsGate(const OsCase &c)
{
    if (!runCommand(std::wstring(L"reg add HKCU\\Software\\Wine /v Version /d ") + c.setting + L" /f"))
        return "reg add failed";
    const long long reading = runChild(ownPath(), ChildOsVersion, folderOf(ownPath()));
    const platform::OsVersion version{static_cast<unsigned long>(reading / 100),
                                      static_cast<unsigned long>(reading % 100)};
    return expectEqual(reading, c.reading, "major * 100 + minor")
        + expectEqual<long long>(platform::meetsMinimumOsVersion(version), c.passes, "passes");
}

// Without a supported-OS list in the manifest, 8.1 and 10 read as 6.2.
const OsCase OsCases[] = {{"Windows 7", L"win7", 601, false},
                          {"Windows Vista", L"vista", 600, false},
                          {"Windows 8.1", L"win81", 602, true},
                          {"Windows 10", L"win10", 602, true}};

struct ThemeCase {
    const char *name;
    std::wstring command;
    std::optional<std::uint32_t> expected;
};

std::string checkTheme(const ThemeCase &c)
{
    if (!runCommand(c.command))
        return "reg failed";
    const auto read = platform::readAppsUseLightTheme();
    return expectEqual<long long>(read.value_or(99), c.expected.value_or(99), "value");
}

Table themeTable()
{
    const std::wstring value = PersonalizeKey + L" /v AppsUseLightTheme";
    const ThemeCase cases[] = {{"dark", L"reg add " + value + L" /t REG_DWORD /d 0 /f", 0u},
                               {"light", L"reg add " + value + L" /t REG_DWORD /d 1 /f", 1u},
                               {"text", L"reg add " + value + L" /t REG_SZ /d 1 /f", std::nullopt},
                               {"eight bytes", L"reg add " + value + L" /t REG_QWORD /d 0 /f", std::nullopt},
                               {"value missing", L"reg delete " + value + L" /f", std::nullopt},
                               {"key missing", L"reg delete " + PersonalizeKey + L" /f", std::nullopt}};
    return tableOf("theme", cases, checkTheme);
}

struct ModuleCase {
    const char *name;
    std::size_t (*capacity)(std::size_t pathLength);
    bool fits;
};

// A path cut short would name another file, so none comes back.
std::string checkModuleFileName(const ModuleCase &c)
{
    const std::wstring path = ownPath();
    const std::wstring tail = L"\\test_wine_platform.exe";
    if (path.size() <= tail.size() || _wcsicmp(path.c_str() + path.size() - tail.size(), tail.c_str()) != 0
        || !exists(path))
        return "path is " + describe(path);
    const std::size_t capacity = c.capacity(path.size());
    std::wstring buffer(capacity + 1, L'x');
    const std::size_t written = platform::moduleFileName(buffer.data(), capacity);
    if (c.fits)
        return expectEqual(std::wstring(buffer.data(), written), path, "path");
    return expectEqual<long long>(written, 0, "length")
        + expectEqual<long long>(platform::lastError(), ERROR_INSUFFICIENT_BUFFER, "error")
        + expectEqual<long long>(capacity > 0 && buffer[0] != L'\0', false, "a cut path left");
}

const ModuleCase ModuleCases[] = {{"room for the terminator", [](std::size_t length) { return length + 1; }, true},
                                  {"one short", [](std::size_t length) { return length; }, false},
                                  {"no room at all", [](std::size_t) { return std::size_t(0); }, false}};

struct ProfileCase {
    const char *name;
    std::wstring folder;
    std::string content; // empty: no file
    std::size_t capacity;
    std::wstring expected;
};

// Section and key as the app asks for them, in files as people write them.
std::string checkProfile(const ProfileCase &c)
{
    const std::wstring path = c.folder + L"\\Travonix.ini";
    DeleteFileW(path.c_str());
    if (!c.content.empty())
        writeBytes(path, c.content);
    std::vector<wchar_t> buffer(c.capacity);
    const std::size_t length =
        platform::readProfileString(L"Settings", L"Version", L"1.0.0.0", buffer.data(), c.capacity, path.c_str());
    return expectEqual(std::wstring(buffer.data(), length), c.expected, "value");
}

Table profileTable()
{
    const std::wstring beside = folderOf(ownPath());
    const std::wstring outside = scratch(OutsideAscii);
    const std::string written = "[Settings]\r\nVersion=3.0.2.0\r\n";
    const ProfileCase cases[] = {{"as the installer writes it", beside, written, 20, L"3.0.2.0"},
                                 {"section and key in other case", beside, "[SETTINGS]\r\nversion=3.0.2.0\r\n", 20,
                                  L"3.0.2.0"},
                                 {"spaces and quotes", beside, "[Settings]\r\n  Version = \"4.1.0.7\"  \r\n", 20,
                                  L"4.1.0.7"},
                                 {"key in another section", beside, "[Other]\r\nVersion=9.9.9.9\r\n", 20, L"1.0.0.0"},
                                 {"cut to the buffer", beside, written, 5, L"3.0."},
                                 {"no file", beside, "", 20, L"1.0.0.0"},
                                 {"in a non-ASCII folder", outside, written, 20, L"3.0.2.0"}};
    return tableOf("Travonix.ini", cases, checkProfile);
}

struct LoadCase {
    const char *name;
    bool besideProgram;
    long long answer;
};

// The decoy is a Log.dll in the current folder and on PATH, where a bare
// LoadLibrary would also look.
std::string checkLogLoading(const LoadCase &c)
{
    const std::wstring decoy = scratch(L"decoy");
    CopyFileW((folderOf(ownPath()) + L"\\Log.dll").c_str(), (decoy + L"\\Log.dll").c_str(), FALSE);
    SetEnvironmentVariableW(L"PATH", (decoy + L";C:\\windows\\system32").c_str());
    std::wstring program = ownPath();
    if (!c.besideProgram) {
        program = scratch(OutsideAscii) + L"\\alone.exe";
        CopyFileW(ownPath().c_str(), program.c_str(), FALSE);
    }
    return expectEqual<long long>(runChild(program, ChildLoadLog, decoy), c.answer, "child's answer");
}

const LoadCase LoadCases[] = {{"the one beside the program", true, 1}, {"none beside the program", false, 0}};

ILog *loadLog()
{
    const auto create =
        reinterpret_cast<CreateLogFunction>(platform::findSymbol(platform::loadLibrary("Log"), "CreateLog"));
    return create ? create() : nullptr;
}

void writeLine(ILog &log, const wchar_t *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    log.WriteV(format, arguments);
    va_end(arguments);
}

std::wstring logFileName(ILog &log)
{
    wchar_t name[ILog::FileNameCapacity] = {};
    return nRetSucceeded(log.GetLogFileName(name, ILog::FileNameCapacity)) ? name : L"";
}

struct FolderCase {
    const char *name;
    std::wstring folder;
};

// The app's own way: the name the library proposes, then its three formats.
std::string checkLogLines(const FolderCase &c)
{
    ILog *log = loadLog();
    if (!log)
        return "no log object";
    _wputenv((L"LOCALAPPDATA=" + c.folder).c_str());
    const std::wstring name = logFileName(*log);
    DeleteFileW(name.c_str());
    const std::string problem =
        expectEqual(name, c.folder + L"\\test_wine_platform\\test_wine_platform.log", "file name");
    if (!nRetSucceeded(log->Open(name.c_str(), 1048576, 10485760)))
        return problem + "open failed";
    writeLine(*log, L"%S %d nRet=0x%016llX\n", "main", 42, 0x15ULL);
    writeLine(*log, L"%S %d Start...\n", "main", 7);
    writeLine(*log, L"%s\n", OutsideAscii.c_str());
    log->Close();
    const std::string expected = "main 42 nRet=0x0000000000000015\nmain 7 Start...\n" + utf8(OutsideAscii) + "\n";
    return problem + expectEqual(readBytes(name), expected, "file");
}

// Thirty-byte lines against a 64-byte limit: two lines a file, two older
// files kept.
std::string checkLogRotation(const FolderCase &c)
{
    ILog *log = loadLog();
    const std::wstring name = c.folder + L"\\rotated.log";
    for (const wchar_t *suffix : {L"", L".1", L".2", L".3"})
        DeleteFileW((name + suffix).c_str());
    if (!log || !nRetSucceeded(log->Open(name.c_str(), 64, 192)))
        return "open failed";
    for (int line = 1; line <= 8; ++line)
        writeLine(*log, L"line %d of eight, thirty bytes\n", line);
    log->Close();
    return expectEqual(readBytes(name + L".2").substr(0, 7), std::string("line 3 "), "oldest kept")
        + expectEqual<long long>(exists(name + L".3"), false, ".3 exists");
}

std::string checkRelativeLogName(const FolderCase &c)
{
    ILog *log = loadLog();
    _wputenv((L"LOCALAPPDATA=" + c.folder).c_str());
    const bool opened = log && nRetSucceeded(log->Open(L"user.log", 0, 0));
    if (log)
        log->Close();
    return expectEqual<long long>(opened && exists(c.folder + L"\\test_wine_platform\\user.log"), true, "opened");
}

// The user's folder as Wine names it, and one outside the ANSI code page.
std::vector<Table> logTables()
{
    const wchar_t *own = _wgetenv(L"LOCALAPPDATA");
    const FolderCase cases[] = {{"in the user's folder", own ? own : L""},
                                {"in a non-ASCII folder", scratch(OutsideAscii)}};
    return {tableOf("log lines", cases, checkLogLines), tableOf("log rotation", cases, checkLogRotation),
            tableOf("log by relative name", {cases[0]}, checkRelativeLogName)};
}

// The part is written, flushed to the device, and appended to on a resume.
std::string checkPartFile(const FolderCase &c)
{
    const std::wstring part = c.folder + L"\\Win11_0a1b2c3d.part";
    std::string problem;
    for (const char *mode : {"wb", "ab"}) {
        std::FILE *file = openPartFile(part, mode);
        if (!file)
            return std::string("cannot open with ") + mode;
        std::fputs("12345", file);
        problem += expectEqual<long long>(flushToDevice(file), true, "flushed");
        std::fclose(file);
    }
    return problem + expectEqual(readBytes(part), std::string("1234512345"), "part");
}

// The part as the engine holds it: locked against a second download,
// written through a stream of its own, read back through a reader of its
// own, cut through its handle and moved into place while still held; the
// record beside it written by rename and read back only as a plain file.
std::string checkOwnPart(const FolderCase &c)
{
    const std::wstring path = c.folder + L"\\Win11_4e5f6a7b.part";
    const std::wstring destination = c.folder + L"\\Win11_own.iso";
    const std::wstring other = c.folder + L"\\other name";
    DeleteFileW(path.c_str());
    DeleteFileW(destination.c_str());
    // A part with another name too starts anew; the other name keeps its bytes.
    writeBytes(other, "old");
    if (!CreateHardLinkW(path.c_str(), other.c_str(), nullptr))
        return "cannot make a hard link";
    OwnPart part = OwnPart::open(path);
    if (!part.isOpen())
        return "cannot open, error " + std::to_string(part.error());
    std::string problem = expectEqual<long long>(part.length(), 0, "new part")
        + expectEqual(readBytes(other), std::string("old"), "other name");
    DeleteFileW(other.c_str());
    problem += expectEqual<long long>(int(OwnPart::open(path).state()), int(OwnPart::State::Busy), "second opening");
    std::FILE *stream = part.stream();
    if (!stream)
        return problem + "no stream";
    std::fputs("12345", stream);
    problem += expectEqual<long long>(flushToDevice(stream), true, "flushed");
    std::fclose(stream);
    problem += expectEqual<long long>(part.length(), 5, "length");
    const PartReader reader(part.reader());
    char read[8] = {};
    problem += expectEqual<long long>(reader.readAt(read, 3, 2), 3, "read back");
    problem += expectEqual(std::string(read), std::string("345"), "bytes read back");
    problem += expectEqual<long long>(part.truncate(2) && part.length() == 2, true, "cut");
    problem += expectEqual<long long>(part.isAt(path), true, "under its name");
    std::string record;
    problem +=
        expectEqual<long long>(replaceOwnFile(path + L".json", "{}") && replaceOwnFile(path + L".json", "{\"a\":1}"),
                               true, "record written");
    problem +=
        expectEqual<long long>(int(readOwnFile(path + L".json", 100, record)), int(OwnFileRead::Read), "record read");
    problem += expectEqual(record, std::string("{\"a\":1}"), "record");
    problem +=
        expectEqual<long long>(platform::replaceFile(path.c_str(), destination.c_str()), true, "moved while held");
    part.close();
    // The reader still open holds no lock.
    problem += expectEqual<long long>(OwnPart::open(destination).isOpen(), true, "opened after the close");
    problem += expectEqual(readBytes(destination), std::string("12"), "moved part");
    DeleteFileW(destination.c_str());
    DeleteFileW((path + L".json").c_str());
    return problem;
}

struct MoveCase {
    const char *name;
    const char *before; // the destination's content; null: none, "/": a folder
    bool holdDestination;
    bool moved;
};

void prepareMove(const MoveCase &c, const std::wstring &part, const std::wstring &destination)
{
    RemoveDirectoryW(destination.c_str());
    DeleteFileW(destination.c_str());
    writeBytes(part, "new");
    if (c.before && std::strcmp(c.before, "/") == 0)
        CreateDirectoryW(destination.c_str(), nullptr);
    else if (c.before)
        writeBytes(destination, c.before);
}

// The download's last step: the part takes the destination's name in one
// step, or nothing changes and the system says why.
std::string checkMove(const MoveCase &c)
{
    const std::wstring folder = scratch(OutsideAscii);
    const std::wstring part = folder + L"\\Win11_0a1b2c3d.part";
    const std::wstring destination = folder + L"\\Win11.iso";
    prepareMove(c, part, destination);
    const HANDLE held = c.holdDestination
        ? CreateFileW(destination.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)
        : INVALID_HANDLE_VALUE;
    const bool moved = platform::replaceFile(part.c_str(), destination.c_str());
    const std::wstring reason = moved ? L"" : platform::errorText(platform::lastError());
    if (held != INVALID_HANDLE_VALUE)
        CloseHandle(held);
    std::string problem =
        expectEqual<long long>(moved, c.moved, "moved") + expectEqual<long long>(exists(part), !c.moved, "part kept");
    const std::string after = c.moved ? "new" : c.before;
    if (after != "/")
        problem += expectEqual(readBytes(destination), after, "destination");
    if (reason.rfind(L"Unknown error", 0) == 0)
        problem += "reason is " + describe(reason);
    DeleteFileW(part.c_str());
    return problem;
}

const MoveCase MoveCases[] = {{"onto an older download", "old", false, true},
                              {"onto a free name", nullptr, false, true},
                              {"onto a file another program holds", "old", true, false},
                              {"onto a folder", "/", false, false}};

struct ErrorCase {
    const char *name;
    std::uint32_t code;
    const wchar_t *exactly; // null: the system's own words
};

// FormatMessage's words, without the line break, or the number when it has
// none; never one text for every code.
std::string checkErrorText(const ErrorCase &c)
{
    const std::wstring text = platform::errorText(c.code);
    if (c.exactly)
        return expectEqual(text, std::wstring(c.exactly), "text");
    const bool words = !text.empty() && text.rfind(L"Unknown error", 0) != 0 && !std::iswspace(text.back())
        && text != platform::errorText(ERROR_INVALID_FUNCTION);
    return words ? std::string() : "text is " + describe(text);
}

const ErrorCase ErrorCases[] = {{"file not found", ERROR_FILE_NOT_FOUND, nullptr},
                                {"access denied", ERROR_ACCESS_DENIED, nullptr},
                                {"sharing violation", ERROR_SHARING_VIOLATION, nullptr},
                                {"a code without a message", 0x20001234, L"Unknown error 536875572"}};

struct PriorityCase {
    const char *name;
};

// The calling thread, and only it, goes below normal.
std::string checkLowerPriority(const PriorityCase &)
{
    platform::lowerCurrentThreadPriority();
    const int priority = GetThreadPriority(GetCurrentThread());
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_NORMAL);
    return priority == THREAD_PRIORITY_BELOW_NORMAL ? std::string() : "priority is " + std::to_string(priority);
}

const PriorityCase PriorityCases[] = {{"below normal"}};

} // namespace

std::string wine_test::describe(const std::wstring &text)
{
    return "\"" + utf8(text) + "\"";
}

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], ChildOsVersion) == 0)
        return childOsVersion();
    if (argc > 1 && std::strcmp(argv[1], ChildLoadLog) == 0)
        return childLoadLog();
    std::vector<Table> tables = {tableOf("os gate", OsCases, checkOsGate), themeTable(),
                                 tableOf("module file name", ModuleCases, checkModuleFileName), profileTable(),
                                 tableOf("Log.dll loading", LoadCases, checkLogLoading)};
    for (Table &table : logTables())
        tables.push_back(std::move(table));
    const FolderCase partFolders[] = {{"in an ASCII folder", scratch(L"parts")},
                                      {"in a non-ASCII folder", scratch(OutsideAscii)}};
    tables.push_back(tableOf("part file", partFolders, checkPartFile));
    tables.push_back(tableOf("own part", partFolders, checkOwnPart));
    tables.push_back(tableOf("move into place", MoveCases, checkMove));
    tables.push_back(tableOf("error text", ErrorCases, checkErrorText));
    tables.push_back(tableOf("thread priority", PriorityCases, checkLowerPriority));
    return runTables(tables);
}
