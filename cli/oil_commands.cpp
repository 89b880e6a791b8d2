#include "cli/oil_commands.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "cli/console_sink.h"
#include "cli/oil_library_hint.h"
#include "cli/work_dir.h"
#include "core/work_dir.h"

namespace ormix {

namespace {

std::string Column(const std::string& text, int width) {
    char buf[256];
    std::snprintf(buf, sizeof buf, "%-*.*s", width, width, text.c_str());
    return buf;
}

void AddWhereOptions(CLI::App* cmd, OilLibraryOptions& where) {
    cmd->add_option("--workdir", where.workDir,
                    std::string("Directory holding OilLib and CustomLib") + kWorkDirDefault)
        ->check(ExistingWorkDir());
    cmd->add_option("--library", where.library,
                    "Oil library file to use instead of OilLib in the working directory "
                    "(e.g. data/OilLib of the source tree)");
}

}  // namespace

std::unique_ptr<OilLibrary> MakeOilLib(const OilLibraryOptions& options) {
    if (options.library.empty()) return std::make_unique<OilLibrary>(options.workDir, "OilLib");
    std::filesystem::path p(options.library);
    return std::make_unique<OilLibrary>(p.parent_path().string(), p.filename().string());
}

std::unique_ptr<OilLibrary> MakeCustomLib(const OilLibraryOptions& options) {
    return std::make_unique<OilLibrary>(options.workDir, "CustomLib");
}

bool LoadOilLib(OilLibrary& lib, const OilLibraryOptions& where, MessageSink& messages) {
    int status = lib.Load();
    if (status == kTableOk) return true;
    // The file, and where known the line and the reason.
    messages.Error(OilLibraryLoadMessage(status) + "\n(" +
                   (lib.Problem().empty() ? lib.Path() : lib.Problem()) + ")");
    messages.Information(
        OilLibraryHint(status, lib.Path(), !where.library.empty(), InstalledOilLib()));
    return false;
}

bool LoadCustomLib(OilLibrary& custom, MessageSink& messages) {
    int status = custom.Load();
    if (status == kTableOk || status == kTableNotFound) return true;
    messages.Error(
        "Unable to read the Custom Oil Library\n\n" + custom.Path() +
        (status == kNotAnOilLibrary ? " is not an oil library file." : " could not be read.") +
        (custom.Problem().empty() ? "" : "\n(" + custom.Problem() + ")"));
    return false;
}

const OilSummary* FindOneOil(const OilLibrary& lib, const std::string& nameOrId,
                             MessageSink& messages) {
    std::vector<const OilSummary*> found = FindOils(lib, nameOrId);
    if (found.empty()) {
        messages.Error("No oil named '" + nameOrId + "' or with that ID in " + lib.Path() + ".");
        return nullptr;
    }
    if (found.size() > 1) {
        std::string text =
            "Several oils of " + lib.Path() + " are named '" + nameOrId + "'; give the ID of one:";
        for (const OilSummary* s : found)
            text += "\n  " + s->oilId + "  " + s->fullName;
        messages.Error(text);
        return nullptr;
    }
    return found.front();
}

int ListOils(const ListOilsOptions& options, std::ostream& out, MessageSink& messages) {
    std::unique_ptr<OilLibrary> lib =
        options.custom ? MakeCustomLib(options.where) : MakeOilLib(options.where);
    if (!(options.custom ? LoadCustomLib(*lib, messages)
                         : LoadOilLib(*lib, options.where, messages)))
        return 1;
    OilSort sort = options.sort == "api"    ? OilSort::Api
                   : options.sort == "pour" ? OilSort::PourPoint
                                            : OilSort::Name;
    std::vector<const OilSummary*> oils = SortedSummaries(*lib, sort);
    if (!options.find.empty()) oils = SearchSummaries(oils, options.find);
    // Sorted by pour point, the list shows what it is sorted by.
    const bool pour = sort == OilSort::PourPoint;
    out << Column("Name", 31) << "  " << Column("Reference", 15) << "  " << Column("API", 7) << "  "
        << (pour ? Column("Pour Point", 23) + "  " : "") << "Location\n";
    for (const OilSummary* s : oils) {
        out << Column(s->name, 31) << "  " << Column(s->source, 15) << "  " << Column(s->apiText, 7)
            << "  ";
        if (pour)
            out << Column(s->pourTextC.empty() ? "unknown" : s->pourTextC + " deg C", 23) << "  ";
        out << s->location << '\n';
    }
    return 0;
}

void PrintPropertyDisplay(const OilPropertyDisplay& d, std::ostream& out) {
    out << d.title << " (" << d.libraryVersion << ")\n";
    for (const PropertyPage& page : d.pages) {
        out << '\n' << page.title << '\n';
        for (const PropertyItem& item : page.items)
            out << "  " << item.label << ": " << item.value << '\n';
        for (const PropertyTable& t : page.tables) {
            if (t.rows.empty()) {
                out << "  " << t.heading << ": none\n";
                continue;
            }
            out << "  " << Column(t.columns[0], 30) << "  " << t.columns[1] << '\n';
            for (const std::vector<std::string>& row : t.rows)
                out << "    " << Column(row[0], 28) << "  " << row[1] << '\n';
        }
    }
}

int ShowOil(const ShowOilOptions& options, std::ostream& out, MessageSink& messages) {
    std::unique_ptr<OilLibrary> lib =
        options.custom ? MakeCustomLib(options.where) : MakeOilLib(options.where);
    if (!(options.custom ? LoadCustomLib(*lib, messages)
                         : LoadOilLib(*lib, options.where, messages)))
        return 1;
    const OilSummary* oil = FindOneOil(*lib, options.oil, messages);
    if (!oil) return 1;
    if (lib->ReadRecordAt(oil->position) != kTableOk) {
        messages.Error("The oil could not be read from " + lib->Path() + ".");
        return 1;
    }
    TemperatureUnit units =
        options.units == "F" ? TemperatureUnit::Fahrenheit : TemperatureUnit::Celsius;
    PrintPropertyDisplay(BuildOilPropertyDisplay(*lib, units), out);
    return 0;
}

void AddOilCommands(CLI::App& app) {
    auto list = std::make_shared<ListOilsOptions>();
    auto* oils = app.add_subcommand("oils", "List the oils of the oil library (or custom oils)");
    oils->add_flag("--custom", list->custom, "List the custom oils of CustomLib");
    oils->add_option("--sort", list->sort, "Sort by name, API or pour point")
        ->check(CLI::IsMember({"name", "api", "pour"}));
    oils->add_option("--find", list->find, "Only oils whose name, location or ID holds TEXT");
    AddWhereOptions(oils, list->where);
    oils->callback([list]() {
        ConsoleSink sink;
        if (int rc = ListOils(*list, std::cout, sink)) throw CLI::RuntimeError(rc);
    });

    auto show = std::make_shared<ShowOilOptions>();
    auto* oil = app.add_subcommand("oil", "One oil of the library");
    oil->require_subcommand(1);
    auto* cmd = oil->add_subcommand("show", "Print the properties of an oil");
    cmd->add_option("NAME-OR-ID", show->oil, "Name or ORMIX Oil ID of the oil")->required();
    cmd->add_flag("--custom", show->custom, "Look the oil up in CustomLib");
    cmd->add_option("--units", show->units, "Temperatures in deg C or deg F")
        ->check(CLI::IsMember({"C", "F"}));
    AddWhereOptions(cmd, show->where);
    cmd->callback([show]() {
        ConsoleSink sink;
        if (int rc = ShowOil(*show, std::cout, sink)) throw CLI::RuntimeError(rc);
    });
}

}  // namespace ormix
