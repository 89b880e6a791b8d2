// The one way a file a person names is read: only a regular file is read
// (a pipe would block the program, a device such as /dev/zero never ends),
// and only up to a size limit, so that no file can hang the program or fill
// its memory.
#pragma once

#include <cstddef>
#include <string>

namespace ormix {

// The most read from a text file a person gives (a scenario, input records,
// a custom oil, a calculator's page): thousands of times what such a file
// holds.
inline constexpr std::size_t kMaxUserFileBytes = 16u << 20;

enum class UserFileStatus {
    Ok,
    Missing,     // no such file
    Folder,      // a folder, not a file
    NotAFile,    // a pipe, a device or a socket
    TooLarge,    // more bytes than the limit
    Unreadable,  // the system refused to open or read it
};

struct UserFileRead {
    UserFileStatus status = UserFileStatus::Ok;
    int err = 0;  // the system's error number of Missing and Unreadable
    bool Ok() const { return status == UserFileStatus::Ok; }
};

// Reads the whole file at `path` into `bytes`. Never blocks on a pipe.
UserFileRead ReadUserFile(const std::string& path, std::string& bytes,
                          std::size_t limit = kMaxUserFileBytes);

// What went wrong, for a message that names the file before it, e.g.
// "is not a regular file (a pipe, a device or a socket), so it was not read".
std::string UserFileProblem(const UserFileRead& read, std::size_t limit = kMaxUserFileBytes);

// "16 MB", "64 MB", "512 KB": a size limit for messages.
std::string SizeText(std::size_t bytes);

}  // namespace ormix
