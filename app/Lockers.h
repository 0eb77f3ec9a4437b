// Process-wide lock classes.
#pragma once

#include <mutex>

class none_copyable {
public:
    none_copyable() = default;
    virtual ~none_copyable() = default;
    none_copyable(const none_copyable &) = delete;
    none_copyable &operator=(const none_copyable &) = delete;
};

// One recursive lock for its whole life, as a critical section is.
class CCriticalLocker {
public:
    void lock() { m_mutex.lock(); }
    void unlock() { m_mutex.unlock(); }

private:
    std::recursive_mutex m_mutex;
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
