#include "cli/scenario_options.h"

#include <CLI/CLI.hpp>
#include <ctime>

#include "cli/run_notes.h"
#include "cli/work_dir.h"
#include "scenario/scenario_file.h"

namespace ormix {

void AddScenarioOptions(CLI::App* cmd, RunOptions& options) {
    cmd->add_option("SCENARIO", options.file, "Scenario: JSON (.json) or scenario file (.qsx)")
        ->required();
    AddSeedOption(cmd, options.seed);
    cmd->add_option(
           "--workdir", options.workDir,
           std::string("Directory of the oil libraries and the diagnostic files") + kWorkDirDefault)
        ->check(ExistingWorkDir());
    cmd->add_option("--library", options.library,
                    "Oil library file to use instead of OilLib in the working directory");
}

std::unique_ptr<CSpillDoc> LoadAndSolve(const RunOptions& options, MessageSink& messages, int& rc) {
    auto doc = std::make_unique<CSpillDoc>(std::time(nullptr), options.workDir, options.library);
    rc = LoadAndRun(options, *doc, messages);
    return doc;
}

std::string ScenarioMessageLine(const std::string& file, const std::string& path,
                                const std::string& text) {
    // A heading ends at the first empty line; it is followed by a colon
    // rather than its own full stop.
    std::string heading, body = text;
    const std::size_t cut = text.find("\n\n");
    if (cut != std::string::npos) {
        heading = text.substr(0, cut);
        body = text.substr(cut + 2);
        if (!heading.empty() && heading.back() == '.') heading.pop_back();
    }
    auto oneLine = [](const std::string& s) {
        std::string out;
        for (char c : s) {
            if (c == '\n') c = ' ';
            if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
            out += c;
        }
        while (!out.empty() && out.back() == ' ')
            out.pop_back();
        return out;
    };
    std::string line = file + ": ";
    if (!path.empty()) line += path + ": ";
    if (!heading.empty()) line += oneLine(heading) + ": ";
    return line + oneLine(body);
}

void ShowLoadMessages(const std::string& file, const ScenarioLoadResult& r, MessageSink& messages) {
    for (std::size_t i = 0; i < r.messages.size(); ++i) {
        const std::string path = i < r.messagePaths.size() ? r.messagePaths[i] : "";
        messages.Show(r.messages[i].kind, ScenarioMessageLine(file, path, r.messages[i].text));
    }
    // A refusal stops the scenario, whatever box its dialog shows it in.
    if (!r.ok) messages.Error(ScenarioMessageLine(file, r.path, r.refusal.text));
}

bool ReportMissingInputs(const std::string& file, const CSpillDoc& doc, MessageSink& messages) {
    const std::vector<MissingInput> missing = MissingInputsOf(doc);
    // A scenario file has no JSON path: its sections are named in the text.
    const bool json = !HasScenarioFileExtension(file);
    for (const MissingInput& m : missing)
        messages.Error(ScenarioMessageLine(file, json ? m.path : "", m.message));
    return missing.empty();
}

}  // namespace ormix
