// `ormix plot SCENARIO --graph KIND [--unit UNIT] [--width W --height H]
// --out FILE.png|.svg|.pdf`: runs the scenario and draws one of its graphs
// to a picture file, as the desktop program draws it, without a display.
#pragma once

#include <string>

#include "cli/run_command.h"
#include "output/graph_layout.h"

namespace CLI {
class App;
}

namespace ormix {

struct PlotCommandOptions {
    RunOptions run;
    std::string graph;  // the names of `ormix series`
    std::string unit;   // empty: the scenario's
    std::string out;
    int width = kGraphPictureWidth, height = kGraphPictureHeight;
};

// Whether this build can draw graphs (it is built with the desktop program).
bool PlotAvailable();

// 0 when the picture was written; 1 with the reason sent to `messages`.
int RunPlotCommand(const PlotCommandOptions& options, MessageSink& messages);

void AddPlotCommand(CLI::App& app);

}  // namespace ormix
