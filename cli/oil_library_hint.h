// What to do when the oil library cannot be read: one line of the command's
// own beside the library's message, naming where it looked and how to name
// the library.
#pragma once

#include <string>

#include "core/messages.h"
#include "oil/oil_library.h"

namespace ormix {

class CSpillDoc;

// The line for a Load status other than 0: `path` is the file that was
// read, `named` whether --library named it (rather than OilLib in the
// working directory). The line suggests `installedOilLib`, the installed
// oil library, or the source tree's when none is installed.
std::string OilLibraryHint(int status, const std::string& path, bool named,
                           const std::string& installedOilLib = {});

// Loads the library (at once when it already is) and, when that fails,
// shows the line as a note.
void HintWhenUnreadable(OilLibrary& library, bool named, MessageSink& messages);

// After a JSON scenario was refused at `jsonPath`: the line, when the
// refusal was the scenario's library oil and the oil library cannot be read.
void HintAfterRefusal(const std::string& jsonPath, CSpillDoc& doc, MessageSink& messages);

}  // namespace ormix
