#include "graphs/graph_chart.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <vector>

#include "output/budget_table.h"
#include "output/graph_series.h"
#include "output/graph_units.h"

namespace ormix::graphs {

namespace {

// The room a label of the time axis and of the value axis takes, pixels.
constexpr double kPixelsPerTimeLabel = 90;
constexpr double kPixelsPerValueLabel = 36;
// Below this width the oil budget graph's legend goes under the plot.
constexpr double kNarrowChart = 560;
// Below this height a graph leaves out what it can do without.
constexpr double kLowChart = 330;
// The chart around the plot area: axis labels, titles and margins.
constexpr double kAxesWidth = 110, kAxesHeight = 120;
const char kHoursProperty[] = "ormixHours";
const char kReleaseProperty[] = "ormixRelease";
const char kBudgetProperty[] = "ormixBudget";
const char kBandProperty[] = "ormixBand";

// The quantities of the oil budget graph, in the order of its series.
const QColor kBudgetColours[kBudgetSeriesCount] = {
    QColor(230, 120, 20),  // evaporated
    QColor(30, 110, 200),  // dispersed
    QColor(200, 30, 30),   // burned
    QColor(40, 150, 60),   // skimmed
    QColor(150, 100, 40),  // beached
    QColor(110, 40, 150),  // remaining
    QColor(0, 0, 0),       // total released
};
const QColor kBestColour(20, 60, 140);
const QColor kBandColour(70, 130, 200, 80);

// The runs of consecutive output steps whose values can be drawn.
std::vector<std::pair<int, int>> Runs(int steps, const std::function<bool(int)>& drawable) {
    std::vector<std::pair<int, int>> runs;
    int begin = -1;
    for (int s = 0; s <= steps; ++s) {
        const bool ok = s < steps && drawable(s);
        if (ok && begin < 0) begin = s;
        if (!ok && begin >= 0) {
            runs.emplace_back(begin, s);
            begin = -1;
        }
    }
    return runs;
}

class Drawing {
public:
    Drawing(const GraphSource& source, const ValueAxisLayout& layout, QChart* chart)
        : s_(source.series), log_(layout.logarithmic), chart_(chart) {}

    void AttachAxes(QAbstractAxis* x, QAbstractAxis* y) {
        x_ = x;
        y_ = y;
    }

    bool Drawable(double v) const { return v != NoData && std::isfinite(v) && (!log_ || v > 0); }

    // One line per run of values; only the first is named in the legend.
    void Line(const std::array<double, kMaxSteps>& values, const QString& name, const QPen& pen) {
        bool first = true;
        for (auto [begin, end] : Runs(s_.stepCount, [&](int i) { return Drawable(values[i]); })) {
            auto* line = new QLineSeries;
            line->setName(name);
            line->setPen(pen);
            for (int i = begin; i < end; ++i)
                line->append(s_.HoursAt(i), values[i]);
            // A single value still shows as a point.
            line->setPointsVisible(end - begin == 1);
            Add(line, first);
            first = false;
        }
    }

    // The shaded area between the low and the high series.
    void Band(const std::array<double, kMaxSteps>& low, const std::array<double, kMaxSteps>& high,
              const QString& name) {
        bool first = true;
        auto drawable = [&](int i) { return Drawable(low[i]) && Drawable(high[i]); };
        for (auto [begin, end] : Runs(s_.stepCount, drawable)) {
            auto* lower = new QLineSeries(chart_);
            auto* upper = new QLineSeries(chart_);
            for (int i = begin; i < end; ++i) {
                lower->append(s_.HoursAt(i), low[i]);
                upper->append(s_.HoursAt(i), high[i]);
            }
            auto* area = new QAreaSeries(upper, lower);
            area->setName(name);
            area->setColor(kBandColour);
            area->setBorderColor(kBandColour.darker(130));
            area->setPen(QPen(kBandColour.darker(130), 0.8));
            Add(area, first);
            first = false;
        }
    }

private:
    void Add(QAbstractSeries* series, bool inLegend) {
        chart_->addSeries(series);
        series->attachAxis(x_);
        series->attachAxis(y_);
        if (!inLegend)
            for (QLegendMarker* m : chart_->legend()->markers(series))
                m->setVisible(false);
    }

