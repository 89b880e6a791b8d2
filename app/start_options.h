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
// gives them).
StartOptions ParseStartOptions(const QStringList& arguments);

}  // namespace ormix::app
