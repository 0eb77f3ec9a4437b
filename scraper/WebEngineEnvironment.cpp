#include "WebEngineEnvironment.h"

#include "platform/Platform.h"

#include <QByteArray>

namespace {

// The engine's own switch: set to any value, even empty, it turns the
// sandbox off.
constexpr char TurnedOff[] = "QTWEBENGINE_DISABLE_SANDBOX";

} // namespace

QString setWebEngineEnvironment()
{
    QByteArray flags("--disable-gpu --disable-software-rasterizer --disable-logging --log-level=3");
    QString line;
    if (qEnvironmentVariableIsSet(TurnedOff)) {
        line = QStringLiteral("Browser sandbox: off (%1=%2)")
                   .arg(QLatin1String(TurnedOff), qEnvironmentVariable(TurnedOff).left(32));
    } else {
        switch (platform::browserSandbox()) {
        case platform::BrowserSandbox::Available:
            line = QStringLiteral("Browser sandbox: on");
            break;
        case platform::BrowserSandbox::RunningAsRoot:
            line = QStringLiteral("Browser sandbox: off (running as root)");
            flags += " --no-sandbox";
            break;
        case platform::BrowserSandbox::NoUserNamespaces:
            line = QStringLiteral("Browser sandbox: off (the system gives no user namespaces)");
            flags += " --no-sandbox";
            break;
        }
    }
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    qputenv("QT_OPENGL", "software");
    return line;
}
