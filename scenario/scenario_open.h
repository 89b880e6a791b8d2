// Opening a scenario from a file as a person picks one: a ".qsx" file is a
// saved scenario file, any other file is read as a JSON scenario (what a
// person wrote, or the saved form {"document": ...}). And the other way: a
// scenario exported as the saved JSON form.
#pragma once

#include <string>
#include <vector>

#include "core/messages.h"
#include "scenario/spill_doc.h"

namespace ormix {

struct ScenarioOpenResult {
    bool ok = false;
    // Why the file was not opened, ready for a message box of `kind`.
    MessageKind kind = MessageKind::Error;
    std::string message;
    // Messages of the opening to show in order (warnings of the dialogs'
    // checks, the oil library's re-select message).
    std::vector<Message> shown;
};

// Reads the file into `doc`. On failure `doc` is exactly as it was; on
// success it holds the scenario and needs a run.
ScenarioOpenResult OpenScenario(CSpillDoc& doc, const std::string& path);

// Writes the scenario as the saved JSON form, replacing `path` only once the
// whole text has been written. On failure the message says why.
bool ExportScenarioJson(const SpillDocData& doc, const std::string& path, std::string& message);

}  // namespace ormix
