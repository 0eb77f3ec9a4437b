// A lock file instead of a named shared segment: System V segments outlive a
// crashed process, a lock held by a dead process is recognised as stale.
#include "platform/InstanceGuard.h"

#include "LocalActivation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

struct InstanceGuard::Impl {
    explicit Impl(const QString &key)
        : lock(lockPath(key))
    {
    }

    static QString lockPath(const QString &key)
    {
        QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (directory.isEmpty())
            directory = QDir::tempPath();
        return QDir(directory).filePath(key + QStringLiteral(".lock"));
    }

    QLockFile lock;
    std::unique_ptr<platform::linux_::ActivationServer> server;
};

InstanceGuard::InstanceGuard(const QString &key)
    : d(std::make_unique<Impl>(key))
{
}

InstanceGuard::~InstanceGuard()
{
    detach();
}

bool InstanceGuard::attach()
{
    if (d->lock.isLocked())
        return false;
    // Taking the lock here is what the first instance's "create" needs; a
    // stale lock of a crashed instance is removed by tryLock itself.
    return !d->lock.tryLock(0) && d->lock.error() == QLockFile::LockFailedError;
}

void InstanceGuard::create()
{
    if (d->lock.isLocked() || d->lock.tryLock(0))
        d->server = std::make_unique<platform::linux_::ActivationServer>(QCoreApplication::applicationName());
}

bool InstanceGuard::isAttached() const
{
    return d->lock.isLocked();
}

void InstanceGuard::detach()
{
    d->server.reset();
    if (d->lock.isLocked())
        d->lock.unlock();
}
