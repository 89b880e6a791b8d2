// Choosing an oil: the checks and their messages, the scenario's oil texts,
// the InputOil record, the lists and look-ups and the property display.
#include "oil/oil_selection.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "core/constants.h"
#include "tests/temp_dir.h"

namespace ormix {
namespace {

using testing::TempDir;
using testing::WriteFile;

const char kHeader[] =
    "Oil Name\tORMIX Oil ID\tLocation\tSynonyms\tAPI\tPour Point Min (K)\tPour Point Max "
    "(K)\tFlash Point Min (K)\tFlash Point Max (K)\tProduct Type\tAdhesion\tAromatics\t"
    "Density#1 (kg/m^3)\tDensity#1 Ref Temp (K)\tDensity#1 Weathering\tKVis#1 (m^2/s)\t"
    "KVis#1 Ref Temp (K)\tCut#1 Vapor Temp (K)\tCut#1 Fraction\tCut#2 Vapor Temp (K)\t"
    "Cut#2 Fraction\tCut Units\tWater Content Emulsion\tEmuls Constant Max\tBenezene\n";

// The scenario's oil texts in one line.
std::string Describe(const OilTexts& t) {
    return t.OilLibDate + "|" + t.OilOrmixID + "|" + t.OilName + "|" + t.Location + "|" +
           t.Synonyms + "|" + t.ProductType + "|" + t.API + "|" + t.PourPoint + "|" + t.FlashPoint +
           "|" + t.Adhesion + "|" + t.Aromatics;
}

struct SelectionTest : ::testing::Test {
    TempDir dir;
    OilLibrary lib{dir.Path(), "OilLib"};
    CollectingSink messages;

    void Write(const std::string& lines) {
        WriteFile(dir.File("OilLib"), "1.0\t02/03/2024\tormix\n" + std::string(kHeader) + lines);
        ASSERT_EQ(lib.Load(), kTableOk);
    }
    long Position(size_t i) const { return lib.Summaries().at(i).position; }
};

TEST_F(SelectionTest, ALibraryOilFillsTheTextsAndTheModelRecord) {
    Write(
        "Medium Crude\tX1\tGulf\t\t30.12346\t264.15\t270.15\t<\t263.15\tcrude\t12.5\t0.254\t"
        "876.12345\t288.15\t0\t0.0000123456789\t288.15\t373.15\t0.1\t473.15\t0.3\tweight %\t"
        "0.8\t0.25\t0.002\n");
    OilChoice choice;
    ASSERT_TRUE(ChooseLibraryOil(lib, Position(0), choice, messages));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(Describe(choice.texts),
              "02/03/2024|X1|Medium Crude|Gulf|none listed|crude|30.1|-9 to -3 deg C|"
              "less than -10 deg C|12.50|25");

    // The record: name and type, API, first density point, first kinematic
    // and dynamic viscosities, the second and third cuts, the cut units,
    // emulsion water content and onset, onset time, water uptake rate,
    // benzene and asphaltenes (-999: not known).
    const InputOil& o = choice.oil;
    char record[400];
    std::snprintf(
        record, sizeof record,
        "%s|%s|%.9g|%.9g %.9g %.9g|%.9g %.9g|%.9g %.9g %.9g|%d|%.9g %.9g %.9g %.9g|%.9g %.9g",
        o.name, o.productType, o.api, o.rhoRef_value[0], o.rhoRef_temp[0], o.rhoRef_fevap[0],
        o.viscRef_value[0], o.dyViscRef_value[0], o.dist_temp[1], o.dist_frac[1], o.dist_temp[2],
        o.dist_volumeFrac, o.waterContent, o.bullwinkle, o.bulltime, o.waterUptakeRate, o.benzene,
        o.asphalt);
    EXPECT_STREQ(record,
                 "Medium Crude|crude|30.1235|876.123474 288.15 0|1.23457e-05 -999|473.15 0.3 "
                 "-999|0|0.8 0.25 -999 -999|0.002 -999");

    OilChoice copy = choice;
    ClearChosenOil(copy.texts, copy.oil);
    EXPECT_EQ(Describe(copy.texts), "||||||||||");
    EXPECT_EQ(copy.oil.api, NoData);
    EXPECT_EQ(copy.oil.rhoRef_value[0], NoData);
}

TEST_F(SelectionTest, BadLibraryOilsAreRefusedAndThePreviousOilStays) {
    Write(
        "Too Heavy\tX1\t\t\t5\nNo Data\tX2\nVolume\tX3\t\t\t\t<\t266.15\t\t\trefined\n"
        "A rather long custom oil name, Lab\tX4\t\t\t30\n");
    OilChoice choice;
    std::strcpy(choice.oil.name, "previous");
    EXPECT_FALSE(ChooseLibraryOil(lib, Position(0), choice, messages));
    EXPECT_FALSE(ChooseLibraryOil(lib, Position(1), choice, messages));
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text,
              "The API must be between 6 and 100. There is an error in the Oil Library");
    EXPECT_EQ(messages.messages[1].text,
              "ORMIX requires either (a) the API or (b) the fresh oil density. There is an error "
              "in the Oil Library");
    EXPECT_STREQ(choice.oil.name, "previous");

