#pragma once

#include "core/Globals.h"

// Complex numbers that carry their Cartesian and polar forms together.
//
// Which form an operation trusts matters: sums, differences and products compute Re/Im and derive r/phi
// (phi then in (-pi, pi]); quotients compute r/phi and derive Re/Im, with phi the plain difference of the
// arguments, deliberately not reduced. ComplexDiv, ComplexLn and ComplexPower read r and phi of their
// operands as they stand, so an argument typed outside (-pi, pi] selects that branch.
//
// Singular points fall back instead of failing: a quotient by a stored modulus not above 0 returns the
// dividend, a division by the real 0 returns the operand, the logarithm of a stored modulus not above 0
// returns its operand, the tangent with a zero denominator returns its operand. Compositions do not pass
// those fallbacks on: the square root of 0 is 0, arccot 0 is pi/2, and the poles (cot and coth at 0,
// artanh and arcoth at +-1, so arctan at +-i) throw the division-by-zero FloatError. Any other
// floating-point event (overflow of exp or cosh, a zero modulus to a negative power) throws the
// FloatError of its kind.

namespace quillon {

struct TComplex {
    Extended Re, Im, r, phi;
};

inline constexpr TComplex ComplexZero{0, 0, 0, 0};
inline constexpr TComplex ComplexOne{1, 0, 1, 0};
inline constexpr TComplex ComplexI{0, 1, 1, Pi / 2};
inline constexpr TComplex ComplexMinusI{0, -1, 1, -Pi / 2};

// fromPolar false: r and phi from Re and Im, with phi = +pi/2 for Re = 0 unless Im < 0 (so 0 + 0i has
// +pi/2). fromPolar true: Re and Im from r and phi, exactly (0, +-r) at phi = +-pi/2.
void ComplexSync(TComplex& z, bool fromPolar);

TComplex ComplexAdd(TComplex a, TComplex b);
TComplex ComplexSub(TComplex a, TComplex b);
TComplex ComplexMul(TComplex a, TComplex b);
TComplex ComplexDiv(TComplex a, TComplex b);
TComplex ComplexScale(TComplex z, Extended x);
TComplex ComplexDivReal(TComplex z, Extended x);
TComplex ComplexConj(TComplex z);
// The real power of the modulus (quillon::Power), the argument times x; the result's phi is reduced.
TComplex ComplexPower(TComplex z, Extended x);

TComplex ComplexLn(TComplex z);
TComplex ComplexExp(TComplex z);
TComplex ComplexSqrt(TComplex z);

TComplex ComplexSin(TComplex z);
TComplex ComplexCos(TComplex z);
TComplex ComplexTan(TComplex z);
TComplex ComplexCot(TComplex z);

TComplex ComplexSinh(TComplex z);
TComplex ComplexCosh(TComplex z);
TComplex ComplexTanh(TComplex z);
TComplex ComplexCoth(TComplex z);

TComplex ComplexArcSin(TComplex z);
TComplex ComplexArcCos(TComplex z);
TComplex ComplexArcTan(TComplex z);
TComplex ComplexArcCot(TComplex z);

TComplex ComplexArSinh(TComplex z);
TComplex ComplexArCosh(TComplex z);
TComplex ComplexArTanh(TComplex z);
TComplex ComplexArCoth(TComplex z);

} // namespace quillon
