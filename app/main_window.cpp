#include "app/main_window.h"

#include <QAbstractSpinBox>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QSettings>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

#include "app/about_dialog.h"
#include "app/budget_table_view.h"
#include "app/graph_view.h"
#include "app/ics_table_view.h"
#include "app/scenario_session.h"
#include "app/solve_runner.h"
#include "app/spill_form_view.h"
#include "app/summary_bar.h"
#include "scenario/scenario_file.h"

namespace ormix::app {

namespace {

constexpr int kRecentFiles = 4;
const QString kRecentKey = QStringLiteral("RecentFiles");
const QString kSaveFilter = QString::fromLatin1(ormix::kScenarioFilter);
const QString kOpenFilter = QString::fromLatin1(ormix::kScenarioFilter) +
                            QStringLiteral(";;JSON Scenarios (*.json);;All Files (*)");
const QString kJsonFilter = QStringLiteral("JSON Scenarios (*.json)");
const QString kNewName = QStringLiteral("ORMIX2");

// While a run goes on, the main window takes no input: the person sees it
// drawn, with the busy indicator, but cannot start anything else. Message
// boxes of the run are windows of their own and stay usable.
class InputBlocker final : public QObject {
public:
    explicit InputBlocker(QWidget* window) : window_(window) { qApp->installEventFilter(this); }
    ~InputBlocker() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
            case QEvent::Wheel:
            case QEvent::ContextMenu:
            case QEvent::Drop:
                break;
            default:
                return false;
        }
        if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != window_)
            return false;
        event->accept();
        return true;
    }

private:
    QWidget* window_;
};

// The fields the Edit menu acts on, and the one inside a composite field.
QWidget* TextFieldOf(QWidget* w) {
    if (!w) return nullptr;
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QTextEdit*>(w) ||
        qobject_cast<QPlainTextEdit*>(w))
        return w;
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->lineEdit();
    if (qobject_cast<QAbstractSpinBox*>(w)) return w->findChild<QLineEdit*>();
    return nullptr;
}

bool HasSelection(QWidget* field) {
    if (auto* line = qobject_cast<QLineEdit*>(field)) return line->hasSelectedText();
    if (auto* text = qobject_cast<QTextEdit*>(field)) return text->textCursor().hasSelection();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field))
        return plain->textCursor().hasSelection();
    return false;
}

ScenarioView* ViewOf(QMdiSubWindow* sub) {
    return sub ? qobject_cast<ScenarioView*>(sub->widget()) : nullptr;
}

}  // namespace

QString UntitledName(int number) {
    return number <= 1 ? kNewName : QStringLiteral("%1 (%2)").arg(kNewName).arg(number);
}

QString SaveQuestion(const QString& title) {
    return QStringLiteral("Save changes to %1?").arg(title);
}

InputCommandRunner InputCommandRunner::Dialogs() {
    return {InputCommandAvailable, RunInputCommand};
}

MainWindow::MainWindow(AppContext& context, const QString& workDir, InputCommandRunner inputs,
                       QWidget* parent)
    : QMainWindow(parent), context_(context), workDir_(workDir), inputs_(std::move(inputs)) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("ORMIX"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/ormix.svg")));
    setAcceptDrops(true);

    area_ = new QMdiArea(this);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area_);

    summary_ = new SummaryBar(this);
    addDockWidget(Qt::LeftDockWidgetArea, summary_);
    resizeDocks({summary_}, {340}, Qt::Horizontal);

    actions_ = CreateCommandActions(this);
    Action(Command::ToggleStatusBar)->setCheckable(true);
    Action(Command::ToggleStatusBar)->setChecked(true);
    Action(Command::SingleGraph)->setCheckable(true);
    Action(Command::MultipleGraphs)->setCheckable(true);
    Action(Command::SingleGraph)->setChecked(true);
    graphMode_ = new QActionGroup(this);
    graphMode_->addAction(Action(Command::SingleGraph));
    graphMode_->addAction(Action(Command::MultipleGraphs));
    for (Command c : kGraphCommands)
        Action(c)->setCheckable(true);
    for (int i = 0; i < kCommandCount; ++i) {
        const auto command = static_cast<Command>(i);
        connect(actions_[i], &QAction::triggered, this, [this, command] { Dispatch(command); });
        addAction(actions_[i]);  // keys work whatever the menus show
    }

    CreateToolBars();
    CreateMenus();

    busy_ = new QProgressBar(this);
    busy_->setRange(0, 0);
    busy_->setMaximumWidth(160);
    busy_->setTextVisible(false);
    busy_->hide();
    statusBar()->addPermanentWidget(busy_);
    statusBar()->showMessage(QString::fromLatin1(kIdlePrompt));

    Connect();
    LoadRecent();
    UpdateCommands();
}

MainWindow::~MainWindow() {
    // The windows go before the scenarios they show.
    for (QMdiSubWindow* sub : area_->subWindowList())
        delete sub;
    sessions_.clear();
}

