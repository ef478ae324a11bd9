#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace xal::test {

// Whether the action returns, run in a child process that an alarm ends when it hangs,
// so a test of something that must not wait fails instead of waiting itself.
inline bool ReturnsAtOnce(const std::function<void()>& action) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(20);
        action();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return pid > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace xal::test
