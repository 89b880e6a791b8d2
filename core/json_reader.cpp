#include "core/json_reader.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "core/json_parse.h"

namespace ormix {

using nlohmann::json;

namespace {

const json& EmptyObject() {
    static const json empty = json::object();
    return empty;
}

void SetFault(JsonFault& fault, const std::string& path, const std::string& message) {
    if (fault.Failed()) return;
    fault.path = path;
    fault.message = message;
}

// The checks of one value, shared by the keys of objects and the elements of
// arrays. Each returns true with the value read, or sets the fault.

bool ReadNumber(const json& j, const std::string& path, JsonFault& fault, double& v) {
    if (!j.is_number()) {
        SetFault(fault, path, "expected a number");
        return false;
    }
    const double d = j.get<double>();
    if (!std::isfinite(d)) {
        SetFault(fault, path, "not a finite number");
        return false;
    }
    v = d;
    return true;
}

bool ReadWhole(const json& j, const std::string& path, JsonFault& fault, long long lowest,
               long long highest, int& v) {
    if (!j.is_number_integer()) {
        SetFault(fault, path, "expected a whole number");
        return false;
    }
    // An unsigned number above the largest signed one is out of every range;
    // read as signed it would wrap round to a small negative number.
    const bool inRange = j.is_number_unsigned()
                             ? j.get<std::uint64_t>() <= static_cast<std::uint64_t>(LLONG_MAX) &&
                                   j.get<long long>() >= lowest && j.get<long long>() <= highest
                             : j.get<long long>() >= lowest && j.get<long long>() <= highest;
    if (!inRange) {
        SetFault(fault, path,
                 "expected a whole number from " + std::to_string(lowest) + " to " +
                     std::to_string(highest));
        return false;
    }
    v = static_cast<int>(j.get<long long>());
    return true;
}

bool ReadTypedText(const json& j, const std::string& path, JsonFault& fault, std::string& v) {
    if (j.is_null()) return false;
    if (j.is_string()) {
        v = j.get<std::string>();
        return true;
    }
    if (j.is_number()) {
        v = j.dump();
        return true;
    }
    SetFault(fault, path, "expected a number or a text");
    return false;
}

std::string Quoted(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.append(1, '"').append(text).append(1, '"');
    return quoted;
}

bool ReadChoice(const json& j, const std::string& path, JsonFault& fault,
                const std::vector<std::string_view>& labels, int& index) {
    if (j.is_null()) return false;
    if (j.is_string()) {
        const std::string& s = j.get_ref<const std::string&>();
        for (std::size_t i = 0; i < labels.size(); ++i)
            if (labels[i] == s) {
                index = static_cast<int>(i);
                return true;
            }
    }
    std::string offered;
    for (std::string_view label : labels)
        offered += (offered.empty() ? "" : ", ") + Quoted(label);
    SetFault(fault, path, "expected one of " + offered);
    return false;
}

}  // namespace

std::string JsonFault::Text() const {
    return path.empty() ? message : path + ": " + message;
}

std::string JsonPathOf(const std::string& path, std::string_view key) {
    std::string out = path;
    if (!out.empty()) out += '.';
    out += key;
    return out;
}

std::string JsonPathOf(const std::string& path, std::size_t i) {
    return path + "[" + std::to_string(i) + "]";
}

bool ParseJson(std::string_view text, json& out, JsonFault& fault) {
    std::string path, error;
    if (ParseJsonStrictly(text, out, path, error)) return true;
    SetFault(fault, path, error);
    return false;
}

// The object reader.

JsonObjectReader::JsonObjectReader(const json& value, std::string path, JsonFault& fault)
    : value_(&value), path_(std::move(path)), fault_(&fault) {
    if (!value.is_object()) {
        FailHere(path_.empty() ? "expected a JSON object" : "expected an object");
        value_ = &EmptyObject();
    }
}

const json* JsonObjectReader::Find(const char* key) {
    asked_.insert(key);
    auto it = value_->find(key);
    return it == value_->end() ? nullptr : &*it;
}

bool JsonObjectReader::Has(const char* key) {
    const json* j = Find(key);
    return j && !j->is_null();
}

bool JsonObjectReader::Number(const char* key, double& v) {
    const json* j = Find(key);
    return j && !Failed() && ReadNumber(*j, PathOf(key), *fault_, v);
}

bool JsonObjectReader::NumberOrNull(const char* key, std::optional<double>& v) {
    const json* j = Find(key);
    if (!j || Failed()) return false;
    if (j->is_null()) {
        v.reset();
        return true;
    }
    if (!j->is_number()) {
        Fail(key, "expected a number or null (left empty)");
        return false;
    }
    double d = 0;
    if (!ReadNumber(*j, PathOf(key), *fault_, d)) return false;
    v = d;
    return true;
}

bool JsonObjectReader::Whole(const char* key, int& v, long long lowest, long long highest) {
    const json* j = Find(key);
    return j && !Failed() && ReadWhole(*j, PathOf(key), *fault_, lowest, highest, v);
}

bool JsonObjectReader::Count(const char* key, int& v, int most) {
    int n = 0;
    if (!Whole(key, n)) return false;
    if (n < 0 || n > most) {
        Fail(key, "expected a count of 0 to " + std::to_string(most));
        return false;
    }
    v = n;
    return true;
}

bool JsonObjectReader::Flag(const char* key, bool& v) {
    const json* j = Find(key);
    if (!j || Failed()) return false;
    if (!j->is_boolean()) {
        Fail(key, "expected true or false");
        return false;
    }
    v = j->get<bool>();
    return true;
}

bool JsonObjectReader::Bit(const char* key, int& v) {
    const json* j = Find(key);
    if (!j || Failed()) return false;
    if (j->is_boolean()) {
        v = j->get<bool>() ? 1 : 0;
        return true;
    }
    if (j->is_number_integer() && (*j == 0 || *j == 1)) {
        v = j->get<int>();
        return true;
    }
    Fail(key, "expected true or false (or 0 or 1)");
    return false;
}

bool JsonObjectReader::Text(const char* key, std::string& v) {
    const json* j = Find(key);
    if (!j || Failed()) return false;
    if (!j->is_string()) {
        Fail(key, "expected a text");
        return false;
    }
    v = j->get<std::string>();
    return true;
}

bool JsonObjectReader::TypedText(const char* key, std::string& v) {
    const json* j = Find(key);
    return j && !Failed() && ReadTypedText(*j, PathOf(key), *fault_, v);
}

bool JsonObjectReader::FixedText(const char* key, char* buf, std::size_t size) {
    std::string text;
    return Text(key, text) && FitText(key, text, buf, size);
}

bool JsonObjectReader::FitText(const char* key, const std::string& text, char* buf,
                               std::size_t size) {
    if (Failed()) return false;
    if (text.size() > size - 1) {
        Fail(key, "expected a text of at most " + std::to_string(size - 1) + " characters");
        return false;
    }
    if (text.find('\0') != std::string::npos) {
        Fail(key, "a text cannot hold the character U+0000");
        return false;
    }
    std::memset(buf, 0, size);
    std::memcpy(buf, text.data(), text.size());
    return true;
}

bool JsonObjectReader::Choice(const char* key, std::initializer_list<const char*> labels,
                              int& index) {
    const json* j = Find(key);
    return j && !Failed() &&
           ReadChoice(*j, PathOf(key), *fault_, {labels.begin(), labels.end()}, index);
}

bool JsonObjectReader::Choice(const char* key, const std::vector<std::string>& labels, int& index) {
    const json* j = Find(key);
    return j && !Failed() &&
           ReadChoice(*j, PathOf(key), *fault_, {labels.begin(), labels.end()}, index);
}

bool JsonObjectReader::Numbers(const char* key, double* v, std::size_t n) {
    if (!Find(key)) return false;
    JsonArrayReader list = Array(key, n, n, std::to_string(n) + " numbers");
    if (Failed()) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (!list.Number(i, v[i])) return false;
    return true;
}

bool JsonObjectReader::Wholes(const char* key, int* v, std::size_t n, long long lowest,
                              long long highest) {
    if (!Find(key)) return false;
    JsonArrayReader list = Array(key, n, n, std::to_string(n) + " whole numbers");
    if (Failed()) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (!list.Whole(i, v[i], lowest, highest)) return false;
    return true;
}

JsonObjectReader JsonObjectReader::Object(const char* key) {
    const json* j = Find(key);
    if (!j || Failed()) return JsonObjectReader(EmptyObject(), PathOf(key), *fault_);
    return JsonObjectReader(*j, PathOf(key), *fault_);
}

JsonArrayReader JsonObjectReader::Array(const char* key, std::size_t fewest, std::size_t most,
                                        const std::string& what) {
    const json* j = Find(key);
    if (j && !Failed() && (!j->is_array() || j->size() < fewest || j->size() > most)) {
        Fail(key, "expected an array of " + what);
        j = nullptr;
    }
    return JsonArrayReader(Failed() ? nullptr : j, PathOf(key), *fault_);
}

void JsonObjectReader::Fail(std::string_view key, const std::string& message) {
    FailAt(PathOf(key), message);
}

void JsonObjectReader::FailAt(const std::string& path, const std::string& message) {
    SetFault(*fault_, path, message);
}

bool JsonObjectReader::Finish(const char* unknown) {
    if (Failed()) return false;
    for (auto it = value_->begin(); it != value_->end(); ++it)
        if (!asked_.count(it.key())) {
            Fail(it.key(), unknown);
            return false;
        }
    return true;
}

// The array reader.

JsonArrayReader::JsonArrayReader(const json* array, std::string path, JsonFault& fault)
    : array_(array), path_(std::move(path)), fault_(&fault) {}

std::size_t JsonArrayReader::Size() const {
    return array_ ? array_->size() : 0;
}

bool JsonArrayReader::IsNull(std::size_t i) const {
    return i >= Size() || (*array_)[i].is_null();
}

bool JsonArrayReader::Number(std::size_t i, double& v) {
    return i < Size() && !fault_->Failed() && ReadNumber((*array_)[i], PathOf(i), *fault_, v);
}

bool JsonArrayReader::Whole(std::size_t i, int& v, long long lowest, long long highest) {
    return i < Size() && !fault_->Failed() &&
           ReadWhole((*array_)[i], PathOf(i), *fault_, lowest, highest, v);
}

bool JsonArrayReader::TypedText(std::size_t i, std::string& v) {
    return i < Size() && !fault_->Failed() && ReadTypedText((*array_)[i], PathOf(i), *fault_, v);
}

JsonObjectReader JsonArrayReader::Object(std::size_t i) {
    if (i >= Size() || fault_->Failed()) return JsonObjectReader(EmptyObject(), PathOf(i), *fault_);
    return JsonObjectReader((*array_)[i], PathOf(i), *fault_);
}

void JsonArrayReader::Fail(std::size_t i, const std::string& message) {
    SetFault(*fault_, PathOf(i), message);
}

}  // namespace ormix
