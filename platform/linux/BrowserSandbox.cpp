// Whether the web engine's renderer sandbox can run: Chromium's namespace
// sandbox, which needs no setuid helper but user namespaces.
#include "platform/Platform.h"

#include <cerrno>
#include <fcntl.h>
#include <sched.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {

namespace {

bool writeWhole(const char *path, const std::string &text)
{
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.data(), text.size()) == ssize_t(text.size());
    ::close(fd);
    return written;
}

// Runs in the child: what the sandbox does at its start. A user namespace
// of its own with the user mapped into it, then the PID and network
// namespaces that need the capabilities the new one gives (a kernel or a
// security module that restricts unprivileged namespaces stops one of them).
[[noreturn]] void makeNamespaces(const std::string &uidMap, const std::string &gidMap)
{
    const bool made = ::unshare(CLONE_NEWUSER) == 0 && writeWhole("/proc/self/setgroups", "deny")
        && writeWhole("/proc/self/uid_map", uidMap) && writeWhole("/proc/self/gid_map", gidMap)
        && ::unshare(CLONE_NEWPID | CLONE_NEWNET) == 0;
    ::_exit(made ? 0 : 1);
}

} // namespace

BrowserSandbox browserSandbox()
{
    // Chromium refuses to start a sandboxed renderer as root.
    if (::geteuid() == 0)
        return BrowserSandbox::RunningAsRoot;
    // Made before the fork: the child only makes system calls.
    const std::string uidMap = std::to_string(::geteuid()) + " " + std::to_string(::geteuid()) + " 1";
    const std::string gidMap = std::to_string(::getegid()) + " " + std::to_string(::getegid()) + " 1";
    const pid_t child = ::fork();
    if (child < 0)
        return BrowserSandbox::NoUserNamespaces;
    if (child == 0)
        makeNamespaces(uidMap, gidMap);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return BrowserSandbox::NoUserNamespaces;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? BrowserSandbox::Available : BrowserSandbox::NoUserNamespaces;
}

} // namespace platform