void MainWindow::CreateToolBars() {
    fileBar_ = addToolBar(QStringLiteral("File and Edit"));
    fileBar_->setObjectName(QStringLiteral("FileToolBar"));
    for (Command c : {Command::New, Command::Open, Command::Save})
        fileBar_->addAction(Action(c));
    fileBar_->addSeparator();
    for (Command c : {Command::Cut, Command::Copy, Command::Paste})
        fileBar_->addAction(Action(c));
    fileBar_->addSeparator();
    fileBar_->addAction(Action(Command::Print));
    fileBar_->addAction(Action(Command::HelpTopics));

    inputBar_ = addToolBar(QStringLiteral("Scenario Inputs"));
    inputBar_->setObjectName(QStringLiteral("InputToolBar"));
    inputBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (Command c : {Command::Release, Command::StandardOils, Command::WindWave, Command::Water})
        inputBar_->addAction(Action(c));
    inputBar_->addSeparator();
    for (Command c :
         {Command::Dispersant, Command::InSituBurn, Command::Mechanical, Command::Beaching})
        inputBar_->addAction(Action(c));

    outputBar_ = addToolBar(QStringLiteral("Outputs"));
    outputBar_->setObjectName(QStringLiteral("OutputToolBar"));
    outputBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    outputBar_->addAction(Action(Command::Solve));
    outputBar_->addSeparator();
    for (Command c : {Command::BudgetTable, Command::IcsTable})
        outputBar_->addAction(Action(c));
    outputBar_->addSeparator();
    for (Command c : {Command::SingleGraph, Command::MultipleGraphs, Command::ShowAllGraphs})
        outputBar_->addAction(Action(c));
}

void MainWindow::CreateMenus() {
    QMenuBar* bar = menuBar();
    fileMenu_ = bar->addMenu(QStringLiteral("&File"));
    for (Command c : {Command::New, Command::Open, Command::Close, Command::Save, Command::SaveAs,
                      Command::ExportJson, Command::ExportView})
        fileMenu_->addAction(Action(c));
    fileMenu_->addSeparator();
    for (Command c :
         {Command::PageSetup, Command::Print, Command::PrintPreview, Command::PrintSetup})
        fileMenu_->addAction(Action(c));
    recentSeparator_ = fileMenu_->addSeparator();
    for (int i = 0; i < kRecentFiles; ++i) {
        auto* a = fileMenu_->addAction(QString());
        a->setStatusTip(QStringLiteral("Open this scenario"));
        connect(a, &QAction::triggered, this, [this, a] {
            const QString path = a->data().toString();
            if (!running_ && !OpenScenario(path)) RemoveRecent(path);
        });
        recentActions_.push_back(a);
    }
    fileMenu_->addSeparator();
    fileMenu_->addAction(Action(Command::Exit));

    editMenu_ = bar->addMenu(QStringLiteral("&Edit"));
    for (Command c : {Command::Undo, Command::Cut, Command::Copy, Command::Paste}) {
        editMenu_->addAction(Action(c));
        if (c == Command::Undo) editMenu_->addSeparator();
    }

    spillMenu_ = bar->addMenu(QStringLiteral("&Spill"));
    for (Command c : {Command::StandardOils, Command::CustomOils, Command::Emulsification,
                      Command::WindWave, Command::Water, Command::Release})
        spillMenu_->addAction(Action(c));

    removalMenu_ = bar->addMenu(QStringLiteral("&Removal"));
    for (Command c :
         {Command::Dispersant, Command::InSituBurn, Command::Mechanical, Command::Beaching})
        removalMenu_->addAction(Action(c));

    outputMenu_ = bar->addMenu(QStringLiteral("&Output"));
    outputMenu_->addAction(Action(Command::Solve));
    outputMenu_->addSeparator();
    for (Command c : {Command::SingleGraph, Command::MultipleGraphs, Command::ShowAllGraphs})
        outputMenu_->addAction(Action(c));
    graphsMenu_ = outputMenu_->addMenu(QStringLiteral("&Graphs"));
    for (Command c : kGraphCommands)
        graphsMenu_->addAction(Action(c));
    // The mode buttons of the tool bar also offer the graphs.
    for (Command c : {Command::SingleGraph, Command::MultipleGraphs})
        if (auto* button = qobject_cast<QToolButton*>(outputBar_->widgetForAction(Action(c)))) {
            button->setMenu(graphsMenu_);
            button->setPopupMode(QToolButton::MenuButtonPopup);
        }
    outputMenu_->addSeparator();
    outputMenu_->addAction(Action(Command::BudgetTable));
    outputMenu_->addAction(Action(Command::IcsTable));

    viewMenu_ = bar->addMenu(QStringLiteral("&View"));
    for (QToolBar* t : {fileBar_, inputBar_, outputBar_}) {
        QAction* toggle = t->toggleViewAction();
        toggle->setStatusTip(QStringLiteral("Show or hide the %1 tool bar").arg(t->windowTitle()));
        viewMenu_->addAction(toggle);
    }
    viewMenu_->addAction(Action(Command::ToggleStatusBar));
    QAction* summaryToggle = summary_->toggleViewAction();
    summaryToggle->setText(QStringLiteral("Summary &Bar"));
    summaryToggle->setStatusTip(QStringLiteral("Show or hide the scenario summary"));
    viewMenu_->addAction(summaryToggle);

    windowMenu_ = bar->addMenu(QStringLiteral("&Window"));
    connect(windowMenu_, &QMenu::aboutToShow, this, &MainWindow::UpdateWindowMenu);
    UpdateWindowMenu();

    helpMenu_ = bar->addMenu(QStringLiteral("&Help"));
    helpMenu_->addAction(Action(Command::HelpTopics));
    helpMenu_->addAction(Action(Command::ContextHelp));
    helpMenu_->addSeparator();
    helpMenu_->addAction(Action(Command::About));
}

