#include "math/GRotation.h"

#include "core/FloatError.h"

#include <algorithm>
#include <cmath>

namespace quillon {
namespace {

TQuat Normalized(TQuat q) {
    const Extended n = std::sqrt(q.Re * q.Re + q.i * q.i + q.j * q.j + q.k * q.k);
    return {q.Re / n, q.i / n, q.j / n, q.k / n};
}

// Re >= 0; for Re = 0 the first nonzero imaginary part positive, so that q and -q give one answer.
TQuat Canonical(TQuat q) {
    bool flip = q.Re < 0;
    if (q.Re == 0) {
        for (Extended c : {q.i, q.j, q.k})
            if (c != 0) {
                flip = c < 0;
                break;
            }
    }
    if (flip) q = {-q.Re, -q.i, -q.j, -q.k};
    if (q.Re == 0) q.Re = 0; // no -0
    return q;
}

} // namespace

bool IsRotationWithinRounding(TMatrix A) {
    const FloatFlagsGuard callersFlags;
    for (Extended v : A.e)
        if (!std::isfinite(v) || std::fabs(v) > 2) return false;
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) {
            Extended s = 0;
            for (int m = 1; m <= 3; ++m)
                s += A(m, i) * A(m, j);
            if (!(std::fabs(s - (i == j ? 1 : 0)) <= RotationTolerance)) return false;
        }
    return MDet(A) > 0;
}

TMatrix QuatToRotation(TQuat q) {
    const FloatFlagsGuard callersFlags;
    const Extended big = std::max({std::fabs(q.Re), std::fabs(q.i), std::fabs(q.j), std::fabs(q.k)});
    if (!(big > 0) || !std::isfinite(big)) return EinheitsMatrix;
    const int e = std::ilogb(big);
    const Extended w = std::ldexp(q.Re, -e), x = std::ldexp(q.i, -e), y = std::ldexp(q.j, -e),
                   z = std::ldexp(q.k, -e);
    // The homogeneous form, divided by |q|^2 at the end: w^2 - z^2 is exactly 0 where w = z, so a
    // quarter turn has exact zeros where 1 - 2 z^2 would leave rounding noise.
    const Extended n = w * w + x * x + y * y + z * z;
    const Extended ww = w * w, xx = x * x, yy = y * y, zz = z * z;
    return TMatrix{{(ww + xx - yy - zz) / n, 2 * (x * y - w * z) / n, 2 * (x * z + w * y) / n,
                    2 * (x * y + w * z) / n, (ww - xx + yy - zz) / n, 2 * (y * z - w * x) / n,
                    2 * (x * z - w * y) / n, 2 * (y * z + w * x) / n, (ww - xx - yy + zz) / n}};
}

TQuat RotationToQuat(TMatrix R) {
    const FloatFlagsGuard callersFlags;
    const Extended t = R(1, 1) + R(2, 2) + R(3, 3);
    const Extended candidates[4] = {1 + t, 1 + 2 * R(1, 1) - t, 1 + 2 * R(2, 2) - t, 1 + 2 * R(3, 3) - t};
    const int best = static_cast<int>(std::max_element(candidates, candidates + 4) - candidates);
    // 4 q_best^2 = candidates[best]; the other parts follow from sums and differences of a_ij.
    const Extended s = 2 * std::sqrt(candidates[best]); // 4 q_best
    TQuat q;
    switch (best) {
    case 0:
        q = {s / 4, (R(3, 2) - R(2, 3)) / s, (R(1, 3) - R(3, 1)) / s, (R(2, 1) - R(1, 2)) / s};
        break;
    case 1:
        q = {(R(3, 2) - R(2, 3)) / s, s / 4, (R(1, 2) + R(2, 1)) / s, (R(1, 3) + R(3, 1)) / s};
        break;
    case 2:
        q = {(R(1, 3) - R(3, 1)) / s, (R(1, 2) + R(2, 1)) / s, s / 4, (R(2, 3) + R(3, 2)) / s};
        break;
    default:
        q = {(R(2, 1) - R(1, 2)) / s, (R(1, 3) + R(3, 1)) / s, (R(2, 3) + R(3, 2)) / s, s / 4};
        break;
    }
    q = Normalized(q);
    // What is left of an exact zero after the rounding of the matrix elements is written as 0.
    for (Extended* c : {&q.Re, &q.i, &q.j, &q.k})
        if (std::fabs(*c) < 0x1p-56L) *c = 0;
    return Canonical(Normalized(q));
}

void QuatAxisAngle(TQuat q, TVektor& axis, Extended& degrees) {
    const FloatFlagsGuard callersFlags;
    const Extended v = std::sqrt(q.i * q.i + q.j * q.j + q.k * q.k);
    if (v == 0) {
        axis = {0, 0, 0};
        degrees = 0;
        return;
    }
    axis = {q.i / v, q.j / v, q.k / v};
    degrees = 2 * std::atan2(v, q.Re) * (180 / Pi);
}

} // namespace quillon
