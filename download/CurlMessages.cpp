#include "CurlMessages.h"

QString curlErrorMessage(CURLcode code)
{
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return QStringLiteral("Cannot resolve host. Check your internet connection.");
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("Cannot connect to server. Network may be disconnected.");
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("Connection timed out. Network may be slow or disconnected.");
    case CURLE_GOT_NOTHING:
        return QStringLiteral("Server closed connection. Network may be disconnected.");
    case CURLE_SEND_ERROR:
        return QStringLiteral("Failed to send request. Network may be disconnected.");
    case CURLE_RECV_ERROR:
        return QStringLiteral("Failed to receive data. Network may be disconnected.");
    case CURLE_UNSUPPORTED_PROTOCOL:
        return QStringLiteral("The server sent the download on to an insecure or unsupported address, so it was "
                              "stopped.");
    case CURLE_PEER_FAILED_VERIFICATION:
        return QStringLiteral("The server's certificate could not be verified, so the download was refused.");
    default:
        return QStringLiteral("Download error: %1").arg(QString::fromUtf8(curl_easy_strerror(code)));
    }
}

QString engineErrorText(const DownloadResult &result)
{
    switch (result.outcome) {
    case DownloadOutcome::CannotCreatePart:
        return QStringLiteral("Cannot create file: %1").arg(result.path);
    case DownloadOutcome::PartBusy:
        return QStringLiteral("Another download of this file is running");
    case DownloadOutcome::CurlInitFailed:
        return QStringLiteral("Failed to initialize CURL");
    case DownloadOutcome::HttpError:
        return QStringLiteral("HTTP error: %1").arg(result.httpStatus);
    case DownloadOutcome::Stalled:
        return QStringLiteral("Network disconnected or timeout");
    case DownloadOutcome::TransferFailed:
        if (!result.detail.isEmpty())
            return QStringLiteral("Download failed: %1").arg(result.detail);
        return curlErrorMessage(CURLcode(result.curlCode));
    case DownloadOutcome::SchemeRefused:
        return curlErrorMessage(CURLE_UNSUPPORTED_PROTOCOL);
    case DownloadOutcome::DestinationRefused:
        return QStringLiteral("The file name holds control characters");
    case DownloadOutcome::WrongPart:
        return curlErrorMessage(CURLE_RANGE_ERROR);
    case DownloadOutcome::EndedEarly:
        return QStringLiteral("The server ended the transfer early");
    case DownloadOutcome::TooLong:
        return QStringLiteral("The server sent more than the file holds, so the download was stopped.");
    default:
        return curlErrorMessage(CURLE_WRITE_ERROR);
    }
}