void MainWindow::UpdateWindowMenu() {
    windowMenu_->clear();
    windowMenu_->addAction(Action(Command::CascadeWindows));
    windowMenu_->addAction(Action(Command::TileWindows));
    const QList<QMdiSubWindow*> subs = area_->subWindowList();
    if (!subs.isEmpty()) windowMenu_->addSeparator();
    int n = 0;
    for (QMdiSubWindow* sub : subs) {
        ++n;
        QString text = sub->windowTitle().replace(QLatin1String("[*]"), QString());
        if (n < 10) text = QStringLiteral("&%1 %2").arg(n).arg(text);
        QAction* a = windowMenu_->addAction(text);
        a->setCheckable(true);
        a->setChecked(sub == area_->currentSubWindow());
        connect(a, &QAction::triggered, this, [this, sub] { area_->setActiveSubWindow(sub); });
    }
}

void MainWindow::Connect() {
    connect(area_, &QMdiArea::subWindowActivated, this, [this] { OnActiveChanged(); });
    connect(summary_, &SummaryBar::SectionActivated, this, [this](SummarySection section) {
        static constexpr InputCommand kSectionCommand[] = {
            InputCommand::Release,    InputCommand::StandardOils, InputCommand::Water,
            InputCommand::WindWave,   InputCommand::Dispersant,   InputCommand::InSituBurn,
            InputCommand::Mechanical, InputCommand::Beaching,     InputCommand::Emulsification};
        ScenarioSession* s = summary_->Session();
        if (!s) return;
        InputCommand command = kSectionCommand[section];
        if (section == kSummaryOil && s->Doc().oilFromCustom) command = InputCommand::CustomOils;
        RunInput(s, command);
    });
}

// --- Commands ---------------------------------------------------------------

void MainWindow::Dispatch(Command command) {
    if (running_) return;
    ScenarioSession* s = ActiveSession();
    if (auto input = InputCommandOf(command)) {
        RunInput(s, *input);
        return;
    }
    if (auto graph = GraphWindowOf(command)) {
        ChooseGraph(s, *graph);
        return;
    }
    switch (command) {
        case Command::New:
            NewScenario();
            break;
        case Command::Open:
            OpenScenarioChosen();
            break;
        case Command::Close:
            CloseScenario(s);
            break;
        case Command::Save:
            SaveScenario(s);
            break;
        case Command::SaveAs:
            SaveScenarioAs(s);
            break;
        case Command::ExportJson:
            ExportScenario(s);
            break;
        case Command::ExportView:
            ExportActive();
            break;
        case Command::PageSetup:
            PageSetup();
            break;
        case Command::Print:
            PrintActive();
            break;
        case Command::PrintPreview:
            PreviewActive();
            break;
        case Command::PrintSetup:
            PrintSetup();
            break;
        case Command::Exit:
            close();
            break;
        case Command::Undo:
        case Command::Cut:
        case Command::Copy:
        case Command::Paste:
            EditFocused(command);
            break;
        case Command::Solve:
            Solve(s);
            break;
        case Command::BudgetTable:
            OpenOutput(s, WindowKind::BudgetTable);
            break;
        case Command::IcsTable:
            OpenOutput(s, WindowKind::IcsTable);
            break;
        case Command::SingleGraph:
            SetMultipleGraphs(s, false);
            break;
        case Command::MultipleGraphs:
            SetMultipleGraphs(s, true);
            break;
        case Command::ShowAllGraphs:
            ShowAllGraphs(s);
            break;
        case Command::CascadeWindows:
            area_->cascadeSubWindows();
            break;
        case Command::TileWindows:
            area_->tileSubWindows();
            break;
        case Command::ToggleStatusBar:
            statusBar()->setVisible(Action(Command::ToggleStatusBar)->isChecked());
            break;
        case Command::HelpTopics:
            context_.help.ShowTopic(QStringLiteral("index.html"));
            break;
        case Command::ContextHelp:
            ShowContextHelp();
            break;
        case Command::About: {
            AboutDialog about(workDir_, this);
            about.exec();
            break;
        }
        default:
            break;
    }
}

