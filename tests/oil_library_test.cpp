// The oil library file: loading good and malformed files, the summaries with
// their texts and sort keys, and the rewrite of CustomLib.
#include "oil/oil_library.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tests/child_process.h"
#include "tests/temp_dir.h"

namespace ormix {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

const std::string kLine1 = "1.0\t01/02/2024\tormix\n";

std::string Header() {
    std::string h;
    for (int n = 0; n < oilfield::kNamedFields; ++n) {
        if (n) h += '\t';
        h += oilfield::kColumnNames[n];
    }
    return h + "\n";
}

// An oil line with its name, ID and API in the columns of the full header.
std::string Oil(const std::string& name, const std::string& id, const std::string& api) {
    return name + "\t" + id + "\t\t\t\t\t" + api + "\n";
}

struct MalformedCase {
    const char* what;
    std::string bytes;
    int status;
    size_t oils;
};

class LoadFile : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(LoadFile, GivesTheStatedStatusAndNeverCrashes) {
    const MalformedCase& c = GetParam();
    TempDir dir;
    WriteFile(dir.File("OilLib"), c.bytes);
    OilLibrary lib(dir.Path(), "OilLib");
    EXPECT_EQ(lib.Load(), c.status) << c.what;
    EXPECT_EQ(lib.Summaries().size(), c.oils) << c.what;
    EXPECT_EQ(lib.HasSummaries(), c.status == 0) << c.what;
}

std::string BinaryLine() {
    std::string s;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n') s += static_cast<char>(b);
    return s + "\n";
}

std::string ManyFields(int n) {
    std::string s = "Wide Oil";
    for (int i = 1; i < n; ++i) {
        s += '\t';
        s += std::to_string(i);
    }
    return s + "\n";
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadFile,
    ::testing::Values(
        MalformedCase{"empty file", "", kTableEnd, 0},
        MalformedCase{"magic in capitals", "1.0\t01/02/2024\tORMIX\n" + Header(), kNotAnOilLibrary,
                      0},
        MalformedCase{"magic and a blank", "1.0\t01/02/2024\tormix \n" + Header(), kNotAnOilLibrary,
                      0},
        MalformedCase{"no magic line", Header() + Oil("A", "1", "30"), kNotAnOilLibrary, 0},
        MalformedCase{"magic line only", kLine1, kTableEnd, 0},
        MalformedCase{"header only", kLine1 + Header(), kTableOk, 0},
        MalformedCase{"line of 5000 characters",
                      kLine1 + Header() + Oil("A", "1", "30") + std::string(5000, 'x') + "\n",
                      kTableLineTooLong, 0},
        MalformedCase{"300 fields", kLine1 + Header() + ManyFields(300), kTableOk, 1},
        MalformedCase{"binary bytes", kLine1 + Header() + BinaryLine() + Oil("A", "1", "30"),
                      kTableOk, 2},
        MalformedCase{
            "blank lines and empty fields",
            kLine1 + Header() + "\n\t\t\n" + Oil("A", "1", "30") + "\r\n\r\n" + Oil("B", "2", "31"),
            kTableOk, 2}),
    [](const ::testing::TestParamInfo<MalformedCase>& info) {
        std::string name = info.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

TEST(LoadFile, AnOverlongLineIsNamedByFileAndLine) {
    TempDir dir;
    WriteFile(dir.File("OilLib"), kLine1 + Header() + "First\t1\n" + std::string(4095, 'x') + "\n");
    OilLibrary lib(dir.Path(), "OilLib");
    EXPECT_EQ(lib.Load(), kTableLineTooLong);
    EXPECT_EQ(lib.Problem(), dir.File("OilLib") +
                                 ", line 4: longer than 4095 characters, the most a line of the "
                                 "file may hold");
}

TEST(LoadFile, MissingFileAndDirectory) {
    TempDir dir;
    OilLibrary missing(dir.Path(), "OilLib");
    EXPECT_EQ(missing.Load(), kTableNotFound);
    std::filesystem::create_directory(dir.File("OilLib"));
    OilLibrary directory(dir.Path(), "OilLib");
    EXPECT_EQ(directory.Load(), kTableEnd);
}

TEST(LoadFile, MixedLineEndsGivePositionsThatReadTheRightOil) {
    TempDir dir;
    std::string header = Header();
    header.back() = '\r';
    WriteFile(dir.File("OilLib"), "1.0\t01/02/2024\tormix\r\n" + header + "Alpha\tA1\r\n" +
                                      "Beta, Lab\tB2\n\r" + "Gamma\tC3\r" + "Delta\tD4");
    OilLibrary lib(dir.Path(), "OilLib");
    ASSERT_EQ(lib.Load(), kTableOk);
    EXPECT_EQ(lib.Version(), "1.0");
    EXPECT_EQ(lib.Date(), "01/02/2024");
    ASSERT_EQ(lib.Summaries().size(), 4u);
    const char* ids[] = {"A1", "B2", "C3", "D4"};
    for (size_t i = 0; i < 4; ++i) {
        const OilSummary& s = lib.Summaries()[i];
        EXPECT_EQ(s.oilId, ids[i]);
        ASSERT_EQ(lib.ReadRecordAt(s.position), kTableOk);
        EXPECT_EQ(lib.FieldText(oilfield::kOilId), ids[i]);
        EXPECT_EQ(lib.SummaryAt(s.position), &s);
    }
    EXPECT_EQ(lib.SummaryAt(lib.Summaries()[1].position + 1), nullptr);
}

TEST(LoadFile, ColumnsInAnyOrderReadTheSameValues) {
    TempDir dir;
    WriteFile(dir.File("OilLib"), kLine1 + "Extra\tAPI\tLocation\tOil Name\n" +
                                      "x\t30.55\tGulf\tReordered, Somewhere\n");
    OilLibrary lib(dir.Path(), "OilLib");
    ASSERT_EQ(lib.Load(), kTableOk);
    ASSERT_EQ(lib.Summaries().size(), 1u);
    const OilSummary& s = lib.Summaries()[0];
    EXPECT_EQ(s.name, "Reordered");
    EXPECT_EQ(s.source, "Somewhere");
    EXPECT_EQ(s.location, "Gulf");
    EXPECT_EQ(s.apiText, "30.6");
    EXPECT_FLOAT_EQ(s.apiKey, 305.5f);
    EXPECT_EQ(s.oilId, "");  // no such column: empty
}

struct RangeCase {
    const char* min;
    const char* max;
    const char* textC;
    float keyC;
    const char* textF;
    float keyF;
};

class PourPoint : public ::testing::TestWithParam<RangeCase> {};

TEST_P(PourPoint, TextsAndSortKeys) {
    const RangeCase& c = GetParam();
    TempDir dir;
    WriteFile(dir.File("OilLib"), kLine1 + "Oil Name\tPour Point Min (K)\tPour Point Max (K)\n" +
                                      "Oil\t" + c.min + "\t" + c.max + "\n");
    OilLibrary lib(dir.Path(), "OilLib");
    ASSERT_EQ(lib.Load(), kTableOk);
    const OilSummary& s = lib.Summaries().at(0);
    EXPECT_EQ(s.pourTextC, c.textC);
    EXPECT_FLOAT_EQ(s.pourKeyC, c.keyC);
    EXPECT_EQ(s.pourTextF, c.textF);
    EXPECT_FLOAT_EQ(s.pourKeyF, c.keyF);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, PourPoint,
    ::testing::Values(RangeCase{"<", "266.15", "less than -7", -74, "less than 19", 186},
                      RangeCase{">", "266.15", "greater than -7", -66, "greater than 19", 194},
                      RangeCase{"265.15", "270.15", "-8 to -3", -78, "18 to 27", 182},
                      RangeCase{"270.15", "270.15", "-3", -30, "27", 270},
                      RangeCase{"270.15", "", "-3", -30, "27", 270},
                      RangeCase{"", "270.15", "-3", 9999, "27", 9999},
                      RangeCase{"<", "", "", 9999, "", 9999},
                      RangeCase{"", "", "", 9999, "", 9999}));

TEST(Summary, NameAndSourceSplitAtTheFirstCommaAndTextsAreCut) {
    TempDir dir;
    WriteFile(dir.File("OilLib"),
              kLine1 + Header() + Oil("Crude,   Lab, second", "1", "") +
                  Oil("A name much longer than thirty-one characters, and a long source text", "2",
                      "123456.78"));
    OilLibrary lib(dir.Path(), "OilLib");
    ASSERT_EQ(lib.Load(), kTableOk);
    const OilSummary& a = lib.Summaries().at(0);
    EXPECT_EQ(a.name, "Crude");
    EXPECT_EQ(a.source, "Lab, second");
    EXPECT_EQ(a.apiText, "");
    EXPECT_FLOAT_EQ(a.apiKey, 9999.0f);
    const OilSummary& b = lib.Summaries().at(1);
    EXPECT_EQ(b.name, "A name much longer than thirty-");
    EXPECT_EQ(b.source, "and a long sour");
    EXPECT_EQ(b.apiText, "123456.");
}

// ---- Rewriting CustomLib ----------------------------------------------------

std::time_t March5() {
    std::tm tm{};
    tm.tm_year = 124;
    tm.tm_mon = 2;
    tm.tm_mday = 5;
    tm.tm_hour = 12;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

struct CustomLibTest : ::testing::Test {
    TempDir dir;
    OilLibrary lib{dir.Path(), "CustomLib"};
    std::string path = dir.File("CustomLib");

    CustomLibTest() { lib.SetClock(March5); }

    void SetOil(const std::string& name, const std::string& api) {
        lib.ClearFields();
        lib.SetFieldText(oilfield::kOilName, name);
        lib.SetFieldText(oilfield::kApi, api);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> out;
        for (const OilSummary& s : lib.Summaries())
            out.push_back(s.fullName);
        return out;
    }
};

TEST_F(CustomLibTest, SavingIntoAMissingLibraryMakesThreeLines) {
    EXPECT_EQ(lib.Load(), kTableNotFound);
    SetOil("Test Oil, Lab", "30");
    lib.SetFieldText(oilfield::kOilId, "C1");
    ASSERT_EQ(lib.SaveRecord(-1), kTableOk);
    EXPECT_EQ(ReadFile(path),
              "1.0\t03/05/2024\tormix\n" + Header() + "Test Oil, Lab\tC1\t\t\t\t\t30\n");
    EXPECT_FALSE(std::filesystem::exists(path + ".bak"));
    ASSERT_EQ(lib.Summaries().size(), 1u);
    EXPECT_EQ(lib.Date(), "03/05/2024");
}

TEST_F(CustomLibTest, DeletingTheOnlyOilLeavesTheTwoFirstLines) {
    SetOil("Only", "30");
    ASSERT_EQ(lib.SaveRecord(-1), kTableOk);
    ASSERT_EQ(lib.DeleteRecord(lib.Summaries().at(0).position), kTableOk);
    EXPECT_EQ(ReadFile(path), "1.0\t03/05/2024\tormix\n" + Header());
    EXPECT_TRUE(lib.Summaries().empty());
}

TEST_F(CustomLibTest, EditingKeepsThePlaceAndTheOtherLinesAsTheyWere) {
    WriteFile(path, kLine1 + Header() + "First\t1\r\n" + "Second\t2\r\n" + "Third\t3");
    ASSERT_EQ(lib.Load(), kTableOk);
    ASSERT_EQ(lib.ReadRecordAt(lib.Summaries().at(1).position), kTableOk);
    lib.SetFieldText(oilfield::kOilName, "Second, edited");
    ASSERT_EQ(lib.SaveRecord(lib.Summaries().at(1).position), kTableOk);
    EXPECT_EQ(ReadFile(path), "1.0\t03/05/2024\tormix\n" + Header() + "First\t1\r\n" +
                                  "Second, edited\t2\n" + "Third\t3");
    EXPECT_EQ(Names(), (std::vector<std::string>{"First", "Second, edited", "Third"}));

    // A new oil after a last line without an end starts a line of its own.
    SetOil("Fourth", "31");
    ASSERT_EQ(lib.SaveRecord(-1), kTableOk);
    EXPECT_EQ(Names(), (std::vector<std::string>{"First", "Second, edited", "Third", "Fourth"}));
}

TEST_F(CustomLibTest, AFileInAnotherColumnOrderGetsTheRecordInItsOwnOrder) {
    WriteFile(path, kLine1 + "API\tOil Name\n" + "30\tFirst\n");
    ASSERT_EQ(lib.Load(), kTableOk);
    SetOil("Second", "32.5");
    ASSERT_EQ(lib.SaveRecord(-1), kTableOk);
    EXPECT_EQ(ReadFile(path), "1.0\t03/05/2024\tormix\nAPI\tOil Name\n30\tFirst\n32.5\tSecond\n");
}

TEST_F(CustomLibTest, RefusesWhatWouldCorruptTheLibrary) {
    const std::string before = kLine1 + Header() + "First\t1\n";
    WriteFile(path, before);
    ASSERT_EQ(lib.Load(), kTableOk);
    long first = lib.Summaries().at(0).position;
    SetOil("Edited", "30");
    EXPECT_NE(lib.SaveRecord(first + 1), kTableOk);  // not the start of an oil
    EXPECT_NE(lib.DeleteRecord(0), kTableOk);        // the identification line
    SetOil(std::string(5000, 'n'), "30");            // longer than a line
    EXPECT_EQ(lib.SaveRecord(-1), kTableLineTooLong);
    EXPECT_EQ(ReadFile(path), before);

    const std::string notALibrary = "some notes\nthe user keeps here\n";
    WriteFile(path, notALibrary);
    SetOil("New", "30");
    EXPECT_EQ(lib.SaveRecord(-1), kNotAnOilLibrary);
    EXPECT_EQ(ReadFile(path), notALibrary);
    EXPECT_FALSE(std::filesystem::exists(path + ".bak"));
}

TEST_F(CustomLibTest, AFailedWriteLeavesCustomLibExactlyAsItWas) {
    const std::string before = kLine1 + Header() + "First\t1\n" + "Second\t2\n";
    WriteFile(path, before);
    // Every write past the size of the old file fails, as on a full disk.
    const testing::ChildLimits full{30, static_cast<long long>(before.size())};
    auto inFullDisk = [&](bool save) {
        return testing::InChild(
                   [&] {
                       if (lib.Load() != kTableOk) return std::string("not loaded");
                       long second = lib.Summaries().at(1).position;
                       SetOil(std::string(200, 'N'), "30");
                       int rc = save ? lib.SaveRecord(-1) : lib.DeleteRecord(second);
                       return std::to_string(rc) + " " + lib.Problem();
                   },
                   full)
            .text;
    };
    EXPECT_EQ(inFullDisk(true), "-1 " + path + ": the file could not be written (File too large)");
    EXPECT_EQ(ReadFile(path), before);
    // Removing an oil makes a smaller file: it fits.
    EXPECT_EQ(inFullDisk(false), "0 ");
    EXPECT_EQ(ReadFile(path), "1.0\t03/05/2024\tormix\n" + Header() + "First\t1\n");
    // No new file is left beside the library (only its lock file).
    std::vector<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
        left.push_back(e.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"CustomLib", "CustomLib.lock"}));
}

// Runs `save` where the directory cannot be written; as root, in a child
// process that has given up root's right to write anywhere.
int SaveInUnwritableDirectory(const std::string& dir, const std::function<int()>& save) {
    chmod(dir.c_str(), 0555);
    if (geteuid() != 0) return save();
    pid_t pid = fork();
    if (pid == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(100);
        _exit(save() == kTableOk ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 101;
}

TEST_F(CustomLibTest, AnUnwritableDirectoryLeavesCustomLibExactlyAsItWas) {
    const std::string before = kLine1 + Header() + "First\t1\n";
    WriteFile(path, before);
    chmod(path.c_str(), 0644);
    int rc = SaveInUnwritableDirectory(dir.Path(), [this] {
        if (lib.Load() != kTableOk) return 200;
        SetOil("New", "30");
        return lib.SaveRecord(-1);
    });
    EXPECT_NE(rc, kTableOk);
    EXPECT_NE(rc, 100) << "could not drop root rights";
    EXPECT_NE(rc, 200) << "could not read CustomLib";
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_FALSE(std::filesystem::exists(path + ".bak"));
}

TEST_F(CustomLibTest, CopyRecordFromTakesEveryFieldOfTheOtherLibrary) {
    WriteFile(dir.File("OilLib"),
              kLine1 + "Location\tAPI\tOil Name\n" + "Gulf\t30.5\tSource Oil\n");
    OilLibrary oilLib(dir.Path(), "OilLib");
    ASSERT_EQ(oilLib.Load(), kTableOk);
    SetOil("stale", "1");
    ASSERT_EQ(lib.CopyRecordFrom(oilLib, oilLib.Summaries().at(0).position), kTableOk);
    EXPECT_EQ(lib.FieldText(oilfield::kOilName), "Source Oil");
    EXPECT_EQ(lib.FieldText(oilfield::kLocation), "Gulf");
    EXPECT_EQ(lib.FieldText(oilfield::kApi), "30.5");
    EXPECT_EQ(lib.JoinedLine(), "Source Oil\t\tGulf\t\t\t\t30.5");
}

}  // namespace
}  // namespace ormix
