// Where a run keeps its files: the oil library OilLib, the custom oil
// library CustomLib and the diagnostic files of every run. One rule for the
// command and the desktop program:
//
//  1. the directory the person names (--workdir), when given;
//  2. else the current directory, when it holds an OilLib (and is not the
//     directory of the installed files);
//  3. else the person's own data directory ($XDG_DATA_HOME/ormix, by
//     default ~/.local/share/ormix), created on first use with a copy of
//     the installed OilLib. Later uses keep that copy as it is.
//
// A run never writes into the installed files: their directory is refused
// as a working directory.
#pragma once

#include <string>

namespace ormix {

enum class WorkDirSource {
    Given,     // named by the person
    Current,   // the current directory, which holds OilLib
    UserData,  // the person's own data directory
};

struct WorkDirChoice {
    std::string dir;  // the directory in use (absolute); empty when none can be used
    WorkDirSource source = WorkDirSource::Given;
    bool copiedOilLib = false;  // the installed OilLib was copied into `dir` just now
    std::string message;        // why no directory can be used, or what went wrong on the way
};

// Why `dir` cannot be a working directory ("the working directory X does not
// exist", "X is not a directory; ...", or it is the directory of the
// installed oil library `installedOilLib`); empty when it can.
std::string WorkDirProblem(const std::string& dir, const std::string& installedOilLib);

// The rule above. `given` is empty when the person named no directory;
// `installedOilLib` is the path of the installed oil library (empty when
// none is installed: the data directory is then made without one).
WorkDirChoice ChooseWorkDir(const std::string& given, const std::string& current,
                            const std::string& dataDir, const std::string& installedOilLib);

// The person's own data directory: `xdgDataHome`/ormix when that is an
// absolute path, else `home`/.local/share/ormix. Empty when neither is
// usable. Either argument may be null.
std::string UserDataDir(const char* xdgDataHome, const char* home);

// The same, from this process's environment (XDG_DATA_HOME, HOME, or the
// home directory of the account).
std::string UserDataDir();

// The directory of the installed files (OilLib, the example scenarios):
// share/ormix beside the directory of `executable` (so that an unpacked
// package works wherever it lies), else `fallback` (the directory the
// build was made to be installed to). The first that holds an OilLib; empty
// when neither does.
std::string InstalledDataDir(const std::string& executable, const std::string& fallback);

// The installed OilLib of the running program (by InstalledDataDir, with
// the directory the build installs to as the fallback); empty when none.
std::string InstalledOilLib();

// The path of the running program; empty when the system does not say.
std::string ExecutablePath();

}  // namespace ormix
