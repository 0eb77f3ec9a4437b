#include "DownloadManager.h"

DownloadManager::DownloadManager(QObject *parent)
    : QObject(parent)
{
}

void DownloadManager::cancelDownload()
{
    // No transfer can run before the transfer engine is in place.
}
