#include "WebEngineEnvironment.h"

#include <QByteArray>

void setWebEngineEnvironment()
{
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --disable-software-rasterizer --no-sandbox");
    qputenv("QT_OPENGL", "software");
}
