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
