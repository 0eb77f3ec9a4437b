#include "IsoWriter.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

constexpr int PollMilliseconds = 100;
constexpr int ErrorTextLength = 600;

QStringList bootArguments(const IsoLayout &layout)
{
    const QStringList uefi = QStringLiteral("-b %1 -no-emul-boot").arg(UefiBootFile).split(QLatin1Char(' '));
    if (!layout.biosBoot)
        return uefi;
    return QStringLiteral("-b %1 -no-emul-boot -boot-load-size 8 -eltorito-alt-boot")
               .arg(BiosBootFile)
               .split(QLatin1Char(' '))
        + uefi;
}

// What the writer says on stderr: its last words, for an error, and its
// "NN.NN% done" lines, read whole.
struct WriterOutput {
    QString tail;
    QString unfinishedLine;

    // The last fraction done in the lines `text` completes.
    std::optional<double> take(const QByteArray &text)
    {
        static const QRegularExpression done(QStringLiteral("(\\d{1,3}(?:\\.\\d+)?)% done"));
        const QString said = QString::fromLocal8Bit(text);
        tail = (tail + said).right(ErrorTextLength);
        const QStringList lines = (unfinishedLine + said).split(QLatin1Char('\n'));
        unfinishedLine = lines.last().right(ErrorTextLength);
        std::optional<double> fraction;
        for (int line = 0; line + 1 < lines.size(); ++line) {
            const QRegularExpressionMatch match = done.match(lines[line]);
            if (match.hasMatch())
                fraction = match.captured(1).toDouble() / 100.0;
        }
        return fraction;
    }
};

IsoWriterRun failed(const QString &error)
{
    return IsoWriterRun{IsoWriterEnd::Failed, error};
}

} // namespace

QStringList isoWriterArguments(const IsoLayout &layout)
{
    // UDF beside ISO 9660 level 3 and Joliet, with long and relaxed names;
    // folders deeper than ISO 9660's eight levels are kept (-D), not dropped.
    const QStringList filesystems =
        QStringLiteral("-udf -allow-limited-size -iso-level 3 -D -J -joliet-long -relaxed-filenames")
            .split(QLatin1Char(' '));
    const QStringList hiddenCatalog =
        QStringLiteral("-c boot.catalog -hide boot.catalog -hide-joliet boot.catalog").split(QLatin1Char(' '));
    return filesystems + hiddenCatalog + QStringList{QStringLiteral("-V"), layout.volumeLabel} + bootArguments(layout)
        + QStringList{QStringLiteral("-o"), layout.isoPath, layout.treePath};
}

IsoWriterRun runIsoWriter(const QString &program, const IsoLayout &layout, const std::atomic_bool &cancelled,
                          const std::function<void(double fraction)> &done)
{
    QProcess writer;
    writer.setStandardOutputFile(QProcess::nullDevice());
    writer.start(program, isoWriterArguments(layout));
    if (!writer.waitForStarted())
        return failed(QStringLiteral("%1 could not be started (%2); install the package genisoimage")
                          .arg(program, writer.errorString()));
    WriterOutput output;
    while (writer.state() != QProcess::NotRunning) {
        writer.waitForFinished(PollMilliseconds);
        if (const std::optional<double> fraction = output.take(writer.readAllStandardError()))
            done(*fraction);
        if (cancelled.load()) {
            writer.kill();
            writer.waitForFinished();
            return IsoWriterRun{IsoWriterEnd::Cancelled, {}};
        }
    }
    output.take(writer.readAllStandardError());
    if (writer.exitStatus() != QProcess::NormalExit || writer.exitCode() != 0)
        return failed(QStringLiteral("%1 failed: %2").arg(program, output.tail.trimmed()));
    return IsoWriterRun{IsoWriterEnd::Written, {}};
}
