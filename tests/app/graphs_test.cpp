// The graph windows: the chart drawn from the engine's series, the units
// menu, Single/Multiple/Show All Graphs, printing and export of graphs and
// tables, and `ormix plot`.
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSvgRenderer>
#include <QValueAxis>
#include <set>

#include "app/budget_table_view.h"
#include "app/graph_view.h"
#include "app_fixture.h"
#include "graphs/graph_pictures.h"
#include "output/budget_units.h"
#include "output/graph_series.h"
#include "output/graph_units.h"
#include "test_registry.h"

namespace ormix::app::testing {

namespace {

// Every x at which a line or band of the chart has a point.
std::set<double> DrawnHours(QChart* chart) {
    std::set<double> hours;
    auto add = [&](QLineSeries* line) {
        if (line)
            for (const QPointF& p : line->points())
                hours.insert(p.x());
    };
    for (QAbstractSeries* s : chart->series()) {
        add(qobject_cast<QLineSeries*>(s));
        if (auto* area = qobject_cast<QAreaSeries*>(s)) {
            add(area->upperSeries());
            add(area->lowerSeries());
        }
    }
    return hours;
}

QPair<double, double> ValueRange(QChart* chart, bool* logarithmic = nullptr) {
    QAbstractAxis* axis = chart->axes(Qt::Vertical).value(0);
    if (logarithmic) *logarithmic = qobject_cast<QLogValueAxis*>(axis) != nullptr;
    if (auto* v = qobject_cast<QValueAxis*>(axis)) return {v->min(), v->max()};
    if (auto* l = qobject_cast<QLogValueAxis*>(axis)) return {l->min(), l->max()};
    return {0, 0};
}

struct Solved : WindowFixture {
    explicit Solved(const char* example = "open-sea-crude") {
        session = Open(example);
        if (session) window->Solve(session);
    }
    GraphView* Graph(WindowKind kind) {
        return static_cast<GraphView*>(window->OutputOf(session, kind));
    }
    void Activate(QWidget* view) {
        window->Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(view->parentWidget()));
    }
    ScenarioSession* session = nullptr;
};

}  // namespace

class GraphsTest : public QObject {
    Q_OBJECT
private slots:
    // The chart of each kind has the value axis the engine lays out (the
    // bounds of each kind: see the engine's tests); missing values are never
    // drawn and a line breaks where they are; the runs with uncertainty show
    // their band as a shaded area under the best line.
    void ChartsFollowTheSeries() {
        Solved f("uncertainty");
        QVERIFY(f.session);
        f.window->ShowAllGraphs(f.session);
        bool log = true;
        QCOMPARE(ValueRange(f.Graph(WindowKind::Density)->Chart(), &log),
                 (QPair<double, double>(500, 1100)));
        QVERIFY(!log);
        ValueRange(f.Graph(WindowKind::Benzene)->Chart(), &log);
        QVERIFY(log);

        // Bands: the uncertainty runs differ from the best estimate.
        GraphView* remain = f.Graph(WindowKind::Remaining);
        int areas = 0;
        for (QAbstractSeries* s : remain->Chart()->series())
            areas += qobject_cast<QAreaSeries*>(s) != nullptr;
        QVERIFY(areas >= 1);

        // Missing values in the middle of the run: not drawn, the line in
        // two pieces.
        graphs::GraphSource gap = remain->Source();
        const int n = gap.series.stepCount;
        QVERIFY(n > 10);
        for (int i = n / 3; i < n / 2; ++i)
            for (auto& series : gap.series.series)
                series[i] = NoData;
        graphs::GraphChart g = graphs::BuildGraphChart(gap);
        QCOMPARE(g.state, graphs::GraphState::Drawn);
        const std::set<double> hours = DrawnHours(g.chart.get());
        for (int i = 0; i < n; ++i)
            QCOMPARE(hours.count(gap.series.HoursAt(i)) == 1, i < n / 3 || i >= n / 2);

        // The oil budget graph: its quantities with a legend, up to the
        // largest amount released.
        GraphView* budget = f.Graph(WindowKind::BudgetGraph);
        budget->parentWidget()->showMaximized();
        QTest::qWait(20);  // laid out
        QVERIFY(budget->Chart()->legend()->isVisible());
        QCOMPARE(ValueRange(budget->Chart()).second, budget->Source().series.maximum);
        QStringList names;
        for (QLegendMarker* m : budget->Chart()->legend()->markers())
            if (m->isVisible()) names << m->label();
        QVERIFY(names.contains("Evaporated") && names.contains("Total"));

        // Nothing to lay out: no chart, and the person is told.
        graphs::GraphSource bad = gap;
        bad.kind = kViscosityGraph;
        for (auto& series : bad.series.series)
            series.fill(0);
        bad.series.minimum = bad.series.maximum = 0;
        QCOMPARE(graphs::BuildGraphChart(bad).state, graphs::GraphState::CannotDisplay);
        QVERIFY(graphs::GraphImage(bad, QSize(400, 300)).isNull());
    }

