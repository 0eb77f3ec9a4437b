#include "ExistingFile.h"

#include "DarkTitleBar.h"
#include "download/Sha256.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

namespace {

constexpr int ShowAfterMs = 500;

bool userKeeps(QWidget *parent, const QString &path, const QString &sha256)
{
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("Already Downloaded"));
    box.setIcon(QMessageBox::Question);
    box.setText(QStringLiteral("%1 is already there, and its SHA-256 matches the value Microsoft publishes:\n%2\n\n"
                               "Keep it instead of downloading it again?")
                    .arg(path, sha256));
    box.addButton(QStringLiteral("Keep It"), QMessageBox::AcceptRole);
    QPushButton *again = box.addButton(QStringLiteral("Download Again"), QMessageBox::RejectRole);
    applyDarkTitleBar(&box);
    box.exec();
    return box.clickedButton() != again;
}

} // namespace

ExistingFile checkExistingFile(QWidget *parent, const QString &path, const QString &publishedSha256)
{
    if (publishedSha256.isEmpty() || !QFileInfo(path).isFile())
        return ExistingFile::Download;
    QProgressDialog checking(QStringLiteral("Checking the file already there\u2026"), QStringLiteral("Cancel"), 0, 100,
                             parent);
    checking.setWindowTitle(QStringLiteral("Checking"));
    checking.setWindowModality(Qt::WindowModal);
    checking.setMinimumDuration(ShowAfterMs);
    const QString sha256 = sha256OfFile(path, [&checking](qint64 done, qint64 total) {
        checking.setValue(total > 0 ? int(done * 100 / total) : 0);
        return !checking.wasCanceled();
    });
    const bool cancelled = checking.wasCanceled();
    checking.reset();
    if (cancelled)
        return ExistingFile::CheckCancelled;
    if (sha256.compare(publishedSha256, Qt::CaseInsensitive) != 0)
        return ExistingFile::Download;
    return userKeeps(parent, path, sha256) ? ExistingFile::Keep : ExistingFile::Download;
}
