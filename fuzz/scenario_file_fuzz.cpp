// libFuzzer target: any bytes as a scenario file (.qsx). What is not one
// scenario is refused without a crash, hang, leak or allocation from an
// unchecked length; what is taken must write back to the same bytes, go to
// JSON and back without losing a bit, and suit the dialogs, the input dump
// and the checks that begin a run.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/json_parse.h"
#include "scenario/document_json.h"
#include "scenario/input_dump.h"
#include "scenario/response_dialogs.h"
#include "scenario/scenario_file.h"
#include "scenario/stored_values.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

// One document for the whole run: its model is large. Its libraries are
// looked for where there are none.
ormix::CSpillDoc& Doc() {
    static ormix::CSpillDoc* doc = new ormix::CSpillDoc(0, "/nonexistent-ormix-fuzz");
    return *doc;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto d = std::make_unique<ormix::SpillDocData>();
    std::string error;
    if (!ormix::DecodeScenario(data, size, *d, error)) {
        Check(!error.empty());
        return 0;
    }

    // Written again, the scenario reads back to what it wrote.
    std::vector<unsigned char> saved, again;
    Check(ormix::EncodeScenario(*d, saved, error));
    auto reopened = std::make_unique<ormix::SpillDocData>();
    Check(ormix::DecodeScenario(saved.data(), saved.size(), *reopened, error));
    Check(ormix::EncodeScenario(*reopened, again, error));
    Check(again == saved);

    // Its JSON form gives the same bytes (a number JSON cannot hold is
    // refused instead).
    std::string text, path;
    if (ormix::WriteDocumentJson(*d, text, error)) {
        auto back = std::make_unique<ormix::SpillDocData>();
        nlohmann::json root;
        Check(ormix::ParseJsonStrictly(text, root, path, error));
        Check(ormix::ReadDocumentJson(root.at(ormix::kDocumentKey), *back, path, error));
        Check(ormix::EncodeScenario(*back, again, error));
        Check(again == saved);
    }

    // The values are trusted as written: the dump and the response sheets
    // must cope with whatever they hold.
    ormix::CSpillDoc& doc = Doc();
    static_cast<ormix::SpillDocData&>(doc) = *d;
    (void)ormix::InputDumpText(doc);
    (void)ormix::DispersantSheetOK(doc, ormix::DispersantPagesOf(doc));
    (void)ormix::BurnSheetOK(doc, ormix::BurnPagesOf(doc));
    (void)ormix::CleanupSheetOK(doc, ormix::CleanupPagesOf(doc));

    // Opening refuses what no dialog stores, but the checks that begin a run
    // (the completeness list and the pour-point warning) must cope with any
    // value as well.
    std::string field, why;
    if (ormix::FindUnstorableValue(*d, field, why)) Check(!field.empty() && !why.empty());
    static_cast<ormix::SpillDocData&>(doc) = *d;
    (void)doc.MissingInputs();
    (void)doc.PourPointWarning();
    return 0;
}