    // A graph without results says "N/A"; pointing at a drawn graph reads
    // the time and values there.
    void NoResultsAndThePointersReadout() {
        WindowFixture f;
        ScenarioSession* s = f.Open("open-sea-crude");
        QVERIFY(s);
        GraphView unsolved(*s, WindowKind::Density, f.fake.context);
        QCOMPARE(unsolved.State(), graphs::GraphState::NotAvailable);
        QCOMPARE(unsolved.Message()->text(), u"N/A"_s);

        QVERIFY(f.window->Solve(s));
        auto* g = static_cast<GraphView*>(f.window->OutputOf(s, WindowKind::BudgetGraph));
        QVERIFY(g && g->Chart());
        QChart* c = g->Chart();
        const QPointF middle = c->plotArea().center();
        const QPoint at = g->ChartView()->mapFromScene(c->mapToScene(middle));
        const QString text = g->ReadoutAt(at);
        QVERIFY2(text.contains(u"Evaporated"_s), qPrintable(text));
        QVERIFY(g->ReadoutAt(QPoint(1, 1)).isEmpty());  // outside the plot area
        QVERIFY(f.fake.prompts.told.empty());
    }

    // The units menu: the same unit does not redraw; another is kept in the
    // scenario, redraws, and a reopened graph of the same scenario keeps it.
    void UnitChoiceIsKeptPerKind() {
        Solved f;
        f.window->SetMultipleGraphs(f.session, true);
        auto* g = static_cast<GraphView*>(f.window->ChooseGraph(f.session, WindowKind::Density));
        QVERIFY(g);
        QCOMPARE(g->Unit(), int(kDensityKgPerCubicMetre));
        const int draws = g->DrawCount();
        QVERIFY(!g->ChooseUnit(kDensityKgPerCubicMetre));
        QCOMPARE(g->DrawCount(), draws);
        g->UnitsMenu()->actions().at(1)->trigger();  // g/cc
        QCOMPARE(g->DrawCount(), draws + 1);
        QCOMPARE(f.session->Doc().graphUnit[kDensityGraph], int(kDensityGramsPerCc));
        QCOMPARE(ValueRange(g->Chart()).second, 1.1);

        QVERIFY(!f.window->ChooseGraph(f.session, WindowKind::Density));  // closed
        auto* again =
            static_cast<GraphView*>(f.window->ChooseGraph(f.session, WindowKind::Density));
        QCOMPARE(again->Unit(), int(kDensityGramsPerCc));
        // Other kinds keep their own units.
        QCOMPARE(f.Graph(WindowKind::BudgetGraph)->Unit(), f.session->Doc().budgetGraphUnit);
    }

