#include "scenario/release_dialogs.h"

#include <algorithm>
#include <cstdio>

#include "core/formula_values.h"
#include "scenario/calendar.h"
#include "scenario/typed_text.h"
#include "scenario/wind_dialogs.h"

namespace ormix {

const char* const kAmountUnitNames[5] = {"bbl", "gal", "cu m", "tons", "metric tons"};
const char* const kRateUnitNames[6] = {"bbl/hr",  "gal/hr",         "cu m/hr",
                                       "tons/hr", "metric tons/hr", "gal/min"};
const char* const kAreaUnitNames[3] = {"sq. feet", "sq. yards", "sq. meters"};

namespace {

const char* const kProblem = "Problem with the Input\n\n";
const char* const kProblemDot = "Problem with the Input.\n\n";

bool ValidIndex(int i, int n) {
    return i >= 0 && i < n;
}

std::time_t TimeInSpillYear(const CSpillDoc& doc, const DayAndHour& w) {
    return MakeLocalTime(Fields(doc.SpillTime).year, w.month, w.day, w.hour);
}

// Cubic metres per unit of the release amounts; tons are turned into volume
// by the oil density elsewhere.
const double kCubicMetresPer[3] = {0.158987294928, 0.003785411784, 1.0};

}  // namespace

DialogResult InstantaneousDialogOK(CSpillDoc& doc, const InstantaneousEntries& e) {
    struct Range {
        double lo, hi;
        const char* text;
    };
    static const Range kRanges[5] = {{2, 500000, "2 and 500,000 barrels"},
                                     {84, 21000000, "84 and 21,000,000 gallons"},
                                     {0.32, 79494, "0.32 and 79,494 cubic meters"},
                                     {0.35, 87540, "0.35 and 87,540 tons"},
                                     {0.32, 79415, "0.32 and 79,415 metric tons"}};
    if (IsEmptyText(e.amount))
        return DialogResult::Refuse(
            std::string(kProblem) +
            "Please enter an amount spilled. ORMIX needs this information.");
    if (!ValidIndex(e.unit, 5))
        return DialogResult::Refuse(std::string(kProblem) + "Unknown unit.");
    double v = TextToDouble(e.amount);
    const Range& r = kRanges[e.unit];
    if (v < r.lo)
        return DialogResult::Refuse(
            std::string(kProblem) +
            "Sorry, the amount spilled is too small. ORMIX can only model instantaneous releases "
            "between " +
            r.text + ".");
    if (v > r.hi)
        return DialogResult::Refuse(
            std::string(kProblem) +
            "Sorry, the amount spilled is too large. ORMIX can only model instantaneous releases "
            "between " +
            r.text + ".");
    doc.InstantaneousTime = TimeInSpillYear(doc, e.when);
    doc.inputInstant.vol = v;
    doc.inputInstant.volUnits = e.unit + 1;
    doc.inputInstant.flag = true;
    doc.inputBoomed.flag = false;
    return DialogResult::Accept();
}

DialogResult ContainedDialogOK(CSpillDoc& doc, const ContainedEntries& e) {
    std::string problem = kProblemDot;
    if (IsEmptyText(e.amount))
        return DialogResult::Refuse(
            problem + "Please enter an amount spilled. ORMIX needs this information.");
    if (IsEmptyText(e.area))
        return DialogResult::Refuse(problem +
                                    "Please enter a spill area. ORMIX needs this information.");
    if (!ValidIndex(e.unit, 5) || !ValidIndex(e.areaUnit, 3))
        return DialogResult::Refuse(problem + "Unknown unit.");
    double amount = TextToDouble(e.amount);
    double area = TextToDouble(e.area);
    switch (e.areaUnit) {
        case 0:
            if (area < 1 || area > 100000)
                return DialogResult::Refuse(
                    problem + "Sorry, the spill area must be between 1 and 100,000 square feet.");
            break;
        case 1:
            if (area < 1 || area > 11960)
                return DialogResult::Refuse(
                    problem + "Sorry, the spill area must be between 1 and 11,960 square yards.");
            break;
        case 2:
            if (area < 1 || area > 10000)
                return DialogResult::Refuse(
                    problem + "Sorry, the spill area must be between 1 and 10,000 square meters.");
            break;
    }
    // The mean thickness, with tons taken at a fixed 850 kg/m3 for this check.
    double m3 = e.unit < 3 ? amount * kCubicMetresPer[e.unit]
                           : (e.unit == 3 ? 907.2 : 1000.0) * amount / 850.0;
    static const double kSquareMetresPer[3] = {kSquareFoot, kSquareYard, 1.0};
    double thickness = m3 / (area * kSquareMetresPer[e.areaUnit]);
    if (thickness < 0.0001)
        return DialogResult::Refuse(
            problem +
            "Sorry, ORMIX cannot model slicks thinner than 0.1 mm. Please reduce\nthe contained "
            "area or increase the amount spilled.");
    if (thickness > 0.2)
        return DialogResult::Refuse(
            problem +
            "Sorry, ORMIX cannot model slicks thicker than 20 cm. Please increase\nthe contained "
            "area or reduce the amount spilled.");
    doc.ContainedTime = TimeInSpillYear(doc, e.when);
    doc.inputBoomed.vol = amount;
    doc.inputBoomed.volUnits = e.unit + 1;
    doc.inputBoomed.area = area;
    doc.inputBoomed.areaUnits = e.areaUnit + 1;
    doc.inputBoomed.flag = true;
    doc.inputInstant.flag = doc.inputContinuous.flag = doc.inputTank.flag = false;
    return DialogResult::Accept();
}

DialogResult ContinuousDialogOK(CSpillDoc& doc, const ContinuousEntries& e) {
    if (!ValidIndex(e.durationUnit, 2) || !ValidIndex(e.mode, 3) || !ValidIndex(e.amountUnit, 5) ||
        !ValidIndex(e.rateUnit1, 6) || !ValidIndex(e.rateUnit2, 6))
        return DialogResult::Refuse("Unknown unit.");
    int entered = TextToInt(e.duration);
    long D = entered == 0 ? -1 : entered;
    if (e.durationUnit == 1) D *= 24;

    double A = 0, R = 0;
    int unit = 0;  // the amount unit that the limits are read in
    if (e.mode == 0) {
        A = TextToDouble(e.amount);
        R = A / D;
        unit = e.amountUnit;
    } else if (e.mode == 1) {
        R = TextToDouble(e.rate);
        if (e.rateUnit1 == 5) R *= 60;
        A = D * R;
        unit = e.rateUnit1 == 5 ? 1 : e.rateUnit1;
    } else {
        double S = TextToDouble(e.startRate), E = TextToDouble(e.endRate);
        if (e.rateUnit2 == 5) {
            S *= 60;
            E *= 60;
        }
        R = std::min(S, E);
        for (long i = 0; i < D; ++i)
            A += (i + 0.5) * (E - S) / D + S;
        unit = e.rateUnit2 == 5 ? 1 : e.rateUnit2;
    }
    if (D <= 0)
        return DialogResult::Refuse(
            "Please enter the duration of the release. ORMIX needs this information to do a "
            "continuous release and you either left the field empty or entered zero.");
    if (A < 0)
        return DialogResult::Refuse(
            "Please enter information about how much oil was released. ORMIX needs this "
            "information to do a continuous release.");
    struct Limit {
        double total;
        const char* totalLine;
        double rate;
        const char* rateLine;
    };
    static const Limit kLimits[5] = {
        {500000, "The amount released exceeds the limit of 500,000 bbl.\n", 2,
         "The rate of release is below the minimum of 2 bbl/hr.\n"},
        {21000000, "The amount released exceeds the limit of 21,000,000 gal.\n", 84,
         "The rate of release is below the minimum of 84 gal/hr.\n"},
        {79494, "The amount released exceeds the limit of 79,494 cu m.\n", 0.32,
         "The rate of release is below the minimum of 0.32 cu m/hr.\n"},
        {87540, "The amount released exceeds the limit of 87,540 tons.\n", 0.35,
         "The rate of release is below the minimum of 0.35 tons/hr.\n"},
        {79415, "The amount released exceeds the limit of 79,415 metric tons.\n", 0.32,
         "The rate of release is below the minimum of 0.32 metric tons/hr.\n"}};
    const Limit& lim = kLimits[unit];
    const std::string fit = "Please change the input to fit within this limit.";
    if (A > lim.total) return DialogResult::Refuse(lim.totalLine + fit);
    if (R < lim.rate) return DialogResult::Refuse(lim.rateLine + fit);

    auto typed = [](const std::string& text, double current) {
        return IsEmptyText(text) ? current : TextToDouble(text);
    };
    doc.ContinuousTime = TimeInSpillYear(doc, e.when);
    doc.duration = entered;
    doc.durationUnits = e.durationUnit;
    doc.spilledType = e.mode;
    doc.amount = e.mode == 0 ? TextToDouble(e.amount) : typed(e.amount, doc.amount);
    doc.amountUnits = e.amountUnit;
    doc.rate = e.mode == 1 ? TextToDouble(e.rate) : typed(e.rate, doc.rate);
    doc.rateUnits1 = e.rateUnit1;
    doc.startRate = e.mode == 2 ? TextToDouble(e.startRate) : typed(e.startRate, doc.startRate);
    doc.endRate = e.mode == 2 ? TextToDouble(e.endRate) : typed(e.endRate, doc.endRate);
    doc.rateUnits2 = e.rateUnit2;
    doc.inputContinuous.flag = true;
    doc.inputBoomed.flag = false;
    return DialogResult::Accept();
}

DialogResult AmountUncertaintyDialogOK(CSpillDoc& doc, const std::string& percent) {
    if (IsEmptyText(percent)) {
        doc.inputUncertainty.volFlag = 0;
        doc.inputUncertainty.vol = NoData;
        return DialogResult::Accept();
    }
    double v = TextToDouble(percent);
    if (v > 100)
        return DialogResult::Refuse(
            std::string(kProblem) +
            "Sorry, but the uncertainty cannot exceed 100% of the total amount spilled.");
    if (v < 0)
        return DialogResult::Refuse(std::string(kProblem) +
                                    "Sorry, but the uncertainty cannot be negative.");
    doc.inputUncertainty.volFlag = 1;
    doc.inputUncertainty.vol = v;
    return DialogResult::Accept();
}

namespace {

// The continuous release once the release dialog has closed: the duration
// held to the 5 day limit, the rates and unit code of the record, and the
// last release hour.
void FinishContinuousRelease(CSpillDoc& doc, DialogResult& result) {
    if (!doc.inputContinuous.flag) return;
    int d = doc.duration;
    double f = 1.0, g = 0.0;
    int hours;
    if (doc.durationUnits == 1) {
        if (d > 5) {
            f = d / 5.0;
            g = (d - 1) / 4.0;
            d = 5;
            doc.duration = d;
        }
        hours = 24 * d;
    } else {
        if (d > 120) {
            f = d / 120.0;
            g = (d - 1) / 119.0;
            d = 120;
            doc.duration = d;
        }
        hours = d;
    }
    if (f > 1)
        result.Note(MessageKind::Error,
                    "Continuous release will be truncated\n\n"
                    "The continuous release has a scheduled duration exceeding ORMIX's 5 day "
                    "limit. Any oil spilled 120 hours or more after the first release will not "
                    "be included in the calculations.");
    InputContinuous& rec = doc.inputContinuous;
    switch (doc.spilledType) {
        case 0:
            if (f > 1) doc.amount /= f;
            rec.startRate = rec.endRate = doc.amount / hours;
            rec.rateUnits = doc.amountUnits + 1;
            break;
        case 1:
            rec.startRate = rec.endRate = doc.rate;
            rec.rateUnits = doc.rateUnits1 + 1;
            break;
        default:
            if (f > 1) doc.endRate = (doc.endRate - doc.startRate) / g + doc.startRate;
            rec.startRate = doc.startRate;
            rec.endRate = doc.endRate;
            rec.rateUnits = doc.rateUnits2 + 1;
            break;
    }
    // The release runs for its duration from its own start hour, so that the
    // whole amount enters the water whenever it fits within the 120 hours.
    rec.endHour = std::min(rec.startHour + hours - 1, kHours);
}

}  // namespace

std::string ContainedWithOthers(const ReleaseChecks& c) {
    const char* others[3];
    int n = 0;
    if (c.instantaneous) others[n++] = "instantaneous";
    if (c.continuous) others[n++] = "continuous";
    if (c.tank) others[n++] = "leaking tank";
    if (!c.contained || n == 0) return "";
    std::string list = others[0];
    for (int i = 1; i < n; ++i)
        list += std::string(i == n - 1 ? " and " : ", ") + others[i];
    return std::string("Contained release excludes the others\n\n") +
           "A release into a contained area is the only release of a scenario, but the " + list +
           (n == 1 ? " release is" : " releases are") +
           " given as well. Please keep either the contained release or the others.";
}

DialogResult ReleaseDialogOK(CSpillDoc& doc, const ReleaseChecks& c) {
    InputInstant inst = doc.inputInstant;
    InputBoomed boomed = doc.inputBoomed;
    InputContinuous cont = doc.inputContinuous;
    InputTank tank = doc.inputTank;
    std::time_t tInst = doc.InstantaneousTime, tCont = doc.ContinuousTime, tTank = doc.TankTime,
                tBoom = doc.ContainedTime, spill = doc.SpillTime;

    inst.flag = boomed.flag = cont.flag = tank.flag = false;
    inst.startHour = cont.startHour = tank.startHour = boomed.startHour = NoDataInt;
    if (c.contained) {
        boomed.flag = true;
    } else {
        inst.flag = c.instantaneous;
        cont.flag = c.continuous;
        tank.flag = c.tank;
    }

    // Year wrap: a January time goes to the following year when a time of the
    // scenario lies in December, and no time lies in another month (such
    // releases lie too far apart to be accepted whatever their year).
    struct Release {
        bool used;
        std::time_t* time;
        int month;
    };
    Release releases[] = {{inst.flag, &tInst, 0}, {cont.flag, &tCont, 0}, {tank.flag, &tTank, 0}};
    bool december = false, january = false, otherMonth = false;
    for (Release& r : releases) {
        if (!r.used) continue;
        r.month = Fields(*r.time).month;
        december = december || r.month == 12;
        january = january || r.month == 1;
        otherMonth = otherMonth || (r.month != 1 && r.month != 12);
    }
    if (december && january && !otherMonth) {
        const int D = DaysInYearOf(spill);
        for (Release& r : releases)
            if (r.used && r.month == 1) *r.time = AddDays(*r.time, D);
    }

    // The spill time is the earliest release time.
    bool any = false;
    auto earliest = [&](bool used, std::time_t t) {
        if (!used) return;
        if (!any || t < spill) spill = t;
        any = true;
    };
    earliest(boomed.flag, tBoom);
    earliest(inst.flag, tInst);
    earliest(cont.flag, tCont);
    earliest(tank.flag, tTank);

    auto startHour = [&](std::time_t t) { return static_cast<int>(WholeHours(t, spill) + 1); };
    if (boomed.flag) boomed.startHour = startHour(tBoom);
    if (inst.flag) inst.startHour = startHour(tInst);
    if (tank.flag) tank.startHour = startHour(tTank);
    if (cont.flag) {
        cont.startHour = startHour(tCont);
        // The last hour the release covers, counted from its own start hour:
        // its duration in hours, days turned into hours, held to the 5 day
        // limit as the finishing below holds it. A release of 120 hours and
        // one of 5 days from the spill time both end in hour 120.
        long hours = doc.durationUnits == 1 ? 24L * doc.duration : doc.duration;
        cont.endHour = static_cast<int>(cont.startHour + std::min<long>(hours, kHours) - 1);
    }

    const MessageKind box = MessageKind::Warning;
    const std::string excluded = ContainedWithOthers(c);
    if (!excluded.empty()) return DialogResult::Refuse(excluded, box);
    if (!any)
        return DialogResult::Refuse(
            "Please select a release type. ORMIX cannot build a scenario without this information.",
            box);
    const std::string ignoredInst = "Instantaneous release will be ignored\n\n";
    const std::string ignoredTank = "Leaking Tank release will be ignored\n\n";
    const std::string ignoredCont = "Continuous release will be ignored\n\n";
    const std::string truncated = "Continuous release will be truncated\n\n";
    if (doc.m_bVarWind && doc.m_iVarWindNumber > 0) {
        std::time_t first = doc.m_tVarWindTime[0];
        std::time_t last = doc.m_tVarWindTime[doc.m_iVarWindNumber - 1];
        const std::string cover = "Winds do not cover release time\n\n";
        if (WholeHours(last, spill) < 0)
            return DialogResult::Refuse(
                cover +
                    "The first release of oil is scheduled to occur after the last inputed wind. "
                    "ORMIX needs to know the winds at the time of the release.",
                box);
        if (WholeHours(spill, first) < 0)
            return DialogResult::Refuse(
                cover +
                    "The first release of oil is scheduled to occur before the first inputed "
                    "wind. ORMIX needs to know the winds at the time of the first release.",
                box);
        long W = WholeHours(last, spill) + 1;
        const std::string after =
            " release is scheduled to occur after the wind data ends. It "
            "will not be included in the calculations.";
        if (inst.startHour > W)
            return DialogResult::Refuse(ignoredInst + "The instantaneous" + after, box);
        if (tank.startHour > W)
            return DialogResult::Refuse(ignoredTank + "The leaking tank" + after, box);
        if (cont.startHour > W)
            return DialogResult::Refuse(ignoredCont + "The continuous" + after, box);
        if (cont.endHour > W)
            return DialogResult::Refuse(truncated +
                                            "The continuous release has a scheduled duration "
                                            "after the time that the wind data ends.",
                                        box);
    }
    // The model covers 120 hours whatever the winds: timed winds that reach
    // further must not let a release fall outside the run unannounced.
    const std::string limit =
        " release is scheduled to occur greater than 120 hours after the first release of "
        "oil, exceeding ORMIX's 5 day limit. Any oil spilled 120 hours or more after the "
        "first release will not be included in the calculations.";
    if (inst.startHour >= 121)
        return DialogResult::Refuse(ignoredInst + "The instantaneous" + limit, box);
    if (tank.startHour >= 121)
        return DialogResult::Refuse(ignoredTank + "The leaking tank" + limit, box);
    if (cont.startHour >= 121)
        return DialogResult::Refuse(ignoredCont + "The continuous" + limit, box);
    if (cont.endHour > 120)
        return DialogResult::Refuse(
            truncated +
                "The continuous release has a scheduled duration exceeding ORMIX's 5 day "
                "limit. Any oil spilled 120 hours or more after the first release will not "
                "be included in the calculations.",
            box);

    doc.inputInstant = inst;
    doc.inputBoomed = boomed;
    doc.inputContinuous = cont;
    doc.inputTank = tank;
    doc.InstantaneousTime = tInst;
    doc.ContinuousTime = tCont;
    doc.TankTime = tTank;
    doc.ContainedTime = tBoom;
    doc.SpillTime = spill;
    doc.summaryRefresh[kSummaryRelease] = true;

    DialogResult result = DialogResult::Accept();
    FinishContinuousRelease(doc, result);
    doc.m_bReleaseInputPassed = true;
    // The hourly winds count from the spill time: when timed wind records are
    // in use, build them again from the spill time just set.
    if (doc.m_bVarWind && doc.m_iVarWindNumber > 0) BuildHourlyWindRecords(doc);
    return result;
}

namespace {
std::string Printf(const char* format, double a, const char* s) {
    char buf[128];
    std::snprintf(buf, sizeof buf, format, a, s);
    return buf;
}
const char* Name(const char* const* names, int n, int i) {
    return i >= 0 && i < n ? names[i] : "";
}
}  // namespace

std::string InstantaneousSummary(const CSpillDoc& doc) {
    if (!doc.inputInstant.flag) return "Oil is spilled in an hour or less.";
    return Printf("%.0f %s ", doc.inputInstant.vol,
                  Name(kAmountUnitNames, 5, doc.inputInstant.volUnits - 1)) +
           FormatTime(doc.InstantaneousTime, "on %B %d, %H%M hours");
}

std::string ContinuousSummary(const CSpillDoc& doc) {
    if (!doc.inputContinuous.flag) return "Oil is spilled into the water over a given duration";
    std::string s;
    if (doc.spilledType == 0) {
        s = Printf("%.0f %s ", doc.amount, Name(kAmountUnitNames, 5, doc.amountUnits));
    } else if (doc.spilledType == 1) {
        s = Printf("%.0f %s ", doc.rate, Name(kRateUnitNames, 6, doc.rateUnits1));
    } else {
        char buf[128];
        std::snprintf(buf, sizeof buf, "%.0f to %.0f %s ", doc.startRate, doc.endRate,
                      Name(kRateUnitNames, 6, doc.rateUnits2));
        s = buf;
    }
    return s + FormatTime(doc.ContinuousTime, "starting %B %d, %H%M hours");
}

std::string TankSummary(const CSpillDoc& doc) {
    if (!doc.inputTank.flag) return "Oil is spilled into the water based on tank parameters.";
    return FormatTime(doc.TankTime, "Tank starts leaking on %B %d, %H%M hours");
}

std::string ContainedSummary(const CSpillDoc& doc) {
    if (!doc.inputBoomed.flag) return "All the oil is spilled into a contained area at once";
    char buf[160];
    std::snprintf(buf, sizeof buf, "%.1f %s into %.0f %s ", doc.inputBoomed.vol,
                  Name(kAmountUnitNames, 5, doc.inputBoomed.volUnits - 1), doc.inputBoomed.area,
                  Name(kAreaUnitNames, 3, doc.inputBoomed.areaUnits - 1));
    return buf + FormatTime(doc.ContainedTime, "on %B %d, %H%M hours");
}

}  // namespace ormix
