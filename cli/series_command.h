// `ormix series SCENARIO --graph KIND [--unit UNIT] [--format csv|json]`:
// the series a graph draws, one row per output step.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/run_command.h"
#include "output/output_series.h"

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

// The series that are shown, with their column names: for a property the
// low, mean, second mean and high values; for a budget quantity low, best
// and high; for the oil budget every quantity that occurs and the total.
struct SeriesColumn {
    int index;
    std::string name;
};
std::vector<SeriesColumn> SeriesColumns(const OutputSeries& s, int kind);

// One row per output step: the hours after the first release, then each
// column; a value that is not drawn (-999) is an empty field.
void WriteSeriesCsv(const OutputSeries& s, int kind, std::ostream& out);
void WriteSeriesJson(const OutputSeries& s, int kind, const std::string& graphName,
                     std::ostream& out);

int RunSeriesCommand(const SeriesCommandOptions& options, std::ostream& out, MessageSink& messages);

void AddSeriesCommand(CLI::App& app);

}  // namespace ormix
