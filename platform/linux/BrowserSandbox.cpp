// Whether the web engine's renderer sandbox can run: Chromium's namespace
// sandbox, which needs no setuid helper but user namespaces.
#include "platform/Platform.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sched.h>
#include <string>
#include <sys/syscall.h>
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

// Runs in the child, made as the sandbox makes its processes: one clone
// into new user, PID and network namespaces at once (a kernel or a
// security module that restricts unprivileged namespaces refuses it), then
// the user mapped into its namespace.
[[noreturn]] void mapUser(const std::string &uidMap, const std::string &gidMap)
{
    const bool mapped = writeWhole("/proc/self/setgroups", "deny") && writeWhole("/proc/self/uid_map", uidMap)
        && writeWhole("/proc/self/gid_map", gidMap);
    ::_exit(mapped ? 0 : 1);
}

} // namespace

BrowserSandbox browserSandbox()
{
    // Chromium refuses to start a sandboxed renderer as root.
    if (::geteuid() == 0)
        return BrowserSandbox::RunningAsRoot;
    // Made before the clone: the child only makes system calls.
    const std::string uidMap = std::to_string(::geteuid()) + " " + std::to_string(::geteuid()) + " 1";
    const std::string gidMap = std::to_string(::getegid()) + " " + std::to_string(::getegid()) + " 1";
    // Like fork(), with the namespaces: the child runs on a copy of this stack.
    const long child =
        ::syscall(SYS_clone, CLONE_NEWUSER | CLONE_NEWPID | CLONE_NEWNET | SIGCHLD, nullptr, nullptr, nullptr, nullptr);
    if (child < 0)
        return BrowserSandbox::NoUserNamespaces;
    if (child == 0)
        mapUser(uidMap, gidMap);
    int status = 0;
    while (::waitpid(pid_t(child), &status, 0) < 0) {
        if (errno != EINTR)
            return BrowserSandbox::NoUserNamespaces;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? BrowserSandbox::Available : BrowserSandbox::NoUserNamespaces;
}

} // namespace platform
