// The person's files: what is read must be a regular file of sane size,
// what is written replaces a file only when complete and never through a
// planted link, the custom oil library survives several programs changing
// it at once, and a diagnostic file that cannot be written is said.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>
#include <sstream>

#include "cli/oil_commands.h"
#include "cli/run_command.h"
#include "cli/tank_command.h"
#include "cli/text_files.h"
#include "core/file_replace.h"
#include "core/user_file.h"
#include "model/core_dump.h"
#include "scenario/calendar.h"
#include "scenario/scenario_file.h"
#include "tests/child_process.h"
#include "tests/temp_dir.h"

namespace ormix {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

std::vector<std::string> FilesIn(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// ---- Reading -----------------------------------------------------------------

// What a person may name where a file is expected.
enum class Planted { Fifo, LinkToZero, Folder };

std::string Plant(const TempDir& dir, Planted what) {
    const std::string path = dir.File("input.json");
    switch (what) {
        case Planted::Fifo:
            ::mkfifo(path.c_str(), 0600);
            break;
        case Planted::LinkToZero:
            fs::create_symlink("/dev/zero", path);
            break;
        case Planted::Folder:
            fs::create_directory(path);
            break;
    }
    return path;
}

TEST(ReadUserFile, TakesOnlyAFileWithinTheLimit) {
    // Pipes, links to devices and folders: see the refused inputs below.
    TempDir dir;
    std::string bytes = "kept";
    EXPECT_EQ(ReadUserFile(dir.File("none"), bytes).status, UserFileStatus::Missing);
    EXPECT_EQ(bytes, "kept");

    WriteFile(dir.File("100"), std::string(100, 'x'));
    EXPECT_TRUE(ReadUserFile(dir.File("100"), bytes, 100).Ok());
    EXPECT_EQ(bytes.size(), 100u);
    UserFileRead big = ReadUserFile(dir.File("100"), bytes, 99);
    EXPECT_EQ(big.status, UserFileStatus::TooLarge);
    EXPECT_EQ(UserFileProblem(big, 16u << 20),
              "is larger than 16 MB, the most read from such a file, so it was not read");
}

// The scenario loader and a command that reads a person's file (the others
// read through the same function), given a pipe, a link to an endless device
// or a folder: a refusal at once with the reason, never a hang.
TEST(RefusedInput, PipesDevicesAndFoldersAtOnceWithTheReason) {
    for (Planted planted : {Planted::Fifo, Planted::LinkToZero, Planted::Folder}) {
        TempDir dir;
        const std::string path = Plant(dir, planted);
        const char* why =
            planted == Planted::Folder ? "is a directory, not a file" : "is not a regular file";
        testing::ChildResult r = testing::InChild(
            [&] {
                CollectingSink sink;
                auto doc = std::make_unique<CSpillDoc>(std::time(nullptr));
                std::ostringstream out;
                const bool refused = !LoadScenarioFile(path, *doc, sink) &&
                                     RunTankCommand({path, ""}, out, sink) == 1;
                int said = 0;
                for (const Message& m : sink.messages)
                    said += m.text.find(why) != std::string::npos;
                return std::string(refused ? "refused, " : "taken, ") + std::to_string(said);
            },
            {10});
        ASSERT_TRUE(r.finished) << why;
        EXPECT_EQ(r.text, "refused, 2") << why;
    }
}

TEST(RefusedInput, ScenarioFileAndOilLibrariesThatAreNotFiles) {
    TempDir dir;
    ::mkfifo(dir.File("pipe.qsx").c_str(), 0600);
    ::mkfifo(dir.File("OilLib").c_str(), 0600);
    fs::create_symlink("/dev/zero", dir.File("CustomLib"));
    testing::ChildResult r = testing::InChild(
        [&] {
            SpillDocData d;
            OilLibrary oilLib(dir.Path(), "OilLib"), custom(dir.Path(), "CustomLib");
            return ReadScenarioFile(dir.File("pipe.qsx"), d).message + "|" +
                   std::to_string(oilLib.Load()) + " " + oilLib.Problem() + "|" +
                   std::to_string(custom.Load());
        },
        {10});
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.text, "'" + dir.File("pipe.qsx") + "' is not a file, so it cannot be a scenario.|" +
                          "-1 " + dir.File("OilLib") +
                          " is not a regular file (a folder, a pipe or a device)|-1");
}

// ---- Writing -----------------------------------------------------------------

// The two ways a person's file is written (the ICS export and the other
// text files share the first), with the fixed name its temporary file once
// had.
struct Writer {
    const char* name;
    const char* file;
    const char* oldTemporary;
    std::function<bool(const std::string& path)> write;
};

bool SaveMarkerOil(const std::string& path) {
    OilLibrary lib(fs::path(path).parent_path().string(), fs::path(path).filename().string());
    lib.SetFieldText(oilfield::kOilName, "Marker");
    return lib.SaveRecord(-1) == kTableOk;
}

const Writer kWriters[] = {
    {"text_file", "out.json", "out.json.tmp",
     [](const std::string& p) {
         std::string error;
         return WriteTextFile(p, "Marker", error);
     }},
    {"custom_oil_library", "CustomLib", "CustomLib.bak", SaveMarkerOil},
};

class ReplacedFile : public ::testing::TestWithParam<Writer> {};

TEST_P(ReplacedFile, NeverWritesThroughAPlantedTemporaryName) {
    const Writer& w = GetParam();
    TempDir dir;
    WriteFile(dir.File("victim"), "victim");
    fs::create_symlink("victim", dir.File(w.oldTemporary));
    ASSERT_TRUE(w.write(dir.File(w.file)));
    EXPECT_EQ(ReadFile(dir.File("victim")), "victim");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir.File(w.file))));
    EXPECT_NE(ReadFile(dir.File(w.file)).find("Marker"), std::string::npos);
}

