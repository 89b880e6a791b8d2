#include "app/tank_plots.h"

#include <QAreaSeries>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace ormix::app {

namespace {

QValueAxis* Axis(const QString& title, double lo, double hi, const char* format = "%g") {
    auto* axis = new QValueAxis;
    axis->setLabelFormat(QString::fromLatin1(format));
    axis->setTitleText(title);
    axis->setRange(lo, hi > lo ? hi : lo + 1);
    axis->applyNiceNumbers();
    return axis;
}

double LastMinute(const TankCurves& c) {
    return c.points.empty() ? 1.0 : c.points.back().minutes;
}

void Attach(QChart* chart, QAbstractSeries* series, QValueAxis* x, QValueAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

}  // namespace

QChart* TankReleasedChart(const TankCurves& c) {
    auto* chart = new QChart;
    chart->setTitle(QString::fromUtf8(kTankReleasedPlot));
    chart->legend()->hide();
    auto* series = new QLineSeries;
    double top = 0;
    series->append(0, 0);
    for (const TankCurvePoint& p : c.points) {
        if (p.released == NoData) continue;
        series->append(p.minutes, p.released);
        top = std::max(top, p.released);
    }
    auto* x = Axis(QString::fromUtf8(kTankTimeAxis), 0, LastMinute(c));
    auto* y = Axis(QString::fromStdString(c.releasedUnit), 0, top);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    Attach(chart, series, x, y);
    return chart;
}

QChart* TankLevelsChart(const TankCurves& c) {
    auto* chart = new QChart;
    chart->setTitle(QString::fromUtf8(kTankLevelsPlot));
    const double end = LastMinute(c);
    auto* x = Axis(QString::fromUtf8(kTankTimeAxis), 0, end);
    auto* y = new QValueAxis;
    y->setTitleText(QString::fromStdString(c.levelUnit));
    y->setRange(0, c.tankHeight > 0 ? c.tankHeight : 1);
    y->setLabelFormat(QStringLiteral("%g"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    auto* holeBottom = new QLineSeries(chart);
    auto* holeTop = new QLineSeries(chart);
    holeBottom->append({{0, c.holeBottom}, {end, c.holeBottom}});
    holeTop->append({{0, c.holeTop}, {end, c.holeTop}});
    auto* hole = new QAreaSeries(holeTop, holeBottom);
    hole->setName(QString::fromUtf8(kTankLevelsLegend[2]));
    hole->setColor(QColor(160, 160, 160, 140));
    hole->setBorderColor(QColor(110, 110, 110));
    auto* oil = new QLineSeries;
    oil->setName(QString::fromUtf8(kTankLevelsLegend[0]));
    oil->setColor(QColor(60, 40, 20));
    auto* water = new QLineSeries;
    water->setName(QString::fromUtf8(kTankLevelsLegend[1]));
    water->setColor(QColor(30, 90, 200));
    for (const TankCurvePoint& p : c.points) {
        oil->append(p.minutes, p.oilLevel);
        water->append(p.minutes, p.waterLevel);
    }
    Attach(chart, hole, x, y);
    Attach(chart, oil, x, y);
    Attach(chart, water, x, y);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

}  // namespace ormix::app
