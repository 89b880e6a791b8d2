// The oil library file: loading good and malformed files, the summaries with
// their texts and sort keys, and the rewrite of CustomLib.
#include "oil/oil_library.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <tuple>
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

// A library file written into a fresh directory.
struct Written {
    TempDir dir;
    OilLibrary lib;
    explicit Written(const std::string& bytes) : lib(dir.Path(), "OilLib") {
        WriteFile(dir.File("OilLib"), bytes);
    }
};

// The texts and sort keys of a summary, in one line.
std::string Describe(const OilSummary& s) {
    char keys[64];
    std::snprintf(keys, sizeof keys, "%g|%g|%g", s.apiKey, s.pourKeyC, s.pourKeyF);
    return s.name + "|" + s.source + "|" + s.location + "|" + s.apiText + "|" + s.pourTextC + "|" +
           s.pourTextF + "|" + s.oilId + "|" + keys;
}

TEST(LoadFile, GivesTheStatedStatusAndNeverCrashes) {
    // The bytes, the status and the number of oils.
    const std::tuple<std::string, int, size_t> cases[] = {
        {"", kTableEnd, 0},
        {"1.0\t01/02/2024\tORMIX\n" + Header(), kNotAnOilLibrary, 0},
        {"1.0\t01/02/2024\tormix \n" + Header(), kNotAnOilLibrary, 0},
        {Header() + Oil("A", "1", "30"), kNotAnOilLibrary, 0},
        {kLine1 + Header(), kTableOk, 0},
        {kLine1 + Header() + "\n\t\t\n" + Oil("A", "1", "30") + "\r\n\r\n" + Oil("B", "2", "31"),
         kTableOk, 2}};
    for (const auto& [bytes, status, oils] : cases) {
        SCOPED_TRACE(bytes.substr(0, 24));
        Written w(bytes);
        EXPECT_EQ(w.lib.Load(), status);
        EXPECT_EQ(w.lib.Summaries().size(), oils);
        EXPECT_EQ(w.lib.HasSummaries(), status == 0);
    }
}

TEST(LoadFile, AnOverlongLineIsNamedByFileAndLine) {
    Written w(kLine1 + Header() + "First\t1\n" + std::string(4095, 'x') + "\n");
    EXPECT_EQ(w.lib.Load(), kTableLineTooLong);
    EXPECT_EQ(w.lib.Problem(), w.dir.File("OilLib") +
                                   ", line 4: longer than 4095 characters, the most a line of the "
                                   "file may hold");
}

TEST(LoadFile, MixedLineEndsGivePositionsThatReadTheRightOil) {
    std::string header = Header();
    header.back() = '\r';
    Written w("1.0\t01/02/2024\tormix\r\n" + header + "Alpha\tA1\r\n" + "Beta, Lab\tB2\n\r" +
              "Gamma\tC3\r" + "Delta\tD4");
    OilLibrary& lib = w.lib;
    ASSERT_EQ(lib.Load(), kTableOk);
    EXPECT_EQ(lib.Version(), "1.0");
    ASSERT_EQ(lib.Summaries().size(), 4u);
    const char* ids[] = {"A1", "B2", "C3", "D4"};
    for (size_t i = 0; i < 4; ++i) {
        const OilSummary& s = lib.Summaries()[i];
        EXPECT_EQ(s.oilId, ids[i]);
        ASSERT_EQ(lib.ReadRecordAt(s.position), kTableOk);
        EXPECT_EQ(lib.FieldText(oilfield::kOilId), ids[i]);
    }
}

TEST(LoadFile, ColumnsInAnyOrderReadTheSameValues) {
    Written w(kLine1 + "Extra\tAPI\tLocation\tOil Name\n" +
              "x\t30.55\tGulf\tReordered, Somewhere\n");
    ASSERT_EQ(w.lib.Load(), kTableOk);
    ASSERT_EQ(w.lib.Summaries().size(), 1u);
    // No ID column: an empty ID.
    EXPECT_EQ(Describe(w.lib.Summaries()[0]), "Reordered|Somewhere|Gulf|30.6||||305.5|9999|9999");
}

