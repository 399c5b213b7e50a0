#include "math/MathText.h"
#include "core/Globals.h"

#include "core/NumberSettingsTest.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

// The texts depend on the process-wide format settings; each test sets them and gets them back.
class MathTextTest : public test::NumberSettingsTest {};

TEST_F(MathTextTest, VectorLinePlaneAndSphereTexts) {
    EXPECT_EQ(VectorText({1, 2.5L, -3}), "(1 ;2,5 ;-3)");
    EXPECT_EQ(VectorText({1234.5678L, 1e-7L, 0}), "(1234,6 ;1E-7 ;0)");
    EXPECT_EQ(LineText({{1, 0, -2}, {0.5L, 1, 0}}), "x= (1 ;0 ;-2) + t * (0,5 ;1 ;0)");
    EXPECT_EQ(PlaneParamText({{1, 2, 3}, {4, 5, 6}, {-7, 8, 9.25L}}),
              "x= (1 ;2 ;3) + t * (4 ;5 ;6) + s * (-7 ;8 ;9,25)");
    EXPECT_EQ(SphereText({{1, 2, 3}, 4.5L}), "m = (1 ;2 ;3); r = 4,5");

    Precision = 3;
    DecimalSeparator = '.';
    EXPECT_EQ(VectorText({Pi, -2.0L / 3, 100000}), "(3.14 ;-0.667 ;1E5)");
}

TEST_F(MathTextTest, PlaneEquationTerms) {
    struct Row {
        TVektor normal;
        Extended d;
        const char* text;
    };
    const Row rows[] = {
        {{1, -2, 0}, 3, "x - 2 y = 3"},
        {{0, 1, 1}, 5, "+ y + z = 5"},
        {{2.5L, -1, 1}, -4, "2,5 x - y + z = -4"},
        {{-1, 3, -0.5L}, 0, "- x + 3 y - 0,5 z = 0"},
        {{-2, 0, 0}, 1.5L, "- 2 x = 1,5"},
        {{0, 0, -1}, 2, "- z = 2"},
        {{0, -7, 0}, -1, "- 7 y = -1"},
        {{0, 0, 0}, 7, "= 7"},
        // Only an exact 1 loses its coefficient, even where the rounded text reads 1.
        {{1.000001L, 0, 0}, 1, "1 x = 1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(PlaneEquationText(row.normal, row.d), row.text);
    }
    EXPECT_EQ(PlaneEquationText(TEbeneKoord{{0, 2, -1}, 0.25L}), "+ 2 y - z = 0,25");
}

TEST_F(MathTextTest, MatrixColumnsArePaddedToTheirWidestEntry) {
    const TMatrix m{{1, -2.5L, 0, 10, 3, 0, 100, 1e-9L, 0}};
    const std::array<std::string, 9> expected = {
        "1  ", "-2,5", "0", //
        "10 ", "3   ", "0", //
        "100", "1E-9", "0",
    };
    EXPECT_EQ(AlignMatrixColumns(m), expected);
}

} // namespace
} // namespace quillon
