// The `ormix` command.
#include <CLI/CLI.hpp>

#include "cli/plume_command.h"
#include "cli/run_records.h"
#include "cli/tank_command.h"

int main(int argc, char** argv) {
    CLI::App app{"ORMIX: oil-spill weathering model"};
    app.require_subcommand(1);
    ormix::AddRunRecordsCommand(app);
    ormix::AddTankCommand(app);
    ormix::AddPlumeCommand(app);
    CLI11_PARSE(app, argc, argv);
    return 0;
}
