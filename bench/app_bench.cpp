// Timings of the desktop program, on the Qt platform in use (offscreen when
// QT_QPA_PLATFORM is not set):
//
//   start-up: from launching ormix-desktop's start-up to its main window
//     drawn with a new scenario, measured in fresh processes, both from the
//     launch (as the person sees it) and from main();
//   Solve: from the Solve command to the oil budget graph drawn, for the
//     typical scenario (examples/scenarios/open-sea-crude.json) and for the
//     other examples, in one window; and the typical run of the engine
//     alone, for what the window adds;
//   graphs: Show All Graphs to all eleven graph windows drawn, and the
//     eleven charts built and drawn to pictures of the export size.
//
// ormix_app_bench [--runs N]
#include <QApplication>
#include <QChartView>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

#include "app/desktop_program.h"
#include "app/graph_view.h"
#include "app/main_window.h"
#include "app/scenario_session.h"
#include "app/scenario_view.h"
#include "graphs/graph_pictures.h"
#include "output/graph_series.h"
#include "scenario/scenario_open.h"

namespace {

using namespace ormix;
using namespace ormix::app;
using Clock = std::chrono::steady_clock;

const Clock::time_point kMainEntered = Clock::now();

double MsSince(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

// The processor time of the whole process (every thread) so far: on a
// machine busy with other work, the part of the wall time that was ours.
double CpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// Processes events until the widget has been drawn once.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(QWidget* w) { w->installEventFilter(this); }
    bool painted = false;
    void Wait() {
        while (!painted)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted = true;
        return false;
    }
};

class SilentPrompts final : public UserPrompts {
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

struct Stats {
    double min, median, max;
};

Stats Of(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return {v.front(), v[v.size() / 2], v.back()};
}

void Print(const char* what, const Stats& wall, const Stats& cpu) {
    std::printf("%-52s wall median %7.1f ms (min %6.1f, max %6.1f)   cpu median %7.1f ms\n", what,
                wall.median, wall.min, wall.max, cpu.median);
}

// One start-up, in this process: what main() of ormix-desktop does.
int StartOnce(const QString& workDir) {
    SetProgramNames();
    ApplyDialogColours(*qApp);
    SilentPrompts prompts;
    DesktopProgram program(&prompts);
    StartOptions options;
    options.workDir = workDir;
    FirstPaint* painted = nullptr;
    if (!program.Start(options)) return 1;
    painted = new FirstPaint(program.Window().Area()->viewport());
    painted->Wait();
    std::printf("shown %.3f %.3f\n", MsSince(kMainEntered), CpuMs());
    std::fflush(stdout);
    delete painted;
    return 0;
}

// All eleven graphs of a solved scenario: Show All Graphs until every
// window has been drawn, and the eleven charts drawn to pictures.
bool AllGraphs(MainWindow& window, ScenarioSession* s, int runs) {
    std::vector<double> shown, shownCpu, pictures, picturesCpu;
    for (int i = 0; i < runs; ++i) {
        for (ScenarioView* open : window.OutputsOf(s))
            delete open->parentWidget();
        QApplication::processEvents();
        const Clock::time_point t = Clock::now();
        const double c = CpuMs();
        window.ShowAllGraphs(s);
        std::vector<std::unique_ptr<FirstPaint>> painted;
        for (WindowKind kind : kGraphWindows) {
            auto* view = static_cast<GraphView*>(window.OutputOf(s, kind));
            if (!view || !view->Chart()) return false;
            painted.push_back(std::make_unique<FirstPaint>(view->ChartView()->viewport()));
        }
        for (auto& p : painted)
            p->Wait();
        shown.push_back(MsSince(t));
        shownCpu.push_back(CpuMs() - c);

        const Clock::time_point t2 = Clock::now();
        const double c2 = CpuMs();
        for (WindowKind kind : kGraphWindows) {
            const graphs::GraphSource source =
                graphs::GraphSourceOf(s->Doc(), InfoOf(kind).graphKind);
            if (graphs::GraphImage(source, GraphPictureSize()).isNull()) return false;
        }
        pictures.push_back(MsSince(t2));
        picturesCpu.push_back(CpuMs() - c2);
    }
    Print("Show All Graphs to eleven graphs shown (typical)", Of(shown), Of(shownCpu));
    Print("eleven graphs drawn to 1000x640 pictures (typical)", Of(pictures), Of(picturesCpu));
    window.SetMultipleGraphs(s, false);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() >= 3 && args[1] == QLatin1String("--startup-once")) return StartOnce(args[2]);
    int runs = 10;
    if (args.size() >= 3 && args[1] == QLatin1String("--runs")) runs = std::max(1, args[2].toInt());

