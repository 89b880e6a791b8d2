#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "core/units.h"

namespace ormix {
namespace {

struct Conversion {
    UnitCategory category;
    int code;
    double value;
    double expected;
};

std::ostream& operator<<(std::ostream& os, const Conversion& c) {
    return os << "category " << static_cast<int>(c.category) << " code " << c.code << " value "
              << c.value;
}

class ConvertToSITest : public ::testing::TestWithParam<Conversion> {};

TEST_P(ConvertToSITest, GivesTheStatedFactor) {
    const Conversion& c = GetParam();
    EXPECT_NEAR(ConvertToSI(c.category, c.code, c.value), c.expected, 1e-9 * std::abs(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Units, ConvertToSITest,
    ::testing::Values(Conversion{UnitCategory::Volume, si::kBarrel, 1, 0.158987294928},
                      Conversion{UnitCategory::Volume, si::kGallon, 1000, 3.785411784},
                      Conversion{UnitCategory::Volume, si::kCubicMetre, 7, 7},
                      Conversion{UnitCategory::Length, si::kMile, 1, 1609.344},
                      Conversion{UnitCategory::Area, si::kSquareFoot, 1, 0.0929335225},
                      Conversion{UnitCategory::Area, si::kSquareYard, 1, 0.8362188025},
                      Conversion{UnitCategory::Speed, si::kKnot, 10, 10 * 1.852 / 3.6},
                      Conversion{UnitCategory::Speed, si::kMph, 1, 1.609 / 3.6},
                      Conversion{UnitCategory::Speed, si::kKilometrePerHour, 36, 10},
                      Conversion{UnitCategory::Temperature, si::kFahrenheit, 60, 288.7055555555556},
                      Conversion{UnitCategory::Temperature, si::kCelsius, 15, 288.15},
                      Conversion{UnitCategory::Mass, si::kGram, 500, 0.5},
                      Conversion{UnitCategory::Mass, si::kKilogram, 3, 3},
                      Conversion{UnitCategory::Mass, si::kShortTon, 10, 9072},
                      Conversion{UnitCategory::Time, si::kDay, 1, 86400}));

TEST(ConvertToSI, UnknownCodeGivesZero) {
    EXPECT_EQ(ConvertToSI(UnitCategory::Volume, 10, 5), 0);
    EXPECT_EQ(ConvertToSI(UnitCategory::Mass, 3, 5), 0);
    EXPECT_EQ(ConvertToSI(UnitCategory::Temperature, 3, 5), 0);
    EXPECT_EQ(ConvertToSI(UnitCategory::Length, -1, 5), 0);
}

TEST(SeawaterDensity, MatchesTheEquationOfState) {
    EXPECT_NEAR(SeawaterDensity(20, 35), 1024.76, 0.01);
    EXPECT_NEAR(SeawaterDensity(4, 0), 999.97, 0.01);  // fresh water near its densest
    EXPECT_NEAR(SeawaterDensity((60 - 32) * 5.0 / 9.0, 32), SeawaterDensity(15.5556, 32), 1e-3);
}

TEST(SeawaterDensity, NegativeTemperatureOrSalinityGives1024) {
    EXPECT_EQ(SeawaterDensity(-1, 35), 1024.0);
    EXPECT_EQ(SeawaterDensity(10, -0.5), 1024.0);
}

}  // namespace
}  // namespace ormix
