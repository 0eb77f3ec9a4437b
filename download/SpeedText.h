#pragma once

#include <QString>

// "512.00 B/s", "1.50 KB/s", "1.00 MB/s".
QString speedText(double bytesPerSecond);
