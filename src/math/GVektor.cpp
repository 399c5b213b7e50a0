#include "math/GVektor.h"

#include "core/FloatError.h"
#include "core/mehr_mathe.h"
#include "math/GMatrix.h"

#include <cfenv>
#include <cmath>
#include <utility>

namespace quillon {
namespace {

// sqrt(1 - t²). A point whose squared components are subnormal gets an r that can round below |z|, and
// z/r then lies just beyond ±1: such a point is on the axis, where the root's limit is 0. Without this
// the conversions would report an invalid operation for a representable point.
Extended CoRoot(Extended t) {
    const Extended s = 1 - t * t;
    return s > 0 ? std::sqrt(s) : 0;
}

// arccos and arcsin through the two-argument arc tangent, as the angle formulas expect.
Extended ArcCos(Extended t) {
    return std::atan2(CoRoot(t), t);
}
Extended ArcSin(Extended t) {
    return std::atan2(t, CoRoot(t));
}

// The azimuth: atan2 except on the y axis and at the origin, where it is ±pi/2 by the sign of y.
Extended Azimuth(Extended x, Extended y) {
    if (x != 0) return std::atan2(y, x);
    return y < 0 ? -Pi / 2 : Pi / 2;
}

TVektor PlainCross(TVektor a, TVektor b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Extended PlainDot(TVektor a, TVektor b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Extended PlainLength(TVektor a) {
    return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
}

TVektor PlainDiv(TVektor a, Extended k) {
    if (k == 0) return NullVektor;
    return {a.x / k, a.y / k, a.z / k};
}

// p + s·u
TVektor Along(TVektor p, Extended s, TVektor u) {
    return {p.x + s * u.x, p.y + s * u.y, p.z + s * u.z};
}

TVektor PlainKartToKugelZ(TVektor k) {
    const Extended r = std::sqrt(k.x * k.x + k.y * k.y + k.z * k.z);
    const Extended theta = r != 0 ? ArcCos(k.z / r) : 0;
    return {r, theta, Azimuth(k.x, k.y)};
}

TVektor PlainKartToKugelXY(TVektor k) {
    const Extended r = std::sqrt(k.x * k.x + k.y * k.y + k.z * k.z);
    const Extended theta = r != 0 ? ArcSin(k.z / r) : 0;
    return {r, theta, Azimuth(k.x, k.y)};
}

TVektor PlainKartToZyl(TVektor k) {
    return {std::sqrt(k.x * k.x + k.y * k.y), Azimuth(k.x, k.y), k.z};
}

TVektor PlainKugelZToKart(TVektor s) {
    return {s.x * Sin(s.y) * Cos(s.z), s.x * Sin(s.y) * Sin(s.z), s.x * Cos(s.y)};
}

TVektor PlainKugelXYToKart(TVektor s) {
    return {s.x * Cos(s.y) * Cos(s.z), s.x * Cos(s.y) * Sin(s.z), s.x * Sin(s.y)};
}

TVektor PlainZylToKart(TVektor c) {
    return {c.x * Cos(c.y), c.x * Sin(c.y), c.z};
}

// Solves the 3x3 system whose columns are c1, c2, c3 for the right-hand side rhs.
TVektor Solve(TVektor c1, TVektor c2, TVektor c3, TVektor rhs) {
    TMatrix a{{c1.x, c2.x, c3.x, c1.y, c2.y, c3.y, c1.z, c2.z, c3.z}};
    GaussJordan(a, 3, rhs, 1);
    return rhs;
}

} // namespace

TVektor VAdd(TVektor a, TVektor b) {
    return Checked([&] { return TVektor{a.x + b.x, a.y + b.y, a.z + b.z}; });
}

TVektor VSub(TVektor a, TVektor b) {
    return Checked([&] { return TVektor{a.x - b.x, a.y - b.y, a.z - b.z}; });
}

TVektor VScale(TVektor a, Extended k) {
    return Checked([&] { return TVektor{k * a.x, k * a.y, k * a.z}; });
}

TVektor VCompMul(TVektor a, TVektor b) {
    return Checked([&] { return TVektor{a.x * b.x, a.y * b.y, a.z * b.z}; });
}

TVektor VDivScalar(TVektor a, Extended k) {
    return Checked([&] { return PlainDiv(a, k); });
}

TVektor VCross(TVektor a, TVektor b) {
    return Checked([&] { return PlainCross(a, b); });
}

Extended VDot(TVektor a, TVektor b) {
    return Checked([&] { return PlainDot(a, b); });
}

Extended VSpat(TVektor a, TVektor b, TVektor c) {
    return Checked([&] { return PlainDot(a, PlainCross(b, c)); });
}

Extended VLength(TVektor a) {
    return Checked([&] { return PlainLength(a); });
}

TVektor VUnit(TVektor a) {
    return Checked([&] { return PlainDiv(a, PlainLength(a)); });
}

Extended VAngle(TVektor a, TVektor b) {
    return Checked([&]() -> Extended {
        const Extended la = PlainLength(a);
        const Extended lb = PlainLength(b);
        if (!(la > 0) || !(lb > 0)) return 0;
        const Extended c = PlainDot(a, b) / (la * lb);
        // Rounding can push the cosine of (anti)parallel vectors just beyond ±1.
        if (std::fabs(c) > 1) return 0;
        return ArcCos(c);
    });
}

bool VEqual(TVektor a, TVektor b) {
    // A NaN component compares unequal without leaving an event behind.
    FloatFlagsGuard keep;
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

TVektor KartToKugelZ(TVektor k) {
    return Checked([&] { return PlainKartToKugelZ(k); });
}

TVektor KartToKugelXY(TVektor k) {
    return Checked([&] { return PlainKartToKugelXY(k); });
}

TVektor KartToZyl(TVektor k) {
    return Checked([&] { return PlainKartToZyl(k); });
}

TVektor KugelZToKart(TVektor s) {
    return Checked([&] { return PlainKugelZToKart(s); });
}

TVektor KugelXYToKart(TVektor s) {
    return Checked([&] { return PlainKugelXYToKart(s); });
}

TVektor ZylToKart(TVektor c) {
    return Checked([&] { return PlainZylToKart(c); });
}

TVektor KugelZToZyl(TVektor s) {
    return Checked([&] { return PlainKartToZyl(PlainKugelZToKart(s)); });
}

TVektor KugelXYToZyl(TVektor s) {
    return Checked([&] { return PlainKartToZyl(PlainKugelXYToKart(s)); });
}

TVektor ZylToKugelZ(TVektor c) {
    return Checked([&] { return PlainKartToKugelZ(PlainZylToKart(c)); });
}

TVektor ZylToKugelXY(TVektor c) {
    return Checked([&] { return PlainKartToKugelXY(PlainZylToKart(c)); });
}

void GaussJordan(TMatrix& a, int n, TVektor& b, int m) {
    if (n > 3) n = 3;
    if (n < 1) return;
    const bool withRhs = m >= 1;
    Extended rhs[4] = {0, b.x, b.y, b.z};
    int ipiv[4] = {0, 0, 0, 0};
    int indxr[4] = {0, 0, 0, 0};
    int indxc[4] = {0, 0, 0, 0};
    // Only an all-zero first pivot leaves this unchanged; then the rows are not scaled at all.
    Extended pivinv = 1;

    Checked([&] {
        for (int i = 1; i <= n; ++i) {
            // Full pivoting; ">=" lets the last of equal magnitudes win, so an all-zero column is taken
            // only when nothing else is left. The first candidate stands in when every entry is NaN.
            Extended big = 0;
            int irow = 0;
            int icol = 0;
            for (int j = 1; j <= n; ++j) {
                if (ipiv[j] == 1) continue;
                for (int k = 1; k <= n; ++k) {
                    if (ipiv[k] != 0) continue;
                    if (irow == 0) {
                        irow = j;
                        icol = k;
                    }
                    if (std::fabs(a(j, k)) >= big) {
                        big = std::fabs(a(j, k));
                        irow = j;
                        icol = k;
                    }
                }
            }
            ++ipiv[icol];
            if (irow != icol) {
                for (int l = 1; l <= n; ++l)
                    std::swap(a(irow, l), a(icol, l));
                if (withRhs) std::swap(rhs[irow], rhs[icol]);
            }
            indxr[i] = irow;
            indxc[i] = icol;
            // A zero pivot keeps the previous factor: for the line solvers that row is only a residual.
            if (a(icol, icol) != 0) pivinv = 1 / a(icol, icol);
            a(icol, icol) = 1;
            for (int l = 1; l <= n; ++l)
                a(icol, l) *= pivinv;
            if (withRhs) rhs[icol] *= pivinv;
            for (int ll = 1; ll <= n; ++ll) {
                if (ll == icol) continue;
                const Extended dum = a(ll, icol);
                a(ll, icol) = 0;
                for (int l = 1; l <= n; ++l)
                    a(ll, l) -= a(icol, l) * dum;
                if (withRhs) rhs[ll] -= rhs[icol] * dum;
            }
        }
        return 0;
    });

    for (int l = n; l >= 1; --l) {
        if (indxr[l] == indxc[l]) continue;
        for (int k = 1; k <= n; ++k)
            std::swap(a(k, indxr[l]), a(k, indxc[l]));
    }
    if (withRhs) b = {rhs[1], rhs[2], rhs[3]};
}

TVektor SchnittGeradeGerade(TVektor p, TVektor u, TVektor q, TVektor v) {
    return Checked([&] {
        // The zero first column is pivoted last, so the residual equation is the worst-conditioned one.
        const TVektor x = Solve(NullVektor, u, v, {q.x - p.x, q.y - p.y, q.z - p.z});
        return Along(p, x.y, u);
    });
}

TVektor SchnittGeradeEbene(TVektor p, TVektor u, TVektor q, TVektor v, TVektor w) {
    return Checked([&] {
        const TVektor x = Solve({-v.x, -v.y, -v.z}, {-w.x, -w.y, -w.z}, u, {q.x - p.x, q.y - p.y, q.z - p.z});
        return Along(p, x.z, u);
    });
}

void GemeinsamesLot(TVektor p, TVektor u, TVektor q, TVektor v, TVektor& f1, TVektor& f2) {
    const TVektor x = Checked([&] {
        const TVektor nv = PlainCross(u, v);
        return Solve(u, {-v.x, -v.y, -v.z}, nv, {q.x - p.x, q.y - p.y, q.z - p.z});
    });
    f1 = Checked([&] { return Along(p, x.x, u); });
    f2 = Checked([&] { return Along(q, x.y, v); });
}

void EbeneParamToKoord(TVektor p, TVektor u, TVektor v, TVektor& nv, Extended& d) {
    const TVektor n = VCross(u, v);
    d = VDot(n, p);
    nv = n;
}

void EbeneKoordToParam(TVektor nv, Extended d, TVektor& p, TVektor& u, TVektor& v) {
    struct Form {
        TVektor p, u, v;
    };
    const Form f = Checked([&]() -> Form {
        if (nv.x != 0) return {{d / nv.x, 0, 0}, {-nv.y / nv.x, 1, 0}, {-nv.z / nv.x, 0, 1}};
        if (nv.y != 0) return {{0, d / nv.y, 0}, {1, 0, 0}, {0, -nv.z / nv.y, 1}};
        if (nv.z != 0) return {{0, 0, d / nv.z}, {1, 0, 0}, {0, 1, 0}};
        return {NullVektor, NullVektor, NullVektor};
    });
    p = f.p;
    u = f.u;
    v = f.v;
}

} // namespace quillon