    const OutputSeries& s_;
    bool log_;
    QChart* chart_;
    QAbstractAxis *x_ = nullptr, *y_ = nullptr;
};

// The clock-hour and date labels of the time axis, as many as `width`
// pixels of it take without crowding. The label of the first release is
// left out when the next one is too close for both to be read.
void SetTimeTicks(QCategoryAxis& axis, int hours, std::time_t release, double width) {
    for (const QString& label : axis.categoriesLabels())
        axis.remove(label);
    const int maxTicks = std::clamp(static_cast<int>(width / kPixelsPerTimeLabel), 2, 8);
    std::vector<TimeTick> ticks = TimeAxisTicks(hours, release, maxTicks);
    const double pixelsPerHour = width / std::max(1, hours);
    if (ticks.size() > 1 && ticks[0].hours == 0 &&
        ticks[1].hours * pixelsPerHour < 0.6 * kPixelsPerTimeLabel)
        ticks.erase(ticks.begin());
    std::set<QString> used;
    for (const TimeTick& t : ticks) {
        const QString label = QString::fromStdString(t.hour) + QStringLiteral("<br>") +
                              QString::fromStdString(t.date);
        // A clock hour that comes twice (the end of daylight saving time)
        // is labelled once.
        if (!used.insert(label).second) continue;
        axis.append(label, t.hours);
    }
}

QAbstractAxis* TimeAxis(const GraphSource& source) {
    auto* axis = new QCategoryAxis;
    axis->setRange(0, source.series.hours);
    axis->setStartValue(0);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setTitleText(QStringLiteral("Time"));
    SetTimeTicks(*axis, source.series.hours, source.release, kGraphPictureWidth - 160);
    return axis;
}

// A tick spacing of 1, 2 or 5 times a power of ten that gives about
// `intervals` intervals over the range, never more than one and a half
// times as many.
double NiceInterval(double range, int intervals) {
    const double raw = range / std::max(1, intervals);
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * decade >= raw) return m * decade;
    return 10 * decade;
}

QAbstractAxis* ValueAxis(const ValueAxisLayout& layout) {
    const QString title = QString::fromStdString(layout.title);
    if (layout.logarithmic) {
        auto* axis = new QLogValueAxis;
        axis->setBase(10);
        // A hair wider than the decades, so that rounding in the axis'
        // own logarithms never drops the label at either end.
        axis->setRange(layout.low * (1 - 1e-9), layout.high * (1 + 1e-9));
        axis->setLabelFormat(QStringLiteral("%.6g"));
        axis->setMinorTickCount(8);
        axis->setTitleText(title);
        return axis;
    }
    auto* axis = new QValueAxis;
    axis->setRange(layout.low, layout.high);
    axis->setLabelFormat(QStringLiteral("%.6g"));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(NiceInterval(layout.high - layout.low, 6));
    axis->setTitleText(title);
    return axis;
}

bool Differs(const std::array<double, kMaxSteps>& a, const std::array<double, kMaxSteps>& b,
             int steps) {
    for (int i = 0; i < steps; ++i)
        if (a[i] != b[i]) return true;
    return false;
}

}  // namespace

GraphSource GraphSourceOf(const CSpillDoc& doc, int kind) {
    GraphSource g;
    g.kind = kind;
    g.unit = GraphUnitOf(doc, kind);
    g.release = doc.SpillTime;
    if (HasResults(doc)) {
        g.series = kind == kOilBudgetGraph ? BuildBudgetGraphSeries(doc.Model(), g.unit)
                                           : BuildGraphSeries(doc.Model(), kind, g.unit);
    } else {
        g.series.title = GraphTitle(kind);
        g.series.units = GraphUnitLabel(kind, g.unit);
    }
    return g;
}

QString GraphStateText(GraphState state) {
    switch (state) {
        case GraphState::NotAvailable:
            return QString::fromLatin1(kGraphNotAvailable);
        case GraphState::CannotDisplay:
            return QString::fromLatin1(kCannotDisplayData);
        case GraphState::Drawn:
            break;
    }
    return {};
}

