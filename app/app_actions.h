// The commands of the main window, defined once: their menu texts, the
// prompts the status bar shows, their keys and pictures. Menus and tool
// bars share the same actions.
#pragma once

#include <QKeySequence>
#include <array>
#include <optional>

#include "app/input_commands.h"
#include "app/window_kinds.h"

class QAction;
class QObject;

namespace ormix::app {

enum class Command {
    New,
    Open,
    Close,
    Save,
    SaveAs,
    ExportJson,
    ExportView,
    PageSetup,
    Print,
    PrintPreview,
    PrintSetup,
    Exit,
    Undo,
    Cut,
    Copy,
    Paste,
    StandardOils,
    CustomOils,
    Emulsification,
    WindWave,
    Water,
    Release,
    Dispersant,
    InSituBurn,
    Mechanical,
    Beaching,
    Solve,
    SingleGraph,
    MultipleGraphs,
    ShowAllGraphs,
    GraphBudget,
    GraphRemaining,
    GraphEvaporation,
    GraphDispersion,
    GraphBurned,
    GraphSkimmed,
    GraphBeached,
    GraphDensity,
    GraphViscosity,
    GraphWater,
    GraphBenzene,
    BudgetTable,
    IcsTable,
    CascadeWindows,
    TileWindows,
    ToggleStatusBar,
    HelpTopics,
    ContextHelp,
    About,
    Count
};

inline constexpr int kCommandCount = static_cast<int>(Command::Count);

struct CommandInfo {
    Command command;
    const char* text;      // menu text with its mnemonic
    const char* iconText;  // the tool bar's label
    const char* prompt;    // what the status bar says while the pointer is on it
    QKeySequence::StandardKey standardKey;
    const char* key;   // a key of its own when there is no standard one
    const char* icon;  // picture in the resources, empty for none
};

const CommandInfo& InfoOf(Command command);

using CommandActions = std::array<QAction*, kCommandCount>;

// Every command as an action owned by `owner`.
CommandActions CreateCommandActions(QObject* owner);

// The input command a menu command opens, if it is one.
std::optional<InputCommand> InputCommandOf(Command command);
Command CommandOf(InputCommand command);

// The graph window a graph command shows or hides, if it is one; and the
// command of a graph window.
std::optional<WindowKind> GraphWindowOf(Command command);
Command GraphCommandOf(WindowKind kind);

// The graph commands in the order of the menu.
inline constexpr std::array<Command, 11> kGraphCommands{
    Command::GraphBudget,     Command::GraphRemaining, Command::GraphEvaporation,
    Command::GraphDispersion, Command::GraphBurned,    Command::GraphSkimmed,
    Command::GraphBeached,    Command::GraphDensity,   Command::GraphViscosity,
    Command::GraphWater,      Command::GraphBenzene};

// What the status bar says when the pointer is on nothing.
inline constexpr char kIdlePrompt[] = "For Help, press F1";

}  // namespace ormix::app
