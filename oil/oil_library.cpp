#include "oil/oil_library.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>
#include <optional>

#include "core/constants.h"
#include "core/file_lock.h"

namespace ormix {

namespace {

using namespace oilfield;

constexpr char kMagic[] = "ormix";
constexpr char kVersion[] = "1.0";

std::string Cut(std::string_view text, size_t width) {
    return std::string(text.substr(0, width));
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

double ToUnit(double kelvin, TemperatureUnit units) {
    double c = kelvin - 273.15;
    return units == TemperatureUnit::Celsius ? c : c * 9.0 / 5.0 + 32.0;
}

std::string TodayText(std::time_t now) {
    std::tm tm{};
    localtime_r(&now, &tm);
    char buf[16];
    std::strftime(buf, sizeof buf, "%m/%d/%Y", &tm);
    return buf;
}

bool FileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

std::string OilNamed(const std::string& name, const std::string& id) {
    return "the oil \"" + name + "\"" + (id.empty() ? "" : " (" + id + ")");
}

}  // namespace

OilLibrary::OilLibrary(const std::string& workDir, const std::string& fileName)
    : TableFile(PathIn(workDir, fileName), kColumnNames, kNamedFields, kFieldCount) {}

std::string OilLibrary::PathIn(const std::string& workDir, const std::string& fileName) {
    if (workDir.empty()) return fileName;
    if (workDir.back() == '/') return workDir + fileName;
    return workDir + "/" + fileName;
}

int OilLibrary::Load() {
    if (hasSummaries_) return kTableOk;
    SetProblem({});
    int rc = kTableOk;
    try {
        summaries_.clear();
        summaries_.reserve(kSummaryGrowth);
        rc = Open(true, 0);
        if (rc == kTableOk) rc = ReadLine(true);
        if (rc == kTableOk) {
            version_ = Cut(Column(0), kTextWidth);
            date_ = Cut(Column(1), kTextWidth);
            line1Length_ = LineLength();
            if (Column(2) != kMagic) {
                rc = kNotAnOilLibrary;
                SetProblem(Path() + ", line 1: the third field is not the word \"ormix\"");
            }
        }
        if (rc == kTableOk) rc = ReadLine(true);
        if (rc == kTableOk) {
            BuildColumnMap();
            endsWithLineEnd_ = LineLength() > static_cast<int>(Line().size());
            for (;;) {
                rc = ReadLine(true);
                if (rc != kTableOk) break;
                endsWithLineEnd_ = LineLength() > static_cast<int>(Line().size());
                if (!HasNonEmptyColumn()) continue;
                if (summaries_.size() == summaries_.capacity())
                    summaries_.reserve(summaries_.size() + kSummaryGrowth);
                AddSummary();
            }
            if (rc == kTableEnd && AtEnd()) rc = kTableOk;
        }
        if (rc == kTableEnd && AtEnd())
            SetProblem(Path() + ": the file ends before its line of column names");
        Close();
        if (rc == kTableOk) summaries_.shrink_to_fit();
    } catch (const std::bad_alloc&) {
        Close();
        rc = kTableNoMemory;
        SetProblem(Path() + ": not enough memory for the oils' summaries");
    }
    if (rc != kTableOk) {
        std::vector<OilSummary>().swap(summaries_);
        return rc;
    }
    hasSummaries_ = true;
    return kTableOk;
}

void OilLibrary::AddSummary() {
    OilSummary s;
    s.position = LinePosition();
    std::string_view name = FieldText(kOilName);
    s.fullName = std::string(name);
    size_t comma = name.find(',');
    s.name = Cut(name.substr(0, comma), 31);
    if (comma != std::string_view::npos) {
        std::string_view source = name.substr(comma + 1);
        while (!source.empty() && source.front() == ' ')
            source.remove_prefix(1);
        s.source = Cut(source, 15);
    }
    s.oilId = std::string(FieldText(kOilId));
    s.location = Cut(FieldText(kLocation), 31);
    double api = FieldNumber(kApi, 4);
    if (api != NoData) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.1f", api);
        s.apiText = Cut(buf, 7);
        s.apiKey = static_cast<float>(api * 10.0);
    }
    s.pourTextC = Cut(RangeText(kPourPointMin, kPourPointMax, TemperatureUnit::Celsius, 0), 23);
    s.pourTextF = Cut(RangeText(kPourPointMin, kPourPointMax, TemperatureUnit::Fahrenheit, 0), 23);
    s.pourKeyC = PourPointKey(TemperatureUnit::Celsius);
    s.pourKeyF = PourPointKey(TemperatureUnit::Fahrenheit);
    summaries_.push_back(std::move(s));
}

const OilSummary* OilLibrary::SummaryAt(long position) const {
    auto it = std::lower_bound(summaries_.begin(), summaries_.end(), position,
                               [](const OilSummary& s, long p) { return s.position < p; });
    return it != summaries_.end() && it->position == position ? &*it : nullptr;
}

std::string OilLibrary::TemperatureText(double kelvin, TemperatureUnit units, int decimals) {
    if (kelvin == NoData) return {};
    return FormatTableNumber(ToUnit(kelvin, units), decimals);
}

char OilLibrary::RangeMarker(int minField) const {
    std::string_view a = TrimBlanks(FieldText(minField));
    if (a == "<") return '<';
    if (a == ">") return '>';
    return 0;
}

std::string OilLibrary::RangeText(int minField, int maxField, TemperatureUnit units,
                                  int decimals) const {
    char marker = RangeMarker(minField);
    std::string b = TemperatureText(FieldNumber(maxField, 4), units, decimals);
    if (marker != 0 && b.empty()) return {};  // "less than" nothing says nothing
    if (marker == '<') return "less than " + b;
    if (marker == '>') return "greater than " + b;
    std::string a = TemperatureText(FieldNumber(minField, 4), units, decimals);
    if (a.empty()) return b;
    if (b.empty() || a == b) return a;
    return a + " to " + b;
}

float OilLibrary::PourPointKey(TemperatureUnit units) const {
    auto whole = [&](int field) {
        double k = FieldNumber(field, 4);
        return k == NoData ? NoData : std::floor(ToUnit(k, units) + 0.5);
    };
    char marker = RangeMarker(kPourPointMin);
    double b = whole(kPourPointMax);
    if (marker != 0) {
        if (b == NoData) return 9999.0f;
        return static_cast<float>(marker == '<' ? 10.0 * b - 4.0 : 10.0 * b + 4.0);
    }
    double a = whole(kPourPointMin);
    if (a == NoData) return 9999.0f;
    if (b == NoData || a == b) return static_cast<float>(10.0 * a);
    return static_cast<float>(10.0 * a + 2.0);
}

int OilLibrary::CopyRecordFrom(OilLibrary& other, long position) {
    ClearFields();
    int rc = other.ReadRecordAt(position);
    if (rc != kTableOk) return rc;
    for (int n = 1; n <= kFieldCount; ++n) {
        std::string_view text = other.FieldText(n);
        if (!text.empty()) SetFieldText(n, text);
    }
    return kTableOk;
}

int OilLibrary::SaveRecord(long position) {
    return Rewrite(position, true);
}

int OilLibrary::DeleteRecord(long position) {
    return Rewrite(position, false);
}

OilLibrary::Identity OilLibrary::IdentityOf(const OilSummary& s) {
    return Identity{s.oilId, s.fullName, s.position};
}

long OilLibrary::FindAgain(const Identity& wanted) const {
    // By ID where the oil has one, else by its whole name; among several,
    // only the one still at its place can be told apart.
    std::vector<const OilSummary*> same;
    for (const OilSummary& s : summaries_)
        if (wanted.id.empty() ? s.oilId.empty() && s.fullName == wanted.name : s.oilId == wanted.id)
            same.push_back(&s);
    for (const OilSummary* s : same)
        if (s->position == wanted.position) return s->position;
    return same.size() == 1 ? same.front()->position : -1;
}

bool OilLibrary::CurrentRecordIs(const Identity& wanted) const {
    if (FieldText(kOilId) != wanted.id) return false;
    return !wanted.id.empty() || FieldText(kOilName) == wanted.name;
}

int OilLibrary::ReadOil(long position) {
    SetProblem({});
    const OilSummary* s = hasSummaries_ ? SummaryAt(position) : nullptr;
    if (!s) return ReadRecordAt(position);  // nothing to check the line against
    const Identity wanted = IdentityOf(*s);
    int rc = ReadRecordAt(position);
    if (rc == kTableOk && CurrentRecordIs(wanted)) return kTableOk;
    // The file has changed since it was loaded: the oil is read from the
    // file as it is now, and the summaries held stay as they were.
    OilLibrary current("", Path());
    rc = current.Load();
    if (rc != kTableOk) {
        SetProblem(current.Problem());
        return rc;
    }
    long at = current.FindAgain(wanted);
    if (at >= 0) rc = CopyRecordFrom(current, at);
    if (at < 0 || (rc == kTableOk && !CurrentRecordIs(wanted))) {
        SetProblem(OilNamed(wanted.name, wanted.id) + " is no longer in " + Path());
        return kOilGone;
    }
    return rc;
}

int OilLibrary::Rewrite(long position, bool save) {
    SetProblem({});
    if (!save && position < 0) return kTableEnd;
    // The oil meant is the one the summaries held show at the position.
    std::optional<Identity> wanted;
    if (position >= 0 && hasSummaries_) {
        const OilSummary* s = SummaryAt(position);
        if (!s) return kTableEnd;  // not the start of an oil
        wanted = IdentityOf(*s);
    }
    // Other programs changing the library wait until this one has replaced
    // it, and this one reads it only once they have.
    FileLock lock;
    std::string why;
    if (!lock.Acquire(Path(), why)) {
        SetProblem(Path() + ": " + why);
        return kTableEnd;
    }
    OilLibrary current("", Path());
    current.clock_ = clock_;
    int rc = current.RewriteOf(*this, position, save, wanted ? &*wanted : nullptr);
    if (rc != kTableOk) {
        // The summaries held stay as they were, and so do the fields.
        SetProblem(current.Problem());
        return rc;
    }
    hasSummaries_ = false;
    Load();
    return kTableOk;
}

int OilLibrary::RewriteOf(const OilLibrary& edited, long position, bool save,
                          const Identity* wanted) {
    // The file as it is now: its rows, its header and whether it is a
    // library at all. A missing file is a new, empty library; a file that
    // cannot be read as a library is never rewritten.
    const bool exists = FileExists(Path());
    if (exists) {
        int rc = Load();
        if (rc != kTableOk) return rc;
    }
    long at = position;
    if (wanted) {
        at = FindAgain(*wanted);
        if (at < 0) {
            SetProblem(OilNamed(wanted->name, wanted->id) + " is no longer in " + Path() +
                       ": another program has removed it");
            return kOilGone;
        }
    } else if (position >= 0 && !SummaryAt(position)) {
        return kTableEnd;  // no such oil
    }
    const std::string_view newId = edited.FieldText(kOilId);
    if (save && position < 0 && !newId.empty())
        for (const OilSummary& s : summaries_)
            if (s.oilId == newId) return kOilIdInUse;

    // The record in this file's columns.
    ClearFields();
    for (int n = 1; n <= kFieldCount; ++n)
        if (!edited.IsFieldEmpty(n)) SetFieldText(n, edited.FieldText(n));
    const std::string recordLine = JoinedLine();
    // A record longer than a line can hold would be cut: refuse it whole.
    if (save && recordLine.size() > static_cast<size_t>(kMaxLineLength - 1)) {
        SetProblem(Path() + ": the oil's line would take " + std::to_string(recordLine.size() + 1) +
                   " characters, more than the " + std::to_string(kMaxLineLength) +
                   " a line may hold");
        return kTableLineTooLong;
    }

    long skip = 0;
    if (at > 0) {
        TableFile old(Path(), nullptr, 0, 0);
        int rc = old.ReadRecordAt(at);
        if (rc != kTableOk) {
            SetProblem(old.Problem());
            return rc;
        }
        skip = old.LineLength();
    }

    // The new library is written beside the old one and takes its place
    // when complete; a failure anywhere leaves the old one as it was.
    TableFile out(Path(), kColumnNames, kNamedFields, kFieldCount);
    auto fail = [&](int rc) {
        if (Problem().empty()) SetProblem(out.Problem());
        out.Close();
        return rc == kTableOk ? kTableEnd : rc;
    };
    SetProblem({});
    int rc = out.BeginReplace();
    if (rc != kTableOk) return fail(rc);

    std::time_t now = clock_ ? clock_() : std::time(nullptr);
    out.SetFieldText(1, kVersion);
    out.SetFieldText(2, TodayText(now));
    out.SetFieldText(3, kMagic);
    rc = out.WriteLine();
    if (rc == kTableOk && exists) {
        rc = CopyRange(out, line1Length_, at > 0 ? at : -1);
        if (rc == kTableOk && at < 0 && !endsWithLineEnd_) rc = out.WriteText("\n");
    } else if (rc == kTableOk) {
        out.ClearFields();
        for (int n = 1; n <= kNamedFields; ++n)
            out.SetFieldText(n, kColumnNames[n - 1]);
        rc = out.WriteLine();
    }
    if (rc == kTableOk && save) rc = out.WriteText(recordLine + "\n");
    if (rc == kTableOk && exists && at > 0) rc = CopyRange(out, at + skip, -1);
    if (rc == kTableOk) rc = out.CommitReplace();
    if (rc != kTableOk) return fail(rc);
    return kTableOk;
}

}  // namespace ormix
