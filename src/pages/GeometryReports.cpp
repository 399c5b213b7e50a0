#include "pages/GeometryReports.h"

#include "core/FloatError.h"
#include "core/Handle.h"
#include "core/Options.h"
#include "math/MathText.h"
#include "text/AllText.h"

#include <cmath>

namespace quillon {
namespace {

// The angles at which a mirror image coincides with its original; compared exactly, as the angle
// functions return these very values for perpendicular objects.
constexpr Extended HalfPi = 1.5707963267948966193L;
constexpr Extended ThreeHalfPi = 4.712388980384689858L;

std::string F(Extended x) {
    return FormatNumber(x);
}

std::string V(TVektor p) {
    return VectorText(p);
}

// "a gespiegelt an b"
std::string Mirrored(const std::string& object, const std::string& rest) {
    return object + Text(492) + rest;
}

std::string AngleText(Extended a) {
    return F(a) + "  = " + F(a * 180 / Pi) + "°";
}

// The parametric form followed by the coordinate equation.
std::string PlaneForms(TEbene e) {
    return PlaneParamText(e) + Text(451) + PlaneEquationText(EbeneToKoord(e));
}

void AddSphereMeasures(GeometryReport& lines, TKugel k) {
    if (!PLE_AddInfo) return;
    lines.push_back(Text(507) + F(KugelVolumen(k)));
    lines.push_back(Text(508) + F(KugelOberflaeche(k)));
}

} // namespace

// Whether the spheres touch, for a result of SchnittKugelKugel without a circle whose marker n is that
// of spheres apart (0, 0, 0) or one inside the other ((-1, 0, 0), (0, -1, 0)). A touching point is told
// by m differing from 0, which fails for a touching point at the origin; the centre distance then
// decides, with the comparisons SchnittKugelKugel made.
bool SpheresTouch(TKugel k1, TKugel k2, TKreis c) {
    if (!VEqual(c.m, NullVektor)) return true;
    const Extended l = AbstandPunktPunkt(k1.m, k2.m);
    if (VEqual(c.n, NullVektor)) return !(l > k1.r + k2.r);
    return !(l < std::fabs(k1.r - k2.r));
}

GeometryReport ReportPointPoint(TVektor p1, TVektor p2) {
    GeometryReport lines;
    if (PLE_inputout) {
        lines.push_back("P1: " + V(p1));
        lines.push_back("P2: " + V(p2));
    }
    const Extended d = AbstandPunktPunkt(p1, p2);
    if (d == 0) {
        lines.push_back("P1 = P2");
        return lines;
    }
    if (PLE_DistanceOut) lines.push_back(Text(477) + F(d));
    if (PLE_AddInfo) {
        lines.push_back(Text(432) + V(Mittelpunkt(p1, p2)));
        lines.push_back(Text(433) + LineText(GeradeDurchPunkte(p1, p2)));
    }
    if (PLE_mirror) {
        lines.push_back(Mirrored("P1", "P2: P1´ = ") + V(SpiegelPunktPunkt(p1, p2)));
        lines.push_back(Mirrored("P2", "P1: P2´ = ") + V(SpiegelPunktPunkt(p2, p1)));
    }
    return lines;
}

GeometryReport ReportPointLine(TVektor p, TGerade g) {
    GeometryReport lines;
    if (PLE_inputout) {
        lines.push_back("P: " + V(p));
        lines.push_back("G: " + LineText(g));
    }
    const Extended d = AbstandPunktGerade(p, g);
    if (d == 0 && PLE_Intersection) {
        lines.push_back("P" + Text(438) + "G.");
        return lines;
    }
    lines.push_back(Text(439) + V(LotfusspunktGerade(p, g)));
    lines.push_back(Text(440) + V(LotvektorGerade(p, g)));
    lines.push_back(Text(441) + LineText(Lotgerade(p, g)));
    if (PLE_DistanceOut) lines.push_back(Text(477) + F(d));
    if (PLE_AddInfo) {
        const TEbene triangle = EbeneAusGeradePunkt(p, g);
        lines.push_back(Text(443) + V(triangle.Q) + "," + V(triangle.v) + "," + V(triangle.w) + ":  " +
                        F(Dreiecksflaeche(triangle)));
    }
    if (PLE_mirror) {
        lines.push_back(Mirrored("P", "G: P´ = ") + V(SpiegelPunktGerade(p, g)));
        lines.push_back(Mirrored("G", "P: G´: ") + LineText(SpiegelGeradePunkt(g, p)));
    }
    return lines;
}

GeometryReport ReportPointPlane(TVektor p, TEbene e) {
    GeometryReport lines;
    if (PLE_inputout) {
        lines.push_back("P: " + V(p));
        lines.push_back("E: " + PlaneForms(e));
    }
    const Extended d = AbstandPunktEbene(p, e);
    if (d == 0) {
        if (PLE_Intersection) lines.push_back("P" + Text(438) + "E");
        return lines;
    }
    if (PLE_AddInfo) {
        // Only a strict side of the origin is a side; a plane through the origin gets no side line.
        const Extended origin = AbstandPunktEbene(NullVektor, e);
        if (origin != 0) lines.push_back(Text((d > 0) == (origin > 0) ? 453 : 454));
    }
    lines.push_back(Text(455) + V(Normaleneinheitsvektor(e)));
    lines.push_back(Text(456) + V(LotfusspunktEbene(p, e)));
    if (PLE_DistanceOut) lines.push_back(Text(477) + F(std::fabs(d)));
    if (PLE_mirror) {
        lines.push_back(Mirrored("P", "E: P´ = ") + V(SpiegelPunktEbene(p, e)));
        lines.push_back(Mirrored("E", "P: E´: ") + PlaneParamText(SpiegelEbenePunkt(e, p)));
    }
    return lines;
}

GeometryReport ReportLineLine(TGerade g1, TGerade g2) {
    GeometryReport lines;
    if (PLE_inputout) {
        lines.push_back("G1: " + LineText(g1));
        lines.push_back("G2: " + LineText(g2));
    }
    int code = 0;
    const Extended distance = LageGeradeGerade(g1, g2, code);
    const Extended a = code == 2 ? WinkelGeraden(g1, g2) : 0;
    switch (code) {
    case 0:
        if (PLE_Intersection) lines.push_back("G1 = G2: " + LineText(g1));
        break;
    case 1:
        if (PLE_Intersection) lines.push_back(Text(464));
        if (PLE_DistanceOut) lines.push_back(Text(477) + F(std::fabs(distance)));
        break;
    case 2:
        if (PLE_Intersection) {
            lines.push_back(Text(468) + V(SchnittpunktGeraden(g1, g2)));
            lines.push_back(Text(469) + AngleText(a));
        }
        break;
    default:
        if (PLE_Intersection) lines.push_back(Text(476));
        if (PLE_DistanceOut) {
            TVektor f1{};
            TVektor f2{};
            GemeinsamesLot(g1.P, g1.u, g2.P, g2.u, f1, f2);
            lines.push_back(Text(477) + F(std::fabs(distance)));
            lines.push_back(Text(478) + V(f1));
            lines.push_back(Text(479) + V(f2));
        }
        break;
    }
    if (PLE_mirror && code != 0) {
        if (code == 2 && (a == HalfPi || a == ThreeHalfPi)) {
            lines.push_back(Mirrored("G1", "G2: G1´= G1 "));
            lines.push_back(Mirrored("G2", "G1: G2´= G2 "));
        } else {
            lines.push_back(Mirrored("G1", "G2: G1´: ") + LineText(SpiegelGeradeGerade(g1, g2, code)));
            lines.push_back(Mirrored("G2", "G1: G2´: ") + LineText(SpiegelGeradeGerade(g2, g1, code)));
        }
    }
    return lines;
}

GeometryReport ReportLinePlane(TGerade g, TEbene e) {
    GeometryReport lines;
    if (PLE_inputout) {
        lines.push_back("G: " + LineText(g));
        lines.push_back("E: " + PlaneForms(e));
    }
    int code = 0;
    const Extended distance = LageGeradeEbene(g, e, code);
    // The angle exists only for a line that meets the plane.
    const Extended a = code == 2 ? WinkelGeradeEbene(g, e) : 0;
    switch (code) {
    case 0:
        if (PLE_Intersection) lines.push_back("G" + Text(438) + "E.");
        break;
    case 1:
        if (PLE_Intersection) lines.push_back(Text(487));
        if (PLE_DistanceOut) lines.push_back(Text(477) + F(std::fabs(distance)));
        break;
    default:
        if (PLE_Intersection) {
            lines.push_back(Text(468) + V(SchnittpunktGeradeEbene(g, e)));
            lines.push_back(Text(469) + AngleText(a));
        }
        break;
    }
    if (PLE_mirror && code != 0) {
        if (code == 2 && a == HalfPi) {
            lines.push_back(Mirrored("G", "E: G´ = G."));
            lines.push_back(Mirrored("E", "G: E´ = E."));
        } else {
            lines.push_back(Mirrored("G", "E: G´: ") + LineText(SpiegelGeradeEbene(g, e, code)));
            lines.push_back(Mirrored("E", "G: E´: ") + PlaneParamText(SpiegelEbeneGerade(e, g, code)));
        }
    }
    return lines;
}

GeometryReport ReportPlanePlane(TEbene e1, TEbene e2) {
    GeometryReport lines;
    if (PLE_inputout) {
        lines.push_back("E1: " + PlaneParamText(e1));
        lines.push_back("E2: " + PlaneParamText(e2));
    }
    int code = 0;
    const Extended distance = LageEbeneEbene(e1, e2, code);
    const Extended a = code == 2 ? WinkelEbenen(e1, e2) : 0;
    switch (code) {
    case 0:
        if (PLE_Intersection) lines.push_back("E1 = E2");
        break;
    case 1:
        if (PLE_Intersection) lines.push_back(Text(498));
        if (PLE_DistanceOut) lines.push_back(Text(477) + F(std::fabs(distance)));
        break;
    default:
        if (PLE_Intersection) {
            lines.push_back(Text(503) + LineText(SchnittgeradeEbenen(e1, e2)));
            lines.push_back(Text(469) + AngleText(a));
        }
        break;
    }
    if (PLE_mirror && code != 0) {
        if (code == 2 && a == HalfPi) {
            lines.push_back(Mirrored("E1", "E2: E1´ = E1"));
            lines.push_back(Mirrored("E2", "E1: E2´ = E2"));
        } else {
            lines.push_back(Mirrored("E1", "E2: E1´: ") + PlaneParamText(SpiegelEbeneEbene(e1, e2, code)));
            lines.push_back(Mirrored("E2", "E1: E2´: ") + PlaneParamText(SpiegelEbeneEbene(e2, e1, code)));
        }
    }
    return lines;
}

GeometryReport ReportPointSphere(TVektor p, TKugel k) {
    GeometryReport lines;
    if (PLE_inputout) {
        lines.push_back("P: " + V(p));
        lines.push_back(Text(401) + ": " + SphereText(k));
    }
    AddSphereMeasures(lines, k);
    int code = 0;
    const Extended x = LagePunktKugel(p, k, code);
    if (PLE_Intersection) {
        switch (code) {
        case 0:
            lines.push_back(Text(510));
            break;
        case 1:
            lines.push_back(Text(511));
            break;
        case 3:
            lines.push_back(Text(509));
            break;
        default:
            lines.push_back(Text(512));
            break;
        }
    }
    if (PLE_DistanceOut) {
        lines.push_back(Text(513) + F(std::fabs(x)));
        lines.push_back(Text(514) + F(k.r + x));
    }
    return lines;
}

GeometryReport ReportLineSphere(TGerade g, TKugel k) {
    GeometryReport lines;
    if (PLE_inputout) {
        lines.push_back("G: " + LineText(g));
        lines.push_back(Text(401) + ": " + SphereText(k));
    }
    AddSphereMeasures(lines, k);
    if (!PLE_Intersection) return lines;
    int code = 0;
    LageGeradeKugel(g, k, code);
    TVektor p{};
    TVektor q{};
    SchnittGeradeKugel(g, k, code, p, q);
    switch (code) {
    case 0:
        lines.push_back(Text(524) + V(p));
        break;
    case 1:
        lines.push_back(Text(528) + V(p) + "; " + V(q));
        break;
    case 3:
        lines.push_back(Text(521));
        break;
    default:
        lines.push_back(Text(525));
        lines.push_back(Text(526) + V(p));
        lines.push_back(Text(527) + V(q));
        break;
    }
    return lines;
}

GeometryReport ReportPlaneSphere(TEbene e, TKugel k) {
    GeometryReport lines;
    if (PLE_inputout) {
        lines.push_back("E: " + PlaneForms(e));
        lines.push_back(Text(401) + ": " + SphereText(k));
    }
    AddSphereMeasures(lines, k);
    if (!PLE_Intersection) return lines;
    const TKreis c = SchnittEbeneKugel(e, k);
    if (c.r == 0) {
        if (VEqual(c.n, NullVektor))
            lines.push_back(Text(499) + Text(530));
        else
            lines.push_back(Text(499) + Text(529) + V(c.m));
        return lines;
    }
    const Extended R = k.r;
    // The height of the cap on the side of the plane away from the centre.
    const Extended h = R - std::fabs(AbstandPunktEbene(k.m, e));
    if (h == R) {
        lines.push_back(Text(540));
        return lines;
    }
    lines.push_back(Text(541) + V(c.m) + "; r = " + F(c.r) + "; n = " + V(c.n));
    if (PLE_AddInfo) {
        lines.push_back(Text(544) + F(Kreisflaeche(c)));
        const Extended v1 = Checked([&] { return h * Pi * h * (3 * R - h) / 3; });
        const Extended o1 = Checked([&] { return (c.r * c.r + h * h) * Pi; });
        lines.push_back(Text(545) + F(v1) + Text(546) + F(o1) + Text(550));
        lines.push_back(Text(548) + F(KugelVolumen(k) - v1) + Text(549) + F(KugelOberflaeche(k) - o1) +
                        Text(550));
    }
    return lines;
}

GeometryReport ReportSphereSphere(TKugel k1, TKugel k2) {
    GeometryReport lines;
    if (PLE_inputout) {
        lines.push_back("K1:  m1 =" + V(k1.m) + "; R1 =" + F(k1.r));
        lines.push_back("K2:  m2 =" + V(k2.m) + "; R2 =" + F(k2.r));
    }
    if (PLE_AddInfo) {
        lines.push_back(Text(504) + "1 = " + F(KugelVolumen(k1)) + ";   V2 = " + F(KugelVolumen(k2)));
        lines.push_back(Text(505) + "1 = " + F(KugelOberflaeche(k1)) + ";   " + Text(506) +
                        "2 = " + F(KugelOberflaeche(k2)));
    }
    if (!PLE_Intersection) return lines;
    const TKreis c = SchnittKugelKugel(k1, k2);
    if (c.r != 0) {
        lines.push_back(Text(541) + V(c.m) + "; r = " + F(c.r) + "; n = " + V(c.n));
        lines.push_back(Text(544) + F(Kreisflaeche(c)));
        return lines;
    }
    const std::string& K = Text(401);
    if (VEqual(c.n, NullVektor)) {
        if (SpheresTouch(k1, k2, c))
            lines.push_back(Text(500) + Text(529) + V(c.m));
        else
            lines.push_back(Text(500) + Text(530));
    } else if (VEqual(c.n, {-1, 0, 0})) {
        if (SpheresTouch(k1, k2, c))
            lines.push_back(K + "1 " + Text(542) + K + "2 " + Text(551) + V(c.m));
        else
            lines.push_back(K + "1" + Text(502) + K + "2.");
    } else if (VEqual(c.n, {0, -1, 0})) {
        if (SpheresTouch(k1, k2, c))
            lines.push_back(K + "2 " + Text(542) + K + "1 " + Text(551) + V(c.m));
        else
            lines.push_back(K + "2" + Text(502) + K + "1.");
    } else if (VEqual(c.n, {1, 1, 0})) {
        lines.push_back(K + "1 = " + K + "2");
    } else if (VEqual(c.n, {1, 0, 0})) {
        lines.push_back(K + "1" + Text(501) + K + "2.");
    } else if (VEqual(c.n, {0, 1, 0})) {
        lines.push_back(K + "2" + Text(501) + K + "1.");
    }
    return lines;
}

} // namespace quillon
