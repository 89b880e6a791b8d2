// The JSON scenario format: what a responder enters in the dialogs, written
// as a JSON object (see docs/scenario-format.md). Loading runs the dialogs'
// own checks in the dialogs' order.
#pragma once

#include <string>
#include <vector>

#include "core/messages.h"
#include "scenario/spill_doc.h"

namespace ormix {

struct ScenarioLoadResult {
    bool ok = false;
    std::string path;                       // the JSON path a refusal concerns
    Message refusal;                        // the refusal, exactly as its dialog shows it
    std::vector<Message> messages;          // messages shown on the way (warnings)
    std::vector<std::string> messagePaths;  // the JSON path of each of them
};

// Reads a scenario into `doc`. On refusal the document is left exactly as it
// was; on success every input of the document comes from the scenario.
ScenarioLoadResult LoadScenarioJson(const std::string& text, CSpillDoc& doc);

// An input a run needs that a scenario lacks: the key of its section
// ("oil", "wind", "water", "releases") and what is missing.
struct MissingInput {
    std::string path;
    std::string message;
};

// The inputs a run needs that the document has not got, in the order the
// run lists them; empty when it can run. A scenario may leave sections out
// (to be converted, or summed up), but a run refuses it with these.
std::vector<MissingInput> MissingInputsOf(const CSpillDoc& doc);

}  // namespace ormix
