#include "core/FloatError.h"
#include "core/automatisches_differenzieren.h"
#include "core/mehr_mathe.h"

#include "core/NearL.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
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
        {"arctan 3", DualArctan, 3, std::atan(3.0L), 0.1L},
        {"arctan -0.25", DualArctan, -0.25L, std::atan(-0.25L), 1 / 1.0625L},
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

// A constant integral exponent is computed by repeated squaring; the rest, and results near the ends of
// the range, still by exp and ln, whose errors stay the errors of every power.
TEST(DualTest, PowersWithAConstantIntegralExponent) {
    using K = FloatErrorKind;
    const auto exact = [](TDual u, Extended v) { return DualPower(u, {v, 0}); };
    const auto slow = [](TDual u, Extended v) { return DualExp(DualMul(DualLn(u), {v, 0})); };
    const struct {
        const char* name;
        TDual u;
        Extended v, value, derivative;
    } rows[] = {
        {"3^3", {3, 0}, 3, 27, 0},
        {"x^3 at 2", {2, 1}, 3, 8, 12},
        {"x^-2 at 2", {2, 1}, -2, 0.25L, -0.25L},
        {"x^1 at 5", {5, 1}, 1, 5, 1},
        {"2^64", {2, 0}, 64, 18446744073709551616.0L, 0},
        {"x^65536 at 1", {1, 1}, 65536, 1, 65536},
        {"x^-1 at 4", {4, 1}, -1, 0.25L, -0.0625L},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const TDual power = exact(row.u, row.v);
        EXPECT_EQ(power.value, row.value);
        EXPECT_EQ(power.derivative, row.derivative);
    }
    // Where squaring does not apply the two ways agree bit for bit, errors included (a row without a
    // kind asks for that agreement only).
    const struct {
        const char* name;
        TDual u;
        Extended v;
        std::optional<K> kind;
    } edges[] = {
        {"x^0", {7, 1}, 0, std::nullopt},
        {"2^16400 overflows", {2, 0}, 16400, K::Overflow},
        {"2^16301 near the top", {2, 0}, 16301, std::nullopt},
        {"2^-16390 near the bottom", {2, 0}, -16390, std::nullopt},
        {"2^-17000 underflows to 0", {2, 0}, -17000, std::nullopt},
        {"1.0001^65537 beyond the squaring bound", {1.0001L, 0}, 65537, std::nullopt},
        {"2^0.5 not integral", {2, 0}, 0.5L, std::nullopt},
        {"(-2)^2", {-2, 0}, 2, K::InvalidOperation},
        {"0^3", {0, 0}, 3, K::DivisionByZero},
        {"0^-1", {0, 1}, -1, K::DivisionByZero},
        {"inf^2", {std::numeric_limits<Extended>::infinity(), 0}, 2, std::nullopt},
        {"nan^2", {std::numeric_limits<Extended>::quiet_NaN(), 0}, 2, std::nullopt},
    };
    for (const auto& row : edges) {
        SCOPED_TRACE(row.name);
        std::optional<K> kinds[2];
        TDual results[2] = {};
        for (int way = 0; way < 2; ++way) {
            try {
                results[way] = way == 0 ? exact(row.u, row.v) : slow(row.u, row.v);
            } catch (const FloatError& error) {
                kinds[way] = error.kind();
            }
        }
        EXPECT_EQ(kinds[0], kinds[1]);
        if (row.kind) {
            EXPECT_EQ(kinds[0], row.kind);
        }
        if (!kinds[0] && !kinds[1]) {
            const auto same = [](Extended a, Extended b) { return a == b || (std::isnan(a) && std::isnan(b)); };
            EXPECT_TRUE(same(results[0].value, results[1].value));
            EXPECT_TRUE(same(results[0].derivative, results[1].derivative));
        }
    }
    // A variable exponent keeps the exp and ln path with its v' ln u term.
    EXPECT_NEAR_L(DualPower({2, 0}, {3, 1}).derivative, 8 * std::log(2.0L), 1e-17);
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
    // Inside [-pi/4, pi/4] no reduction is needed: within one unit in the last place of the library's
    // values (both are faithfully rounded), and -0 gives +0 as after a reduction.
    const auto withinAnUlp = [](Extended v, Extended library) {
        return v == library || v == std::nextafter(library, 2 * library) ||
               v == std::nextafter(library, Extended{0});
    };
    for (long double x : {0.0L, -0.0L, 1e-4000L, 0.5L, -0.785L, Pi / 4, -Pi / 4, 0.7L, 3 * Pi / 2 + 0.1L}) {
        SCOPED_TRACE(static_cast<double>(x));
        Extended s = 1, c = 0;
        SinCos(x, s, c);
        EXPECT_TRUE(withinAnUlp(s, std::sin(x + 0))) << static_cast<double>(s - std::sin(x));
        EXPECT_TRUE(withinAnUlp(c, std::cos(x))) << static_cast<double>(c - std::cos(x));
        EXPECT_FALSE(std::signbit(s) && x == 0);
    }
    // The reduction by pi/2 keeps full precision next to multiples of pi/2.
    for (long double x : {Pi, 2 * Pi, 100 * Pi, 12345.678L, -0.5L, 1048575.5L}) {
        SCOPED_TRACE(static_cast<double>(x));
        EXPECT_NEAR_L(Sin(x) / std::sin(x), 1, 3e-19);
        EXPECT_NEAR_L(Cos(x) / std::cos(x), 1, 3e-19);
    }
}

} // namespace
} // namespace quillon
