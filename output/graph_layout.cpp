#include "output/graph_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "output/budget_units.h"
#include "output/graph_series.h"
#include "output/output_time.h"
#include "scenario/calendar.h"

namespace ormix {

namespace {

bool IsBudgetKind(int kind) {
    return kind == kOilBudgetGraph || IsBudgetGraph(kind);
}

double Decade(double v, double (*round)(double)) {
    return std::pow(10.0, round(std::log10(v)));
}

// The clock time `hours` after the beginning of the release's clock hour.
std::time_t ClockAt(std::time_t release, double hours) {
    return ModelHourStart(release, 1) + static_cast<std::time_t>(std::lround(hours * 3600.0));
}

std::string Value(double v) {
    if (v == NoData) return "no data";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.4g", v);
    return buf;
}

}  // namespace

std::string GraphPrintTitle(int kind) {
    return std::string("Spill Scenario - ") + GraphTitle(kind);
}

bool IsLogarithmicGraph(int kind) {
    return kind == kViscosityGraph || kind == kBenzeneGraph;
}

ValueAxisLayout LayOutValueAxis(const OutputSeries& s, int kind, int unit) {
    ValueAxisLayout a;
    a.title = s.title + " (" + s.units + ")";
    a.logarithmic = IsLogarithmicGraph(kind);
    double low = s.minimum, high = s.maximum;
    if (s.stepCount < 1 || high == NoData || !std::isfinite(low) || !std::isfinite(high) ||
        low > high)
        return a;
    if (a.logarithmic) {
        if (kind == kBenzeneGraph && low < 1 && high > 1) low = 1;
        if (!(low > 0)) return a;
        low = Decade(low, std::floor);
        high = Decade(high, std::ceil);
        if (high <= low) high = low * 10;
    } else if (high <= low) {
        high = low + (IsBudgetKind(kind) && unit == kBudgetPercent ? 100 : 1);
    }
    a.low = low;
    a.high = high;
    a.ok = true;
    return a;
}

std::vector<TimeTick> TimeAxisTicks(int hours, std::time_t release, int maxTicks) {
    std::vector<TimeTick> ticks;
    if (hours < 1 || maxTicks < 1) return ticks;
    std::vector<int> clockHour(static_cast<std::size_t>(hours) + 1);
    std::vector<long> day(clockHour.size());
    for (int h = 0; h <= hours; ++h) {
        const CalendarFields f = Fields(ClockAt(release, h));
        clockHour[h] = f.hour;
        // Days counted on the calendar, so that "every second day" stays
        // on the same dates across a month's end.
        day[h] = static_cast<long>(MakeLocalTime(f.year, f.month, f.day, 12) / 86400);
    }
    static constexpr int kSpacings[] = {1, 2, 3, 6, 12, 24};
    auto pick = [&](int spacing, int days) {
        std::vector<int> at;
        for (int h = 0; h <= hours; ++h) {
            const bool onHour = clockHour[h] % spacing == 0;
            const bool onDay = days <= 1 || (day[h] - day[0]) % days == 0;
            if (onHour && onDay) at.push_back(h);
        }
        return at;
    };
    std::vector<int> at;
    int spacing = 0;
    for (int hoursApart : kSpacings) {
        spacing = hoursApart;
        at = pick(spacing, 1);
        if (static_cast<int>(at.size()) <= maxTicks) break;
    }
    for (int days = 2; static_cast<int>(at.size()) > maxTicks; ++days) {
        spacing = 24 * days;
        at = pick(24, days);
    }
    // The first release is labelled too, unless a tick is close to it.
    if (at.empty() || at.front() * 3 >= spacing) at.insert(at.begin(), 0);
    for (int h : at) {
        char hour[8];
        std::snprintf(hour, sizeof hour, "%02d00", clockHour[h]);
        ticks.push_back({double(h), hour, FormatTime(ClockAt(release, h), "%b %d")});
    }
    return ticks;
}

int NearestStep(const OutputSeries& s, double hours) {
    if (s.stepCount < 1 || s.hours < 1) return -1;
    const double dt = double(s.hours) / s.stepCount;
    const long step = std::lround(hours / dt) - 1;
    return static_cast<int>(std::clamp<long>(step, 0, s.stepCount - 1));
}

std::string GraphReadout(const OutputSeries& s, int kind, int step, std::time_t release) {
    if (step < 0 || step >= s.stepCount) return "";
    const double hours = s.HoursAt(step);
    char when[64];
    std::snprintf(when, sizeof when,
                  "%s (%.4g h): ", FormatTime(ClockAt(release, hours), "%b %d %H%M").c_str(),
                  hours);
    std::string text = when;
    if (kind == kOilBudgetGraph) {
        bool first = true;
        for (std::size_t k = 0; k < s.names.size(); ++k) {
            if (s.names[k].empty()) continue;
            text += (first ? "" : ", ") + s.names[k] + " " + Value(s.series[k][step]);
            first = false;
        }
        return text + " " + s.units;
    }
    const double low = s.series[0][step], best = s.series[1][step], high = s.series[3][step];
    text += Value(best) + " " + s.units;
    if (low != best || high != best) text += " (low " + Value(low) + ", high " + Value(high) + ")";
    return text;
}

}  // namespace ormix
