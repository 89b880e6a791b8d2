#include "app/app_actions.h"

#include <QAction>
#include <QIcon>

namespace ormix::app {

namespace {

using SK = QKeySequence::StandardKey;

// In the order of Command.
const CommandInfo kCommands[] = {
    {Command::New, "&New", "New", "Create a new scenario", SK::New, "", "new"},
    {Command::Open, "&Open...", "Open", "Open an existing scenario", SK::Open, "", "open"},
    {Command::Close, "&Close", "Close", "Close the active scenario", SK::UnknownKey, "", ""},
    {Command::Save, "&Save", "Save", "Save the active scenario", SK::Save, "", "save"},
    {Command::SaveAs, "Save &As...", "Save As", "Save the active scenario with a new name",
     SK::UnknownKey, "", ""},
    {Command::ExportJson, "&Export as JSON...", "Export",
     "Export the active scenario as a JSON scenario", SK::UnknownKey, "", ""},
    {Command::ExportView, "Export &Graph or Table...", "Export",
     "Save the active graph as a picture, or the active table as text", SK::UnknownKey, "", ""},
    {Command::PageSetup, "Page Set&up...", "Page Setup", "Change the page layout of printing",
     SK::UnknownKey, "", ""},
    {Command::Print, "&Print...", "Print", "Print the active window", SK::Print, "", "print"},
    {Command::PrintPreview, "Print Pre&view", "Print Preview",
     "Show the pages of the active window as they will be printed", SK::UnknownKey, "", ""},
    {Command::PrintSetup, "P&rint Setup...", "Print Setup",
     "Change the printer and printing options", SK::UnknownKey, "", ""},
    {Command::Exit, "E&xit", "Exit", "Quit ORMIX; prompts to save scenario", SK::UnknownKey,
     "Alt+F4", ""},
    {Command::Undo, "&Undo", "Undo", "Undo the last action", SK::Undo, "", ""},
    {Command::Cut, "Cu&t", "Cut", "Cut the selection and put it on the Clipboard", SK::Cut, "",
     "cut"},
    {Command::Copy, "&Copy", "Copy", "Copy the selection and put it on the Clipboard", SK::Copy, "",
     "copy"},
    {Command::Paste, "&Paste", "Paste", "Insert Clipboard contents", SK::Paste, "", "paste"},
    {Command::StandardOils, "&Standard Oils", "Oil", "Select a standard oil", SK::UnknownKey, "",
     "oil"},
    {Command::CustomOils, "&Custom Oils", "Custom Oil", "Select a custom oil", SK::UnknownKey, "",
     "custom-oil"},
    {Command::Emulsification, "&Emulsification", "Emulsification",
     "Enter the emulsification constant", SK::UnknownKey, "", "emulsification"},
    {Command::WindWave, "&Wind/Wave", "Wind/Wave",
     "Enter wind speed, wind direction, and wave height", SK::UnknownKey, "", "wind"},
    {Command::Water, "W&ater", "Water", "Enter water temperature", SK::UnknownKey, "", "water"},
    {Command::Release, "&Release", "Release", "Enter how much oil was spilled", SK::UnknownKey, "",
     "release"},
    {Command::Dispersant, "&Dispersant...", "Dispersant", "Enter dispersant data", SK::UnknownKey,
     "", "dispersant"},
    {Command::InSituBurn, "&In-Situ Burn...", "Burn", "Enter in-situ burn data", SK::UnknownKey, "",
     "burn"},
    {Command::Mechanical, "&Mechanical...", "Cleanup", "Enter mechanical cleanup data",
     SK::UnknownKey, "", "mechanical"},
    {Command::Beaching, "&Beaching...", "Beaching", "Enter beaching data", SK::UnknownKey, "",
     "beaching"},
    {Command::Solve, "&Solve", "Solve", "Generate model output", SK::UnknownKey, "F5", "solve"},
    {Command::SingleGraph, "S&ingle Graph", "Single Graph", "Single graph output", SK::UnknownKey,
     "", "graph"},
    {Command::MultipleGraphs, "&Multiple Graphs", "Multiple Graphs", "Multiple graphs output",
     SK::UnknownKey, "", "graphs"},
    {Command::ShowAllGraphs, "Show &All Graphs", "All Graphs", "Show all graphs", SK::UnknownKey,
     "", "all-graphs"},
    {Command::GraphBudget, "Oil &Budget", "Oil Budget", "Show or hide the oil budget graph",
     SK::UnknownKey, "", ""},
    {Command::GraphRemaining, "Oil &Remaining", "Remaining",
     "Show or hide the graph of the oil remaining afloat", SK::UnknownKey, "", ""},
    {Command::GraphEvaporation, "Oil &Evaporated", "Evaporated",
     "Show or hide the graph of the oil evaporated", SK::UnknownKey, "", ""},
    {Command::GraphDispersion, "Oil &Dispersed", "Dispersed",
     "Show or hide the graph of the oil dispersed", SK::UnknownKey, "", ""},
    {Command::GraphBurned, "Oil B&urned", "Burned", "Show or hide the graph of the oil burned",
     SK::UnknownKey, "", ""},
    {Command::GraphSkimmed, "Oil S&kimmed", "Skimmed", "Show or hide the graph of the oil skimmed",
     SK::UnknownKey, "", ""},
    {Command::GraphBeached, "Oil Bea&ched", "Beached", "Show or hide the graph of the oil beached",
     SK::UnknownKey, "", ""},
    {Command::GraphDensity, "Oil De&nsity", "Density", "Show or hide the oil density graph",
     SK::UnknownKey, "", ""},
    {Command::GraphViscosity, "Oil &Viscosity", "Viscosity", "Show or hide the oil viscosity graph",
     SK::UnknownKey, "", ""},
    {Command::GraphWater, "&Water Content in Oil", "Water Content",
     "Show or hide the graph of the water content in the oil", SK::UnknownKey, "", ""},
    {Command::GraphBenzene, "Airborne Ben&zene Concentration", "Benzene",
     "Show or hide the airborne benzene graph", SK::UnknownKey, "", ""},
    {Command::BudgetTable, "Oil &Budget Table", "Budget Table", "", SK::UnknownKey, "",
     "budget-table"},
    {Command::IcsTable, "&ICS Table", "ICS Table", "Output ICS table", SK::UnknownKey, "",
     "ics-table"},
    {Command::CascadeWindows, "&Cascade", "Cascade", "Arrange the windows so they overlap",
     SK::UnknownKey, "", ""},
    {Command::TileWindows, "&Tile", "Tile", "Arrange the windows side by side", SK::UnknownKey, "",
     ""},
    {Command::ToggleStatusBar, "&Status Bar", "Status Bar", "Show or hide the status bar",
     SK::UnknownKey, "", ""},
    {Command::HelpTopics, "&Help Topics", "Help Topics", "Help on ORMIX", SK::UnknownKey, "",
     "help"},
    {Command::ContextHelp, "&Help on This Window", "Help", "Help on the active window or dialog",
     SK::HelpContents, "", ""},
    {Command::About, "&About ORMIX...", "About",
     "Show the program's version and where it keeps its files", SK::UnknownKey, "", ""},
};

static_assert(std::size(kCommands) == kCommandCount);

struct InputPair {
    InputCommand input;
    Command command;
};

const InputPair kInputs[] = {
    {InputCommand::StandardOils, Command::StandardOils},
    {InputCommand::CustomOils, Command::CustomOils},
    {InputCommand::Emulsification, Command::Emulsification},
    {InputCommand::WindWave, Command::WindWave},
    {InputCommand::Water, Command::Water},
    {InputCommand::Release, Command::Release},
    {InputCommand::Dispersant, Command::Dispersant},
    {InputCommand::InSituBurn, Command::InSituBurn},
    {InputCommand::Mechanical, Command::Mechanical},
    {InputCommand::Beaching, Command::Beaching},
};

struct GraphPair {
    Command command;
    WindowKind window;
};

const GraphPair kGraphs[] = {
    {Command::GraphBudget, WindowKind::BudgetGraph},
    {Command::GraphRemaining, WindowKind::Remaining},
    {Command::GraphEvaporation, WindowKind::Evaporation},
    {Command::GraphDispersion, WindowKind::Dispersion},
    {Command::GraphBurned, WindowKind::Burned},
    {Command::GraphSkimmed, WindowKind::Skimmed},
    {Command::GraphBeached, WindowKind::Beached},
    {Command::GraphDensity, WindowKind::Density},
    {Command::GraphViscosity, WindowKind::Viscosity},
    {Command::GraphWater, WindowKind::Water},
    {Command::GraphBenzene, WindowKind::Benzene},
};

}  // namespace

const CommandInfo& InfoOf(Command command) {
    return kCommands[static_cast<int>(command)];
}

CommandActions CreateCommandActions(QObject* owner) {
    CommandActions actions{};
    for (const CommandInfo& info : kCommands) {
        auto* action = new QAction(QString::fromUtf8(info.text), owner);
        action->setIconText(QString::fromUtf8(info.iconText));
        action->setToolTip(QString::fromUtf8(info.iconText));
        action->setStatusTip(QString::fromUtf8(info.prompt));
        if (info.standardKey != QKeySequence::UnknownKey)
            action->setShortcuts(info.standardKey);
        else if (*info.key)
            action->setShortcut(QKeySequence(QString::fromLatin1(info.key)));
        if (*info.icon)
            action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(info.icon))));
        actions[static_cast<int>(info.command)] = action;
    }
    return actions;
}

std::optional<InputCommand> InputCommandOf(Command command) {
    for (const InputPair& p : kInputs)
        if (p.command == command) return p.input;
    return std::nullopt;
}

std::optional<WindowKind> GraphWindowOf(Command command) {
    for (const GraphPair& p : kGraphs)
        if (p.command == command) return p.window;
    return std::nullopt;
}

Command GraphCommandOf(WindowKind kind) {
    for (const GraphPair& p : kGraphs)
        if (p.window == kind) return p.command;
    return Command::Count;
}

Command CommandOf(InputCommand command) {
    for (const InputPair& p : kInputs)
        if (p.input == command) return p.command;
    return Command::Count;
}

}  // namespace ormix::app
