#include "core/Handle.h"
#include "core/FloatError.h"
#include "core/Globals.h"

#include "core/NumberSettingsTest.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

namespace quillon {
namespace {

// Process-wide format settings are changed per test and restored afterwards.
class HandleTest : public test::NumberSettingsTest {};

TEST_F(HandleTest, FormatNumberSwitchesNotationAndRoundsCorrectly) {
    struct Row {
        int precision;
        Extended x;
        const char* text;
    };
    const Row rows[] = {
        // clang-format off
        {5, 1234.5678L, "1234,6"}, {5, 123456, "1,2346E5"}, {5, 99999.5L, "1E5"},
        {5, 0.00012345L, "0,00012345"}, {5, 0.000012345L, "1,2345E-5"}, {5, Pi, "3,1416"}, {5, -0.5L, "-0,5"},
        {5, 0.0001L, "0,0001"}, {5, 0.00001L, "1E-5"}, {5, 100000, "1E5"}, {5, 12345, "12345"}, {5, 0, "0"},
        {5, -3e-7L, "-3E-7"}, {5, 1e-4000L, "1E-4000"}, {5, 1200, "1200"},
        // An exact half goes to the even digit.
        {2, 0.125L, "0,12"}, {2, 0.375L, "0,38"}, {2, 125, "1,2E2"},
        // Precision is clamped to 2..18, also in the choice of notation.
        {0, 123, "1,2E2"}, {1, 12, "12"}, {30, 1, "1"}, {30, 1.0L / 3, "0,333333333333333333"},
        {18, 123456789012345678.0L, "123456789012345678"}, {18, 1234567890123456789.0L, "1,23456789012345679E18"},
        // clang-format on
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        Precision = row.precision;
        EXPECT_EQ(FormatNumber(row.x), row.text);
    }
}

TEST_F(HandleTest, FormatNumberUsesTheDecimalSeparator) {
    DecimalSeparator = '.';
    EXPECT_EQ(FormatNumber(2.5L), "2.5");
    EXPECT_EQ(FormatNumber(1.5e-9L), "1.5E-9");
}

TEST_F(HandleTest, ExactValueTextNamesExactValues) {
    struct Row {
        Extended x;
        bool isAngle;
        const char* text;
    };
    const Row rows[] = {
        // clang-format off
        {Pi / 2, false, "Pi/2"}, {-Pi / 2, true, "-Pi/2 -> 3Pi/2"}, {-Pi / 2, false, "-Pi/2"},
        {-Pi / 4, true, "-Pi/4 -> 7Pi/4"}, {-3 * Pi / 4, true, "-3Pi/4 -> 5Pi/4"}, {-Pi, true, "-Pi -> Pi"},
        {-5 * Pi / 4, true, "-5Pi/4"}, {3 * Pi / 2, false, "3Pi/2"}, {7 * Pi / 4, false, "7Pi/4"},
        {2 * Pi, false, "2*Pi -> 0"}, {2, false, "2"}, {-1, true, "-1"}, {0, true, "0"},
        {-0.5L, true, "-0,5 -> 5,78318530717959"}, {-0.5L, false, "-0,5"}, {1.5L, false, "1,5"},
        // A square that underflows to 0 is no Sqrt(0).
        {1e-3000L, false, "1E-3000"},
        // clang-format on
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(ExactValueText(row.x, row.isAngle), row.text);
    }
    // sqrt(5) squares back to exactly 5 in extended precision (sqrt(3) does not).
    EXPECT_EQ(ExactValueText(-std::sqrt(5.0L), false), "-Sqrt(5)");
    EXPECT_EQ(ExactValueText(std::sqrt(6.0L), true), "Sqrt(6)");
}

TEST_F(HandleTest, ExactValueTextOfHugeValuesShowsThemAndRaisesNothing) {
    const struct {
        Extended x;
        const char* text;
    } rows[] = {
        {9223372036854775808.0L, "9,22337203685478E18"},
        {-1e30L, "-1E30"},
        {3037000500.5L, "3037000500,5"}, // its square is above 2^63
        {std::numeric_limits<Extended>::quiet_NaN(), "NAN"},
        {-std::numeric_limits<Extended>::infinity(), "-INF"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        ClearFloatFlags();
        EXPECT_EQ(ExactValueText(row.x, true), row.text);
        EXPECT_FALSE(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW));
    }
}

TEST_F(HandleTest, EveryWrittenNumberReadsBackFinite) {
    using Limits = std::numeric_limits<Extended>;
    const Extended values[] = {Limits::max(), -Limits::max(), std::nextafter(Limits::max(), Extended(0)),
                               Limits::min(), Limits::denorm_min(), 9.99999999999999999e4931L};
    for (int precision = 1; precision <= 18; ++precision) {
        Precision = precision;
        for (const Extended x : values) {
            const std::string text = FormatNumber(x);
            SCOPED_TRACE(text);
            Extended back = 0;
            EXPECT_NO_THROW(back = EvaluateText(text));
            EXPECT_TRUE(std::isfinite(back));
            EXPECT_EQ(std::signbit(back), std::signbit(x));
        }
    }
    Precision = 18;
    EXPECT_EQ(FormatNumber(Limits::max()), "1,18973149535723176E4932");
}

TEST_F(HandleTest, EvaluateTextRunsTheFormulaAtOne) {
    EXPECT_EQ(EvaluateText("x"), 1);
    EXPECT_EQ(EvaluateText("3*x^0+1"), 4);
    EXPECT_THROW(EvaluateText(""), FormulaError);
    // Fields hold what FormatNumber wrote, and read back to the same text.
    for (Extended x : {1.2345e-5L, -3e-7L, 123456.0L, Pi}) {
        const std::string text = FormatNumber(x);
        SCOPED_TRACE(text);
        EXPECT_EQ(FormatNumber(EvaluateText(text)), text);
    }
}

} // namespace
} // namespace quillon
