// A destination that already holds the file Microsoft publishes need not be
// downloaded again.
#pragma once

#include <QString>

class QWidget;

enum class ExistingFile { Download, Keep, CheckCancelled };

// Checks the file at `path` against `publishedSha256` (with progress, and
// a Cancel), and when it matches asks whether to keep it.
ExistingFile checkExistingFile(QWidget *parent, const QString &path, const QString &publishedSha256);
