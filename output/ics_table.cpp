#include "output/ics_table.h"

#include <algorithm>
#include <cstdio>

#include "core/file_replace.h"
#include "output/budget_table.h"
#include "output/budget_units.h"
#include "output/output_time.h"
#include "output/table_header.h"
#include "output/text_cells.h"
#include "scenario/calendar.h"

namespace ormix {

namespace {

struct SlotInfo {
    const char* label;
    int series;
};

constexpr SlotInfo kSlots[kIcsSlots - 1] = {
    {"Volume Spilled", kIcsReleased},
    {"Recovered Oil", kIcsSkimmed},
    {"Evaporation", kIcsEvaporated},
    {"Natural Dispersion", kIcsNaturalDispersion},
    {"Chemical Dispersion", kIcsChemicalDispersion},
    {"Burned", kIcsBurned},
    {"Floating, Uncontained", kIcsRemaining},
    {"Onshore", kIcsBeached},
};

constexpr int kFloatingUncontained = 6;
constexpr int kAccountedFor = 8;

double Value(const OutputSeries& s, int k, int step) {
    double v = s.series[k][step];
    return v == NoData ? 0.0 : v;
}

void AppendSlotRow(std::string& t, const IcsSlots& slots, int slot, int d) {
    AppendCell(t, kSlots[slot].label, 22, Align::Left);
    AppendCell(t, FormatNumber(slots.period[slot], d), 14, Align::Right);
    AppendCell(t, FormatNumber(slots.total[slot], d), 14, Align::Right);
    t += "\n\n";
}

}  // namespace

OutputSeries BuildIcsSeries(const WeatheringModel& m) {
    static constexpr const char* kNames[kIcsSeriesCount] = {
        "Evaporated", "Natural Disp", "Burned",        "Skimmed",
        "Beached",    "Remaining",    "Chemical Disp", "Total"};
    OutputSeries out = EmptySeries(m, kIcsSeriesCount);
    out.title = "Oil Budget";
    out.units = "bbl";
    out.minimum = 0;
    const double density = MassUnitDensity(m);
    double largest[kIcsSeriesCount] = {};
    auto bbl = [&](double v) { return ConvertBudgetValue(kBudgetBarrels, v, 0, density); };
    for (int s = 0; s < out.stepCount; ++s) {
        const StepResult& r = m.results.result[s];
        const double dispersed = bbl(r.dispersed.best);
        const double chemical = bbl(r.chemDispersed.best);
        const double natural = dispersed == NoData  ? NoData
                               : chemical == NoData ? dispersed
                                                    : std::max(0.0, dispersed - chemical);
        const double values[kIcsSeriesCount] = {bbl(r.evaporated.best),
                                                natural,
                                                bbl(r.burned.best),
                                                bbl(r.skimmed.best),
                                                bbl(r.beached.best),
                                                bbl(r.remaining.best),
                                                chemical,
                                                bbl(r.released.best)};
        for (int k = 0; k < kIcsSeriesCount; ++k) {
            out.series[k][s] = values[k];
            largest[k] = std::max(largest[k], values[k]);
        }
        out.maximum = std::max(out.maximum, values[kIcsReleased]);
    }
    for (int k = 0; k < kIcsReleased; ++k)
        if (largest[k] > 0) out.names[k] = kNames[k];
    out.names[kIcsReleased] = kNames[kIcsReleased];
    return out;
}

int ClampIcsDuration(long typed) {
    return static_cast<int>(std::clamp(typed, 0L, 24L));
}

IcsPeriod InitialIcsPeriod(std::time_t release) {
    const CalendarFields f = Fields(release);
    IcsPeriod p;
    p.month = f.month;
    p.day = f.day;
    p.hour = f.hour;
    p.duration = 8;
    return p;
}

std::time_t IcsPeriodBeginning(std::time_t release, const IcsPeriod& period) {
    const CalendarFields f = Fields(release);
    // A spill in December runs on into January of the following year.
    const int year = f.year + (f.month == 12 && period.month == 1 ? 1 : 0);
    return MakeLocalTime(year, period.month, period.day, period.hour);
}

int IcsOperationalStart(std::time_t release, const IcsPeriod& period) {
    return static_cast<int>(WholeHours(IcsPeriodBeginning(release, period), release)) + 1;
}

IcsPeriodCoverage CoverageOfIcsPeriod(int runHours, int opStart, int duration) {
    IcsPeriodCoverage c;
    if (opStart - 1 < 0)
        c.coverage = IcsCoverage::BeforeRelease;
    else if (duration < 1)
        c.coverage = IcsCoverage::NoLength;
    else if (opStart - 1 >= runHours)
        c.coverage = IcsCoverage::AfterRun;
    else if (opStart - 1 + duration > runHours)
        c = {IcsCoverage::Part, runHours - (opStart - 1)};
    else
        c = {IcsCoverage::Whole, duration};
    return c;
}

IcsSlots ComputeIcsSlots(const OutputSeries& ics, int opStart, int duration) {
    IcsSlots slots;
    const int sph = ics.StepsPerHour();
    if (sph < 1 || opStart - 1 < 0 || duration < 1 || opStart - 1 >= ics.hours) return slots;
    const int start = (opStart - 1) * sph - 1;
    const int end = std::min((opStart - 1 + duration) * sph - 1, ics.stepCount - 1);
    for (int slot = 0; slot < kAccountedFor; ++slot) {
        const int k = kSlots[slot].series;
        if (ics.names[k].empty()) continue;
        slots.total[slot] = Value(ics, k, end);
        slots.period[slot] = start >= 0 && slot != kFloatingUncontained
                                 ? Value(ics, k, end) - Value(ics, k, start)
                                 : slots.total[slot];
    }
    for (int slot = 1; slot < kAccountedFor; ++slot) {
        slots.period[kAccountedFor] += slots.period[slot];
        slots.total[kAccountedFor] += slots.total[slot];
    }
    return slots;
}

int IcsDecimals(const OutputSeries& ics) {
    return VolumeDecimals(ics.stepCount > 0 ? ics.series[kIcsReleased][ics.stepCount - 1] : 0);
}

std::string IcsTableText(const SpillDocData& doc, const OutputSeries& ics, const IcsSlots& slots) {
    const int d = IcsDecimals(ics);
    std::string t = TableHeaderBlock(doc, "");
    AppendCell(t, "3. Spill Status (Estimated, in Barrels)", 60, Align::Left);
    t += "\n\n";
    AppendCell(t, "", 16, Align::Left);
    AppendCell(t, "This Operational Period", 23, Align::Centre);
    AppendCell(t, "Total", 20, Align::Centre);
    t += "\n";
    AppendCell(t, "", 16, Align::Left);
    AppendCell(t, "(Since Last Report)", 23, Align::Centre);
    t += "\n\n";
    AppendSlotRow(t, slots, 0, d);
    AppendCell(t, "Mass Balance / Oil Budget", 36, Align::Centre);
    t += "\n\n";
    for (int slot = 1; slot <= 5; ++slot)
        AppendSlotRow(t, slots, slot, d);
    AppendCell(t, "Floating, Contained", 22, Align::Left);
    AppendCell(t, "not estimated", 14, Align::Right);
    AppendCell(t, "not estimated", 14, Align::Right);
    t += "\n\n";
    AppendSlotRow(t, slots, 6, d);
    AppendSlotRow(t, slots, 7, d);
    AppendCell(t, "Total spilled product accounted for:\t", 37, Align::Left);
    AppendCell(t, FormatNumber(slots.total[kAccountedFor], d), 14, Align::Right);
    t += "\n";
    return t;
}

std::string IcsExportText(std::time_t release, int opStart, int duration, const IcsSlots& slots,
                          int decimals) {
    std::string x =
        "op_from\top_to\t"
        "vol_op\trecov_op\tevap_op\tdispNat_op\tdispChem_op\tburn_op\tfloatUnc_op\tbeach_op\t"
        "vol_tot\trecov_tot\tevap_tot\tdispNat_tot\tdispChem_tot\tburn_tot\tfloatUnc_tot\t"
        "beach_tot\ttotal\r";
    const std::time_t from = ModelHourStart(release, opStart);
    const std::time_t to = from + static_cast<std::time_t>(duration) * 3600;
    x += FormatTime(from, "%m/%d %H%M\t");
    x += FormatTime(to, "%m/%d %H%M\t");
    for (int slot = 0; slot < kAccountedFor; ++slot)
        x += Printf("%.*f\t", decimals, slots.period[slot]);
    for (int slot = 0; slot < kAccountedFor; ++slot)
        x += Printf("%.*f\t", decimals, slots.total[slot]);
    x += Printf("%.*f\r", decimals, slots.total[kAccountedFor]);
    return x;
}

IcsTable BuildIcsTable(const CSpillDoc& doc, IcsPeriod period) {
    IcsTable t;
    period.duration = ClampIcsDuration(period.duration);
    t.period = period;
    t.text = "N/A";
    if (!HasResults(doc)) return t;
    OutputSeries ics = BuildIcsSeries(doc.Model());
    if (ics.stepCount < 1) return t;
    const CalendarFields release = Fields(doc.SpillTime);
    ics.month = release.month;
    ics.day = release.day;
    ics.hour = release.hour;
    t.hasResults = true;
    t.opStart = IcsOperationalStart(doc.SpillTime, period);
    t.slots = ComputeIcsSlots(ics, t.opStart, period.duration);
    t.runHours = ics.hours;
    t.coverage = CoverageOfIcsPeriod(ics.hours, t.opStart, period.duration);
    t.decimals = IcsDecimals(ics);
    t.text = IcsTableText(doc, ics, t.slots);
    t.exportText = IcsExportText(doc.SpillTime, t.opStart, period.duration, t.slots, t.decimals);
    return t;
}

bool WriteIcsExport(const std::string& path, const IcsTable& table, MessageSink& messages) {
    if (!table.hasResults) {
        messages.Error("The scenario has no results to export. Please run it first.");
        return false;
    }
    // Written beside the file and renamed over it, so that a failed write
    // leaves no half-written file and keeps an earlier one.
    std::string error;
    if (!ReplaceFile(path, table.exportText, error)) {
        messages.Error("Cannot create file for ICS table.\n\n" + path + ": " + error);
        return false;
    }
    return true;
}

}  // namespace ormix
