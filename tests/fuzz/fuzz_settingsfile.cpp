// Travonix.ini as the start-up reads it: the file's Settings/Version value
// read into a buffer of the size ReadAppVersion gives it, then its numbers.
#include "FuzzInput.h"

#include "app/AppVersion.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

namespace {

// ReadAppVersion's buffer, and the smallest that holds a character.
constexpr std::size_t Capacities[] = {20, 2};

// Qt keeps settings files it has read and takes one back unread when its
// size and time have not changed, so every input gets a file name of its own.
QString freshSettingsPath()
{
    static QTemporaryDir folder;
    static unsigned long long count = 0;
    return folder.filePath(QStringLiteral("Travonix-%1.ini").arg(++count));
}

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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = freshSettingsPath();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size)) != qint64(size))
        std::abort();
    file.close();
    for (const std::size_t capacity : Capacities)
        readVersion(QDir::toNativeSeparators(path).toStdWString(), capacity);
    QFile::remove(path);
    return 0;
}
