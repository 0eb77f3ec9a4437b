#include "DownloadQuestions.h"

#include "DarkTitleBar.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

const char Context[] = "DownloadQuestions";

template <typename Answer> struct Choice {
    const char *objectName;
    QString text;
    QMessageBox::ButtonRole role;
    Answer answer;
};

// A question box whose buttons name what they do. Enter gives the choice
// that keeps the bytes; Escape and the title bar's close give the last
// one, which changes nothing.
template <typename Answer>
Answer ask(QWidget *parent, const QString &title, const QString &text, const std::vector<Choice<Answer>> &choices)
{
    Q_ASSERT(!choices.empty());
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setIcon(QMessageBox::Question);
    box.setText(text);
    box.setWindowFlags(box.windowFlags() & ~Qt::WindowContextHelpButtonHint);
    std::vector<std::pair<QAbstractButton *, Answer>> buttons;
    for (const Choice<Answer> &choice : choices) {
        QPushButton *button = box.addButton(choice.text, choice.role);
        button->setObjectName(QLatin1String(choice.objectName));
        buttons.emplace_back(button, choice.answer);
    }
    const auto keeping = std::find_if(choices.cbegin(), choices.cend(), [](const Choice<Answer> &choice) {
        return choice.role == QMessageBox::AcceptRole;
    });
    Q_ASSERT(keeping != choices.cend());
    box.setDefaultButton(qobject_cast<QPushButton *>(buttons.at(std::size_t(keeping - choices.cbegin())).first));
    box.setEscapeButton(buttons.back().first);
    applyDarkTitleBar(&box);
    box.exec();
    for (const auto &[button, answer] : buttons) {
        if (box.clickedButton() == button)
            return answer;
    }
    return buttons.back().second;
}

} // namespace

CloseAnswer askOnClose(QWidget *parent, const QString &progressText)
{
    return ask<CloseAnswer>(
        parent, QCoreApplication::translate(Context, "Download in Progress"),
        QCoreApplication::translate(Context,
                                    "The ISO is still downloading (%1).\n\nKeep the part to continue it "
                                    "later, discard it, or keep downloading?")
            .arg(progressText),
        {{"keepPartButton", QCoreApplication::translate(Context, "Keep the Part"), QMessageBox::AcceptRole,
          CloseAnswer::KeepPart},
         {"discardPartButton", QCoreApplication::translate(Context, "Discard It"), QMessageBox::DestructiveRole,
          CloseAnswer::DiscardPart},
         {"keepDownloadingButton", QCoreApplication::translate(Context, "Keep Downloading"), QMessageBox::RejectRole,
          CloseAnswer::KeepDownloading}});
}

CancelAnswer askOnCancel(QWidget *parent, const QString &progressText)
{
    return ask<CancelAnswer>(
        parent, QCoreApplication::translate(Context, "Cancel Download"),
        QCoreApplication::translate(Context,
                                    "%1 of the ISO are downloaded.\n\nDiscard them, or pause and keep "
                                    "them to continue later?")
            .arg(progressText),
        {{"discardPartButton", QCoreApplication::translate(Context, "Discard"), QMessageBox::DestructiveRole,
          CancelAnswer::Discard},
         {"pauseInsteadButton", QCoreApplication::translate(Context, "Pause"), QMessageBox::AcceptRole,
          CancelAnswer::Pause},
         {"keepDownloadingButton", QCoreApplication::translate(Context, "Keep Downloading"), QMessageBox::RejectRole,
          CancelAnswer::KeepDownloading}});
}

PartAnswer askAboutEarlierPart(QWidget *parent, const QString &partName, const QString &progressText)
{
    return ask<PartAnswer>(
        parent, QCoreApplication::translate(Context, "Continue Download"),
        QCoreApplication::translate(Context,
                                    "An earlier download of this ISO left %1 in %2.\n\nContinue where it "
                                    "stopped, or start over?")
            .arg(progressText, partName),
        {{"continuePartButton", QCoreApplication::translate(Context, "Continue"), QMessageBox::AcceptRole,
          PartAnswer::Continue},
         {"startOverButton", QCoreApplication::translate(Context, "Start Over"), QMessageBox::DestructiveRole,
          PartAnswer::StartOver},
         {"cancelPartButton", QCoreApplication::translate(Context, "Cancel"), QMessageBox::RejectRole,
          PartAnswer::Cancel}});
}
