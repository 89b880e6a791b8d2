#include "core/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <vector>

namespace ormix {

namespace {

constexpr int kMaxLinks = 40;       // as deep as the system itself follows links
constexpr int kNameAttempts = 100;  // unique names tried before giving up

std::string FolderOf(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A name no other writer of this folder uses at the same time: the process,
// a count within it and the clock.
std::string UniqueSuffix() {
    static std::atomic<unsigned> count{0};
    unsigned long long nanos = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    char buf[64];
    std::snprintf(buf, sizeof buf, "%lx.%x.%llx", static_cast<unsigned long>(::getpid()),
                  count.fetch_add(1), nanos & 0xffffffffull);
    return buf;
}

std::string Reason(const char* what, int err) {
    return std::string(what) + " (" + SystemErrorText(err) + ")";
}

}  // namespace

std::string SystemErrorText(int err) {
    return std::strerror(err);
}

std::string ResolveLinks(const std::string& path) {
    std::string current = path;
    for (int depth = 0; depth < kMaxLinks; ++depth) {
        struct stat st;
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::vector<char> buf(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 2);
        ssize_t n = ::readlink(current.c_str(), buf.data(), buf.size() - 1);
        if (n <= 0) return path;
        std::string target(buf.data(), static_cast<std::size_t>(n));
        if (target.front() == '/' || current.find('/') == std::string::npos)
            current = target;
        else
            current = FolderOf(current) + "/" + target;
    }
    return path;  // links in a circle: nothing sensible to follow
}

FileReplacement::~FileReplacement() {
    Abandon();
}

bool FileReplacement::Begin(const std::string& path, std::string& error) {
    Abandon();
    target_ = ResolveLinks(path);
    writeError_ = 0;
    struct stat st;
    bool exists = ::stat(target_.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        error = "it is a folder, not a file";
        return false;
    }
    if (exists && !S_ISREG(st.st_mode)) {
        error = "it is not a regular file (a pipe, a device or a socket), so it is not replaced";
        return false;
    }
    // Created anew under a name nobody else uses, never through a link: a
    // name that exists already, link or file, is passed over.
    const std::string stem = FolderOf(target_) + "/." + NameOf(target_) + ".";
    int fd = -1;
    int err = 0;
    for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt) {
        temp_ = stem + UniqueSuffix();
        fd = ::open(temp_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        err = errno;
        if (fd < 0 && err != EEXIST) break;
    }
    if (fd < 0) {
        temp_.clear();
        error = Reason("no new file can be created in its folder", err);
        return false;
    }
    // The new file keeps the permissions of the one it replaces.
    if (exists) ::fchmod(fd, st.st_mode & 07777);
    stream_ = ::fdopen(fd, "w+b");
    if (!stream_) {
        err = errno;
        ::close(fd);
        ::unlink(temp_.c_str());
        temp_.clear();
        error = Reason("no new file can be created in its folder", err);
        return false;
    }
    return true;
}

bool FileReplacement::Write(std::string_view bytes) {
    if (!stream_) return false;
    if (bytes.empty()) return writeError_ == 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size()) {
        NoteWriteError(errno);
        return false;
    }
    return writeError_ == 0;
}

void FileReplacement::NoteWriteError(int err) {
    if (writeError_ == 0) writeError_ = err != 0 ? err : EIO;
}

bool FileReplacement::Commit(std::string& error) {
    if (!stream_) {
        error = "the file was not written";
        return false;
    }
    errno = 0;
    bool ok = std::fflush(stream_) == 0 && !std::ferror(stream_) && writeError_ == 0;
    if (!ok) NoteWriteError(errno);
    if (ok && ::fsync(::fileno(stream_)) != 0) {
        ok = false;
        NoteWriteError(errno);
    }
    if (std::fclose(stream_) != 0 && ok) {
        ok = false;
        NoteWriteError(errno);
    }
    stream_ = nullptr;
    if (!ok) {
        ::unlink(temp_.c_str());
        temp_.clear();
        error = Reason("the file could not be written", writeError_);
        return false;
    }
    if (::rename(temp_.c_str(), target_.c_str()) != 0) {
        int err = errno;
        ::unlink(temp_.c_str());
        temp_.clear();
        error = Reason("the file could not be replaced", err);
        return false;
    }
    temp_.clear();
    // The rename reaches the disk with its folder.
    int dirFd = ::open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

void FileReplacement::Abandon() {
    if (stream_) std::fclose(stream_);
    stream_ = nullptr;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

bool ReplaceFile(const std::string& path, std::string_view bytes, std::string& error) {
    FileReplacement replacement;
    if (!replacement.Begin(path, error)) return false;
    replacement.Write(bytes);
    return replacement.Commit(error);
}

}  // namespace ormix
