#include "cli/convert_command.h"

#include <CLI/CLI.hpp>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "cli/console_sink.h"
#include "cli/oil_library_hint.h"
#include "cli/scenario_options.h"
#include "cli/text_files.h"
#include "cli/work_dir.h"
#include "core/json_parse.h"
#include "scenario/document_json.h"
#include "scenario/scenario_file.h"
#include "scenario/scenario_json.h"

namespace ormix {

namespace {

bool IsJsonPath(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".json";
}

bool ReadScenario(const ConvertOptions& o, SpillDocData& d, MessageSink& messages) {
    if (HasScenarioFileExtension(o.in)) {
        ScenarioFileResult r = ReadScenarioFile(o.in, d);
        if (!r.ok) messages.Error(r.message);
        return r.ok;
    }
    std::string text, error;
    if (!ReadTextFile(o.in, text, error)) {
        messages.Error(o.in + ": " + error);
        return false;
    }
    // A saved scenario is taken as it is; a person's scenario goes through
    // the dialogs, with the oil from the oil libraries.
    nlohmann::json root;
    std::string path;
    if (!ParseJsonStrictly(text, root, path, error)) {
        messages.Error(ScenarioMessageLine(o.in, path, error));
        return false;
    }
    if (root.is_object() && root.size() == 1 && root.contains(kDocumentKey)) {
        if (!ReadDocumentJson(root.at(kDocumentKey), d, path, error)) {
            messages.Error(ScenarioMessageLine(o.in, path, error));
            return false;
        }
        return true;
    }
    auto doc = std::make_unique<CSpillDoc>(std::time(nullptr), o.workDir, o.library);
    ScenarioLoadResult r = LoadScenarioJson(text, *doc);
    ShowLoadMessages(o.in, r, messages);
    if (!r.ok) {
        HintAfterRefusal(r.path, *doc, messages);
        return false;
    }
    d = *doc;
    return true;
}

}  // namespace

int RunConvertCommand(const ConvertOptions& o, std::ostream& out, MessageSink& messages) {
    bool toFile = HasScenarioFileExtension(o.out), toJson = IsJsonPath(o.out);
    if (!HasScenarioFileExtension(o.in) && !IsJsonPath(o.in)) {
        messages.Error(o.in + ": a scenario is a .qsx or a .json file");
        return 1;
    }
    if (!toFile && !toJson) {
        messages.Error(o.out + ": a scenario is written as a .qsx or a .json file");
        return 1;
    }
    auto data = std::make_unique<SpillDocData>();
    if (!ReadScenario(o, *data, messages)) return 1;
    if (toFile) {
        ScenarioFileResult r = SaveScenarioFile(*data, o.out);
        if (!r.ok) {
            messages.Error(r.message);
            return 1;
        }
    } else {
        std::string text, error;
        if (!WriteDocumentJson(*data, text, error)) {
            messages.Error("The scenario cannot be written as JSON: " + error + ".");
            return 1;
        }
        if (!WriteTextFile(o.out, text, error)) {
            messages.Error(o.out + ": " + error);
            return 1;
        }
    }
    out << "Wrote " << o.out << "\n";
    return 0;
}

void AddConvertCommand(CLI::App& app) {
    auto options = std::make_shared<ConvertOptions>();
    auto* cmd = app.add_subcommand(
        "convert", "Convert a scenario between a scenario file (.qsx) and JSON (.json)");
    cmd->add_option("IN", options->in, "Scenario to read (.qsx or .json)")->required();
    cmd->add_option("OUT", options->out, "Scenario to write (.qsx or .json)")->required();
    cmd->add_option("--workdir", options->workDir,
                    std::string("Directory of the oil libraries a JSON scenario's oil comes from") +
                        kWorkDirDefault)
        ->check(ExistingWorkDir());
    cmd->add_option("--library", options->library,
                    "Oil library file to use instead of OilLib in the working directory");
    cmd->callback([options]() {
        ConsoleSink sink;
        int rc = RunConvertCommand(*options, std::cout, sink);
        if (rc != 0) throw CLI::RuntimeError(rc);
    });
}

}  // namespace ormix
