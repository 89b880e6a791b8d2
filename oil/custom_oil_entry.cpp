#include "oil/custom_oil_entry.h"

#include <cmath>
#include <cstdlib>

namespace ormix {

namespace {

std::string_view Trim(std::string_view s) {
    const char* blanks = " \t\r\n";
    size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    size_t last = s.find_last_not_of(blanks);
    return s.substr(first, last - first + 1);
}

// The whole text as a number; anything else (letters, two numbers, "nan")
// is not a number.
double WholeTextNumber(std::string_view text) {
    std::string s(text);
    char* end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    if (end == s.c_str() || *end != '\0' || !std::isfinite(v)) return std::nan("");
    return v;
}

}  // namespace

CustomOilEntry ReadCustomOilEntry(const CustomOilItem& item, std::string_view label,
                                  std::string_view typed, TemperatureUnit unit) {
    CustomOilEntry entry;
    std::string_view text = Trim(typed);
    if (text.empty()) return entry;
    double v = WholeTextNumber(text);
    std::string problem = EntryProblem(item, v, unit);
    if (!problem.empty()) {
        entry.refusal = "Problem with the Input\n\n" + std::string(label) + " " + problem + ".";
        return entry;
    }
    entry.value = v;
    return entry;
}

}  // namespace ormix
