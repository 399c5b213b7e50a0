#pragma once

#include "core/Globals.h"
#include "math/GVektor.h"

// Analytic geometry of points, lines, planes and spheres. Every decision is an exact comparison (two
// lines are parallel only when the cross product of their directions is exactly zero): the reports
// state what the numbers say, without a tolerance that would hide or invent a relation.
//
// Like the vector functions, these throw a FloatError only for an event without a fallback (overflow);
// degenerate input (a zero direction, parallel plane directions) gives the defined values noted below.

namespace quillon {

// Points P + t·u.
struct TGerade {
    TVektor P, u;
};

// Points Q + r·v + s·w. The same record carries a plane given by three points A, B, C (Q, v, w), which
// the page turns into Q = A, v = B - A, w = C - A before using the functions below; only
// Dreiecksflaeche reads it as three points.
struct TEbene {
    TVektor Q, v, w;
};

// Points X with n·X = d; n is not normalised.
struct TEbeneKoord {
    TVektor n;
    Extended d;
};

struct TKugel {
    TVektor m;
    Extended r;
};

// A circle (centre m, normal n, radius r). With r = 0 it describes a touching point or a case without a
// circle, and n carries the case (see SchnittEbeneKugel and SchnittKugelKugel).
struct TKreis {
    TVektor m, n;
    Extended r;
};

Extended AbstandPunktPunkt(TVektor p, TVektor q);
// Foot of the perpendicular from p on g; P itself when u is zero.
TVektor LotfusspunktGerade(TVektor p, TGerade g);
// Foot - p.
TVektor LotvektorGerade(TVektor p, TGerade g);
Extended AbstandPunktGerade(TVektor p, TGerade g);
// The line through the foot F with direction F - p.
TGerade Lotgerade(TVektor p, TGerade g);
// Foot of the perpendicular from p on e; p itself when v and w are parallel.
TVektor LotfusspunktEbene(TVektor p, TEbene e);
TVektor LotvektorEbene(TVektor p, TEbene e);
// Signed distance, positive on the side into which v × w points; 0 when v and w are parallel.
Extended AbstandPunktEbene(TVektor p, TEbene e);
// n = v × w, d = n·Q.
TEbeneKoord EbeneToKoord(TEbene e);
// The parametric form that EbeneKoordToParam gives.
TEbene KoordToEbene(TEbeneKoord k);
TVektor Normaleneinheitsvektor(TEbene e);
// The three-point plane (p, P, P + u).
TEbene EbeneAusGeradePunkt(TVektor p, TGerade g);
// (a, b - a)
TGerade GeradeDurchPunkte(TVektor a, TVektor b);
TVektor Mittelpunkt(TVektor a, TVektor b);

// Relation codes: 0 identical, 1 parallel and distinct, 2 intersecting, 3 skew. The result is the
// distance: of parallel lines, or the signed distance of skew lines (its sign follows u1 × u2); 0 else.
Extended LageGeradeGerade(TGerade g1, TGerade g2, int& code);
// 0 the line lies in the plane, 1 parallel outside it (result: its signed distance), 2 intersecting.
Extended LageGeradeEbene(TGerade g, TEbene e, int& code);
// 0 identical, 1 parallel and distinct (result: signed distance of e1 from e2), 2 intersecting.
Extended LageEbeneEbene(TEbene e1, TEbene e2, int& code);
// Both return x = (distance of the object from the centre) - r and the code: 0 on the sphere / tangent,
// 1 inside / secant, 2 outside, 3 the centre itself / through the centre, 4 further out than r,
// 5 further out than 2·r.
Extended LagePunktKugel(TVektor p, TKugel k, int& code);
Extended LageGeradeKugel(TGerade g, TKugel k, int& code);

TVektor SchnittpunktGeraden(TGerade g1, TGerade g2);
TVektor SchnittpunktGeradeEbene(TGerade g, TEbene e);
// The line of intersection; only for planes that intersect (code 2 of LageEbeneEbene).
TGerade SchnittgeradeEbenen(TEbene e1, TEbene e2);
// code is that of LageGeradeKugel. Tangent (0): a = b = the touching point. Secant (1, 3): the two
// intersection points. Apart (2, 4, 5): a the point of the line nearest to the sphere, b the point of
// the sphere nearest to the line. Any other code leaves a and b untouched.
void SchnittGeradeKugel(TGerade g, TKugel k, int code, TVektor& a, TVektor& b);
// The circle; r = 0 with n = (1, 1, 1) for a touching point m, all zero without intersection.
TKreis SchnittEbeneKugel(TEbene e, TKugel k);
// The circle, or r = 0 with a marker in n: (1, 1, 0) equal spheres, (1, 0, 0) / (0, 1, 0) concentric
// with the first smaller / larger, (0, 0, 0) apart or touching from outside (m the touching point then),
// (-1, 0, 0) / (0, -1, 0) the first inside the second / the second inside the first (touching at m, or
// not touching with m = 0). A touching point at the origin is m = 0 as well: only the distance of the
// centres tells it from the spheres that do not touch.
TKreis SchnittKugelKugel(TKugel k1, TKugel k2);

// 2·c - p
TVektor SpiegelPunktPunkt(TVektor p, TVektor c);
TVektor SpiegelPunktGerade(TVektor p, TGerade g);
TVektor SpiegelPunktEbene(TVektor p, TEbene e);
TGerade SpiegelGeradePunkt(TGerade g, TVektor c);
TEbene SpiegelEbenePunkt(TEbene e, TVektor c);
// The code is the relation code of the two objects (LageGeradeGerade, LageGeradeEbene, LageEbeneEbene).
TGerade SpiegelGeradeGerade(TGerade g1, TGerade g2, int code);
TGerade SpiegelGeradeEbene(TGerade g, TEbene e, int code);
TEbene SpiegelEbeneGerade(TEbene e, TGerade g, int code);
TEbene SpiegelEbeneEbene(TEbene e1, TEbene e2, int code);

// Angles in [0, pi/2].
Extended WinkelGeraden(TGerade g1, TGerade g2);
// For a line that intersects the plane.
Extended WinkelGeradeEbene(TGerade g, TEbene e);
Extended WinkelEbenen(TEbene e1, TEbene e2);

Extended KugelVolumen(TKugel k);
Extended KugelOberflaeche(TKugel k);
Extended Kreisflaeche(TKreis c);
// The plane as three points A, B, C.
Extended Dreiecksflaeche(TEbene e);

} // namespace quillon
