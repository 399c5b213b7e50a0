#include "core/FloatError.h"
#include "math/GQuaternion.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quillon {
namespace {

void ExpectNear(TQuat q, TQuat expected, Extended tolerance = 1e-15L) {
    const Extended actual[] = {q.Re, q.i, q.j, q.k},
                   wanted[] = {expected.Re, expected.i, expected.j, expected.k};
    for (int n = 0; n < 4; ++n)
        EXPECT_LE(std::fabs(actual[n] - wanted[n]), tolerance) << "part " << n << ": " << actual[n];
}

const TQuat A{1, 2, 3, 4}, B{-0.5L, 1.5L, -2, 0.25L};

TEST(QuaternionTest, HamiltonProductAndRightDivision) {
    struct Row {
        const char* name;
        TQuat a, b, product;
    } const rows[] = {
        {"i j", QuatI, QuatJ, QuatK},
        {"j i", QuatJ, QuatI, {0, 0, 0, -1}},
        {"k i", QuatK, QuatI, QuatJ},
        {"i i", QuatI, QuatI, {-1, 0, 0, 0}},
        {"a b", A, B, {1.5L, 9.25L, 2, -10.25L}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ExpectNear(QuatMul(row.a, row.b), row.product, 0);
        ExpectNear(QuatOperation("mul", row.a, row.b), row.product, 0);
    }
    ExpectNear(QuatDiv(QuatI, QuatJ), TQuat{0, 0, 0, -1}, 0);
    ExpectNear(QuatMul(QuatDiv(A, B), B), A, 1e-17L);
    ExpectNear(QuatOperation("div", A, B), QuatDiv(A, B), 0);
    ExpectNear(QuatOperation("sub", A, B), TQuat{1.5L, 0.5L, 5, 3.75L}, 0);
    ExpectNear(QuatOperation("Add", A, B), A, 0);
    ExpectNear(QuatFunction("kehrwert", TQuat{1, 1, 1, 1}), TQuat{0.25L, -0.25L, -0.25L, -0.25L}, 0);

    // No inverse: the dividend comes back.
    ExpectNear(QuatDiv(A, QuatZero), A, 0);
    ExpectNear(QuatFunction("kehrwert", QuatZero), QuatOne, 0);
}

TEST(QuaternionTest, ArgumentAndAxis) {
    const Extended third = 1 / std::sqrt(3.0L);
    struct Row {
        const char* name;
        TQuat q;
        Extended arg;
        TVektor axis;
    } const rows[] = {
        {"one", QuatOne, 0, {0, 0, 0}},
        {"zero", QuatZero, 0, {0, 0, 0}},
        {"i", QuatI, Pi / 2, {1, 0, 0}},
        {"minus one", {-1, 0, 0, 0}, Pi, {0, 0, 0}},
        {"2 + 3j", {2, 0, 3, 0}, std::atan2(3.0L, 2.0L), {0, 1, 0}},
        {"-1 + 2k", {-1, 0, 0, 2}, std::atan2(2.0L, -1.0L), {0, 0, 1}},
        {"1 + i + j + k", {1, 1, 1, 1}, Pi / 3, {third, third, third}},
        // The squares are subnormal: the modulus rounds below the real part.
        {"tiny positive real", {1e-2470L, 0, 0, 0}, 0, {0, 0, 0}},
        {"tiny negative real", {-1e-2470L, 0, 0, 0}, Pi, {0, 0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const TVektor n = QuatAxis(row.q);
        ExpectNear(TQuat{QuatArg(row.q), n.x, n.y, n.z}, TQuat{row.arg, row.axis.x, row.axis.y, row.axis.z},
                   1e-18L);
    }
    EXPECT_EQ(QuatArg(TQuat{-1, 0, 0, 0}), Pi);
    ExpectNear(QuatUnit(QuatZero), QuatZero, 0);
    ExpectNear(QuatUnit(TQuat{0, 3, 0, -4}), TQuat{0, 0.6L, 0, -0.8L}, 1e-18L);
}

TEST(QuaternionTest, RealPower) {
    ExpectNear(QuatPower(QuatI, 2), TQuat{-1, 0, 0, 0});
    ExpectNear(QuatPower(A, 2), QuatMul(A, A));
    ExpectNear(QuatPower(A, -1), QuatDiv(QuatOne, A));
    ExpectNear(QuatPower(A, 0), QuatOne, 0);
    // A negative real has no axis of its own; its root lies on the i-axis, as the square root's does.
    ExpectNear(QuatPower(TQuat{-4, 0, 0, 0}, 0.5L), TQuat{0, 2, 0, 0});
    for (const Extended x : {-1.0L, -0.5L}) {
        try {
            QuatPower(QuatZero, x);
            ADD_FAILURE() << "no error for " << x;
        } catch (const FloatError& error) {
            EXPECT_EQ(error.kind(), FloatErrorKind::DivisionByZero);
        }
    }
}

TEST(QuaternionTest, FunctionsWorkInThePlaneOfTheOwnAxis) {
    ExpectNear(QuatFunction("sqrt", TQuat{-4, 0, 0, 0}), TQuat{0, 2, 0, 0}, 0);
    ExpectNear(QuatFunction("ln", TQuat{-1, 0, 0, 0}), TQuat{0, Pi, 0, 0}, 1e-18L);
    ExpectNear(QuatFunction("exp", TQuat{0, 0, -Pi / 2, 0}), TQuat{0, 0, -1, 0}, 1e-18L);
    ExpectNear(QuatFunction("konj", A), TQuat{1, -2, -3, -4}, 0);
    ExpectNear(QuatFunction("cosine", A), A, 0);
    const TComplex z = ComplexSin(TComplex{0.5L, 2, 0, 0});
    ExpectNear(QuatFunction("sin", TQuat{0.5L, 0, 2, 0}), TQuat{z.Re, 0, z.Im, 0});

    // Round trips keep the direction of the imaginary part.
    const TQuat q{0.3L, -0.4L, 0.2L, 0.6L};
    const TQuat root = QuatFunction("sqrt", q);
    ExpectNear(QuatMul(root, root), q);
    const char* const pairs[][2] = {{"exp", "ln"},       {"sin", "arcsin"},   {"cos", "arccos"},
                                    {"tan", "arctan"},   {"cotan", "arccot"}, {"sinh", "arcsinh"},
                                    {"cosh", "arccosh"}, {"tanh", "arctanh"}, {"tanh", "artanh"},
                                    {"coth", "arcoth"}};
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair[1]);
        ExpectNear(QuatFunction(pair[0], QuatFunction(pair[1], q)), q, 1e-14L);
    }
}

} // namespace
} // namespace quillon
