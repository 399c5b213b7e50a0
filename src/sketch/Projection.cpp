#include "sketch/Projection.h"

#include "core/Globals.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quillon {
namespace {

// Samples of a full circle and of an angle's arc: smooth at the window's size.
constexpr int CircleSamples = 96;
constexpr int ArcSamples = 32;
// A straight stroke is cut into this many pieces, so that it goes behind a sphere or a plane where it
// does and in front of it where it does.
constexpr int StraightPieces = 12;
// Pixels per box unit at zoom 1, from the smaller side of the picture: the box's corners may lie up to
// √3 from its centre, but the objects fill only the inner 1/1.25 of it.
constexpr double FitDivisor = 2.7;
constexpr double ArrowLength = 11;
constexpr double ArrowHalfWidth = 4;
constexpr double TickHalfLength = 3.5;
constexpr double DotRadius = 3.5;
constexpr int FaceAlpha = 56;

double Dot3(P3 a, P3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
P3 Mix(P3 a, P3 b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
}
double& Coordinate(P3& p, int axis) {
    return axis == 0 ? p.x : axis == 1 ? p.y : p.z;
}
Extended Coordinate(TVektor v, int axis) {
    return axis == 0 ? v.x : axis == 1 ? v.y : v.z;
}

// A tick's number with as many digits as the step needs at the size of the numbers, in the user's
// decimal separator.
std::string TickText(Extended value, Extended step, Extended largest) {
    if (value == 0) return "0";
    const int digits = std::clamp(static_cast<int>(std::ceil(std::log10(largest / step))) + 1, 1, 18);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Lg", digits, value);
    std::string text = buffer;
    for (char& c : text)
        if (c == '.') c = DecimalSeparator;
    return text;
}

void AddAxes(SketchModel& model) {
    const SketchBox& box = model.box;
    // The origin in box units, moved onto the box where it lies outside, however far.
    bool inside = true;
    const auto clamped = [&box, &inside](Extended centre) {
        const Extended u = -centre / box.half;
        inside = inside && std::fabs(u) <= 1;
        return static_cast<double>(std::clamp(u, Extended(-1), Extended(1)));
    };
    const P3 cross = {clamped(box.centre.x), clamped(box.centre.y), clamped(box.centre.z)};
    model.axesCross = cross;
    static const char* const Names[3] = {"x", "y", "z"};
    for (int axis = 0; axis < 3; ++axis) {
        P3 from = cross;
        P3 to = cross;
        Coordinate(from, axis) = -1;
        Coordinate(to, axis) = 1;
        model.strokes.push_back({{from, to}, AxisColour, SketchStroke::Solid, false, true, 1});
        model.labels.push_back({to, Names[axis], AxisColour});

        const Extended centre = Coordinate(box.centre, axis);
        const Extended lo = centre - box.half;
        const Extended hi = centre + box.half;
        const Extended step = RoundStep(2 * box.half, 4);
        const Extended first = std::ceil(lo / step);
        const Extended last = std::floor(hi / step);
        if (!(last - first < 40)) continue;
        const Extended largest = std::max(std::fabs(lo), std::fabs(hi));
        for (Extended k = first; k <= last; ++k) {
            const Extended value = k * step;
            // The crossing of the axes at the origin needs no number.
            if (value == 0 && inside) continue;
            P3 at = cross;
            const double u = static_cast<double>(value / box.half - centre / box.half);
            if (!(std::fabs(u) <= 0.92)) continue; // the ends carry the arrow and the axis name
            Coordinate(at, axis) = u;
            model.ticks.push_back({at, axis, TickText(value, step, largest)});
        }
    }
}

void AddLabel(SketchModel& model, P3 p, const std::string& text, SketchColour colour) {
    if (!text.empty()) model.labels.push_back({p, text, colour});
}

// A radius in box units; false where it is not a positive finite number.
bool BoxRadius(const SketchBox& box, Extended r, double& out) {
    out = static_cast<double>(std::fabs(r) / box.half);
    return std::isfinite(out) && out > 0;
}

} // namespace

Projector::Projector(const SketchView& view, double width, double height) {
    const double cy = std::cos(view.yaw), sy = std::sin(view.yaw);
    const double ct = std::cos(view.tilt), st = std::sin(view.tilt);
    right_ = {-sy, cy, 0};
    towards_ = {ct * cy, ct * sy, st};
    up_ = {-st * cy, -st * sy, ct};
    scale_ = view.zoom * std::min(width, height) / FitDivisor;
    cx_ = width / 2;
    cy_ = height / 2;
}

P2 Projector::Screen(P3 p) const {
    return {cx_ + scale_ * Dot3(p, right_), cy_ - scale_ * Dot3(p, up_)};
}

double Projector::Depth(P3 p) const {
    return Dot3(p, towards_);
}

SketchModel BuildModel(const SketchScene& scene) {
    SketchModel model;
    model.box = FitBox(scene);
    const SketchBox& box = model.box;

    for (const SketchPlane& plane : scene.planes) {
        P3 p, n;
        if (!ToBox(box, plane.p, p) || !UnitDirection(plane.n, n)) continue;
        std::vector<P3> corners = ClipPlane(p, n);
        if (corners.empty()) continue;
        P3 centre;
        for (const P3& c : corners)
            centre = {centre.x + c.x / corners.size(), centre.y + c.y / corners.size(),
                      centre.z + c.z / corners.size()};
        AddLabel(model, Mix(corners.front(), centre, 0.15), plane.label, plane.colour);
        model.strokes.push_back({corners, plane.colour, SketchStroke::Solid, true, false, 1});
        model.faces.push_back({std::move(corners), plane.colour});
    }
    for (const SketchFace& face : scene.faces) {
        std::vector<P3> corners;
        for (const TVektor& c : face.corners) {
            P3 q;
            if (!ToBox(box, c, q)) break;
            corners.push_back(q);
        }
        if (corners.size() != face.corners.size() || corners.size() < 3) continue;
        model.strokes.push_back({corners, face.colour, SketchStroke::Dashed, true, false, 1});
        model.faces.push_back({std::move(corners), face.colour});
    }
    for (const SketchLine& line : scene.lines) {
        P3 p, u, a, b;
        if (!ToBox(box, line.p, p) || !UnitDirection(line.u, u) || !ClipLine(p, u, a, b)) continue;
        model.strokes.push_back({{a, b}, line.colour, line.stroke, false, false, 2});
        AddLabel(model, Mix(b, a, 0.06), line.label, line.colour);
    }
    for (const SketchSegment& segment : scene.segments) {
        P3 a, b;
        if (!ToBox(box, segment.a, a) || !ToBox(box, segment.b, b)) continue;
        const bool length = a.x != b.x || a.y != b.y || a.z != b.z;
        if (length)
            model.strokes.push_back(
                {{a, b}, segment.colour, segment.stroke, false, segment.arrow, segment.arrow ? 2.0 : 1.5});
        AddLabel(model, b, segment.label, segment.colour);
    }
    for (const SketchSphere& sphere : scene.spheres) {
        P3 m;
        double r = 0;
        if (!ToBox(box, sphere.m, m) || !BoxRadius(box, sphere.r, r)) continue;
        model.balls.push_back({m, r, sphere.colour});
        model.dots.push_back({m, sphere.colour});
        AddLabel(model, m, sphere.label, sphere.colour);
    }
    for (const SketchCircle& circle : scene.circles) {
        P3 m, n;
        double r = 0;
        if (!ToBox(box, circle.m, m) || !UnitDirection(circle.n, n) || !BoxRadius(box, circle.r, r)) continue;
        std::vector<P3> points = SampleCircle(m, n, r, CircleSamples);
        AddLabel(model, points.front(), circle.label, circle.colour);
        model.strokes.push_back({std::move(points), circle.colour, circle.stroke, true, false,
                                 circle.stroke == SketchStroke::Dashed ? 1.2 : 2.0});
    }
    for (const SketchArc& arc : scene.arcs) {
        P3 m, from, to;
        double r = 0;
        if (!ToBox(box, arc.m, m) || !UnitDirection(arc.from, from) || !UnitDirection(arc.to, to) ||
            !BoxRadius(box, arc.r, r))
            continue;
        // Opposite directions have no short way between them; equal ones no arc.
        if (Dot3(from, to) < -1 + 1e-12 || Dot3(from, to) > 1 - 1e-12) continue;
        std::vector<P3> points = SampleArc(m, from, to, r, ArcSamples);
        AddLabel(model, points[points.size() / 2], arc.label, arc.colour);
        model.strokes.push_back({std::move(points), arc.colour, SketchStroke::Solid, false, false, 1.5});
    }
    for (const SketchText& text : scene.texts) {
        P3 p;
        if (ToBox(box, text.at, p)) AddLabel(model, p, text.text, text.colour);
    }
    for (const SketchPoint& point : scene.points) {
        P3 p;
        if (!ToBox(box, point.p, p)) continue;
        model.dots.push_back({p, point.colour});
        AddLabel(model, p, point.label, point.colour);
    }
    AddAxes(model);
    return model;
}

SketchFrame BuildFrame(const SketchModel& model, const SketchView& view, double width, double height) {
    const Projector projector(view, width, height);
    SketchFrame frame;
    frame.points.reserve(1024);
    frame.items.reserve(512);
    using Kind = SketchFrame::Kind;

    const auto add = [&frame](Kind kind, double depth, SketchColour colour, int alpha, bool dashed,
                              double size, std::initializer_list<P2> points) {
        SketchFrame::Item item;
        item.kind = kind;
        item.depth = depth;
        item.first = static_cast<int>(frame.points.size());
        item.count = static_cast<int>(points.size());
        item.colour = colour;
        item.alpha = alpha;
        item.dashed = dashed;
        item.size = size;
        frame.points.insert(frame.points.end(), points);
        frame.items.push_back(item);
    };
    const auto piece = [&](P3 a, P3 b, const SketchModel::Stroke& s, bool dashed) {
        add(Kind::Line, projector.Depth(Mix(a, b, 0.5)), s.colour, 255, dashed, s.width,
            {projector.Screen(a), projector.Screen(b)});
    };

    for (const SketchModel::Stroke& s : model.strokes) {
        const std::size_t n = s.points.size();
        if (n < 2) continue;
        const bool dashed = s.stroke == SketchStroke::Dashed;
        if (n == 2 && !dashed) {
            for (int i = 0; i < StraightPieces; ++i)
                piece(Mix(s.points[0], s.points[1], double(i) / StraightPieces),
                      Mix(s.points[0], s.points[1], double(i + 1) / StraightPieces), s, false);
        } else if (n == 2 || s.points.size() <= 8) {
            // Few corners, such as a polygon's outline: dashed pieces keep the pen's pattern.
            for (std::size_t i = 0; i + 1 < n; ++i)
                piece(s.points[i], s.points[i + 1], s, dashed);
            if (s.closed) piece(s.points[n - 1], s.points[0], s, dashed);
        } else {
            // A sampled curve is dashed by leaving out every other piece.
            const std::size_t pieces = s.closed ? n : n - 1;
            for (std::size_t i = 0; i < pieces; ++i)
                if (!dashed || i % 2 == 0) piece(s.points[i], s.points[(i + 1) % n], s, false);
        }
        if (s.arrow) {
            const P2 tip = projector.Screen(s.points[n - 1]);
            const P2 back = projector.Screen(s.points[n - 2]);
            const double dx = tip.x - back.x, dy = tip.y - back.y;
            const double length = std::hypot(dx, dy);
            // A vector that points at the viewer shows no head.
            if (length > 1) {
                const double l = std::min(ArrowLength, 0.5 * length) / length;
                const double w = ArrowHalfWidth / length * (l * length / ArrowLength);
                const P2 base = {tip.x - dx * l, tip.y - dy * l};
                add(Kind::Polygon, projector.Depth(s.points[n - 1]), s.colour, 255, false, 0,
                    {tip, {base.x - dy * w, base.y + dx * w}, {base.x + dy * w, base.y - dx * w}});
            }
        }
    }
    for (const SketchModel::Face& face : model.faces) {
        P3 centre;
        const double share = 1.0 / face.corners.size();
        SketchFrame::Item item;
        item.kind = Kind::Polygon;
        item.first = static_cast<int>(frame.points.size());
        item.count = static_cast<int>(face.corners.size());
        item.colour = face.colour;
        item.alpha = FaceAlpha;
        for (const P3& c : face.corners) {
            frame.points.push_back(projector.Screen(c));
            centre = {centre.x + c.x * share, centre.y + c.y * share, centre.z + c.z * share};
        }
        item.depth = projector.Depth(centre);
        frame.items.push_back(item);
    }
    for (const SketchModel::Ball& ball : model.balls)
        add(Kind::Disc, projector.Depth(ball.m), ball.colour, 255, false, ball.r * projector.Scale(),
            {projector.Screen(ball.m)});
    // A point lying on a plane or a line is drawn over it.
    for (const SketchModel::Dot& dot : model.dots)
        add(Kind::Dot, projector.Depth(dot.p) + 1e-3, dot.colour, 255, false, DotRadius,
            {projector.Screen(dot.p)});

    std::stable_sort(
        frame.items.begin(), frame.items.end(),
        [](const SketchFrame::Item& a, const SketchFrame::Item& b) { return a.depth < b.depth; });

    // Ticks and texts stay readable over everything.
    for (const SketchModel::Tick& tick : model.ticks) {
        const P2 at = projector.Screen(tick.p);
        P3 along = tick.p;
        Coordinate(along, tick.axis) += 0.1;
        const P2 ahead = projector.Screen(along);
        double dx = ahead.x - at.x, dy = ahead.y - at.y;
        const double length = std::hypot(dx, dy);
        // Across the axis on screen, on the lower side; an axis seen end-on gets its numbers below.
        double nx = 0, ny = 1;
        if (length > 1e-6) {
            nx = -dy / length;
            ny = dx / length;
            if (ny < 0 || (ny == 0 && nx < 0)) {
                nx = -nx;
                ny = -ny;
            }
        }
        add(Kind::Line, INFINITY, AxisColour, 255, false, 1,
            {{at.x - nx * TickHalfLength, at.y - ny * TickHalfLength},
             {at.x + nx * TickHalfLength, at.y + ny * TickHalfLength}});
        frame.texts.push_back({{at.x + nx * 12, at.y + ny * 12}, tick.text, AxisColour, true});
    }
    for (const SketchModel::Label& label : model.labels) {
        const P2 at = projector.Screen(label.p);
        frame.texts.push_back({{at.x + 6, at.y - 6}, label.text, label.colour, false});
    }
    return frame;
}

} // namespace quillon
