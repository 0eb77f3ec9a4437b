#include "WebEngineEnvironment.h"

#include "platform/Platform.h"

#include <QByteArray>

namespace {

// Chromium's own word for turning the sandbox off; the engine reads it too.
bool sandboxTurnedOffByUser()
{
    return qEnvironmentVariable("QTWEBENGINE_DISABLE_SANDBOX") == QLatin1String("1");
}

} // namespace

QString setWebEngineEnvironment()
{
    QByteArray flags("--disable-gpu --disable-software-rasterizer --disable-logging --log-level=3");
    QString line;
    if (sandboxTurnedOffByUser()) {
        line = QStringLiteral("Browser sandbox: off (QTWEBENGINE_DISABLE_SANDBOX=1)");
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
