#include "core/FloatError.h"
#include "math/GMatrix.h"
#include "math/GVektor.h"

#include "core/NearL.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <string>

namespace quillon {
namespace {

constexpr int Watched = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

void ExpectExact(TVektor actual, TVektor expected) {
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
    EXPECT_EQ(actual.z, expected.z);
}

void ExpectNear(TVektor actual, TVektor expected, Extended tolerance = 1e-17L) {
    EXPECT_NEAR_L(actual.x, expected.x, tolerance);
    EXPECT_NEAR_L(actual.y, expected.y, tolerance);
    EXPECT_NEAR_L(actual.z, expected.z, tolerance);
}

TEST(VektorTest, ArithmeticKeepsOperandOrderAndSigns) {
    const TVektor a{1, 2, 3};
    const TVektor b{4, -5, 6};
    struct Row {
        const char* name;
        TVektor actual;
        TVektor expected;
    };
    const Row rows[] = {
        {"VAdd", VAdd(a, b), {5, -3, 9}},
        {"VSub", VSub(a, b), {-3, 7, -3}},
        {"VScale", VScale(a, -2), {-2, -4, -6}},
        {"VCompMul", VCompMul(a, b), {4, -10, 18}},
        {"VDivScalar", VDivScalar(b, 2), {2, -2.5L, 3}},
        {"VCross", VCross(a, b), {27, 6, -13}},
        {"VCross swapped", VCross(b, a), {-27, -6, 13}},
        {"VCross basis", VCross({1, 0, 0}, {0, 1, 0}), {0, 0, 1}},
        {"VDivScalar by 0", VDivScalar(a, 0), {0, 0, 0}},
        {"VDivScalar by -0", VDivScalar(a, -0.0L), {0, 0, 0}},
        {"VUnit", VUnit({0, -3, 4}), {0, -0.6L, 0.8L}},
        {"VUnit of zero", VUnit(NullVektor), {0, 0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ExpectNear(row.actual, row.expected, 1e-18L);
    }
    EXPECT_EQ(VDot(a, b), 12);
    EXPECT_EQ(VLength({2, -3, 6}), 7);
    EXPECT_EQ(VSpat({1, 0, 0}, {0, 1, 0}, {0, 0, 1}), 1);
    EXPECT_EQ(VSpat(a, b, {7, 8, -9}), 354);
    EXPECT_EQ(VSpat(a, {7, 8, -9}, b), -354);
}

TEST(VektorTest, AngleFallsBackToZeroWithoutLengthOrBeyondUnitCosine) {
    struct Row {
        const char* name;
        TVektor a, b;
        Extended angle;
    };
    const Row rows[] = {
        {"zero first", NullVektor, {1, 2, 3}, 0},
        {"zero second", {1, 2, 3}, NullVektor, 0},
        {"right angle", {1, 0, 0}, {0, 1, 0}, Pi / 2},
        {"opposite", {1, 0, 0}, {-2, 0, 0}, Pi},
        {"obtuse", {1, 0, 0}, {-1, 1, 0}, 3 * Pi / 4},
        // These cosines round to just above 1 and just below -1.
        {"parallel, rounded", {1, 3, 7}, {1, 3, 7}, 0},
        {"antiparallel, rounded", {1, 3, 1}, {-1, -3, -1}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ClearFloatFlags();
        EXPECT_NEAR_L(VAngle(row.a, row.b), row.angle, 1e-18L);
        EXPECT_EQ(std::fetestexcept(Watched), 0);
    }
}

TEST(VektorTest, EqualityIsExactInEveryComponent) {
    volatile Extended a = 1.1L;
    volatile Extended b = 2.2L;
    EXPECT_FALSE(VEqual({a + b, 0, 0}, {3.3L, 0, 0}));
    EXPECT_TRUE(VEqual({1, 2, 3}, {1, 2, 3}));
    EXPECT_TRUE(VEqual({0, 0, 0}, {-0.0L, 0, 0}));
    EXPECT_FALSE(VEqual({1, 2, 3}, {1, 2, 4}));
    EXPECT_FALSE(VEqual({1, 2, 3}, {1, 5, 3}));
    EXPECT_FALSE(VEqual({1, 2, 3}, {0, 2, 3}));
}

TEST(VektorTest, CoordinateConversionsTakeTheAxisBranches) {
    struct Row {
        const char* name;
        TVektor actual;
        TVektor expected;
    };
    const Row rows[] = {
        {"origin, theta from z", KartToKugelZ({0, 0, 0}), {0, 0, Pi / 2}},
        {"origin, theta from xy", KartToKugelXY({0, 0, 0}), {0, 0, Pi / 2}},
        {"origin, cylinder", KartToZyl({0, 0, 0}), {0, Pi / 2, 0}},
        {"negative y axis", KartToKugelZ({0, -1, 0}), {1, Pi / 2, -Pi / 2}},
        {"positive y axis", KartToKugelZ({0, 5, 0}), {5, Pi / 2, Pi / 2}},
        {"negative x axis", KartToKugelZ({-1, 0, 0}), {1, Pi / 2, Pi}},
        {"negative z axis from z", KartToKugelZ({0, 0, -2}), {2, Pi, Pi / 2}},
        {"negative z axis from xy", KartToKugelXY({0, 0, -2}), {2, -Pi / 2, Pi / 2}},
        {"cylinder on y axis", KartToZyl({0, 5, 7}), {5, Pi / 2, 7}},
        {"cylinder on negative y axis", KartToZyl({0, -5, 7}), {5, -Pi / 2, 7}},
        {"theta from z", KartToKugelZ({3, 0, 4}), {5, std::acos(0.8L), 0}},
        {"theta from xy", KartToKugelXY({3, 0, 4}), {5, std::asin(0.8L), 0}},
        {"third quadrant", KartToZyl({-1, -1, 2}), {std::sqrt(2.0L), -3 * Pi / 4, 2}},
        {"spherical z to Cartesian",
         KugelZToKart({2, Pi / 6, Pi / 3}),
         {0.5L, std::sqrt(0.75L), std::sqrt(3.0L)}},
        {"spherical xy to Cartesian", KugelXYToKart({2, Pi / 6, Pi / 3}), {std::sqrt(0.75L), 1.5L, 1}},
        {"cylinder to Cartesian", ZylToKart({2, -Pi / 6, -3}), {std::sqrt(3.0L), -1, -3}},
        {"back to the negative y axis", KugelZToKart({1, Pi / 2, -Pi / 2}), {0, -1, 0}},
        // z² is subnormal, so r rounds below z and z/r lies beyond 1: still a point on the z axis.
        {"tiny z axis from z", KartToKugelZ({0, 0, 1e-2470L}), {1e-2470L, 0, Pi / 2}},
        {"tiny z axis from xy", KartToKugelXY({0, 0, 1e-2470L}), {1e-2470L, Pi / 2, Pi / 2}},
        // Angles beyond the reduction range have no sine or cosine left.
        {"huge azimuth", ZylToKart({1, 1e19L, 5}), {0, 0, 5}},
        {"huge polar angle", KugelZToKart({2, -1e30L, 0}), {0, 0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ExpectNear(row.actual, row.expected, 1e-18L);
    }
}

TEST(VektorTest, CoordinateConversionsRoundTrip) {
    const TVektor points[] = {{1, 2, 3}, {-1, 2, -3}, {-4, -0.5L, 7}, {2.5L, -6, 0}, {1e-3L, 1e3L, -1e2L}};
    for (const TVektor& v : points) {
        SCOPED_TRACE(std::to_string(static_cast<double>(v.x)) + ", " +
                     std::to_string(static_cast<double>(v.y)) + ", " +
                     std::to_string(static_cast<double>(v.z)));
        const Extended tolerance = 1e-15L;
        ExpectNear(KugelZToKart(KartToKugelZ(v)), v, tolerance);
        ExpectNear(KugelXYToKart(KartToKugelXY(v)), v, tolerance);
        ExpectNear(ZylToKart(KartToZyl(v)), v, tolerance);
        ExpectNear(KugelZToZyl(KartToKugelZ(v)), KartToZyl(v), tolerance);
        ExpectNear(KugelXYToZyl(KartToKugelXY(v)), KartToZyl(v), tolerance);
        ExpectNear(ZylToKugelZ(KartToZyl(v)), KartToKugelZ(v), tolerance);
        ExpectNear(ZylToKugelXY(KartToZyl(v)), KartToKugelXY(v), tolerance);
    }
}

TEST(VektorTest, GaussJordanSolvesAndInvertsWithFullPivoting) {
    // A scaled permutation: every pivot needs a row swap and the columns come back unscrambled.
    TMatrix a{{0, 2, 0, 0, 0, 4, 1, 0, 0}};
    TVektor b{2, 8, 3};
    GaussJordan(a, 3, b, 1);
    ExpectExact(b, {3, 1, 2});
    const TMatrix inverse{{0, 0, 1, 0.5L, 0, 0, 0, 0.25L, 0}};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(a.e[i], inverse.e[i]) << "element " << i;

    const TMatrix general{{4, -2, 1, -2, 4, -2, 1, -2, 5}};
    TMatrix inv = general;
    TVektor x{10, -14, 15};
    GaussJordan(inv, 3, x, 1);
    ExpectNear(x, {1, -2, 2}, 1e-17L);
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            Extended sum = 0;
            for (int k = 1; k <= 3; ++k)
                sum += inv(i, k) * general(k, j);
            EXPECT_NEAR_L(sum, i == j ? 1 : 0, 1e-17L) << i << "," << j;
        }
    }
}

TEST(VektorTest, GaussJordanTiesAndZeroPivots) {
    // Equal magnitudes: the later -2 is the first pivot, so the zero pivot of the last step reuses the
    // factor 1/2 of the earlier 2 and the residual 6 becomes 3.
    TMatrix a{{2, 0, 0, 0, -2, 0, 0, 0, 0}};
    TVektor b{2, 4, 6};
    GaussJordan(a, 3, b, 1);
    ExpectExact(b, {1, -2, 3});

    // Nothing to pivot on: the right-hand side stays as it is and no event is left behind.
    TMatrix zero = NullMatrix;
    TVektor c{1, 2, 3};
    ClearFloatFlags();
    GaussJordan(zero, 3, c, 1);
    ExpectExact(c, {1, 2, 3});
    EXPECT_EQ(std::fetestexcept(Watched), 0);

    // Every magnitude NaN: no pivot compares, yet the elimination stays inside the matrix.
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    TMatrix bad{{nan, nan, nan, nan, nan, nan, nan, nan, nan}};
    TVektor d{1, 2, 3};
    try {
        GaussJordan(bad, 3, d, 1);
    } catch (const FloatError&) {
    }
    ClearFloatFlags();
}

TEST(VektorTest, LineAndPlaneSolvers) {
    // Lines meeting at (2, 2, 4), with the operands in both orders.
    ExpectNear(SchnittGeradeGerade({1, 2, 3}, {1, 0, 1}, {2, 0, 3}, {0, 1, 0.5L}), {2, 2, 4});
    ExpectNear(SchnittGeradeGerade({2, 0, 3}, {0, 1, 0.5L}, {1, 2, 3}, {1, 0, 1}), {2, 2, 4});
    // Skew lines: the point of the first line that the two best equations define.
    ExpectNear(SchnittGeradeGerade({0, 0, 0}, {1, 0, 0}, {3, 0, 5}, {0, 1, 0}), {3, 0, 0});

    ExpectNear(SchnittGeradeEbene({1, 1, 1}, {0, 0, 2}, {0, 0, -3}, {1, 0, 0}, {0, 1, 1}), {1, 1, -2});

    TVektor f1{9, 9, 9};
    TVektor f2{9, 9, 9};
    GemeinsamesLot({0, 0, 0}, {1, 0, 0}, {0, 1, 5}, {0, 1, 0}, f1, f2);
    ExpectNear(f1, {0, 0, 0});
    ExpectNear(f2, {0, 0, 5});
    GemeinsamesLot({0, 1, 5}, {0, 1, 0}, {7, 0, 0}, {2, 0, 0}, f1, f2);
    ExpectNear(f1, {0, 0, 5});
    ExpectNear(f2, {0, 0, 0});
    // Intersecting lines: both feet are the intersection point.
    GemeinsamesLot({1, 2, 3}, {1, 0, 1}, {2, 0, 3}, {0, 1, 0.5L}, f1, f2);
    ExpectNear(f1, {2, 2, 4});
    ExpectNear(f2, {2, 2, 4});
}

TEST(VektorTest, PlaneFormConversions) {
    TVektor nv{};
    Extended d = 0;
    EbeneParamToKoord({1, 2, 3}, {1, 0, 0}, {0, 1, 0}, nv, d);
    ExpectExact(nv, {0, 0, 1});
    EXPECT_EQ(d, 3);
    EbeneParamToKoord({1, 2, 3}, {0, 1, 0}, {1, 0, 0}, nv, d);
    ExpectExact(nv, {0, 0, -1});
    EXPECT_EQ(d, -3);

    struct Row {
        const char* name;
        TVektor nv;
        Extended d;
        TVektor p, u, v;
    };
    const Row rows[] = {
        {"x coefficient", {2, 4, -6}, 8, {4, 0, 0}, {-2, 1, 0}, {3, 0, 1}},
        {"y coefficient", {0, 2, 4}, 6, {0, 3, 0}, {1, 0, 0}, {0, -2, 1}},
        {"z coefficient", {0, 0, 2}, 4, {0, 0, 2}, {1, 0, 0}, {0, 1, 0}},
        {"zero normal", {0, 0, 0}, 5, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TVektor p{9, 9, 9};
        TVektor u{9, 9, 9};
        TVektor v{9, 9, 9};
        ClearFloatFlags();
        EbeneKoordToParam(row.nv, row.d, p, u, v);
        EXPECT_EQ(std::fetestexcept(Watched), 0);
        ExpectExact(p, row.p);
        ExpectExact(u, row.u);
        ExpectExact(v, row.v);
    }
}

TEST(VektorTest, FallbacksLeaveNoEventAndEventsWithoutFallbackThrow) {
    ClearFloatFlags();
    VDivScalar({1, 2, 3}, 0);
    VUnit(NullVektor);
    KartToKugelZ(NullVektor);
    KartToKugelXY({0, -1, 0});
    EXPECT_EQ(std::fetestexcept(Watched), 0);

    // An event the caller raised before stays for the caller's own check.
    std::feraiseexcept(FE_DIVBYZERO);
    VAdd({1, 2, 3}, {4, 5, 6});
    EXPECT_NE(std::fetestexcept(FE_DIVBYZERO), 0);
    ClearFloatFlags();

    struct Row {
        const char* name;
        void (*call)();
        FloatErrorKind kind;
    };
    const Row rows[] = {
        {"length overflows",
         [] {
             VLength({1e4000L, 0, 0});
         },
         FloatErrorKind::Overflow},
        {"product overflows",
         [] {
             VCross({1e3000L, 0, 0}, {0, 1e3000L, 0});
         },
         FloatErrorKind::Overflow},
        {"infinite angle",
         [] {
             ZylToKart({1, std::numeric_limits<Extended>::infinity(), 0});
         },
         FloatErrorKind::InvalidOperation},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            row.call();
            ADD_FAILURE() << "no FloatError";
        } catch (const FloatError& e) {
            EXPECT_EQ(e.kind(), row.kind);
        }
        ClearFloatFlags();
    }
}

} // namespace
} // namespace quillon
