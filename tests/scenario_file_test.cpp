#include "scenario/scenario_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>

#include "scenario/calendar.h"
#include "scenario/document_json.h"
#include "scenario/scenario_json.h"
#include "scenario/stored_values.h"
#include "scenario_fixture.h"
#include "temp_dir.h"

namespace ormix {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

const std::string kSource = ORMIX_SOURCE_DIR;

// An example scenario loaded through the dialogs.
std::unique_ptr<CSpillDoc> Example(const std::string& name) {
    auto doc = testing::NewLibraryDoc();
    ScenarioLoadResult r = LoadScenarioJson(
        testing::ReadFile(kSource + "/examples/scenarios/" + name + ".json"), *doc);
    EXPECT_TRUE(r.ok) << name << ": " << r.path << ": " << r.refusal.text;
    return doc;
}

Bytes Encode(const SpillDocData& d) {
    Bytes b;
    std::string error;
    EXPECT_TRUE(EncodeScenario(d, b, error)) << error;
    return b;
}

std::string TempPath(const std::string& name, const std::string& folder = "scenario-file-test") {
    fs::path dir = fs::path(::testing::TempDir()) / folder;
    fs::create_directories(dir);
    return (dir / name).string();
}

void PutInt32(Bytes& b, size_t at, std::int32_t v) {
    for (int i = 0; i < 4; ++i)
        b.at(at + i) = static_cast<unsigned char>(static_cast<std::uint32_t>(v) >> (8 * i));
}

// Offsets worked out by hand from the layout, independently of the field
// list the writer and the reader share.
constexpr size_t kWindRecords = 4 + 16 + 16 + 68;           // item 5
constexpr size_t kWindUnits = kWindRecords + 120 * 28;      // item 6
constexpr size_t kSelF = kWindUnits + 32 + 128 + 600 + 68;  // item 10
constexpr size_t kTexts = kSelF + 4;                        // item 11

// Every example saves, opens and saves again to the same bytes and values;
// the one with every kind of operation is pinned byte for byte by the file
// kept beside the tests, so that the writer and the reader cannot move a
// field together.
TEST(ScenarioFile, SaveOpenSaveIsByteIdentical) {
    for (const char* name : {"response-operations", "variable-winds-midnight", "leaking-tank",
                             "boomed-spill", "uncertainty"}) {
        auto doc = Example(name);
        Bytes first = Encode(*doc);
        if (std::string(name) == "response-operations") {
            EXPECT_EQ(std::string(first.begin(), first.end()),
                      testing::ReadFile(kSource + "/tests/data/golden/response-operations.qsx"));
        }
        std::string path = TempPath(std::string(name) + ".qsx");
        ASSERT_TRUE(SaveScenarioFile(*doc, path).ok);
        EXPECT_EQ(testing::ReadFile(path), std::string(first.begin(), first.end()));
        auto opened = testing::NewLibraryDoc();
        ScenarioFileResult r = OpenScenarioFile(*opened, path);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(Encode(*opened), first) << name;
        // Every value of the file comes back; the oil's place in its library
        // is not part of the file.
        SpillDocData expected = *doc;
        expected.oilFromCustom = false;
        expected.oilPosition = -1;
        EXPECT_TRUE(static_cast<SpillDocData&>(*opened) == expected) << name;
        EXPECT_TRUE(opened->needsSolving);
    }
}

TEST(ScenarioFile, EveryTruncationIsRefusedAndChangesNothing) {
    auto doc = Example("response-operations");
    Bytes b = Encode(*doc);
    const SpillDocData before = *doc;
    SpillDocData d = before;
    for (size_t len = 0; len < b.size(); ++len) {
        std::string error;
        ASSERT_FALSE(DecodeScenario(b.data(), len, d, error)) << len;
        ASSERT_FALSE(error.empty()) << len;
        ASSERT_TRUE(d == before) << len;
    }
}

struct Damaged {
    const char* name;
    std::function<void(Bytes&)> damage;
    const char* reason;
};

TEST(ScenarioFile, DamagedAndForeignFilesLeaveTheOpenDocumentAlone) {
    auto source = Example("response-operations");
    const Bytes good = Encode(*source);
    const Damaged cases[] = {
        {"empty", [](Bytes& b) { b.clear(); }, "the file is empty"},
        {"foreign", [](Bytes& b) { b.assign(12000, 0x42); },
         "the flag passed.m_bWaterInputPassed holds"},
        {"text past the end",
         [](Bytes& b) {
             b[kTexts] = 255;
             b[kTexts + 1] = 0xFF;
             b[kTexts + 2] = 0xFF;
             b.insert(b.begin() + kTexts + 3, {0xFF, 0xFF, 0xFF, 0xFF});
         },
         "the text oilTexts.OilLibDate is said to hold 4294967295 characters"},
        {"flag", [](Bytes& b) { b[kSelF] = 2; }, "the flag selF holds 2 where 0 or 1 belongs"},
        {"count", [](Bytes& b) { PutInt32(b, kWindUnits, 121); },
         "the count windUnits.m_iVarWindNumber holds 121 where 0 to 120 belongs"},
        {"trailing", [](Bytes& b) { b.push_back(7); }, "1 bytes follow the last field"},
    };
    for (const Damaged& c : cases) {
        Bytes b = good;
        c.damage(b);
        std::string path = TempPath(std::string("damaged-") + c.name + ".qsx");
        testing::WriteFile(path, std::string(b.begin(), b.end()));
        auto doc = Example("variable-winds-midnight");
        doc->needsSolving = false;
        doc->solved = true;
        const SpillDocData before = *doc;
        ScenarioFileResult r = OpenScenarioFile(*doc, path);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_NE(r.message.find(c.reason), std::string::npos) << c.name << ": " << r.message;
        EXPECT_NE(r.message.find("is not an ORMIX scenario, or it is damaged"), std::string::npos)
            << r.message;
        EXPECT_TRUE(static_cast<SpillDocData&>(*doc) == before) << c.name;
        EXPECT_FALSE(doc->needsSolving);
        EXPECT_TRUE(doc->solved);
    }
    auto doc = testing::NewLibraryDoc();
    EXPECT_NE(OpenScenarioFile(*doc, TempPath("none.qsx")).message.find("cannot be found"),
              std::string::npos);
    EXPECT_FALSE(OpenScenarioFile(*doc, ::testing::TempDir()).ok);
}

TEST(ScenarioFile, TextLengthPrefixes) {
    struct Case {
        size_t length;
        std::vector<unsigned char> prefix;
    };
    const Case cases[] = {{0, {0}},
                          {254, {254}},
                          {255, {255, 255, 0}},
                          {65533, {255, 0xFD, 0xFF}},
                          {65534, {255, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0}}};
    for (const Case& c : cases) {
        SpillDocData d;
        d.OilLibDate = std::string(c.length, 'x');
        Bytes b = Encode(d);
        ASSERT_GT(b.size(), kTexts + 8) << c.length;
        EXPECT_EQ(Bytes(b.begin() + kTexts, b.begin() + kTexts + c.prefix.size()), c.prefix)
            << c.length;
        EXPECT_EQ(b[kTexts + c.prefix.size()], c.length ? 'x' : 0) << c.length;
        SpillDocData back;
        std::string error;
        ASSERT_TRUE(DecodeScenario(b.data(), b.size(), back, error)) << error;
        EXPECT_EQ(back.OilLibDate.size(), c.length);
    }
}

TEST(ScenarioFile, SavingNeverDestroysThePreviousFile) {
    auto doc = Example("open-sea-crude");
    const std::string folder = "scenario-file-save-test";
    std::string path = TempPath("kept.qsx", folder);
    ASSERT_TRUE(SaveScenarioFile(*doc, path).ok);
    const std::string saved = testing::ReadFile(path);

    // A time the file cannot hold is refused before anything is written.
    auto later = Example("open-sea-crude");
    later->SkimmerTime[3] = MakeLocalTime(2107, 1, 1, 0);
    ScenarioFileResult r = SaveScenarioFile(*later, path);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("the time operations[3].SkimmerTime (2107-01-01 00:00) lies outside "
                             "1970 to 2106"),
              std::string::npos)
        << r.message;
    later->SkimmerTime[3] = -3600;
    EXPECT_FALSE(SaveScenarioFile(*later, path).ok);
    later->SkimmerTime[3] = 0;  // the first second a file can hold
    EXPECT_TRUE(SaveScenarioFile(*later, TempPath("epoch.qsx", folder)).ok);
    EXPECT_EQ(testing::ReadFile(path), saved);

