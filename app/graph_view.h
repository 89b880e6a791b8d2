// A graph window: one of the eleven graphs of the scenario's last run,
// drawn by the graphs library in the unit the scenario keeps for its kind.
// A click with the right mouse button in the plot area opens the units
// menu; pointing at the graph reads the time and the values there.
#pragma once

#include "app/app_context.h"
#include "app/scenario_view.h"
#include "graphs/graph_chart.h"

class QChartView;
class QLabel;
class QMenu;
class QStackedWidget;

namespace ormix::app {

class GraphView final : public ScenarioView {
    Q_OBJECT
public:
    GraphView(ScenarioSession& session, WindowKind kind, AppContext& context,
              QWidget* parent = nullptr);
    ~GraphView() override;

    int GraphKind() const { return InfoOf(Kind()).graphKind; }
    int Unit() const { return source_.unit; }
    const graphs::GraphSource& Source() const { return source_; }
    graphs::GraphState State() const { return state_; }
    QChart* Chart() const;  // none unless drawn
    QChartView* ChartView() const;
    // The text shown in place of the chart ("N/A"), and the readout line.
    QLabel* Message() const { return message_; }
    QLabel* Readout() const { return readout_; }
    // How many times the graph has been drawn.
    int DrawCount() const { return draws_; }

    // The units menu of the graph's kind, the current unit checked.
    QMenu* UnitsMenu();
    // A unit chosen from the menu: kept in the scenario, and the graph
    // drawn again, when it differs from the current one.
    bool ChooseUnit(int unit);
    // What the pointer reads at a point of the chart view; empty outside
    // the plot area.
    QString ReadoutAt(const QPoint& pos) const;

    void Refresh() override;
    bool CopyToClipboard() override;
    std::vector<PrintedPage> PrintedPages() const override;
    QString ExportTitle() const override;
    QString ExportFilter() const override;
    QString ExportName() const override;
    bool ExportTo(const QString& path, QString& error) override;

private:
    class Canvas;

    AppContext& context_;
    graphs::GraphSource source_;
    graphs::GraphState state_ = graphs::GraphState::NotAvailable;
    QStackedWidget* stack_;
    Canvas* chartView_;
    QLabel* message_;
    QLabel* readout_;
    QMenu* units_ = nullptr;
    int draws_ = 0;
};

// The size of the pictures a graph window copies and exports, in pixels.
QSize GraphPictureSize();

}  // namespace ormix::app
