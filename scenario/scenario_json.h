// The JSON scenario format: what a responder enters in the dialogs, written
// as a JSON object (see docs/scenario-format.md). Loading runs the dialogs'
// own checks in the dialogs' order.
#pragma once

#include <string>
#include <vector>

#include "model/messages.h"
#include "scenario/spill_doc.h"

namespace ormix {

struct ScenarioLoadResult {
    bool ok = false;
    std::string path;               // the JSON path a refusal concerns
    Message refusal;                // the refusal, exactly as its dialog shows it
    std::vector<Message> messages;  // messages shown on the way (warnings)
};

// Reads a scenario into `doc`. On refusal the document is left exactly as it
// was; on success every input of the document comes from the scenario.
ScenarioLoadResult LoadScenarioJson(const std::string& text, CSpillDoc& doc);

}  // namespace ormix
