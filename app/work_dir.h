// Where the program keeps its files: the oil library OilLib, the custom oil
// library CustomLib and the diagnostic files of every run, by the rule the
// command shares (core/work_dir.h): the directory named on the command line
// (--workdir) when given; else the current directory when it holds an
// OilLib; else the person's own data directory, which is created on first
// start with a copy of the oil library that comes with the program.
#pragma once

#include <QString>

namespace ormix::app {

struct WorkDirChoice {
    QString dir;      // the directory in use (absolute); empty when none can be used
    QString message;  // why the choice failed, or what went wrong on the way
};

// `bundledOilLib` is the path of the oil library that comes with the program
// (a resource path works too). `dataDir` is the person's data directory.
WorkDirChoice ChooseWorkDir(const QString& given, const QString& current, const QString& dataDir,
                            const QString& bundledOilLib);

// The person's own data directory of the program.
QString UserDataDir();

// The oil library installed with the program; the one built into it when
// none is installed.
QString InstalledOilLib();

// The oil library bundled into the program.
inline constexpr char kBundledOilLib[] = ":/data/OilLib";

}  // namespace ormix::app
