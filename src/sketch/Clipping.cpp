#include "sketch/Clipping.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quillon {
namespace {

// Room around the objects, as a share of the half edge.
constexpr Extended Margin = 1.25L;
// Where a cut or a touching counts as a point rather than a piece, in box units.
constexpr double Touch = 1e-9;

bool Finite(TVektor v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

struct Bounds {
    TVektor lo{}, hi{};
    bool any = false;

    void Add(TVektor p) {
        if (!Finite(p)) return;
        if (!any) {
            lo = hi = p;
            any = true;
            return;
        }
        lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
        hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
    }
    // The ball around m, which holds a sphere, a circle or an arc of that radius.
    void AddBall(TVektor m, Extended r) {
        r = std::fabs(r);
        if (!Finite(m) || !std::isfinite(r)) return;
        Add({m.x - r, m.y - r, m.z - r});
        Add({m.x + r, m.y + r, m.z + r});
    }
};

double Dot(P3 a, P3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
P3 Plus(P3 a, P3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
P3 Times(P3 a, double k) {
    return {a.x * k, a.y * k, a.z * k};
}
P3 Cross(P3 a, P3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
P3 Unit(P3 a) {
    const double l = std::sqrt(Dot(a, a));
    return l > 0 ? Times(a, 1 / l) : P3{};
}
double Coordinate(P3 p, int axis) {
    return axis == 0 ? p.x : axis == 1 ? p.y : p.z;
}

// Two unit vectors that, with n, make a right-handed orthonormal frame.
void Frame(P3 n, P3& e1, P3& e2) {
    const P3 helper = std::fabs(n.x) < 0.9 ? P3{1, 0, 0} : P3{0, 1, 0};
    e1 = Unit(Cross(helper, n));
    e2 = Cross(n, e1);
}

// Sutherland-Hodgman against one face of the box: keeps sign·coordinate <= 1.
std::vector<P3> ClipAgainst(const std::vector<P3>& polygon, int axis, double sign) {
    std::vector<P3> out;
    const std::size_t count = polygon.size();
    for (std::size_t i = 0; i < count; ++i) {
        const P3 a = polygon[i];
        const P3 b = polygon[(i + 1) % count];
        const double da = sign * Coordinate(a, axis) - 1;
        const double db = sign * Coordinate(b, axis) - 1;
        if (da <= 0) out.push_back(a);
        if ((da < 0 && db > 0) || (da > 0 && db < 0)) {
            const double t = da / (da - db);
            out.push_back(Plus(a, Times(Plus(b, Times(a, -1)), t)));
        }
    }
    return out;
}

} // namespace

SketchBox FitBox(const SketchScene& scene) {
    Bounds bounds;
    for (const SketchPoint& p : scene.points)
        bounds.Add(p.p);
    for (const SketchSegment& s : scene.segments) {
        bounds.Add(s.a);
        bounds.Add(s.b);
    }
    for (const SketchLine& l : scene.lines)
        bounds.Add(l.p);
    for (const SketchPlane& p : scene.planes)
        bounds.Add(p.p);
    for (const SketchFace& f : scene.faces)
        for (const TVektor& c : f.corners)
            bounds.Add(c);
    for (const SketchSphere& s : scene.spheres)
        bounds.AddBall(s.m, s.r);
    for (const SketchCircle& c : scene.circles)
        bounds.AddBall(c.m, c.r);
    for (const SketchArc& a : scene.arcs)
        bounds.AddBall(a.m, a.r);
    for (const SketchText& t : scene.texts)
        bounds.Add(t.at);
    if (!bounds.any) return {};

    // The origin belongs to the picture when it is no further from the objects than their own size.
    const TVektor size = {bounds.hi.x - bounds.lo.x, bounds.hi.y - bounds.lo.y, bounds.hi.z - bounds.lo.z};
    const Extended reach = std::max({size.x, size.y, size.z});
    const auto near = [reach](Extended lo, Extended hi) { return lo - reach <= 0 && hi + reach >= 0; };
    if (near(bounds.lo.x, bounds.hi.x) && near(bounds.lo.y, bounds.hi.y) && near(bounds.lo.z, bounds.hi.z))
        bounds.Add(NullVektor);

    const TVektor& lo = bounds.lo;
    const TVektor& hi = bounds.hi;
    // Halves first, so that coordinates near the largest extended do not overflow.
    SketchBox box;
    box.centre = {lo.x / 2 + hi.x / 2, lo.y / 2 + hi.y / 2, lo.z / 2 + hi.z / 2};
    Extended half = std::max({hi.x / 2 - lo.x / 2, hi.y / 2 - lo.y / 2, hi.z / 2 - lo.z / 2});
    if (!(half > 0)) {
        const TVektor c = box.centre;
        half = std::max({std::fabs(c.x), std::fabs(c.y), std::fabs(c.z)});
        if (!(half > 0)) half = 1;
    }
    const Extended padded = half * Margin;
    box.half = std::isfinite(padded) ? padded : half;
    return box;
}

bool ToBox(const SketchBox& box, TVektor p, P3& out) {
    const Extended h = box.half;
    const TVektor c = box.centre;
    const TVektor q = {p.x / h - c.x / h, p.y / h - c.y / h, p.z / h - c.z / h};
    // Far beyond the box a point means nothing to the picture, and it would not fit a double.
    constexpr Extended Far = 1e300L;
    if (!(std::fabs(q.x) < Far && std::fabs(q.y) < Far && std::fabs(q.z) < Far)) return false;
    out = {static_cast<double>(q.x), static_cast<double>(q.y), static_cast<double>(q.z)};
    return true;
}

bool UnitDirection(TVektor u, P3& out) {
    if (!Finite(u)) return false;
    const Extended largest = std::max({std::fabs(u.x), std::fabs(u.y), std::fabs(u.z)});
    if (!(largest > 0)) return false;
    // Scaled to the largest component first, so that neither huge nor tiny components are lost.
    const P3 scaled = {static_cast<double>(u.x / largest), static_cast<double>(u.y / largest),
                       static_cast<double>(u.z / largest)};
    out = Unit(scaled);
    return Dot(out, out) > 0;
}

bool ClipLine(P3 p, P3 u, P3& a, P3& b) {
    double t0 = -INFINITY;
    double t1 = INFINITY;
    for (int axis = 0; axis < 3; ++axis) {
        const double pi = Coordinate(p, axis);
        const double ui = Coordinate(u, axis);
        if (ui == 0) {
            if (std::fabs(pi) > 1) return false;
            continue;
        }
        double enter = (-1 - pi) / ui;
        double leave = (1 - pi) / ui;
        if (enter > leave) std::swap(enter, leave);
        t0 = std::max(t0, enter);
        t1 = std::min(t1, leave);
    }
    if (!(t1 - t0 > Touch)) return false;
    a = Plus(p, Times(u, t0));
    b = Plus(p, Times(u, t1));
    return true;
}

std::vector<P3> ClipPlane(P3 p, P3 n) {
    const double d = Dot(p, n);
    // The box reaches sqrt(3) from its centre; beyond that the plane cannot meet it.
    if (!(std::fabs(d) <= 1.7320508075688772 + Touch)) return {};
    P3 e1, e2;
    Frame(n, e1, e2);
    // A square in the plane around the point nearest the centre, larger than the box in every direction.
    const P3 foot = Times(n, d);
    const double r = 2;
    std::vector<P3> polygon = {
        Plus(foot, Plus(Times(e1, r), Times(e2, r))), Plus(foot, Plus(Times(e1, -r), Times(e2, r))),
        Plus(foot, Plus(Times(e1, -r), Times(e2, -r))), Plus(foot, Plus(Times(e1, r), Times(e2, -r)))};
    for (int axis = 0; axis < 3 && !polygon.empty(); ++axis) {
        polygon = ClipAgainst(polygon, axis, 1);
        if (!polygon.empty()) polygon = ClipAgainst(polygon, axis, -1);
    }
    // Cuts through an edge or corner of the box leave corners twice.
    std::vector<P3> corners;
    for (const P3& c : polygon) {
        const P3 previous = corners.empty() ? P3{INFINITY, 0, 0} : corners.back();
        const P3 step = Plus(c, Times(previous, -1));
        if (Dot(step, step) > Touch * Touch) corners.push_back(c);
    }
    while (corners.size() > 1) {
        const P3 step = Plus(corners.front(), Times(corners.back(), -1));
        if (Dot(step, step) > Touch * Touch) break;
        corners.pop_back();
    }
    // A polygon without area is a touching, not a cut.
    P3 area{};
    for (std::size_t i = 0; i < corners.size(); ++i)
        area = Plus(area, Cross(corners[i], corners[(i + 1) % corners.size()]));
    if (corners.size() < 3 || !(std::fabs(Dot(area, n)) > Touch)) return {};
    return corners;
}

std::vector<P3> SampleCircle(P3 m, P3 n, double r, int count) {
    P3 e1, e2;
    Frame(n, e1, e2);
    std::vector<P3> points;
    points.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        const double t = 2 * 3.14159265358979323846 * i / count;
        points.push_back(Plus(m, Plus(Times(e1, r * std::cos(t)), Times(e2, r * std::sin(t)))));
    }
    return points;
}

std::vector<P3> SampleArc(P3 m, P3 from, P3 to, double r, int count) {
    const P3 e1 = from;
    const P3 e2 = Unit(Plus(to, Times(e1, -Dot(to, e1))));
    const double angle = std::atan2(Dot(to, e2), Dot(to, e1));
    std::vector<P3> points;
    if (count < 2) return points;
    points.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = angle * i / (count - 1);
        points.push_back(Plus(m, Plus(Times(e1, r * std::cos(t)), Times(e2, r * std::sin(t)))));
    }
    return points;
}

Extended RoundStep(Extended span, int count) {
    const Extended raw = span / count;
    if (!(raw > 0) || !std::isfinite(raw)) return 1;
    const Extended power = std::pow(10.0L, std::floor(std::log10(raw)));
    const Extended mantissa = raw / power;
    const Extended factor = mantissa < 1.5L ? 1 : mantissa < 3.5L ? 2 : mantissa < 7.5L ? 5 : 10;
    return factor * power;
}

} // namespace quillon