// The pour point's minimum and maximum, and the texts and sort keys in
// degrees C and F (after the name, source, location, API and ID).
TEST(Summary, PourPointTextsAndSortKeys) {
    for (auto [min, max, expected] :
         {std::array{"<", "266.15", "less than -7|less than 19||9999|-74|186"},
          {">", "266.15", "greater than -7|greater than 19||9999|-66|194"},
          {"265.15", "270.15", "-8 to -3|18 to 27||9999|-78|182"},
          {"270.15", "270.15", "-3|27||9999|-30|270"},
          {"", "270.15", "-3|27||9999|9999|9999"},
          {"", "", "|||9999|9999|9999"}}) {
        Written w(kLine1 + "Oil Name\tPour Point Min (K)\tPour Point Max (K)\n" + "Oil\t" + min +
                  "\t" + max + "\n");
        ASSERT_EQ(w.lib.Load(), kTableOk);
        EXPECT_EQ(Describe(w.lib.Summaries().at(0)), std::string("Oil||||") + expected);
    }
}

TEST(Summary, NameAndSourceSplitAtTheFirstCommaAndTextsAreCut) {
    Written w(kLine1 + Header() + Oil("Crude,   Lab, second", "1", "") +
              Oil("A name much longer than thirty-one characters, and a long source text", "2",
                  "123456.78"));
    ASSERT_EQ(w.lib.Load(), kTableOk);
    EXPECT_EQ(Describe(w.lib.Summaries().at(0)), "Crude|Lab, second|||||1|9999|9999|9999");
    EXPECT_EQ(Describe(w.lib.Summaries().at(1)),
              "A name much longer than thirty-|and a long sour||123456.|||2|1.23457e+06|9999|9999");
}

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
};

TEST_F(CustomLibTest, SavingIntoAMissingLibraryMakesThreeLinesAndDeletingLeavesTwo) {
    EXPECT_EQ(lib.Load(), kTableNotFound);
    SetOil("Test Oil, Lab", "30");
    lib.SetFieldText(oilfield::kOilId, "C1");
    ASSERT_EQ(lib.SaveRecord(-1), kTableOk);
    EXPECT_EQ(ReadFile(path),
              "1.0\t03/05/2024\tormix\n" + Header() + "Test Oil, Lab\tC1\t\t\t\t\t30\n");
    EXPECT_FALSE(std::filesystem::exists(path + ".bak"));
    ASSERT_EQ(lib.Summaries().size(), 1u);
    EXPECT_EQ(lib.Date(), "03/05/2024");
    // Deleting the only oil leaves the two first lines.
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
    EXPECT_EQ(lib.Summaries().at(1).fullName, "Second, edited");

    // A new oil after a last line without an end starts a line of its own.
    SetOil("Fourth", "31");
    ASSERT_EQ(lib.SaveRecord(-1), kTableOk);
    ASSERT_EQ(lib.Summaries().size(), 4u);
    EXPECT_EQ(lib.Summaries()[3].fullName, "Fourth");
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

// An unwritable directory (a child process gives up root's rights).
TEST_F(CustomLibTest, AnUnwritableDirectoryLeavesCustomLibExactlyAsItWas) {
    const std::string before = kLine1 + Header() + "First\t1\n";
    WriteFile(path, before);
    chmod(path.c_str(), 0644);
    chmod(dir.Path().c_str(), 0555);
    const std::string rc = testing::InChild([this] {
                               if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                                   return std::string("could not drop root rights");
                               if (lib.Load() != kTableOk) return std::string("not loaded");
                               SetOil("New", "30");
                               return std::to_string(lib.SaveRecord(-1));
                           }).text;
    EXPECT_EQ(rc, std::to_string(kTableEnd));
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
    EXPECT_EQ(lib.JoinedLine(), "Source Oil\t\tGulf\t\t\t\t30.5");
}

}  // namespace
}  // namespace ormix
