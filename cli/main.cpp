// The `ormix` command. Exit status: 0 success, 1 refused input or a failed
// run (the reason printed), 2 a usage error.
#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/command_line.h"
#include "cli/work_dir.h"
#include "core/work_dir.h"

int main(int argc, char** argv) {
    CLI::App app;
    ormix::BuildCommandLine(app);
    std::vector<std::string> args(argv + 1, argv + argc);
    // Without --workdir, the files are where the working-directory rule
    // puts them (the current directory, or the person's data directory).
    if (!ormix::AddChosenWorkDir(app, args, ormix::UserDataDir(), ormix::InstalledOilLib(),
                                 std::cerr))
        return 1;
    return ormix::RunCommandLine(app, args, std::cout, std::cerr);
}
