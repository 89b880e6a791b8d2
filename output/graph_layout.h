// How a graph is laid out, whatever draws it: the value axis with its
// bounds and title, the clock-hour and date labels of the time axis, and the
// readout of the values at a moment of the run.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "output/output_series.h"

namespace ormix {

// What a graph shows without results, and when its data cannot be laid out.
inline constexpr char kGraphNotAvailable[] = "N/A";
inline constexpr char kCannotDisplayData[] =
    "Cannot display data.\nTell the ORMIX team about this message.";
// The status-bar hint over a graph.
inline constexpr char kGraphUnitsHint[] =
    "Click the right mouse button to change output graph units";

// The size of a graph's picture unless asked otherwise, in pixels (96 to
// the inch, so that a PDF page is 10.4 by 6.7 inches).
inline constexpr int kGraphPictureWidth = 1000;
inline constexpr int kGraphPictureHeight = 640;

// The title of a graph's printed page: "Spill Scenario - Oil Density".
std::string GraphPrintTitle(int kind);

// Viscosity and benzene span decades and are drawn on logarithmic axes.
bool IsLogarithmicGraph(int kind);

struct ValueAxisLayout {
    bool ok = false;  // false: the data cannot be laid out
    bool logarithmic = false;
    double low = 0, high = 0;
    std::string title;  // the series' title and its unit in parentheses
};

// The value axis of the series built for `kind` in `unit`: from its minimum
// to its maximum. A quantity that stays at one value gets an axis one unit
// high (percent and fraction of the amount released up to 100 and 1). A
// logarithmic axis runs between whole decades around the data; on the
// benzene graph a lower bound below 1 ppm is raised to 1 when the data
// reach above 1 ppm (concentrations below it do not matter then), and kept
// when they do not, so that the data stay in sight. Without any value to
// draw, or with bounds a logarithm cannot take, the axis is not `ok`.
ValueAxisLayout LayOutValueAxis(const OutputSeries& s, int kind, int unit);

struct TimeTick {
    double hours;      // after the first release
    std::string hour;  // "%02d00" of the clock hour
    std::string date;  // "%b %d"
};

// Ticks of the time axis from the first release (`release`, the scenario's
// spill time) to `hours` later, on clock hours that are whole multiples of
// a spacing of 1, 2, 3, 6 or 12 hours or of whole days, the shortest that
// gives at most `maxTicks` ticks; and at the first release itself when the
// first of them is a third of the spacing or more away from it.
std::vector<TimeTick> TimeAxisTicks(int hours, std::time_t release, int maxTicks = 8);

// The output step nearest to `hours` after the first release; -1 without
// steps.
int NearestStep(const OutputSeries& s, double hours);

// The clock time and the values of output step `step`, as the pointer
// reads them: "Mar 14 1830 (12.5 h): 45.2 percent (low 40.1, high 50.3)";
// the oil budget graph lists each quantity it shows.
std::string GraphReadout(const OutputSeries& s, int kind, int step, std::time_t release);

}  // namespace ormix