void MainWindow::EditFocused(Command command) {
    QWidget* focus = QApplication::focusWidget();
    QWidget* field = TextFieldOf(focus);
    // Copy in a table window copies the table, unless text is selected in
    // one of its fields.
    if (command == Command::Copy && !(field && HasSelection(field))) {
        if (ScenarioView* view = ViewOf(area_->currentSubWindow()))
            if (view->CopyToClipboard()) return;
    }
    if (!field) return;
    const char* slot = command == Command::Undo   ? "undo"
                       : command == Command::Cut  ? "cut"
                       : command == Command::Copy ? "copy"
                                                  : "paste";
    QMetaObject::invokeMethod(field, slot);
}

ScenarioSession* MainWindow::NewScenario() {
    auto session = std::make_unique<ScenarioSession>(workDir_, UntitledName(++untitled_));
    return AddSession(std::move(session));
}

ScenarioSession* MainWindow::OpenScenarioChosen() {
    const QString path = context_.prompts.ChooseOpenFile(this, QStringLiteral("Open"), kOpenFilter);
    return path.isEmpty() ? nullptr : OpenScenario(path);
}

ScenarioSession* MainWindow::OpenScenario(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (const auto& s : sessions_)
        if (!s->SourcePath().isEmpty() && QFileInfo(s->SourcePath()) == QFileInfo(absolute)) {
            Activate(s.get());
            return s.get();
        }
    auto session = std::make_unique<ScenarioSession>(workDir_, QFileInfo(path).fileName());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ScenarioOpenResult r = session->Open(path);
    QApplication::restoreOverrideCursor();
    for (const Message& m : r.shown)
        context_.prompts.Tell(this, m.kind, QString::fromStdString(m.text));
    if (!r.ok) {
        context_.prompts.Tell(this, r.kind, QString::fromStdString(r.message));
        return nullptr;
    }
    // A new scenario nobody has touched gives way to the one opened.
    ScenarioSession* pristine = sessions_.size() == 1 && sessions_.front()->IsPristine()
                                    ? sessions_.front().get()
                                    : nullptr;
    ScenarioSession* opened = AddSession(std::move(session));
    if (pristine) DestroySession(pristine);
    AddRecent(absolute);
    return opened;
}

bool MainWindow::SaveScenario(ScenarioSession* session) {
    if (!session) return false;
    if (session->FilePath().isEmpty()) return SaveScenarioAs(session);
    QString message;
    if (!session->Save(session->FilePath(), message)) {
        context_.prompts.Tell(this, MessageKind::Error, message);
        return false;
    }
    AddRecent(session->FilePath());
    return true;
}

bool MainWindow::SaveScenarioAs(ScenarioSession* session) {
    if (!session) return false;
    QString path = context_.prompts.ChooseSaveFile(this, QStringLiteral("Save As"), kSaveFilter,
                                                   session->SuggestedFileName());
    if (path.isEmpty()) return false;
    if (!HasScenarioFileExtension(path.toStdString())) path += QLatin1String(kScenarioExtension);
    QString message;
    if (!session->Save(path, message)) {
        context_.prompts.Tell(this, MessageKind::Error, message);
        return false;
    }
    AddRecent(session->FilePath());
    return true;
}

bool MainWindow::ExportScenario(ScenarioSession* session) {
    if (!session) return false;
    QFileInfo suggested(session->SuggestedFileName());
    QString path = context_.prompts.ChooseSaveFile(
        this, QStringLiteral("Export as JSON"), kJsonFilter,
        suggested.dir().filePath(suggested.completeBaseName() + QStringLiteral(".json")));
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".json");
    QString message;
    if (!session->Export(path, message)) {
        context_.prompts.Tell(this, MessageKind::Error, message);
        return false;
    }
    return true;
}

bool MainWindow::ConfirmClose(ScenarioSession* session) {
    if (running_) return false;
    if (!session->IsModified()) return true;
    switch (context_.prompts.AskYesNoCancel(this, SaveQuestion(session->Title()))) {
        case UserPrompts::Answer::Yes:
            return SaveScenario(session);
        case UserPrompts::Answer::No:
            return true;
        case UserPrompts::Answer::Cancel:
        default:
            return false;
    }
}

bool MainWindow::CloseScenario(ScenarioSession* session) {
    if (!session || !ConfirmClose(session)) return false;
    DestroySession(session);
    return true;
}

bool MainWindow::RunInput(ScenarioSession* session, InputCommand command) {
    if (!session || running_ || !inputs_.available(command)) return false;
    Activate(session);
    if (!inputs_.run(command, session->Doc(), context_, this)) return false;
    session->InputsAccepted();
    return true;
}

