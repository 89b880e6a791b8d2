#include "scenario/scenario_file.h"

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "scenario/calendar.h"
#include "scenario/field_path.h"
#include "core/file_replace.h"
#include "scenario/scenario_fields.h"
#include "scenario/stored_values.h"

namespace ormix {

namespace {

// Texts: a one-byte length below 255; else 255 and a 16-bit length below
// 65534; else 255, 65535 and a 32-bit length.
constexpr unsigned kShortTextEscape = 255;
constexpr unsigned kMediumTextEscape = 0xFFFF;
constexpr unsigned kMediumTextLimit = 0xFFFE;

class Writer : public PathVisitor<Writer> {
public:
    explicit Writer(std::vector<unsigned char>& out) : out_(out) {}
    bool Stopped() const { return false; }

    void Int(const char*, const int& v) { Put32(static_cast<std::uint32_t>(v)); }
    void Flag(const char*, const bool& v) { Put32(v ? 1 : 0); }
    void Flag(const char*, const int& v) { Put32(v != 0 ? 1 : 0); }
    void Count(const char* name, const int& v, int max) {
        if (v < 0 || v > max)
            Fail("the count " + path_.Of(name) + " holds " + std::to_string(v) + " where 0 to " +
                 std::to_string(max) + " belongs");
        Put32(static_cast<std::uint32_t>(v));
    }
    void Double(const char*, const double& v) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        for (int i = 0; i < 8; ++i)
            out_.push_back(static_cast<unsigned char>(bits >> (8 * i)));
    }
    void Doubles(const char* name, const double* p, int n) {
        for (int i = 0; i < n; ++i)
            Double(name, p[i]);
    }
    void Time(const char* name, const std::time_t& t) {
        if (!FitsScenarioFile(t)) {
            Fail(TimeOutsideScenarioFile(t, path_.Of(name)));
            return;
        }
        Put32(static_cast<std::uint32_t>(t));
    }
    void Text(const char* name, const std::string& s) {
        std::size_t n = s.size();
        if (n < kShortTextEscape) {
            out_.push_back(static_cast<unsigned char>(n));
        } else if (n < kMediumTextLimit) {
            out_.push_back(kShortTextEscape);
            Put16(static_cast<std::uint16_t>(n));
        } else if (n <= 0xFFFFFFFFu) {
            out_.push_back(kShortTextEscape);
            Put16(kMediumTextEscape);
            Put32(static_cast<std::uint32_t>(n));
        } else {
            Fail("the text " + path_.Of(name) + " is too long for a scenario file");
            return;
        }
        out_.insert(out_.end(), s.begin(), s.end());
    }
    // The text up to its first zero byte, at most size - 1 bytes, then
    // zeros: the last byte is always zero.
    void FixedText(const char*, const char* buf, std::size_t size) {
        std::size_t n = strnlen(buf, size - 1);
        out_.insert(out_.end(), buf, buf + n);
        out_.insert(out_.end(), size - n, 0);
    }

    const std::string& Error() const { return error_; }

private:
    void Put16(std::uint16_t v) {
        out_.push_back(static_cast<unsigned char>(v));
        out_.push_back(static_cast<unsigned char>(v >> 8));
    }
    void Put32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out_.push_back(static_cast<unsigned char>(v >> (8 * i)));
    }
    void Fail(const std::string& why) {
        if (error_.empty()) error_ = why;
    }

    std::vector<unsigned char>& out_;
    std::string error_;
};

class Reader : public PathVisitor<Reader> {
public:
    Reader(const unsigned char* data, std::size_t size) : p_(data), size_(size) {}
    bool Stopped() const { return !error_.empty(); }

    void Int(const char* name, int& v) {
        std::uint32_t u;
        if (Get32(name, u)) v = static_cast<std::int32_t>(u);
    }
    void Flag(const char* name, bool& v) {
        int x;
        if (ReadFlag(name, x)) v = x != 0;
    }
    void Flag(const char* name, int& v) { ReadFlag(name, v); }
    void Count(const char* name, int& v, int max) {
        int x = 0;
        Int(name, x);
        if (!error_.empty()) return;
        if (x < 0 || x > max) {
            Fail("the count " + path_.Of(name) + " holds " + std::to_string(x) + " where 0 to " +
                 std::to_string(max) + " belongs");
            return;
        }
        v = x;
    }
    void Double(const char* name, double& v) {
        if (!Need(8, name)) return;
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits |= static_cast<std::uint64_t>(p_[pos_ + i]) << (8 * i);
        pos_ += 8;
        std::memcpy(&v, &bits, sizeof v);
    }
    void Doubles(const char* name, double* p, int n) {
        for (int i = 0; i < n; ++i)
            Double(name, p[i]);
    }
    void Time(const char* name, std::time_t& t) {
        std::uint32_t u;
        if (Get32(name, u)) t = static_cast<std::time_t>(u);
    }
    void Text(const char* name, std::string& s) {
        if (!Need(1, name)) return;
        std::uint64_t n = p_[pos_++];
        if (n == kShortTextEscape) {
            std::uint16_t m;
            if (!Get16(name, m)) return;
            n = m;
            if (m == kMediumTextLimit) {
                Fail("the text " + path_.Of(name) +
                     " has a length prefix of a form that scenario files do not use");
                return;
            }
            if (m == kMediumTextEscape) {
                std::uint32_t l;
                if (!Get32(name, l)) return;
                n = l;
            }
        }
        // The length is checked against what the file still holds before
        // anything is allocated for it.
        if (n > size_ - pos_) {
            Fail("the text " + path_.Of(name) + " is said to hold " + std::to_string(n) +
                 " characters, but only " + std::to_string(size_ - pos_) + " bytes follow");
            return;
        }
        s.assign(reinterpret_cast<const char*>(p_ + pos_), static_cast<std::size_t>(n));
        pos_ += static_cast<std::size_t>(n);
    }
    void FixedText(const char* name, char* buf, std::size_t size) {
        if (!Need(size, name)) return;
        std::memcpy(buf, p_ + pos_, size);
        buf[size - 1] = 0;  // always a terminated text in memory
        pos_ += size;
    }

