#include "core/json_parse.h"

#include <set>
#include <vector>

namespace ormix {

namespace {

using nlohmann::json;

// An object's keys, or an array's next element, while the parser is inside.
struct Level {
    bool array = false;
    long element = -1;  // the array element being read
    std::string key;    // the object's key being read
    std::set<std::string> keys;
};

struct DuplicateKey {
    std::string path;
};

// The path of the value being read at the innermost level, followed by
// `last` (a key of the innermost object).
std::string PathOf(const std::vector<Level>& levels, const std::string& last) {
    std::string path;
    for (std::size_t i = 0; i + 1 < levels.size(); ++i) {
        const Level& l = levels[i];
        if (l.array)
            path += "[" + std::to_string(l.element) + "]";
        else
            path += (path.empty() ? "" : ".") + l.key;
    }
    return path + (path.empty() ? "" : ".") + last;
}

}  // namespace

bool ParseJsonStrictly(std::string_view text, json& out, std::string& path, std::string& error) {
    std::vector<Level> levels;
    // An element of an array counts as it begins.
    auto element = [&levels] {
        if (!levels.empty() && levels.back().array) ++levels.back().element;
    };
    json::parser_callback_t watch = [&](int, json::parse_event_t event, json& parsed) {
        switch (event) {
            case json::parse_event_t::object_start:
            case json::parse_event_t::array_start:
                element();
                levels.push_back({event == json::parse_event_t::array_start, -1, {}, {}});
                break;
            case json::parse_event_t::object_end:
            case json::parse_event_t::array_end:
                levels.pop_back();
                break;
            case json::parse_event_t::key: {
                Level& l = levels.back();
                l.key = parsed.get<std::string>();
                if (!l.keys.insert(l.key).second) throw DuplicateKey{PathOf(levels, l.key)};
                break;
            }
            case json::parse_event_t::value:
                element();
                break;
        }
        return true;
    };
    try {
        json parsed = json::parse(text, watch);
        out = std::move(parsed);
        return true;
    } catch (const DuplicateKey& d) {
        path = d.path;
        error = "this key is given twice in the same object; only one value can count";
    } catch (const json::exception& e) {
        // Malformed text, or a number beyond the range of a double.
        path.clear();
        error = std::string("not valid JSON: ") + e.what();
    }
    return false;
}

}  // namespace ormix
