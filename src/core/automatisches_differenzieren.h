#pragma once

#include "core/FloatError.h"
#include "core/Globals.h"

// Forward-mode automatic differentiation: every operand of a formula carries its value and its first
// derivative with respect to the formula's variable x.
//
// Every operation stops at the first floating-point event it causes (invalid operation, division by
// zero, overflow) and throws the FloatError of that kind, as a trapping FPU would; the operands must be
// finite. The derivative side is always computed, so its divisions fail too: sqrt(0) fails although
// its value is 0.

namespace quillon {

struct TDual {
    Extended value;
    Extended derivative;
};

inline TDual MakeVariable(Extended c) {
    return {c, 1};
}
inline TDual MakeConstant(Extended c) {
    return {c, 0};
}
inline TDual DualCopy(const TDual& a) {
    return a;
}

// The four operations are defined here so that the formula's evaluation loop inlines them; most
// formulas are little else.
namespace dual_detail {

// Events are recognised by their results, step by step, which needs no access to the FPU's flags and
// cannot be upset by the compiler moving arithmetic around a flag test. With finite operands, and
// everything on the stack of a calculation is finite because each step is checked, a step raised an
// event exactly when its result is not finite: invalid operations give NaN, overflows and divisions
// by zero give infinities. Each step is checked before its result is used, so the first event decides
// the kind, as with a trapping FPU. Events hidden inside a step (an overflowing intermediate whose
// result is finite again) are tested explicitly where they can happen.
[[noreturn, gnu::cold, gnu::noinline]] void Raise(FloatErrorKind kind);

// A product, sum or function value: NaN is an invalid operation, infinity an overflow.
inline void Check(Extended v) {
    if (__builtin_expect(!__builtin_isfinite(v), 0))
        Raise(v != v ? FloatErrorKind::InvalidOperation : FloatErrorKind::Overflow);
}

inline void Check(Extended a, Extended b) {
    Check(a);
    Check(b);
}

// A quotient: 0/0 is invalid, x/0 a division by zero, anything else infinite an overflow.
inline void CheckQuotient(Extended q, Extended divisor) {
    if (__builtin_expect(!__builtin_isfinite(q), 0))
        Raise(q != q         ? FloatErrorKind::InvalidOperation
              : divisor == 0 ? FloatErrorKind::DivisionByZero
                             : FloatErrorKind::Overflow);
}

} // namespace dual_detail

inline TDual DualAdd(const TDual& a, const TDual& b) {
    const TDual r{a.value + b.value, a.derivative + b.derivative};
    dual_detail::Check(r.value, r.derivative);
    return r;
}

inline TDual DualSub(const TDual& a, const TDual& b) {
    const TDual r{a.value - b.value, a.derivative - b.derivative};
    dual_detail::Check(r.value, r.derivative);
    return r;
}

inline TDual DualMul(const TDual& a, const TDual& b) {
    const Extended value = a.value * b.value;
    dual_detail::Check(value);
    const Extended p = a.value * b.derivative;
    const Extended q = a.derivative * b.value;
    dual_detail::Check(p, q); // before the sum, where two overflows could cancel into an invalid operation
    const Extended derivative = p + q;
    dual_detail::Check(derivative);
    return {value, derivative};
}

inline TDual DualDiv(const TDual& a, const TDual& b) {
    const Extended r = a.value / b.value;
    dual_detail::CheckQuotient(r, b.value);
    const Extended derivative = (a.derivative - r * b.derivative) / b.value;
    dual_detail::Check(derivative);
    return {r, derivative};
}

// exp(b ln a), or by repeated squaring for a constant integral b: either way a negative base is an
// invalid operation and a zero base a division by zero.
TDual DualPower(const TDual& a, const TDual& b);

// One function per name of the formula language.
TDual DualAbs(const TDual& x);
TDual DualArccos(const TDual& x);
TDual DualArccot(const TDual& x);
TDual DualArcosh(const TDual& x);
TDual DualArcsin(const TDual& x);
TDual DualArctan(const TDual& x);
TDual DualArsinh(const TDual& x);
TDual DualArtanh(const TDual& x);
TDual DualCos(const TDual& x);
TDual DualCosh(const TDual& x);
TDual DualCot(const TDual& x);
TDual DualCoth(const TDual& x);
TDual DualExp(const TDual& x);
TDual DualFrac(const TDual& x);
TDual DualInt(const TDual& x);
TDual DualLn(const TDual& x);
TDual DualSin(const TDual& x);
TDual DualSinh(const TDual& x);
TDual DualSqr(const TDual& x);
TDual DualSqrt(const TDual& x);
TDual DualTan(const TDual& x);
TDual DualTanh(const TDual& x);

// Sine and cosine (hyperbolic sine and cosine) from one evaluation of the pair.
void DualSinCos(const TDual& x, TDual& sinX, TDual& cosX);
void DualSinhCosh(const TDual& x, TDual& sinhX, TDual& coshX);

} // namespace quillon
