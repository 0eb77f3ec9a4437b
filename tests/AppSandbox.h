// The real program as a separate process in a private environment: its own
// state, runtime and working folders, and a download site on which nothing
// answers unless the test says otherwise.
#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

constexpr int StartTimeoutMs = 20000;

class AppSandbox {
public:
    AppSandbox()
    {
        QDir(m_root.path()).mkpath(QStringLiteral("state"));
        QDir(m_root.path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(runtimeDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_environment.insert(QStringLiteral("XDG_STATE_HOME"), stateDir());
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
        m_environment.insert(QStringLiteral("XDG_CACHE_HOME"), cacheDir());
        m_environment.insert(QStringLiteral("TRAVONIX_ORIGIN"), QStringLiteral("http://127.0.0.1:9"));
        m_environment.remove(QStringLiteral("TRAVONIX_DEBUG"));
    }

    QString runtimeDir() const { return m_root.filePath(QStringLiteral("runtime")); }
    QString stateDir() const { return m_root.filePath(QStringLiteral("state")); }
    QString cacheDir() const { return m_root.filePath(QStringLiteral("cache")); }
    // What the processes started from now on get.
    QProcessEnvironment &environment() { return m_environment; }

    std::unique_ptr<QProcess> start(const QString &program = QStringLiteral(TRAVONIX_APP_PATH),
                                    const QString &debug = QString(),
                                    QProcess::ProcessChannelMode channels = QProcess::ForwardedErrorChannel,
                                    const QStringList &arguments = QStringList())
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment environment = m_environment;
        if (!debug.isNull())
            environment.insert(QStringLiteral("TRAVONIX_DEBUG"), debug);
        process->setProcessEnvironment(environment);
        process->setWorkingDirectory(m_root.path());
        process->setProcessChannelMode(channels);
        process->start(program, arguments);
        process->waitForStarted(StartTimeoutMs);
        return process;
    }

    // The first instance listens for activation requests once it is up, in
    // the runtime folder unless the test says where.
    bool waitUntilServing(QProcess &process, QString folder = QString()) const
    {
        folder = folder.isNull() ? runtimeDir() : folder;
        const QString socket = QDir(folder).filePath(QStringLiteral("Travonix.activation"));
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < StartTimeoutMs && process.state() == QProcess::Running) {
            if (QFile::exists(socket) && QDir(folder).entryList({QStringLiteral("*.lock")}).size() == 1)
                return true;
            QTest::qWait(50);
        }
        return false;
    }

    QString logText() const
    {
        QString text;
        for (const QFileInfo &folder : QDir(stateDir()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            for (const QFileInfo &file : QDir(folder.filePath()).entryInfoList(QDir::Files)) {
                QFile log(file.filePath());
                if (log.open(QIODevice::ReadOnly))
                    text += QString::fromUtf8(log.readAll());
            }
        }
        return text;
    }

    QString root() const { return m_root.path(); }

private:
    QTemporaryDir m_root;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
};

inline int count(const QString &text, const QString &pattern)
{
    return int(text.count(QRegularExpression(pattern, QRegularExpression::MultilineOption)));
}

inline bool stopPolitely(QProcess &process)
{
    process.terminate();
    return process.waitForFinished(StartTimeoutMs) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}
