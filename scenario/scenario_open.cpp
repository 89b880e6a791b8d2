#include "scenario/scenario_open.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/file_replace.h"
#include "core/scoped_value.h"
#include "scenario/document_json.h"
#include "scenario/scenario_file.h"
#include "scenario/scenario_json.h"

namespace ormix {

namespace {

std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}

// The whole text of a JSON scenario; false with the message when it cannot
// be had.
bool ReadScenarioText(const std::string& path, std::string& text, std::string& message) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::file_status st = fs::status(path, ec);
    if (ec || !fs::exists(st)) {
        message = "The scenario file " + Quoted(path) + " cannot be found.";
        return false;
    }
    if (!fs::is_regular_file(st)) {
        message = Quoted(path) + " is not a file, so it cannot be a scenario.";
        return false;
    }
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        message =
            "The scenario file " + Quoted(path) + " cannot be read (" + std::strerror(errno) + ").";
        return false;
    }
    std::string out;
    char chunk[65536];
    bool tooLarge = false;
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) {
        if (out.size() + n > kMaxScenarioFileBytes) {
            tooLarge = true;
            break;
        }
        out.append(chunk, n);
    }
    bool readError = std::ferror(f) != 0;
    std::fclose(f);
    if (readError) {
        message = "The scenario file " + Quoted(path) + " cannot be read.";
        return false;
    }
    if (tooLarge) {
        message = "The file " + Quoted(path) +
                  " is far too large to be an ORMIX scenario; it was not opened.";
        return false;
    }
    text.swap(out);
    return true;
}

}  // namespace

ScenarioOpenResult OpenScenario(CSpillDoc& doc, const std::string& path) {
    ScenarioOpenResult result;
    if (HasScenarioFileExtension(path)) {
        // The oil library's re-select message of opening is collected, to be
        // shown once the file has been taken.
        CollectingSink opened;
        ScenarioFileResult r;
        {
            ScopedValue<MessageSink*> collect(doc.sink, &opened);
            r = OpenScenarioFile(doc, path);
        }
        result.ok = r.ok;
        result.message = r.message;
        result.shown = std::move(opened.messages);
        return result;
    }
    std::string text;
    if (!ReadScenarioText(path, text, result.message)) return result;
    ScenarioLoadResult r = LoadScenarioJson(text, doc);
    result.shown = std::move(r.messages);
    if (!r.ok) {
        result.kind = r.refusal.kind;
        std::string where = r.path.empty() ? "" : " at " + r.path;
        result.message =
            "The scenario " + Quoted(path) + " was not opened" + where + ":\n\n" + r.refusal.text;
        return result;
    }
    result.ok = true;
    return result;
}

bool ExportScenarioJson(const SpillDocData& doc, const std::string& path, std::string& message) {
    std::string text, error;
    if (!WriteDocumentJson(doc, text, error)) {
        message = "The scenario cannot be exported to " + Quoted(path) + ": " + error + ".";
        return false;
    }
    if (!ReplaceFile(path, text, error)) {
        message = "The scenario cannot be exported to " + Quoted(path) + ": " + error +
                  ". Nothing was changed.";
        return false;
    }
    return true;
}

}  // namespace ormix
