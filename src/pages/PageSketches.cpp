#include "pages/PageSketches.h"

#include "core/Handle.h"
#include "core/Options.h"
#include "math/Bodies.h"
#include "pages/GeometryReports.h"
#include "text/AllText.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace quillon {
namespace {

// Vector page: each input its colour, the result its own; constructions in grey.
constexpr SketchColour ColourA{200, 40, 40};
constexpr SketchColour ColourB{30, 90, 200};
constexpr SketchColour ColourC{20, 140, 60};
constexpr SketchColour ColourResult{230, 120, 0};
constexpr SketchColour ColourConstruction{120, 120, 120};
// Point-line-plane page: the two objects, what the report finds, feet of perpendiculars and
// distances, mirror images.
constexpr SketchColour ColourObject1{30, 90, 200};
constexpr SketchColour ColourObject2{200, 40, 40};
constexpr SketchColour ColourFound{0, 150, 80};
constexpr SketchColour ColourFoot{230, 120, 0};
constexpr SketchColour ColourMirror{150, 60, 170};
// Coordinate page: the point, its spherical and its cylindrical construction.
constexpr SketchColour ColourPoint{200, 40, 40};
constexpr SketchColour ColourSpherical{30, 90, 200};
constexpr SketchColour ColourCylindrical{20, 140, 60};

// The angles at which a mirror image is its original, compared exactly as the report compares them.
constexpr Extended HalfPi = 1.5707963267948966193L;
constexpr Extended ThreeHalfPi = 4.712388980384689858L;

std::string F(Extended x) {
    return FormatNumber(x);
}

std::string AngleText(Extended radians, bool degrees) {
    return degrees ? F(RadToDeg(radians)) + "°" : F(radians);
}

void Arrow(SketchScene& s, TVektor from, TVektor to, SketchColour colour, std::string label,
           SketchStroke stroke = SketchStroke::Solid) {
    s.segments.push_back({from, to, colour, stroke, true, std::move(label)});
}

void Dashed(SketchScene& s, TVektor a, TVektor b, SketchColour colour) {
    s.segments.push_back({a, b, colour, SketchStroke::Dashed, false, {}});
}

void Parallelogram(SketchScene& s, TVektor a, TVektor b) {
    const TVektor sum = VAdd(a, b);
    s.faces.push_back({{NullVektor, a, sum, b}, ColourConstruction});
}

// The direction at angle t of an angle measured in the plane of the unit vectors e1 and e2.
TVektor Turned(TVektor e1, TVektor e2, Extended t) {
    return VAdd(VScale(e1, std::cos(t)), VScale(e2, std::sin(t)));
}

// An angle from e1 towards e2 of any size up to a full turn, as two arcs that each take the short way.
void AngleArc(SketchScene& s, TVektor m, TVektor e1, TVektor e2, Extended angle, Extended r,
              SketchColour colour, std::string label) {
    const TVektor middle = Turned(e1, e2, angle / 2);
    s.arcs.push_back({m, e1, middle, r, colour, {}});
    s.arcs.push_back({m, middle, Turned(e1, e2, angle), r, colour, {}});
    s.texts.push_back({VAdd(m, VScale(middle, r * 1.15L)), colour, std::move(label)});
}

// Vector page --------------------------------------------------------------------------------------

void Parallelepiped(SketchScene& s, TVektor a, TVektor b, TVektor c) {
    const TVektor ab = VAdd(a, b), ac = VAdd(a, c), bc = VAdd(b, c), abc = VAdd(ab, c);
    const std::pair<TVektor, TVektor> edges[] = {{a, ab}, {a, ac},   {b, ab},   {b, bc},  {c, ac},
                                                 {c, bc}, {ab, abc}, {ac, abc}, {bc, abc}};
    for (const auto& [from, to] : edges)
        Dashed(s, from, to, ColourConstruction);
    s.faces.push_back({{NullVektor, a, ab, b}, ColourConstruction});
    s.faces.push_back({{c, ac, abc, bc}, ColourConstruction});
}

// The foot of the perpendicular from the tip of a on the line of b, with the perpendicular.
void Projection(SketchScene& s, TVektor a, TVektor b) {
    const TVektor foot = VScale(b, VDot(a, b) / VDot(b, b));
    Dashed(s, a, foot, ColourConstruction);
    s.points.push_back({foot, ColourConstruction, {}});
}

// Geometry page -------------------------------------------------------------------------------------

// A body with its colour and its name in the report.
struct Named {
    const GeometryBody* body;
    SketchColour colour;
    std::string name;
};

std::string BaseName(int rank) {
    static const char* const Letters[3] = {"P", "G", "E"};
    return rank < 3 ? Letters[rank] : Text(401);
}

void AddPlane(SketchScene& s, TEbene e, SketchColour colour, std::string label) {
    s.planes.push_back({e.Q, EbeneToKoord(e).n, colour, std::move(label)});
}

void AddLine(SketchScene& s, TGerade g, SketchColour colour, std::string label,
             SketchStroke stroke = SketchStroke::Solid) {
    s.lines.push_back({g.P, g.u, colour, stroke, std::move(label)});
}

void AddObject(SketchScene& s, const Named& o) {
    const GeometryBody& b = *o.body;
    switch (ClassRank(b.cls)) {
    case 0:
        s.points.push_back({b.point, o.colour, o.name});
        break;
    case 1:
        AddLine(s, b.line, o.colour, o.name);
        s.points.push_back({b.line.P, o.colour, {}});
        break;
    case 2:
        AddPlane(s, b.plane, o.colour, o.name);
        break;
    default:
        s.spheres.push_back({b.sphere.m, b.sphere.r, o.colour, o.name});
        break;
    }
}

void Found(SketchScene& s, TVektor p, std::string label = Text(771)) {
    s.points.push_back({p, ColourFound, std::move(label)});
}

// The perpendicular from p to its foot f, which the report measures.
void Perpendicular(SketchScene& s, TVektor p, TVektor f, std::string label = "F") {
    Dashed(s, p, f, ColourFoot);
    s.points.push_back({f, ColourFoot, std::move(label)});
}

void MirrorPoint(SketchScene& s, TVektor p, const std::string& name) {
    s.points.push_back({p, ColourMirror, name + "´"});
}

void MirrorLine(SketchScene& s, TGerade g, const std::string& name) {
    AddLine(s, g, ColourMirror, name + "´", SketchStroke::Dashed);
}

void MirrorPlane(SketchScene& s, TEbene e, const std::string& name) {
    AddPlane(s, e, ColourMirror, name + "´");
}

// What each report finds, with the report's functions and under its options; x and y in the report's
// order.
void PointPoint(SketchScene& s, const Named& x, const Named& y) {
    const TVektor p1 = x.body->point, p2 = y.body->point;
    if (AbstandPunktPunkt(p1, p2) == 0) return;
    if (PLE_DistanceOut) Dashed(s, p1, p2, ColourFoot);
    if (PLE_AddInfo) s.points.push_back({Mittelpunkt(p1, p2), ColourFound, "M"});
    if (PLE_mirror) {
        MirrorPoint(s, SpiegelPunktPunkt(p1, p2), x.name);
        MirrorPoint(s, SpiegelPunktPunkt(p2, p1), y.name);
    }
}

void PointLine(SketchScene& s, const Named& x, const Named& y) {
    const TVektor p = x.body->point;
    const TGerade g = y.body->line;
    if (AbstandPunktGerade(p, g) == 0 && PLE_Intersection) return;
    Perpendicular(s, p, LotfusspunktGerade(p, g));
    if (PLE_mirror) {
        MirrorPoint(s, SpiegelPunktGerade(p, g), x.name);
        MirrorLine(s, SpiegelGeradePunkt(g, p), y.name);
    }
}

void PointPlane(SketchScene& s, const Named& x, const Named& y) {
    const TVektor p = x.body->point;
    const TEbene e = y.body->plane;
    if (AbstandPunktEbene(p, e) == 0) return;
    Perpendicular(s, p, LotfusspunktEbene(p, e));
    if (PLE_mirror) {
        MirrorPoint(s, SpiegelPunktEbene(p, e), x.name);
        MirrorPlane(s, SpiegelEbenePunkt(e, p), y.name);
    }
}

void PointSphere(SketchScene& s, const Named& x, const Named& y) {
    const TVektor p = x.body->point;
    const TKugel k = y.body->sphere;
    int code = 0;
    LagePunktKugel(p, k, code);
    // The distances of the report: from the centre, and from the sphere along the same ray.
    if (!PLE_DistanceOut || code == 3) return;
    Dashed(s, k.m, p, ColourConstruction);
    if (code != 0)
        s.points.push_back({VAdd(k.m, VScale(VUnit(VSub(p, k.m)), std::fabs(k.r))), ColourFoot, {}});
}

void LineLine(SketchScene& s, const Named& x, const Named& y) {
    const TGerade g1 = x.body->line, g2 = y.body->line;
    int code = 0;
    LageGeradeGerade(g1, g2, code);
    switch (code) {
    case 0:
        return;
    case 1:
        if (PLE_DistanceOut) Perpendicular(s, g1.P, LotfusspunktGerade(g1.P, g2));
        break;
    case 2:
        if (PLE_Intersection) Found(s, SchnittpunktGeraden(g1, g2));
        break;
    default:
        if (PLE_DistanceOut) {
            TVektor f1{}, f2{};
            GemeinsamesLot(g1.P, g1.u, g2.P, g2.u, f1, f2);
            s.segments.push_back({f1, f2, ColourFoot, SketchStroke::Solid, false, {}});
            s.points.push_back({f1, ColourFoot, "F1"});
            s.points.push_back({f2, ColourFoot, "F2"});
        }
        break;
    }
    const Extended a = code == 2 ? WinkelGeraden(g1, g2) : 0;
    if (PLE_mirror && !(code == 2 && (a == HalfPi || a == ThreeHalfPi))) {
        MirrorLine(s, SpiegelGeradeGerade(g1, g2, code), x.name);
        MirrorLine(s, SpiegelGeradeGerade(g2, g1, code), y.name);
    }
}

void LinePlane(SketchScene& s, const Named& x, const Named& y) {
    const TGerade g = x.body->line;
    const TEbene e = y.body->plane;
    int code = 0;
    LageGeradeEbene(g, e, code);
    if (code == 0) return;
    if (code == 1 && PLE_DistanceOut) Perpendicular(s, g.P, LotfusspunktEbene(g.P, e));
    if (code == 2 && PLE_Intersection) Found(s, SchnittpunktGeradeEbene(g, e));
    const Extended a = code == 2 ? WinkelGeradeEbene(g, e) : 0;
    if (PLE_mirror && !(code == 2 && a == HalfPi)) {
        MirrorLine(s, SpiegelGeradeEbene(g, e, code), x.name);
        MirrorPlane(s, SpiegelEbeneGerade(e, g, code), y.name);
    }
}

void PlanePlane(SketchScene& s, const Named& x, const Named& y) {
    const TEbene e1 = x.body->plane, e2 = y.body->plane;
    int code = 0;
    LageEbeneEbene(e1, e2, code);
    if (code == 0) return;
    if (code == 1 && PLE_DistanceOut) Perpendicular(s, e1.Q, LotfusspunktEbene(e1.Q, e2));
    if (code == 2 && PLE_Intersection) AddLine(s, SchnittgeradeEbenen(e1, e2), ColourFound, Text(771));
    const Extended a = code == 2 ? WinkelEbenen(e1, e2) : 0;
    if (PLE_mirror && !(code == 2 && a == HalfPi)) {
        MirrorPlane(s, SpiegelEbeneEbene(e1, e2, code), x.name);
        MirrorPlane(s, SpiegelEbeneEbene(e2, e1, code), y.name);
    }
}

void LineSphere(SketchScene& s, const Named& x, const Named& y) {
    if (!PLE_Intersection) return;
    const TGerade g = x.body->line;
    const TKugel k = y.body->sphere;
    int code = 0;
    LageGeradeKugel(g, k, code);
    TVektor p{}, q{};
    SchnittGeradeKugel(g, k, code, p, q);
    switch (code) {
    case 0:
        Found(s, p);
        break;
    case 1:
    case 3:
        Found(s, p);
        Found(s, q);
        break;
    default:
        // Apart: the nearest points of the line and of the sphere.
        Dashed(s, p, q, ColourFoot);
        s.points.push_back({p, ColourFoot, {}});
        s.points.push_back({q, ColourFoot, {}});
        break;
    }
}

void Circle(SketchScene& s, TKreis c) {
    s.circles.push_back({c.m, c.n, c.r, ColourFound, SketchStroke::Solid, {}});
    s.points.push_back({c.m, ColourFound, "M"});
}

void PlaneSphere(SketchScene& s, const Named& x, const Named& y) {
    if (!PLE_Intersection) return;
    const TKreis c = SchnittEbeneKugel(x.body->plane, y.body->sphere);
    if (c.r != 0)
        Circle(s, c);
    else if (!VEqual(c.n, NullVektor))
        Found(s, c.m);
}

void SphereSphere(SketchScene& s, const Named& x, const Named& y) {
    if (!PLE_Intersection) return;
    const TKugel k1 = x.body->sphere, k2 = y.body->sphere;
    const TKreis c = SchnittKugelKugel(k1, k2);
    if (c.r != 0) {
        Circle(s, c);
        return;
    }
    const bool touchingMarker = VEqual(c.n, NullVektor) || VEqual(c.n, {-1, 0, 0}) || VEqual(c.n, {0, -1, 0});
    if (touchingMarker && SpheresTouch(k1, k2, c)) Found(s, c.m);
}

} // namespace

