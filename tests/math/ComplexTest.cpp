#include "core/FloatError.h"
#include "math/GComplex.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <complex>

namespace quillon {
namespace {

using Fn = TComplex (*)(TComplex);
using Reference = std::complex<Extended>;

TComplex Cart(Extended re, Extended im) {
    TComplex z{re, im, 0, 0};
    ComplexSync(z, false);
    return z;
}

void ExpectNear(TComplex z, Extended re, Extended im, Extended tolerance = 1e-15L) {
    EXPECT_LE(std::fabs(z.Re - re), tolerance) << z.Re << " instead of " << re;
    EXPECT_LE(std::fabs(z.Im - im), tolerance) << z.Im << " instead of " << im;
}

void ExpectSame(TComplex a, TComplex b) {
    EXPECT_TRUE(a.Re == b.Re && a.Im == b.Im && a.r == b.r && a.phi == b.phi);
}

void ExpectThrows(FloatErrorKind kind, auto&& f) {
    try {
        f();
        ADD_FAILURE() << "no error";
    } catch (const FloatError& error) {
        EXPECT_EQ(error.kind(), kind);
    }
}

TEST(ComplexTest, SyncBranches) {
    struct Row {
        const char* name;
        Extended re, im, r, phi;
    } const rows[] = {
        {"zero gets +pi/2", 0, 0, 0, Pi / 2},
        {"negative zero Im is not below 0", 0, -0.0L, 0, Pi / 2},
        {"negative imaginary axis", 0, -3, 3, -Pi / 2},
        {"negative real axis", -1, 0, 1, Pi},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const TComplex z = Cart(row.re, row.im);
        EXPECT_EQ(z.r, row.r);
        EXPECT_EQ(z.phi, row.phi);
    }
    // No cosine residue on the imaginary axis.
    TComplex up{9, 9, 2, Pi / 2}, down{9, 9, 2, -Pi / 2};
    ComplexSync(up, true);
    ComplexSync(down, true);
    ExpectNear(up, 0, 2, 0);
    ExpectNear(down, 0, -2, 0);
}

TEST(ComplexTest, ArithmeticAndQuotientFallbacks) {
    ExpectNear(ComplexMul(Cart(1, 2), Cart(3, -5)), 13, 1, 0);
    ExpectNear(ComplexSub(Cart(1, 2), Cart(3, -5)), -2, 7, 0);
    ExpectNear(ComplexScale(Cart(3, -5), -2), -6, 10, 0);
    ExpectNear(ComplexDiv(Cart(6, 0), Cart(0, 2)), 0, -3, 0);

    // The argument of a quotient stays unreduced.
    const TComplex q = ComplexDiv(Cart(-1, 0), Cart(0, -1));
    EXPECT_EQ(q.phi, Pi + Pi / 2);
    ExpectNear(q, 0, -1);

    const TComplex a = Cart(3, 4);
    ExpectSame(ComplexDiv(a, Cart(0, 0)), a);
    ExpectSame(ComplexDiv(a, TComplex{1, 1, -1, 0}), a);
    ExpectSame(ComplexDivReal(a, -0.0L), a);
    EXPECT_EQ(ComplexDivReal(a, -2).phi, a.phi - Pi);
}

TEST(ComplexTest, PowerOfTheModulusWithReducedArgument) {
    const TComplex square = ComplexPower(ComplexI, 2);
    ExpectNear(square, -1, 0);
    EXPECT_EQ(std::fabs(square.phi), Pi);
    EXPECT_LE(std::fabs(ComplexPower(TComplex{0, 0, 1, 3}, 2).phi - (6 - 2 * Pi)), 1e-17L);
    ExpectNear(ComplexPower(Cart(0, 2), 3), 0, -8);
    for (const TComplex z : {Cart(3, -4), ComplexZero, TComplex{0, 0, 0, -2}}) {
        const TComplex one = ComplexPower(z, 0);
        EXPECT_TRUE(one.Re == 1 && one.Im == 0 && one.phi == 0);
    }
    for (const Extended x : {-1.0L, -0.5L})
        ExpectThrows(FloatErrorKind::DivisionByZero, [&] { ComplexPower(ComplexZero, x); });
}

TEST(ComplexTest, LogarithmRootAndTangentSpecialPoints) {
    ExpectNear(ComplexLn(TComplex{0, 0, 1, 7}), 0, 7, 0);
    for (const TComplex z : {TComplex{0, 0, 0, 1.25L}, TComplex{3, 4, -5, 0.5L}})
        ExpectSame(ComplexLn(z), z);
    ExpectNear(ComplexSqrt(Cart(-4, 0)), 0, 2, 0);
    ExpectNear(ComplexSqrt(Cart(4, 0)), 2, 0);
    ExpectNear(ComplexSqrt(Cart(0, 0)), 0, 0, 0);
    const TComplex z = Cart(Pi / 2, 0);
    ExpectSame(ComplexTan(z), z);
}

TEST(ComplexTest, ForwardFunctionsMatchTheLibrary) {
    struct Row {
        const char* name;
        Fn ours;
        Reference (*theirs)(Reference);
    } const rows[] = {
        {"exp", ComplexExp, [](Reference z) { return std::exp(z); }},
        {"ln", ComplexLn, [](Reference z) { return std::log(z); }},
        {"sqrt", ComplexSqrt, [](Reference z) { return std::sqrt(z); }},
        {"sin", ComplexSin, [](Reference z) { return std::sin(z); }},
        {"cos", ComplexCos, [](Reference z) { return std::cos(z); }},
        {"tan", ComplexTan, [](Reference z) { return std::tan(z); }},
        {"cot", ComplexCot, [](Reference z) { return Extended{1} / std::tan(z); }},
        {"sinh", ComplexSinh, [](Reference z) { return std::sinh(z); }},
        {"cosh", ComplexCosh, [](Reference z) { return std::cosh(z); }},
        {"tanh", ComplexTanh, [](Reference z) { return std::tanh(z); }},
        {"coth", ComplexCoth, [](Reference z) { return Extended{1} / std::tanh(z); }},
    };
    for (const Row& row : rows)
        for (const TComplex z : {Cart(0.7L, -0.4L), Cart(-1.3L, 0.8L)}) {
            SCOPED_TRACE(row.name);
            const Reference expected = row.theirs(Reference(z.Re, z.Im));
            ExpectNear(row.ours(z), expected.real(), expected.imag(), 1e-14L);
        }
}

TEST(ComplexTest, InverseFunctionsUndoTheirFunctionAndHitKnownValues) {
    struct Row {
        const char* name;
        Fn f, inverse;
        Extended at, value;
    } const rows[] = {
        {"arcsin", ComplexSin, ComplexArcSin, 0.5L, Pi / 6},
        {"arccos", ComplexCos, ComplexArcCos, 0.5L, Pi / 3},
        {"arctan", ComplexTan, ComplexArcTan, 1, Pi / 4},
        {"arccot", ComplexCot, ComplexArcCot, 1, Pi / 4},
        {"arsinh", ComplexSinh, ComplexArSinh, 1, std::log(1 + std::sqrt(2.0L))},
        {"arcosh", ComplexCosh, ComplexArCosh, 2, std::log(2 + std::sqrt(3.0L))},
        {"artanh", ComplexTanh, ComplexArTanh, 0.5L, std::log(3.0L) / 2},
        {"arcoth", ComplexCoth, ComplexArCoth, 2, std::log(3.0L) / 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ExpectNear(row.inverse(Cart(row.at, 0)), row.value, 0);
        for (const TComplex z : {Cart(0.7L, -0.4L), Cart(-1.3L, 0.8L), Cart(0.2L, 2.5L)})
            ExpectNear(row.f(row.inverse(z)), z.Re, z.Im, 1e-14L);
    }
}

TEST(ComplexTest, BranchPointsAreExactAndPolesRaiseDivisionByZero) {
    // Each goes through the square root of 0 or the reciprocal of 0.
    ExpectNear(ComplexArcSin(Cart(1, 0)), Pi / 2, 0);
    ExpectNear(ComplexArcSin(Cart(-1, 0)), -Pi / 2, 0);
    ExpectNear(ComplexArCosh(Cart(1, 0)), 0, 0);
    ExpectNear(ComplexArcCot(Cart(0, 0)), Pi / 2, 0);

    struct Row {
        const char* name;
        Fn f;
        TComplex z;
    } const poles[] = {
        {"cot 0", ComplexCot, Cart(0, 0)},       {"coth 0", ComplexCoth, Cart(0, 0)},
        {"artanh 1", ComplexArTanh, Cart(1, 0)}, {"artanh -1", ComplexArTanh, Cart(-1, 0)},
        {"arcoth 1", ComplexArCoth, Cart(1, 0)}, {"arcoth -1", ComplexArCoth, Cart(-1, 0)},
        {"arctan i", ComplexArcTan, Cart(0, 1)}, {"arccot -i", ComplexArcCot, Cart(0, -1)},
    };
    for (const Row& row : poles) {
        SCOPED_TRACE(row.name);
        ExpectThrows(FloatErrorKind::DivisionByZero, [&] { row.f(row.z); });
    }
}

TEST(ComplexTest, OverflowThrowsAndFallbacksLeaveNoFlags) {
    ExpectThrows(FloatErrorKind::Overflow, [] { ComplexExp(Cart(20000, 0)); });
    ClearFloatFlags();
    std::feraiseexcept(FE_OVERFLOW);
    ComplexLn(ComplexZero);
    ComplexTan(Cart(Pi / 2, 0));
    ComplexDiv(ComplexOne, ComplexZero);
    ComplexExp(Cart(-20000, 0));
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), FE_OVERFLOW) << "only the caller's own event stays";
    ClearFloatFlags();
}

} // namespace
} // namespace quillon