bool MainWindow::Solve(ScenarioSession* session) {
    if (!session || running_) return false;
    running_ = true;
    const QString title = windowTitle();
    setWindowTitle(QStringLiteral("Running"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool solved = false;
    {
        InputBlocker blocker(this);
        // A quick run ends before the indicator would flicker up.
        QTimer indicator;
        indicator.setSingleShot(true);
        connect(&indicator, &QTimer::timeout, busy_, &QWidget::show);
        indicator.start(150);
        solved = SolveOffThread(session->Doc(), context_.prompts, this);
        indicator.stop();
        busy_->hide();
    }
    QApplication::restoreOverrideCursor();
    setWindowTitle(title);
    running_ = false;
    session->RunFinished(solved);
    if (solved) {
        OpenOutput(session, WindowKind::BudgetGraph);
        if (session->MultipleGraphs()) TileOutputs(session);
    }
    UpdateCommands();
    return solved;
}

ScenarioView* MainWindow::OpenOutput(ScenarioSession* session, WindowKind kind) {
    if (!session || session->Doc().needsSolving) return nullptr;
    if (ScenarioView* open = OutputOf(session, kind)) {
        area_->setActiveSubWindow(SubWindowOf(open));
        return open;
    }
    ScenarioView* view = nullptr;
    QString icon = QStringLiteral("graph");
    QSize size(760, 520);
    switch (kind) {
        case WindowKind::Scenario:
            return nullptr;
        case WindowKind::BudgetTable:
            view = new BudgetTableView(*session);
            icon = QStringLiteral("budget-table");
            size = QSize(820, 640);
            break;
        case WindowKind::IcsTable:
            view = new IcsTableView(*session, context_);
            icon = QStringLiteral("ics-table");
            size = QSize(820, 640);
            break;
        default:
            view = new GraphView(*session, kind, context_);
            break;
    }
    QMdiSubWindow* sub = area_->addSubWindow(view);
    sub->setWindowIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    sub->resize(size.boundedTo(area_->size() - QSize(20, 20)).expandedTo({400, 300}));
    const int flag = InfoOf(kind).outputWindow;
    session->Doc().windowOpen[flag] = true;
    connect(view, &QObject::destroyed, this, [this, session, flag] {
        for (const auto& s : sessions_)
            if (s.get() == session) session->Doc().windowOpen[flag] = false;
        // The graph commands' marks follow once the window is gone.
        QTimer::singleShot(0, this, [this] { UpdateCommands(); });
    });
    UpdateTitles();
    sub->show();
    area_->setActiveSubWindow(sub);
    view->setFocus();
    return view;
}

ScenarioView* MainWindow::ChooseGraph(ScenarioSession* session, WindowKind kind) {
    if (!session || session->Doc().needsSolving || !IsGraphWindow(kind)) return nullptr;
    const bool multiple = session->MultipleGraphs();
    if (ScenarioView* open = OutputOf(session, kind)) {
        delete SubWindowOf(open);
        if (multiple) TileOutputs(session);
        UpdateCommands();
        return nullptr;
    }
    if (!multiple) CloseOutputs(session);
    ScenarioView* view = OpenOutput(session, kind);
    if (multiple) TileOutputs(session);
    UpdateCommands();
    return view;
}

void MainWindow::SetMultipleGraphs(ScenarioSession* session, bool multiple) {
    if (!session) return;
    session->SetMultipleGraphs(multiple);
    if (multiple) {
        TileOutputs(session);
    } else {
        // One graph stays: the active one, else the first.
        ScenarioView* kept = ActiveView();
        if (!kept || &kept->Session() != session || !IsGraphWindow(kept->Kind())) kept = nullptr;
        for (ScenarioView* view : OutputsOf(session))
            if (IsGraphWindow(view->Kind()) && !kept) kept = view;
        for (ScenarioView* view : OutputsOf(session))
            if (IsGraphWindow(view->Kind()) && view != kept) delete SubWindowOf(view);
    }
    UpdateCommands();
}

void MainWindow::ShowAllGraphs(ScenarioSession* session) {
    if (!session || session->Doc().needsSolving) return;
    session->SetMultipleGraphs(true);
    for (WindowKind kind : kGraphWindows)
        OpenOutput(session, kind);
    TileOutputs(session);
    UpdateCommands();
}

void MainWindow::TileOutputs(ScenarioSession* session) {
    std::vector<ScenarioView*> outputs = OutputsOf(session);
    const int n = static_cast<int>(outputs.size());
    if (n == 0) return;
    // A grid of windows a little wider than high, filling the area.
    const QRect area = area_->viewport()->rect();
    const double aspect = double(area.width()) / std::max(1, area.height());
    const int cols = std::clamp(static_cast<int>(std::ceil(std::sqrt(n * aspect / 1.4))), 1, n);
    const int rows = (n + cols - 1) / cols;
    const int w = area.width() / cols, h = area.height() / rows;
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* sub = SubWindowOf(outputs[static_cast<std::size_t>(i)]);
        sub->showNormal();
        sub->setGeometry(QRect((i % cols) * w, (i / cols) * h, w, h));
        sub->raise();
    }
}

// --- Printing and export of the active window ---------------------------------

QPrinter& MainWindow::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

ScenarioView* MainWindow::ActiveView() const {
    return ViewOf(area_->currentSubWindow());
}

bool MainWindow::PrintActive() {
    ScenarioView* view = ActiveView();
    const std::vector<PrintedPage> pages = view ? view->PrintedPages() : std::vector<PrintedPage>{};
    if (pages.empty()) return false;
    return PrintOrTell(context_.prompts, this, Printer(), pages);
}

void MainWindow::PreviewActive() {
    ScenarioView* view = ActiveView();
    const std::vector<PrintedPage> pages = view ? view->PrintedPages() : std::vector<PrintedPage>{};
    if (!pages.empty()) PreviewPages(context_.prompts, this, Printer(), pages);
}

void MainWindow::PageSetup() {
    context_.prompts.ChoosePageLayout(this, Printer());
}

void MainWindow::PrintSetup() {
    context_.prompts.ChoosePrinter(this, Printer(), true);
}

bool MainWindow::ExportActive() {
    ScenarioView* view = ActiveView();
    if (!view || view->ExportFilter().isEmpty()) return false;
    QString path = context_.prompts.ChooseSaveFile(this, view->ExportTitle(), view->ExportFilter(),
                                                   view->ExportName());
    if (path.isEmpty()) return false;
    // A name without one of the offered types gets the first of them.
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (!view->ExportFilter().contains(QStringLiteral("*.") + suffix) || suffix.isEmpty())
        path += QFileInfo(view->ExportName()).suffix().prepend(QLatin1Char('.'));
    QString error;
    if (view->ExportTo(path, error)) return true;
    context_.prompts.Tell(this, MessageKind::Error, error);
    return false;
}

void MainWindow::ShowContextHelp() {
    context_.help.ShowTopic(ContextTopic());
}

QString MainWindow::ContextTopic() const {
    const QWidget* focus = QApplication::focusWidget();
    if (focus && summary_->isAncestorOf(focus)) return QStringLiteral("Scenario_Summary.html");
    if (ScenarioView* view = ViewOf(area_->currentSubWindow())) return view->HelpTopic();
    return QStringLiteral("index.html");
}

void MainWindow::RunFormLink(ScenarioSession* session, FormLink link) {
    if (running_) return;
    switch (link) {
        case FormLink::Release:
            RunInput(session, InputCommand::Release);
            break;
        case FormLink::Oil:
            RunInput(session, InputCommand::StandardOils);
            break;
        case FormLink::WindWave:
            RunInput(session, InputCommand::WindWave);
            break;
        case FormLink::Water:
            RunInput(session, InputCommand::Water);
            break;
        case FormLink::Solve:
            Activate(session);
            Solve(session);
            break;
    }
}

// --- Scenarios and their windows --------------------------------------------

ScenarioSession* MainWindow::AddSession(std::unique_ptr<ScenarioSession> owned) {
    ScenarioSession* session = owned.get();
    sessions_.push_back(std::move(owned));
    auto* form = new SpillFormView(*session);
    form->SetCloseGuard([this, session] {
        if (!ConfirmClose(session)) return false;
        // The rest of the scenario goes once the form's window has closed.
        QMetaObject::invokeMethod(
            this,
            [this, session] {
                for (const auto& s : sessions_)
                    if (s.get() == session) {
                        DestroySession(session);
                        return;
                    }
            },
            Qt::QueuedConnection);
        return true;
    });
    connect(form, &SpillFormView::LinkClicked, this,
            [this, session](FormLink link) { RunFormLink(session, link); });
    connect(session, &ScenarioSession::InputsChanged, this,
            [this, session] { OnInputsChanged(session); });
    connect(session, &ScenarioSession::ResultsChanged, this,
            [this, session] { OnResultsChanged(session); });
    connect(session, &ScenarioSession::StateChanged, this, [this] {
        UpdateTitles();
        UpdateCommands();
    });
    QMdiSubWindow* sub = area_->addSubWindow(form);
    sub->setWindowIcon(QIcon(QStringLiteral(":/icons/ormix.svg")));
    sub->resize(QSize(720, 470).boundedTo(area_->size() - QSize(10, 10)).expandedTo({420, 320}));
    sub->show();
    area_->setActiveSubWindow(sub);
    OnActiveChanged();
    UpdateTitles();
    UpdateCommands();
    return session;
}

void MainWindow::DestroySession(ScenarioSession* session) {
    auto it = std::find_if(sessions_.begin(), sessions_.end(),
                           [session](const auto& s) { return s.get() == session; });
    if (it == sessions_.end()) return;
    for (QMdiSubWindow* sub : area_->subWindowList())
        if (ScenarioView* view = ViewOf(sub); view && &view->Session() == session) delete sub;
    if (shownInSummary_ == session) {
        shownInSummary_ = nullptr;
        summary_->ShowSession(nullptr);
    }
    std::unique_ptr<ScenarioSession> owned = std::move(*it);
    sessions_.erase(it);
    owned.reset();
    OnActiveChanged();
    UpdateTitles();
    UpdateCommands();
}

void MainWindow::CloseOutputs(ScenarioSession* session) {
    // The scenario stays the active one: its form comes forward first.
    if (ActiveSession() == session)
        if (SpillFormView* form = FormOf(session)) area_->setActiveSubWindow(SubWindowOf(form));
    for (QMdiSubWindow* sub : area_->subWindowList())
        if (ScenarioView* view = ViewOf(sub);
            view && &view->Session() == session && view->Kind() != WindowKind::Scenario)
            delete sub;
}

void MainWindow::OnInputsChanged(ScenarioSession* session) {
    // An output window shows results of inputs the scenario no longer has.
    CloseOutputs(session);
    if (SpillFormView* form = FormOf(session)) form->Refresh();
    if (shownInSummary_ == session) summary_->RefreshMarked();
    UpdateTitles();
    UpdateCommands();
}

void MainWindow::OnResultsChanged(ScenarioSession* session) {
    for (ScenarioView* view : OutputsOf(session))
        view->Refresh();
    if (SpillFormView* form = FormOf(session)) form->Refresh();
    if (shownInSummary_ == session) summary_->RefreshMarked(true);
    UpdateCommands();
}

void MainWindow::OnActiveChanged() {
    ScenarioSession* active = ActiveSession();
    if (active != shownInSummary_) {
        shownInSummary_ = active;
        summary_->ShowSession(active);
    }
    UpdateTitles();
    UpdateCommands();
}

void MainWindow::Activate(ScenarioSession* session) {
    QMdiSubWindow* current = area_->currentSubWindow();
    if (ScenarioView* view = ViewOf(current); view && &view->Session() == session) return;
    if (SpillFormView* form = FormOf(session)) area_->setActiveSubWindow(SubWindowOf(form));
}

ScenarioSession* MainWindow::ActiveSession() const {
    if (ScenarioView* view = ViewOf(area_->currentSubWindow())) return &view->Session();
    return sessions_.empty() ? nullptr : sessions_.back().get();
}

std::vector<ScenarioSession*> MainWindow::Sessions() const {
    std::vector<ScenarioSession*> out;
    for (const auto& s : sessions_)
        out.push_back(s.get());
    return out;
}

SpillFormView* MainWindow::FormOf(const ScenarioSession* session) const {
    return static_cast<SpillFormView*>(OutputOf(session, WindowKind::Scenario));
}

ScenarioView* MainWindow::OutputOf(const ScenarioSession* session, WindowKind kind) const {
    for (QMdiSubWindow* sub : area_->subWindowList())
        if (ScenarioView* view = ViewOf(sub);
            view && &view->Session() == session && view->Kind() == kind)
            return view;
    return nullptr;
}

std::vector<ScenarioView*> MainWindow::OutputsOf(const ScenarioSession* session) const {
    std::vector<ScenarioView*> out;
    for (QMdiSubWindow* sub : area_->subWindowList())
        if (ScenarioView* view = ViewOf(sub);
            view && &view->Session() == session && view->Kind() != WindowKind::Scenario)
            out.push_back(view);
    return out;
}

QMdiSubWindow* MainWindow::SubWindowOf(const QWidget* view) const {
    for (QMdiSubWindow* sub : area_->subWindowList())
        if (sub->widget() == view) return sub;
    return nullptr;
}

// --- State shown --------------------------------------------------------------

void MainWindow::UpdateCommands() {
    ScenarioSession* s = ActiveSession();
    const bool open = s != nullptr;
    const bool results = open && !s->Doc().needsSolving;
    const bool idle = !running_;

    // Without a scenario the menus shrink to what can start one.
    for (QMenu* m : {editMenu_, spillMenu_, removalMenu_, outputMenu_, windowMenu_})
        m->menuAction()->setVisible(open);
    for (Command c :
         {Command::Close, Command::Save, Command::SaveAs, Command::ExportJson, Command::ExportView,
          Command::PageSetup, Command::Print, Command::PrintPreview}) {
        Action(c)->setVisible(open);
        Action(c)->setEnabled(open && idle);
    }
    // Printing and export act on the active window, when it has something
    // to print or export.
    ScenarioView* view = ActiveView();
    const bool prints = view && view->Kind() != WindowKind::Scenario;
    Action(Command::Print)->setEnabled(open && idle && prints);
    Action(Command::PrintPreview)->setEnabled(open && idle && prints);
    Action(Command::ExportView)
        ->setEnabled(open && idle && view && !view->ExportFilter().isEmpty());
    Action(Command::PrintSetup)->setEnabled(idle);
    for (Command c : {Command::Undo, Command::Cut, Command::Copy, Command::Paste,
                      Command::CascadeWindows, Command::TileWindows})
        Action(c)->setEnabled(open);
    for (int i = 0; i < kCommandCount; ++i)
        if (auto input = InputCommandOf(static_cast<Command>(i)))
            actions_[i]->setEnabled(open && inputs_.available(*input));
    Action(Command::Solve)->setEnabled(open);
    Action(Command::BudgetTable)->setEnabled(results);
    Action(Command::IcsTable)->setEnabled(results);
    for (Command c : {Command::SingleGraph, Command::MultipleGraphs, Command::ShowAllGraphs})
        Action(c)->setEnabled(results && GraphWindowsAvailable());
    graphsMenu_->setEnabled(results);
    Action(open && s->MultipleGraphs() ? Command::MultipleGraphs : Command::SingleGraph)
        ->setChecked(true);
    for (Command c : kGraphCommands) {
        Action(c)->setEnabled(results);
        Action(c)->setChecked(results && OutputOf(s, *GraphWindowOf(c)) != nullptr);
    }

    for (const auto& session : sessions_)
        if (SpillFormView* form = FormOf(session.get())) {
            form->SetLinkEnabled(FormLink::Release, inputs_.available(InputCommand::Release));
            form->SetLinkEnabled(FormLink::Oil, inputs_.available(InputCommand::StandardOils));
            form->SetLinkEnabled(FormLink::WindWave, inputs_.available(InputCommand::WindWave));
            form->SetLinkEnabled(FormLink::Water, inputs_.available(InputCommand::Water));
            form->SetLinkEnabled(FormLink::Solve, true);
        }
}

void MainWindow::UpdateTitles() {
    for (QMdiSubWindow* sub : area_->subWindowList()) {
        ScenarioView* view = ViewOf(sub);
        if (!view) continue;
        const ScenarioSession& s = view->Session();
        QString title = s.Title();
        if (view->Kind() == WindowKind::Scenario) {
            if (s.IsModified()) title += QStringLiteral(" *");
        } else {
            title += QStringLiteral(" - ") + QString::fromLatin1(InfoOf(view->Kind()).title);
        }
        sub->setWindowTitle(title);
    }
    if (running_) return;
    ScenarioSession* s = ActiveSession();
    setWindowTitle(s ? QStringLiteral("ORMIX - %1%2")
                           .arg(s->Title(), s->IsModified() ? QStringLiteral(" *") : QString())
                     : QStringLiteral("ORMIX"));
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip &&
        static_cast<QStatusTipEvent*>(event)->tip().isEmpty()) {
        statusBar()->showMessage(QString::fromLatin1(kIdlePrompt));
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore();
        return;
    }
    for (const auto& s : sessions_)
        if (!ConfirmClose(s.get())) {
            event->ignore();
            return;
        }
    while (!sessions_.empty())
        DestroySession(sessions_.back().get());
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData* mime = event->mimeData();
    if (!running_ && mime->hasUrls())
        for (const QUrl& url : mime->urls())
            if (url.isLocalFile()) {
                event->acceptProposedAction();
                return;
            }
}

