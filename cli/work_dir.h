// The working directory of a command (--workdir): where the oil libraries
// are read and the diagnostic files written.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace CLI {
class App;
class Validator;
}  // namespace CLI

namespace ormix {

// The end of the help of every --workdir option: where the files are
// without one.
inline constexpr char kWorkDirDefault[] =
    " (default: the current directory when it holds OilLib, else the data directory "
    "$XDG_DATA_HOME/ormix or ~/.local/share/ormix)";

// Refuses a directory that does not exist, or a path that is not a
// directory, naming it; the command then stops before it reads or runs
// anything.
CLI::Validator ExistingWorkDir();

// When the command `args` names takes --workdir and the person gave none,
// adds the directory the working-directory rule chooses (core/work_dir.h)
// as --workdir, and says on `err` which oil library the command uses when
// it is not the current directory's. `dataDir` and `installedOilLib` are
// those of the rule. False, after the message on `err`, when no directory
// can be used. Command lines with a usage error, or that ask for help or
// the version, are left as they are.
bool AddChosenWorkDir(CLI::App& app, std::vector<std::string>& args, const std::string& dataDir,
                      const std::string& installedOilLib, std::ostream& err);

}  // namespace ormix
