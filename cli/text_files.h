// Whole text files in and out for the commands, with a message on failure.
#pragma once

#include <string>

namespace ormix {

bool ReadTextFile(const std::string& path, std::string& text, std::string& error);

// Writes through a temporary file beside `path` and renames it, so a failed
// write never leaves a truncated file in place of an earlier one.
bool WriteTextFile(const std::string& path, const std::string& text, std::string& error);

}  // namespace ormix
