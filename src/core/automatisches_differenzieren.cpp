#include "core/automatisches_differenzieren.h"

#include "core/FloatError.h"
#include "core/mehr_mathe.h"

#include <cmath>

namespace quillon {

void dual_detail::Raise(FloatErrorKind kind) {
    // The failed step's flags are of no further use; leave them clear as CheckFloatFlags does.
    ClearFloatFlags();
    throw FloatError(kind);
}

namespace {

using dual_detail::Check;
using dual_detail::CheckQuotient;
using dual_detail::Raise;

// The exponential first multiplies its argument by log2 e, which overflows for arguments beyond about
// -8.2e4931 although the exponential itself is then 0.
inline void CheckExpArgument(Extended x) {
    Check(x * 1.4426950408889634073599246810018921L);
}

// The root's dual, used under arcsin, arccos, arcosh and arsinh: its own derivative divides by zero
// where the root is 0, which is where those functions fail.
TDual RootOf(const TDual& radicand) {
    return DualSqrt(radicand);
}

// Beyond this the exponent is left to exp and ln: a larger one with a result in range needs a base so
// close to 1 that the squarings would gain nothing.
constexpr Extended MaxSquaringExponent = 65536;
// Results this close to either end of the range are left to exp and ln as well, so that whether they
// overflow or underflow is decided exactly as for every other power.
constexpr Extended SmallestSquared = 0x1p-16300L;
constexpr Extended LargestSquared = 0x1p16300L;

// u^n and u^(n-1) by repeated squaring, n != 0 an integer of at most MaxSquaringExponent in magnitude;
// false where either result does not lie safely inside the range (also for a NaN or infinite u).
bool SquaredPowers(Extended u, long n, Extended& power, Extended& below) {
    unsigned long m = static_cast<unsigned long>(n < 0 ? -(n - 1) : n - 1); // |n - 1|
    Extended result = 1;
    Extended base = u;
    while (m != 0) {
        if (m & 1) result *= base;
        m >>= 1;
        if (m != 0) base *= base;
    }
    below = n < 1 ? 1 / result : result;
    power = below * u;
    const Extended magnitude = std::fabs(below) < std::fabs(power) ? std::fabs(power) : std::fabs(below);
    const Extended least = std::fabs(below) < std::fabs(power) ? std::fabs(below) : std::fabs(power);
    return magnitude <= LargestSquared && least >= SmallestSquared;
}

} // namespace

TDual DualPower(const TDual& a, const TDual& b) {
    // A constant integral exponent: u^v by repeated squaring, exact where exp and ln only come close,
    // with the derivative v u^(v-1) u'. The base must still be positive, as for exp(v ln u): a
    // negative base is an invalid operation, a zero base a division by zero, whatever the exponent.
    const Extended v = b.value;
    // Through double, whose conversion to an integer needs no change of the FPU's rounding mode; a
    // v that is not integral is found out by the comparison with the integer, however it rounded.
    const long n = std::fabs(v) <= MaxSquaringExponent ? static_cast<long>(static_cast<double>(v)) : 0;
    if (b.derivative == 0 && n != 0 && static_cast<Extended>(n) == v) {
        const Extended u = a.value;
        if (u < 0) Raise(FloatErrorKind::InvalidOperation);
        if (u == 0) Raise(FloatErrorKind::DivisionByZero);
        Extended power, below;
        if (SquaredPowers(u, n, power, below)) {
            const Extended derivative = v * below * a.derivative;
            Check(derivative);
            return {power, derivative};
        }
    }
    return DualExp(DualMul(DualLn(a), b));
}

TDual DualAbs(const TDual& x) {
    return DualSqrt(DualSqr(x));
}

TDual DualArccos(const TDual& x) {
    const TDual root = RootOf(DualSub(MakeConstant(1), DualSqr(x)));
    const Extended value = std::atan2(root.value, x.value);
    const Extended derivative = x.derivative / -root.value;
    Check(derivative);
    return {value, derivative};
}

TDual DualArccot(const TDual& x) {
    // The steps of arccot that can raise an event with a finite result: x^2 and x (x^2 - 1) may
    // overflow, 2x / (x^2 - 1) divides by zero at +-1.
    const Extended square = x.value * x.value;
    Check(square);
    const Extended squareMinusOne = square - 1;
    Check(x.value * squareMinusOne);
    CheckQuotient(2 * x.value / squareMinusOne, squareMinusOne);
    const Extended value = arccot(x.value);
    const Extended derivative = x.derivative / (-1 - square);
    Check(derivative);
    return {value, derivative};
}

TDual DualArcosh(const TDual& x) {
    const Extended value = arcosh(x.value);
    const TDual root = RootOf(DualAdd(DualSqr(x), MakeConstant(-1)));
    const Extended derivative = x.derivative / root.value;
    Check(derivative);
    return {value, derivative};
}

TDual DualArcsin(const TDual& x) {
    const TDual root = RootOf(DualSub(MakeConstant(1), DualSqr(x)));
    const Extended value = std::atan2(x.value, root.value);
    const Extended derivative = x.derivative / root.value;
    Check(derivative);
    return {value, derivative};
}

namespace {

// The library's extended arc tangent is the FPU's fpatan of x and 1 (bit for bit); done here, it needs
// no call, across which the FPU's registers could not hold the derivative.
Extended ArcTangent(Extended x) {
#if defined(__x86_64__) || defined(__i386__)
    Extended result;
    asm("fpatan" : "=t"(result) : "0"(Extended{1}), "u"(x) : "st(1)");
    return result;
#else
    return std::atan(x);
#endif
}

} // namespace

TDual DualArctan(const TDual& x) {
    const Extended square = x.value * x.value;
    Check(square);
    // A constant's derivative stays +-0 exactly; it saves the division.
    const Extended derivative = x.derivative == 0 ? x.derivative : x.derivative / (1 + square);
    return {ArcTangent(x.value), derivative};
}

TDual DualArsinh(const TDual& x) {
    const Extended value = arsinh(x.value);
    const TDual root = RootOf(DualAdd(DualSqr(x), MakeConstant(1)));
    const Extended derivative = x.derivative / root.value;
    Check(derivative);
    return {value, derivative};
}

TDual DualArtanh(const TDual& x) {
    const Extended value = artanh(x.value);
    const Extended square = x.value * x.value;
    Check(square);
    const Extended divisor = 1 - square;
    const Extended derivative = x.derivative / divisor;
    CheckQuotient(derivative, divisor);
    return {value, derivative};
}

void DualSinCos(const TDual& x, TDual& sinX, TDual& cosX) {
    Extended s, c;
    SinCos(x.value, s, c);
    // |sin|, |cos| <= 1: the derivatives cannot overflow.
    const TDual sine{s, c * x.derivative};
    const TDual cosine{c, -s * x.derivative};
    sinX = sine;
    cosX = cosine;
}

TDual DualSin(const TDual& x) {
    TDual s, c;
    DualSinCos(x, s, c);
    return s;
}

TDual DualCos(const TDual& x) {
    TDual s, c;
    DualSinCos(x, s, c);
    return c;
}

void DualSinhCosh(const TDual& x, TDual& sinhX, TDual& coshX) {
    // The steps of SinhCosh, each checked: h = e^x / 2 overflows, 0.25 / h divides by zero when h
    // underflowed to 0 and overflows when it is tiny; h -+ 0.25/h itself stays finite.
    CheckExpArgument(x.value);
    const Extended h = Exp(x.value) / 2;
    Check(h);
    const Extended q = 0.25L / h;
    CheckQuotient(q, h);
    const Extended s = h - q;
    const Extended c = h + q;
    const Extended sinhDerivative = c * x.derivative;
    const Extended coshDerivative = s * x.derivative;
    Check(sinhDerivative, coshDerivative);
    sinhX = {s, sinhDerivative};
    coshX = {c, coshDerivative};
}

TDual DualSinh(const TDual& x) {
    TDual s, c;
    DualSinhCosh(x, s, c);
    return s;
}

TDual DualCosh(const TDual& x) {
    TDual s, c;
    DualSinhCosh(x, s, c);
    return c;
}

TDual DualTan(const TDual& x) {
    const Extended value = std::tan(x.value);
    Check(value);
    const Extended c = DualSqr(DualCos(x)).value;
    const Extended derivative = x.derivative / c;
    CheckQuotient(derivative, c);
    return {value, derivative};
}

TDual DualCot(const TDual& x) {
    const Extended t = std::tan(x.value);
    const Extended value = 1 / t;
    CheckQuotient(value, t);
    const Extended s = DualSqr(DualSin(x)).value;
    const Extended derivative = -x.derivative / s;
    CheckQuotient(derivative, s);
    return {value, derivative};
}

TDual DualCoth(const TDual& x) {
    // coth = cosh / sinh, with the events of sinh and cosh first.
    TDual sinh, cosh;
    DualSinhCosh(x, sinh, cosh);
    const Extended value = cosh.value / sinh.value;
    CheckQuotient(value, sinh.value);
    const Extended s = DualSqr(sinh).value;
    const Extended derivative = -x.derivative / s;
    CheckQuotient(derivative, s);
    return {value, derivative};
}

TDual DualTanh(const TDual& x) {
    const Extended value = Tanh(x.value);
    const Extended c = DualSqr(DualCosh(x)).value;
    const Extended derivative = x.derivative / c;
    Check(derivative);
    return {value, derivative};
}

TDual DualExp(const TDual& x) {
    CheckExpArgument(x.value);
    const Extended value = Exp(x.value);
    Check(value);
    const Extended derivative = value * x.derivative;
    Check(derivative);
    return {value, derivative};
}

TDual DualInt(const TDual& x) {
    return {std::trunc(x.value), 0};
}

TDual DualFrac(const TDual& x) {
    return DualSub(x, DualInt(x));
}

TDual DualLn(const TDual& x) {
    const Extended value = std::log(x.value);
    // ln 0 is a division by zero, the logarithm of a negative number an invalid operation.
    CheckQuotient(value, x.value);
    const Extended derivative = x.derivative / x.value;
    Check(derivative);
    return {value, derivative};
}

TDual DualSqr(const TDual& x) {
    const Extended value = x.value * x.value;
    Check(value);
    const Extended derivative = 2 * x.value * x.derivative;
    Check(derivative);
    return {value, derivative};
}

TDual DualSqrt(const TDual& x) {
    const Extended r = std::sqrt(x.value);
    Check(r);
    const Extended divisor = 2 * r;
    const Extended derivative = x.derivative / divisor;
    CheckQuotient(derivative, divisor);
    return {r, derivative};
}

} // namespace quillon
