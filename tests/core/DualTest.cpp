#include "core/FloatError.h"
#include "core/automatisches_differenzieren.h"
#include "core/mehr_mathe.h"

#include "core/NearL.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace quillon {
namespace {

using DualFunction = TDual (*)(const TDual&);

std::optional<FloatErrorKind> KindOf(DualFunction f, const TDual& x) {
    try {
        f(x);
    } catch (const FloatError& error) {
        return error.kind();
    }
    return std::nullopt;
}

TEST(DualTest, ArithmeticCarriesTheDerivative) {
    const TDual product = DualMul({2, 1}, {3, 0});
    EXPECT_EQ(product.value, 6);
    EXPECT_EQ(product.derivative, 3);
    const TDual quotient = DualDiv({1, 0}, {4, 0});
    EXPECT_EQ(quotient.value, 0.25L);
    EXPECT_EQ(quotient.derivative, 0);
    const TDual power = DualPower({2, 1}, {3, 0}); // x^3 at 2: (8, 12)
    EXPECT_NEAR_L(power.value, 8, 1e-17);
    EXPECT_NEAR_L(power.derivative, 12, 1e-16);
}

TEST(DualTest, FunctionsAtTheVariable) {
    const long double e = std::exp(1.0L);
    const struct {
        const char* name;
        DualFunction f;
        long double x, value, derivative;
    } rows[] = {
        // clang-format off
        {"sqr", DualSqr, 1, 1, 2},
        {"exp", DualExp, 1, e, e},
        {"ln", DualLn, 1, 0, 1},
        {"sqrt", DualSqrt, 1, 1, 0.5L},
        {"arctan", DualArctan, 1, Pi / 4, 0.5L},
        {"abs", DualAbs, -3, 3, -1},
        {"sin", DualSin, 1, std::sin(1.0L), std::cos(1.0L)},
        {"cos", DualCos, 1, std::cos(1.0L), -std::sin(1.0L)},
        {"tan", DualTan, 1, std::tan(1.0L), 1 / (std::cos(1.0L) * std::cos(1.0L))},
        {"cot", DualCot, 1, 1 / std::tan(1.0L), -1 / (std::sin(1.0L) * std::sin(1.0L))},
        {"sinh", DualSinh, 1, std::sinh(1.0L), std::cosh(1.0L)},
        {"cosh", DualCosh, 1, std::cosh(1.0L), std::sinh(1.0L)},
        {"tanh", DualTanh, 1, std::tanh(1.0L), 1 / (std::cosh(1.0L) * std::cosh(1.0L))},
        {"coth", DualCoth, 1, 1 / std::tanh(1.0L), -1 / (std::sinh(1.0L) * std::sinh(1.0L))},
        {"arcsin", DualArcsin, 0.5L, Pi / 6, 1 / std::sqrt(0.75L)},
        {"arccos", DualArccos, 0.5L, Pi / 3, -1 / std::sqrt(0.75L)},
        {"arccot", DualArccot, 2, std::atan(0.5L), -0.2L},
        {"arcosh", DualArcosh, 2, std::acosh(2.0L), 1 / std::sqrt(3.0L)},
        {"arsinh", DualArsinh, 1, std::asinh(1.0L), 1 / std::sqrt(2.0L)},
        {"artanh", DualArtanh, 0.5L, std::atanh(0.5L), 1 / 0.75L},
        {"int", DualInt, -2.7L, -2, 0},
        {"frac", DualFrac, -2.7L, -0.7L, 1},
        // The conventions: arcosh is 0 for x <= -1 with a finite derivative, artanh saturates.
        {"arcosh -2", DualArcosh, -2, 0, 1 / std::sqrt(3.0L)},
        {"artanh 2", DualArtanh, 2, 1.1e4932L, -1 / 3.0L},
        {"arccot 0", DualArccot, 0, 0, -1},
        {"arccot 0.5", DualArccot, 0.5L, 1.10714871779409050302L, -0.8L},
        {"arccot -0.5", DualArccot, -0.5L, -1.10714871779409050302L, -0.8L},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const TDual r = row.f(MakeVariable(row.x));
        if (row.value == 0) {
            EXPECT_EQ(r.value, 0);
        } else {
            EXPECT_NEAR_L(r.value / row.value, 1, 1e-17) << r.value;
        }
        EXPECT_NEAR_L(r.derivative, row.derivative, 1e-15);
    }
}

TEST(DualTest, FailuresHaveTheirKind) {
    using K = FloatErrorKind;
    const struct {
        const char* name;
        DualFunction f;
        TDual x;
        K kind;
    } rows[] = {
        // clang-format off
        // The derivative side fails where the value alone would not: 0/0 for a constant, x'/0 else.
        {"sqrt(0) constant", DualSqrt, {0, 0}, K::InvalidOperation},
        {"sqrt(0) variable", DualSqrt, {0, 1}, K::DivisionByZero},
        {"abs(0)", DualAbs, {0, 0}, K::InvalidOperation},
        {"arcsin(1)", DualArcsin, {1, 0}, K::InvalidOperation},
        {"arcsin(-1) variable", DualArcsin, {-1, 1}, K::DivisionByZero},
        {"arcsin(2)", DualArcsin, {2, 0}, K::InvalidOperation},
        {"arccos(-1)", DualArccos, {-1, 0}, K::InvalidOperation},
        {"arcosh(1)", DualArcosh, {1, 0}, K::InvalidOperation},
        {"arcosh(-1)", DualArcosh, {-1, 0}, K::InvalidOperation},
        {"arcosh(0.5)", DualArcosh, {0.5L, 0}, K::InvalidOperation},
        {"artanh(1)", DualArtanh, {1, 0}, K::InvalidOperation},
        {"artanh(-1) variable", DualArtanh, {-1, 1}, K::DivisionByZero},
        {"cot(0)", DualCot, {0, 0}, K::DivisionByZero},
        {"coth(0)", DualCoth, {0, 0}, K::DivisionByZero},
        {"ln(0)", DualLn, {0, 1}, K::DivisionByZero},
        {"ln(-1)", DualLn, {-1, 1}, K::InvalidOperation},
        {"arccot(1)", DualArccot, {1, 0}, K::DivisionByZero},
        {"arccot(-1)", DualArccot, {-1, 0}, K::DivisionByZero},
        {"exp(11357)", DualExp, {11357, 0}, K::Overflow},
        {"sinh(11357)", DualSinh, {11357, 0}, K::Overflow},
        {"cosh(-11390): 0.25 / tiny", DualCosh, {-11390, 0}, K::Overflow},
        {"cosh(-11500): e^x is 0", DualCosh, {-11500, 0}, K::DivisionByZero},
        {"tanh(6000): cosh^2 overflows", DualTanh, {6000, 0}, K::Overflow},
        {"abs(1e2467)", DualAbs, {1e2467L, 0}, K::Overflow},
        {"arctan(1e2467)", DualArctan, {1e2467L, 0}, K::Overflow},
        {"arccot(1e1700): x(x^2-1)", DualArccot, {1e1700L, 0}, K::Overflow},
        {"exp(-1e4932): x log2 e", DualExp, {-1e4932L, 0}, K::Overflow},
        {"sqr(1e3000) constant", DualSqr, {1e3000L, 0}, K::Overflow},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(KindOf(row.f, row.x), row.kind);
    }
    const TDual zero{0, 0}, one{1, 0}, huge{1e4000L, 1e4000L};
    EXPECT_THROW(DualPower({-2, 0}, {2, 0}), FloatError);
    EXPECT_EQ(KindOf([](const TDual& b) { return DualPower({-2, 0}, b); }, {2, 0}), K::InvalidOperation);
    EXPECT_EQ(KindOf([](const TDual& b) { return DualPower({0, 0}, b); }, {2, 0}), K::DivisionByZero);
    EXPECT_EQ(KindOf([](const TDual& a) { return DualDiv(a, {0, 0}); }, zero), K::InvalidOperation);
    EXPECT_EQ(KindOf([](const TDual& a) { return DualDiv(a, {0, 0}); }, one), K::DivisionByZero);
    // Two overflowing products whose sum would be an invalid operation: the overflow comes first.
    EXPECT_EQ(KindOf([](const TDual& a) { return DualMul(a, {1e4000L, -1e4000L}); }, huge), K::Overflow);
}

TEST(MehrMatheTest, NumericConventions) {
    EXPECT_EQ(Tanh(6000), 1);
    EXPECT_EQ(Tanh(-6000), -1);
    EXPECT_EQ(arcosh(0.5L), 0);
    EXPECT_EQ(arcosh(-5), 0);
    EXPECT_NEAR_L(arcosh(1e12L) - std::log(2e12L), 0, 1e-15);
    EXPECT_EQ(arsinh(-1), -arsinh(1));
    EXPECT_EQ(artanh(-2), -1.1e4932L);
    EXPECT_EQ(arccot(0), 0);
    EXPECT_EQ(sgn(-3), -1);
    EXPECT_EQ(sgn(0), 0);
    EXPECT_EQ(Sin(9223372036854775808.0L), 0);
    EXPECT_EQ(Cos(-9223372036854775808.0L), 0);
    EXPECT_NEAR_L(Exp(1) - std::exp(1.0L), 0, 1e-18);
    // The reduction by pi/2 keeps full precision next to multiples of pi/2.
    for (long double x : {Pi, 2 * Pi, 100 * Pi, 12345.678L, -0.5L, 1048575.5L}) {
        SCOPED_TRACE(static_cast<double>(x));
        EXPECT_NEAR_L(Sin(x) / std::sin(x), 1, 3e-19);
        EXPECT_NEAR_L(Cos(x) / std::cos(x), 1, 3e-19);
    }
}

} // namespace
} // namespace quillon
