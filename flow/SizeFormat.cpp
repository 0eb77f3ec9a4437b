#include "SizeFormat.h"

#include "download/SpeedMeter.h"

#include <QCoreApplication>

QString formatSize(qint64 bytes)
{
    constexpr double KiB = 1024.0;
    constexpr double MiB = 1048576.0;
    constexpr double GiB = 1073741824.0;
    // The units are the engine's, as in the speed beside them.
    if (bytes >= qint64(GiB))
        return QString::number(double(bytes) / GiB, 'f', 2) + QStringLiteral(" GB");
    if (bytes >= qint64(MiB))
        return QString::number(double(bytes) / MiB, 'f', 2) + QStringLiteral(" MB");
    if (bytes >= qint64(KiB))
        return QString::number(double(bytes) / KiB, 'f', 2) + QStringLiteral(" KB");
    return QString::number(bytes) + QStringLiteral(" B");
}

QString formatTimeLeft(qint64 bytesLeft, double bytesPerSecond)
{
    const qint64 seconds = bytesPerSecond > 0 ? qint64(double(bytesLeft) / bytesPerSecond) : 0;
    if (seconds >= 3600)
        //: Hours and minutes left.
        return QCoreApplication::translate("SizeFormat", "%1h %2m").arg(seconds / 3600).arg(seconds % 3600 / 60);
    if (seconds >= 60)
        //: Minutes and seconds left.
        return QCoreApplication::translate("SizeFormat", "%1m %2s").arg(seconds / 60).arg(seconds % 60);
    //: Seconds left.
    return QCoreApplication::translate("SizeFormat", "%1s").arg(seconds);
}

QString downloadStatusLine(qint64 bytesReceived, qint64 bytesTotal, double bytesPerSecond)
{
    //: %1 of %2 downloaded, at the speed %3, for the time left %4.
    return QCoreApplication::translate("SizeFormat", "Downloaded: %1 / %2 | Speed: %3 | ETA: %4")
        .arg(formatSize(bytesReceived), formatSize(bytesTotal), speedText(bytesPerSecond),
             formatTimeLeft(bytesTotal - bytesReceived, bytesPerSecond));
}

QString connectionsText(int busy)
{
    //: Joins the status line after the speed and the time left.
    return busy > 1 ? QCoreApplication::translate("SizeFormat", " | %n connections", "", busy) : QString();
}
