#include "math/Bodies.h"

#include "core/FloatError.h"

#include <cfenv>
#include <cmath>

namespace quillon {
namespace {

constexpr Extended HalfPi = 1.5707963267948966193L;
constexpr Extended FourThirdsPi = 4.1887902047863909845L;
constexpr Extended FourPi = 12.566370614359172954L;

// p + t·u
TVektor Along(TVektor p, Extended t, TVektor u) {
    return VAdd(p, VScale(u, t));
}

// 2·c - p
TVektor Reflect(TVektor p, TVektor c) {
    return VSub(VScale(c, 2), p);
}

TVektor Normal(TEbene e) {
    return VCross(e.v, e.w);
}

// The relation of a point or a line to a sphere, from x = distance - r; each later test overrides.
int SphereCode(Extended x, Extended r) {
    int code = 0;
    if (x == 0) code = 0;
    if (x < 0) code = 1;
    if (x > 0) code = 2;
    if (x == -r) code = 3;
    if (x > r) code = 4;
    if (x > 2 * r) code = 5;
    return code;
}

} // namespace

Extended AbstandPunktPunkt(TVektor p, TVektor q) {
    return VLength(VSub(p, q));
}

TVektor LotfusspunktGerade(TVektor p, TGerade g) {
    const Extended c = VDot(g.u, g.u);
    const Extended t = c != 0 ? Checked([&] { return VDot(VSub(p, g.P), g.u) / c; }) : 0;
    return Along(g.P, t, g.u);
}

TVektor LotvektorGerade(TVektor p, TGerade g) {
    return VSub(LotfusspunktGerade(p, g), p);
}

Extended AbstandPunktGerade(TVektor p, TGerade g) {
    return VLength(LotvektorGerade(p, g));
}

TGerade Lotgerade(TVektor p, TGerade g) {
    const TVektor f = LotfusspunktGerade(p, g);
    return {f, VSub(f, p)};
}

TVektor LotfusspunktEbene(TVektor p, TEbene e) {
    const TVektor n = Normal(e);
    const Extended b = VDot(n, n);
    const Extended s = b > 0 ? Checked([&] { return VDot(n, VSub(e.Q, p)) / b; }) : 0;
    return Along(p, s, n);
}

TVektor LotvektorEbene(TVektor p, TEbene e) {
    return VSub(LotfusspunktEbene(p, e), p);
}

Extended AbstandPunktEbene(TVektor p, TEbene e) {
    const TVektor nh = VUnit(Normal(e));
    const Extended a = VDot(nh, p);
    const Extended b = VDot(nh, e.Q);
    return Checked([&] { return a - b; });
}

TEbeneKoord EbeneToKoord(TEbene e) {
    TEbeneKoord k{};
    EbeneParamToKoord(e.Q, e.v, e.w, k.n, k.d);
    return k;
}

TEbene KoordToEbene(TEbeneKoord k) {
    TEbene e{};
    EbeneKoordToParam(k.n, k.d, e.Q, e.v, e.w);
    return e;
}

TVektor Normaleneinheitsvektor(TEbene e) {
    return VUnit(Normal(e));
}

TEbene EbeneAusGeradePunkt(TVektor p, TGerade g) {
    return {p, g.P, VAdd(g.P, g.u)};
}

TGerade GeradeDurchPunkte(TVektor a, TVektor b) {
    return {a, VSub(b, a)};
}

TVektor Mittelpunkt(TVektor a, TVektor b) {
    return VDivScalar(VAdd(a, b), 2);
}

Extended LageGeradeGerade(TGerade g1, TGerade g2, int& code) {
    const TVektor c = VCross(g1.u, g2.u);
    if (VEqual(c, NullVektor)) {
        const Extended dist = AbstandPunktGerade(g1.P, g2);
        code = dist != 0 ? 1 : 0;
        return dist;
    }
    const Extended s = VSpat(VSub(g2.P, g1.P), g1.u, g2.u);
    if (s != 0) {
        code = 3;
        const Extended len = VLength(c);
        return len > 0 ? Checked([&] { return s / len; }) : 0;
    }
    code = 2;
    return 0;
}

Extended LageGeradeEbene(TGerade g, TEbene e, int& code) {
    const Extended a = AbstandPunktEbene(g.P, e);
    const Extended b = AbstandPunktEbene(VAdd(g.P, g.u), e);
    if (a == b) {
        code = a != 0 ? 1 : 0;
        return a != 0 ? a : 0;
    }
    code = 2;
    return 0;
}

Extended LageEbeneEbene(TEbene e1, TEbene e2, int& code) {
    const Extended a = AbstandPunktEbene(e1.Q, e2);
    const Extended b = AbstandPunktEbene(VAdd(e1.Q, e1.v), e2);
    const Extended c = AbstandPunktEbene(VAdd(e1.Q, e1.w), e2);
    if (a == b && c == a) {
        code = a != 0 ? 1 : 0;
        return a != 0 ? a : 0;
    }
    code = 2;
    return 0;
}

Extended LagePunktKugel(TVektor p, TKugel k, int& code) {
    const Extended dist = AbstandPunktPunkt(p, k.m);
    const Extended x = Checked([&] { return dist - k.r; });
    code = Checked([&] { return SphereCode(x, k.r); });
    return x;
}

Extended LageGeradeKugel(TGerade g, TKugel k, int& code) {
    const Extended dist = AbstandPunktGerade(k.m, g);
    const Extended x = Checked([&] { return dist - k.r; });
    code = Checked([&] { return SphereCode(x, k.r); });
    return x;
}

TVektor SchnittpunktGeraden(TGerade g1, TGerade g2) {
    return SchnittGeradeGerade(g1.P, g1.u, g2.P, g2.u);
}

TVektor SchnittpunktGeradeEbene(TGerade g, TEbene e) {
    return SchnittGeradeEbene(g.P, g.u, e.Q, e.v, e.w);
}

TGerade SchnittgeradeEbenen(TEbene e1, TEbene e2) {
    // Built from the two edge lines of e1 through Q: one of them meets e2 unless the planes are parallel.
    const TGerade h1{e1.Q, e1.v};
    const TGerade h2{e1.Q, e1.w};
    int code = 0;
    LageGeradeEbene(h1, e2, code);
    if (code == 0) return h1;
    if (code == 1) return {SchnittpunktGeradeEbene(h2, e2), e1.v};
    const TVektor s1 = SchnittpunktGeradeEbene(h1, e2);
    LageGeradeEbene(h2, e2, code);
    if (code == 0) return h2;
    if (code == 1) return {s1, e1.w};
    return GeradeDurchPunkte(s1, SchnittpunktGeradeEbene(h2, e2));
}

void SchnittGeradeKugel(TGerade g, TKugel k, int code, TVektor& a, TVektor& b) {
    const TVektor f = LotfusspunktGerade(k.m, g);
    switch (code) {
    case 0:
        a = f;
        b = f;
        break;
    case 1:
    case 3: {
        const Extended h = AbstandPunktPunkt(f, k.m);
        const Extended t = Checked([&] { return std::sqrt(k.r * k.r - h * h); });
        const TVektor e = VUnit(g.u);
        a = Along(f, t, e);
        b = VSub(f, VScale(e, t));
        break;
    }
    case 2:
    case 4:
    case 5:
        a = f;
        b = Along(k.m, k.r, VUnit(VSub(f, k.m)));
        break;
    default:
        break;
    }
}

TKreis SchnittEbeneKugel(TEbene e, TKugel k) {
    const Extended dd = std::fabs(AbstandPunktEbene(k.m, e));
    if (dd > k.r) return {NullVektor, NullVektor, 0};
    // Towards the plane; zero when the centre lies in it, which makes the great circle come out below.
    const TVektor nh = VUnit(LotvektorEbene(k.m, e));
    if (dd == k.r) return {Along(k.m, k.r, nh), {1, 1, 1}, 0};
    const Extended r = Checked([&] { return std::sqrt(k.r * k.r - dd * dd); });
    return {Along(k.m, dd, nh), nh, r};
}

TKreis SchnittKugelKugel(TKugel k1, TKugel k2) {
    const Extended r1 = k1.r;
    const Extended r2 = k2.r;
    if (VEqual(k1.m, k2.m)) {
        if (r1 == r2) return {NullVektor, {1, 1, 0}, 0};
        if (r1 < r2) return {NullVektor, {1, 0, 0}, 0};
        if (r1 > r2) return {NullVektor, {0, 1, 0}, 0};
    }
    const Extended l = VLength(VSub(k1.m, k2.m));
    const TVektor e = VUnit(VSub(k2.m, k1.m));
    const Extended sum = Checked([&] { return r1 + r2; });
    const Extended diff = Checked([&] { return std::fabs(r1 - r2); });
    if (l > sum) return {NullVektor, NullVektor, 0};
    if (l == sum) return {Along(k1.m, r1, e), NullVektor, 0};
    if (l > diff) {
        const Extended h = Checked([&] { return (r1 * r1 - r2 * r2 + l * l) / (2 * l); });
        // Near tangency, rounding can make |h| reach r1: the circle has shrunk to the touching point,
        // which gets the marker of the tangency (outside or inside) that l is nearer to.
        const Extended q = Checked([&] { return r1 * r1 - h * h; });
        const TVektor centre = Along(k1.m, h, e);
        if (q > 0) return {centre, e, std::sqrt(q)};
        if (sum - l <= l - diff) return {centre, NullVektor, 0};
        return {centre, r1 <= r2 ? TVektor{-1, 0, 0} : TVektor{0, -1, 0}, 0};
    }
    if (l < diff) {
        if (r1 < r2) return {NullVektor, {-1, 0, 0}, 0};
        return {NullVektor, {0, -1, 0}, 0};
    }
    if (r1 <= r2) return {VSub(k2.m, VScale(e, r2)), {-1, 0, 0}, 0};
    return {Along(k1.m, r1, e), {0, -1, 0}, 0};
}

TVektor SpiegelPunktPunkt(TVektor p, TVektor c) {
    return Reflect(p, c);
}

TVektor SpiegelPunktGerade(TVektor p, TGerade g) {
    return Reflect(p, LotfusspunktGerade(p, g));
}

TVektor SpiegelPunktEbene(TVektor p, TEbene e) {
    return Reflect(p, LotfusspunktEbene(p, e));
}

TGerade SpiegelGeradePunkt(TGerade g, TVektor c) {
    return {Reflect(LotfusspunktGerade(c, g), c), g.u};
}

TEbene SpiegelEbenePunkt(TEbene e, TVektor c) {
    return {Reflect(LotfusspunktEbene(c, e), c), e.v, e.w};
}

TGerade SpiegelGeradeGerade(TGerade g1, TGerade g2, int code) {
    switch (code) {
    case 1:
        return {SpiegelPunktGerade(g1.P, g2), g1.u};
    case 2: {
        const TVektor s = SchnittpunktGeraden(g1, g2);
        const TVektor x = SpiegelPunktGerade(VAdd(s, g1.u), g2);
        return {s, VSub(x, s)};
    }
    case 3: {
        TVektor f1{};
        TVektor f2{};
        GemeinsamesLot(g1.P, g1.u, g2.P, g2.u, f1, f2);
        // The half turn about g2 keeps the part of u1 along u2 and reverses the rest; the direction is
        // written with that rest kept, so a perpendicular line keeps u1 as it is.
        const TVektor along = LotfusspunktGerade(g1.u, {NullVektor, g2.u});
        return {Reflect(f1, f2), VSub(g1.u, VScale(along, 2))};
    }
    default:
        return g1;
    }
}

TGerade SpiegelGeradeEbene(TGerade g, TEbene e, int code) {
    switch (code) {
    case 1:
        return {SpiegelPunktEbene(g.P, e), g.u};
    case 2: {
        const TVektor s = SchnittpunktGeradeEbene(g, e);
        const TVektor x = SpiegelPunktEbene(VAdd(s, g.u), e);
        return {s, VSub(x, s)};
    }
    default:
        return g;
    }
}

TEbene SpiegelEbeneGerade(TEbene e, TGerade g, int code) {
    switch (code) {
    case 1:
        return {SpiegelPunktGerade(e.Q, g), e.v, e.w};
    case 2: {
        const TVektor s = SchnittpunktGeradeEbene(g, e);
        return {s, VSub(SpiegelPunktGerade(VAdd(s, e.v), g), s),
                VSub(SpiegelPunktGerade(VAdd(s, e.w), g), s)};
    }
    default:
        return e;
    }
}

TEbene SpiegelEbeneEbene(TEbene e1, TEbene e2, int code) {
    switch (code) {
    case 1:
        return {SpiegelPunktEbene(e1.Q, e2), e1.v, e1.w};
    case 2: {
        // The mirrored normal of e1 through a point of the intersection line defines the image.
        const TVektor s = SchnittgeradeEbenen(e1, e2).P;
        const TVektor n = SpiegelGeradeGerade({s, Normal(e1)}, {s, Normal(e2)}, 2).u;
        return KoordToEbene({n, VDot(n, s)});
    }
    default:
        return e1;
    }
}

Extended WinkelGeraden(TGerade g1, TGerade g2) {
    Extended a = std::fabs(VAngle(g1.u, g2.u));
    if (a > Pi) a = a - Pi;
    if (a > HalfPi) a = Pi - a;
    return a;
}

Extended WinkelGeradeEbene(TGerade g, TEbene e) {
    const TVektor s = SchnittpunktGeradeEbene(g, e);
    const TVektor f = LotfusspunktEbene(VAdd(s, g.u), e);
    if (VEqual(f, s)) return HalfPi;
    return WinkelGeraden(g, {s, VSub(f, s)});
}

Extended WinkelEbenen(TEbene e1, TEbene e2) {
    return WinkelGeraden({NullVektor, Normal(e1)}, {NullVektor, Normal(e2)});
}

Extended KugelVolumen(TKugel k) {
    const Extended cube = Power(k.r, 3.0L);
    return Checked([&] { return cube * FourThirdsPi; });
}

Extended KugelOberflaeche(TKugel k) {
    return Checked([&] { return k.r * (k.r * FourPi); });
}

Extended Kreisflaeche(TKreis c) {
    return Checked([&] { return c.r * c.r * Pi; });
}

Extended Dreiecksflaeche(TEbene e) {
    const Extended len = VLength(VCross(VSub(e.w, e.Q), VSub(e.v, e.Q)));
    return len / 2;
}

} // namespace quillon
