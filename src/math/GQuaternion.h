#pragma once

#include "core/Globals.h"
#include "math/GComplex.h"
#include "math/GVektor.h"

#include <string>

// Quaternions. The elementary functions are not written for quaternions: each is the complex function of
// the same name, applied in the plane spanned by 1 and the quaternion's own axis (a real quaternion uses
// the i-axis, so sqrt(-4) = 2i and ln(-1) = pi i).
//
// Division by the zero quaternion returns the dividend unchanged, as the complex quotient does: QuatDiv(a, 0)
// is a, and the inverse of 0 ("kehrwert") is QuatOne. QuatDivReal by the real 0 likewise returns its
// operand. The page tests for a zero divisor itself and shows a message. A floating-point event (overflow,
// the zero quaternion to a negative power) throws the FloatError of its kind.

namespace quillon {

struct TQuat {
    Extended Re, i, j, k;
};

inline constexpr TQuat QuatZero{0, 0, 0, 0};
inline constexpr TQuat QuatOne{1, 0, 0, 0};
inline constexpr TQuat QuatI{0, 1, 0, 0};
inline constexpr TQuat QuatJ{0, 0, 1, 0};
inline constexpr TQuat QuatK{0, 0, 0, 1};

TQuat QuatAdd(TQuat a, TQuat b);
TQuat QuatSub(TQuat a, TQuat b);
// The Hamilton product a b (not commutative).
TQuat QuatMul(TQuat a, TQuat b);
// Right division a b^-1; a itself when b is the zero quaternion.
TQuat QuatDiv(TQuat a, TQuat b);
TQuat QuatScale(TQuat q, Extended x);
// q itself when x is 0.
TQuat QuatDivReal(TQuat q, Extended x);
TQuat QuatConj(TQuat q);
Extended QuatNorm2(TQuat q);
Extended QuatAbs(TQuat q);
Extended QuatImagLength(TQuat q);
// In [0, pi]; 0 for the zero quaternion.
Extended QuatArg(TQuat q);
// The unit vector of the imaginary part; (0, 0, 0) for every real quaternion, the negative ones included.
TVektor QuatAxis(TQuat q);
// QuatZero for the zero quaternion.
TQuat QuatUnit(TQuat q);
// The modulus to the power x (quillon::Power) times cos + sin of x times the argument about the axis.
TQuat QuatPower(TQuat q, Extended x);

// The complex function f applied in the plane spanned by 1 and q's own axis; a real quaternion uses the
// i-axis. This is what QuatFunction does for the names of complex functions.
TQuat QuatReduced(TComplex (*f)(TComplex), TQuat q);

// "add", "sub", "mul", "div" (case-sensitive); any other name returns a.
TQuat QuatOperation(const std::string& name, TQuat a, TQuat b);
// "kehrwert" (inverse), "konj", and the complex functions "sin", "cos", "tan", "cotan", "sinh", "cosh",
// "tanh", "coth", "arcsin", "arccos", "arctan", "arccot", "arcsinh", "arccosh", "arctanh" or "artanh",
// "arcoth", "sqrt", "exp", "ln"; any other name returns q.
TQuat QuatFunction(const std::string& name, TQuat q);

} // namespace quillon
