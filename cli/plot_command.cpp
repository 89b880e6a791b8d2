#include "cli/plot_command.h"

#include <CLI/CLI.hpp>
#include <cctype>
#include <cstdio>
#include <memory>
#include <string>

#include "cli/console_sink.h"
#include "cli/scenario_options.h"
#include "cli/series_command.h"
#include "output/graph_units.h"

#ifdef ORMIX_WITH_GRAPHS
#include <QApplication>

#include "graphs/graph_pictures.h"
#endif

namespace ormix {

namespace {

constexpr int kMinimumSide = 100, kMaximumSide = 10000;

bool KnownPictureName(const std::string& path) {
    auto ends = [&](const char* e) {
        const std::string ext = e;
        if (path.size() <= ext.size()) return false;
        std::string tail = path.substr(path.size() - ext.size());
        for (char& c : tail)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return tail == ext;
    };
    return ends(".png") || ends(".svg") || ends(".pdf");
}

#ifdef ORMIX_WITH_GRAPHS
// Qt's own notes (a missing runtime directory and the like) are not the
// command's messages; its errors still are.
void QuietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
}

int DrawPicture(const CSpillDoc& doc, int kind, const PlotCommandOptions& options,
                MessageSink& messages) {
    // Drawing needs no display: the offscreen platform unless one is asked for.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QtMessageHandler previous = qInstallMessageHandler(QuietQtNotes);
    static int argc = 1;
    static char name[] = "ormix";
    static char* argv[] = {name, nullptr};
    int rc = 0;
    {
        QApplication app(argc, argv);
        QString error;
        const graphs::GraphSource source = graphs::GraphSourceOf(doc, kind);
        if (!graphs::SaveGraphPicture(source, QSize(options.width, options.height),
                                      QString::fromStdString(options.out), error)) {
            messages.Error(error.toStdString());
            rc = 1;
        }
    }
    qInstallMessageHandler(previous);
    return rc;
}
#endif

}  // namespace

bool PlotAvailable() {
#ifdef ORMIX_WITH_GRAPHS
    return true;
#else
    return false;
#endif
}

int RunPlotCommand(const PlotCommandOptions& options, MessageSink& messages) {
    if (!PlotAvailable()) {
        messages.Error(
            "plot is not available: this ormix was built without the desktop program, "
            "which draws the graphs");
        return 1;
    }
    GraphChoice choice;
    if (!ChooseGraphNamed(options.graph, options.unit, choice, messages)) return 1;
    const int kind = choice.kind, named = choice.unit;
    if (!KnownPictureName(options.out)) {
        messages.Error("--out " + options.out + ": a picture is saved as .png, .svg or .pdf");
        return 1;
    }
    int rc = 0;
    auto doc = LoadAndSolve(options.run, messages, rc);
    if (rc != 0) return rc;
    if (named >= 0) ChooseGraphUnit(*doc, kind, named);
#ifdef ORMIX_WITH_GRAPHS
    // A dump that could not be written fails the command, as `ormix run`.
    const int drawn = DrawPicture(*doc, kind, options, messages);
    return drawn != 0 ? drawn : (doc->dumpFailed ? 1 : 0);
#else
    return 1;
#endif
}

void AddPlotCommand(CLI::App& app) {
    auto options = std::make_shared<PlotCommandOptions>();
    auto* cmd = app.add_subcommand(
        "plot", "Run a spill scenario and draw one of its graphs to a PNG, SVG or PDF file");
    AddScenarioOptions(cmd, options->run);
    cmd->add_option("--graph", options->graph,
                    "benzene, density, viscosity, water, remaining, evaporated, dispersed, "
                    "burned, skimmed, beached or budget")
        ->required();
    cmd->add_option("--unit", options->unit,
                    "Unit of the graph (default: the scenario's), as for `ormix series`");
    cmd->add_option(
           "--width", options->width,
           "Width of the picture in pixels (default " + std::to_string(kGraphPictureWidth) + ")")
        ->check(CLI::Range(kMinimumSide, kMaximumSide));
    cmd->add_option(
           "--height", options->height,
           "Height of the picture in pixels (default " + std::to_string(kGraphPictureHeight) + ")")
        ->check(CLI::Range(kMinimumSide, kMaximumSide));
    cmd->add_option("--out", options->out, "Picture file: .png, .svg or .pdf")->required();
    cmd->callback([options]() {
        ConsoleSink sink;
        const int rc = RunPlotCommand(*options, sink);
        if (rc != 0) throw CLI::RuntimeError(rc);
    });
}

}  // namespace ormix