    QTemporaryDir work;
    QFile::copy(QStringLiteral(ORMIX_SOURCE_DIR "/data/OilLib"), work.filePath("OilLib"));

    // Start-up, each in a fresh process.
    std::vector<double> launched, fromMain, startCpu;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        QElapsedTimer t;
        t.start();
        child.start(QApplication::applicationFilePath(), {"--startup-once", work.path()});
        if (!child.waitForReadyRead(30000)) {
            std::fprintf(stderr, "start-up did not finish\n");
            return 1;
        }
        const double total = static_cast<double>(t.nsecsElapsed()) / 1e6;
        const QByteArray line = child.readLine();
        child.waitForFinished(30000);
        if (!line.startsWith("shown ")) {
            std::fprintf(stderr, "start-up failed: %s\n", line.constData());
            return 1;
        }
        launched.push_back(total);
        const QList<QByteArray> fields = line.mid(6).trimmed().split(' ');
        fromMain.push_back(fields.value(0).toDouble());
        startCpu.push_back(fields.value(1).toDouble());
    }
    Print("start-up to main window shown (from launch)", Of(launched), Of(startCpu));
    Print("start-up to main window shown (from main)", Of(fromMain), Of(startCpu));

    // The engine alone, on this thread: what a run costs before any window.
    {
        CSpillDoc doc(std::time(nullptr), work.path().toStdString());
        if (!OpenScenario(doc, ORMIX_SOURCE_DIR "/examples/scenarios/open-sea-crude.json").ok)
            return 1;
        std::vector<double> times, cpu;
        for (int i = 0; i < runs; ++i) {
            const Clock::time_point t = Clock::now();
            const double c = CpuMs();
            if (!doc.Solve()) return 1;
            times.push_back(MsSince(t));
            cpu.push_back(CpuMs() - c);
        }
        Print("engine alone: open-sea-crude.json (typical)", Of(times), Of(cpu));
    }

    // Solve to the oil budget graph drawn.
    SilentPrompts prompts;
    struct NoHelp final : HelpService {
        void ShowTopic(const QString&) override {}
    } help;
    AppContext context{prompts, help};
    MainWindow window(context, work.path());
    window.resize(1400, 900);
    window.show();
    const QDir examples(QStringLiteral(ORMIX_SOURCE_DIR "/examples/scenarios"));
    QStringList names{QStringLiteral("open-sea-crude.json")};
    for (const QString& n : examples.entryList({QStringLiteral("*.json")}, QDir::Files))
        if (!names.contains(n)) names << n;
    for (const QString& name : names) {
        ScenarioSession* s = window.OpenScenario(examples.filePath(name));
        if (!s) return 1;
        std::vector<double> times, cpu;
        for (int i = 0; i < runs; ++i) {
            if (ScenarioView* open = window.OutputOf(s, WindowKind::BudgetGraph))
                delete open->parentWidget();
            QApplication::processEvents();
            const Clock::time_point t = Clock::now();
            const double c = CpuMs();
            if (!window.Solve(s)) return 1;
            FirstPaint painted(static_cast<GraphView*>(window.OutputOf(s, WindowKind::BudgetGraph))
                                   ->ChartView()
                                   ->viewport());
            painted.Wait();
            times.push_back(MsSince(t));
            cpu.push_back(CpuMs() - c);
        }
        const QString what = QStringLiteral("Solve to budget graph shown: %1%2")
                                 .arg(name, name == names.front() ? " (typical)" : "");
        Print(qPrintable(what), Of(times), Of(cpu));
        if (name == names.front() && !AllGraphs(window, s, runs)) return 1;
        window.CloseScenario(s);
    }
    return 0;
}
