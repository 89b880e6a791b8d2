// `ormix-screenshots DIR [EXAMPLE.json]`: renders every window of the desktop
// program to PNG files in DIR, for a person to review the look of the
// program. Runs on any Qt platform; scripts/screenshots uses the offscreen
// one. Fails when a window cannot be drawn.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <cstdio>

#include "app/about_dialog.h"
#include "app/budget_table_view.h"
#include "app/desktop_program.h"
#include "app/dialog_screenshots.h"
#include "app/graph_view.h"
#include "app/help_window.h"
#include "app/ics_table_view.h"
#include "app/main_window.h"
#include "app/manual.h"
#include "app/manual_help.h"
#include "app/scenario_session.h"
#include "app/spill_form_view.h"
#include "app/summary_bar.h"
#include "app/work_dir.h"
#include "scenario/environment_dialogs.h"

#ifndef ORMIX_SOURCE_DIR
#define ORMIX_SOURCE_DIR "."
#endif

namespace {

using namespace ormix;
using namespace ormix::app;

// Messages of the program go to the terminal: nobody is there to answer.
class TerminalPrompts final : public UserPrompts {
public:
    void Tell(QWidget*, MessageKind, const QString& text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    Answer AskYesNoCancel(QWidget*, const QString&) override { return Answer::No; }
    bool Confirm(QWidget*, const QString&) override { return false; }
    QString ChooseOpenFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString ChooseSaveFile(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
};

int failures = 0;

void Save(QWidget* widget, const QDir& dir, const char* name) {
    QApplication::processEvents();
    const QPixmap picture = widget->grab();
    const QString path = dir.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    if (picture.isNull() || picture.width() < 50 || picture.height() < 50 || !picture.save(path)) {
        std::fprintf(stderr, "cannot render %s\n", name);
        ++failures;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

// Every graph of a solved scenario: all eleven side by side in the main
// window, then each alone at a size a person reads it.
void SaveGraphs(MainWindow& window, ScenarioSession* s, const QDir& dir, const QString& prefix) {
    window.ShowAllGraphs(s);
    Save(&window, dir, qPrintable(prefix + QStringLiteral("-all-graphs")));
    for (WindowKind kind : kGraphWindows) {
        ScenarioView* view = window.OutputOf(s, kind);
        const QString name = prefix + QStringLiteral("-graph-") +
                             QString::fromLatin1(InfoOf(kind).title).toLower().replace(' ', '-');
        if (!view) {
            std::fprintf(stderr, "no %s window\n", qPrintable(name));
            ++failures;
            continue;
        }
        QWidget* frame = view->parentWidget();
        frame->showNormal();
        frame->resize(900, 600);
        frame->raise();
        Save(frame, dir, qPrintable(name));
    }
}

// The print preview of a window's pages, as File > Print Preview shows them.
void SavePreview(ScenarioView* view, const QDir& dir, const char* name) {
    if (!view) {
        std::fprintf(stderr, "no window to preview for %s\n", name);
        ++failures;
        return;
    }
    QPrinter printer(QPrinter::ScreenResolution);
    QPrintPreviewWidget preview(&printer);
    const std::vector<PrintedPage> pages = view->PrintedPages();
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, &preview,
                     [&pages](QPrinter* p) { PrintPages(*p, pages); });
    preview.resize(1100, 760);
    preview.setViewMode(QPrintPreviewWidget::FacingPagesView);
    preview.show();
    preview.updatePreview();
    preview.fitInView();
    Save(&preview, dir, name);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SetProgramNames();
    ApplyDialogColours(app);
    if (argc < 2) {
        std::fprintf(stderr, "usage: ormix-screenshots DIR [EXAMPLE.json]\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }
    const QString example =
        argc > 2 ? QString::fromLocal8Bit(argv[2])
                 : QStringLiteral(ORMIX_SOURCE_DIR "/examples/scenarios/response-operations.json");

    QTemporaryDir data;
    const WorkDirChoice work =
        ChooseWorkDir(QString(), data.path(), data.path(), QString::fromLatin1(kBundledOilLib));
    TerminalPrompts prompts;
    ManualHelp help;
    AppContext context{prompts, help};
    MainWindow window(context, work.dir);
    window.resize(1440, 900);
    window.show();

    // The program as it starts: a new scenario's start form and summary.
    ScenarioSession* fresh = window.NewScenario();
    Save(&window, dir, "main-window-new-scenario");
    Save(window.FormOf(fresh), dir, "start-form");

    // A scenario opened, solved, with both tables.
    ScenarioSession* s = window.OpenScenario(example);
    if (!s) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(example));
        return 1;
    }
    s->Doc().runSeed = 1;
    window.Solve(s);
    Save(&window, dir, "main-window-solved-budget-graph");
    window.SetMultipleGraphs(s, true);
    window.OpenOutput(s, WindowKind::BudgetTable);
    window.OpenOutput(s, WindowKind::IcsTable);
    window.TileOutputs(s);
    Save(&window, dir, "main-window-solved");
    Save(window.Summary(), dir, "summary-bar");
    for (auto [kind, name] : {std::pair{WindowKind::BudgetTable, "oil-budget-table"},
                              std::pair{WindowKind::IcsTable, "ics-table"}}) {
        ScenarioView* view = window.OutputOf(s, kind);
        if (!view) {
            std::fprintf(stderr, "no %s window\n", name);
            ++failures;
            continue;
        }
        QWidget* frame = view->parentWidget();
        frame->showNormal();
        frame->resize(900, 720);
        Save(frame, dir, name);
    }
    if (auto* table = static_cast<BudgetTableView*>(window.OutputOf(s, WindowKind::BudgetTable))) {
        table->TimeChoice()->setCurrentIndex(1);
        table->OtherChoice()->setCurrentIndex(0);
        Save(table->parentWidget(), dir, "oil-budget-table-dates");
    }

    // Every input dialog, property page and wizard page, on this scenario.
    const QStringList dialogs =
        RenderDialogScreenshots(dir.filePath(QStringLiteral("dialogs")), s->Doc(), context);
    for (const QString& file : dialogs)
        std::printf("%s\n", qPrintable(file));
    if (dialogs.size() < 50) {
        std::fprintf(stderr, "only %d dialogs rendered\n", static_cast<int>(dialogs.size()));
        ++failures;
    }

    // The graphs of the scenario with response operations, their printed
    // pages, and the graphs of a scenario with uncertainty (bands).
    SaveGraphs(window, s, dir, QStringLiteral("operations"));
    SavePreview(window.OutputOf(s, WindowKind::BudgetGraph), dir, "print-preview-budget-graph");
    SavePreview(window.OutputOf(s, WindowKind::BudgetTable), dir, "print-preview-budget-table");
    SavePreview(window.OutputOf(s, WindowKind::IcsTable), dir, "print-preview-ics-table");
    if (ScenarioSession* u = window.OpenScenario(
            QStringLiteral(ORMIX_SOURCE_DIR "/examples/scenarios/uncertainty.json"))) {
        u->Doc().runSeed = 1;
        window.Solve(u);
        SaveGraphs(window, u, dir, QStringLiteral("uncertainty"));
        SavePreview(window.OutputOf(u, WindowKind::Viscosity), dir, "print-preview-viscosity");
        window.CloseScenario(u);
    } else {
        std::fprintf(stderr, "cannot open the uncertainty example\n");
        ++failures;
    }

    // After a change of the water following the run: the re-calculate note.
    WaterEntries water;
    water.temperature = "5";
    WaterDialogOK(s->Doc(), water);
    s->InputsAccepted();
    window.Area()->tileSubWindows();
    Save(window.FormOf(s), dir, "start-form-recalculate");

    // Without any scenario: the reduced menus.
    for (ScenarioSession* each : window.Sessions())
        window.CloseScenario(each);
    Save(&window, dir, "main-window-no-scenario");

    HelpWindow manual(Manual::BuiltIn());
    manual.resize(1100, 760);
    manual.show();
    manual.ShowTopic(QStringLiteral("Getting_Started.html"));
    Save(&manual, dir, "help-getting-started");
    manual.ShowTopic(QStringLiteral("Oil_Budget_Table.html"));
    manual.Search(QStringLiteral("wave height"));
    Save(&manual, dir, "help-search");

    AboutDialog about(work.dir);
    about.show();
    Save(&about, dir, "about");

    return failures == 0 ? 0 : 1;
}
