#include "core/user_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/file_replace.h"

namespace ormix {

namespace {

UserFileRead Failed(UserFileStatus status, int err = 0) {
    UserFileRead r;
    r.status = status;
    r.err = err;
    return r;
}

}  // namespace

std::string SizeText(std::size_t bytes) {
    if (bytes >= (1u << 20) && bytes % (1u << 20) == 0) return std::to_string(bytes >> 20) + " MB";
    if (bytes >= 1024 && bytes % 1024 == 0) return std::to_string(bytes >> 10) + " KB";
    return std::to_string(bytes) + " bytes";
}

UserFileRead ReadUserFile(const std::string& path, std::string& bytes, std::size_t limit) {
    // Opened without waiting for a writer, so that a pipe is seen for what
    // it is instead of blocking the program.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        int err = errno;
        return Failed(err == ENOENT ? UserFileStatus::Missing : UserFileStatus::Unreadable, err);
    }
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        int err = errno;
        ::close(fd);
        return Failed(UserFileStatus::Unreadable, err);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return Failed(S_ISDIR(st.st_mode) ? UserFileStatus::Folder : UserFileStatus::NotAFile);
    }
    if (st.st_size > 0 && static_cast<unsigned long long>(st.st_size) > limit) {
        ::close(fd);
        return Failed(UserFileStatus::TooLarge);
    }
    std::string text;
    // A file may say it is empty and still hold bytes (some system files),
    // or grow while it is read: the limit holds whatever its size says.
    char chunk[65536];
    for (;;) {
        ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            ::close(fd);
            return Failed(UserFileStatus::Unreadable, err);
        }
        if (n == 0) break;
        if (text.size() + static_cast<std::size_t>(n) > limit) {
            ::close(fd);
            return Failed(UserFileStatus::TooLarge);
        }
        text.append(chunk, static_cast<std::size_t>(n));
    }
    ::close(fd);
    bytes = std::move(text);
    return {};
}

std::string UserFileProblem(const UserFileRead& read, std::size_t limit) {
    switch (read.status) {
        case UserFileStatus::Ok:
            return {};
        case UserFileStatus::Missing:
        case UserFileStatus::Unreadable:
            return "cannot read the file (" + SystemErrorText(read.err) + ")";
        case UserFileStatus::Folder:
            return "is a directory, not a file";
        case UserFileStatus::NotAFile:
            return "is not a regular file (a pipe, a device or a socket), so it was not read";
        case UserFileStatus::TooLarge:
            return "is larger than " + SizeText(limit) +
                   ", the most read from such a file, so it was not read";
    }
    return {};
}

}  // namespace ormix
