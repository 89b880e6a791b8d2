#include "scenario/response_dialogs.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "scenario/calendar.h"
#include "scenario/typed_text.h"

namespace ormix {

const char* const kBurnThicknessUnitNames[3] = {"mm", "cm", "inches"};
const char* const kBurnRateUnitNames[2] = {"mm/sec", "in/sec"};

namespace {

const std::string kProblem = "Problem with the Input.\n\n";

bool ValidIndex(int i, int n) {
    return i >= 0 && i < n;
}

// A field read as a whole number by a page whose fields are unsigned: a
// negative entry wraps to a very large one.
long long WholeEntry(const std::string& text) {
    long long v = TextToInt(text);
    return v < 0 ? LLONG_MAX : v;
}

// What a page keeps of a field: the number as read, or unset when empty.
int KeptWhole(const std::string& text) {
    return IsEmptyText(text) ? NoDataInt : TextToInt(text);
}
double KeptDecimal(const std::string& text) {
    return IsEmptyText(text) ? NoData : TextToDouble(text);
}

// The field text that shows a kept number: whole numbers without a
// fraction or an exponent (the pages that read whole numbers stop at either),
// others the shortest text that reads back as the same value; empty for
// unset.
std::string FieldText(double v) {
    if (v == NoData) return "";
    char buf[40];
    if (v == std::trunc(v) && std::fabs(v) < 1e15) {
        std::snprintf(buf, sizeof buf, "%.0f", v);
        return buf;
    }
    for (int precision = 1; precision <= 17; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*g", precision, v);
        if (std::strtod(buf, nullptr) == v) break;
    }
    return buf;
}
std::string FieldText(int v) {
    return v == NoDataInt ? "" : std::to_string(v);
}

DayAndHour DayAndHourOf(std::time_t t) {
    CalendarFields f = Fields(t);
    return {f.month, f.day, f.hour};
}

}  // namespace

std::time_t OperationTime(const CSpillDoc& doc, const DayAndHour& when) {
    CalendarFields spill = Fields(doc.SpillTime);
    int year = spill.year + (spill.month == 12 && when.month == 1 ? 1 : 0);
    return MakeLocalTime(year, when.month, when.day, when.hour);
}

int OperationStartHour(const CSpillDoc& doc, std::time_t t) {
    long h = WholeHours(t, doc.SpillTime) + 1;
    if (h > INT_MAX) return INT_MAX;
    if (h < -INT_MAX) return -INT_MAX;
    return static_cast<int>(h);
}

DialogResult CheckDispersantPage(const CSpillDoc& doc, int slot, const DispersantPage& p) {
    if (!p.use) return DialogResult::Accept();
    long long duration = WholeEntry(p.duration);
    if (duration < 1 || duration > 120)
        return DialogResult::Refuse(
            kProblem +
            "Dispersant applications are limited to a duration of between 1 hour\nand 120 "
            "hours. Please enter a duration within these limits.");
    long long sprayed = WholeEntry(p.percentSprayed);
    if (sprayed > 100)
        return DialogResult::Refuse(kProblem +
                                    "The percentage of the spill area which was sprayed\nwith "
                                    "dispersant cannot exceed 100%.");
    if (sprayed == 0)
        return DialogResult::Refuse(kProblem +
                                    "Please enter the percent of the spill area which was\nsprayed "
                                    "with dispersant. The minimum is 1%.");
    long long dispersed = WholeEntry(p.percentDispersed);
    if (dispersed > 100)
        return DialogResult::Refuse(kProblem + "The percent dispersed cannot exceed 100%.");
    if (dispersed == 0)
        return DialogResult::Refuse(kProblem +
                                    "Please enter the percent dispersed. The minimum is 1%.");

    DialogResult r = DialogResult::Accept();
    int start = OperationStartHour(doc, OperationTime(doc, p.when));
    char spray[32];
    std::snprintf(spray, sizeof spray, "Spray %d ", slot + 1);
    const std::string ignored = std::string("Dispersant operation will be ignored\n\n") + spray;
    if (start < 1)
        r.Note(MessageKind::Warning,
               ignored +
                   "is scheduled to occur before the first release of oil and therefore will "
                   "not be included in the calculations.");
    else if (start > 120)
        r.Note(MessageKind::Warning,
               ignored +
                   "is scheduled to occur greater than 120 hours after the first release of "
                   "oil, exceeding ORMIX's 5 day limit. Any removal operation planned 120 hours "
                   "or more after the first release will not be included in the calculations.");
    return r;
}

DialogResult CheckBurnPage(const BurnPage& p) {
    if (!ValidIndex(p.areaUnit, 3) || !ValidIndex(p.thicknessUnit, 3))
        return DialogResult::Refuse(kProblem + "Unknown unit.");
    if (!p.use) return DialogResult::Accept();
    const std::string missing = kProblem + "Missing Important Information.\n";
    if (IsEmptyText(p.area))
        return DialogResult::Refuse(
            missing +
            "Please enter the burn area. ORMIX needs this information and you left the field "
            "empty.\n");
    double thickness = TextToDouble(p.thickness);
    if (IsEmptyText(p.thickness) || thickness == 0)
        return DialogResult::Refuse(
            missing +
            "Please enter the oil thickness. ORMIX needs this information and you left the "
            "field empty.");
    const std::string within = "Please enter a value within these limits.";
    struct Limit {
        double lo, hi;
        const char* text;
    };
    static const Limit kArea[3] = {
        {10, 100000, "The burn area is limited to between 10 and 100,000 square feet.\n"},
        {1, 11960, "The burn area is limited to between 1 and 11,960 square yards.\n"},
        {1, 10000, "The burn area is limited to between 1 and 10,000 square meters.\n"}};
    static const Limit kThickness[3] = {
        {2, 200, "The oil thickness is limited to between 2 and 200 milimeters.\n"},
        {0.2, 20, "The oil thickness is limited to between 0.2 and 20 centimeters.\n"},
        {0.078, 7.8, "The oil thickness is limited to between 0.078 and 7.8 inches.\n"}};
    double area = TextToDouble(p.area);
    const Limit& a = kArea[p.areaUnit];
    if (!(area >= a.lo && area <= a.hi)) return DialogResult::Refuse(kProblem + a.text + within);
    const Limit& t = kThickness[p.thicknessUnit];
    if (!(thickness >= t.lo && thickness <= t.hi))
        return DialogResult::Refuse(kProblem + t.text + within);
    return DialogResult::Accept();
}

DialogResult CheckCleanupPage(const CleanupPage& p) {
    if (!ValidIndex(p.rateUnit, 6) || !ValidIndex(p.amountUnit, 5))
        return DialogResult::Refuse(kProblem + "Unknown unit.");
    if (!p.use) return DialogResult::Accept();
    long long duration = WholeEntry(p.duration);
    if (duration < 1 || duration > 120)
        return DialogResult::Refuse(
            kProblem +
            "Cleanup operations are limited to a duration of between 1 hour\nand 120 hours. "
            "Please enter a duration within these limits.");
    return DialogResult::Accept();
}

namespace {

// Runs every page's check in page order; the first refusal decides.
template <class Pages, class Check>
bool CheckPages(const Pages& pages, Check check, DialogResult& all, int* refusedPage) {
    for (int s = 0; s < kOperationSlots; ++s) {
        DialogResult r = check(s, pages[s]);
        if (!r.accepted) {
            if (refusedPage) *refusedPage = s;
            all = r;
            return false;
        }
        all.messages.insert(all.messages.end(), r.messages.begin(), r.messages.end());
    }
    return true;
}

}  // namespace

DialogResult DispersantSheetOK(CSpillDoc& doc, const DispersantPages& pages, int* refusedPage) {
    DialogResult result = DialogResult::Accept();
    auto check = [&doc](int s, const DispersantPage& p) { return CheckDispersantPage(doc, s, p); };
    if (!CheckPages(pages, check, result, refusedPage)) return result;
    InputDispersant rec;
    int n = 0;
    for (int s = 0; s < kOperationSlots; ++s) {
        const DispersantPage& p = pages[s];
        doc.mDispersantPageUse[s] = p.use ? 1 : 0;
        doc.DispersantTime[s] = OperationTime(doc, p.when);
        doc.m_nDispersantDuration[s] = KeptWhole(p.duration);
        int sprayed = KeptWhole(p.percentSprayed), dispersed = KeptWhole(p.percentDispersed);
        doc.m_dDispersantDispersed[s] = sprayed == NoDataInt ? NoData : sprayed;
        doc.m_dDispersantSprayed[s] = dispersed == NoDataInt ? NoData : dispersed;
        if (!p.use) continue;
        rec.startHour[n] = OperationStartHour(doc, doc.DispersantTime[s]);
        rec.duration[n] = doc.m_nDispersantDuration[s];
        rec.dispersed[n] = doc.m_dDispersantDispersed[s];
        rec.sprayed[n] = doc.m_dDispersantSprayed[s];
        ++n;
    }
    rec.num = n;
    doc.inputDispersant = rec;
    doc.summaryRefresh[kSummaryDispersant] = true;
    return result;
}

DialogResult BurnSheetOK(CSpillDoc& doc, const BurnPages& pages, int* refusedPage) {
    DialogResult result = DialogResult::Accept();
    auto check = [](int, const BurnPage& p) { return CheckBurnPage(p); };
    if (!CheckPages(pages, check, result, refusedPage)) return result;
    InputBurn rec;
    // The regression rate belongs to the "Advanced Options" dialog.
    rec.burnRegRate = doc.inputBurn.burnRegRate;
    rec.burnRegRateUnits = doc.inputBurn.burnRegRateUnits;
    int n = 0;
    for (int s = 0; s < kOperationSlots; ++s) {
        const BurnPage& p = pages[s];
        doc.mInSituBurnPageUse[s] = p.use ? 1 : 0;
        doc.InSituBurnTime[s] = OperationTime(doc, p.when);
        doc.m_dBurnArea[s] = KeptDecimal(p.area);
        doc.m_iAreaUnits[s] = p.areaUnit;
        doc.m_dBurnThickness[s] = KeptDecimal(p.thickness);
        doc.m_iThicknessUnits[s] = p.thicknessUnit;
        if (!p.use) continue;
        rec.startHour[n] = OperationStartHour(doc, doc.InSituBurnTime[s]);
        rec.thickUnits[n] = p.thicknessUnit + 1;
        rec.areaUnits[n] = p.areaUnit + 1;
        rec.thick[n] = doc.m_dBurnThickness[s];
        rec.area[n] = doc.m_dBurnArea[s];
        ++n;
    }
    rec.num = n;
    doc.inputBurn = rec;
    doc.summaryRefresh[kSummaryBurn] = true;
    return result;
}

DialogResult CleanupSheetOK(CSpillDoc& doc, const CleanupPages& pages, int* refusedPage) {
    DialogResult result = DialogResult::Accept();
    auto check = [](int, const CleanupPage& p) { return CheckCleanupPage(p); };
    if (!CheckPages(pages, check, result, refusedPage)) return result;
    InputSkimmer rec;
    int n = 0;
    for (int s = 0; s < kOperationSlots; ++s) {
        const CleanupPage& p = pages[s];
        doc.mMechanicalPageUse[s] = p.use ? 1 : 0;
        doc.SkimmerTime[s] = OperationTime(doc, p.when);
        doc.m_nCleanupDuration[s] = KeptWhole(p.duration);
        doc.m_bMechanicalRateUse[s] = p.rateGiven ? 1 : 0;
        doc.m_dRecoveryRate[s] = KeptDecimal(p.rate);
        doc.m_iRecoveryUnits[s] = p.rateUnit;
        doc.m_dRecoveredAmount[s] = KeptDecimal(p.amount);
        doc.m_iAmountUnits[s] = p.amountUnit;
        if (!p.use) continue;
        rec.startHour[n] = OperationStartHour(doc, doc.SkimmerTime[s]);
        rec.duration[n] = doc.m_nCleanupDuration[s];
        rec.rateUnits[n] = p.rateUnit + 1;
        rec.amountUnits[n] = p.amountUnit + 1;
        // Only the quantity the page's choice names is carried.
        rec.rate[n] = p.rateGiven ? doc.m_dRecoveryRate[s] : NoData;
        rec.amount[n] = p.rateGiven ? NoData : doc.m_dRecoveredAmount[s];
        ++n;
    }
    rec.num = n;
    doc.inputSkimmer = rec;
    doc.summaryRefresh[kSummaryMechanical] = true;
    return result;
}

DispersantPages DispersantPagesOf(const CSpillDoc& doc) {
    DispersantPages pages;
    for (int s = 0; s < kOperationSlots; ++s) {
        DispersantPage& p = pages[s];
        p.use = doc.mDispersantPageUse[s] != 0;
        p.when = DayAndHourOf(doc.DispersantTime[s]);
        p.duration = FieldText(doc.m_nDispersantDuration[s]);
        p.percentSprayed = FieldText(doc.m_dDispersantDispersed[s]);
        p.percentDispersed = FieldText(doc.m_dDispersantSprayed[s]);
    }
    return pages;
}

BurnPages BurnPagesOf(const CSpillDoc& doc) {
    BurnPages pages;
    for (int s = 0; s < kOperationSlots; ++s) {
        BurnPage& p = pages[s];
        p.use = doc.mInSituBurnPageUse[s] != 0;
        p.when = DayAndHourOf(doc.InSituBurnTime[s]);
        p.area = FieldText(doc.m_dBurnArea[s]);
        p.areaUnit = doc.m_iAreaUnits[s];
        p.thickness = FieldText(doc.m_dBurnThickness[s]);
        p.thicknessUnit = doc.m_iThicknessUnits[s];
    }
    return pages;
}

CleanupPages CleanupPagesOf(const CSpillDoc& doc) {
    CleanupPages pages;
    for (int s = 0; s < kOperationSlots; ++s) {
        CleanupPage& p = pages[s];
        p.use = doc.mMechanicalPageUse[s] != 0;
        p.when = DayAndHourOf(doc.SkimmerTime[s]);
        p.duration = FieldText(doc.m_nCleanupDuration[s]);
        p.rateGiven = doc.m_bMechanicalRateUse[s] != 0;
        p.rate = FieldText(doc.m_dRecoveryRate[s]);
        p.rateUnit = doc.m_iRecoveryUnits[s];
        p.amount = FieldText(doc.m_dRecoveredAmount[s]);
        p.amountUnit = doc.m_iAmountUnits[s];
    }
    return pages;
}

DialogResult BurnRateDialogOK(CSpillDoc& doc, const BurnRateEntries& e) {
    if (!ValidIndex(e.choice, 2) || !ValidIndex(e.unit, 2))
        return DialogResult::Refuse(kProblem + "Unknown unit.");
    double rate = IsEmptyText(e.rate) ? -1.0 : TextToDouble(e.rate);
    if (e.choice == 1) {
        if (rate < 0)
            return DialogResult::Refuse(
                kProblem +
                "Please enter a burn regression rate or choose the default value. You chose to "
                "use a non-default value and then left the field empty.");
        if (e.unit == 0 && !(rate >= 0.01 && rate <= 0.1))
            return DialogResult::Refuse(
                kProblem +
                "The burn regression rate is limited to between 0.01 and 0.1\n"
                "millimeters/second. Please enter a rate within these limits.");
        if (e.unit == 1 && !(rate >= 0.0004 && rate <= 0.004))
            return DialogResult::Refuse(
                kProblem +
                "The burn regression rate is limited to between 0.0004 and 0.004\n"
                "inches/second. Please enter a rate within these limits.");
    }
    doc.m_iBurnRegRateCombo = e.choice;
    if (!IsEmptyText(e.rate)) doc.m_dBurnRegRate = TextToDouble(e.rate);
    doc.m_iBurnRegRateUnit = e.unit;
    if (e.choice == 1) {
        doc.inputBurn.burnRegRate = doc.m_dBurnRegRate;
        doc.inputBurn.burnRegRateUnits = doc.m_iBurnRegRateUnit + 1;
    } else {
        doc.inputBurn.burnRegRate = 0.04;
        doc.inputBurn.burnRegRateUnits = 1;
    }
    doc.summaryRefresh[kSummaryBurn] = true;
    return DialogResult::Accept();
}

DialogResult BeachingDialogOK(CSpillDoc& doc, const BeachingEntries& e) {
    if (!ValidIndex(e.unit, 5)) return DialogResult::Refuse(kProblem + "Unknown unit.");
    // Oil comes ashore or it does not: a negative amount means nothing.
    for (int d = 0; d < kBeachingDays; ++d)
        if (!IsEmptyText(e.amounts[d]) && TextToDouble(e.amounts[d]) < 0)
            return DialogResult::Refuse(kProblem +
                                        "Sorry, ORMIX does not understand the negative amount "
                                        "entered for day " +
                                        std::to_string(d + 1) +
                                        ". Please enter the amount of oil that comes ashore that "
                                        "day, 0 or more, or leave the field empty.");
    doc.m_iBeachingUnits = e.unit;
    for (int d = 0; d < kBeachingDays; ++d)
        doc.m_dBeachingAmount[d] = KeptDecimal(e.amounts[d]);

    InputBeached rec;
    rec.volUnits = e.unit + 1;
    // Day 1 is what remains of the spill's own day; days 2 to 6 are whole
    // days, the last one cut at the end of the 120 hours.
    const int H = Fields(doc.SpillTime).hour;
    const int D1 = 24 - H;
    for (int d = 0; d < kBeachingDays; ++d) {
        int first = d == 0 ? 0 : D1 + 24 * (d - 1);
        int last = d == 0 ? D1 - 1 : D1 + 24 * d - 1;
        if (last > kHours - 1) last = kHours - 1;
        double amount = doc.m_dBeachingAmount[d];
        // An amount of nothing (or unset) stands unchanged in every hour.
        double perHour = amount > 0 ? amount / (d == 0 ? D1 : 24) : amount;
        for (int h = first; h <= last; ++h)
            rec.vol[h] = perHour;
    }
    doc.inputBeached = rec;
    doc.summaryRefresh[kSummaryBeaching] = true;
    return DialogResult::Accept();
}

}  // namespace ormix