TEST_P(ReplacedFile, ALinkStaysALinkAndItsTargetIsReplaced) {
    const Writer& w = GetParam();
    TempDir dir;
    fs::create_directory(dir.File("real"));
    WriteFile(dir.File("real/target"), "1.0\t01/01/2024\tormix\nOil Name\nOld\n");
    fs::create_symlink("real/target", dir.File(w.file));
    ASSERT_TRUE(w.write(dir.File(w.file)));
    EXPECT_TRUE(fs::is_symlink(dir.File(w.file)));
    EXPECT_NE(ReadFile(dir.File("real/target")).find("Marker"), std::string::npos);
    EXPECT_EQ(FilesIn(dir.File("real")).front(), "target");  // nothing else left but a lock

    // A link to a file not there yet makes that file.
    fs::remove(dir.File("real/target"));
    ASSERT_TRUE(w.write(dir.File(w.file)));
    EXPECT_TRUE(fs::is_symlink(dir.File(w.file)));
    EXPECT_NE(ReadFile(dir.File("real/target")).find("Marker"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Writers, ReplacedFile, ::testing::ValuesIn(kWriters),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReplaceFile, KeepsThePermissionsAndRefusesWhatIsNotAFile) {
    TempDir dir;
    const std::string path = dir.File("kept");
    WriteFile(path, "old");
    ::chmod(path.c_str(), 0640);
    std::string error;
    ASSERT_TRUE(ReplaceFile(path, "new", error)) << error;
    struct stat st;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    ::mkfifo(dir.File("pipe").c_str(), 0600);
    EXPECT_FALSE(ReplaceFile(dir.File("pipe"), "x", error));
    EXPECT_TRUE(fs::is_fifo(dir.File("pipe")));
    EXPECT_EQ(FilesIn(dir.Path()), (std::vector<std::string>{"kept", "pipe"}));
}

// ---- Diagnostic files on a full disk -------------------------------------------

// The example run with every write past `bytes` failing, as on a full disk.
std::string RunWithFullDisk(const std::string& dir, long long bytes) {
    return testing::InChild(
               [&] {
                   auto doc = std::make_unique<CSpillDoc>(MakeLocalTime(2026, 1, 1, 0), dir,
                                                          ORMIX_SOURCE_DIR "/data/OilLib");
                   CollectingSink sink;
                   doc->sink = &sink;
                   doc->runSeed = 1;
                   if (!LoadScenarioFile(ORMIX_SOURCE_DIR "/examples/scenarios/open-sea-crude.json",
                                         *doc, sink))
                       return std::string("not loaded");
                   std::string out = doc->Solve() ? "solved" : "failed";
                   const WeatheringModel& m = doc->Model();
                   char released[64];
                   std::snprintf(released, sizeof released, " %.6f",
                                 m.results.result[m.run.numSteps - 1].released.best);
                   out += released;
                   out += doc->dumpFailed ? " dumpFailed" : "";
                   for (const Message& msg : sink.messages)
                       out += "\n" + msg.text;
                   return out;
               },
               {180, bytes})
        .text;
}

TEST(DumpFiles, AFullDiskIsSaidAndLeavesNoPartialDumpButTheResultsStand) {
    TempDir dir;
    const std::string reference = RunWithFullDisk(dir.Path(), -1);
    ASSERT_EQ(reference.substr(0, 7), "solved ");
    ASSERT_EQ(reference.find("dumpFailed"), std::string::npos) << reference;
    const std::string results = reference.substr(0, reference.find('\n'));
    for (long long limit : {0LL, 20000LL}) {
        const std::string out = RunWithFullDisk(dir.Path(), limit);
        const std::string reason =
            ": the file could not be written (File too large). No dump "
            "file is left; the results of the run are not affected.";
        EXPECT_EQ(out, results + " dumpFailed\nCore: Cannot write dump file " +
                           dir.File("OrmixCore.dmp") + reason + "\nCore: Cannot write dump file " +
                           dir.File("OrmixInput.dmp") + reason)
            << "limit " << limit;
        // Neither a partial dump nor the earlier run's is left.
        EXPECT_TRUE(FilesIn(dir.Path()).empty()) << "limit " << limit;
    }
}

// ---- Several programs changing CustomLib at once -------------------------------

std::string OilJson(const std::string& name) {
    return R"({"name": ")" + name + R"(", "api": 30, "kinematicViscosity1": 10,
               "kinematicViscosity1Temp": 15})";
}

