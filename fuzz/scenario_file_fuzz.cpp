// libFuzzer target: any bytes as a scenario file (.qsx). The reader must
// refuse what is not one scenario without crashing, hanging, leaking or
// allocating from an unchecked length; what it takes must write back to a
// file that reads back to the same bytes, convert to JSON and back without
// losing a bit, and be usable by the dialogs and the input dump.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "scenario/document_json.h"
#include "scenario/input_dump.h"
#include "scenario/response_dialogs.h"
#include "scenario/scenario_file.h"

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
        nlohmann::json root = nlohmann::json::parse(text);
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
    return 0;
}
