#include <gtest/gtest.h>

#include "core/units.h"

namespace ormix {
namespace {

TEST(ConvertToSI, UnknownCodeGivesZero) {
    EXPECT_EQ(ConvertToSI(UnitCategory::Volume, 10, 5), 0);
    EXPECT_EQ(ConvertToSI(UnitCategory::Length, -1, 5), 0);
}

TEST(SeawaterDensity, MatchesTheEquationOfStateAndFallsBackTo1024) {
    EXPECT_NEAR(SeawaterDensity(20, 35), 1024.76, 0.01);
    // A negative temperature or salinity is no water the equation knows.
    EXPECT_EQ(SeawaterDensity(-1, 35), 1024.0);
    EXPECT_EQ(SeawaterDensity(10, -0.5), 1024.0);
}

}  // namespace
}  // namespace ormix
