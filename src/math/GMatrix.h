#pragma once

#include "core/Globals.h"
#include "math/GVektor.h"

// 3x3 matrices: free functions over a plain value record. Everything is exact 80-bit arithmetic without
// tolerances; the two divisions fall back to their matrix argument instead of failing, so a caller that
// must know (the matrix page) tests the divisor or the determinant itself. A floating-point event
// (overflow in a product, say) throws the FloatError of its kind.

namespace quillon {

// Nine elements stored row after row: TMatrix{{a11, a12, a13, a21, a22, a23, a31, a32, a33}}.
// A(i, j) reads or writes the element in row i and column j, both counted 1..3.
struct TMatrix {
    Extended e[9];

    constexpr Extended& operator()(int i, int j) { return e[(i - 1) * 3 + (j - 1)]; }
    constexpr Extended operator()(int i, int j) const { return e[(i - 1) * 3 + (j - 1)]; }
};

// A 2x2 minor, only passed from MMinor to MDet2.
struct TMatrix2 {
    Extended m11, m12, m21, m22;
};

inline constexpr TMatrix NullMatrix{{0, 0, 0, 0, 0, 0, 0, 0, 0}};
inline constexpr TMatrix EinheitsMatrix{{1, 0, 0, 0, 1, 0, 0, 0, 1}};

TMatrix MAdd(TMatrix A, TMatrix B);
TMatrix MSub(TMatrix A, TMatrix B);
TMatrix MMul(TMatrix A, TMatrix B);
TMatrix MScale(TMatrix A, Extended k);
// A itself when k is exactly 0 (either sign).
TMatrix MDivScalar(TMatrix A, Extended k);
TVektor MMulVec(TMatrix A, TVektor v);
TMatrix MTranspose(TMatrix A);
// The rule of Sarrus.
Extended MDet(TMatrix A);
Extended MTrace(TMatrix A);
// The rows other than i and the columns other than j, in ascending order; i, j in 1..3.
TMatrix2 MMinor(TMatrix A, int i, int j);
Extended MDet2(TMatrix2 M);
// The signed minors, not transposed.
TMatrix MCofactors(TMatrix A);
// The adjugate over the determinant; A itself when the determinant is exactly 0.
TMatrix MInverse(TMatrix A);
// Exact equality of all nine elements (so 0 and -0 are equal).
bool MEqual(TMatrix A, TMatrix B);
// (c2, c1, c0) of det(A - kI) = -k^3 + c2 k^2 + c1 k + c0.
TVektor MCharPoly(TMatrix A);
// The right-handed rotation by alpha radians about the axis (Rodrigues); the zero axis gives the identity.
TMatrix MRotation(TVektor axis, Extended alpha);

} // namespace quillon
