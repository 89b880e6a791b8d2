// The scenario's input commands: the Spill and Removal menus and the links
// of the start form. Each opens its dialog or property sheet on the
// scenario; the dialog checks what was typed with the engine's rules and,
// when the person accepts, has written the document.
#pragma once

#include <memory>

#include "app/app_context.h"
#include "scenario/spill_doc.h"

class QDialog;
class QWidget;

namespace ormix::app {

enum class InputCommand {
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
};

// Whether the command has its dialog in this program; a command without one
// is shown disabled.
bool InputCommandAvailable(InputCommand command);

// Opens the command's dialog, modal over `parent`. True when the person
// accepted and the scenario's inputs changed; the caller then refreshes the
// summary, the start form and the output windows.
bool RunInputCommand(InputCommand command, CSpillDoc& doc, AppContext& context, QWidget* parent);

// The command's dialog, not yet shown (for RunInputCommand, the tests and
// the screenshots).
std::unique_ptr<QDialog> MakeInputDialog(InputCommand command, CSpillDoc& doc, AppContext& context,
                                         QWidget* parent);

}  // namespace ormix::app
