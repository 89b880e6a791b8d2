// The series set that every graph and table builds from a run's results,
// and the oil budget series shared by the oil budget table and graph.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/constants.h"
#include "model/weathering_model.h"

namespace ormix {

// One output's series: K series of one value per output step (K = 4 for a
// single-quantity graph, 7 for the oil budget, 8 for the ICS table). A value
// of -999 (NoData) is never drawn.
struct OutputSeries {
    std::string title;
    std::string units;
    // Month (1..12), day and hour of the first release; set by whoever shows
    // the series, from the scenario's initial release time.
    int month = 0, day = 0, hour = 0;
    int hours = 0;      // hours covered by the run
    int stepCount = 0;  // output steps, at most 480
    double maximum = NoData;
    double minimum = 1000000.0;
    std::vector<std::array<double, kMaxSteps>> series;
    std::vector<std::string> names;  // empty name: the series is not shown

    // Output steps per hour (0 without results).
    int StepsPerHour() const { return hours > 0 ? stepCount / hours : 0; }
    // Hours after the first release that output step s stands for.
    double HoursAt(int s) const { return stepCount > 0 ? (s + 1) * double(hours) / stepCount : 0; }
    double At(int k, int s) const { return series[k][s]; }
};

// A series set of K series, every value NoData, with the run's hours and
// steps (hours = steps / steps per hour; at most 480 steps).
OutputSeries EmptySeries(const WeatheringModel& m, int K);

// Budget series of the oil budget table and graph.
enum BudgetSeriesIndex {
    kBudgetEvaporated = 0,
    kBudgetDispersed,
    kBudgetBurned,
    kBudgetSkimmed,
    kBudgetBeached,
    kBudgetRemaining,
    kBudgetReleased,
    kBudgetSeriesCount
};

// The best estimate of evaporated, dispersed, burned, skimmed, beached,
// remaining and released in `unit` (a BudgetUnit; fraction and percent are
// of the amount released at the same step). A quantity that stays 0 has an
// empty name; the released series is "Total"; `maximum` is the largest
// amount released.
OutputSeries BuildBudgetTableSeries(const WeatheringModel& m, int unit);

// The oil's reference density (kg/m3) that mass units are converted with.
double MassUnitDensity(const WeatheringModel& m);

}  // namespace ormix
