// What the user is told when a download failed: the engine's facts in words
// that say what happened and what to do.
#pragma once

#include "download/DownloadResult.h"

#include <QString>

QString downloadFailureText(const DownloadResult &result);
