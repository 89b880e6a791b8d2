// The table file: line ends, line and field limits, the header's column map,
// and how numbers are read and written.
#include "oil/table_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "core/constants.h"
#include "tests/temp_dir.h"

namespace ormix {
namespace {

using testing::TempDir;
using testing::WriteFile;

const char* const kNames[] = {"Name", "ID", "API"};

TEST(ParseNumber, ReadsAsTheLibraryReads) {
    // Text, decimals, value (-999: none).
    const std::tuple<const char*, int, double> cases[] = {
        {"", 4, NoData},         {"-999.0000", 2, NoData},
        {"abc", 4, NoData},      {"-", 4, NoData},
        {"nan", 4, NoData},      {"1e40", 4, NoData},  // beyond single precision
        {"12abc", 4, 12.0},      {"  3.14159", 2, 3.14},
        {".5", 1, 0.5},          {"2.5", 0, 3.0},
        {"-2.5", 0, -2.0},       {"0.0000123456", 10, 1.23456e-5},
        {"30.12346", 4, 30.1235}};
    for (auto [text, decimals, expected] : cases)
        EXPECT_NEAR(ParseTableNumber(text, decimals), expected, 1e-12) << '"' << text << '"';
}

TEST(FormatNumber, FixedDecimalsAndEmptyForNoData) {
    EXPECT_EQ(FormatTableNumber(876.5, 6), "876.500000");
    EXPECT_EQ(FormatTableNumber(2.5, 0), "3");
    EXPECT_EQ(FormatTableNumber(-0.0001, 2), "0.00");
    EXPECT_EQ(FormatTableNumber(NoData, 2), "");
    EXPECT_EQ(FormatTableNumber(NAN, 2), "");
}

// A table file "t" of three named fields in a fresh directory.
struct TableFileTest : ::testing::Test {
    TempDir dir;
    TableFile t{dir.File("t"), kNames, 3, 3};
    void Write(const std::string& bytes) { WriteFile(dir.File("t"), bytes); }
};

TEST_F(TableFileTest, EveryPairOfLineEndCharactersEndsOneLine) {
    // CR LF, LF, CR, LF CR, CR CR, LF LF, and a last line without an end.
    Write("a\r\nb\nc\rd\n\re\r\rf\n\ng");
    ASSERT_EQ(t.Open(true, 0), kTableOk);
    // Text, position and length with the line's end.
    for (auto [text, position, length] : {std::tuple{"a", 0, 3},
                                          {"b", 3, 2},
                                          {"c", 5, 2},
                                          {"d", 7, 3},
                                          {"e", 10, 3},
                                          {"f", 13, 3},
                                          {"g", 16, 1}}) {
        ASSERT_EQ(t.ReadLine(true), kTableOk);
        EXPECT_EQ(t.Line(), text);
        EXPECT_EQ(t.LinePosition(), position) << text;
        EXPECT_EQ(t.LineLength(), length) << text;
    }
    EXPECT_EQ(t.ReadLine(true), kTableEnd);
    EXPECT_TRUE(t.AtEnd());
}

TEST_F(TableFileTest, ALineHoldsAtMost4095CharactersWithItsEnd) {
    Write(std::string(4094, 'x') + "\n" + "next\n");
    ASSERT_EQ(t.Open(true, 0), kTableOk);
    EXPECT_EQ(t.ReadLine(false), kTableOk);
    EXPECT_EQ(t.LineLength(), 4095);
    EXPECT_EQ(t.ReadLine(false), kTableOk);
    EXPECT_EQ(t.Line(), "next");

    Write(std::string(4095, 'x') + "\n");
    ASSERT_EQ(t.Open(true, 0), kTableOk);
    EXPECT_EQ(t.ReadLine(false), kTableLineTooLong);
}

TEST_F(TableFileTest, At256FieldsFurtherFieldsAreIgnored) {
    std::string line;
    for (int i = 0; i < 300; ++i) {
        if (i) line += '\t';
        line += std::to_string(i);
    }
    Write(line + "\n");
    ASSERT_EQ(t.ReadRecordAt(0), kTableOk);
    EXPECT_EQ(t.ColumnCount(), 256);
    EXPECT_EQ(t.Column(255), "255");
    EXPECT_EQ(t.Column(256), "");
}

TEST_F(TableFileTest, FieldsCannotHoldTabsOrLineBreaksAndLongLinesAreCut) {
    ASSERT_EQ(t.BeginReplace(), kTableOk);
    t.SetFieldText(1, "a\tb\nc");
    t.SetFieldNumber(3, 30.25, 1);
    EXPECT_EQ(t.JoinedLine(), "a b c\t\t30.3");
    ASSERT_EQ(t.WriteLine(), kTableOk);
    t.ClearFields();
    t.SetFieldText(1, std::string(5000, 'y'));
    ASSERT_EQ(t.WriteLine(), kTableOk);
    ASSERT_EQ(t.CommitReplace(), kTableOk);
    EXPECT_EQ(testing::ReadFile(dir.File("t")), "a b c\t\t30.3\n" + std::string(4094, 'y') + "\n");
}

TEST(TableFileWrite, CopyRangeCopiesTheAskedBytesAndFailsWhenTheyAreNotThere) {
    TempDir dir;
    WriteFile(dir.File("src"), "0123456789");
    TableFile src(dir.File("src"), kNames, 3, 3), dst(dir.File("dst"), kNames, 3, 3);
    ASSERT_EQ(dst.BeginReplace(), kTableOk);
    EXPECT_EQ(src.CopyRange(dst, 2, 5), kTableOk);
    EXPECT_EQ(src.CopyRange(dst, 8, -1), kTableOk);
    EXPECT_EQ(src.CopyRange(dst, 8, 20), kTableEnd);
    ASSERT_EQ(dst.CommitReplace(), kTableOk);
    EXPECT_EQ(testing::ReadFile(dir.File("dst")), "2348989");
}

TEST(TableFileOpen, MissingFileAndDirectory) {
    TempDir dir;
    TableFile missing(dir.File("none"), kNames, 3, 3);
    EXPECT_EQ(missing.Open(true, 0), kTableNotFound);
    TableFile directory(dir.Path(), kNames, 3, 3);
    EXPECT_EQ(directory.Open(true, 0), kTableEnd);
    EXPECT_EQ(directory.ReadLine(true), kTableLineTooLong);  // no open file
}

}  // namespace
}  // namespace ormix
