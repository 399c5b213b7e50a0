#pragma once

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

TDual DualAdd(const TDual& a, const TDual& b);
TDual DualSub(const TDual& a, const TDual& b);
TDual DualMul(const TDual& a, const TDual& b);
TDual DualDiv(const TDual& a, const TDual& b);
// Always exp(b ln a): a negative base is an invalid operation, a zero base a division by zero.
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
