#include "scenario/document_json.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "core/json_reader.h"
#include "scenario/field_path.h"
#include "scenario/scenario_fields.h"

namespace ormix {

namespace {

using nlohmann::json;
using nlohmann::ordered_json;

// Texts are single-byte characters; JSON holds Unicode. Each byte is the
// character of the same number (ASCII stays ASCII), so every text survives.
std::string BytesToUtf8(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (unsigned char c : s) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// The reverse; false for a character beyond 255. The JSON parser has
// already checked that the text is valid UTF-8.
bool Utf8ToBytes(const std::string& s, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < s.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if ((c & 0xE0) == 0xC0 && i + 1 < s.size()) {
            unsigned cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3Fu);
            if (cp > 0xFF) return false;
            out += static_cast<char>(cp);
            ++i;
        } else {
            return false;
        }
    }
    return true;
}

class JsonWriter {
public:
    explicit JsonWriter(ordered_json& root) { stack_.push_back(&root); }

    template <class F>
    void Group(const char* name, F body) {
        ordered_json child = ordered_json::object();
        stack_.push_back(&child);
        path_.Enter(name);
        body();
        path_.Leave();
        stack_.pop_back();
        Top()[name] = std::move(child);
    }
    template <class F>
    void Repeat(const char* name, int n, F body) {
        ordered_json list = ordered_json::array();
        path_.Enter(name);
        for (int i = 0; i < n; ++i) {
            ordered_json element = ordered_json::object();
            stack_.push_back(&element);
            path_.Element(name, i);
            body(i);
            stack_.pop_back();
            list.push_back(std::move(element));
        }
        path_.Leave();
        Top()[name] = std::move(list);
    }
    void Int(const char* name, const int& v) { Top()[name] = v; }
    void Flag(const char* name, const bool& v) { Top()[name] = v; }
    void Flag(const char* name, const int& v) { Top()[name] = v != 0; }
    void Count(const char* name, const int& v, int) { Top()[name] = v; }
    void Double(const char* name, const double& v) { Top()[name] = Number(name, v); }
    void Doubles(const char* name, const double* p, int n) {
        ordered_json list = ordered_json::array();
        for (int i = 0; i < n; ++i)
            list.push_back(Number(name, p[i]));
        Top()[name] = std::move(list);
    }
    void Time(const char* name, const std::time_t& t) {
        std::string text;
        if (!FormatDocumentTime(t, text))
            Fail("the time " + path_.Of(name) + " cannot be shown as a calendar date");
        Top()[name] = text;
    }
    void Text(const char* name, const std::string& s) { Top()[name] = BytesToUtf8(s); }
    void FixedText(const char* name, const char* buf, std::size_t size) {
        Top()[name] = BytesToUtf8(std::string(buf, strnlen(buf, size - 1)));
    }

    const std::string& Error() const { return error_; }

private:
    ordered_json& Top() { return *stack_.back(); }
    double Number(const char* name, double v) {
        if (!std::isfinite(v))
            Fail(path_.Of(name) + " is not a finite number, which JSON cannot hold");
        return std::isfinite(v) ? v : 0.0;
    }
    void Fail(const std::string& why) {
        if (error_.empty()) error_ = why;
    }

    std::vector<ordered_json*> stack_;
    FieldPath path_;
    std::string error_;
};

// Reads the saved document with the strict reader: every field must be
// there, with its type; a key no field has is refused. The first fault
// stops the reading.
class JsonReader {
public:
    JsonReader(const json& root, JsonFault& fault) : fault_(fault) {
        levels_.emplace_back(root, kDocumentKey, fault);
    }

    template <class F>
    void Group(const char* name, F body) {
        if (!Need(name)) return;
        levels_.push_back(Top().Object(name));
        body();
        Leave();
    }
    template <class F>
    void Repeat(const char* name, int n, F body) {
        if (!Need(name)) return;
        JsonArrayReader list = Top().Array(name, n, n, std::to_string(n) + " objects");
        for (int i = 0; i < n && !Failed(); ++i) {
            levels_.push_back(list.Object(static_cast<std::size_t>(i)));
            body(i);
            Leave();
        }
    }
    void Int(const char* name, int& v) {
        if (Need(name)) Top().Whole(name, v);
    }
    void Flag(const char* name, bool& v) {
        if (Need(name)) Top().Flag(name, v);
    }
    void Flag(const char* name, int& v) {
        bool b = false;
        if (Need(name) && Top().Flag(name, b)) v = b ? 1 : 0;
    }
    void Count(const char* name, int& v, int max) {
        if (Need(name)) Top().Count(name, v, max);
    }
    void Double(const char* name, double& v) {
        if (Need(name)) Top().Number(name, v);
    }
    void Doubles(const char* name, double* p, int n) {
        if (Need(name)) Top().Numbers(name, p, static_cast<std::size_t>(n));
    }
    void Time(const char* name, std::time_t& t) {
        const json* j = Need(name);
        if (j && (!j->is_string() || !ParseDocumentTime(j->get<std::string>(), t)))
            Top().Fail(name, "expected a time \"YYYY-MM-DD HH:MM:SS +HH:MM\"");
    }
    void Text(const char* name, std::string& s) {
        std::string utf8;
        if (Need(name) && Top().Text(name, utf8) && !Utf8ToBytes(utf8, s))
            Top().Fail(name, "texts hold only the characters U+0000 to U+00FF");
    }
    void FixedText(const char* name, char* buf, std::size_t size) {
        std::string s;
        Text(name, s);
        if (!Failed()) Top().FitText(name, s, buf, size);
    }

