// Where a run keeps its files: --workdir, else the current directory with
// an OilLib, else the person's data directory made with a copy of the
// installed OilLib; never the installed files themselves. And how the
// command applies the rule when no --workdir is given.
#include <gtest/gtest.h>
#include <CLI/CLI.hpp>

#include <filesystem>
#include <functional>
#include <sstream>

#include "cli/command_line.h"
#include "cli/work_dir.h"
#include "core/work_dir.h"
#include "temp_dir.h"

namespace ormix {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

constexpr char kLibrary[] = "ormix oil library\nName\tAPI\n";

// An installed tree (share/ormix/OilLib), a current directory without a
// library, one with a library, and a data directory not made yet.
struct Layout {
    TempDir root;
    std::string installed = root.File("usr/share/ormix");
    std::string oilLib = installed + "/OilLib";
    std::string bare = root.File("bare");
    std::string withLib = root.File("with-lib");
    std::string data = root.File("home/.local/share/ormix");
    Layout() {
        fs::create_directories(installed);
        fs::create_directories(bare);
        fs::create_directories(withLib);
        WriteFile(oilLib, kLibrary);
        WriteFile(withLib + "/OilLib", "ormix mine\n");
    }
};

// The command tests run the rule from the command line; here, what they
// cannot see: the data directory is made only when used, and the person's
// copy of the library is kept once made.
TEST(WorkDirRule, TheDataDirectoryIsMadeWhenUsedAndItsCopyKept) {
    Layout l;
    EXPECT_EQ(ChooseWorkDir(l.bare + "/", l.withLib, l.data, l.oilLib).dir, l.bare);
    EXPECT_EQ(ChooseWorkDir("", l.withLib, l.data, l.oilLib).dir, l.withLib);
    EXPECT_FALSE(fs::exists(l.data));
    const WorkDirChoice c = ChooseWorkDir("", l.bare, l.data, l.oilLib);
    EXPECT_EQ(c.dir, l.data);
    EXPECT_TRUE(c.copiedOilLib);
    WriteFile(l.data + "/OilLib", "ormix edited\n");
    EXPECT_FALSE(ChooseWorkDir("", l.bare, l.data, l.oilLib).copiedOilLib);
    EXPECT_EQ(ReadFile(l.data + "/OilLib"), "ormix edited\n");
}

// Runs write their diagnostic files into the working directory, so the
// directory of the installed files is never one.
TEST(WorkDirRule, TheInstalledFilesAreNeverTheWorkingDirectory) {
    Layout l;
    const WorkDirChoice fromThere = ChooseWorkDir("", l.installed, l.data, l.oilLib);
    EXPECT_EQ(fromThere.dir, l.data);
    EXPECT_EQ(fromThere.source, WorkDirSource::UserData);

    const WorkDirChoice named = ChooseWorkDir(l.installed, l.bare, l.data, l.oilLib);
    EXPECT_EQ(named.dir, "");
    EXPECT_NE(named.message.find(l.installed + " holds the installed files"), std::string::npos)
        << named.message;
    EXPECT_FALSE(fs::exists(l.installed + "/OrmixCore.dmp"));
}

struct Failure {
    const char* name;
    std::function<WorkDirChoice(Layout&)> choose;
    bool dirUsable;        // a directory is still given (with a warning)
    const char* saidPart;  // part of the message
};

class WorkDirFailure : public ::testing::TestWithParam<Failure> {};

TEST_P(WorkDirFailure, IsSaidWithWhatToDo) {
    Layout l;
    const WorkDirChoice c = GetParam().choose(l);
    EXPECT_EQ(!c.dir.empty(), GetParam().dirUsable);
    EXPECT_NE(c.message.find(GetParam().saidPart), std::string::npos) << c.message;
    EXPECT_FALSE(c.copiedOilLib);
}

INSTANTIATE_TEST_SUITE_P(
    WorkDirRule, WorkDirFailure,
    ::testing::Values(
        Failure{"GivenMissing",
                [](Layout& l) { return ChooseWorkDir(l.root.File("gone"), l.bare, l.data, ""); },
                false, "does not exist"},
        Failure{"GivenAFile",
                [](Layout& l) { return ChooseWorkDir(l.oilLib, l.bare, l.data, l.oilLib); }, false,
                "is not a directory"},
        Failure{"DataDirBlockedByAFile",
                [](Layout& l) {
                    fs::create_directories(fs::path(l.data).parent_path());
                    WriteFile(l.data, "");
                    return ChooseWorkDir("", l.bare, l.data, l.oilLib);
                },
                false, "cannot create its data directory"},
        Failure{"NothingInstalled", [](Layout& l) { return ChooseWorkDir("", l.bare, l.data, ""); },
                true, "No oil library is installed"},
        Failure{
            "InstalledLibraryUnreadable",
            [](Layout& l) { return ChooseWorkDir("", l.bare, l.data, l.installed + "/Missing"); },
            true, "cannot read its installed oil library"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WorkDirRule, DataDirectoryFromTheEnvironment) {
    EXPECT_EQ(UserDataDir("/x/data/", "/home/p"), "/x/data/ormix");
    EXPECT_EQ(UserDataDir("", "/home/p"), "/home/p/.local/share/ormix");
    // A relative XDG_DATA_HOME is ignored, a relative HOME unusable.
    EXPECT_EQ(UserDataDir("data", "/home/p"), "/home/p/.local/share/ormix");
    EXPECT_EQ(UserDataDir(nullptr, "home"), "");
}

// ---- The command without --workdir --------------------------------------------

struct Chosen {
    bool ok;
    std::vector<std::string> args;
    std::string err;
};

Chosen Choose(std::vector<std::string> args, const std::string& data, const std::string& lib) {
    CLI::App app;
    BuildCommandLine(app);
    std::ostringstream err;
    const bool ok = AddChosenWorkDir(app, args, data, lib, err);
    return {ok, args, err.str()};
}

TEST(CommandLine, ChosenWorkDirLeavesOtherCommandLinesAlone) {
    Layout l;
    const fs::path before = fs::current_path();
    fs::current_path(l.bare);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"run", "x.json", "--workdir=" + l.withLib}, {"run", "--help"}, {"rnu", "x.json"}}) {
        const Chosen c = Choose(args, l.data, l.oilLib);
        EXPECT_TRUE(c.ok);
        EXPECT_EQ(c.args, args);
        EXPECT_EQ(c.err, "");
    }
    EXPECT_FALSE(fs::exists(l.data));

    // Nothing can be used: said, and the command does not run. (An OilLib
    // in the current directory is used without a word: see the command tests.)
    Chosen c = Choose({"oils"}, "", l.oilLib);
    fs::current_path(before);
    EXPECT_FALSE(c.ok);
    EXPECT_NE(c.err.find("error: ORMIX cannot tell where to keep its files"), std::string::npos);
}

}  // namespace
}  // namespace ormix
