// The desktop program's command line: ormix-desktop [FILE.qsx|FILE.json]
// [--workdir DIR].
#pragma once

#include <QString>
#include <QStringList>

namespace ormix::app {

struct StartOptions {
    QString file;     // a scenario to open instead of a new one
    QString workDir;  // --workdir
    bool help = false;
    bool version = false;
    QString error;  // a command line that cannot be used, and why
    QString usage;  // the text of --help
};

// Reads the arguments (the program's name first, as QCoreApplication
// gives them, without the options of the window system).
StartOptions ParseStartOptions(const QStringList& arguments);

// Whether the command line asks only for the usage or the version, which
// the program answers before it opens any window.
bool AsksForUsageOrVersion(int argc, char** argv);

}  // namespace ormix::app
