// Where a visitor of the scenario's field list is: the names of the groups
// and repeated elements it is inside, for messages such as
// "windRecords[37].m_tVarWindTime".
#pragma once

#include <string>
#include <vector>

namespace ormix {

class FieldPath {
public:
    void Enter(const char* group) { parts_.emplace_back(group); }
    void Element(const char* group, int i) {
        parts_.back() = std::string(group) + "[" + std::to_string(i) + "]";
    }
    void Leave() { parts_.pop_back(); }

    // The group or element the visitor is in.
    std::string Here() const {
        std::string s;
        for (const std::string& p : parts_)
            s += (s.empty() ? "" : ".") + p;
        return s;
    }

    std::string Of(const char* field) const {
        std::string s;
        for (const std::string& p : parts_)
            s += p + ".";
        return s + field;
    }

private:
    std::vector<std::string> parts_;
};

}  // namespace ormix