SketchScene VectorSketch(int operation, TVektor a, TVektor b, TVektor c, Extended k, bool withResult) {
    SketchScene s;
    const bool usesB = operation <= 4 || operation == 9 || operation == 10;
    Arrow(s, NullVektor, a, ColourA, "a");
    if (usesB) Arrow(s, NullVektor, b, ColourB, "b");
    if (operation == 10) Arrow(s, NullVektor, c, ColourC, "c");
    if (!withResult) return s;

    switch (operation) {
    case 0: {
        const TVektor d = VAdd(a, b);
        Parallelogram(s, a, b);
        Dashed(s, a, d, ColourB);
        Dashed(s, b, d, ColourA);
        Arrow(s, NullVektor, d, ColourResult, "a+b");
        break;
    }
    case 1:
        // The difference leads from the tip of b to the tip of a.
        Arrow(s, b, a, ColourConstruction, {}, SketchStroke::Dashed);
        Arrow(s, NullVektor, VSub(a, b), ColourResult, "a−b");
        break;
    case 2:
        Arrow(s, NullVektor, VCompMul(a, b), ColourResult, "d");
        break;
    case 3: {
        const Extended dot = VDot(a, b);
        if (!VEqual(b, NullVektor)) Projection(s, a, b);
        s.texts.push_back({Mittelpunkt(a, b), ColourResult, "a·b = " + F(dot)});
        break;
    }
    case 4:
        Parallelogram(s, a, b);
        Arrow(s, NullVektor, VCross(a, b), ColourResult, "a×b");
        break;
    case 5:
        Arrow(s, NullVektor, VScale(a, k), ColourResult, "c·a");
        break;
    case 6:
        Arrow(s, NullVektor, VDivScalar(a, k), ColourResult, "a/c");
        break;
    case 7:
        s.texts.push_back({Mittelpunkt(NullVektor, a), ColourResult, "|a| = " + F(VLength(a))});
        break;
    case 8:
        Arrow(s, NullVektor, VUnit(a), ColourResult, "a/|a|");
        break;
    case 9: {
        const Extended angle = VAngle(a, b);
        if (!VEqual(b, NullVektor)) Projection(s, a, b);
        const Extended r = std::min(VLength(a), VLength(b)) * 0.3L;
        const TVektor e1 = VUnit(a);
        const TVektor e2 = VUnit(VSub(b, VScale(e1, VDot(b, e1))));
        if (r > 0 && !VEqual(e2, NullVektor))
            AngleArc(s, NullVektor, e1, e2, angle, r, ColourResult, "φ = " + AngleText(angle, true));
        break;
    }
    default: {
        Parallelepiped(s, a, b, c);
        const TVektor top = VAdd(VAdd(a, b), c);
        s.texts.push_back({top, ColourResult, "a·(b×c) = " + F(VSpat(a, b, c))});
        break;
    }
    }
    return s;
}

