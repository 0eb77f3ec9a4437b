// A named one-byte segment: Windows removes it when its last handle closes,
// so a crashed first instance never blocks the next start.
#include "platform/InstanceGuard.h"

#include <QSharedMemory>

struct InstanceGuard::Impl {
    explicit Impl(const QString &key)
        : segment(key)
    {
    }
    QSharedMemory segment;
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
    return d->segment.attach(QSharedMemory::ReadWrite);
}

void InstanceGuard::create()
{
    d->segment.create(1, QSharedMemory::ReadWrite);
}

bool InstanceGuard::isAttached() const
{
    return d->segment.isAttached();
}

void InstanceGuard::detach()
{
    if (d->segment.isAttached())
        d->segment.detach();
}