int AddCustomOil(const std::string& dir, const std::string& json) {
    CustomOilOptions o;
    o.where.workDir = dir;
    o.action = "add";
    o.json = json;
    CustomOilIdState ids;
    std::ostringstream out;
    CollectingSink sink;
    return RunCustomOil(o, ids, out, sink);
}

TEST(ConcurrentCustomOils, WritersAtOnceLoseNoOilAndClaimNoFalseSuccess) {
    TempDir dir;
    // A large library that a lost race would wipe.
    std::string lib = "1.0\t01/01/2024\tormix\n";
    for (int n = 0; n < oilfield::kNamedFields; ++n)
        lib += std::string(n ? "\t" : "") + oilfield::kColumnNames[n];
    lib += "\n";
    for (int i = 0; i < 2000; ++i)
        lib += "Old " + std::to_string(i) + "\tID" + std::to_string(i) + "\n";
    WriteFile(dir.File("CustomLib"), lib);
    constexpr int kWriters = 4, kEach = 6;
    for (int w = 0; w < kWriters; ++w)
        for (int i = 0; i < kEach; ++i)
            WriteFile(dir.File(std::to_string(w) + "-" + std::to_string(i) + ".json"),
                      OilJson("New " + std::to_string(w) + "-" + std::to_string(i)));
    std::vector<testing::Child> children;
    for (int w = 0; w < kWriters; ++w)
        children.push_back(testing::StartChild(
            [&, w] {
                std::string claimed;
                for (int i = 0; i < kEach; ++i) {
                    std::string name = std::to_string(w) + "-" + std::to_string(i);
                    if (AddCustomOil(dir.Path(), dir.File(name + ".json")) == 0)
                        claimed += "New " + name + "\n";
                }
                return claimed;
            },
            {120}));
    std::set<std::string> claimed;
    for (const testing::Child& child : children) {
        std::istringstream lines(testing::FinishChild(child).text);
        for (std::string line; std::getline(lines, line);)
            claimed.insert(line);
    }

    OilLibrary check(dir.Path(), "CustomLib");
    ASSERT_EQ(check.Load(), kTableOk) << check.Problem();
    std::set<std::string> names, ids;
    for (const OilSummary& s : check.Summaries()) {
        names.insert(s.fullName);
        ids.insert(s.oilId);
    }
    EXPECT_EQ(claimed.size(), static_cast<size_t>(kWriters * kEach));
    EXPECT_EQ(check.Summaries().size(), 2000 + claimed.size());
    for (const std::string& name : claimed)
        EXPECT_EQ(names.count(name), 1u) << name;
    EXPECT_EQ(ids.size(), check.Summaries().size()) << "two oils share an ID";
}

