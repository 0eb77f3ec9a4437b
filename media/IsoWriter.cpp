#include "IsoWriter.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

constexpr int PollMilliseconds = 100;
constexpr int ErrorTextLength = 600;

QStringList bootArguments(const IsoLayout &layout)
{
    const QStringList uefi{QStringLiteral("-b"), UefiBootFile, QStringLiteral("-no-emul-boot")};
    if (!layout.biosBoot)
        return uefi;
    return QStringList{QStringLiteral("-b"),
                       BiosBootFile,
                       QStringLiteral("-no-emul-boot"),
                       QStringLiteral("-boot-load-size"),
                       QStringLiteral("8"),
                       QStringLiteral("-eltorito-alt-boot")}
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
    const QString catalog = QStringLiteral("boot.catalog");
    return QStringList{QStringLiteral("-udf"), QStringLiteral("-allow-limited-size"), QStringLiteral("-iso-level"),
                       QStringLiteral("3"),
                       // Folders deeper than ISO 9660's eight levels are kept, not dropped.
                       QStringLiteral("-D"), QStringLiteral("-J"), QStringLiteral("-joliet-long"),
                       QStringLiteral("-relaxed-filenames"), QStringLiteral("-V"), layout.volumeLabel,
                       QStringLiteral("-c"), catalog, QStringLiteral("-hide"), catalog, QStringLiteral("-hide-joliet"),
                       catalog}
    + bootArguments(layout) + QStringList{QStringLiteral("-o"), layout.isoPath, layout.treePath};
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
