#include "cli/oil_library_hint.h"

#include <filesystem>

#include "core/work_dir.h"
#include "scenario/spill_doc.h"

namespace ormix {

namespace {

std::string Starter(const std::string& installedOilLib) {
    return installedOilLib.empty() ? "from the top of the source tree: --library data/OilLib"
                                   : "the installed one: --library " + installedOilLib;
}

std::string Absolute(const std::string& path) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::absolute(path, ec);
    return ec ? path : p.lexically_normal().string();
}

}  // namespace

std::string OilLibraryHint(int status, const std::string& path, bool named,
                           const std::string& installedOilLib) {
    const std::string where = Absolute(path);
    const std::string kStarter = Starter(installedOilLib);
    if (status == kTableNotFound && !named) {
        const std::filesystem::path p(where);
        return "ormix looked for the oil library " + p.filename().string() +
               " in the working directory " + p.parent_path().string() +
               " and found none: give the directory that holds it with --workdir, or name the "
               "file with --library (" +
               kStarter + ")";
    }
    if (status == kTableNotFound)
        return "there is no oil library file " + where + " (named by --library); " + kStarter;
    if (status == kNotAnOilLibrary)
        return where +
               " is not an oil library (its first line lacks the word \"ormix\"); name the oil "
               "library with --library (" +
               kStarter + ")";
    return where + " could not be read as an oil library; name another with --library (" +
           kStarter + ")";
}

void HintWhenUnreadable(OilLibrary& library, bool named, MessageSink& messages) {
    const int status = library.Load();
    if (status != kTableOk)
        messages.Information(OilLibraryHint(status, library.Path(), named, InstalledOilLib()));
}

void HintAfterRefusal(const std::string& jsonPath, CSpillDoc& doc, MessageSink& messages) {
    if (jsonPath == "oil.name" || jsonPath == "oil.id")
        HintWhenUnreadable(doc.OilLib(), !doc.OilLibFile().empty(), messages);
}

}  // namespace ormix
