// The `ormix` command.
#include <CLI/CLI.hpp>

#include "cli/oil_commands.h"
#include "cli/run_records.h"

int main(int argc, char** argv) {
    CLI::App app{"ORMIX: oil-spill weathering model"};
    app.require_subcommand(1);
    ormix::AddRunRecordsCommand(app);
    ormix::AddOilCommands(app);
    ormix::AddCustomOilCommands(app);
    CLI11_PARSE(app, argc, argv);
    return 0;
}
