// Telling a user who looks elsewhere that a download has ended.
#pragma once

#include <QString>

class QWidget;

// When `window` is not the active one: a desktop notification where a
// notification service runs (freedesktop, over the session bus), and the
// taskbar's attention mark. Nothing while the user looks at the window.
void noticeCompletion(QWidget *window, const QString &summary, const QString &body);
