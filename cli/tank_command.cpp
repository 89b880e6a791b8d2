#include "cli/tank_command.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "calculators/tank_json.h"
#include "cli/console_sink.h"
#include "cli/text_files.h"

namespace ormix {

void WriteTankCurvesCsv(const TankCurves& c, std::ostream& out) {
    const char* u = c.levelUnit.c_str();
    char line[256];
    std::snprintf(
        line, sizeof line,
        "%s,%s (%s),Oil (%s),Water (%s),Hole bottom (%s),Hole top (%s),Tank height (%s)\n",
        kTankTimeAxis, kTankReleasedPlot, c.releasedUnit.c_str(), u, u, u, u, u);
    out << line;
    for (const TankCurvePoint& p : c.points) {
        std::snprintf(line, sizeof line, "%.6g,%.6g,%.6g,%.6g,%.6g,%.6g,%.6g\n", p.minutes,
                      p.released, p.oilLevel, p.waterLevel, c.holeBottom, c.holeTop, c.tankHeight);
        out << line;
    }
}

int RunTankCommand(const TankCommandOptions& options, std::ostream& out, MessageSink& messages) {
    std::string text, error;
    if (!ReadTextFile(options.file, text, error)) {
        messages.Error(options.file + ": " + error);
        return 1;
    }
    TankCalculatorInput input;
    InputTank tank;
    PageCheck check = LoadTankCalculator(text, input, tank);
    if (!check.accepted) {
        messages.Error(options.file + ": " + check.message);
        return 1;
    }
    auto release = std::make_unique<TankRelease>();
    ComputeTankStep7(tank, input.water ? &*input.water : nullptr, input.oil ? &*input.oil : nullptr,
                     input.entries.page, *release, messages);
    const TankCurves curves = BuildTankCurves(release->tank, input.entries.page.plotUnit,
                                              release->oilDensity, tank.tUnits);
    if (!options.csv.empty()) {
        std::ostringstream csv;
        WriteTankCurvesCsv(curves, csv);
        if (!WriteTextFile(options.csv, csv.str(), error)) {
            messages.Error(options.csv + ": " + error);
            return 1;
        }
    }

    out << kTankPageTitles[6] << '\n'
        << TankTotalText(release->total) << '\n'
        << TankDurationText(release->duration) << '\n';
    char line[160];
    std::snprintf(line, sizeof line,
                  "Water density = %.1f kg/m3, oil density = %.1f kg/m3, %d curve points\n",
                  release->waterDensity, release->oilDensity, release->tank.pointCount);
    out << line;
    if (!curves.points.empty()) {
        std::snprintf(line, sizeof line, "Oil released after %.1f minutes = %.6g %s\n",
                      curves.points.back().minutes, curves.points.back().released,
                      curves.releasedUnit.c_str());
        out << line;
    }
    out << "Hour  Volume released (m3)\n";
    for (int h = 0; h < kHours; ++h)
        if (release->hourly[h] > 0) {
            std::snprintf(line, sizeof line, "%4d  %.6g\n", h + 1, release->hourly[h]);
            out << line;
        }
    return 0;
}

void AddTankCommand(CLI::App& app) {
    auto options = std::make_shared<TankCommandOptions>();
    auto* cmd = app.add_subcommand(
        "tank", "Leaking tank calculator: the release from a holed tank (Step 7 results)");
    cmd->add_option("TANK", options->file, "JSON file of the set-up pages' entries")->required();
    cmd->add_option("--csv", options->csv,
                    "Write the released-oil and level curves to this CSV file");
    cmd->callback([options]() {
        ConsoleSink sink;
        int rc = RunTankCommand(*options, std::cout, sink);
        if (rc != 0) throw CLI::RuntimeError(rc);
    });
}

}  // namespace ormix
