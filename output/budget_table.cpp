#include "output/budget_table.h"

#include <algorithm>

#include "output/budget_units.h"
#include "output/output_time.h"
#include "output/table_header.h"
#include "output/text_cells.h"
#include "scenario/calendar.h"

namespace ormix {

namespace {

// The budget unit of a release's amount unit code (1 bbl ... 5 metric tons);
// the continuous release's rate codes read the same, any other being gallons.
int BudgetUnitOfVolume(int code) {
    switch (code) {
        case kVolBarrels:
            return kBudgetBarrels;
        case kVolCubicMetres:
            return kBudgetCubicMetres;
        case kVolTons:
            return kBudgetTons;
        case kVolMetricTons:
            return kBudgetMetricTons;
    }
    return kBudgetGallons;
}

bool IsVolumeUnit(int unit) {
    return unit == kBudgetCubicMetres || (unit >= kBudgetBarrels && unit <= kBudgetMetricTons);
}

// Row spacing, in hours: a row when the release goes on and at least `a`
// hours (an even number) have passed; once steady, every `b` hours, and
// every `c` hours after `d` steady hours.
struct RowSpacing {
    int a, b, c, d;
};

constexpr RowSpacing kSpacings[] = {{1, 1, 1, 1},   {2, 2, 6, 10},    {4, 4, 12, 10},
                                    {6, 6, 24, 20}, {12, 12, 24, 20}, {24, 24, 24, 20}};

// One attempt over the first n steps; false when the rows ran out first.
// Time is counted in whole steps so that the even-hour test is exact
// whatever the number of steps per hour.
bool TryRows(const OutputSeries& v, int n, int sph, RowSpacing p, int maxRows,
             std::vector<int>& picked) {
    const auto& released = v.series[kBudgetReleased];
    picked.clear();
    double lastValue = 0;
    int since = 1, steady = 0;
    if (p.a > 1) picked.push_back(sph - 1);  // the step one hour into the spill
    int s = 0;
    for (; s < n && static_cast<int>(picked.size()) < maxRows; ++s) {
        bool pick;
        if (released[s] != lastValue) {
            pick = since >= p.a * sph && since % (2 * sph) == 0;
            steady = 0;
        } else if (steady >= p.d * sph) {
            pick = since >= p.c * sph;
        } else {
            pick = since >= p.b * sph;
            ++steady;
        }
        if (pick) {
            if (std::find(picked.begin(), picked.end(), s) == picked.end()) picked.push_back(s);
            since = 0;
            lastValue = released[s];
        }
        ++since;
    }
    return s >= n;
}

// The steps worth showing: up to the last one at which oil was still being
// released or more than a tenth of the oil released was afloat.
int StepsConsidered(const OutputSeries& v) {
    const auto& released = v.series[kBudgetReleased];
    const auto& remaining = v.series[kBudgetRemaining];
    for (int i = v.stepCount - 1; i >= 1; --i)
        if (released[i] > released[i - 1] || (released[i] > 0 && remaining[i] / released[i] > 0.1))
            return i + 1;
    return v.stepCount;
}

std::string OtherValue(double value, double released, BudgetOtherColumns mode, int d) {
    if (value < 0) return "n/a";
    if (mode == BudgetOtherColumns::Same) return FormatNumber(value, d);
    if (!(released > 0)) return "n/a";
    if (mode == BudgetOtherColumns::Percent) return FormatNumber(100.0 * value / released, 0);
    return FormatNumber(value / released, 2);
}

}  // namespace

int InitialReleasedUnit(const SpillDocData& doc) {
    if (doc.inputInstant.flag) return BudgetUnitOfVolume(doc.inputInstant.volUnits);
    if (doc.inputBoomed.flag) return BudgetUnitOfVolume(doc.inputBoomed.volUnits);
    if (doc.inputContinuous.flag) return BudgetUnitOfVolume(doc.inputContinuous.rateUnits);
    return kBudgetBarrels;
}

BudgetTableChoices InitialBudgetTableChoices(const SpillDocData& doc) {
    BudgetTableChoices c;
    c.released = InitialReleasedUnit(doc);
    return c;
}

std::vector<int> SelectBudgetRows(const OutputSeries& v, int maxRows) {
    std::vector<int> picked;
    const int sph = v.StepsPerHour();
    if (sph < 1 || maxRows < 1) return picked;
    const int n = StepsConsidered(v);
    for (const RowSpacing& p : kSpacings) {
        if (p.a == 1 && n > 12 * sph) continue;  // hourly rows only for 12 hours or less
        if (TryRows(v, n, sph, p, maxRows, picked)) return picked;
    }
    picked.clear();
    return picked;
}

std::string BudgetTableRows(const OutputSeries& v, std::time_t release,
                            const BudgetTableChoices& choices) {
    const bool dates = choices.time == BudgetTimeColumn::Dates;
    const auto& released = v.series[kBudgetReleased];
    const int d = VolumeDecimals(v.stepCount > 0 ? released[v.stepCount - 1] : 0);
    std::vector<int> columns;
    for (int k = 0; k < kBudgetReleased; ++k)
        if (!v.names[k].empty()) columns.push_back(k);
    const bool wide = columns.size() > 4;
    const char* columnUnit = choices.other == BudgetOtherColumns::Percent    ? "percent"
                             : choices.other == BudgetOtherColumns::Fraction ? "fraction"
                                                                             : v.units.c_str();

    std::string t;
    if (dates) {
        AppendCell(t, "Date &", 6, Align::Centre);
        AppendCell(t, "Time", 4, Align::Centre);
    } else {
        AppendCell(t, "Hours Into", 10, Align::Centre);
    }
    AppendCell(t, "Released", 10, Align::Centre);
    for (int k : columns) {
        t += " \t";
        AppendCell(t, v.names[k], 10, Align::Centre);
    }
    t += "\n";
    if (dates) {
        AppendCell(t, " ", 6, Align::Centre);
        AppendCell(t, " ", 4, Align::Centre);
    } else {
        AppendCell(t, "Spill", 10, Align::Right);
    }
    AppendCell(t, v.units, 10, Align::Centre);
    for (size_t i = 0; i < columns.size(); ++i) {
        t += " \t";
        AppendCell(t, columnUnit, 10, Align::Centre);
    }
    t += "\n";

    const int lines = static_cast<int>(std::count(t.begin(), t.end(), '\n'));
    const int maxRows = std::min((wide ? 42 : 58) - lines, 30);
    const std::vector<int> rows = SelectBudgetRows(v, maxRows);
    const int sph = v.StepsPerHour();
    int previousDay = -1;
    for (size_t r = 0; r < rows.size(); ++r) {
        const int s = rows[r];
        const int hoursInto = (s + 1) / sph;
        if (dates) {
            const std::time_t when = ModelHourStart(release, hoursInto);
            const int day = Fields(when).day;
            AppendCell(t, r == 0 || day != previousDay ? FormatTime(when, "%b %d") : " ", 6,
                       Align::Centre);
            AppendCell(t, FormatTime(when, "%H%M"), 4, Align::Centre);
            previousDay = day;
        } else {
            AppendCell(t, Printf("%d", hoursInto), 10, Align::Right);
        }
        AppendCell(t, FormatNumber(released[s], d), 10, Align::Centre);
        for (int k : columns) {
            t += r % 2 == 0 ? "-\t" : " \t";
            AppendCell(t, OtherValue(v.series[k][s], released[s], choices.other, d), 10,
                       Align::Centre);
        }
        t += "\n";
    }
    return t;
}

bool HasResults(const CSpillDoc& doc) {
    const WeatheringModel& m = doc.Model();
    return doc.solved && !doc.needsSolving && m.run.numSteps >= 1 && m.run.stepsPerHour >= 1 &&
           m.run.numSteps >= m.run.stepsPerHour;
}

OilBudgetTable BuildOilBudgetTable(const CSpillDoc& doc, const BudgetTableChoices& choices) {
    OilBudgetTable out;
    if (!HasResults(doc)) return out;
    BudgetTableChoices c = choices;
    if (!IsVolumeUnit(c.released)) c.released = kBudgetBarrels;
    OutputSeries v = BuildBudgetTableSeries(doc.Model(), c.released);
    if (v.stepCount < 1) return out;
    const CalendarFields release = Fields(doc.SpillTime);
    v.month = release.month;
    v.day = release.day;
    v.hour = release.hour;
    v.units = BudgetUnitTableLabel(c.released);
    const double total = v.series[kBudgetReleased][v.stepCount - 1];
    out.hasResults = true;
    out.header = TableHeaderBlock(
        doc, Printf("Total amount of Oil Released = %.0f %s", total, v.units.c_str()));
    out.table = BudgetTableRows(v, doc.SpillTime, c);
    return out;
}

}  // namespace ormix
