// The ICS 209-OS Box 3 ("Spill Status") table: for one operational period,
// the oil spilled and where it went during the period, beside the totals
// since the spill began, in barrels; and its two-line export file.
#pragma once

#include <array>
#include <ctime>
#include <string>

#include "core/messages.h"
#include "output/output_series.h"
#include "scenario/spill_doc.h"

namespace ormix {

// Series of the ICS table, in barrels.
enum IcsSeriesIndex {
    kIcsEvaporated = 0,
    kIcsNaturalDispersion,
    kIcsBurned,
    kIcsSkimmed,
    kIcsBeached,
    kIcsRemaining,
    kIcsChemicalDispersion,
    kIcsReleased,
    kIcsSeriesCount
};

// The best estimate of each quantity in barrels; natural dispersion is the
// dispersed amount less the chemically dispersed one. A quantity that stays
// 0 has an empty name; the released series is "Total".
OutputSeries BuildIcsSeries(const WeatheringModel& m);

// Box 3 items: 0 volume spilled, 1 recovered, 2 evaporation, 3 natural and
// 4 chemical dispersion, 5 burned, 6 floating uncontained, 7 onshore,
// 8 the total accounted for (items 1 to 7).
inline constexpr int kIcsSlots = 9;

// The operational period as chosen on the table's bar.
struct IcsPeriod {
    int month = 1, day = 1, hour = 0;  // beginning
    int duration = 8;                  // whole hours, 0..24
};

// A typed duration kept within 0..24 hours.
int ClampIcsDuration(long typed);

// The period a new ICS table starts with: the initial release's month, day
// and hour, 8 hours long.
IcsPeriod InitialIcsPeriod(std::time_t release);

// The clock time the period begins: its month, day and hour in the year of
// the initial release, or in the following year for a January beginning of
// a December release.
std::time_t IcsPeriodBeginning(std::time_t release, const IcsPeriod& period);

// The hour of the spill the period begins in (1 at the initial release;
// below 1 before it): whole hours from the release to the beginning, plus 1.
int IcsOperationalStart(std::time_t release, const IcsPeriod& period);

// How much of an operational period the run's results cover.
enum class IcsCoverage {
    Whole,          // the period lies within the run
    Part,           // it runs past the end of the run and is cut there
    BeforeRelease,  // it begins before the initial release: no results
    AfterRun,       // it begins after the run's last hour: no results
    NoLength,       // it lasts 0 hours: no results
};

struct IcsPeriodCoverage {
    IcsCoverage coverage = IcsCoverage::Whole;
    int hours = 0;  // hours of the period that hold results
};

// The coverage of the period that begins in hour `opStart` and lasts
// `duration` hours, for a run of `runHours` hours; the cases in which
// ComputeIcsSlots gives zeros hold no hours.
IcsPeriodCoverage CoverageOfIcsPeriod(int runHours, int opStart, int duration);

struct IcsSlots {
    std::array<double, kIcsSlots> period{};  // this operational period
    std::array<double, kIcsSlots> total{};   // since the spill began
};

// The Box 3 values of the period that begins in hour `opStart` and lasts
// `duration` hours; all 0 when it begins before the spill or after the run,
// or lasts less than an hour. A period past the end of the run is cut at
// its last step.
IcsSlots ComputeIcsSlots(const OutputSeries& ics, int opStart, int duration);

// The decimals of the table and the export: from the barrels released.
int IcsDecimals(const OutputSeries& ics);

// The table text (the header block and Box 3).
std::string IcsTableText(const SpillDocData& doc, const OutputSeries& ics, const IcsSlots& slots);

// The export: a header line and a data line, each ended by a carriage
// return alone. The times are those of hour `opStart` of the spill and
// `duration` hours later.
std::string IcsExportText(std::time_t release, int opStart, int duration, const IcsSlots& slots,
                          int decimals);

// The ICS table of the document's last run for one period: the text it
// shows ("N/A" without results) and what its export holds.
struct IcsTable {
    bool hasResults = false;
    IcsPeriod period;  // with the duration as used
    int opStart = 0;
    int runHours = 0;
    IcsPeriodCoverage coverage;
    IcsSlots slots;
    int decimals = 2;
    std::string text;
    std::string exportText;
};
IcsTable BuildIcsTable(const CSpillDoc& doc, IcsPeriod period);

// Writes the export file; on failure shows "Cannot create file for ICS
// table." and writes nothing. Returns whether the file was written.
bool WriteIcsExport(const std::string& path, const IcsTable& table, MessageSink& messages);

}  // namespace ormix
