#include "AboutBox.h"

#include "DarkTitleBar.h"
#include "WindowLanguage.h"

#include <QCoreApplication>
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
    //: %1 to %4 are the four version numbers, %5 the build date, %6 its year.
    return QCoreApplication::translate("AboutBox",
                                       "Travonix\n\nVersion %1.%2.%3.%4 (Build: %5)\n\n"
                                       "Copyright \u00A9 2024-%6 Zamrel Software.\nAll rights reserved.")
               .arg(unsignedText(numbers.major), unsignedText(numbers.minor), unsignedText(numbers.build),
                    unsignedText(numbers.revision), BuildDate, BuildDate.right(4))
        //: %1 is the name of the language the window is in, in that language ("Deutsch").
        + QStringLiteral("\n\n") + QCoreApplication::translate("AboutBox", "Language: %1").arg(windowLanguageName());
}

void showAboutBox(QWidget *parent, const AppVersionNumbers &numbers)
{
    QMessageBox box(parent);
    box.setWindowTitle(QCoreApplication::translate("AboutBox", "About"));
    box.setIconPixmap(parent->windowIcon().pixmap(IconSize, IconSize));
    box.setText(aboutText(numbers));
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowFlags(box.windowFlags() & ~Qt::WindowContextHelpButtonHint);
    applyDarkTitleBar(&box);
    box.exec();
}
