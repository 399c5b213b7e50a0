#pragma once

#include "core/Globals.h"
#include "math/GMatrix.h"
#include "math/GVektor.h"

// Eigenvalues and eigenvectors of a real 3x3 matrix, in extended precision throughout (nothing passes
// through double).
//
// Method. The matrix is scaled by a power of two so that its largest element is about 1, then balanced
// by a diagonal similarity of powers of two, so that rows and columns of very different size (1e200
// beside 1e-200) come out alike; both steps are exact. The eigenvalues of the balanced matrix B come
// from one Givens reduction to Hessenberg form and Francis double-shift QR steps.
//
// Tolerance. What must be decided rather than computed is decided with
//     tol = EigenTolerance * |B|,   EigenTolerance = 2^-56 (about 1.4e-17, 128 units of rounding),
// |B| the Frobenius norm of the balanced matrix:
// - a real eigenvalue, or the real or imaginary part of a complex one, of size below tol is 0, and so
//   is an eigenvector component below EigenTolerance (the vectors have length 1);
// - multiplicity: rounding splits a defective eigenvalue by about the square or cube root of the
//   rounding error, so the spread of the computed values says nothing. Instead the distance from B to
//   the nearest matrix with a multiple eigenvalue is estimated. Three eigenvalues are one triple
//   eigenvalue mu = trace/3 when, with N = B - mu I, min(|N|, |N^2|/|N|, |N^3|/|N^2|) <= tol. Otherwise
//   the closest two (the complex pair, if there is one) are one double real eigenvalue mu (their mean)
//   when, with nu the third eigenvalue, K = B - nu I and N = B - mu I,
//   min(|N K|/|K|, |N^2 K|/|N K|) <= tol. So a Jordan block is recognised as one eigenvalue, while two
//   well-conditioned eigenvalues 1e-15 apart stay two. A complex pair that is not merged stays complex;
//   real versus complex is decided by the same test;
// - the eigenspace of a real eigenvalue lambda is the null space of B - lambda I, from a Householder QR
//   with column pivoting of its transpose: a pivot below tol counts as zero, and the dimension is at
//   least 1 and at most the algebraic multiplicity.
//
// Nothing here raises or leaves a floating-point event, and nothing throws.

namespace quillon {

inline constexpr Extended EigenTolerance = 0x1p-56L;

// One distinct real eigenvalue with an orthonormal basis of its eigenspace (in the matrix's own
// coordinates). In each vector the first component that is not 0 is positive. A two-dimensional space
// has the basis that starts from the unit vector closest to the plane; all of space has the unit vectors.
struct TEigenSpace {
    Extended value = 0;
    int multiplicity = 0; // algebraic, 1..3
    int dimension = 0;    // 1..multiplicity
    TVektor basis[3]{};
};

struct TEigen {
    // False when an element is NaN or infinite, or an eigenvalue is too large for an extended.
    bool defined = false;
    // 3, or 1 beside a complex pair re +- im i (im > 0).
    int realCount = 0;
    // The real eigenvalues in descending order, each as often as its multiplicity.
    Extended real[3]{};
    Extended re = 0, im = 0;
    // The distinct real eigenvalues, in the order of real[].
    int spaceCount = 0;
    TEigenSpace spaces[3]{};
};

TEigen MEigen(TMatrix A);

} // namespace quillon
