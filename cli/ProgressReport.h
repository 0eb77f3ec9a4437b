// A download's progress on standard error: on a terminal one line that
// redraws itself, elsewhere (a log, a pipe) a plain line now and then.
#pragma once

#include <QElapsedTimer>
#include <QString>

class ProgressReport final {
public:
    enum class Style { Quiet, Terminal, Lines };
    explicit ProgressReport(Style style);

    // The style for standard error: quiet when asked, else as it is connected.
    static Style styleForStandardError(bool quiet);

    void update(qint64 received, qint64 total, double bytesPerSecond, int connections);
    // A file read back for its SHA-256: `what` says which.
    void checking(const QString &what, qint64 checked, qint64 total);
    // A step of other work, as far as `percent`.
    void step(const QString &what, int percent);
    // Ends the redrawn line before anything else is printed.
    void close();
    // A message of its own line, unless quiet.
    void note(const QString &text);

private:
    void show(const QString &line);

    Style m_style;
    QElapsedTimer m_sinceLine;
    bool m_lineOpen = false;
    int m_lastWidth = 0;
};

// "42% 1.00 GB / 5.40 GB 12.00 MB/s 6m 7s left"
QString progressText(qint64 received, qint64 total, double bytesPerSecond);
