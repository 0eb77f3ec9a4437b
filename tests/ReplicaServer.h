// The vendor-page replica (tests/servers/vendor_replica.py) as a child
// process of the test, listening on a free loopback port.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The most link requests one language choice may cost, however it ends: its
// first round and the round after its one reload, each with its selection
// and the two presses of the page's button the search may add to it.
constexpr int MostLinkRequestsOfAChoice = 2 * (1 + 2);

class ReplicaServer final {
public:
    ReplicaServer();
    ~ReplicaServer();
    ReplicaServer(const ReplicaServer &) = delete;
    ReplicaServer &operator=(const ReplicaServer &) = delete;

    bool start(const QStringList &arguments = QStringList());
    QString origin() const;
    // Sends one command line and waits for its answer; returns the answer.
    QString command(const QString &line);
    int hits();
    // One of the replica's counters: "links" (link requests) or "thirdparty"
    // (fetches of the third-party script's fake links).
    int count(const QString &name);
    // Clears every switch, counter and remembered request.
    bool reset();
    // Page requests seen so far, as "HIT <method> <path> <agent>" lines.
    QStringList pageRequests();

private:
    QString readLine(int timeoutMs);

    QProcess m_process;
    int m_port = 0;
    QStringList m_hitLines;
};
