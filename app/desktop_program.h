// The desktop program as it runs: the person's prompts, the manual, and the
// main window with its first scenario, set up in the program's start-up
// order.
#pragma once

#include <QString>
#include <memory>

#include "app/app_context.h"
#include "app/manual_help.h"
#include "app/start_options.h"

class QApplication;

namespace ormix::app {

class MainWindow;

// Names under which the program keeps its settings and data.
void SetProgramNames();

// Dialogs get a light grey face with black text.
void ApplyDialogColours(QApplication& app);

class DesktopProgram {
public:
    // The person's boxes and file choosers; the real ones unless given.
    explicit DesktopProgram(UserPrompts* prompts = nullptr);
    ~DesktopProgram();

    // Chooses the working directory, makes the main window, opens the file
    // of the command line (or a new scenario) and shows the window
    // maximised. False, after saying why, when the program cannot start.
    bool Start(const StartOptions& options);

    MainWindow& Window() { return *window_; }
    AppContext& Context() { return context_; }
    const QString& WorkDir() const { return workDir_; }

private:
    QtUserPrompts realPrompts_;
    UserPrompts& prompts_;
    ManualHelp help_;
    AppContext context_;
    HelpKeyFilter helpKeys_;
    QString workDir_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace ormix::app
