#include "cli/work_dir.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <ostream>

#include "cli/command_line.h"
#include "core/work_dir.h"

namespace ormix {

CLI::Validator ExistingWorkDir() {
    return CLI::Validator(
        [](std::string& dir) -> std::string { return WorkDirProblem(dir, InstalledOilLib()); },
        "DIR");
}

namespace {

bool Gives(const std::vector<std::string>& args, const std::string& option) {
    for (const std::string& a : args) {
        if (a == "--") return false;
        if (a == option || a.rfind(option + "=", 0) == 0) return true;
    }
    return false;
}

// The command the words name (the deepest one), skipping the values of
// options.
CLI::App* NamedCommand(CLI::App& app, const std::vector<std::string>& args) {
    CLI::App* current = &app;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--") break;
        if (a.size() > 1 && a[0] == '-') {
            const CLI::Option* option = current->get_option_no_throw(a.substr(0, a.find('=')));
            if (option && a.find('=') == std::string::npos && option->get_items_expected_min() > 0)
                ++i;
            continue;
        }
        for (CLI::App* c : current->get_subcommands([](CLI::App*) { return true; })) {
            if (c->check_name(a)) {
                current = c;
                break;
            }
        }
    }
    return current;
}

}  // namespace

bool AddChosenWorkDir(CLI::App& app, std::vector<std::string>& args, const std::string& dataDir,
                      const std::string& installedOilLib, std::ostream& err) {
    if (!CommandLineProblem(app, args).empty()) return true;
    if (Gives(args, "--help") || Gives(args, "-h") || Gives(args, "--version")) return true;
    CLI::App* command = NamedCommand(app, args);
    if (!command->get_option_no_throw("--workdir") || Gives(args, "--workdir")) return true;

    std::error_code ec;
    const std::string current = std::filesystem::current_path(ec).string();
    const WorkDirChoice choice = ChooseWorkDir({}, ec ? "." : current, dataDir, installedOilLib);
    if (choice.dir.empty()) {
        err << "error: " << choice.message << "\n";
        return false;
    }
    if (choice.source == WorkDirSource::UserData) {
        const std::string lib = (std::filesystem::path(choice.dir) / "OilLib").string();
        // The current directory holds an OilLib only when it is the
        // installed one.
        err << (std::filesystem::is_regular_file("OilLib", ec)
                    ? "note: the current directory holds the installed files, which runs never "
                      "change: "
                    : "note: there is no OilLib in the current directory: ");
        if (Gives(args, "--library"))
            err << "ormix keeps its files (CustomLib, the diagnostic files) in " << choice.dir
                << "\n";
        else
            err << "ormix uses the oil library " << lib
                << (choice.copiedOilLib ? " (copied there from " + installedOilLib + ")"
                                        : std::string())
                << "\n";
        if (!choice.message.empty()) err << "warning: " << choice.message << "\n";
    }
    // Before a "--" that ends the options, so that it stays an option.
    auto end = std::find(args.begin(), args.end(), "--");
    end = args.insert(end, choice.dir);
    args.insert(end, "--workdir");
    return true;
}

}  // namespace ormix