SketchScene GeometrySketch(const GeometryBody& object1, const GeometryBody& object2) {
    const int rank1 = ClassRank(object1.cls), rank2 = ClassRank(object2.cls);
    // Two objects of one class are numbered, as the report numbers them.
    const std::string number1 = rank1 == rank2 ? "1" : "", number2 = rank1 == rank2 ? "2" : "";
    Named first{&object1, ColourObject1, BaseName(rank1) + number1};
    Named second{&object2, ColourObject2, BaseName(rank2) + number2};
    SketchScene s;
    AddObject(s, first);
    AddObject(s, second);
    if (rank1 > rank2) std::swap(first, second);
    switch (ClassRank(first.body->cls) * 4 + ClassRank(second.body->cls)) {
    case 0:
        PointPoint(s, first, second);
        break;
    case 1:
        PointLine(s, first, second);
        break;
    case 2:
        PointPlane(s, first, second);
        break;
    case 3:
        PointSphere(s, first, second);
        break;
    case 5:
        LineLine(s, first, second);
        break;
    case 6:
        LinePlane(s, first, second);
        break;
    case 7:
        LineSphere(s, first, second);
        break;
    case 10:
        PlanePlane(s, first, second);
        break;
    case 11:
        PlaneSphere(s, first, second);
        break;
    default:
        SphereSphere(s, first, second);
        break;
    }
    return s;
}

