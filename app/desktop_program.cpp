#include "app/desktop_program.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPalette>
#include <cstdio>

#include "app/main_window.h"
#include "app/work_dir.h"

namespace ormix::app {

void SetProgramNames() {
    QCoreApplication::setOrganizationName(QStringLiteral("ORMIX"));
    QCoreApplication::setApplicationName(QStringLiteral("ORMIX"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("ORMIX"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0"));
}

void ApplyDialogColours(QApplication& app) {
    QPalette palette = app.palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    palette.setColor(QPalette::WindowText, Qt::black);
    app.setPalette(palette, "QDialog");
}

DesktopProgram::DesktopProgram(UserPrompts* prompts)
    : prompts_(prompts ? *prompts : realPrompts_), context_{prompts_, help_}, helpKeys_(help_) {}

DesktopProgram::~DesktopProgram() {
    qApp->removeEventFilter(&helpKeys_);
}

bool DesktopProgram::Start(const StartOptions& options) {
    const WorkDirChoice dir =
        ChooseWorkDir(options.workDir, QDir::currentPath(), UserDataDir(), InstalledOilLib());
    if (dir.dir.isEmpty()) {
        std::fprintf(stderr, "ormix-desktop: %s\n", qPrintable(dir.message));
        prompts_.Tell(nullptr, MessageKind::Error, dir.message);
        return false;
    }
    workDir_ = dir.dir;
    window_ = std::make_unique<MainWindow>(context_, workDir_);
    qApp->installEventFilter(&helpKeys_);
    if (!dir.message.isEmpty()) prompts_.Tell(window_.get(), MessageKind::Warning, dir.message);
    if (options.file.isEmpty() || !window_->OpenScenario(options.file)) window_->NewScenario();
    window_->showMaximized();
    return true;
}

}  // namespace ormix::app
