#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <iostream>
#include <memory>
#include <new>

#include "cli/convert_command.h"
#include "cli/ics_command.h"
#include "cli/oil_commands.h"
#include "cli/plot_command.h"
#include "cli/plume_command.h"
#include "cli/run_command.h"
#include "cli/run_records.h"
#include "cli/series_command.h"
#include "cli/summary_command.h"
#include "cli/tank_command.h"

namespace ormix {

namespace {

// Edits between two words: a letter left out, added, changed, or two
// neighbours swapped each count one.
size_t Edits(const std::string& a, const std::string& b) {
    std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
    for (size_t i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (size_t j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

std::string WithoutDashes(const std::string& s) {
    return s.substr(std::min(s.find_first_not_of('-'), s.size()));
}

std::vector<CLI::App*> Commands(CLI::App& app) {
    return app.get_subcommands([](CLI::App*) { return true; });
}

CLI::App* CommandNamed(CLI::App& app, const std::string& word) {
    for (CLI::App* c : Commands(app))
        if (c->check_name(word)) return c;
    return nullptr;
}

std::vector<std::string> CommandNames(CLI::App& app) {
    std::vector<std::string> names;
    for (CLI::App* c : Commands(app))
        names.push_back(c->get_name());
    return names;
}

std::vector<std::string> OptionNames(CLI::App& app) {
    std::vector<std::string> names;
    for (const CLI::Option* o : app.get_options()) {
        for (const std::string& n : o->get_lnames())
            names.push_back("--" + n);
        for (const std::string& n : o->get_snames())
            names.push_back("-" + n);
    }
    return names;
}

// A negative number is a value, not an option.
bool IsNumber(const std::string& s) {
    char* end = nullptr;
    std::strtod(s.c_str(), &end);
    return end != s.c_str() && *end == '\0';
}

std::string DidYouMean(const std::string& word, const std::vector<std::string>& candidates) {
    const std::string meant = ClosestName(word, candidates);
    return meant.empty() ? "" : "; did you mean '" + meant + "'?";
}

// "ormix help run" for the command `path` names ("ormix run").
std::string HelpFor(const std::string& path) {
    const size_t blank = path.find(' ');
    return blank == std::string::npos ? "ormix help" : "ormix help" + path.substr(blank);
}

}  // namespace

std::string VersionText() {
    return std::string("ormix ") + ORMIX_VERSION;
}

std::string ClosestName(const std::string& word, const std::vector<std::string>& candidates) {
    const std::string bare = WithoutDashes(word);
    // Short words are misspelt by one edit at most; longer ones by two.
    const size_t allowed = bare.size() < 4 ? 1 : 2;
    std::string best;
    size_t bestEdits = allowed + 1;
    for (const std::string& c : candidates) {
        size_t edits = Edits(word, c);
        if (bare.size() >= 3 && WithoutDashes(c).rfind(bare, 0) == 0)
            edits = std::min(edits, size_t{1});
        if (edits < bestEdits) {
            best = c;
            bestEdits = edits;
        }
    }
    return best;
}

std::string CommandLineProblem(CLI::App& app, const std::vector<std::string>& args) {
    CLI::App* current = &app;
    std::string path = app.get_name();
    bool help = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--") break;
        if (a.size() > 1 && a[0] == '-' && !IsNumber(a)) {
            const std::string name = a.substr(0, a.find('='));
            const CLI::Option* option = current->get_option_no_throw(name);
            if (!option)
                return path + ": unknown option '" + name + "'" +
                       DidYouMean(name, OptionNames(*current)) + "\nRun '" + HelpFor(path) +
                       "' for the options.\n";
            help = help || name == "-h" || name == "--help" || name == "--version";
            if (a.find('=') == std::string::npos && option->get_items_expected_min() > 0) ++i;
            continue;
        }
        if (Commands(*current).empty()) continue;  // an argument of the command
        CLI::App* command = CommandNamed(*current, a);
        if (!command)
            return path + ": unknown command '" + a + "'" + DidYouMean(a, CommandNames(*current)) +
                   "\nRun '" + HelpFor(path) + "' for the commands.\n";
        current = command;
        path += " " + command->get_name();
    }
    if (!help && !Commands(*current).empty() && current->get_require_subcommand_min() > 0)
        return path + ": a command is required\nRun '" + HelpFor(path) + "' for the commands.\n";
    return {};
}

namespace {

void AddVersionAndHelp(CLI::App& app) {
    app.set_version_flag("--version", VersionText(), "Print the program's name and version");
    auto words = std::make_shared<std::vector<std::string>>();
    auto* help = app.add_subcommand("help", "Show the commands, or the options of one command");
    help->add_option("COMMAND", *words, "The command, e.g. run, or oil show");
    help->callback([&app, words]() {
        CLI::App* command = &app;
        std::string path = app.get_name();
        for (const std::string& w : *words) {
            CLI::App* next = CommandNamed(*command, w);
            if (!next || next->get_name() == "help") {
                std::vector<std::string> names = CommandNames(*command);
                std::erase(names, "help");
                std::cerr << path << ": unknown command '" << w << "'" << DidYouMean(w, names)
                          << "\nRun '" << HelpFor(path) << "' for the commands.\n";
                throw CLI::RuntimeError(2);
            }
            command = next;
            path += " " + next->get_name();
        }
        // The formatter itself: App::help() would show the help of `help`,
        // the command being run.
        std::cout << command->get_formatter()->make_help(command, path, CLI::AppFormatMode::Normal);
    });
}

}  // namespace

void BuildCommandLine(CLI::App& app) {
    app.name("ormix");
    app.description("ORMIX: oil-spill weathering model");
    app.require_subcommand(1);
    AddRunCommand(app);
    AddRunRecordsCommand(app);
    AddTankCommand(app);
    AddPlumeCommand(app);
    AddOilCommands(app);
    AddCustomOilCommands(app);
    AddIcsCommand(app);
    AddSeriesCommand(app);
    AddPlotCommand(app);
    AddSummaryCommand(app);
    AddConvertCommand(app);
    AddVersionAndHelp(app);
}

int RunCommandLine(CLI::App& app, const std::vector<std::string>& args, std::ostream& out,
                   std::ostream& err) {
    const std::string problem = CommandLineProblem(app, args);
    if (!problem.empty()) {
        err << problem;
        return 2;
    }
    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(reversed);
    } catch (const CLI::RuntimeError& e) {
        return e.get_exit_code();
    } catch (const CLI::ParseError& e) {
        return app.exit(e, out, err) == 0 ? 0 : 2;
    } catch (const std::bad_alloc&) {
        // Storage the engine asks for is handled where it is asked for; this
        // is what is left (reading a file, building a table).
        err << "error: out of memory\n";
        return 1;
    } catch (const std::exception& e) {
        // A failure no command turned into a message of its own: said
        // rather than ending the program without a word.
        err << "error: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace ormix
