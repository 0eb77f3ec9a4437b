#include "AboutBox.h"

#include "DarkTitleBar.h"

#include <QIcon>
#include <QMessageBox>
#include <QWidget>

namespace {

constexpr int IconSize = 64;

// The compiler's build date, "Mmm dd yyyy" with a space before a single digit.
const QString BuildDate = QStringLiteral(__DATE__);

QString unsignedText(std::int32_t value)
{
    return QString::number(static_cast<std::uint32_t>(value));
}

} // namespace

QString aboutText(const AppVersionNumbers &numbers)
{
    return QStringLiteral("Travonix\n\nVersion %1.%2.%3.%4 (Build: %5)\n\n"
                          "Copyright \u00A9 2024-%6 Zamrel Software.\nAll rights reserved.")
        .arg(unsignedText(numbers.major), unsignedText(numbers.minor), unsignedText(numbers.build),
             unsignedText(numbers.revision), BuildDate, BuildDate.right(4));
}

void showAboutBox(QWidget *parent, const AppVersionNumbers &numbers)
{
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("About"));
    box.setIconPixmap(parent->windowIcon().pixmap(IconSize, IconSize));
    box.setText(aboutText(numbers));
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowFlags(box.windowFlags() & ~Qt::WindowContextHelpButtonHint);
    applyDarkTitleBar(&box);
    box.exec();
}
