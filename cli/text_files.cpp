#include "cli/text_files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace ormix {

bool ReadTextFile(const std::string& path, std::string& text, std::string& error) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = "is a directory, not a file";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    if (in) ss << in.rdbuf();
    if (!in || in.bad()) {
        error = "cannot read the file";
        return false;
    }
    text = ss.str();
    return true;
}

bool WriteTextFile(const std::string& path, const std::string& text, std::string& error) {
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = "cannot write the file";
            return false;
        }
        out << text;
        out.flush();
        if (!out) {
            out.close();
            std::remove(temp.c_str());
            error = "cannot write the file";
            return false;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        error = "cannot write the file";
        return false;
    }
    return true;
}

}  // namespace ormix
