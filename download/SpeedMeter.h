// The once-a-second look at a running transfer: its speed as text, and
// whether it has stalled.
#pragma once

#include <QString>

// "512.00 B/s", "1.50 KB/s", "1.00 MB/s".
QString speedText(double bytesPerSecond);

// No byte since the last sample with data, for longer than the limit.
bool stallDetected(qint64 msSinceLastData, qint64 bytesSinceLastSample, qint64 limitMs);

// How much of the time between two samples counts: never less than none,
// never more than two intervals, so that a clock step or a machine waking
// from sleep is no silence of the network.
qint64 countedGap(qint64 previousMs, qint64 nowMs, qint64 intervalMs);
