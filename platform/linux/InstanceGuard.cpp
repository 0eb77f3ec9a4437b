// A lock file instead of a named shared segment: System V segments outlive a
// crashed process, a lock held by a dead process is recognised as stale.
#include "platform/InstanceGuard.h"

#include "LocalActivation.h"
#include "RuntimeFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>

#include <optional>

// Without a folder of the user's own there is no guard: every start opens
// a window, which is better than a lock another account could hold.
struct InstanceGuard::Impl {
    explicit Impl(const QString &key)
    {
        const QString folder = platform::linux_::privateRuntimeFolder();
        if (!folder.isEmpty())
            lock.emplace(QDir(folder).filePath(key + QStringLiteral(".lock")));
    }

    bool isLocked() const { return lock && lock->isLocked(); }

    std::optional<QLockFile> lock;
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
    if (!d->lock || d->lock->isLocked())
        return false;
    // Taking the lock here is what the first instance's "create" needs; a
    // stale lock of a crashed instance is removed by tryLock itself.
    return !d->lock->tryLock(0) && d->lock->error() == QLockFile::LockFailedError;
}

void InstanceGuard::create()
{
    if (d->lock && (d->lock->isLocked() || d->lock->tryLock(0)))
        d->server = std::make_unique<platform::linux_::ActivationServer>(QCoreApplication::applicationName());
}

bool InstanceGuard::isAttached() const
{
    return d->isLocked();
}

void InstanceGuard::detach()
{
    d->server.reset();
    if (d->isLocked())
        d->lock->unlock();
}
