#include "core/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "core/file_replace.h"

namespace ormix {

FileLock::~FileLock() {
    Release();
}

std::string FileLock::LockPathOf(const std::string& path) {
    return ResolveLinks(path) + ".lock";
}

bool FileLock::Acquire(const std::string& path, std::string& error) {
    Release();
    const std::string lockPath = LockPathOf(path);
    // Never through a link, and never a pipe that would block the open.
    const int flags = O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int fd = ::open(lockPath.c_str(), O_RDWR | flags, 0666);
    if (fd < 0 && errno == EACCES) fd = ::open(lockPath.c_str(), O_RDONLY | flags, 0666);
    if (fd < 0) {
        error = "the lock file " + lockPath + " cannot be opened (" + SystemErrorText(errno) + ")";
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        error = "the lock file " + lockPath + " is not a regular file";
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kWaitSeconds);
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) break;
        const int err = errno;
        if (err == EINTR) continue;
        if (err != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            error = err == EWOULDBLOCK
                        ? "another program has been changing it for more than " +
                              std::to_string(kWaitSeconds) + " seconds (" + lockPath + " is locked)"
                        : "the lock file " + lockPath + " cannot be locked (" +
                              SystemErrorText(err) + ")";
            return false;
        }
        std::this_thread::sleep_for(pause);
        if (pause < std::chrono::milliseconds(50)) pause *= 2;
    }
    fd_ = fd;
    return true;
}

void FileLock::Release() {
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

}  // namespace ormix
