// `ormix-desktop [FILE.qsx|FILE.json] [--workdir DIR]`: the desktop program.
#include <QApplication>
#include <cstdio>

#include "app/about_dialog.h"
#include "app/desktop_program.h"

int main(int argc, char** argv) {
    using namespace ormix::app;
    QApplication app(argc, argv);
    SetProgramNames();
    const StartOptions options = ParseStartOptions(QApplication::arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "ormix-desktop: %s\n\n%s", qPrintable(options.error),
                     qPrintable(options.usage));
        return 2;
    }
    if (options.help) {
        std::fputs(qPrintable(options.usage), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("%s (build %s)\n", kProgramVersion, qPrintable(BuildVersion()));
        return 0;
    }
    ApplyDialogColours(app);
    DesktopProgram program;
    if (!program.Start(options)) return 1;
    return QApplication::exec();
}