    // Single mode: showing a graph first closes every other graph and table
    // and choosing it again closes it. Multiple mode: graphs come and go
    // independently, tiled. Show All opens all eleven.
    void WindowManagement() {
        Solved f;
        MainWindow& w = *f.window;
        ScenarioSession* s = f.session;
        QVERIFY(w.Action(Command::SingleGraph)->isChecked());
        w.OpenOutput(s, WindowKind::BudgetTable);
        QCOMPARE(w.OutputsOf(s).size(), size_t{2});
        w.Action(Command::GraphDensity)->trigger();
        QCOMPARE(w.OutputsOf(s).size(), size_t{1});
        QVERIFY(w.Action(Command::GraphDensity)->isChecked());
        QVERIFY(!s->Doc().windowOpen[kWindowBudgetTable]);
        w.Action(Command::GraphDensity)->trigger();
        QTest::qWait(1);
        QVERIFY(w.OutputsOf(s).empty());

        w.Action(Command::MultipleGraphs)->trigger();
        QVERIFY(s->MultipleGraphs());
        for (Command c : {Command::GraphDensity, Command::GraphWater, Command::GraphBenzene})
            w.Action(c)->trigger();
        QCOMPARE(w.OutputsOf(s).size(), size_t{3});
        w.Action(Command::GraphWater)->trigger();
        QCOMPARE(w.OutputsOf(s).size(), size_t{2});
        // Tiled: side by side, none over another.
        const auto open = w.OutputsOf(s);
        const QRect a = open[0]->parentWidget()->geometry(),
                    b = open[1]->parentWidget()->geometry();
        QVERIFY(!a.intersects(b));

        w.Action(Command::ShowAllGraphs)->trigger();
        QCOMPARE(w.OutputsOf(s).size(), size_t{11});
        // Back to one at a time: the active graph stays.
        f.Activate(w.OutputOf(s, WindowKind::Viscosity));
        w.Action(Command::SingleGraph)->trigger();
        QTest::qWait(1);
        QCOMPARE(w.OutputsOf(s).size(), size_t{1});
        QVERIFY(w.OutputOf(s, WindowKind::Viscosity));
        QVERIFY(!w.Action(Command::GraphBudget)->isChecked());
    }

    // Print gives one page per graph, headed by its title and the
    // scenario; a table takes the pages it needs; cancelling prints nothing
    // and is not a failure; a file that cannot be written is reported.
    void PrintingGraphsAndTables() {
        Solved f;
        MainWindow& w = *f.window;
        ScenarioView* view = w.OutputOf(f.session, WindowKind::BudgetGraph);
        const std::vector<PrintedPage> pages = view->PrintedPages();
        QCOMPARE(pages.size(), size_t{1});
        QCOMPARE(pages[0].title, u"Spill Scenario - Oil Budget"_s);
        QVERIFY(pages[0].lines.join('\n').contains(f.session->Title()));
        f.fake.prompts.printFiles.push_back(f.File("graph.pdf"));
        QVERIFY(w.PrintActive());
        QCOMPARE(PdfPageCount(f.File("graph.pdf")), 1);
        ScenarioView* table = w.OpenOutput(f.session, WindowKind::BudgetTable);
        QCOMPARE(table->PrintedPages().front().title, u"Spill Scenario - Oil Budget Table"_s);
        f.fake.prompts.printFiles.push_back(f.File("table.pdf"));
        QVERIFY(w.PrintActive());
        QVERIFY(PdfPageCount(f.File("table.pdf")) >= 1);

        const int asked = f.fake.prompts.printsAsked;
        QVERIFY(w.PrintActive());  // cancelled: no file queued
        QCOMPARE(f.fake.prompts.printsAsked, asked + 1);
        QVERIFY(f.fake.prompts.told.empty());
        f.fake.prompts.printFiles.push_back(f.File("no/such/dir/x.pdf"));
        QVERIFY(!w.PrintActive());
        QCOMPARE(f.fake.prompts.told.size(), size_t{1});

        f.fake.prompts.printFiles.push_back(f.File("preview.pdf"));
        w.Action(Command::PrintPreview)->trigger();
        QCOMPARE(f.fake.prompts.previews, 1);
        QCOMPARE(PdfPageCount(f.File("preview.pdf")), 1);
        w.Action(Command::PageSetup)->trigger();
        QCOMPARE(f.fake.prompts.pageSetups, 1);
    }

