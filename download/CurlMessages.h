// The engine's own fixed words for a failed download: libcurl's codes, and
// the texts its error signal carries.
#pragma once

#include "DownloadResult.h"

#include <QString>

#include <curl/curl.h>

// The message for a transfer that libcurl ended with `code`.
QString curlErrorMessage(CURLcode code);

// The text of the engine's error signal for a failed download.
QString engineErrorText(const DownloadResult &result);