GraphChart BuildGraphChart(const GraphSource& source) {
    GraphChart out;
    const OutputSeries& s = source.series;
    if (s.stepCount < 1 || s.hours < 1) return out;
    out.axis = LayOutValueAxis(s, source.kind, source.unit);
    if (!out.axis.ok) {
        out.state = GraphState::CannotDisplay;
        return out;
    }
    out.state = GraphState::Drawn;
    out.chart = std::make_unique<QChart>();
    QChart* chart = out.chart.get();
    chart->setTitle(QString::fromStdString(s.title));
    QFont titleFont = chart->titleFont();
    titleFont.setPointSizeF(12);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(6, 6, 12, 6));

    chart->setProperty(kHoursProperty, s.hours);
    chart->setProperty(kReleaseProperty, static_cast<qint64>(source.release));
    chart->setProperty(kBudgetProperty, source.kind == kOilBudgetGraph);
    QAbstractAxis* x = TimeAxis(source);
    QAbstractAxis* y = ValueAxis(out.axis);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    Drawing d(source, out.axis, chart);
    d.AttachAxes(x, y);

    if (source.kind == kOilBudgetGraph) {
        for (int k = 0; k < static_cast<int>(s.series.size()) && k < kBudgetSeriesCount; ++k) {
            if (s.names[k].empty()) continue;
            QPen pen(kBudgetColours[k], k == kBudgetReleased ? 2.0 : 2.4);
            if (k == kBudgetReleased) pen.setStyle(Qt::DashLine);
            d.Line(s.series[k], QString::fromStdString(s.names[k]), pen);
        }
        chart->legend()->setAlignment(Qt::AlignRight);
        return out;
    }
    const bool band = Differs(s.series[0], s.series[1], s.stepCount) ||
                      Differs(s.series[3], s.series[1], s.stepCount);
    if (band) d.Band(s.series[0], s.series[3], QStringLiteral("Low to high"));
    d.Line(s.series[1],
           IsBudgetGraph(source.kind) ? QStringLiteral("Best estimate") : QStringLiteral("Mean"),
           QPen(kBestColour, 2.4));
    chart->legend()->setVisible(band);
    chart->setProperty(kBandProperty, band);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return out;
}

void FitChartToSize(QChart& chart, const QSizeF& size) {
    if (!chart.property(kHoursProperty).isValid()) return;
    const bool budget = chart.property(kBudgetProperty).toBool();
    const bool narrow = size.width() < kNarrowChart;
    const bool low = size.height() < kLowChart;
    // In a small window the plot keeps the room: the time axis without
    // its title, the band's legend left out, the budget's legend smaller.
    if (budget) {
        chart.legend()->setAlignment(narrow ? Qt::AlignBottom : Qt::AlignRight);
        QFont font = chart.legend()->font();
        font.setPointSizeF(narrow || low ? 7 : 9);
        chart.legend()->setFont(font);
    } else if (chart.property(kBandProperty).toBool()) {
        chart.legend()->setVisible(!low);
    }
    const double legendWidth = budget && !narrow ? 150 : 0;
    const double plotWidth = std::max(60.0, size.width() - kAxesWidth - legendWidth);
    const double plotHeight = std::max(40.0, size.height() - kAxesHeight);
    for (QAbstractAxis* a : chart.axes(Qt::Horizontal))
        if (auto* time = qobject_cast<QCategoryAxis*>(a)) {
            time->setTitleVisible(!low);
            SetTimeTicks(*time, chart.property(kHoursProperty).toInt(),
                         static_cast<std::time_t>(chart.property(kReleaseProperty).toLongLong()),
                         plotWidth);
        }
    for (QAbstractAxis* a : chart.axes(Qt::Vertical))
        if (auto* value = qobject_cast<QValueAxis*>(a)) {
            const int intervals =
                std::clamp(static_cast<int>(plotHeight / kPixelsPerValueLabel), 2, 6);
            value->setTickInterval(NiceInterval(value->max() - value->min(), intervals));
        }
}

}  // namespace ormix::graphs
