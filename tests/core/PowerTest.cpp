#include "core/FloatError.h"
#include "core/Globals.h"

#include "core/NearL.h"

#include <gtest/gtest.h>

#include <cfenv>

namespace quillon {
namespace {

TEST(PowerTest, IntegralExponentsUseRepeatedSquaringSoNegativeBasesWork) {
    EXPECT_EQ(Power(-2, 3), -8);
    EXPECT_EQ(Power(-2, 2), 4);
    EXPECT_EQ(Power(2, -2), 0.25L);
    EXPECT_EQ(Power(7, 0), 1);
    EXPECT_EQ(Power(0, 0), 1);
    EXPECT_EQ(Power(0, 2.5L), 0);
}

TEST(PowerTest, NonIntegralExponentsGoThroughExpAndLn) {
    EXPECT_NEAR_L(Power(2, 0.5L), 1.4142135623730951, 1e-15);
    EXPECT_NEAR_L(Power(27, 1.0L / 3), 3.0, 1e-15);
}

TEST(PowerTest, EachFloatingPointEventThrowsItsKind) {
    struct Row {
        const char* name;
        Extended base, exponent;
        FloatErrorKind kind;
    };
    const Row rows[] = {
        {"zero to -1", 0, -1, FloatErrorKind::DivisionByZero},
        {"-8 to 1/3", -8, 1.0L / 3, FloatErrorKind::InvalidOperation},
        {"10 to 5000", 10, 5000, FloatErrorKind::Overflow},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            Power(row.base, row.exponent);
            ADD_FAILURE() << "no error";
        } catch (const FloatError& error) {
            EXPECT_EQ(error.kind(), row.kind);
        }
    }
}

TEST(PowerTest, LeavesTheCallersPendingFlagsAlone) {
    ClearFloatFlags();
    std::feraiseexcept(FE_INEXACT);
    Power(2, 10);
    EXPECT_TRUE(std::fetestexcept(FE_INEXACT));
    EXPECT_FALSE(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW));
}

TEST(SphereHelpersTest, RoundTripAndFailures) {
    EXPECT_NEAR_L(RadiusFromVolume(SphereVolume(2)), 2.0, 1e-15);
    EXPECT_NEAR_L(RadiusFromSurface(SphereSurface(3)), 3.0, 1e-15);
    EXPECT_EQ(RadiusFromVolume(0), 0);
    EXPECT_THROW(RadiusFromVolume(-1), FloatError);
    EXPECT_THROW(RadiusFromSurface(-1), FloatError);
    EXPECT_EQ(RadToDeg(Pi), 180);
    EXPECT_EQ(DegToRad(180), Pi);
}

} // namespace
} // namespace quillon
