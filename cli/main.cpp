// The `ormix` command. Exit status: 0 success, 1 refused input or a failed
// run (the reason printed), 2 a usage error.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>
#include <new>

#include "cli/convert_command.h"
#include "cli/ics_command.h"
#include "cli/oil_commands.h"
#include "cli/plot_command.h"
#include "cli/plume_command.h"
#include "cli/run_command.h"
#include "cli/run_records.h"
#include "cli/series_command.h"
#include "cli/summary_command.h"
#include "cli/tank_command.h"

int main(int argc, char** argv) {
    CLI::App app{"ORMIX: oil-spill weathering model"};
    app.require_subcommand(1);
    ormix::AddRunCommand(app);
    ormix::AddRunRecordsCommand(app);
    ormix::AddTankCommand(app);
    ormix::AddPlumeCommand(app);
    ormix::AddOilCommands(app);
    ormix::AddCustomOilCommands(app);
    ormix::AddIcsCommand(app);
    ormix::AddSeriesCommand(app);
    ormix::AddPlotCommand(app);
    ormix::AddSummaryCommand(app);
    ormix::AddConvertCommand(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::RuntimeError& e) {
        return e.get_exit_code();
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : 2;
    } catch (const std::bad_alloc&) {
        // Storage the engine asks for is handled where it is asked for; this
        // is what is left (reading a file, building a table).
        std::fputs("error: out of memory\n", stderr);
        return 1;
    } catch (const std::exception& e) {
        // A failure no command turned into a message of its own: said
        // rather than ending the program without a word.
        std::fprintf(stderr, "error: %s\n", e.what());
        return 1;
    }
    return 0;
}
