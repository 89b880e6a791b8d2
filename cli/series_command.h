// `ormix series SCENARIO --graph KIND [--unit UNIT] [--format csv|json]`:
// the series a graph draws, one row per output step.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/run_command.h"
#include "output/output_series.h"
#include "output/series_csv.h"

namespace CLI {
class App;
}

namespace ormix {

struct SeriesCommandOptions {
    RunOptions run;
    std::string graph;           // benzene, density, ..., budget
    std::string unit;            // a unit of the graph; empty: the scenario's
    std::string format = "csv";  // csv | json
};

// The graph kinds by their command-line names, and the names of a kind's
// units ("" for none).
int GraphKindNamed(const std::string& name);
int GraphUnitNamed(int kind, const std::string& name);
std::string GraphUnitNames(int kind);

// The graph and unit a command line names (`--graph`, `--unit`): the kind,
// and the unit (-1: the scenario's). False, with the message given, when
// either is unknown.
struct GraphChoice {
    int kind = -1;
    int unit = -1;
};
bool ChooseGraphNamed(const std::string& graph, const std::string& unit, GraphChoice& choice,
                      MessageSink& messages);

// One row per output step (WriteSeriesCsv, output/series_csv.h), or the
// whole set as JSON.
void WriteSeriesJson(const OutputSeries& s, int kind, const std::string& graphName,
                     std::ostream& out);

int RunSeriesCommand(const SeriesCommandOptions& options, std::ostream& out, MessageSink& messages);

void AddSeriesCommand(CLI::App& app);

}  // namespace ormix
