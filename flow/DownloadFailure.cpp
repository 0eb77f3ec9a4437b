#include "DownloadFailure.h"

#include "download/CurlMessages.h"
#include "platform/Platform.h"

#include <QCoreApplication>

#include <cerrno>

namespace {

QString systemErrorText(quint32 error)
{
    return QString::fromStdWString(platform::errorText(error));
}

QString writeFailureText(const DownloadResult &result)
{
    if (result.systemError == ENOSPC || result.systemError == 0)
        return QCoreApplication::translate(
                   "DownloadFailure",
                   "Not enough disk space for %1. Free some space and start the download again to "
                   "continue where it stopped.")
            .arg(result.path);
    return QCoreApplication::translate("DownloadFailure", "Cannot write to %1: %2")
        .arg(result.path, systemErrorText(result.systemError));
}

} // namespace

QString downloadFailureText(const DownloadResult &result)
{
    switch (result.outcome) {
    case DownloadOutcome::SchemeRefused:
        //: %1 is the scheme allowed (https), %2 the link.
        return QCoreApplication::translate("DownloadFailure",
                                           "Only %1 links can be downloaded, and this one is not: %2")
            .arg(result.detail, result.path);
    case DownloadOutcome::DestinationRefused:
        return QCoreApplication::translate(
                   "DownloadFailure",
                   "The file name %1 holds control characters, which no file should have; choose "
                   "another name.")
            .arg(result.path);
    case DownloadOutcome::WriteFailed:
        return writeFailureText(result);
    case DownloadOutcome::PartGone:
        return QCoreApplication::translate("DownloadFailure", "The downloaded data is gone: %1").arg(result.path);
    case DownloadOutcome::MoveFailed:
        return QCoreApplication::translate("DownloadFailure", "Cannot move the download to %1: %2")
            .arg(result.path, systemErrorText(result.systemError));
    case DownloadOutcome::WrongPart:
        return QCoreApplication::translate("DownloadFailure", "The server keeps sending the wrong part of the file.");
    case DownloadOutcome::PartBusy:
        return QCoreApplication::translate(
                   "DownloadFailure",
                   "Another download of this file is running, and %1 is in use by it. Let that one "
                   "finish, or stop it and start again.")
            .arg(result.path);
    case DownloadOutcome::CannotCreatePart:
        if (result.systemError == 0)
            return engineErrorText(result);
        return QCoreApplication::translate("DownloadFailure", "Cannot create file: %1: %2")
            .arg(result.path, systemErrorText(result.systemError));
    default:
        return engineErrorText(result);
    }
}