SketchScene CoordinateSketch(TVektor p, int convention, bool degrees) {
    SketchScene s;
    s.points.push_back({p, ColourPoint, "P"});
    const TVektor spherical = convention == 0 ? KartToKugelZ(p) : KartToKugelXY(p);
    const TVektor cylindrical = KartToZyl(p);
    const Extended r = spherical.x, theta = spherical.y, phi = spherical.z, rho = cylindrical.x;
    if (!(r > 0)) return s;

    const TVektor foot = {p.x, p.y, 0};
    s.segments.push_back({NullVektor, p, ColourSpherical, SketchStroke::Solid, false, {}});
    s.texts.push_back({VScale(p, 0.8L), ColourSpherical, "r = " + F(r)});
    s.points.push_back({foot, ColourCylindrical, "P´"});
    Dashed(s, p, foot, ColourCylindrical);
    Dashed(s, NullVektor, foot, ColourCylindrical);
    if (rho > 0) s.texts.push_back({VScale(foot, 0.8L), ColourCylindrical, "ρ = " + F(rho)});

    // The azimuth from the x axis in the xy plane, and theta from the z axis or from the xy plane, in the
    // plane of P and the z axis. Near the z axis the azimuth's arc keeps a size of its own.
    const TVektor ex = {1, 0, 0}, ey = {0, 1, 0}, ez = {0, 0, 1};
    const Extended phiRadius = std::max(rho, r * 0.5L) * 0.5L;
    AngleArc(s, NullVektor, ex, ey, phi, phiRadius, ColourCylindrical, "φ = " + AngleText(phi, degrees));
    const TVektor towards = {std::cos(phi), std::sin(phi), 0};
    const std::string thetaText = "θ = " + AngleText(theta, degrees);
    if (convention == 0)
        AngleArc(s, NullVektor, ez, towards, theta, r * 0.5L, ColourSpherical, thetaText);
    else
        AngleArc(s, NullVektor, towards, ez, theta, r * 0.5L, ColourSpherical, thetaText);

    // The cylinder through P about the z axis.
    if (rho > 0) {
        for (Extended z : {Extended(0), p.z})
            s.circles.push_back({{0, 0, z}, ez, rho, ColourCylindrical, SketchStroke::Dashed, {}});
        Dashed(s, {-p.x, -p.y, 0}, {-p.x, -p.y, p.z}, ColourCylindrical);
    }
    return s;
}

} // namespace quillon
