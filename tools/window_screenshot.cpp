// Takes a picture of the real main window after one version choice, for the
// README. Run by scripts/make-screenshots.sh against the page replica.
#include "app/Startup.h"
#include "app/Theme.h"
#include "scraper/ProductTable.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    setProcessEnvironment();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4 || !setSiteOrigin(arguments.at(1))) {
        std::fprintf(stderr, "usage: %s ORIGIN light|dark OUTPUT.png\n", argv[0]);
        return 2;
    }
    applyIdentity();
    if (arguments.at(2) == QLatin1String("dark"))
        applyDarkPalette();
    int exitCode = 1;
    {
        MainWindow window(productParts());
        window.show();
        window.findChild<QComboBox *>(QStringLiteral("versionBox"))->setCurrentIndex(1);
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (window.findChild<QLineEdit *>(QStringLiteral("linkField"))->text().isEmpty())
                return;
            exitCode = window.grab().save(arguments.at(3)) ? 0 : 1;
            app.quit();
        });
        poll.start(200);
        QTimer::singleShot(60000, &app, &QCoreApplication::quit);
        app.exec();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return exitCode;
}
