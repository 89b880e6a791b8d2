// The `ormix` command line as a whole: its version, `ormix help [COMMAND]`,
// and the usage errors a misspelt command or option gets (with the name
// meant, when one is close), before any command runs.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace ormix {

// "ormix" and the project's version.
std::string VersionText();

// Makes `app` the `ormix` command: every command, --version and `help`.
void BuildCommandLine(CLI::App& app);

// The candidate that `word` is most likely a misspelling of (a few letters
// left out, added, changed or swapped, or the start of a longer name); empty
// when none is close.
std::string ClosestName(const std::string& word, const std::vector<std::string>& candidates);

// The usage error of a misspelt or missing command or an unknown option,
// one line with what was meant and one that says where the help is; empty
// when the words name commands and options that exist.
std::string CommandLineProblem(CLI::App& app, const std::vector<std::string>& args);

// Parses `args` (without the program's name) and runs the command. Returns
// the exit status: 0 success, 1 refused input or a failed run, 2 a usage
// error (said on `err`). Help and the version go to `out`.
int RunCommandLine(CLI::App& app, const std::vector<std::string>& args, std::ostream& out,
                   std::ostream& err);

}  // namespace ormix
