#include "core/NearL.h"
#include "math/GEigen.h"
#include "math/GRotation.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace quillon {
namespace {

// P P^T = 9 I, so P diag(a, b, c) P^T has the eigenvalues 9a, 9b, 9c and the columns of P as vectors.
const TMatrix P{{1, 2, 2, 2, 1, -2, 2, -2, 1}};

TMatrix Similar(const TMatrix& diagonal) {
    return MMul(MMul(P, diagonal), MTranspose(P));
}

TMatrix Diag(Extended a, Extended b, Extended c) {
    return TMatrix{{a, 0, 0, 0, b, 0, 0, 0, c}};
}

// Row i scaled by d_i and column j by 1/d_j: the eigenvalues stay, the elements span 1e-200..1e200.
TMatrix BadlyScaled(const TMatrix& A, Extended factor) {
    const Extended d[3] = {factor, 1, 1 / factor};
    TMatrix B = A;
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            B(i, j) = A(i, j) * d[i - 1] / d[j - 1];
    return B;
}

const Extended Third = 1.0L / 3, Root2 = 0.7071067811865475244008443621L;

struct Space {
    Extended value;
    std::vector<TVektor> basis; // empty: not checked
};

struct EigenRow {
    const char* name;
    TMatrix A;
    std::vector<Extended> real; // descending, with multiplicity
    Extended re, im;            // complex pair, im = 0 if none
    std::vector<Space> spaces;
};

TEST(EigenTest, EigenvaluesAndEigenspacesAgainstExactReferences) {
    const std::vector<EigenRow> rows = {
        {"diagonal", Diag(2, 3, 4), {4, 3, 2}, 0, 0, {{4, {{0, 0, 1}}}, {3, {{0, 1, 0}}}, {2, {{1, 0, 0}}}}},
        {"symmetric, distinct",
         Similar(Diag(1, 2, 3)),
         {27, 18, 9},
         0,
         0,
         {{27, {{2 * Third, -2 * Third, Third}}},
          {18, {{2 * Third, Third, -2 * Third}}},
          {9, {{Third, 2 * Third, 2 * Third}}}}},
        {"rotation about z by 90 degrees",
         TMatrix{{0, -1, 0, 1, 0, 0, 0, 0, 1}},
         {1},
         0,
         1,
         {{1, {{0, 0, 1}}}}},
        {"rotation by acos(3/5) about (1, 2, 2)",
         QuatToRotation({0.8944271909999158785636695L, 0.1490711984999859797606116L,
                         0.2981423969999719595212232L, 0.2981423969999719595212232L}),
         {1},
         0.6L,
         0.8L,
         {{1, {{Third, 2 * Third, 2 * Third}}}}},
        {"defective, triangular",
         TMatrix{{1, 1, 0, 0, 1, 0, 0, 0, 2}},
         {2, 1, 1},
         0,
         0,
         {{2, {{0, 0, 1}}}, {1, {{1, 0, 0}}}}},
        {"defective, S J S^-1",
         TMatrix{{1, 1, 0, 0, 1, 0, -1, 1, 2}},
         {2, 1, 1},
         0,
         0,
         {{2, {{0, 0, 1}}}, {1, {{Root2, 0, Root2}}}}},
        {"triple, one Jordan block",
         TMatrix{{1, 1, 1, -1, 2, 1, -1, 1, 3}},
         {2, 2, 2},
         0,
         0,
         {{2, {{Root2, 0, Root2}}}}},
        {"triple, a plane of vectors",
         TMatrix{{2, 1, 0, 0, 2, 0, 0, 1, 2}},
         {2, 2, 2},
         0,
         0,
         {{2, {{1, 0, 0}, {0, 0, 1}}}}},
        {"multiple of the identity",
         Diag(-5, -5, -5),
         {-5, -5, -5},
         0,
         0,
         {{-5, {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}}},
        {"zero matrix", NullMatrix, {0, 0, 0}, 0, 0, {{0, {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}}},
        {"nearly singular",
         Similar(Diag(0x1p-40L, 2, 3)),
         {27, 18, 9 * 0x1p-40L},
         0,
         0,
         {{27, {{2 * Third, -2 * Third, Third}}},
          {18, {{2 * Third, Third, -2 * Third}}},
          {9 * 0x1p-40L, {{Third, 2 * Third, 2 * Third}}}}},
        // Well-conditioned, 4e-15 apart: two eigenvalues, not one double one.
        {"close but distinct", Similar(Diag(1 + 0x1p-50L, 1, 2)), {18, 9 + 9 * 0x1p-50L, 9}, 0, 0, {}},
        {"badly scaled, 1e-200 to 1e200", BadlyScaled(Similar(Diag(1, 2, 3)), 1e100L), {27, 18, 9}, 0, 0, {}},
        {"tiny", MScale(Similar(Diag(1, 2, 3)), 1e-200L), {27e-200L, 18e-200L, 9e-200L}, 0, 0, {}},
        {"huge", MScale(Similar(Diag(1, 2, 3)), 1e200L), {27e200L, 18e200L, 9e200L}, 0, 0, {}},
    };
    for (const EigenRow& row : rows) {
        SCOPED_TRACE(row.name);
        const TEigen e = MEigen(row.A);
        ASSERT_TRUE(e.defined);
        Extended largest = std::fabs(row.im);
        for (Extended v : row.real)
            largest = std::max(largest, std::fabs(v));
        const Extended tolerance = 1e-16L * largest;
        ASSERT_EQ(e.realCount, static_cast<int>(row.real.size()));
        for (int i = 0; i < e.realCount; ++i)
            EXPECT_NEAR_L(e.real[i], row.real[static_cast<std::size_t>(i)], tolerance);
        EXPECT_NEAR_L(e.re, row.re, tolerance);
        EXPECT_NEAR_L(e.im, row.im, tolerance);
        if (row.spaces.empty()) continue;
        ASSERT_EQ(e.spaceCount, static_cast<int>(row.spaces.size()));
        for (int s = 0; s < e.spaceCount; ++s) {
            const Space& expected = row.spaces[static_cast<std::size_t>(s)];
            EXPECT_NEAR_L(e.spaces[s].value, expected.value, tolerance);
            ASSERT_EQ(e.spaces[s].dimension, static_cast<int>(expected.basis.size())) << "space " << s;
            for (std::size_t n = 0; n < expected.basis.size(); ++n) {
                const TVektor v = e.spaces[s].basis[n], w = expected.basis[n];
                EXPECT_NEAR_L(v.x, w.x, 1e-17L);
                EXPECT_NEAR_L(v.y, w.y, 1e-17L);
                EXPECT_NEAR_L(v.z, w.z, 1e-17L);
            }
        }
    }
}

TEST(EigenTest, TinyPartsAreExactlyZero) {
    // The rotation's real part and the triangular eigenvector come out with rounding noise inside.
    const TEigen rotation = MEigen(MRotation(TVektor{0, 0, 1}, Pi / 2));
    EXPECT_EQ(rotation.re, 0);
    const TEigen defective = MEigen(TMatrix{{1, 1, 0, 0, 1, 0, -1, 1, 2}});
    EXPECT_EQ(defective.spaces[0].basis[0].x, 0);
    EXPECT_EQ(defective.spaces[0].basis[0].y, 0);
}

TEST(EigenTest, NonFiniteElementsLeaveTheEigenvaluesUndefinedWithoutAnEvent) {
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    const Extended inf = std::numeric_limits<Extended>::infinity();
    const Extended max = std::numeric_limits<Extended>::max();
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_FALSE(MEigen(TMatrix{{1, 0, 0, 0, nan, 0, 0, 0, 1}}).defined);
    EXPECT_FALSE(MEigen(TMatrix{{1, 0, 0, 0, 1, 0, -inf, 0, 1}}).defined);
    // Finite, but the eigenvalue 2 max does not fit.
    EXPECT_FALSE(MEigen(TMatrix{{max, max, 0, max, max, 0, 0, 0, 0}}).defined);
    EXPECT_TRUE(MEigen(TMatrix{{max, 0, 0, 0, -max, 0, 0, 0, max}}).defined);
    EXPECT_EQ(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW), 0);
}

TEST(RotationTest, QuaternionToMatrixAndBackForRandomUnitQuaternions) {
    std::mt19937_64 random(17);
    std::normal_distribution<double> normal;
    for (int n = 0; n < 1000; ++n) {
        SCOPED_TRACE(n);
        TQuat q{normal(random), normal(random), normal(random), normal(random)};
        q = QuatUnit(q.Re < 0 ? TQuat{-q.Re, -q.i, -q.j, -q.k} : q);
        const TMatrix R = QuatToRotation(q);
        ASSERT_TRUE(IsRotationWithinRounding(R));
        const TQuat back = RotationToQuat(R);
        EXPECT_NEAR_L(back.Re, q.Re, 1e-18L);
        EXPECT_NEAR_L(back.i, q.i, 1e-18L);
        EXPECT_NEAR_L(back.j, q.j, 1e-18L);
        EXPECT_NEAR_L(back.k, q.k, 1e-18L);
    }
}

TEST(RotationTest, AxisAngleAndTheRotationTest) {
    TVektor axis;
    Extended degrees;
    QuatAxisAngle(RotationToQuat(MRotation(TVektor{1, 2, 2}, std::atan2(4.0L, 3.0L))), axis, degrees);
    EXPECT_NEAR_L(degrees, 53.13010235415597870314439L, 1e-17L);
    EXPECT_NEAR_L(axis.x, Third, 1e-18L);
    EXPECT_NEAR_L(axis.z, 2 * Third, 1e-18L);
    // A half turn: the quaternion is fixed up to sign, Re = 0 and the axis points forward.
    const TQuat half = RotationToQuat(Diag(-1, -1, 1));
    EXPECT_EQ(half.Re, 0);
    EXPECT_EQ(half.k, 1);
    QuatAxisAngle(RotationToQuat(EinheitsMatrix), axis, degrees);
    EXPECT_EQ(degrees, 0);
    EXPECT_TRUE(VEqual(axis, TVektor{0, 0, 0}));

    EXPECT_TRUE(IsRotationWithinRounding(MRotation(TVektor{0, 0, 1}, Pi / 6)));
    EXPECT_FALSE(IsRotationWithinRounding(Diag(1, 1, -1)));         // a reflection
    EXPECT_FALSE(IsRotationWithinRounding(Diag(1, 1, 1 + 1e-14L))); // not within rounding
    EXPECT_FALSE(IsRotationWithinRounding(TMatrix{{1e4000L, 0, 0, 0, 1, 0, 0, 0, 1}}));
    EXPECT_TRUE(MEqual(QuatToRotation(QuatZero), EinheitsMatrix));
}

} // namespace
} // namespace quillon
