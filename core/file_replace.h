// The one way a person's file is written: the new bytes go to a file of a
// unique name in the same folder, created without following any link, which
// is flushed to the disk and then renamed over the file. A failure at any
// point leaves the earlier file exactly as it was.
//
// A file that is itself a symbolic link stays a link: the file it names (at
// the end of a chain of links, even one not there yet) is the one replaced.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace ormix {

// The path of the file `path` finally names: every symbolic link at its end
// followed, whether or not the last one points to an existing file. Folders
// on the way are left as they are. `path` itself when it is not a link, or
// when the links go round in a circle or too deep.
std::string ResolveLinks(const std::string& path);

// The text of a system error number, for messages.
std::string SystemErrorText(int err);

// A replacement in progress. Begin, write through Stream() (or Write), then
// Commit; a replacement dropped without Commit removes its temporary file.
class FileReplacement {
public:
    FileReplacement() = default;
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Creates the new file beside the file `path` names. False with the
    // reason when it cannot be made.
    bool Begin(const std::string& path, std::string& error);
    bool Active() const { return stream_ != nullptr; }
    // Where the bytes go until Commit; owned by the replacement.
    std::FILE* Stream() const { return stream_; }
    // Writes bytes; false once any write has failed.
    bool Write(std::string_view bytes);
    // Keeps the reason of a write that failed through Stream() (its errno),
    // for the message of Commit; the first one counts.
    void NoteWriteError(int err);
    // Flushes the new file to the disk and puts it in the file's place.
    // False with the reason when that fails; the earlier file is then as it
    // was and the new one is gone.
    bool Commit(std::string& error);
    // Drops the new file; the earlier file is as it was.
    void Abandon();

    // The file being replaced (after its links).
    const std::string& Target() const { return target_; }

private:
    std::string target_;
    std::string temp_;
    std::FILE* stream_ = nullptr;
    int writeError_ = 0;
};

// Replaces the file at `path` with `bytes`. False with the system's reason
// when it could not be written or replaced; the earlier file, if any, is
// then untouched.
bool ReplaceFile(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace ormix