struct TwoViews : ::testing::Test {
    TempDir dir;
    OilLibrary mine{dir.Path(), "CustomLib"}, theirs{dir.Path(), "CustomLib"};
    void SetUp() override {
        WriteFile(dir.File("CustomLib"),
                  "1.0\t01/01/2024\tormix\nOil Name\tORMIX Oil ID\tLocation\n"
                  "A\tIA\t\nB\tIB\t\nC\tIC\t\n");
        ASSERT_EQ(mine.Load(), kTableOk);
        ASSERT_EQ(theirs.Load(), kTableOk);
    }
    long Position(const OilLibrary& lib, size_t i) { return lib.Summaries().at(i).position; }
    // The file after the date of its first line.
    std::string File() {
        std::string text = ReadFile(dir.File("CustomLib"));
        return text.substr(text.find("ormix"));
    }
};

TEST_F(TwoViews, AnEditAfterAnotherProgramsRemovalChangesTheRightOil) {
    const long c = Position(mine, 2);
    CollectingSink sink;
    ASSERT_EQ(theirs.DeleteRecord(Position(theirs, 0)), kTableOk);  // A goes: C moves up
    // The oil read for the edit is C, from the library as it is now.
    ASSERT_TRUE(StartEditCustomOil(mine, c, sink));
    EXPECT_EQ(mine.FieldText(oilfield::kOilName), "C");
    mine.SetFieldText(oilfield::kLocation, "edited");
    ASSERT_EQ(mine.SaveRecord(c), kTableOk);
    EXPECT_EQ(File(), "ormix\nOil Name\tORMIX Oil ID\tLocation\nB\tIB\t\nC\tIC\tedited\n");
}

TEST_F(TwoViews, AnOilRemovedByAnotherProgramIsNeitherChangedNorTakenForAnother) {
    const long b = Position(mine, 1);
    ASSERT_EQ(theirs.DeleteRecord(Position(theirs, 1)), kTableOk);  // B goes: C takes its place
    const std::string after = File();
    CollectingSink sink;
    EXPECT_FALSE(StartEditCustomOil(mine, b, sink));
    mine.SetFieldText(oilfield::kOilName, "B edited");
    EXPECT_EQ(mine.SaveRecord(b), kOilGone);
    // The failure leaves the summaries held: the position still means B.
    EXPECT_EQ(mine.SummaryAt(b)->fullName, "B");
    EXPECT_FALSE(RemoveCustomOil(mine, b, sink));
    EXPECT_EQ(File(), after);
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].text, kOilGoneMessage);
    EXPECT_EQ(sink.messages[1].text, kOilGoneRemoveMessage);
}

}  // namespace
}  // namespace ormix
