// A destination that already holds the file Microsoft publishes need not be
// downloaded again.
#pragma once

#include "common/DigestAlgorithm.h"

#include <QString>

#include <functional>

class QWidget;

// Download: nothing there, or the user would rather download the file
// again; Differs: something there that is not known to be the file
// published (no value to check it against, another digest, a folder, a
// link that leads nowhere).
enum class ExistingFile { Download, Differs, Keep, CheckCancelled };

// Checks the file at `path` against `published` on a worker thread, with
// progress and a Cancel, and when it matches asks whether to keep it.
// `then` hears the outcome on `parent`'s thread, and never once `parent` is
// gone; the check then stops on its own.
void checkExistingFile(QWidget *parent, const QString &path, DigestAlgorithm algorithm, const QString &published,
                       std::function<void(ExistingFile)> then);
