// Linux twin of the Windows platform layer.
#include "platform/Platform.h"

#include "LocalActivation.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <dlfcn.h>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

constexpr int PortalTimeoutMs = 1000;

// The desktop portal's color-scheme: 0 no preference, 1 dark, 2 light.
std::optional<std::uint32_t> readPortalColorScheme()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt;
    QDBusMessage call =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.portal.Desktop"),
                                       QStringLiteral("/org/freedesktop/portal/desktop"),
                                       QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("Read"));
    call << QStringLiteral("org.freedesktop.appearance") << QStringLiteral("color-scheme");
    const QDBusMessage reply = bus.call(call, QDBus::Block, PortalTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    QVariant value = reply.arguments().constFirst();
    // The portal wraps the value in one or two variants.
    while (value.canConvert<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    bool ok = false;
    const uint scheme = value.toUInt(&ok);
    return ok ? std::optional<std::uint32_t>(scheme) : std::nullopt;
}

QString fromWide(const wchar_t *text)
{
    return QString::fromWCharArray(text);
}

} // namespace

OsVersion queryOsVersion()
{
    return OsVersion{6, 2};
}

void showStartupError(const char *text, const char *caption)
{
    std::fprintf(stderr, "%s: %s\n", caption, text);
}

std::optional<std::uint32_t> readAppsUseLightTheme()
{
    const auto scheme = readPortalColorScheme();
    if (!scheme)
        return std::nullopt;
    switch (*scheme) {
    case 1:
        return 0u; // dark
    case 2:
        return 1u; // light
    default:
        return std::nullopt;
    }
}

std::string systemLocaleName()
{
    return QLocale::system().name().replace(QLatin1Char('_'), QLatin1Char('-')).toStdString();
}

std::size_t moduleFileName(wchar_t *buffer, std::size_t capacity)
{
    std::vector<char> path(4096);
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (length <= 0 || capacity == 0)
        return 0;
    const QString text = QString::fromLocal8Bit(path.data(), static_cast<int>(length));
    if (static_cast<std::size_t>(text.size()) >= capacity) {
        errno = ENAMETOOLONG;
        return 0;
    }
    const int written = text.toWCharArray(buffer);
    buffer[written] = L'\0';
    return static_cast<std::size_t>(written);
}

wchar_t pathSeparator()
{
    return L'/';
}

std::size_t readProfileString(const wchar_t *section, const wchar_t *key, const wchar_t *fallback, wchar_t *buffer,
                              std::size_t capacity, const wchar_t *path)
{
    if (capacity == 0)
        return 0;
    const QSettings settings(fromWide(path), QSettings::IniFormat);
    const QVariant value = settings.value(fromWide(section) + QLatin1Char('/') + fromWide(key), fromWide(fallback));
    // Text with commas comes back as a list; the file holds it as one value.
    const QString text = value.toStringList().join(QLatin1Char(',')).left(static_cast<int>(capacity) - 1);
    const int written = text.toWCharArray(buffer);
    buffer[written] = L'\0';
    return static_cast<std::size_t>(written);
}

std::uint32_t lastError()
{
    return static_cast<std::uint32_t>(errno);
}

std::wstring errorText(std::uint32_t code)
{
    // strerror's buffer is shared by every thread; the GNU strerror_r fills
    // ours, or hands back a text of its own that never changes.
    char buffer[256] = {};
    return QString::fromLocal8Bit(strerror_r(static_cast<int>(code), buffer, sizeof buffer)).toStdWString();
}

bool replaceFile(const wchar_t *from, const wchar_t *to)
{
    return std::rename(QFile::encodeName(fromWide(from)).constData(), QFile::encodeName(fromWide(to)).constData()) == 0;
}

// Linux keeps a nice value per thread; ten steps down still leaves the
// thread a tenth of the processor beside a busy one.
void lowerCurrentThreadPriority()
{
    setpriority(PRIO_PROCESS, id_t(gettid()), 10);
}

void *loadLibrary(const char *baseName)
{
    // Like Windows, look beside the executable first, then the usual places.
    const QString fileName = QStringLiteral("lib%1.so").arg(QString::fromLatin1(baseName));
    const QString executable = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    const QString besideExecutable = QFileInfo(executable).dir().filePath(fileName);
    if (QFileInfo::exists(besideExecutable))
        return dlopen(QFile::encodeName(besideExecutable).constData(), RTLD_NOW | RTLD_LOCAL);
    return dlopen(QFile::encodeName(fileName).constData(), RTLD_NOW | RTLD_LOCAL);
}

void *findSymbol(void *library, const char *name)
{
    return library ? dlsym(library, name) : nullptr;
}

bool activateWindowByTitle(const wchar_t *title)
{
    return linux_::requestActivation(fromWide(title));
}

void useDarkTitleBar(std::uintptr_t)
{
    // Title bars belong to the window manager, which follows the desktop theme.
}

} // namespace platform
