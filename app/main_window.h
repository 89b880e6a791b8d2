// The main window: menus, three tool bars, the status bar, the docked
// summary bar and the area holding the windows of every open scenario. It
// routes each command to the scenario it concerns and holds no model logic.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "app/app_actions.h"
#include "app/app_context.h"
#include "app/window_kinds.h"

class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QProgressBar;
class QToolBar;

namespace ormix::app {

class ScenarioSession;
class ScenarioView;
class SpillFormView;
class SummaryBar;
enum class FormLink;

// How the window reaches the input dialogs; the tests put a stand-in here.
struct InputCommandRunner {
    std::function<bool(InputCommand)> available;
    std::function<bool(InputCommand, CSpillDoc&, AppContext&, QWidget*)> run;
    static InputCommandRunner Dialogs();
};

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppContext& context, const QString& workDir,
               InputCommandRunner inputs = InputCommandRunner::Dialogs(),
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // File commands. Each returns what it made or whether it did it; a
    // file that cannot be opened or written shows its message.
    ScenarioSession* NewScenario();
    ScenarioSession* OpenScenario(const QString& path);
    ScenarioSession* OpenScenarioChosen();
    bool SaveScenario(ScenarioSession* session);
    bool SaveScenarioAs(ScenarioSession* session);
    bool ExportScenario(ScenarioSession* session);
    // Asks to save a modified scenario first; false when the person cancels.
    bool CloseScenario(ScenarioSession* session);

    // The scenario's commands.
    bool RunInput(ScenarioSession* session, InputCommand command);
    bool Solve(ScenarioSession* session);
    ScenarioView* OpenOutput(ScenarioSession* session, WindowKind kind);

    // The graphs. Choosing a graph shows it when it is hidden and hides it
    // when it is shown; one at a time, showing one first closes every
    // other graph and table of the scenario. Returns the graph shown, or
    // none when it was hidden.
    ScenarioView* ChooseGraph(ScenarioSession* session, WindowKind kind);
    // "Single Graph" keeps the active graph (or the first) and closes the
    // others; "Multiple Graphs" lets several be shown, arranged side by
    // side; "Show All Graphs" shows all eleven.
    void SetMultipleGraphs(ScenarioSession* session, bool multiple);
    void ShowAllGraphs(ScenarioSession* session);
    // Arranges the scenario's graphs and tables side by side over the area.
    void TileOutputs(ScenarioSession* session);

    // Printing and export of the active window, through the person's
    // prompts; the printer keeps the choices of Page Setup and Print Setup.
    bool PrintActive();
    void PreviewActive();
    bool ExportActive();
    void PageSetup();
    void PrintSetup();
    QPrinter& Printer();

    void ShowContextHelp();
    QString ContextTopic() const;

    ScenarioSession* ActiveSession() const;
    std::vector<ScenarioSession*> Sessions() const;
    SpillFormView* FormOf(const ScenarioSession* session) const;
    ScenarioView* OutputOf(const ScenarioSession* session, WindowKind kind) const;
    std::vector<ScenarioView*> OutputsOf(const ScenarioSession* session) const;
    void Activate(ScenarioSession* session);

    QAction* Action(Command command) const { return actions_[static_cast<int>(command)]; }
    QMdiArea* Area() const { return area_; }
    SummaryBar* Summary() const { return summary_; }
    QToolBar* FileToolBar() const { return fileBar_; }
    QToolBar* InputToolBar() const { return inputBar_; }
    QToolBar* OutputToolBar() const { return outputBar_; }
    QStringList RecentFiles() const { return recent_; }
    QProgressBar* BusyIndicator() const { return busy_; }
    bool IsRunning() const { return running_; }
    const QString& WorkDir() const { return workDir_; }

    // Whether the graph windows exist in this program.
    static bool GraphWindowsAvailable() { return true; }
    QMenu* GraphsMenu() const { return graphsMenu_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool event(QEvent* event) override;

private:
    void CreateMenus();
    void CreateToolBars();
    void Connect();
    void Dispatch(Command command);
    void EditFocused(Command command);
    void RunFormLink(ScenarioSession* session, FormLink link);

    ScenarioSession* AddSession(std::unique_ptr<ScenarioSession> session);
    void DestroySession(ScenarioSession* session);
    bool ConfirmClose(ScenarioSession* session);
    QMdiSubWindow* SubWindowOf(const QWidget* view) const;
    ScenarioView* ActiveView() const;
    void CloseOutputs(ScenarioSession* session);
    void OnInputsChanged(ScenarioSession* session);
    void OnResultsChanged(ScenarioSession* session);
    void OnActiveChanged();
    void UpdateCommands();
    void UpdateTitles();
    void UpdateWindowMenu();

    void LoadRecent();
    void AddRecent(const QString& path);
    void RemoveRecent(const QString& path);
    void UpdateRecentActions();

    AppContext& context_;
    QString workDir_;
    InputCommandRunner inputs_;
    CommandActions actions_{};
    QMdiArea* area_;
    SummaryBar* summary_;
    QToolBar *fileBar_ = nullptr, *inputBar_ = nullptr, *outputBar_ = nullptr;
    QMenu *fileMenu_ = nullptr, *editMenu_ = nullptr, *spillMenu_ = nullptr,
          *removalMenu_ = nullptr, *outputMenu_ = nullptr, *viewMenu_ = nullptr,
          *windowMenu_ = nullptr, *helpMenu_ = nullptr, *graphsMenu_ = nullptr;
    QActionGroup* graphMode_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    std::vector<QAction*> recentActions_;
    QAction* recentSeparator_ = nullptr;
    QProgressBar* busy_ = nullptr;
    std::vector<std::unique_ptr<ScenarioSession>> sessions_;
    ScenarioSession* shownInSummary_ = nullptr;
    QStringList recent_;
    int untitled_ = 0;
    bool running_ = false;
};

// The names a new scenario gets: "ORMIX2", then "ORMIX2 (2)" and so on.
QString UntitledName(int number);

// The question asked before a modified scenario is closed.
QString SaveQuestion(const QString& title);

}  // namespace ormix::app
