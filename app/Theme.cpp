#include "Theme.h"

#include "platform/SystemServices.h"

#include <QApplication>
#include <QStyleFactory>

bool shouldUseDarkPalette(std::optional<std::uint32_t> appsUseLightTheme)
{
    return appsUseLightTheme.has_value() && *appsUseLightTheme == 0;
}

QPalette darkPalette()
{
    const QColor darkGray(53, 53, 53, 255);
    const QColor accent(42, 130, 218, 255);
    QPalette palette;
    palette.setColor(QPalette::Window, darkGray);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, QColor(35, 35, 35, 255));
    palette.setColor(QPalette::AlternateBase, darkGray);
    palette.setColor(QPalette::ToolTipBase, Qt::white);
    palette.setColor(QPalette::ToolTipText, Qt::white);
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Button, darkGray);
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::BrightText, Qt::red);
    palette.setColor(QPalette::Link, accent);
    palette.setColor(QPalette::Highlight, accent);
    palette.setColor(QPalette::HighlightedText, Qt::black);
    return palette;
}

void applyDarkPalette()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(darkPalette());
}

void applyUserTheme()
{
    if (shouldUseDarkPalette(platform::SystemServices::instance().appsUseLightTheme()))
        applyDarkPalette();
}
