// Running part of a test in a child process: for what must not touch the
// test program itself (a limit on the size of files written, a read that
// could block for ever, several writers at once).
#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace ormix::testing {

struct ChildResult {
    bool finished = false;  // ended by itself, within its time
    std::string text;       // what the body returned
};

struct ChildLimits {
    unsigned seconds = 30;     // killed after this long (a hang fails the test)
    long long fileBytes = -1;  // writes beyond this size fail (EFBIG), when set
};

struct Child {
    pid_t pid = -1;
    int fd = -1;  // what the body returns comes through this pipe
};

// Starts `body` in a child process; FinishChild waits for it.
inline Child StartChild(const std::function<std::string()>& body, ChildLimits limits = {}) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return {};
    pid_t pid = ::fork();
    if (pid < 0) return {};
    if (pid == 0) {
        ::close(pipeFds[0]);
        ::alarm(limits.seconds);
        if (limits.fileBytes >= 0) {
            ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
            struct rlimit rl;
            rl.rlim_cur = rl.rlim_max = static_cast<rlim_t>(limits.fileBytes);
            ::setrlimit(RLIMIT_FSIZE, &rl);
        }
        std::string text = body();
        size_t done = 0;
        while (done < text.size()) {
            ssize_t n = ::write(pipeFds[1], text.data() + done, text.size() - done);
            if (n <= 0) break;
            done += static_cast<size_t>(n);
        }
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    return {pid, pipeFds[0]};
}

inline ChildResult FinishChild(const Child& child) {
    ChildResult result;
    if (child.pid < 0) return result;
    char buf[4096];
    ssize_t n;
    while ((n = ::read(child.fd, buf, sizeof buf)) > 0)
        result.text.append(buf, static_cast<size_t>(n));
    ::close(child.fd);
    int status = 0;
    ::waitpid(child.pid, &status, 0);
    result.finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}

// Runs `body` in a child process and hands back the text it returns.
inline ChildResult InChild(const std::function<std::string()>& body, ChildLimits limits = {}) {
    return FinishChild(StartChild(body, limits));
}

}  // namespace ormix::testing
