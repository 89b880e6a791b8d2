// An exclusive lock that several programs changing the same file take in
// turn: a lock file beside the file, locked as a whole while one of them
// reads, changes and replaces the file.
#pragma once

#include <string>

namespace ormix {

class FileLock {
public:
    // How long Acquire waits for another program to finish.
    static constexpr int kWaitSeconds = 30;

    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Locks the file `path` names (after its links) through the lock file
    // beside it, "<name>.lock", made when missing. Waits while another
    // program holds the lock, at most kWaitSeconds. False with the reason
    // when the lock cannot be had.
    bool Acquire(const std::string& path, std::string& error);
    void Release();
    bool Held() const { return fd_ >= 0; }

    // The lock file of the file `path` names.
    static std::string LockPathOf(const std::string& path);

private:
    int fd_ = -1;
};

}  // namespace ormix
