// Travonix.ini as the start-up reads it: the file's Settings/Version value
// read into a buffer of the size ReadAppVersion gives it, then its numbers.
#include "FuzzInput.h"

#include "app/AppVersion.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>

#include <vector>

namespace {

// ReadAppVersion's buffer, and the smallest that holds a character.
constexpr std::size_t Capacities[] = {20, 2};

void readVersion(const std::wstring &path, std::size_t capacity)
{
    // Exactly as large as said, so that a write past it is caught.
    std::vector<wchar_t> buffer(capacity);
    const std::size_t length =
        platform::readProfileString(L"Settings", L"Version", L"1.0.0.0", buffer.data(), capacity, path.c_str());
    FUZZ_EXPECT(length < capacity && buffer[length] == L'\0');
    AppVersionNumbers numbers;
    const int converted = scanDottedVersion(buffer.data(), numbers);
    FUZZ_EXPECT(converted >= 0 && converted <= 4);
}

} // namespace

// Qt's cache of settings files keeps allocating across inputs, and every
// input that ends with more allocations than frees costs a scan of the whole
// heap for leaks: ten times the run. What this reader allocates is freed with
// its values; memory errors are still caught. A -detect_leaks given on the
// command line comes later and wins.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static char noLeakScan[] = "-detect_leaks=0";
    static std::vector<char *> arguments(*argv, *argv + *argc + 1);
    arguments.insert(arguments.begin() + 1, noLeakScan);
    *argc += 1;
    *argv = arguments.data();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = FuzzInput::freshFile(data, size, QStringLiteral("Travonix-%1.ini"));
    for (const std::size_t capacity : Capacities)
        readVersion(QDir::toNativeSeparators(path).toStdWString(), capacity);
    QFile::remove(path);
    return 0;
}
