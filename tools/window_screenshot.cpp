// Takes a picture of the real main window for the README, driven through one
// version choice against the page replica by scripts/make-screenshots.sh:
//   light, dark  the window with its link, in either look;
//   refusal      the box that explains Microsoft's refusal (the script has
//                the replica refuse the link request);
//   progress     the window while the ISO downloads (the script has the
//                replica send it slowly).
// The window speaks the system locale's language, as at start-up.
#include "app/Startup.h"
#include "app/Theme.h"
#include "scraper/ProductTable.h"
#include "ui/MainWindow.h"
#include "ui/WindowLanguage.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

constexpr int PollMs = 200;
constexpr int GiveUpMs = 60000;

template <typename T> T *child(QWidget &window, const char *name)
{
    return window.findChild<T *>(QLatin1String(name));
}

bool linkShown(MainWindow &window)
{
    return !child<QLineEdit>(window, "linkField")->text().isEmpty();
}

// True when the picture of `widget` is written.
bool save(QWidget *widget, const QString &path)
{
    return widget && widget->grab().save(path);
}

void answerSaveDialog(const QString &path)
{
    if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    }
}

// One look at the window: true once the picture is taken (or cannot be).
using Step = std::function<bool(MainWindow &, int &exitCode)>;

Step windowWithLink(const QString &output)
{
    return [output](MainWindow &window, int &exitCode) {
        if (!linkShown(window))
            return false;
        exitCode = save(&window, output) ? 0 : 1;
        return true;
    };
}

Step refusalBox(const QString &output)
{
    return [output](MainWindow &, int &exitCode) {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return false;
        exitCode = save(box, output) ? 0 : 1;
        box->accept();
        return true;
    };
}

Step downloadUnderWay(const QString &output, const QString &target)
{
    return [output, target](MainWindow &window, int &exitCode) {
        auto *download = child<QPushButton>(window, "downloadButton");
        auto *bar = child<QProgressBar>(window, "progressBar");
        // In any language: Pause shows once the download runs, and the bar
        // tells the time left once there is a speed.
        if (linkShown(window) && !child<QPushButton>(window, "pauseButton")->isVisible()) {
            QTimer::singleShot(PollMs, [target] { answerSaveDialog(target); });
            download->click();
            return false;
        }
        if (bar->value() < 30 || bar->format() == QLatin1String("%p%"))
            return false;
        exitCode = save(&window, output) ? 0 : 1;
        download->click(); // Cancel
        return true;
    };
}

} // namespace

int main(int argc, char **argv)
{
    setProcessEnvironment();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QStringList pictures{"light", "dark", "refusal", "progress"};
    if (arguments.size() != 4 || !setSiteOrigin(arguments.at(1)) || !pictures.contains(arguments.at(2))) {
        std::fprintf(stderr, "usage: %s ORIGIN light|dark|refusal|progress OUTPUT.png\n", argv[0]);
        return 2;
    }
    applyIdentity();
    installWindowLanguage(QLocale::system());
    const QString picture = arguments.at(2);
    if (picture == QLatin1String("dark"))
        applyDarkPalette();
    QTemporaryDir downloads;
    const Step step = picture == QLatin1String("refusal") ? refusalBox(arguments.at(3))
        : picture == QLatin1String("progress")
        ? downloadUnderWay(arguments.at(3), downloads.filePath(QStringLiteral("Windows.iso")))
        : windowWithLink(arguments.at(3));
    int exitCode = 1;
    {
        MainWindow window(productParts());
        window.show();
        // A row counts once the user commits to it, as with Enter.
        auto *versions = child<QComboBox>(window, "versionBox");
        versions->setCurrentIndex(1);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(versions, &enter);
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (step(window, exitCode))
                app.quit();
        });
        poll.start(PollMs);
        QTimer::singleShot(GiveUpMs, &app, &QCoreApplication::quit);
        app.exec();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return exitCode;
}
