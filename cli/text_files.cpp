#include "cli/text_files.h"

#include "core/file_replace.h"
#include "core/user_file.h"

namespace ormix {

bool ReadTextFile(const std::string& path, std::string& text, std::string& error) {
    UserFileRead read = ReadUserFile(path, text);
    if (read.Ok()) return true;
    error = UserFileProblem(read);
    return false;
}

bool WriteTextFile(const std::string& path, const std::string& text, std::string& error) {
    std::string why;
    if (ReplaceFile(path, text, why)) return true;
    error = "cannot write the file: " + why;
    return false;
}

}  // namespace ormix
