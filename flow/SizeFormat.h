// Texts for sizes, speeds and time left while a download runs.
#pragma once

#include <QString>

// "1.50 GB", "700.00 MB", "2.00 KB", "512 B".
QString formatSize(qint64 bytes);

// "1h 5m", "2m 30s", "45s"; whole seconds left at this speed, 0 without speed.
QString formatTimeLeft(qint64 bytesLeft, double bytesPerSecond);

// "Downloaded: 1.00 GB / 5.40 GB | Speed: 12.00 MB/s | ETA: 6m 7s"
QString downloadStatusLine(qint64 bytesReceived, qint64 bytesTotal, double bytesPerSecond);

// " | 8 connections" while more than one connection brings the file; empty
// otherwise, so that one stream reads as it always did.
QString connectionsText(int busy);
