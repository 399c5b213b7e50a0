#include "core/FloatError.h"
#include "math/GMatrix.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quillon {
namespace {

const TMatrix General{{1, 2, 3, 0, 4, 5, 1, 0, 6}};

void ExpectNear(const TMatrix& actual, const TMatrix& expected, Extended tolerance = 1e-15L) {
    for (int n = 0; n < 9; ++n)
        EXPECT_LE(std::fabs(actual.e[n] - expected.e[n]), tolerance) << "element " << n / 3 + 1 << n % 3 + 1;
}

TEST(MatrixTest, ProductsKeepOperandOrderAndRowMajorStorage) {
    EXPECT_EQ(General(2, 3), 5);
    const TMatrix A{{1, 2, 0, 0, 1, 0, 0, 0, 1}}, B{{1, 0, 0, 3, 1, 0, 0, 0, 1}};
    EXPECT_TRUE(MEqual(MMul(A, B), TMatrix{{7, 2, 0, 3, 1, 0, 0, 0, 1}}));
    EXPECT_TRUE(MEqual(MMul(General, EinheitsMatrix), General));
    EXPECT_TRUE(MEqual(MSub(General, EinheitsMatrix), TMatrix{{0, 2, 3, 0, 3, 5, 1, 0, 5}}));
    EXPECT_TRUE(VEqual(MMulVec(General, TVektor{1, 2, 3}), TVektor{14, 23, 19}));
    EXPECT_EQ(MTranspose(General)(3, 1), 3);
}

TEST(MatrixTest, DeterminantAndSignedCofactors) {
    EXPECT_EQ(MDet(General), 22);
    EXPECT_EQ(MTrace(General), 11);
    EXPECT_TRUE(MEqual(MCofactors(General), TMatrix{{24, 5, -4, -12, 3, 2, -2, -5, 4}}));
}

TEST(MatrixTest, InverseAndItsSingularFallback) {
    const TMatrix singular{{1, 2, 3, 1, 2, 3, 1, 2, 3}};
    EXPECT_TRUE(MEqual(MInverse(singular), singular));
    EXPECT_TRUE(MEqual(MInverse(EinheitsMatrix), EinheitsMatrix));
    EXPECT_TRUE(MEqual(MInverse(TMatrix{{2, 0, 0, 0, 4, 0, 0, 0, 8}}),
                       TMatrix{{0.5L, 0, 0, 0, 0.25L, 0, 0, 0, 0.125L}}));
    // The non-symmetric matrix catches a missing transpose; the tiny one a tolerance on the determinant.
    for (const TMatrix& A : {General, MScale(General, 1e-1000L)}) {
        ExpectNear(MMul(MInverse(A), A), EinheitsMatrix);
        ExpectNear(MMul(A, MInverse(A)), EinheitsMatrix);
    }
}

TEST(MatrixTest, DivisionByZeroReturnsTheMatrixAndEqualityIsExact) {
    for (const Extended k : {0.0L, -0.0L})
        EXPECT_TRUE(MEqual(MDivScalar(General, k), General));
    EXPECT_TRUE(MEqual(MDivScalar(General, 2), MScale(General, 0.5L)));

    TMatrix B = General;
    B(3, 3) = std::nextafter(B(3, 3), Extended{7});
    EXPECT_FALSE(MEqual(General, B));
}

TEST(MatrixTest, CharacteristicPolynomial) {
    struct Row {
        const char* name;
        TMatrix A;
        TVektor c;
    } const rows[] = {
        {"identity", EinheitsMatrix, {3, -3, 1}},
        {"null", NullMatrix, {0, 0, 0}},
        // -(k - 1)(k - 4)(k - 6)
        {"triangular", TMatrix{{1, 2, 3, 0, 4, 5, 0, 0, 6}}, {11, -34, 24}},
        {"general", General, {11, -31, 22}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(VEqual(MCharPoly(row.A), row.c));
    }
}

TEST(MatrixTest, RotationIsRightHandedAboutTheNormalisedAxis) {
    for (const Extended alpha : {0.0L, 1.0L, Pi, -2.5L})
        EXPECT_TRUE(MEqual(MRotation(NullVektor, alpha), EinheitsMatrix));
    EXPECT_TRUE(MEqual(MRotation(TVektor{1, -2, 3}, 0), EinheitsMatrix));

    const TMatrix quarter = MRotation(TVektor{0, 0, 1}, Pi / 2);
    EXPECT_TRUE(MEqual(MRotation(TVektor{0, 0, 2}, Pi / 2), quarter));
    ExpectNear(quarter, TMatrix{{0, -1, 0, 1, 0, 0, 0, 0, 1}});
    ExpectNear(MRotation(TVektor{1, 0, 0}, Pi / 2), TMatrix{{1, 0, 0, 0, 0, -1, 0, 1, 0}});
}

TEST(MatrixTest, OverflowThrows) {
    const TMatrix huge = MScale(EinheitsMatrix, 1e3000L);
    try {
        MMul(huge, huge);
        ADD_FAILURE() << "no error";
    } catch (const FloatError& error) {
        EXPECT_EQ(error.kind(), FloatErrorKind::Overflow);
    }
}

} // namespace
} // namespace quillon
