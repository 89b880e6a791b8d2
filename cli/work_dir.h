// The working directory of a command (--workdir): where the oil libraries
// are read and the diagnostic files written.
#pragma once

namespace CLI {
class Validator;
}

namespace ormix {

// Refuses a directory that does not exist, or a path that is not a
// directory, naming it; the command then stops before it reads or runs
// anything.
CLI::Validator ExistingWorkDir();

}  // namespace ormix
