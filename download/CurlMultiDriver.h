// Runs libcurl transfers from the Qt event loop: libcurl says which sockets
// and which timeout it waits for, Qt watches them, and each event goes back
// to libcurl at once. No polling interval caps the transfer rate.
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

#include <curl/curl.h>

#include <utility>
#include <vector>

class QSocketNotifier;

class CurlMultiDriver final : public QObject {
    Q_OBJECT
public:
    explicit CurlMultiDriver(QObject *parent = nullptr);
    ~CurlMultiDriver() override;

    // Creates the multi handle when needed and lets it run `easy`.
    bool add(CURL *easy);
    // Takes `easy` out; the multi handle keeps its connections for the next.
    void remove(CURL *easy);
    // Drops the multi handle with its connections and socket watches; every
    // easy handle must be out.
    void release();

    // The transfers that libcurl reports finished, with their results.
    std::vector<std::pair<CURL *, CURLcode>> takeFinished();
    // How long libcurl has been at work in the call now running, in
    // nanoseconds; -1 between calls.
    qint64 turnNanoseconds() const;
    // Counts the calls into libcurl.
    quint64 turnSerial() const { return m_turnSerial; }

Q_SIGNALS:
    // libcurl has just worked: data may have moved or a transfer ended.
    void worked();
    // The multi interface itself failed; the transfer cannot go on.
    void failed(const QString &reason);

private:
    struct Watch {
        QSocketNotifier *read = nullptr;
        QSocketNotifier *write = nullptr;
    };

    static int onSocket(CURL *easy, curl_socket_t socket, int what, void *driver, void *);
    static int onTimer(CURLM *multi, long timeoutMs, void *driver);
    void watch(curl_socket_t socket, int what);
    void unwatch(curl_socket_t socket);
    void act(curl_socket_t socket, int events);

    CURLM *m_multi = nullptr;
    QHash<curl_socket_t, Watch> m_watches;
    QTimer m_timeout;
    QElapsedTimer m_turn;
    quint64 m_turnSerial = 0;
};
