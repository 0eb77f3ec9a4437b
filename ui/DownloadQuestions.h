// The questions the window asks before it lets go of downloaded bytes.
#pragma once

#include <QString>

class QWidget;

// Closing the window while a file downloads.
enum class CloseAnswer { KeepPart, DiscardPart, KeepDownloading };
CloseAnswer askOnClose(QWidget *parent, const QString &progressText);

// Cancel with much already downloaded.
enum class CancelAnswer { Discard, Pause, KeepDownloading };
CancelAnswer askOnCancel(QWidget *parent, const QString &progressText);

// A part of the chosen file, left by an earlier download, is beside the destination.
enum class PartAnswer { Continue, StartOver, Cancel };
PartAnswer askAboutEarlierPart(QWidget *parent, const QString &partName, const QString &progressText);
