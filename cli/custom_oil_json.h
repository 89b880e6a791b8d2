// A custom oil given as JSON: one object whose keys are the values of the
// custom oil sheet, in the units a person enters them (docs/custom-oil-json.md).
#pragma once

#include <string>

#include "oil/table_file.h"

namespace ormix {

// Writes the values of the JSON object into the fields of `record`, keys in
// the JSON only (a key set to null empties its field). On failure returns
// false with a message naming the offending key; `record` may then be
// partly changed and must not be saved.
bool ApplyCustomOilJson(const std::string& text, TableFile& record, std::string& error);

}  // namespace ormix
