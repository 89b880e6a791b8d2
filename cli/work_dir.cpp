#include "cli/work_dir.h"

#include <CLI/CLI.hpp>
#include <filesystem>

namespace ormix {

CLI::Validator ExistingWorkDir() {
    return CLI::Validator(
        [](std::string& dir) -> std::string {
            std::error_code ec;
            const auto status = std::filesystem::status(dir, ec);
            if (!std::filesystem::exists(status))
                return "the working directory " + dir + " does not exist";
            if (!std::filesystem::is_directory(status))
                return dir +
                       " is not a directory; give the directory that holds the oil "
                       "libraries";
            return {};
        },
        "DIR");
}

}  // namespace ormix
