#include "ResultBoxes.h"

#include "DarkTitleBar.h"
#include "flow/PageFailure.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>
#include <QUrl>

namespace {

void prepare(QMessageBox &box, const QString &title, QMessageBox::Icon icon)
{
    box.setWindowTitle(title);
    box.setIcon(icon);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowFlags(box.windowFlags() & ~Qt::WindowContextHelpButtonHint);
    applyDarkTitleBar(&box);
}

} // namespace

void showResultBox(QWidget *parent, const QString &title, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(parent);
    prepare(box, title, icon);
    box.setText(text);
    box.exec();
}

void showCompletionBox(QWidget *parent, const QString &title, QMessageBox::Icon icon, const QString &text,
                       const QString &path)
{
    QMessageBox box(parent);
    prepare(box, title, icon);
    box.setText(text);
    QPushButton *show =
        box.addButton(QCoreApplication::translate("ResultBoxes", "Show in Folder"), QMessageBox::ActionRole);
    show->setObjectName(QStringLiteral("showInFolderButton"));
    box.exec();
    if (box.clickedButton() == show)
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
}

bool showRefusalBox(QWidget *parent, const QString &pageText, const Refusal &refusal, bool offerInstallationFiles)
{
    QMessageBox box(parent);
    prepare(box, QCoreApplication::translate("ResultBoxes", "Microsoft Refused the Request"), QMessageBox::Warning);
    // The page's text is shown as it is, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(pageText);
    box.setInformativeText(refusalAdvice(refusal));
    QPushButton *copy =
        box.addButton(QCoreApplication::translate("ResultBoxes", "Copy Code and Session ID"), QMessageBox::ActionRole);
    copy->setObjectName(QStringLiteral("copyReferenceButton"));
    // Copying leaves the box open: only Ok closes it.
    QObject::disconnect(copy, &QPushButton::clicked, nullptr, nullptr);
    QObject::connect(copy, &QPushButton::clicked, &box,
                     [refusal] { QGuiApplication::clipboard()->setText(refusalReference(refusal)); });
    QPushButton *build = nullptr;
    if (offerInstallationFiles) {
        build = box.addButton(QCoreApplication::translate("ResultBoxes",
                                                          "Build the ISO from Microsoft's installation files instead"),
                              QMessageBox::AcceptRole);
        build->setObjectName(QStringLiteral("buildFromInstallationFilesButton"));
    }
    box.exec();
    return build && box.clickedButton() == build;
}
