#include "oil/oil_library.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>

#include "model/constants.h"

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

// Makes a rename durable: the directory entry itself is flushed.
void SyncDirectoryOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    std::string dir = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
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
            if (Column(2) != kMagic) rc = kNotAnOilLibrary;
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
        Close();
        if (rc == kTableOk) summaries_.shrink_to_fit();
    } catch (const std::bad_alloc&) {
        Close();
        rc = kTableNoMemory;
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

int OilLibrary::Rewrite(long position, bool save) {
    // The record being saved, by field number: loading below reads lines into
    // the fields, and the file's header decides the column of every field.
    std::vector<std::string> record;
    try {
        record.resize(kFieldCount + 1);
        for (int n = 1; n <= kFieldCount; ++n)
            record[static_cast<size_t>(n)] = std::string(FieldText(n));
    } catch (const std::bad_alloc&) {
        return kTableNoMemory;
    }

    // The file as it is now: its rows, its header and whether it is a
    // library at all. A missing file is a new, empty library; a file that
    // cannot be read as a library is never rewritten.
    bool exists = FileExists(Path());
    hasSummaries_ = false;
    if (exists) {
        int rc = Load();
        if (rc != kTableOk) return rc;
    } else {
        std::vector<OilSummary>().swap(summaries_);
        ResetColumnMap();
    }
    if (position >= 0 && !SummaryAt(position)) return kTableEnd;  // no such oil
    if (!save && position < 0) return kTableEnd;

    ClearFields();
    for (int n = 1; n <= kFieldCount; ++n)
        if (!record[static_cast<size_t>(n)].empty())
            SetFieldText(n, record[static_cast<size_t>(n)]);
    std::string recordLine = JoinedLine();
    // A record longer than a line can hold would be cut: refuse it whole.
    if (save && recordLine.size() > static_cast<size_t>(kMaxLineLength - 1))
        return kTableLineTooLong;

    long skip = 0;
    if (position > 0) {
        TableFile old(Path(), nullptr, 0, 0);
        int rc = old.ReadRecordAt(position);
        if (rc != kTableOk) return rc;
        skip = old.LineLength();
    }

    TableFile bak(Path() + ".bak", kColumnNames, kNamedFields, kFieldCount);
    auto fail = [&bak](int rc) {
        bak.Close();
        bak.Remove();
        return rc == kTableOk ? kTableEnd : rc;
    };
    int rc = bak.Create();
    if (rc != kTableOk) return rc;  // nothing was made
    rc = bak.Open(false, 0);
    if (rc != kTableOk) return fail(rc);

    std::time_t now = clock_ ? clock_() : std::time(nullptr);
    bak.SetFieldText(1, kVersion);
    bak.SetFieldText(2, TodayText(now));
    bak.SetFieldText(3, kMagic);
    rc = bak.WriteLine();
    if (rc != kTableOk) return fail(rc);

    if (exists) {
        rc = CopyRange(bak, line1Length_, position > 0 ? position : -1);
        if (rc == kTableOk && position < 0 && !endsWithLineEnd_) rc = bak.WriteText("\n");
    } else {
        bak.ClearFields();
        for (int n = 1; n <= kNamedFields; ++n)
            bak.SetFieldText(n, kColumnNames[n - 1]);
        rc = bak.WriteLine();
    }
    if (rc != kTableOk) return fail(rc);
    if (save) {
        rc = bak.WriteText(recordLine + "\n");
        if (rc != kTableOk) return fail(rc);
    }
    if (exists && position > 0) {
        rc = CopyRange(bak, position + skip, -1);
        if (rc != kTableOk) return fail(rc);
    }
    // All of the new file is on the disk before it takes the library's place.
    rc = bak.Sync();
    if (rc == kTableOk) rc = bak.Close();
    if (rc != kTableOk) return fail(rc);

    struct stat st;
    if (exists && ::stat(Path().c_str(), &st) == 0) ::chmod(bak.Path().c_str(), st.st_mode & 07777);
    if (std::rename(bak.Path().c_str(), Path().c_str()) != 0) return fail(kTableEnd);
    SyncDirectoryOf(Path());

    hasSummaries_ = false;
    Load();
    return kTableOk;
}

}  // namespace ormix
