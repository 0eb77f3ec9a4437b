#include "LocalActivation.h"

#include "RuntimeFolder.h"

#include <QApplication>
#include <QDir>
#include <QLocalSocket>
#include <QWidget>

namespace platform::linux_ {

namespace {

constexpr int ConnectTimeoutMs = 2000;
constexpr int AnswerTimeoutMs = 5000;
const QByteArray Activated = QByteArrayLiteral("activated\n");
const QByteArray NoWindow = QByteArrayLiteral("no-window\n");

QWidget *findTopLevelWindow(const QString &title)
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        if (widget->isWindow() && widget->windowTitle() == title)
            return widget;
    }
    return nullptr;
}

} // namespace

QString activationServerName(const QString &title)
{
    const QString directory = privateRuntimeFolder();
    return directory.isEmpty() ? QString() : QDir(directory).filePath(title + QStringLiteral(".activation"));
}

bool requestActivation(const QString &title)
{
    const QString name = activationServerName(title);
    if (name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return false;
    socket.write(title.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(ConnectTimeoutMs))
        return false;
    while (!socket.canReadLine() && socket.waitForReadyRead(AnswerTimeoutMs)) { }
    return socket.readLine() == Activated;
}

bool activateOwnWindow(const QString &title)
{
    QWidget *window = findTopLevelWindow(title);
    if (!window)
        return false;
    window->showNormal();
    window->raise();
    window->activateWindow();
    return true;
}

ActivationServer::ActivationServer(const QString &title, QObject *parent)
    : QObject(parent)
{
    const QString name = activationServerName(title);
    if (name.isEmpty())
        return;
    // A crashed first instance leaves its socket file behind; whoever owns
    // the instance lock may take the name over.
    QLocalServer::removeServer(name);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(name);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
        }
    });
}

void ActivationServer::answer(QLocalSocket *socket)
{
    if (!socket->canReadLine())
        return;
    const QString title = QString::fromUtf8(socket->readLine()).trimmed();
    socket->write(activateOwnWindow(title) ? Activated : NoWindow);
    socket->flush();
    socket->disconnectFromServer();
}

} // namespace platform::linux_
