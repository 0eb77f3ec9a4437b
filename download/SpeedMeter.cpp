#include "SpeedMeter.h"

QString speedText(double bytesPerSecond)
{
    constexpr double KiB = 1024.0;
    constexpr double MiB = 1048576.0;
    if (bytesPerSecond >= MiB)
        return QString::number(bytesPerSecond / MiB, 'f', 2) + QStringLiteral(" MB/s");
    if (bytesPerSecond >= KiB)
        return QString::number(bytesPerSecond / KiB, 'f', 2) + QStringLiteral(" KB/s");
    return QString::number(bytesPerSecond, 'f', 2) + QStringLiteral(" B/s");
}

qint64 countedGap(qint64 previousMs, qint64 nowMs, qint64 intervalMs)
{
    return qBound<qint64>(0, nowMs - previousMs, 2 * intervalMs);
}

bool stallDetected(qint64 msSinceLastData, qint64 bytesSinceLastSample, qint64 limitMs)
{
    return msSinceLastData > limitMs && bytesSinceLastSample == 0;
}