    // After the last field: no key of the top level left unread.
    bool Finish() {
        Leave();
        return !Failed();
    }

private:
    JsonObjectReader& Top() { return levels_.back(); }
    bool Failed() const { return fault_.Failed(); }
    // The field's value; a field that is not there is refused.
    const json* Need(const char* name) {
        if (Failed()) return nullptr;
        const json* j = Top().Find(name);
        if (!j) Top().Fail(name, "missing");
        return j;
    }
    // Leaves an object, refusing any key that was never read.
    void Leave() {
        levels_.back().Finish();
        levels_.pop_back();
    }

    JsonFault& fault_;
    std::vector<JsonObjectReader> levels_;
};

// Objects one key to a line; an array of objects one element to a line; an
// array of numbers on one line.
void Pretty(const ordered_json& j, int indent, std::string& out) {
    const std::string pad(static_cast<std::size_t>(indent) + 2, ' ');
    out += "{\n";
    bool first = true;
    for (auto it = j.begin(); it != j.end(); ++it) {
        if (!first) out += ",\n";
        first = false;
        out += pad + ordered_json(it.key()).dump() + ": ";
        const ordered_json& v = it.value();
        if (v.is_object()) {
            Pretty(v, indent + 2, out);
        } else if (v.is_array() && !v.empty() && v.front().is_object()) {
            out += "[\n";
            for (std::size_t i = 0; i < v.size(); ++i)
                out += pad + "  " + v[i].dump() + (i + 1 < v.size() ? ",\n" : "\n");
            out += pad + "]";
        } else {
            out += v.dump();
        }
    }
    out += "\n" + std::string(static_cast<std::size_t>(indent), ' ') + "}";
}

}  // namespace

bool FormatDocumentTime(std::time_t t, std::string& text) {
    std::tm tm{};
    if (!localtime_r(&t, &tm)) return false;
    long offset = tm.tm_gmtoff;
    char sign = offset < 0 ? '-' : '+';
    if (offset < 0) offset = -offset;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d %c%02ld:%02ld", tm.tm_year + 1900,
                  tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, sign, offset / 3600,
                  offset % 3600 / 60);
    text = buf;
    return true;
}

bool ParseDocumentTime(const std::string& text, std::time_t& t) {
    int y, mo, d, h, mi, s, oh, om, used = 0;
    char sign;
    if (std::sscanf(text.c_str(), "%d-%2d-%2d %2d:%2d:%2d %c%2d:%2d%n", &y, &mo, &d, &h, &mi, &s,
                    &sign, &oh, &om, &used) != 9 ||
        static_cast<std::size_t>(used) != text.size())
        return false;
    if (mo < 1 || mo > 12 || d < 1 || d > 31 || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 ||
        s > 59 || (sign != '+' && sign != '-') || oh < 0 || oh > 23 || om < 0 || om > 59 ||
        y < -100000 || y > 100000)
        return false;
    std::tm tm{};
    tm.tm_year = y - 1900;
    tm.tm_mon = mo - 1;
    tm.tm_mday = d;
    tm.tm_hour = h;
    tm.tm_min = mi;
    tm.tm_sec = s;
    std::time_t utc = timegm(&tm);
    // A date the calendar does not have (30 February) is refused, not moved.
    if (tm.tm_mday != d || tm.tm_mon != mo - 1) return false;
    long offset = (oh * 3600L + om * 60L) * (sign == '-' ? -1 : 1);
    t = utc - offset;
    return true;
}

bool WriteDocumentJson(const SpillDocData& d, std::string& text, std::string& error) {
    ordered_json document = ordered_json::object();
    JsonWriter w(document);
    VisitScenarioFields(w, d);
    if (!w.Error().empty()) {
        error = w.Error();
        return false;
    }
    ordered_json root = ordered_json::object();
    root[kDocumentKey] = std::move(document);
    text.clear();
    Pretty(root, 0, text);
    text += "\n";
    return true;
}

bool ReadDocumentJson(const json& document, SpillDocData& d, std::string& path,
                      std::string& error) {
    auto fresh = std::make_unique<SpillDocData>();
    JsonFault fault;
    JsonReader r(document, fault);
    VisitScenarioFields(r, *fresh);
    if (!r.Finish()) {
        path = fault.path;
        error = fault.message;
        return false;
    }
    d = *fresh;
    return true;
}

}  // namespace ormix
