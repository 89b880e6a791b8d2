// The `ormix` command. Exit status: 0 success, 1 refused input or a failed
// run (the reason printed), 2 a usage error.
#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/command_line.h"

int main(int argc, char** argv) {
    CLI::App app;
    ormix::BuildCommandLine(app);
    return ormix::RunCommandLine(app, std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                 std::cerr);
}
