#include "output/series_csv.h"

#include <cstdio>
#include <ostream>

#include "output/graph_series.h"

namespace ormix {

namespace {

std::string Number(double v) {
    if (v == NoData) return "";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.8g", v);
    return buf;
}

}  // namespace

std::vector<SeriesColumn> SeriesColumns(const OutputSeries& s, int kind) {
    std::vector<SeriesColumn> columns;
    if (kind == kOilBudgetGraph) {
        for (int k = 0; k < static_cast<int>(s.names.size()); ++k)
            if (!s.names[k].empty()) columns.push_back({k, s.names[k]});
    } else if (IsBudgetGraph(kind)) {
        columns = {{0, "low"}, {1, "best"}, {3, "high"}};
    } else {
        columns = {{0, "low"}, {1, "mean"}, {2, "second mean"}, {3, "high"}};
    }
    return columns;
}

void WriteCsvColumns(const OutputSeries& steps, const std::vector<CsvColumn>& columns,
                     std::ostream& out) {
    out << "hours";
    for (const CsvColumn& c : columns)
        out << "," << c.heading;
    out << "\n";
    for (int step = 0; step < steps.stepCount; ++step) {
        out << Number(steps.HoursAt(step));
        for (const CsvColumn& c : columns)
            out << "," << Number((*c.values)[step]);
        out << "\n";
    }
}

void WriteSeriesCsv(const OutputSeries& s, int kind, std::ostream& out) {
    std::vector<CsvColumn> columns;
    for (const SeriesColumn& c : SeriesColumns(s, kind))
        columns.push_back({c.name + " (" + s.units + ")", &s.series[c.index]});
    WriteCsvColumns(s, columns, out);
}

}  // namespace ormix
