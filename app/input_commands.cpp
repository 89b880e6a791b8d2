#include "app/input_commands.h"

namespace ormix::app {

// The input dialogs are not part of the program yet: every input command is
// shown disabled and does nothing.
bool InputCommandAvailable(InputCommand) {
    return false;
}

bool RunInputCommand(InputCommand, CSpillDoc&, AppContext&, QWidget*) {
    return false;
}

}  // namespace ormix::app
