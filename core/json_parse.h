// Reading JSON text strictly, for every JSON file the program reads: text
// that is not JSON is refused with the parser's own words, and so is an
// object that gives the same key twice (a parser would keep the last value
// and silently drop the other).
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace ormix {

// Parses `text` into `out`. On failure `path` names where the fault lies
// ("wind.records[1].speed" for a key given twice; empty for text that is not
// JSON), `error` says what it is, and `out` is left as it was.
bool ParseJsonStrictly(std::string_view text, nlohmann::json& out, std::string& path,
                       std::string& error);

}  // namespace ormix
