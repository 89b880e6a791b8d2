// `ormix-desktop [FILE.qsx|FILE.json] [--workdir DIR]`: the desktop program.
#include <QApplication>
#include <cstdio>
#include <memory>

#include "app/about_dialog.h"
#include "app/desktop_program.h"

int main(int argc, char** argv) {
    using namespace ormix::app;
    SetProgramNames();
    // The usage and the version need no display: they are answered before
    // the window system is opened, which takes its own options off the
    // command line.
    std::unique_ptr<QApplication> app;
    if (!AsksForUsageOrVersion(argc, argv)) {
        app = std::make_unique<QApplication>(argc, argv);
        ApplyDialogColours(*app);
    }
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const StartOptions options = ParseStartOptions(arguments);
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
    DesktopProgram program;
    if (!program.Start(options)) return 1;
    return QApplication::exec();
}
