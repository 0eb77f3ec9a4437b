#include "CompletionNotice.h"

#include "common/AppIdentity.h"

#include <QApplication>
#include <QWidget>

#ifdef QT_DBUS_LIB
#include <QDBusConnection>
#include <QDBusMessage>
#endif

namespace {

#ifdef QT_DBUS_LIB
constexpr int NoticeShownMs = 10000;

// The freedesktop notification service's Notify call, sent without
// waiting for an answer: a slow service never holds the window, one that
// starts on demand is started by the call, and where none runs the bus
// answers an error nobody waits for.
void notifyDesktop(const QString &summary, const QString &body)
{
    const QString service = QStringLiteral("org.freedesktop.Notifications");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/Notifications"),
                                                       service, QStringLiteral("Notify"));
    call << QString::fromLatin1(AppIdentity::Name) << 0U << QStringLiteral("drive-optical") << summary << body
         << QStringList() << QVariantMap() << NoticeShownMs;
    bus.call(call, QDBus::NoBlock);
}
#else
void notifyDesktop(const QString &, const QString &) { }
#endif

} // namespace

void noticeCompletion(QWidget *window, const QString &summary, const QString &body)
{
    if (window->isActiveWindow())
        return;
    notifyDesktop(summary, body);
    QApplication::alert(window);
}
