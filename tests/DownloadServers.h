// Local servers for the download engine's tests, each a child process of the
// test listening on free loopback ports: a real nginx (tests/servers/nginx_server.py)
// and the scripted fault server (tests/servers/fault_server.py).
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QVector>

// A throwaway nginx serving one directory over plain HTTP and over HTTPS with
// a certificate for 127.0.0.1 and localhost, signed by a test CA made for this
// run (caPath()). It stands for a well-behaved server: ranges, ETags,
// keep-alive and TLS exactly as nginx does them. With untrusted set, a third
// port serves the same files with a self-signed certificate the test CA did
// not sign, for checking that an unknown issuer is refused. The server's own
// certificate and key (serverCertificatePath(), serverKeyPath()) can be handed
// to FaultServer::start() so that both servers are trusted through the same CA.
// The destructor closes the script's stdin, which stops nginx and removes the
// certificates; a script still running after 3 s is killed (nginx follows it).
class NginxServer final {
public:
    NginxServer();
    ~NginxServer();
    NginxServer(const NginxServer &) = delete;
    NginxServer &operator=(const NginxServer &) = delete;

    // Returns once nginx answers on every port; false if it could not start
    // (the reason is on stderr).
    bool start(const QString &rootDir, bool untrusted = false);
    QString httpOrigin() const;
    QString httpsOrigin() const;
    // Empty unless started with untrusted.
    QString untrustedHttpsOrigin() const;
    QString caPath() const;
    QString serverCertificatePath() const;
    QString serverKeyPath() const;

private:
    QProcess m_process;
    int m_httpPort = 0;
    int m_httpsPort = 0;
    int m_untrustedPort = 0;
    QString m_caPath;
};

// The scripted fault server: GET /file/<name>?size=N answers N bytes of a
// fixed pattern (body() gives the same bytes) with correct single ranges,
// until a command makes the next requests fail in a chosen way: cut or reset
// mid-body, stalled, slow, range ignored or answered from another offset,
// an error status, 416, redirects, no Content-Length, chunked, or a
// connection left open after the body; settings hold each connection to a
// rate ("cap"), refuse file requests beyond K at once ("limit") and change
// the file ("version": body() and etag() of that version). /chain/<k>/<name>?size=N redirects k
// times before serving the file and /loop redirects to itself. Commands and
// their answers are described in tests/servers/README.md; command() sends one
// and returns the answer line ("OK <command>" or "ERR <reason>"). Started
// with a certificate and key it speaks HTTPS instead of HTTP. The destructor
// closes its stdin (it stops, closing held connections) and kills it after 3 s.
class FaultServer final {
public:
    struct Request {
        QString method;
        QString path; // with the query, as sent
        QString range; // the Range header; empty when there was none
        bool hasRange = false;
        QString ifRange; // the If-Range header; empty when there was none
        int connection = 0; // the TCP connection it came on: 1, 2, ... since start
    };
    // The server's counts (-1 each when its answer could not be read).
    struct Stats {
        int connections = -1; // TCP connections accepted since start
        int busy = -1; // file requests in progress now
        int peak = -1; // the most of them at once since start or reset()
        int refused = -1; // file requests refused by "limit" since start or reset()
        qint64 sent = -1; // file body bytes sent (at least what was read) since start or reset()
    };

    FaultServer();
    ~FaultServer();
    FaultServer(const FaultServer &) = delete;
    FaultServer &operator=(const FaultServer &) = delete;

    bool start(const QString &certificatePath = QString(), const QString &keyPath = QString());
    // "http://127.0.0.1:<port>", or https when started with a certificate.
    QString origin() const;
    // origin() + "/file/<name>?size=<size>"
    QString fileUrl(const QString &name, qint64 size) const;
    // Sends one command line and waits for its answer; returns the answer
    // (empty when none came within 10 s).
    QString command(const QString &line);
    // Clears every switch and the request list, closes held connections.
    bool reset();
    // Requests received since start or reset(), in arrival order.
    QVector<Request> requests();
    Stats stats();

    // Bytes [offset, offset + length) of every body this server sends while
    // at `version` (0 until "version V"); empty for a negative offset, an
    // offset past 2^50, a length of 1 GiB or more or a version outside 0-255.
    static QByteArray body(qint64 offset, qint64 length, int version = 0);
    // The ETag of a file of `size` bytes at `version`, quotes included.
    static QString etag(qint64 size, int version = 0);

private:
    QProcess m_process;
    int m_port = 0;
    bool m_tls = false;
};
