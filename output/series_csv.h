// Series as comma-separated text, one row per output step: the hours after
// the first release, then one column per series. What `ormix series` prints
// and what the oil budget table's CSV export writes.
#pragma once

#include <array>
#include <iosfwd>
#include <string>
#include <vector>

#include "output/output_series.h"

namespace ormix {

// The series that are shown, with their column names: for a property the
// low, mean, second mean and high values; for a budget quantity low, best
// and high; for the oil budget every quantity that occurs and the total.
struct SeriesColumn {
    int index;
    std::string name;
};
std::vector<SeriesColumn> SeriesColumns(const OutputSeries& s, int kind);

// A column of a CSV file: its heading and one value per output step.
struct CsvColumn {
    std::string heading;
    const std::array<double, kMaxSteps>* values;
};

// "hours" and the headings, then one row per output step of `steps`; a
// value that is not drawn (-999) is an empty field.
void WriteCsvColumns(const OutputSeries& steps, const std::vector<CsvColumn>& columns,
                     std::ostream& out);

// The shown series of a graph, each headed by its name and unit in
// parentheses.
void WriteSeriesCsv(const OutputSeries& s, int kind, std::ostream& out);

}  // namespace ormix
