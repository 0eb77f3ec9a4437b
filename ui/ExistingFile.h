// A destination that already holds the file Microsoft publishes need not be
// downloaded again.
#pragma once

#include <QString>

#include <functional>

class QWidget;

enum class ExistingFile { Download, Keep, CheckCancelled };

// Checks the file at `path` against `publishedSha256` on a worker thread,
// with progress and a Cancel, and when it matches asks whether to keep it.
// `then` hears the outcome on `parent`'s thread, and never once `parent` is
// gone; the check then stops on its own.
void checkExistingFile(QWidget *parent, const QString &path, const QString &publishedSha256,
                       std::function<void(ExistingFile)> then);
