// Makes sure only one instance of the application runs for the user.
#pragma once

#include <QString>

#include <memory>

class InstanceGuard final {
public:
    explicit InstanceGuard(const QString &key);
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard &) = delete;
    InstanceGuard &operator=(const InstanceGuard &) = delete;

    // True when another running instance owns the key.
    bool attach();
    // Claims the key for this process, which becomes the first instance.
    // Failure is harmless: the process simply runs on as the first instance.
    void create();
    bool isAttached() const;
    void detach();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
