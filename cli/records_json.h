// The model input records as JSON: one object per record, keyed by the
// record's name, each keyed by the record's field names. Used by the
// developer-level `ormix run-records` command.
#pragma once

#include <optional>
#include <string>

#include "core/inputs.h"
#include "model/weathering_model.h"

namespace ormix {

struct ModelRecords {
    std::optional<InputOil> oil;
    std::optional<InputWater> water;
    std::optional<InputWindWave> windWave;
    std::optional<InputInstant> instant;
    std::optional<InputBoomed> boomed;
    std::optional<InputContinuous> continuous;
    std::optional<InputTank> tank;
    std::optional<InputUncertainty> uncertainty;
    std::optional<InputDispersant> dispersant;
    std::optional<InputBurn> burn;
    std::optional<InputSkimmer> skimmer;
    std::optional<InputBeached> beached;

    // The records that are present, for FillModel.
    InputRecordSet RecordSet() const;
};

// Reads the records from JSON text. On failure returns false and puts in
// `error` a message that names the offending key.
bool ParseModelRecords(const std::string& text, ModelRecords& out, std::string& error);

}  // namespace ormix
