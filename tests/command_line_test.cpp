// The command line as a newcomer meets it: the version and help, misspelt
// commands and options, a working directory that is not there, an oil
// library that cannot be read, and the names of units.
#include <gtest/gtest.h>
#include <CLI/CLI.hpp>

#include <sstream>

#include "cli/command_line.h"
#include "cli/oil_library_hint.h"
#include "cli/series_command.h"
#include "cli/unit_names.h"
#include "output/budget_units.h"
#include "output/graph_series.h"
#include "temp_dir.h"

namespace ormix {
namespace {

using Args = std::vector<std::string>;

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Ormix(const Args& args) {
    CLI::App app;
    BuildCommandLine(app);
    std::ostringstream out, err;
    const int status = RunCommandLine(app, args, out, err);
    return {status, out.str(), err.str()};
}

TEST(CommandLine, ClosestNamesSuggestOnlyWhatIsClose) {
    const std::vector<std::string> names = {"run",    "run-records", "summary",  "series",
                                            "--seed", "--library",   "--workdir"};
    for (auto [word, meant] : {std::pair{"rnu", "run"},
                               {"rum", "run"},
                               {"sumary", "summary"},
                               {"-seed", "--seed"},
                               {"--lib", "--library"},
                               {"xyz", ""},
                               {"--time", ""}})  // "" for nothing close
        EXPECT_EQ(ClosestName(word, names), meant) << word;
}

// The texts of usage errors are checked from the command line; said before
// anything runs, they exit with 2.
TEST(CommandLine, UsageErrorsExitWithTwo) {
    for (const Args& args : {Args{"rnu", "x.json"}, Args{"run", "--sed", "3", "x.json"}, Args{}}) {
        const Outcome o = Ormix(args);
        EXPECT_EQ(o.status, 2) << o.err;
        EXPECT_EQ(o.out, "");
    }
}

// The library's own message stays; the command adds where it looked and
// what to type. (A working directory without OilLib, and a file that is no
// oil library: see the command tests.)
TEST(OilLibraryHint, SaysWhereItLookedAndWhatToDo) {
    EXPECT_EQ(OilLibraryHint(kTableNotFound, "/data/Lib", true),
              "there is no oil library file /data/Lib (named by --library); from the top of the "
              "source tree: --library data/OilLib");
    EXPECT_EQ(OilLibraryHint(kTableNotFound, "/data/Lib", true, "/usr/share/ormix/OilLib"),
              "there is no oil library file /data/Lib (named by --library); the installed one: "
              "--library /usr/share/ormix/OilLib");
    EXPECT_EQ(OilLibraryHint(kTableLineTooLong, "/data/OilLib", false)
                  .rfind("/data/OilLib could not be read as an oil library", 0),
              0u);
}

// One spelling per unit on every command, the other spellings accepted.
TEST(UnitNames, OneSpellingEverywhereAndTheOthersAccepted) {
    for (const char* name : {"metric-tons", "metric tons", "metric-tonnes", "metric tonnes"})
        EXPECT_EQ(BudgetUnitNamed(name), kBudgetMetricTons) << name;
    EXPECT_EQ(BudgetUnitNamed("kg"), -1);

    CLI::Validator released = ReleasedUnitName();
    std::string unit = "metric tonnes";
    EXPECT_EQ(released(unit), "");
    EXPECT_EQ(unit, "metric-tons");
    unit = "percent";
    EXPECT_NE(released(unit).find("bbl, gal, cu-m, tons, metric-tons"), std::string::npos);

    EXPECT_EQ(GraphUnitNames(kRemainGraph), "cu-m, fraction, percent, bbl, gal, tons, metric-tons");
    EXPECT_EQ(GraphUnitNamed(kRemainGraph, "metric-tons"), kBudgetMetricTons);
    EXPECT_EQ(GraphUnitNamed(kWaterGraph, "metric-tons"), -1);
}

}  // namespace
}  // namespace ormix
