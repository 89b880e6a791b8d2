// Whole text files in and out for the commands, with a message on failure.
#pragma once

#include <string>

namespace ormix {

// Reads a file a person named: a regular file of at most 16 MB (a pipe or
// a device is refused, never waited on). `error` says what is wrong.
bool ReadTextFile(const std::string& path, std::string& text, std::string& error);

// Replaces `path` through a new file beside it, so a failed write never
// leaves a truncated file in place of an earlier one.
bool WriteTextFile(const std::string& path, const std::string& text, std::string& error);

}  // namespace ormix
