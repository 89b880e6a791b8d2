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

// The groups and repeated elements of a visitor that keeps only its place at
// them (the scenario file's writer and reader). `Derived::Stopped()` ends a
// repeat early once the visitor has failed.
template <class Derived>
class PathVisitor {
public:
    template <class F>
    void Group(const char* name, F body) {
        path_.Enter(name);
        body();
        path_.Leave();
    }
    template <class F>
    void Repeat(const char* name, int n, F body) {
        path_.Enter(name);
        for (int i = 0; i < n && !static_cast<Derived*>(this)->Stopped(); ++i) {
            path_.Element(name, i);
            body(i);
        }
        path_.Leave();
    }

protected:
    FieldPath path_;
};

}  // namespace ormix
