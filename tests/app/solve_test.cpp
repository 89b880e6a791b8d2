#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTreeWidget>
#include <cstring>

#include "app/budget_table_view.h"
#include "app/graph_view.h"
#include "app/spill_form_view.h"
#include "app/summary_bar.h"
#include "app/text_table_view.h"
#include "app_fixture.h"
#include "output/budget_table.h"
#include "output/graph_series.h"
#include "scenario/environment_dialogs.h"
#include "scenario/scenario_open.h"
#include "test_registry.h"

namespace ormix::app::testing {

namespace {

bool SameResults(const WeatheringModel& a, const WeatheringModel& b) {
    if (a.run.numSteps != b.run.numSteps || a.run.numSteps < 1) return false;
    return std::memcmp(&a.results.result[0], &b.results.result[0],
                       sizeof(a.results.result[0]) * a.run.numSteps) == 0;
}

}  // namespace

class SolveTest : public QObject {
    Q_OBJECT
private slots:
    // The run's messages reach the person as boxes of their kind while the
    // window says "Running" under the wait cursor; a scenario that lacks
    // inputs says so and opens nothing.
    void MessagesOfTheRunAreBoxes() {
        WindowFixture f;
        MainWindow& w = *f.window;
        const auto& told = f.fake.prompts.told;
        ScenarioSession* empty = w.NewScenario();
        QVERIFY(!w.Solve(empty));
        QCOMPARE(told.size(), size_t{1});
        QCOMPARE(told[0].kind, MessageKind::Error);
        QVERIFY(told[0].text.startsWith(" ERROR!  Please\n  - select an oil"));
        QCOMPARE(w.OutputsOf(empty).size(), size_t{0});

        // An oil whose pour point (35 deg C) lies above the water's.
        ScenarioSession* waxy = w.OpenScenario(SourcePath(u"tests/data/waxy.json"_s));
        QVERIFY(waxy);
        QStringList seen;  // how the window looked as the box came up
        f.fake.prompts.onTell = [&] {
            const QCursor* cursor = QApplication::overrideCursor();
            seen << w.windowTitle() << QString::number(QThread::currentThread() == qApp->thread())
                 << QString::number(cursor && cursor->shape() == Qt::WaitCursor);
        };
        QVERIFY(w.Solve(waxy));
        QCOMPARE(told.size(), size_t{2});
        QCOMPARE(told[1].kind, MessageKind::Warning);
        QVERIFY(told[1].text.startsWith("Temperature colder than pour point."));
        QCOMPARE(seen, (QStringList{"Running", "1", "1"}));
        QCOMPARE(w.windowTitle(), u"ORMIX - waxy.json"_s);
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(w.BusyIndicator()->isHidden());
    }

    // Solve (F5) runs the scenario off the window's thread with the same
    // results as a run of the engine alone, and opens the oil budget graph
    // drawn from them; the start form's Solve link does the same.
    void SolveOpensTheBudgetGraphWithTheEnginesResults() {
        WindowFixture f;
        MainWindow& w = *f.window;
        ScenarioSession* s = f.Open("open-sea-crude");
        QVERIFY(s);
        w.Action(Command::Solve)->trigger();
        auto* graph = static_cast<GraphView*>(w.OutputOf(s, WindowKind::BudgetGraph));
        QVERIFY(graph && graph->isVisible());
        QCOMPARE(w.Area()->currentSubWindow()->widget(), graph);
        QVERIFY(s->Doc().windowOpen[kWindowBudgetGraph]);

        CSpillDoc alone(std::time(nullptr), f.dir.path().toStdString());
        QVERIFY(OpenScenario(alone, Example("open-sea-crude").toStdString()).ok);
        alone.runSeed = 11;
        QVERIFY(alone.Solve());
        QVERIFY(SameResults(s->Doc().Model(), alone.Model()));
        const OutputSeries expected = BuildBudgetGraphSeries(alone.Model(), alone.budgetGraphUnit);
        QCOMPARE(graph->Source().series.series, expected.series);
        QCOMPARE(graph->Unit(), alone.budgetGraphUnit);

        // Solving again keeps the one graph, drawn from the new run.
        QVERIFY(w.OpenOutput(s, WindowKind::IcsTable));
        const int draws = graph->DrawCount();
        w.FormOf(s)->Link(FormLink::Solve)->click();
        QCOMPARE(w.OutputsOf(s).size(), size_t{2});
        QCOMPARE(graph->DrawCount(), draws + 1);
        QVERIFY(SameResults(s->Doc().Model(), alone.Model()));
        QVERIFY(f.fake.prompts.told.empty());
    }

    // After a run, changing the water temperature closes every output
    // window of that scenario (and only of that one), shows the
    // re-calculate text, refreshes the water section of the summary and
    // waits for a new run before the tables open again.
    void AnInputChangeAfterARunClosesItsOutputs() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.inputs.available = true;
        f.inputs.accept = [](InputCommand c, CSpillDoc& doc) {
            if (c != InputCommand::Water) return false;
            WaterEntries e;
            e.temperature = "5";
            return WaterDialogOK(doc, e).accepted;
        };
        ScenarioSession* other = f.Open("uncertainty");
        QVERIFY(w.Solve(other));
        ScenarioSession* s = f.Open("open-sea-crude");
        QVERIFY(w.Solve(s));
        QVERIFY(w.OpenOutput(s, WindowKind::IcsTable));
        QCOMPARE(w.OutputsOf(s).size(), size_t{2});
        QVERIFY(!w.FormOf(s)->ShowsRecalculate());
        const int waterFills = w.Summary()->FillCount(kSummaryWater);

        // Cancelled: nothing changes.
        QVERIFY(!w.RunInput(s, InputCommand::Release));
        QCOMPARE(w.OutputsOf(s).size(), size_t{2});

        w.FormOf(s)->Link(FormLink::Water)->click();
        QCOMPARE(f.inputs.run.back(), InputCommand::Water);
        QCOMPARE(w.OutputsOf(s).size(), size_t{0});
        QCOMPARE(w.OutputsOf(other).size(), size_t{1});
        QVERIFY(!s->Doc().windowOpen[kWindowBudgetTable] && !s->Doc().windowOpen[kWindowIcsTable]);
        QVERIFY(w.FormOf(s)->ShowsRecalculate());
        QVERIFY(!w.FormOf(other)->ShowsRecalculate());
        QCOMPARE(w.Summary()->FillCount(kSummaryWater), waterFills + 1);
        QVERIFY(!w.Action(Command::BudgetTable)->isEnabled());
        QVERIFY(!w.OpenOutput(s, WindowKind::BudgetTable));
        QVERIFY(s->IsModified());

        QVERIFY(w.Solve(s));
        QVERIFY(!w.FormOf(s)->ShowsRecalculate());
        QVERIFY(w.Action(Command::BudgetTable)->isEnabled());

        // A line of the summary opens the dialog of its section.
        QTreeWidgetItem* wind = w.Summary()->SectionItem(kSummaryWind)->child(0);
        emit w.Summary()->Tree()->itemActivated(wind, 0);
        QCOMPARE(f.inputs.run.back(), InputCommand::WindWave);
    }
};

ORMIX_APP_TEST(SolveTest)

}  // namespace ormix::app::testing

#include "solve_test.moc"