    // A custom oil is taken without these checks, and says it is custom.
    OilChoice custom;
    ASSERT_TRUE(ChooseCustomOil(lib, Position(2), custom, messages));
    EXPECT_EQ(Describe(custom.texts),
              "02/03/2024|X3|Volume (custom oil)|unknown|none listed|refined|unknown|-7 deg C or "
              "less|unknown||");
    EXPECT_EQ(custom.oil.dist_volumeFrac, 1);
    // The model's name is the display name cut to 31 characters.
    ASSERT_TRUE(ChooseCustomOil(lib, Position(3), custom, messages));
    EXPECT_EQ(custom.texts.OilName, "A rather long custom oil name, Lab (custom oil)");
    EXPECT_STREQ(custom.oil.name, "A rather long custom oil name, ");
    EXPECT_FALSE(ChooseCustomOil(lib, -1, custom, messages));
    EXPECT_EQ(messages.messages.back().text,
              "Please Select an Oil\n\nNo oil has been selected in the list.");
}

TEST_F(SelectionTest, ListsSortAndLookUpsFindByNameOrId) {
    Write(
        "beta, Lab\tB\t\t\t40\t270.15\t270.15\n"
        "Alpha\tA\tNorth Sea\t\t20\t<\t270.15\n"
        "Gamma\tG\t\t\t\t\t\n"
        "Beta, Other\tB2\t\t\t30\t>\t270.15\n");
    auto names = [](const std::vector<const OilSummary*>& oils) {
        std::string s;
        for (const OilSummary* o : oils)
            s += o->oilId + " ";
        return s;
    };
    EXPECT_EQ(names(SortedSummaries(lib, OilSort::Name)), "A B B2 G ");
    EXPECT_EQ(names(SortedSummaries(lib, OilSort::Api)), "A B2 B G ");
    EXPECT_EQ(names(SearchSummaries(SortedSummaries(lib, OilSort::Name), "NORTH")), "A ");
    EXPECT_EQ(names(FindOils(lib, " g ")), "G ");
    EXPECT_EQ(names(FindOils(lib, "beta, other")), "B2 ");
    EXPECT_EQ(names(FindOils(lib, "Beta")), "B B2 ");
}

TEST_F(SelectionTest, PropertyDisplayShowsDisplayUnitsAndDecimals) {
    Write(
        "Shown\tS1\t\t\t30.05\t>\t270.15\t300.15\t310.15\tcrude\t12.5\t0.254\t876.5\t288.15\t0\t"
        "0.00002\t288.15\t373.15\t0.1\t473.15\t0.3\tvolume %\t0.8\t\t0.002\n");
    ASSERT_EQ(lib.ReadRecordAt(Position(0)), kTableOk);
    OilPropertyDisplay d = BuildOilPropertyDisplay(lib, TemperatureUnit::Celsius);
    EXPECT_EQ(d.title, "Oil/Product Properties");
    EXPECT_EQ(d.libraryVersion, "library version 1.0, 02/03/2024");
    ASSERT_EQ(d.pages.size(), 4u);
    auto item = [&](size_t page, const std::string& label) {
        for (const PropertyItem& i : d.pages[page].items)
            if (i.label == label) return i.value;
        return std::string("(missing)");
    };
    EXPECT_EQ(item(0, "Reference"), "unavailable");
    EXPECT_EQ(item(2, "Pour Point"), "more than -3 deg C");
    EXPECT_EQ(item(2, "Flash Point"), "27 to 37 deg C");
    // Percentages show what the library holds: 0.254 is 25.4 %, 0.002 is 0.2 %.
    EXPECT_EQ(item(2, "Aromatics (%)"), "25.4");
    EXPECT_EQ(item(2, "Benzene (%)"), "0.2");
    EXPECT_EQ(item(2, "Water Content of Emulsion"), "80.0 %");
    EXPECT_EQ(item(2, "Adhesion"), "12.50 g/m2");
    EXPECT_EQ(d.pages[1].tables.at(0).rows.at(0),
              (std::vector<std::string>{"0.8765 at 15 deg C", "0"}));
    EXPECT_EQ(d.pages[1].tables.at(1).rows.at(0)[0], "20.00 at 15 deg C");
    EXPECT_TRUE(d.pages[1].tables.at(2).rows.empty());
    EXPECT_EQ(d.pages[3].tables.at(0).rows.at(1), (std::vector<std::string>{"200 deg C", "30"}));

    OilPropertyDisplay f = BuildOilPropertyDisplay(lib, TemperatureUnit::Fahrenheit);
    EXPECT_EQ(f.pages[1].tables.at(0).rows[0][0], "0.8765 at 59 deg F");
}

TEST(LoadMessages, OnePerStatus) {
    EXPECT_EQ(OilLibraryLoadMessage(0), "");
    EXPECT_EQ(OilLibraryLoadMessage(kTableNotFound),
              "Unable to read the Oil Library\n\nORMIX cannot find the file. The oil library file "
              "is named 'OilLib' and must be in the same directory as Ormix2.exe. For now, a "
              "default oil and its properties will be used.");
}

}  // namespace
}  // namespace ormix
