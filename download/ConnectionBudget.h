// How many connections a file may use right now, and when a broken one may
// be tried again. A server that refuses a connection (503, 429, a
// connection closed or reset before any answer while others are busy)
// takes no more than it has: the budget drops to the connections it serves.
// A connection that breaks (a reset midway, a body that ends early, a
// timeout) says nothing about the server's limit: its range is tried again
// after a short back-off that doubles with each break in a row, and the
// budget stays. Once refusals stop, the budget climbs back one connection
// at a time, each after a few pieces completed without a refusal; every
// refusal doubles that wait. Bytes arriving end a run of breaks; too many
// connections in a row that broke without bringing a byte give the
// download up.
#pragma once

#include <QtGlobal>

class ConnectionBudget final {
public:
    // `ceiling`: the most connections the file may ever use (at least 1).
    explicit ConnectionBudget(int ceiling = 1);

    int ceiling() const { return m_ceiling; }
    int allowed() const { return m_allowed; }
    // No more than one connection from now on (the server's ranges do not
    // say the file's length).
    void limitToOne();

    // A connection was refused while `busy` others were served.
    void refused(int busy);
    // A piece of the file is complete.
    void pieceDone();
    // A connection broke at `nowMs`, after bringing bytes or before any.
    void broke(qint64 nowMs, bool broughtBytes);
    // Bytes arrived: the breaks before them are forgiven.
    void brought();
    // No new connection starts before this (0: any time).
    qint64 retryAtMs() const { return m_retryAtMs; }
    bool givesUp() const { return m_breaks >= MostBreaksInARow; }

    static constexpr int MostBreaksInARow = 5;
    static constexpr qint64 FirstBackoffMs = 200;

private:
    int m_ceiling;
    int m_allowed;
    int m_quietPieces = 0;
    int m_quietPiecesNeeded = 1;
    int m_breaks = 0;
    qint64 m_retryAtMs = 0;
};
