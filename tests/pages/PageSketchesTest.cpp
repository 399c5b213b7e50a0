#include "GuiTest.h"

#include "core/Options.h"
#include "pages/PageSketches.h"
#include "text/AllText.h"

#include <cmath>
#include <string>

namespace quillon::test {
namespace {

using PageSketchesTest = GuiTest;

GeometryBody Point(TVektor p) {
    GeometryBody b;
    b.cls = ClassPoint;
    b.point = p;
    return b;
}
GeometryBody Line(TVektor p, TVektor u) {
    GeometryBody b;
    b.cls = ClassLineAB;
    b.line = {p, u};
    return b;
}
GeometryBody Plane(TVektor q, TVektor v, TVektor w) {
    GeometryBody b;
    b.cls = ClassPlane;
    b.plane = {q, v, w};
    return b;
}
GeometryBody Sphere(TVektor m, Extended r) {
    GeometryBody b;
    b.cls = ClassSphere;
    b.sphere = {m, r};
    return b;
}

bool Near(TVektor a, TVektor b) {
    return std::fabs(a.x - b.x) < 1e-15L && std::fabs(a.y - b.y) < 1e-15L && std::fabs(a.z - b.z) < 1e-15L;
}

// The point of the scene labelled so, or a failure.
TVektor Labelled(const SketchScene& s, const std::string& label) {
    for (const SketchPoint& p : s.points)
        if (p.label == label) return p.p;
    ADD_FAILURE() << "no point " << label;
    return {};
}

// The findings of the report, pair by pair, at the places the report gives.
TEST_F(PageSketchesTest, GeometryShowsWhatTheReportFinds) {
    const Extended s = std::sqrt(3.75L);
    {
        SCOPED_TRACE("point and plane: foot and mirror image");
        const SketchScene scene = GeometrySketch(Point({3, 2, 4}), Plane({0, 0, 1}, {1, 0, 0}, {0, 1, 0}));
        EXPECT_TRUE(Near(Labelled(scene, "F"), {3, 2, 1}));
        EXPECT_TRUE(Near(Labelled(scene, "P´"), {3, 2, -2}));
        ASSERT_EQ(scene.planes.size(), 2u) << "E and its mirror image";
        EXPECT_EQ(scene.planes[1].label, "E´");
    }
    {
        SCOPED_TRACE("skew lines: the common perpendicular");
        const SketchScene scene = GeometrySketch(Line({0, 0, 0}, {1, 0, 0}), Line({0, 1, 2}, {0, 1, 1}));
        EXPECT_TRUE(Near(Labelled(scene, "F1"), {0, 0, 0}));
        EXPECT_TRUE(Near(Labelled(scene, "F2"), {0, -0.5L, 0.5L}));
        EXPECT_EQ(scene.lines.size(), 4u) << "G1, G2 and their mirror images";
    }
    {
        SCOPED_TRACE("line through a sphere: both points");
        const SketchScene scene = GeometrySketch(Sphere({0, 0, 0}, 2), Line({-3, 0, 0.5L}, {1, 0, 0}));
        int found = 0;
        for (const SketchPoint& p : scene.points)
            if (p.label == Text(771)) {
                ++found;
                EXPECT_LT(std::fabs(std::fabs(p.p.x) - s), 1e-15L);
            }
        EXPECT_EQ(found, 2);
        ASSERT_EQ(scene.spheres.size(), 1u);
        EXPECT_EQ(scene.spheres[0].colour, (SketchColour{30, 90, 200})) << "object 1 keeps its colour";
    }
    for (bool intersection : {true, false}) {
        SCOPED_TRACE(intersection ? "circles" : "circles without intersection information");
        PLE_Intersection = intersection;
        const SketchScene plane =
            GeometrySketch(Plane({0, 0, 1}, {1, 0, 0}, {0, 1, 0}), Sphere({0, 0, 0}, 2));
        const SketchScene spheres = GeometrySketch(Sphere({0, 0, 0}, 2), Sphere({2.5L, 0, 0}, 1.5L));
        ASSERT_EQ(plane.circles.size(), intersection ? 1u : 0u);
        ASSERT_EQ(spheres.circles.size(), intersection ? 1u : 0u);
        if (!intersection) continue;
        EXPECT_TRUE(Near(plane.circles[0].m, {0, 0, 1}));
        EXPECT_LT(std::fabs(plane.circles[0].r - std::sqrt(3.0L)), 1e-15L);
        EXPECT_TRUE(Near(spheres.circles[0].m, {1.6L, 0, 0}));
        EXPECT_LT(std::fabs(spheres.circles[0].r - 1.2L), 1e-15L);
    }
}

TEST_F(PageSketchesTest, VectorAndCoordinateConstructions) {
    const SketchScene cross = VectorSketch(4, {3, 1, 0}, {1, 2, 1}, {}, 0, true);
    ASSERT_EQ(cross.segments.size(), 3u);
    EXPECT_EQ(cross.segments[2].label, "a×b");
    EXPECT_TRUE(Near(cross.segments[2].b, {1, -3, 5}));
    EXPECT_EQ(cross.faces.size(), 1u) << "the parallelogram of a and b";
    EXPECT_EQ(VectorSketch(4, {3, 1, 0}, {1, 2, 1}, {}, 0, false).segments.size(), 2u)
        << "before a calculation only the inputs";
    EXPECT_EQ(VectorSketch(10, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, 0, true).texts.at(0).text, "a·(b×c) = 1");

    const SketchScene point = CoordinateSketch({0, 3, 4}, 0, true);
    EXPECT_TRUE(Near(Labelled(point, "P´"), {0, 3, 0}));
    std::vector<std::string> texts;
    for (const SketchText& t : point.texts)
        texts.push_back(t.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"r = 5", "ρ = 3", "φ = 90°", "θ = 36,87°"}));
    EXPECT_EQ(point.circles.size(), 2u) << "the cylinder's ends";
}

} // namespace
} // namespace quillon::test