    // After the last field: everything read, nothing left over.
    bool Finish(std::string& error) {
        if (error_.empty() && pos_ != size_)
            Fail(std::to_string(size_ - pos_) + " bytes follow the last field of a scenario");
        error = error_;
        return error_.empty();
    }

private:
    bool Need(std::size_t k, const char* name) {
        if (!error_.empty()) return false;
        if (size_ - pos_ < k) {
            Fail("the file ends before " + path_.Of(name));
            return false;
        }
        return true;
    }
    bool Get16(const char* name, std::uint16_t& v) {
        if (!Need(2, name)) return false;
        v = static_cast<std::uint16_t>(p_[pos_] | (p_[pos_ + 1] << 8));
        pos_ += 2;
        return true;
    }
    bool Get32(const char* name, std::uint32_t& v) {
        if (!Need(4, name)) return false;
        v = 0;
        for (int i = 0; i < 4; ++i)
            v |= static_cast<std::uint32_t>(p_[pos_ + i]) << (8 * i);
        pos_ += 4;
        return true;
    }
    bool ReadFlag(const char* name, int& v) {
        int x = 0;
        Int(name, x);
        if (!error_.empty()) return false;
        if (x != 0 && x != 1) {
            Fail("the flag " + path_.Of(name) + " holds " + std::to_string(x) +
                 " where 0 or 1 belongs");
            return false;
        }
        v = x;
        return true;
    }
    void Fail(const std::string& why) {
        if (error_.empty()) error_ = why;
    }

    const unsigned char* p_;
    std::size_t size_;
    std::size_t pos_ = 0;
    std::string error_;
};

std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}

std::string SystemError(int err) {
    return std::strerror(err);
}

}  // namespace

bool HasScenarioFileExtension(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == kScenarioExtension;
}

bool EncodeScenario(const SpillDocData& d, std::vector<unsigned char>& bytes, std::string& error) {
    std::vector<unsigned char> out;
    out.reserve(16384);
    Writer w(out);
    VisitScenarioFields(w, d);
    if (!w.Error().empty()) {
        error = w.Error();
        return false;
    }
    bytes.swap(out);
    return true;
}

bool DecodeScenario(const unsigned char* data, std::size_t size, SpillDocData& d,
                    std::string& error) {
    if (size == 0) {
        error = "the file is empty";
        return false;
    }
    auto fresh = std::make_unique<SpillDocData>();
    Reader r(data, size);
    VisitScenarioFields(r, *fresh);
    if (!r.Finish(error)) return false;
    d = *fresh;
    return true;
}

ScenarioFileResult SaveScenarioFile(const SpillDocData& d, const std::string& path) {
    ScenarioFileResult result;
    std::vector<unsigned char> bytes;
    std::string why;
    if (!EncodeScenario(d, bytes, why)) {
        result.message = "The scenario cannot be saved to " + Quoted(path) + ": " + why + ".";
        return result;
    }
    std::string error;
    if (!ReplaceFile(path,
                     std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                     error)) {
        result.message = "The scenario cannot be saved to " + Quoted(path) + ": " + error +
                         ". Nothing was changed.";
        return result;
    }
    result.ok = true;
    return result;
}

ScenarioFileResult ReadScenarioFile(const std::string& path, SpillDocData& d) {
    ScenarioFileResult result;
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::file_status st = fs::status(path, ec);
    if (ec || !fs::exists(st)) {
        result.message = "The scenario file " + Quoted(path) + " cannot be found.";
        return result;
    }
    if (!fs::is_regular_file(st)) {
        result.message = Quoted(path) + " is not a file, so it cannot be a scenario.";
        return result;
    }
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        result.message =
            "The scenario file " + Quoted(path) + " cannot be read (" + SystemError(errno) + ").";
        return result;
    }
    std::vector<unsigned char> bytes;
    unsigned char chunk[65536];
    bool tooLarge = false;
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) {
        if (bytes.size() + n > kMaxScenarioFileBytes) {
            tooLarge = true;
            break;
        }
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    bool readError = std::ferror(f) != 0;
    std::fclose(f);
    if (readError) {
        result.message = "The scenario file " + Quoted(path) + " cannot be read.";
        return result;
    }
    if (tooLarge) {
        result.message = "The file " + Quoted(path) +
                         " is far too large to be an ORMIX scenario; it was not opened.";
        return result;
    }
    std::string why;
    if (!DecodeScenario(bytes.data(), bytes.size(), d, why)) {
        result.message = "The file " + Quoted(path) +
                         " is not an ORMIX scenario, or it is damaged: " + why + ".";
        return result;
    }
    result.ok = true;
    return result;
}

ScenarioFileResult OpenScenarioFile(CSpillDoc& doc, const std::string& path) {
    auto fresh = std::make_unique<SpillDocData>();
    ScenarioFileResult result = ReadScenarioFile(path, *fresh);
    if (!result.ok) return result;
    std::string field, why;
    if (FindUnstorableValue(*fresh, field, why)) {
        result.ok = false;
        result.message =
            "The file " + Quoted(path) +
            " holds a value that no ORMIX dialog stores, so it was not opened: " + field + ": " +
            why + (why.back() == '.' ? "" : ".");
        return result;
    }
    static_cast<SpillDocData&>(doc) = *fresh;
    doc.OnOpenDocument();
    return result;
}

}  // namespace ormix
