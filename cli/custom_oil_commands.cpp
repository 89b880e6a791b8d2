// `ormix custom-oil add|edit|remove`: the custom oil library from the
// command line, with the same checks and messages as the custom oil sheet.
#include <CLI/CLI.hpp>
#include <ctime>
#include <iostream>

#include "cli/console_sink.h"
#include "cli/custom_oil_json.h"
#include "cli/oil_commands.h"
#include "cli/text_files.h"
#include "cli/work_dir.h"

namespace ormix {

namespace {

bool ApplyJsonFile(const std::string& path, OilLibrary& custom, MessageSink& messages) {
    std::string text, error;
    if (!ReadTextFile(path, text, error)) {
        messages.Error(path + ": " + error);
        return false;
    }
    if (!ApplyCustomOilJson(text, custom, error)) {
        messages.Error(path + ": " + error);
        return false;
    }
    return true;
}

int Add(const CustomOilOptions& o, OilLibrary& custom, CustomOilIdState& ids, std::ostream& out,
        MessageSink& messages) {
    if (o.json.empty() && o.copy.empty() && o.copyCustom.empty()) {
        messages.Error("Give the new oil as --json FILE, --copy OIL or --copy-custom OIL.");
        return 1;
    }
    if (!o.copy.empty() && !o.copyCustom.empty()) {
        messages.Error("Give either --copy or --copy-custom, not both.");
        return 1;
    }
    std::unique_ptr<OilLibrary> oilLib = MakeOilLib(o.where);
    std::vector<const OilLibrary*> known = {&custom};
    NewCustomOil how = NewCustomOil::Blank;
    long position = -1;
    if (!o.copy.empty()) {
        if (!LoadOilLib(*oilLib, o.where, messages)) return 1;
        const OilSummary* s = FindOneOil(*oilLib, o.copy, messages);
        if (!s) return 1;
        how = NewCustomOil::CopyOfLibraryOil;
        position = s->position;
    } else if (!o.copyCustom.empty()) {
        const OilSummary* s = FindOneOil(custom, o.copyCustom, messages);
        if (!s) return 1;
        how = NewCustomOil::CopyOfCustomOil;
        position = s->position;
    }
    if (oilLib->HasSummaries()) known.push_back(oilLib.get());
    std::string id = MakeUniqueCustomOilId(ids, known, std::time(nullptr), std::clock());
    if (!StartNewCustomOil(custom, how, oilLib.get(), position, id, messages)) return 1;
    if (!o.json.empty() && !ApplyJsonFile(o.json, custom, messages)) return 1;
    std::string name(custom.FieldText(oilfield::kOilName));
    if (!SaveCustomOil(custom, -1, messages, &ids)) return 1;
    id = std::string(custom.FieldText(oilfield::kOilId));  // another, if this one was taken
    out << "Added custom oil \"" << name << "\" (" << id << ") to " << custom.Path() << '\n';
    return 0;
}

}  // namespace

int RunCustomOil(const CustomOilOptions& o, CustomOilIdState& ids, std::ostream& out,
                 MessageSink& messages) {
    std::unique_ptr<OilLibrary> custom = MakeCustomLib(o.where);
    if (!LoadCustomLib(*custom, messages)) return 1;
    if (o.action == "add") return Add(o, *custom, ids, out, messages);

    const OilSummary* s = FindOneOil(*custom, o.oil, messages);
    if (!s) return 1;
    long position = s->position;
    std::string name = s->fullName;
    if (o.action == "remove") {
        if (!RemoveCustomOil(*custom, position, messages)) return 1;
        out << "Removed custom oil \"" << name << "\" from " << custom->Path() << '\n';
        return 0;
    }
    if (!StartEditCustomOil(*custom, position, messages)) return 1;
    if (!ApplyJsonFile(o.json, *custom, messages)) return 1;
    name = std::string(custom->FieldText(oilfield::kOilName));
    if (!SaveCustomOil(*custom, position, messages)) return 1;
    out << "Saved custom oil \"" << name << "\" in " << custom->Path() << '\n';
    return 0;
}

void AddCustomOilCommands(CLI::App& app) {
    auto* group = app.add_subcommand("custom-oil", "Add, edit or remove a custom oil (CustomLib)");
    group->require_subcommand(1);
    auto add = [group](const char* action, const char* help) {
        auto options = std::make_shared<CustomOilOptions>();
        options->action = action;
        auto* cmd = group->add_subcommand(action, help);
        cmd->add_option("--workdir", options->where.workDir,
                        std::string("Directory holding CustomLib and OilLib") + kWorkDirDefault)
            ->check(ExistingWorkDir());
        cmd->add_option("--library", options->where.library,
                        "Oil library file to copy from instead of OilLib in the working "
                        "directory");
        cmd->callback([options]() {
            ConsoleSink sink;
            CustomOilIdState ids;
            if (int rc = RunCustomOil(*options, ids, std::cout, sink)) throw CLI::RuntimeError(rc);
        });
        return std::make_pair(cmd, options);
    };
    auto [addCmd, addOptions] = add("add", "Add a new custom oil");
    addCmd->add_option("--json", addOptions->json, "The oil's values as JSON (see docs)");
    addCmd->add_option("--copy", addOptions->copy, "Start from this oil of the oil library");
    addCmd->add_option("--copy-custom", addOptions->copyCustom, "Start from this custom oil");
    auto [editCmd, editOptions] = add("edit", "Change a custom oil");
    editCmd->add_option("NAME-OR-ID", editOptions->oil, "The custom oil")->required();
    editCmd->add_option("--json", editOptions->json, "The values to change, as JSON")->required();
    auto [removeCmd, removeOptions] = add("remove", "Remove a custom oil");
    removeCmd->add_option("NAME-OR-ID", removeOptions->oil, "The custom oil")->required();
}

}  // namespace ormix
