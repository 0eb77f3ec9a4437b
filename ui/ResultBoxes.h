// The message boxes that tell the user how a request or a download ended.
#pragma once

#include <QMessageBox>
#include <QString>

struct Refusal;

// A box with one Ok button and the dark title bar where the look is dark.
void showResultBox(QWidget *parent, const QString &title, QMessageBox::Icon icon, const QString &text);

// A download that ended with a file at `path`: the result box, with a
// button that opens the folder holding it.
void showCompletionBox(QWidget *parent, const QString &title, QMessageBox::Icon icon, const QString &text,
                       const QString &path);

// Microsoft refused the request: the page's own text, the message code and
// session id with a button that copies them, and what to do about it. With
// `offerInstallationFiles`, a button that builds the ISO from Microsoft's
// installation files instead; true when it was chosen.
bool showRefusalBox(QWidget *parent, const QString &pageText, const Refusal &refusal, bool offerInstallationFiles);
