// Writing a file so that a failure never destroys the file that was there:
// the bytes go to a temporary file in the same folder, which is flushed to
// the disk and then renamed over the target.
#pragma once

#include <string>
#include <string_view>

namespace ormix {

// False with the system's reason when the file could not be written or
// replaced; the earlier file, if any, is then untouched.
bool ReplaceFile(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace ormix
