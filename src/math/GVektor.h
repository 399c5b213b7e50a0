#pragma once

#include "core/Globals.h"

// Three-dimensional vectors: arithmetic, coordinate conversions and the small linear solvers that the
// geometry of points, lines and planes is built from. Every decision is an exact comparison: callers
// rely on "exactly zero" meaning zero, so no tolerance is added anywhere.
//
// Division by zero is avoided by the fallbacks below. An event that has no fallback (overflow of huge
// components, an infinite angle) throws the FloatError of its kind; events the caller raised before the
// call stay pending for the caller's own check.

namespace quillon {

struct TMatrix; // math/GMatrix.h; that header needs TVektor, so it cannot be included here

struct TVektor {
    Extended x, y, z;
};

inline constexpr TVektor NullVektor{0, 0, 0};

TVektor VAdd(TVektor a, TVektor b);
TVektor VSub(TVektor a, TVektor b);
// k·a
TVektor VScale(TVektor a, Extended k);
// (ax·bx, ay·by, az·bz)
TVektor VCompMul(TVektor a, TVektor b);
// a/k; NullVektor when k is exactly 0.
TVektor VDivScalar(TVektor a, Extended k);
TVektor VCross(TVektor a, TVektor b);
Extended VDot(TVektor a, TVektor b);
// a · (b × c)
Extended VSpat(TVektor a, TVektor b, TVektor c);
Extended VLength(TVektor a);
// NullVektor for the zero vector.
TVektor VUnit(TVektor a);
// Angle in radians in [0, pi]; 0 when either vector has no length or the cosine rounds beyond ±1.
Extended VAngle(TVektor a, TVektor b);
// Exact componentwise equality.
bool VEqual(TVektor a, TVektor b);

// Coordinate triples travel in a TVektor: spherical (r, theta, phi), cylindrical (rho, phi, z), angles in
// radians, phi the azimuth from the +x axis. "KugelZ" measures theta from the +z axis, "KugelXY" from
// the xy plane.
TVektor KartToKugelZ(TVektor k);
TVektor KartToKugelXY(TVektor k);
TVektor KartToZyl(TVektor k);
TVektor KugelZToKart(TVektor s);
TVektor KugelXYToKart(TVektor s);
TVektor ZylToKart(TVektor c);
TVektor KugelZToZyl(TVektor s);
TVektor KugelXYToZyl(TVektor s);
TVektor ZylToKugelZ(TVektor c);
TVektor ZylToKugelXY(TVektor c);

// Intersection point of the lines p + s·u and q + t·v. For lines that do not meet it is the point that
// the two best-conditioned equations define; the caller decides beforehand that the lines intersect.
TVektor SchnittGeradeGerade(TVektor p, TVektor u, TVektor q, TVektor v);
// Intersection point of the line p + t·u with the plane q + r·v + s·w.
TVektor SchnittGeradeEbene(TVektor p, TVektor u, TVektor q, TVektor v, TVektor w);
// Feet of the common perpendicular of the lines p + s·u (f1) and q + t·v (f2).
void GemeinsamesLot(TVektor p, TVektor u, TVektor q, TVektor v, TVektor& f1, TVektor& f2);

// Gauss-Jordan elimination with full pivoting on the first n (1..3) rows and columns: b becomes the
// solution of a·x = b, a its inverse. m is the number of right-hand sides, 0 or 1 (b is one vector).
// A singular matrix is not reported: a zero pivot reuses the previous step's factor. An all-zero matrix
// leaves b unscaled.
void GaussJordan(TMatrix& a, int n, TVektor& b, int m);

// Coordinate form nv·X = d of the plane p + r·u + s·v; nv = u × v, not normalised.
void EbeneParamToKoord(TVektor p, TVektor u, TVektor v, TVektor& nv, Extended& d);
// A parametric form of the plane nv·X = d; three zero vectors for a zero normal.
void EbeneKoordToParam(TVektor nv, Extended d, TVektor& p, TVektor& u, TVektor& v);

} // namespace quillon
