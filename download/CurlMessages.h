#pragma once

#include <QString>

#include <curl/curl.h>

// The message the user sees for a transfer that libcurl ended with `code`.
QString curlErrorMessage(CURLcode code);