    // A target that cannot be replaced keeps what it was and leaves no
    // temporary file behind.
    std::string dirTarget = TempPath("a-folder.qsx", folder);
    fs::create_directories(dirTarget);
    r = SaveScenarioFile(*doc, dirTarget);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("Nothing was changed."), std::string::npos) << r.message;
    EXPECT_TRUE(fs::is_directory(dirTarget));
    EXPECT_FALSE(SaveScenarioFile(*doc, TempPath("missing/x.qsx")).ok);
    for (const auto& entry : fs::directory_iterator(fs::path(path).parent_path()))
        EXPECT_NE(entry.path().filename().string().rfind(".", 0), 0u) << entry.path();
}

TEST(ScenarioFile, OpeningWithAnotherOilLibraryAsksToReselect) {
    auto doc = Example("open-sea-crude");
    doc->OilLibDate = "01/01/1999";
    std::string path = TempPath("old-library.qsx");
    ASSERT_TRUE(SaveScenarioFile(*doc, path).ok);
    auto opened = testing::NewLibraryDoc();
    CollectingSink messages;
    opened->sink = &messages;
    ASSERT_TRUE(OpenScenarioFile(*opened, path).ok);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              "The selected oil for this scenario could not be read from the current Oil Library. "
              "Please re-select an oil.");
    EXPECT_FALSE(opened->summaryRefresh[kSummaryOil]);
    EXPECT_EQ(opened->OilName, "Arabian Light");
    opened->runSeed = 1;
    EXPECT_TRUE(opened->Solve());
}

