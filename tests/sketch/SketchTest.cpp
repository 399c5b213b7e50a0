#include "sketch/Clipping.h"
#include "sketch/Projection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace quillon {
namespace {

constexpr double Eps = 1e-12;

P3 Unit(P3 v) {
    const double l = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / l, v.y / l, v.z / l};
}

bool Has(const std::vector<P3>& corners, P3 c) {
    for (const P3& p : corners)
        if (std::fabs(p.x - c.x) < 1e-9 && std::fabs(p.y - c.y) < 1e-9 && std::fabs(p.z - c.z) < 1e-9)
            return true;
    return false;
}

TEST(SketchClipTest, PlanesAgainstTheBox) {
    struct Row {
        const char* name;
        P3 p, n;
        std::vector<P3> corners; // all of them, in any order; empty: no polygon
    } rows[] = {
        {"parallel to a face",
         {0, 0, 0.5},
         {0, 0, 1},
         {{1, 1, 0.5}, {-1, 1, 0.5}, {-1, -1, 0.5}, {1, -1, 0.5}}},
        {"on a face", {0, 0, 1}, {0, 0, -1}, {{1, 1, 1}, {-1, 1, 1}, {-1, -1, 1}, {1, -1, 1}}},
        {"through four corners",
         {0, 0, 0},
         Unit({1, -1, 0}),
         {{1, 1, 1}, {1, 1, -1}, {-1, -1, 1}, {-1, -1, -1}}},
        {"through a corner and across", {1, 1, 1}, Unit({1, 1, 1}), {}}, // touches the corner only
        {"through one corner, cutting",
         {1, -1, -1},
         Unit({1, 1, 1}),
         {{1, -1, -1}, {-1, 1, -1}, {-1, -1, 1}}},
        {"beside the box", {0, 0, 1.5}, {0, 0, 1}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<P3> corners = ClipPlane(row.p, row.n);
        ASSERT_EQ(corners.size(), row.corners.size());
        for (const P3& c : row.corners)
            EXPECT_TRUE(Has(corners, c)) << c.x << " " << c.y << " " << c.z;
    }
    // An oblique cut through the centre is the regular hexagon, every corner on the plane and the box.
    const P3 n = Unit({1, 1, 1});
    const std::vector<P3> hexagon = ClipPlane({0, 0, 0}, n);
    ASSERT_EQ(hexagon.size(), 6u);
    for (const P3& c : hexagon) {
        EXPECT_NEAR(c.x * n.x + c.y * n.y + c.z * n.z, 0, Eps);
        EXPECT_NEAR(std::max({std::fabs(c.x), std::fabs(c.y), std::fabs(c.z)}), 1, Eps);
    }
}

TEST(SketchClipTest, LinesAgainstTheBox) {
    struct Row {
        const char* name;
        P3 p, u;
        bool inside;
        P3 a, b;
    } rows[] = {
        {"along x through the centre", {0.5, 0, 0}, {1, 0, 0}, true, {-1, 0, 0}, {1, 0, 0}},
        {"the long diagonal", {0, 0, 0}, Unit({1, 1, 1}), true, {-1, -1, -1}, {1, 1, 1}},
        {"oblique, from a face to a face", {0, 0, 0.5}, Unit({1, 0, 1}), true, {-1, 0, -0.5}, {0.5, 0, 1}},
        {"missing the box", {0, 2, 0}, {1, 0, 0}, false, {}, {}},
        {"missing it obliquely", {3, 0, 0}, Unit({1, 1, 0}), false, {}, {}},
        {"touching a corner only", {1, 1, 1}, Unit({1, -1, 0}), false, {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        P3 a, b;
        ASSERT_EQ(ClipLine(row.p, row.u, a, b), row.inside);
        if (!row.inside) continue;
        EXPECT_NEAR(a.x, row.a.x, Eps);
        EXPECT_NEAR(a.y, row.a.y, Eps);
        EXPECT_NEAR(a.z, row.a.z, Eps);
        EXPECT_NEAR(b.x, row.b.x, Eps);
        EXPECT_NEAR(b.y, row.b.y, Eps);
        EXPECT_NEAR(b.z, row.b.z, Eps);
    }
}

SketchScene Points(std::initializer_list<TVektor> points) {
    SketchScene scene;
    for (const TVektor& p : points)
        scene.points.push_back({p, {}, {}});
    return scene;
}

TEST(SketchBoxTest, FitsTheObjectsWithAMargin) {
    constexpr Extended Inf = std::numeric_limits<Extended>::infinity();
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    SketchScene sphere;
    sphere.spheres.push_back({{5, 0, 0}, -1, {}, {}}); // the size of a negative radius
    struct Row {
        const char* name;
        SketchScene scene;
        TVektor centre;
        Extended half;
    } rows[] = {
        {"empty", {}, {0, 0, 0}, 1},
        {"one point at the origin", Points({{0, 0, 0}}), {0, 0, 0}, 1.25L},
        {"a cube's corners", Points({{0, 0, 0}, {2, 2, 2}}), {1, 1, 1}, 1.25L},
        {"the origin near", Points({{1, 1, 1}, {3, 3, 3}}), {1.5L, 1.5L, 1.5L}, 1.875L},
        {"far from the origin",
         Points({{1e6L, 1e6L, 1e6L}, {1e6L + 2, 1e6L, 1e6L}}),
         {1e6L + 1, 1e6L, 1e6L},
         1.25L},
        {"a sphere far out", sphere, {5, 0, 0}, 1.25L},
        {"tiny", Points({{0, 0, 0}, {2e-30L, 0, 0}}), {1e-30L, 0, 0}, 1.25e-30L},
        {"huge", Points({{-1e4000L, 0, 0}, {1e4000L, 0, 0}}), {0, 0, 0}, 1.25e4000L},
        {"not finite left out", Points({{nan, 0, 0}, {Inf, 1, 1}, {0, 0, 0}, {2, 2, 2}}), {1, 1, 1}, 1.25L},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const SketchBox box = FitBox(row.scene);
        EXPECT_LT(std::fabs(box.centre.x - row.centre.x), 1e-15L * (1 + std::fabs(row.centre.x)));
        EXPECT_LT(std::fabs(box.centre.y - row.centre.y), 1e-15L * (1 + std::fabs(row.centre.y)));
        EXPECT_LT(std::fabs(box.half / row.half - 1), 1e-15L);
        // Every finite object lies inside its box.
        for (const SketchPoint& p : row.scene.points) {
            P3 q;
            if (ToBox(box, p.p, q)) {
                EXPECT_LE(std::max({std::fabs(q.x), std::fabs(q.y), std::fabs(q.z)}), 1.0);
            }
        }
    }
}

TEST(SketchModelTest, NothingIsDrawnFromNaNOrInfinity) {
    constexpr Extended Inf = std::numeric_limits<Extended>::infinity();
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    SketchScene scene = Points({{nan, 0, 0}, {1, 1, 1}});
    scene.spheres.push_back({{0, 0, 0}, Inf, {}, {}});
    scene.segments.push_back({{0, 0, 0}, {Inf, 0, 0}, {}, SketchStroke::Solid, true, "a"});
    scene.lines.push_back({{0, 0, 0}, {nan, 1, 0}, {}, SketchStroke::Solid, "g"});
    scene.planes.push_back({{0, 0, 0}, {0, 0, 0}, {}, "E"}); // no normal
    scene.circles.push_back({{0, 0, 0}, {0, 0, 1}, nan, {}, SketchStroke::Solid, {}});
    const SketchModel model = BuildModel(scene);
    EXPECT_EQ(model.dots.size(), 1u);
    EXPECT_TRUE(model.balls.empty());
    EXPECT_TRUE(model.faces.empty());
    EXPECT_EQ(model.strokes.size(), 3u) << "the axes only";
    for (const SketchModel::Label& label : model.labels)
        EXPECT_TRUE(label.text == "x" || label.text == "y" || label.text == "z") << label.text;
    const SketchFrame frame = BuildFrame(model, SketchView{}, 400, 300);
    for (const P2& p : frame.points)
        EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
}

TEST(SketchProjectionTest, KnownPointsAndDepthOrder) {
    // Seen from +x, upright: y to the right, z up, x towards the viewer.
    const SketchView front{0, 0, 1};
    const Projector projector(front, 300, 300);
    const double s = projector.Scale();
    struct Row {
        P3 p;
        double x, y, depth;
    } rows[] = {{{0, 0, 0}, 150, 150, 0},
                {{0, 1, 0}, 150 + s, 150, 0},
                {{0, 0, 1}, 150, 150 - s, 0},
                {{1, 0, 0}, 150, 150, 1}};
    for (const Row& row : rows) {
        const P2 q = projector.Screen(row.p);
        EXPECT_NEAR(q.x, row.x, 1e-9);
        EXPECT_NEAR(q.y, row.y, 1e-9);
        EXPECT_NEAR(projector.Depth(row.p), row.depth, 1e-12);
    }
    // Turned a quarter about z, x points to the left; tilted a quarter, z points at the viewer.
    EXPECT_NEAR(Projector({Pi / 2, 0, 1}, 300, 300).Screen({1, 0, 0}).x, 150 - s, 1e-9);
    EXPECT_NEAR(Projector({0, Pi / 2, 1}, 300, 300).Depth({0, 0, 1}), 1, 1e-12);

    // Whatever the view, the items come from the farthest to the nearest.
    SketchScene scene = Points({{1, 0, 0}, {-1, 0, 0}});
    scene.spheres.push_back({{0, 0, 0}, 0.5L, {}, {}});
    scene.planes.push_back({{0, 0, 0}, {0, 0, 1}, {}, {}});
    const SketchModel model = BuildModel(scene);
    for (double yaw : {0.0, 1.0, 3.0}) {
        const SketchFrame frame = BuildFrame(model, {yaw, 0.3, 1}, 300, 300);
        for (std::size_t i = 1; i < frame.items.size(); ++i)
            EXPECT_LE(frame.items[i - 1].depth, frame.items[i].depth);
    }
    const SketchFrame frame = BuildFrame(model, front, 300, 300);
    std::vector<double> dots;
    for (const SketchFrame::Item& item : frame.items)
        if (item.kind == SketchFrame::Kind::Dot) dots.push_back(frame.points[item.first].x);
    ASSERT_EQ(dots.size(), 3u);
    EXPECT_NEAR(dots.back(), 150, 1e-9) << "the point at x = 1 is the nearest and painted last";
}

TEST(SketchAxesTest, TicksAtRoundNumbers) {
    struct Row {
        Extended span;
        int count;
        Extended step;
    } steps[] = {{10, 5, 2}, {1, 4, 0.2L}, {7e-30L, 4, 2e-30L}, {3e12L, 4, 1e12L}, {0, 4, 1}};
    for (const Row& row : steps) {
        SCOPED_TRACE(static_cast<double>(row.span));
        EXPECT_LT(std::fabs(RoundStep(row.span, row.count) / row.step - 1), 1e-15L);
    }
    // Far from the origin the numbers carry enough digits to differ, with the decimal separator.
    const char separator = DecimalSeparator;
    DecimalSeparator = ',';
    const SketchModel model = BuildModel(Points({{1e6L, 0, 0}, {1e6L + 1, 1, 1}}));
    DecimalSeparator = separator;
    std::vector<std::string> x;
    for (const SketchModel::Tick& tick : model.ticks)
        if (tick.axis == 0) x.push_back(tick.text);
    ASSERT_GE(x.size(), 3u);
    EXPECT_EQ(x[1], "1000000,2");
    for (std::size_t i = 1; i < x.size(); ++i)
        EXPECT_NE(x[i - 1], x[i]);
    EXPECT_EQ(model.axesCross.x, -1) << "the origin far to the left puts the axes on the box's edge";

    // However far, and beyond what a double holds.
    const SketchModel far =
        BuildModel(Points({{1e4000L, 1e4000L, 1e4000L}, {1.1e4000L, 1.1e4000L, 1.1e4000L}}));
    EXPECT_EQ(far.axesCross.x, -1);
    EXPECT_EQ(far.axesCross.z, -1);
    EXPECT_EQ(far.dots.size(), 2u);
}

} // namespace
} // namespace quillon