void MainWindow::dropEvent(QDropEvent* event) {
    if (running_) return;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) OpenScenario(url.toLocalFile());
    event->acceptProposedAction();
}

// --- Recent files ---------------------------------------------------------------

void MainWindow::LoadRecent() {
    recent_ = QSettings().value(kRecentKey).toStringList().mid(0, kRecentFiles);
    UpdateRecentActions();
}

void MainWindow::AddRecent(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent_.removeAll(absolute);
    recent_.prepend(absolute);
    recent_ = recent_.mid(0, kRecentFiles);
    QSettings().setValue(kRecentKey, recent_);
    UpdateRecentActions();
}

void MainWindow::RemoveRecent(const QString& path) {
    recent_.removeAll(path);
    QSettings().setValue(kRecentKey, recent_);
    UpdateRecentActions();
}

void MainWindow::UpdateRecentActions() {
    for (int i = 0; i < kRecentFiles; ++i) {
        QAction* a = recentActions_[static_cast<std::size_t>(i)];
        const bool used = i < recent_.size();
        a->setVisible(used);
        if (!used) continue;
        QString shown = recent_[i];
        if (shown.size() > 60) shown = QStringLiteral("...") + shown.right(57);
        a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown.replace('&', "&&")));
        a->setData(recent_[i]);
    }
    recentSeparator_->setVisible(!recent_.isEmpty());
}

}  // namespace ormix::app