    // Export: a graph to PNG, SVG and PDF by the chosen name's extension
    // (PNG when it has none); the budget table's CSV is the one `ormix
    // series` writes for the oil budget in the same unit.
    void ExportGraphsAndTables() {
        Solved f;
        MainWindow& w = *f.window;
        auto* g = f.Graph(WindowKind::BudgetGraph);
        QVERIFY(g);
        f.fake.prompts.files = {f.File("budget.svg"), f.File("budget.pdf"), f.File("budget")};
        for (int i = 0; i < 3; ++i)
            QVERIFY(w.ExportActive());
        QVERIFY(f.fake.prompts.saveSuggestions.back().endsWith(u".png"_s));
        QVERIFY(QSvgRenderer(f.File("budget.svg")).isValid());
        QCOMPARE(PdfPageCount(f.File("budget.pdf")), 1);
        const QImage png(f.File("budget.png"));
        QCOMPARE(png.size(), GraphPictureSize());
        QVERIFY(f.fake.prompts.told.empty());
        f.fake.prompts.files = {f.File("no/such/dir/budget.png")};
        QVERIFY(!w.ExportActive());
        QCOMPARE(f.fake.prompts.told.size(), size_t{1});

        w.SetMultipleGraphs(f.session, true);
        auto* table =
            static_cast<BudgetTableView*>(w.OpenOutput(f.session, WindowKind::BudgetTable));
        table->OtherChoice()->setCurrentIndex(0);  // all in the released unit, bbl
        f.fake.prompts.files = {f.File("table.csv"), f.File("table.txt")};
        QVERIFY(w.ExportActive());
        QVERIFY(w.ExportActive());
        const CliRun series = RunCli(f.dir.path(), {u"series"_s, Example("open-sea-crude")},
                                     "--graph budget --unit bbl --seed 11 --workdir .");
        QCOMPARE(series.status, 0);
        QCOMPARE(ReadBytes(f.File("table.csv")), series.out);
        const QString tsv = QString::fromUtf8(ReadBytes(f.File("table.txt")));
        QVERIFY(tsv.contains(QLatin1Char('\t')));
        QVERIFY(!tsv.contains(u"  \t"_s));
    }

    // `ormix plot` draws the same graph without a display: a PNG of the
    // asked size, an SVG that parses; bad requests are refused.
    void PlotCommandWritesPictures() {
        QTemporaryDir dir;
        QFile::copy(SourcePath("data/OilLib"), dir.filePath("OilLib"));
        auto plot = [&](const char* words, const QStringList& unset = {}) {
            return RunCli(dir.path(), {u"plot"_s, Example("open-sea-crude"), "--workdir", "."},
                          words, unset);
        };
        const CliRun png = plot("--graph density --unit g/cc --width 640 --height 400 --out d.png",
                                {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"});
        QVERIFY2(png.status == 0, png.err.constData());
        QCOMPARE(QImage(dir.filePath("d.png")).size(), QSize(640, 400));
        QCOMPARE(plot("--graph budget --out b.svg").status, 0);
        QVERIFY(QSvgRenderer(dir.filePath("b.svg")).isValid());
        QVERIFY(ReadBytes(dir.filePath("b.svg")).contains("Oil Budget"));
        for (const char* bad : {"--graph density --out d.gif", "--graph sky --out e.png"}) {
            const CliRun r = plot(bad);
            QCOMPARE(r.status, 1);
            QVERIFY(!r.err.isEmpty());
        }
        QVERIFY(!QFile::exists(dir.filePath("d.gif")) && !QFile::exists(dir.filePath("e.png")));
    }
};

ORMIX_APP_TEST(GraphsTest)

}  // namespace ormix::app::testing

#include "graphs_test.moc"
