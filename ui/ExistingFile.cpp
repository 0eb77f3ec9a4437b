#include "ExistingFile.h"

#include "DarkTitleBar.h"
#include "download/Digest.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>
#include <memory>

namespace {

constexpr int ShowAfterMs = 500;

bool userKeeps(QWidget *parent, const QString &path, DigestAlgorithm algorithm, const QString &digest)
{
    QMessageBox box(parent);
    box.setWindowTitle(QCoreApplication::translate("ExistingFile", "Already Downloaded"));
    box.setIcon(QMessageBox::Question);
    //: %1 is the file's path, %2 the digest's name (SHA-1, SHA-256), %3 its value.
    box.setText(
        QCoreApplication::translate("ExistingFile",
                                    "%1 is already there, and its %2 matches the value Microsoft publishes:\n%3\n\n"
                                    "Keep it instead of downloading it again?")
            .arg(path, QLatin1String(digestName(algorithm)), digest));
    box.addButton(QCoreApplication::translate("ExistingFile", "Keep It"), QMessageBox::AcceptRole);
    QPushButton *again =
        box.addButton(QCoreApplication::translate("ExistingFile", "Download Again"), QMessageBox::RejectRole);
    applyDarkTitleBar(&box);
    box.exec();
    return box.clickedButton() != again;
}

} // namespace

void checkExistingFile(QWidget *parent, const QString &path, DigestAlgorithm algorithm, const QString &published,
                       std::function<void(ExistingFile)> then)
{
    const QFileInfo there(path);
    if (published.isEmpty() || !there.isFile()) {
        then(there.exists() || there.isSymLink() ? ExistingFile::Differs : ExistingFile::Download);
        return;
    }
    // Shown after half a second, so a small file is checked without a flash.
    auto *checking =
        new QProgressDialog(QCoreApplication::translate("ExistingFile", "Checking the file already there\u2026"),
                            QCoreApplication::translate("ExistingFile", "Cancel"), 0, 100, parent);
    checking->setWindowTitle(QCoreApplication::translate("ExistingFile", "Checking"));
    checking->setWindowModality(Qt::WindowModal);
    checking->setMinimumDuration(ShowAfterMs);
    // What the worker shares with the window: nothing but these.
    struct Progress {
        std::atomic<qint64> done{0};
        std::atomic<qint64> total{0};
        std::atomic<bool> stop{false};
    };
    const auto progress = std::make_shared<Progress>();
    QObject::connect(checking, &QObject::destroyed, [progress] { progress->stop = true; });
    QObject::connect(checking, &QProgressDialog::canceled, [progress] { progress->stop = true; });
    auto *tick = new QTimer(checking);
    QObject::connect(tick, &QTimer::timeout, checking, [checking, progress] {
        // A cancelled dialog stays hidden: a value would show it again.
        if (progress->stop)
            return;
        const qint64 total = progress->total;
        checking->setValue(total > 0 ? int(progress->done * 100 / total) : 0);
    });
    tick->start(100);
    // The watcher belongs to the dialog: a window that is gone hears nothing.
    auto *watcher = new QFutureWatcher<QString>(checking);
    QObject::connect(watcher, &QFutureWatcher<QString>::finished, checking,
                     [parent, checking, watcher, path, algorithm, published, then = std::move(then)] {
                         const QString digest = watcher->result();
                         const bool cancelled = checking->wasCanceled();
                         checking->hide();
                         checking->deleteLater();
                         if (cancelled)
                             then(ExistingFile::CheckCancelled);
                         else if (digest.compare(published, Qt::CaseInsensitive) != 0)
                             then(ExistingFile::Differs);
                         else
                             then(userKeeps(parent, path, algorithm, digest) ? ExistingFile::Keep
                                                                             : ExistingFile::Download);
                     });
    watcher->setFuture(QtConcurrent::run([algorithm, path, progress] {
        return digestOfFile(algorithm, path, [&progress](qint64 done, qint64 total) {
            progress->done = done;
            progress->total = total;
            return !progress->stop;
        });
    }));
}
