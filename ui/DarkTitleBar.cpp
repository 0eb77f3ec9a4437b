#include "DarkTitleBar.h"

#include "platform/Platform.h"

#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

namespace {

constexpr int DarkLightnessLimit = 128;

} // namespace

bool isPaletteDark()
{
    return QGuiApplication::palette().color(QPalette::Window).lightness() < DarkLightnessLimit;
}

void applyDarkTitleBar(QWidget *window)
{
    if (!window || !isPaletteDark())
        return;
    const WId handle = window->winId();
    if (handle != 0)
        platform::useDarkTitleBar(static_cast<std::uintptr_t>(handle));
}
