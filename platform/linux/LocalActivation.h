// Linux stand-in for finding another process's window: the first instance
// listens on a per-user local socket, and a later start asks it to bring
// its window with a given title forward.
#pragma once

#include <QLocalServer>
#include <QString>

namespace platform::linux_ {

// Per-user socket path for the windows of an application titled `title`;
// empty when the user has no private folder for it.
QString activationServerName(const QString &title);

// Asks the first instance to restore, raise and activate its window titled
// `title`. Blocks for a few seconds at most; false when nobody answered yes.
bool requestActivation(const QString &title);

// Serves activation requests for the windows of this process.
class ActivationServer final : public QObject {
public:
    explicit ActivationServer(const QString &title, QObject *parent = nullptr);
    bool isListening() const { return m_server.isListening(); }

private:
    void answer(class QLocalSocket *socket);

    QLocalServer m_server;
};

// Restores `title`'s top-level window of this process to its normal
// placement, raises it and activates it. False when there is none yet.
bool activateOwnWindow(const QString &title);

} // namespace platform::linux_
