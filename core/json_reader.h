// Reading the values of a JSON file strictly, one object at a time: every
// JSON file the program reads goes through these readers. A reader records
// the keys it is asked for and refuses the others (a misspelt key is never
// silently ignored), checks the type of every value it hands out, and names
// the value at fault by its JSON path ("wind.records[2].speed").
//
// Readers never throw. The first fault is kept in a JsonFault that the
// readers of one file share; once it is set, every further read does
// nothing and returns false, so a loader may read on and look at the fault
// once, at the end.
#pragma once

#include <climits>
#include <cstddef>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace ormix {

// Where reading stopped and why; empty while all is well.
struct JsonFault {
    std::string path;     // "" for the text as a whole
    std::string message;  // "expected a number"

    bool Failed() const { return !message.empty(); }
    // "path: message", or the message alone when the path is empty.
    std::string Text() const;
};

// The path of `key` in the object at `path`, and of element `i` of the array
// at `path`.
std::string JsonPathOf(const std::string& path, std::string_view key);
std::string JsonPathOf(const std::string& path, std::size_t i);

// Parses `text` strictly (core/json_parse.h: a key given twice is refused);
// false with the fault set when it is not JSON.
bool ParseJson(std::string_view text, nlohmann::json& out, JsonFault& fault);

class JsonArrayReader;

class JsonObjectReader {
public:
    // Reads `value`, found at `path` ("" for the top of the file). A value
    // that is not an object is refused at once; the reader then reads as an
    // empty object.
    JsonObjectReader(const nlohmann::json& value, std::string path, JsonFault& fault);

    const std::string& Path() const { return path_; }
    std::string PathOf(std::string_view key) const { return JsonPathOf(path_, key); }
    JsonFault& Fault() const { return *fault_; }
    bool Failed() const { return fault_->Failed(); }

    // The value of `key`, null included; nullptr when absent. Asking for a
    // key, here or through any getter, makes it one the object may have.
    const nlohmann::json* Find(const char* key);
    // Whether `key` is given with a value other than null.
    bool Has(const char* key);

    // The getters below read the value of `key` into `v` and return true.
    // An absent key leaves `v` as it is and returns false; so does a value
    // of the wrong kind, which sets the fault.

    // A number ("expected a number"; null is refused too).
    bool Number(const char* key, double& v);
    // A number, or null for an entry left empty (v becomes empty).
    bool NumberOrNull(const char* key, std::optional<double>& v);
    // A whole number from `lowest` to `highest`.
    bool Whole(const char* key, int& v, long long lowest = INT_MIN, long long highest = INT_MAX);
    // A whole number from 0 to `most`: how many of `most` slots are in use.
    bool Count(const char* key, int& v, int most);
    // true or false.
    bool Flag(const char* key, bool& v);
    // true or false, or 0 or 1 (becoming 1 or 0).
    bool Bit(const char* key, int& v);
    // A text.
    bool Text(const char* key, std::string& v);
    // A field as a person typed it: a text as it is, a number in its JSON
    // spelling ("15", "2.5"); null leaves `v` as it is.
    bool TypedText(const char* key, std::string& v);
    // A text that fits a zero-filled field of `size` bytes (so at most
    // size - 1 characters, none of them the character 0).
    bool FixedText(const char* key, char* buf, std::size_t size);
    // Puts `text`, already read from `key`, in such a field; refuses it at
    // the key's path when it does not fit.
    bool FitText(const char* key, const std::string& text, char* buf, std::size_t size);
    // One of `labels`: `index` becomes its position. null leaves `index` as
    // it is.
    bool Choice(const char* key, std::initializer_list<const char*> labels, int& index);
    bool Choice(const char* key, const std::vector<std::string>& labels, int& index);
    // An array of exactly `n` numbers, or of `n` whole numbers within limits.
    bool Numbers(const char* key, double* v, std::size_t n);
    bool Wholes(const char* key, int* v, std::size_t n, long long lowest = INT_MIN,
                long long highest = INT_MAX);

    // The object at `key`; absent reads as an empty object.
    JsonObjectReader Object(const char* key);
    // The array at `key`, of `fewest` to `most` elements; otherwise the
    // fault is "expected an array of " + `what`. Absent reads as an empty
    // array.
    JsonArrayReader Array(const char* key, std::size_t fewest, std::size_t most,
                          const std::string& what);

    // Sets the fault at `key`'s path, at another path, or at this object.
    void Fail(std::string_view key, const std::string& message);
    void FailAt(const std::string& path, const std::string& message);
    void FailHere(const std::string& message) { FailAt(path_, message); }

    // Refuses the first key that was never asked for ("unknown key", or the
    // message given). Returns whether the reading went well.
    bool Finish(const char* unknown = "unknown key");

private:
    const nlohmann::json* value_;
    std::string path_;
    JsonFault* fault_;
    std::set<std::string, std::less<>> asked_;
};

// The elements of an array, each checked as the object reader checks a key.
class JsonArrayReader {
public:
    JsonArrayReader(const nlohmann::json* array, std::string path, JsonFault& fault);

    std::size_t Size() const;
    const std::string& Path() const { return path_; }
    std::string PathOf(std::size_t i) const { return JsonPathOf(path_, i); }
    bool IsNull(std::size_t i) const;

    bool Number(std::size_t i, double& v);
    bool Whole(std::size_t i, int& v, long long lowest = INT_MIN, long long highest = INT_MAX);
    bool TypedText(std::size_t i, std::string& v);
    JsonObjectReader Object(std::size_t i);

    void Fail(std::size_t i, const std::string& message);

private:
    const nlohmann::json* array_;  // nullptr reads as empty
    std::string path_;
    JsonFault* fault_;
};

}  // namespace ormix
