// Process-wide lock classes.
#pragma once

#include "platform/Platform.h"

class none_copyable {
public:
    none_copyable() = default;
    virtual ~none_copyable() = default;
    none_copyable(const none_copyable &) = delete;
    none_copyable &operator=(const none_copyable &) = delete;
};

// Owns one critical section for its whole life.
class CCriticalLocker {
public:
    void lock() { m_section.enter(); }
    void unlock() { m_section.leave(); }

private:
    platform::CriticalSection m_section;
};

// Holds a lock for the lifetime of a scope.
template <typename LockerPointer> class CAutoLocker : public none_copyable {
public:
    explicit CAutoLocker(LockerPointer locker)
        : m_locker(locker)
    {
        if (m_locker)
            m_locker->lock();
    }
    ~CAutoLocker() override
    {
        if (m_locker)
            m_locker->unlock();
    }

private:
    LockerPointer m_locker;
};
