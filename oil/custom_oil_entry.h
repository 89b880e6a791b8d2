// One value as a person types it into the custom oil sheet: the number it
// stands for, or the message that refuses it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "oil/custom_oil.h"

namespace ormix {

struct CustomOilEntry {
    std::optional<double> value;  // none for an empty field
    std::string refusal;          // empty when the entry is acceptable
};

// Reads `typed` (blank: not given) as a number in the entry unit of `item`
// and checks it against the entry's limits. A refusal reads
// "Problem with the Input\n\n" followed by `label` and what is wrong.
CustomOilEntry ReadCustomOilEntry(const CustomOilItem& item, std::string_view label,
                                  std::string_view typed, TemperatureUnit unit);

}  // namespace ormix
