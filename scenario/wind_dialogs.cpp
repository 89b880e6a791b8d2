#include "scenario/wind_dialogs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "scenario/calendar.h"
#include "scenario/typed_text.h"

namespace ormix {

namespace {

const std::string kMissing = "Missing Important Information.\n\n";
const std::string kProblemDot = "Problem with the Input.\n\n";

// The wind speed, direction and, when it is to be given, the wave height, as
// the wind dialog checks them. Returns the refusal, or an empty text.
std::string CheckWind(const std::string& speedText, const std::string& directionText, int speedUnit,
                      bool waveExpected, const std::string& waveText, int waveUnit) {
    // Only an empty field is missing; a speed of 0 or below is a speed
    // below the unit's lowest and gets that message.
    int speed = TextToInt(speedText);
    if (IsEmptyText(speedText))
        return kMissing +
               "Please enter the wind speed. ORMIX needs this\ninformation and you left the field "
               "empty.";
    struct Limit {
        int lo, hi;
        const char* name;
    };
    static const Limit kLimits[3] = {{2, 77, "mph"}, {2, 68, "knots"}, {1, 35, "m/s"}};
    const Limit& l = kLimits[speedUnit];
    char line[160];
    if (speed < l.lo) {
        std::snprintf(line, sizeof line,
                      "Sorry, ORMIX does not support wind speeds less than %d %s.\nPlease enter a "
                      "larger value.",
                      l.lo, l.name);
        return kProblemDot + line;
    }
    if (speed > l.hi) {
        std::snprintf(line, sizeof line,
                      "Sorry, ORMIX does not support wind speeds greater than %d %s.\nPlease enter "
                      "a smaller value.",
                      l.hi, l.name);
        return kProblemDot + line;
    }
    if (IsEmptyText(directionText))
        return kMissing +
               "Please enter the wind direction. ORMIX needs this information and you left the "
               "field empty.";
    int direction = TextToInt(directionText);
    if (direction < 0 || direction > 360)
        return kProblemDot +
               "ORMIX does not understand the value you entered for the wind direction.\nPlease "
               "review the value.";
    if (waveExpected) {
        if (IsEmptyText(waveText))
            return kMissing +
                   "Please enter a wave height or select the default value.You chose\nnot to use "
                   "the default value and then left the field empty.";
        double height = TextToDouble(waveText);
        if (height < 0)
            return kProblemDot +
                   "Sorry, ORMIX does not understand the number entered for wave height.\nPlease "
                   "check your entry.";
        if (waveUnit == 1 && height > 50)
            return kProblemDot +
                   "Sorry, ORMIX does not support a wave height of greater than 50 feet.\nPlease "
                   "enter a smaller value.";
        if (waveUnit == 0 && height > 15.5)
            return kProblemDot +
                   "Sorry, ORMIX does not support a wave height of greater than 15.5 "
                   "meters.\nPlease enter a smaller value.";
    }
    return "";
}

bool UnitsValid(const WindUnits& u) {
    auto in = [](int v, int n) { return v >= 0 && v < n; };
    return in(u.speed, 3) && in(u.fetch, 2) && in(u.waveHeight, 2) && in(u.varSpeed, 3) &&
           in(u.varWaveHeight, 2) && in(u.varFetch, 2);
}

void StoreUnits(CSpillDoc& doc, const WindUnits& u, int waveChoice) {
    doc.m_iWindSpeedUnit = u.speed;
    doc.m_iFetchUnit = u.fetch;
    doc.m_iWaveHeightUnit = u.waveHeight;
    doc.m_iVarSpeedUnit = u.varSpeed;
    doc.m_iVarWaveHeightUnit = u.varWaveHeight;
    doc.m_iVarFetchUnit = u.varFetch;
    doc.m_iWaveHeightChooser = waveChoice;
}

bool AnyRelease(const CSpillDoc& doc) {
    return doc.inputInstant.flag || doc.inputContinuous.flag || doc.inputTank.flag ||
           doc.inputBoomed.flag;
}

}  // namespace

DialogResult ConstantWindDialogOK(CSpillDoc& doc, const ConstantWindEntries& e) {
    if (!UnitsValid(e.units) || e.waveChoice < 0 || e.waveChoice > 2)
        return DialogResult::Refuse(kProblemDot + "Unknown unit.");
    if (e.waveChoice == kWavesFromFetch) {
        if (IsEmptyText(e.fetch))
            return DialogResult::Refuse(kMissing +
                                        "Please enter a fetch or select the default value. You "
                                        "chose not to use the default value and then left the "
                                        "field empty.");
        if (TextToInt(e.fetch) < 1)
            return DialogResult::Refuse(kProblemDot +
                                        "Sorry, ORMIX requires a minimum fetch of 1 mile (or 1 "
                                        "km). Please enter a larger value.");
    }
    std::string refusal =
        CheckWind(e.speed, e.direction, e.units.speed, e.waveChoice == kKnownWaveHeight,
                  e.waveHeight, e.units.waveHeight);
    if (!refusal.empty()) return DialogResult::Refuse(refusal);

    StoreUnits(doc, e.units, e.waveChoice);
    doc.m_bVarWind = false;
    doc.m_dWindSpeed = TextToInt(e.speed);
    doc.m_dWindDirection = TextToInt(e.direction);
    switch (e.waveChoice) {
        case kWavesFromFetch:
            doc.m_dFetch = TextToInt(e.fetch);
            doc.m_dWaveHeight = NoData;
            break;
        case kKnownWaveHeight:
            doc.m_dWaveHeight = TextToDouble(e.waveHeight);
            doc.m_dFetch = 0;
            break;
        default:
            doc.m_dFetch = 0;
            doc.m_dWaveHeight = NoData;
    }
    doc.summaryRefresh[kSummaryWind] = true;
    BuildHourlyWindRecords(doc);
    return DialogResult::Accept();
}

WindRecordList::WindRecordList(const CSpillDoc& doc) : spillTime_(doc.SpillTime) {
    for (int i = 0; i < doc.m_iVarWindNumber && i < kHours; ++i) {
        CalendarFields f = Fields(doc.m_tVarWindTime[i]);
        WindRecordRow row;
        row.when = {f.month, f.day, f.hour};
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.0f", doc.m_dVarWindSpeed[i]);
        row.speed = buf;
        std::snprintf(buf, sizeof buf, "%g", doc.m_dVarWindDirection[i]);
        row.direction = buf;
        if (doc.m_dVarWaveHeight[i] != NoData) {
            std::snprintf(buf, sizeof buf, "%.0f", doc.m_dVarWaveHeight[i]);
            row.waveHeight = buf;
        }
        rows_.push_back(row);
    }
}

int WindRecordList::Find(const WindRecordRow& row) const {
    for (size_t i = 0; i < rows_.size(); ++i) {
        const DayAndHour& w = rows_[i].when;
        if (w.month == row.when.month && w.day == row.when.day && w.hour == row.when.hour)
            return static_cast<int>(i);
    }
    return -1;
}

std::string WindRecordList::ReplaceQuestion(const WindRecordRow& row) const {
    std::time_t t =
        MakeLocalTime(Fields(spillTime_).year, row.when.month, row.when.day, row.when.hour);
    return FormatTime(t,
                      "Wind record already exists for %B %d, %H:00 hours\nDo you want to replace "
                      "it with this new information?");
}

WindRecordList::AddOutcome WindRecordList::Add(const WindRecordRow& row, int speedUnit,
                                               int waveHeightUnit, DialogResult& result) {
    if (speedUnit < 0 || speedUnit > 2 || waveHeightUnit < 0 || waveHeightUnit > 1) {
        result = DialogResult::Refuse(kProblemDot + "Unknown unit.");
        return AddOutcome::Refused;
    }
    std::string refusal = CheckWind(row.speed, row.direction, speedUnit,
                                    !IsEmptyText(row.waveHeight), row.waveHeight, waveHeightUnit);
    if (!refusal.empty()) {
        result = DialogResult::Refuse(refusal);
        return AddOutcome::Refused;
    }
    if (Find(row) >= 0) {
        result = DialogResult::Refuse(ReplaceQuestion(row), MessageKind::Information);
        return AddOutcome::AlreadyExists;
    }
    if (rows_.size() >= static_cast<size_t>(kHours)) {
        result = DialogResult::Refuse(kProblemDot +
                                      "ORMIX holds at most 120 wind records. Please delete a "
                                      "record before adding another.");
        return AddOutcome::Refused;
    }
    rows_.push_back(row);
    Sort();
    result = DialogResult::Accept();
    return AddOutcome::Added;
}

void WindRecordList::Replace(const WindRecordRow& row) {
    int i = Find(row);
    if (i < 0) return;
    rows_[i] = row;
    Sort();
}

bool WindRecordList::Remove(size_t index) {
    if (index >= rows_.size()) return false;
    rows_.erase(rows_.begin() + static_cast<long>(index));
    return true;
}

std::time_t WindRecordList::SortTime(const WindRecordRow& row, bool anyDecember) const {
    int year = Fields(spillTime_).year;
    if (anyDecember && row.when.month == 1) ++year;
    return MakeLocalTime(year, row.when.month, row.when.day, row.when.hour);
}

void WindRecordList::Sort() {
    bool anyDecember = std::any_of(rows_.begin(), rows_.end(),
                                   [](const WindRecordRow& r) { return r.when.month == 12; });
    std::stable_sort(rows_.begin(), rows_.end(),
                     [&](const WindRecordRow& a, const WindRecordRow& b) {
                         return SortTime(a, anyDecember) < SortTime(b, anyDecember);
                     });
}

DialogResult VariableWindDialogOK(CSpillDoc& doc, const VariableWindEntries& e) {
    if (!UnitsValid(e.units) || e.waveChoice < 0 || e.waveChoice > 2)
        return DialogResult::Refuse(kProblemDot + "Unknown unit.");
    if (e.rows.empty())
        return DialogResult::Refuse(kMissing +
                                    "No wind data. Please provide either a constant or variable "
                                    "winds.");
    if (e.rows.size() > static_cast<size_t>(kHours))
        return DialogResult::Refuse(kProblemDot + "ORMIX holds at most 120 wind records.");

    int n = static_cast<int>(e.rows.size());
    int year = Fields(doc.SpillTime).year;
    bool anyDecember = false;
    for (const WindRecordRow& r : e.rows)
        anyDecember = anyDecember || r.when.month == 12;
    int D = DaysInYearOf(doc.SpillTime);
    for (int i = 0; i < n; ++i) {
        const WindRecordRow& r = e.rows[i];
        std::time_t t = MakeLocalTime(year, r.when.month, r.when.day, r.when.hour);
        if (anyDecember && r.when.month == 1) t = AddDays(t, D);
        doc.m_tVarWindTime[i] = t;
        doc.m_dVarWindSpeed[i] = TextToInt(r.speed);
        doc.m_dVarWindDirection[i] = TextToDouble(r.direction);
        doc.m_dVarWaveHeight[i] = IsEmptyText(r.waveHeight) ? NoData : TextToInt(r.waveHeight);
    }
    doc.m_iVarWindNumber = n;
    doc.m_bVarWind = true;
    StoreUnits(doc, e.units, e.waveChoice);

    DialogResult result = DialogResult::Accept();
    if (AnyRelease(doc)) {
        const std::string cover = "Winds do not cover release time\n\n";
        if (doc.SpillTime < doc.m_tVarWindTime[0])
            result.Note(MessageKind::Warning,
                        cover +
                            "The first release of oil is scheduled to occur before the first "
                            "inputed wind. ORMIX needs to know the winds at the time of the first "
                            "release.");
        if (doc.m_tVarWindTime[n - 1] < doc.SpillTime)
            result.Note(MessageKind::Warning,
                        cover +
                            "The first release of oil is scheduled to occur after the last "
                            "inputed wind. ORMIX needs to know the winds at the time of the "
                            "release.");
    }
    doc.summaryRefresh[kSummaryWind] = true;
    BuildHourlyWindRecords(doc);
    return result;
}

DialogResult FetchDialogOK(CSpillDoc& doc, const FetchEntries& e) {
    if (e.unit < 0 || e.unit > 1)
        return DialogResult::Refuse("Problem with the Input\n\nUnknown unit.");
    const std::string* fields[4] = {&e.north, &e.east, &e.south, &e.west};
    double values[4];
    for (int i = 0; i < 4; ++i) {
        values[i] = 0;
        if (IsEmptyText(*fields[i])) continue;
        int v = TextToInt(*fields[i]);
        if (v < 1)
            return DialogResult::Refuse(
                std::string("Problem with the Input\n\n") +
                "Sorry, ORMIX requires a minimum fetch of 1 mile (or 1 km). Leave the field\n" +
                "empty if you want ORMIX to assume unlimited fetch for that direction.");
        values[i] = v;
    }
    doc.m_dFetchN = values[0];
    doc.m_dFetchE = values[1];
    doc.m_dFetchS = values[2];
    doc.m_dFetchW = values[3];
    doc.m_iVarFetchUnit = e.unit;
    return DialogResult::Accept();
}

DialogResult WindUncertaintyDialogOK(CSpillDoc& doc, const std::string& value, int unit) {
    static const int kMax[3] = {38, 34, 17};
    static const char* const kLine[3] = {" 38 mph.", " 34 knots.", " 17 m/s."};
    if (unit < 0 || unit > 2) return DialogResult::Refuse(kProblemDot + "Unknown unit.");
    if (IsEmptyText(value)) {
        doc.inputUncertainty.windFlag = 0;
        doc.inputUncertainty.wind = NoData;
        return DialogResult::Accept();
    }
    int v = TextToInt(value);
    if (v > kMax[unit])
        return DialogResult::Refuse(kProblemDot + "Sorry, but the uncertainty cannot exceed" +
                                    kLine[unit]);
    if (v < 0)
        return DialogResult::Refuse(kProblemDot + "Sorry, but the uncertainty cannot be negative.");
    doc.inputUncertainty.windFlag = 1;
    doc.inputUncertainty.wind = v;
    doc.inputUncertainty.windUnits = unit + 1;
    return DialogResult::Accept();
}

namespace {

// Fills the missing wave heights (0 or less) of hours 0..num-1: between two
// known heights linearly in the hour, before the first and after the last
// with the nearest known height; with none known, all stay unset.
void FillWaveHeights(double* wave, int num) {
    int first = -1, previous = -1;
    for (int i = 0; i < num; ++i) {
        if (!(wave[i] > 0)) continue;
        if (previous >= 0)
            for (int j = previous + 1; j < i; ++j)
                wave[j] = wave[previous] + (wave[i] - wave[previous]) * (j - previous) /
                                               static_cast<double>(i - previous);
        if (first < 0) first = i;
        previous = i;
    }
    if (first < 0) {
        for (int i = 0; i < num; ++i)
            wave[i] = NoData;
        return;
    }
    for (int i = 0; i < first; ++i)
        wave[i] = wave[first];
    for (int i = previous + 1; i < num; ++i)
        wave[i] = wave[previous];
}

}  // namespace

void BuildHourlyWindRecords(CSpillDoc& doc) {
    doc.m_bWindAndWaveInputPassed = false;
    InputWindWave w;
    if (!doc.m_bVarWind) {
        w.num = kHours;
        w.speedUnits = doc.m_iWindSpeedUnit + 1;
        w.waveHtUnits = doc.m_iWaveHeightUnit + 1;
        w.fetchUnits = doc.m_iFetchUnit + 1;
        for (int i = 0; i < kHours; ++i) {
            w.speed[i] = doc.m_dWindSpeed;
            w.direction[i] = doc.m_dWindDirection;
            w.waveHt[i] = doc.m_dWaveHeight;
        }
        w.fetchN = w.fetchE = w.fetchS = w.fetchW = doc.m_dFetch;
        doc.inputWindWave = w;
        doc.m_bWindAndWaveInputPassed = true;
        return;
    }

    w.speedUnits = doc.m_iVarSpeedUnit + 1;
    w.waveHtUnits = doc.m_iVarWaveHeightUnit + 1;
    w.fetchUnits = doc.m_iVarFetchUnit + 1;
    w.fetchN = doc.m_dFetchN;
    w.fetchE = doc.m_dFetchE;
    w.fetchS = doc.m_dFetchS;
    w.fetchW = doc.m_dFetchW;
    int n = std::min(doc.m_iVarWindNumber, kHours);
    if (n < 1) {
        doc.inputWindWave = w;
        return;
    }
    if (!doc.m_bReleaseInputPassed) doc.SpillTime = doc.m_tVarWindTime[0];
    long h[kHours];
    for (int k = 0; k < n; ++k)
        h[k] = WholeHours(doc.m_tVarWindTime[k], doc.SpillTime);
    if (h[n - 1] < 0 || h[0] > 0) {
        doc.inputWindWave = w;  // the winds do not reach the spill: not entered
        return;
    }

    const auto& s = doc.m_dVarWindSpeed;
    const auto& d = doc.m_dVarWindDirection;
    int k = 0, i = 0;
    for (; i < kHours; ++i) {
        while (k < n && h[k] < i)
            ++k;
        if (k >= n) break;
        if (h[k] == i) {
            w.speed[i] = s[k];
            w.direction[i] = d[k];
            w.waveHt[i] = doc.m_dVarWaveHeight[k];
            continue;
        }
        // Between records k-1 and k (h[0] <= 0 <= i < h[k], so k >= 1).
        double span = static_cast<double>(h[k] - h[k - 1]);
        double at = static_cast<double>(i - h[k - 1]);
        w.speed[i] = at * (s[k] - s[k - 1]) / span + s[k - 1];
        double d0 = d[k - 1], d1 = d[k];
        if (d1 - d0 > 180)
            d0 += 360;
        else if (d0 - d1 > 180)
            d1 += 360;
        double dir = at * (d1 - d0) / span + d0;
        if (dir >= 360) dir -= 360;
        w.direction[i] = dir;
    }
    w.num = i;
    FillWaveHeights(w.waveHt, w.num);
    doc.inputWindWave = w;
    doc.m_bWindAndWaveInputPassed = true;
}

bool CompassBullseye(int dx, int dy, CompassClick& out) {
    double r = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
    if (r > 80) return false;
    out.direction = static_cast<int>(std::floor(
        (std::atan2(static_cast<double>(dx), static_cast<double>(-dy)) / 3.1416 + 1) * 180 + 0.5));
    out.windSpeed = static_cast<int>(std::floor(r / 3.2 + 0.5));
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", r / 16);
    out.currentSpeed = buf;
    std::snprintf(buf, sizeof buf, "%.0f", static_cast<double>(out.direction));
    out.currentDirection = buf;
    return true;
}

}  // namespace ormix