// A document with what no dialog writes but a file may hold.
SpillDocData OddDocument() {
    auto doc = Example("response-operations");
    SpillDocData d = *doc;
    d.Location =
        "Bah\xED"
        "a Blanca, caf\xE9 \x01\x7F";
    d.Synonyms = std::string(300, 's');
    d.m_dVarWindSpeed[5] = -0.0;
    d.m_dVarWaveHeight[6] = 1e-310;
    d.m_dFetchN = 0.1 + 0.2;
    d.m_tVarWindTime[7] = 4294967295;
    d.SkimmerTime[2] = 1234567891;
    d.m_nCleanupDuration[4] = 999;
    d.m_dDispersantSprayed[3] = 55.5;
    return d;
}

TEST(ScenarioJsonForm, FileToJsonToFileIsByteIdentical) {
    for (const SpillDocData& d :
         {OddDocument(), SpillDocData(), SpillDocData(*Example("leaking-tank"))}) {
        Bytes file = Encode(d);
        SpillDocData opened;
        std::string error, text, path;
        ASSERT_TRUE(DecodeScenario(file.data(), file.size(), opened, error)) << error;
        ASSERT_TRUE(WriteDocumentJson(opened, text, error)) << error;
        SpillDocData back;
        ASSERT_TRUE(ReadDocumentJson(nlohmann::json::parse(text).at("document"), back, path, error))
            << path << ": " << error;
        EXPECT_EQ(Encode(back), file);
        EXPECT_TRUE(back == opened);
    }
}

TEST(ScenarioJsonForm, RefusesWhatTheFileCouldNotHold) {
    std::string text, error, path;
    SpillDocData d;
    d.m_dRecoveryRate[2] = std::nan("");
    EXPECT_FALSE(WriteDocumentJson(d, text, error));
    EXPECT_EQ(error,
              "operationPages[2].m_dRecoveryRate is not a finite number, which JSON "
              "cannot hold");

    ASSERT_TRUE(WriteDocumentJson(SpillDocData(), text, error));
    struct Edit {
        std::function<void(nlohmann::json&)> edit;
        const char* path;
        const char* error;
    };
    const Edit edits[] = {
        {[](nlohmann::json& j) { j.erase("selF"); }, "document.selF", "missing"},
        {[](nlohmann::json& j) { j["windRecords"].erase(0); }, "document.windRecords",
         "expected an array of 120 objects"},
        {[](nlohmann::json& j) {
             j["windRecords"][3]["m_tVarWindTime"] = "2026-02-30 00:00:00 +00:00";
         },
         "document.windRecords[3].m_tVarWindTime", "expected a time"},
        {[](nlohmann::json& j) { j["oilTexts"]["OilName"] = "\xE2\x82\xAC"; },
         "document.oilTexts.OilName", "texts hold only the characters U+0000 to U+00FF"},
        {[](nlohmann::json& j) { j["passed"]["m_bOilInputPassed"] = 1; },
         "document.passed.m_bOilInputPassed", "expected true or false"},
        // Like a scenario file: no time a file cannot hold.
        {[](nlohmann::json& j) { j["Spill Time"] = "2107-01-01 00:00:00 +00:00"; },
         "document.Spill Time",
         "the time 2106-12-31 19:00 lies outside 1970 to 2106, the years a scenario file can "
         "hold"},
    };
    for (const Edit& e : edits) {
        nlohmann::json root = nlohmann::json::parse(text);
        e.edit(root["document"]);
        auto doc = testing::NewLibraryDoc();
        const SpillDocData before = *doc;
        ScenarioLoadResult r = LoadScenarioJson(root.dump(), *doc);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.path, e.path);
        EXPECT_EQ(r.refusal.text.rfind(e.error, 0), 0u) << r.refusal.text;
        EXPECT_TRUE(static_cast<SpillDocData&>(*doc) == before);
    }
    auto doc = testing::NewLibraryDoc();
    nlohmann::json mixed = nlohmann::json::parse(text);
    mixed["water"] = {{"temperature", 10}};
    ScenarioLoadResult r = LoadScenarioJson(mixed.dump(), *doc);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.path, "water");
}

