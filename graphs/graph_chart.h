// A graph of a run's results as a chart: the value axis from the kind's
// minimum to its maximum (logarithmic for viscosity and benzene), time
// along the bottom with clock hours and dates from the first release, the
// low-to-high band as a shaded area under the best estimate's line; the oil
// budget graph draws each of its quantities as a line with a legend.
// Values that are missing are never drawn: a line breaks where they are.
#pragma once

#include <QChart>
#include <QSizeF>
#include <QString>
#include <ctime>
#include <memory>

#include "output/graph_layout.h"
#include "output/output_series.h"
#include "scenario/spill_doc.h"

namespace ormix::graphs {

// What a graph draws: its kind, its unit, the series built in that unit and
// the clock time of the first release.
struct GraphSource {
    int kind = 0;
    int unit = 0;
    std::time_t release = 0;
    OutputSeries series;
};

// The graph of the document's last run, in the unit the document keeps for
// its kind.
GraphSource GraphSourceOf(const CSpillDoc& doc, int kind);

enum class GraphState {
    Drawn,
    NotAvailable,   // no results: the graph shows "N/A"
    CannotDisplay,  // the data cannot be laid out
};

struct GraphChart {
    GraphState state = GraphState::NotAvailable;
    std::unique_ptr<QChart> chart;  // only when drawn
    ValueAxisLayout axis;
};

GraphChart BuildGraphChart(const GraphSource& source);

// Spaces the ticks of both axes for a chart of `size` pixels, so that their
// labels neither crowd nor get cut short, and puts the oil budget graph's
// legend under a narrow plot: for a chart that is shown again at another
// size. A chart that BuildGraphChart did not make is left as it is.
void FitChartToSize(QChart& chart, const QSizeF& size);

// The text a graph shows in place of a chart ("N/A", or the message that
// its data cannot be displayed); empty when drawn.
QString GraphStateText(GraphState state);

}  // namespace ormix::graphs
