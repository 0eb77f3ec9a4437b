#include "ProgressReport.h"

#include "Output.h"
#include "download/SpeedMeter.h"
#include "flow/SizeFormat.h"

#include <cstdio>
#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace {

// A log fills slowly enough to read, and still shows that the work goes on.
constexpr qint64 LineEveryMs = 5000;
// A terminal line redraws at most this often.
constexpr qint64 RedrawEveryMs = 200;

} // namespace

QString progressText(qint64 received, qint64 total, double bytesPerSecond)
{
    // Speed and time left once the first second has told them.
    const QString speed = bytesPerSecond > 0 ? QLatin1Char(' ') + speedText(bytesPerSecond) : QString();
    if (total <= 0)
        return formatSize(received) + speed;
    const QString left = bytesPerSecond > 0
        ? QStringLiteral(" %1 left").arg(formatTimeLeft(total - received, bytesPerSecond))
        : QString();
    return QStringLiteral("%1% %2 / %3").arg(received * 100 / total).arg(formatSize(received), formatSize(total))
        + speed + left;
}

ProgressReport::ProgressReport(Style style)
    : m_style(style)
{
}

ProgressReport::Style ProgressReport::styleForStandardError(bool quiet)
{
    if (quiet)
        return Style::Quiet;
    return isatty(fileno(stderr)) ? Style::Terminal : Style::Lines;
}

void ProgressReport::update(qint64 received, qint64 total, double bytesPerSecond, int connections)
{
    show(progressText(received, total, bytesPerSecond) + connectionsText(connections));
}

void ProgressReport::checking(const QString &what, qint64 checked, qint64 total)
{
    show(QStringLiteral("Checking %1\u2026 %2 / %3").arg(what, formatSize(checked), formatSize(total)));
}

void ProgressReport::step(const QString &what, int percent)
{
    show(QStringLiteral("%1\u2026 %2%").arg(what).arg(percent));
}

void ProgressReport::show(const QString &line)
{
    const qint64 every = m_style == Style::Terminal ? RedrawEveryMs : LineEveryMs;
    if (m_style == Style::Quiet || (m_sinceLine.isValid() && m_sinceLine.elapsed() < every))
        return;
    m_sinceLine.start();
    if (m_style == Style::Lines) {
        printError(line);
        return;
    }
    // Spaces wipe what a longer line before left behind.
    printErrorRaw(QLatin1Char('\r') + line.leftJustified(m_lastWidth));
    m_lastWidth = int(line.size());
    m_lineOpen = true;
}

void ProgressReport::close()
{
    if (m_lineOpen)
        printErrorRaw(QStringLiteral("\n"));
    m_lineOpen = false;
    m_lastWidth = 0;
}

void ProgressReport::note(const QString &text)
{
    close();
    if (m_style != Style::Quiet)
        printError(text);
}