// Each value no dialog stores is named as the saved scenario names it (the
// examples, which the dialogs stored, open in the save-open-save test).
TEST(StoredValues, WhatNoDialogStoresIsNamed) {
    struct Case {
        std::function<void(SpillDocData&)> edit;
        const char* field;
        const char* why;
    };
    const Case cases[] = {
        {[](SpillDocData& d) { d.inputWater.temperature = 1e300; }, "InputWater.temperature",
         "1e+300 is refused by the water dialog: Sorry, ORMIX does not support water "
         "temperatures above 40 degrees C."},
        {[](SpillDocData& d) { d.inputWater.tempUnits = 3; }, "InputWater.tempUnits",
         "the unit code 3 is none of 1 to 2"},
        {[](SpillDocData& d) { d.inputWindWave.speed[7] = std::nan(""); },
         "InputWindWave.hours[7].speed", "nan lies outside 0 to 68"},
        {[](SpillDocData& d) { d.inputInstant.vol = 1e9; }, "InputInstant.vol",
         "1000000000 lies outside 2 to 500000, what the instantaneous release dialog takes"},
        {[](SpillDocData& d) { d.inputBeached.vol[3] = HUGE_VAL; },
         "InputWindWave.hours[3].InputBeached.vol", "inf is no number a dialog can store"},
        {[](SpillDocData& d) { d.m_tVarWindTime[37] = -7200; }, "windRecords[37].m_tVarWindTime",
         "the time 1969-12-31 17:00 lies outside 1970 to 2106"},
    };
    for (const Case& c : cases) {
        auto doc = Example("open-sea-crude");  // water in degrees C, wind in knots
        c.edit(*doc);
        std::string field, why;
        ASSERT_TRUE(FindUnstorableValue(*doc, field, why)) << c.field;
        EXPECT_EQ(field, c.field);
        EXPECT_EQ(why.rfind(c.why, 0), 0u) << why;
    }
}

// Opening such a file refuses it and keeps the open scenario, so that the
// run's checks never meet the value.
TEST(StoredValues, OpeningRefusesAFileNoDialogCouldHaveWritten) {
    auto doc = Example("open-sea-crude");
    doc->inputWater.temperature = 1e300;
    std::string path = TempPath("boiling.qsx");
    ASSERT_TRUE(SaveScenarioFile(*doc, path).ok);
    auto opened = testing::NewLibraryDoc();
    const SpillDocData before = *opened;
    ScenarioFileResult r = OpenScenarioFile(*opened, path);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("holds a value that no ORMIX dialog stores, so it was not opened: "
                             "InputWater.temperature: 1e+300 is refused"),
              std::string::npos)
        << r.message;
    EXPECT_TRUE(static_cast<SpillDocData&>(*opened) == before);
}

TEST(ScenarioJsonForm, TimesNameOneInstant) {
    // The hour that occurs twice when daylight saving ends.
    for (std::time_t t :
         {MakeLocalTime(2026, 11, 1, 0) + 5400, MakeLocalTime(2026, 11, 1, 0) + 9000,
          std::time_t(0), std::time_t(4294967295)}) {
        std::string text;
        ASSERT_TRUE(FormatDocumentTime(t, text));
        std::time_t back = 0;
        ASSERT_TRUE(ParseDocumentTime(text, back)) << text;
        EXPECT_EQ(back, t) << text;
    }
    std::string text;
    ASSERT_TRUE(FormatDocumentTime(MakeLocalTime(2026, 3, 14, 6), text));
    EXPECT_EQ(text, "2026-03-14 06:00:00 -04:00");
}

}  // namespace
}  // namespace ormix
