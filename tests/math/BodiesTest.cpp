#include "math/Bodies.h"
#include "core/FloatError.h"

#include "core/NearL.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>

namespace quillon {
namespace {

void ExpectNear(TVektor actual, TVektor expected, Extended tolerance = 1e-17L) {
    EXPECT_NEAR_L(actual.x, expected.x, tolerance);
    EXPECT_NEAR_L(actual.y, expected.y, tolerance);
    EXPECT_NEAR_L(actual.z, expected.z, tolerance);
}

// The plane z = c, its normal v × w pointing up.
TEbene PlaneZ(Extended c) {
    return {{0, 0, c}, {1, 0, 0}, {0, 1, 0}};
}
const TGerade XAxis{{0, 0, 0}, {1, 0, 0}};

TEST(BodiesTest, FeetDistancesAndDegenerateObjects) {
    ExpectNear(LotfusspunktGerade({1, 2, 3}, {{5, 0, 0}, {2, 0, 0}}), {1, 0, 0});
    ExpectNear(LotvektorGerade({1, 2, 3}, XAxis), {0, -2, -3});
    EXPECT_NEAR_L(AbstandPunktGerade({1, 3, 4}, XAxis), 5, 1e-18L);
    const TGerade perpendicular = Lotgerade({1, 2, 0}, XAxis);
    ExpectNear(perpendicular.P, {1, 0, 0});
    ExpectNear(perpendicular.u, {0, -2, 0});

    ExpectNear(LotfusspunktEbene({1, 2, 3}, PlaneZ(1)), {1, 2, 1});
    ExpectNear(LotvektorEbene({1, 2, 3}, PlaneZ(1)), {0, 0, -2});
    EXPECT_NEAR_L(AbstandPunktEbene({1, 2, 3}, PlaneZ(1)), 2, 1e-18L);
    // The sign follows v × w.
    EXPECT_NEAR_L(AbstandPunktEbene({1, 2, 3}, {{0, 0, 1}, {0, 1, 0}, {1, 0, 0}}), -2, 1e-18L);
    EXPECT_EQ(AbstandPunktPunkt({1, 2, 3}, {3, 5, 9}), 7);

    // A zero direction has every foot at P; a plane with parallel directions has every point as its
    // own foot and no distance. None of this leaves an event behind.
    ClearFloatFlags();
    ExpectNear(LotfusspunktGerade({1, 2, 3}, {{4, 5, 6}, {0, 0, 0}}), {4, 5, 6});
    const TEbene flat{{0, 0, 0}, {1, 1, 0}, {2, 2, 0}};
    ExpectNear(LotfusspunktEbene({1, 2, 3}, flat), {1, 2, 3});
    EXPECT_EQ(AbstandPunktEbene({1, 2, 3}, flat), 0);
    EXPECT_EQ(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW), 0);
}

TEST(BodiesTest, ConstructionsKeepTheirOperandOrder) {
    // The normal is v × w, not w × v.
    const TEbeneKoord k = EbeneToKoord({{1, 2, 3}, {0, 1, 0}, {1, 0, 0}});
    ExpectNear(k.n, {0, 0, -1});
    EXPECT_EQ(k.d, -3);
    const TEbene threePoints = EbeneAusGeradePunkt({7, 8, 9}, {{1, 2, 3}, {1, 1, 1}});
    ExpectNear(threePoints.Q, {7, 8, 9});
    ExpectNear(threePoints.w, {2, 3, 4});
    ExpectNear(GeradeDurchPunkte({1, 2, 3}, {4, 4, 4}).u, {3, 2, 1});
    ExpectNear(Mittelpunkt({1, 2, 3}, {4, -2, 0}), {2.5L, 0, 1.5L});
}

TEST(BodiesTest, LageGeradeGeradeCodes) {
    struct Row {
        const char* name;
        TGerade g1, g2;
        int code;
        Extended value;
    };
    const Row rows[] = {
        {"skew", XAxis, {{0, 1, 5}, {0, 1, 0}}, 3, 5},
        {"skew, reversed second direction", XAxis, {{0, 1, 5}, {0, -1, 0}}, 3, -5},
        {"intersecting", XAxis, {{0, 1, 0}, {0, 1, 0}}, 2, 0},
        {"parallel", XAxis, {{0, 3, 0}, {2, 0, 0}}, 1, 3},
        {"identical", XAxis, {{5, 0, 0}, {-2, 0, 0}}, 0, 0},
        // Parallel only up to rounding is not parallel.
        {"nearly parallel", {{0, 0, 0}, {1, 1e-30L, 0}}, {{0, 3, 0}, {1, 0, 0}}, 2, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        int code = -1;
        EXPECT_NEAR_L(LageGeradeGerade(row.g1, row.g2, code), row.value, 1e-17L);
        EXPECT_EQ(code, row.code);
    }
}

TEST(BodiesTest, LageGeradeEbeneAndEbeneEbeneCodes) {
    struct LineRow {
        const char* name;
        TGerade g;
        int code;
        Extended value;
    };
    const LineRow lines[] = {
        {"in the plane", {{1, 1, 0}, {1, 2, 0}}, 0, 0},
        {"parallel above", {{1, 1, 2}, {1, 2, 0}}, 1, 2},
        {"parallel below", {{1, 1, -2}, {0, 1, 0}}, 1, -2},
        {"intersecting", {{1, 1, 2}, {1, 2, 3}}, 2, 0},
    };
    for (const LineRow& row : lines) {
        SCOPED_TRACE(row.name);
        int code = -1;
        EXPECT_NEAR_L(LageGeradeEbene(row.g, PlaneZ(0), code), row.value, 1e-17L);
        EXPECT_EQ(code, row.code);
    }

    struct PlaneRow {
        const char* name;
        TEbene e1;
        int code;
        Extended value;
    };
    const PlaneRow planes[] = {
        {"identical", {{3, 4, 0}, {1, 1, 0}, {-1, 2, 0}}, 0, 0},
        {"parallel", {{3, 4, 3}, {1, 1, 0}, {-1, 2, 0}}, 1, 3},
        {"parallel below", PlaneZ(-1.5L), 1, -1.5L},
        {"intersecting", {{0, 0, 0}, {1, 0, 0}, {0, 1, 1}}, 2, 0},
        {"intersecting, only w tilted", {{0, 0, 3}, {1, 0, 0}, {0, 1, 1}}, 2, 0},
        {"intersecting, only v tilted", {{0, 0, 3}, {1, 0, 1}, {0, 1, 0}}, 2, 0},
    };
    for (const PlaneRow& row : planes) {
        SCOPED_TRACE(row.name);
        int code = -1;
        EXPECT_NEAR_L(LageEbeneEbene(row.e1, PlaneZ(0), code), row.value, 1e-17L);
        EXPECT_EQ(code, row.code);
    }
}

TEST(BodiesTest, SphereRelationCodes) {
    const TKugel k{{1, 2, 3}, 2};
    struct PointRow {
        const char* name;
        TVektor p;
        int code;
        Extended x;
    };
    const PointRow points[] = {
        {"centre", {1, 2, 3}, 3, -2},           {"inside", {2, 2, 3}, 1, -1},
        {"on the sphere", {1, 2, 5}, 0, 0},     {"outside, x = r is not beyond r", {1, -2, 3}, 2, 2},
        {"beyond one radius", {6, 2, 3}, 4, 3}, {"x = 2r is not beyond two radii", {1, 2, 9}, 4, 4},
        {"beyond two radii", {1, 2, 10}, 5, 5},
    };
    for (const PointRow& row : points) {
        SCOPED_TRACE(row.name);
        int code = -1;
        EXPECT_EQ(LagePunktKugel(row.p, k, code), row.x);
        EXPECT_EQ(code, row.code);
    }

    struct LineRow {
        const char* name;
        TGerade g;
        int code;
        Extended x;
    };
    const LineRow lines[] = {
        {"through the centre", {{0, 2, 3}, {2, 0, 0}}, 3, -2},
        {"secant", {{1, 3, 0}, {0, 0, 1}}, 1, -1},
        {"tangent", {{0, 2, 5}, {1, 0, 0}}, 0, 0},
        {"outside", {{0, 2, 6}, {1, 0, 0}}, 2, 1},
        {"beyond one radius", {{1, 7, 3}, {0, 0, -2}}, 4, 3},
        {"beyond two radii", {{0, 2, 10}, {1, 0, 0}}, 5, 5},
    };
    for (const LineRow& row : lines) {
        SCOPED_TRACE(row.name);
        int code = -1;
        EXPECT_NEAR_L(LageGeradeKugel(row.g, k, code), row.x, 1e-17L);
        EXPECT_EQ(code, row.code);
    }
}

TEST(BodiesTest, SchnittGeradeKugelByCode) {
    const TKugel unit{{0, 0, 0}, 1};
    struct Row {
        const char* name;
        TGerade g;
        TKugel k;
        TVektor a, b;
    };
    const Row rows[] = {
        {"tangent", {{5, 0, 1}, {1, 0, 0}}, unit, {0, 0, 1}, {0, 0, 1}},
        {"secant", {{0, 0, 0.6L}, {0, -3, 0}}, unit, {0, -0.8L, 0.6L}, {0, 0.8L, 0.6L}},
        {"through the centre", {{-4, 0, 0}, {2, 0, 0}}, unit, {1, 0, 0}, {-1, 0, 0}},
        {"apart", {{7, 0, 3}, {1, 0, 0}}, {{0, 0, 0}, 2}, {0, 0, 3}, {0, 0, 2}},
        {"apart, sphere off the origin", {{0, 0, 0}, {0, 1, 0}}, {{4, 1, 0}, 0.5L}, {0, 1, 0}, {3.5L, 1, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        int code = -1;
        LageGeradeKugel(row.g, row.k, code);
        TVektor a{9, 9, 9};
        TVektor b{9, 9, 9};
        SchnittGeradeKugel(row.g, row.k, code, a, b);
        ExpectNear(a, row.a);
        ExpectNear(b, row.b);
    }
    TVektor a{9, 9, 9};
    TVektor b{8, 8, 8};
    SchnittGeradeKugel(XAxis, unit, 6, a, b);
    ExpectNear(a, {9, 9, 9});
    ExpectNear(b, {8, 8, 8});
}

TEST(BodiesTest, SchnittEbeneKugelCases) {
    struct Row {
        const char* name;
        TEbene e;
        TKugel k;
        TKreis circle;
    };
    const Row rows[] = {
        {"apart", PlaneZ(2), {{0, 0, 0}, 1}, {{0, 0, 0}, {0, 0, 0}, 0}},
        {"touching", PlaneZ(1), {{0, 0, 0}, 1}, {{0, 0, 1}, {1, 1, 1}, 0}},
        {"touching, plane turned over",
         {{0, 0, -1}, {0, 1, 0}, {1, 0, 0}},
         {{0, 0, 0}, 1},
         {{0, 0, -1}, {1, 1, 1}, 0}},
        {"cut above the centre", PlaneZ(0.6L), {{0, 0, 0}, 1}, {{0, 0, 0.6L}, {0, 0, 1}, 0.8L}},
        {"cut below the centre", PlaneZ(-0.6L), {{0, 0, 0}, 1}, {{0, 0, -0.6L}, {0, 0, -1}, 0.8L}},
        {"cut off the origin", PlaneZ(4), {{1, 2, 1}, 5}, {{1, 2, 4}, {0, 0, 1}, 4}},
        {"great circle", PlaneZ(3), {{1, 2, 3}, 2}, {{1, 2, 3}, {0, 0, 0}, 2}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const TKreis c = SchnittEbeneKugel(row.e, row.k);
        ExpectNear(c.m, row.circle.m);
        ExpectNear(c.n, row.circle.n);
        EXPECT_NEAR_L(c.r, row.circle.r, 1e-17L);
    }
}

TEST(BodiesTest, SchnittKugelKugelCases) {
    struct Row {
        const char* name;
        TKugel k1, k2;
        TKreis circle;
    };
    const Row rows[] = {
        {"equal spheres", {{1, 2, 3}, 2}, {{1, 2, 3}, 2}, {{0, 0, 0}, {1, 1, 0}, 0}},
        {"concentric, first smaller", {{1, 2, 3}, 1}, {{1, 2, 3}, 2}, {{0, 0, 0}, {1, 0, 0}, 0}},
        {"concentric, first larger", {{1, 2, 3}, 3}, {{1, 2, 3}, 2}, {{0, 0, 0}, {0, 1, 0}, 0}},
        {"apart", {{0, 0, 0}, 1}, {{5, 0, 0}, 2}, {{0, 0, 0}, {0, 0, 0}, 0}},
        {"touching from outside", {{0, 0, 0}, 1}, {{0, 3, 0}, 2}, {{0, 1, 0}, {0, 0, 0}, 0}},
        {"unit spheres", {{0, 0, 0}, 1}, {{1, 0, 0}, 1}, {{0.5L, 0, 0}, {1, 0, 0}, std::sqrt(0.75L)}},
        {"unequal radii",
         {{0, 0, 1}, 5},
         {{0, 0, -5}, 3},
         {{0, 0, 1 - 52.0L / 12}, {0, 0, -1}, std::sqrt(25 - (52.0L / 12) * (52.0L / 12))}},
        {"first inside the second", {{0, 0, 0}, 1}, {{0.5L, 0, 0}, 3}, {{0, 0, 0}, {-1, 0, 0}, 0}},
        {"second inside the first", {{0, 0, 0}, 3}, {{0.5L, 0, 0}, 1}, {{0, 0, 0}, {0, -1, 0}, 0}},
        {"touching inside, first smaller", {{1, 0, 0}, 1}, {{0, 0, 0}, 2}, {{2, 0, 0}, {-1, 0, 0}, 0}},
        {"touching inside, first larger", {{0, 0, 0}, 2}, {{0, 0, 1}, 1}, {{0, 0, 2}, {0, -1, 0}, 0}},
        // Centres so close that their distance underflows to 0: equal radii count as touching inside.
        {"touching inside, equal radii",
         {{0, 0, 0}, 1},
         {{1e-3000L, 0, 0}, 1},
         {{1e-3000L, 0, 0}, {-1, 0, 0}, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const TKreis c = SchnittKugelKugel(row.k1, row.k2);
        ExpectNear(c.m, row.circle.m);
        ExpectNear(c.n, row.circle.n);
        EXPECT_NEAR_L(c.r, row.circle.r, 1e-17L);
    }
}

TEST(BodiesTest, SchnittgeradeEbenenBranches) {
    // Against the plane z = 0, with the edge lines of e1 in, parallel to or crossing it.
    struct Row {
        const char* name;
        TEbene e1;
        TGerade line;
    };
    const Row rows[] = {
        {"first edge in the plane", {{0, 0, 0}, {1, 0, 0}, {0, 1, 1}}, {{0, 0, 0}, {1, 0, 0}}},
        {"first edge parallel", {{0, 0, 1}, {1, 0, 0}, {0, 1, 1}}, {{0, -1, 0}, {1, 0, 0}}},
        {"second edge in the plane", {{0, 0, 0}, {1, 0, 1}, {0, 1, 0}}, {{0, 0, 0}, {0, 1, 0}}},
        {"second edge parallel", {{0, 0, 1}, {1, 0, 1}, {0, 1, 0}}, {{-1, 0, 0}, {0, 1, 0}}},
        {"both edges crossing", {{0, 0, 1}, {1, 0, 1}, {0, 1, 1}}, {{-1, 0, 0}, {1, -1, 0}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const TGerade g = SchnittgeradeEbenen(row.e1, PlaneZ(0));
        ExpectNear(g.P, row.line.P);
        ExpectNear(g.u, row.line.u);
    }
}

TEST(BodiesTest, MirrorImagesOfPoints) {
    ExpectNear(SpiegelPunktPunkt({1, 2, 3}, {0, 0, 1}), {-1, -2, -1});
    ExpectNear(SpiegelPunktGerade({1, 2, 3}, XAxis), {1, -2, -3});
    ExpectNear(SpiegelPunktEbene({1, 2, 3}, PlaneZ(1)), {1, 2, -1});
    const TGerade g = SpiegelGeradePunkt({{1, 0, 0}, {0, 1, 0}}, {0, 0, 0});
    ExpectNear(g.P, {-1, 0, 0});
    ExpectNear(g.u, {0, 1, 0});
    const TEbene e = SpiegelEbenePunkt({{5, 5, 1}, {1, 0, 0}, {0, 1, 0}}, {0, 0, 0});
    ExpectNear(e.Q, {0, 0, -1});
    ExpectNear(e.v, {1, 0, 0});
}

TEST(BodiesTest, MirrorImagesOfLinesAndPlanes) {
    struct LineRow {
        const char* name;
        TGerade image;
        TGerade expected;
    };
    const TGerade vertical{{1, 0, 0}, {0, 1, 0}};
    const LineRow lines[] = {
        {"line at line, identical", SpiegelGeradeGerade(vertical, XAxis, 0), vertical},
        {"line at line, parallel",
         SpiegelGeradeGerade({{0, 2, 0}, {3, 0, 0}}, XAxis, 1),
         {{0, -2, 0}, {3, 0, 0}}},
        {"line at line, intersecting", SpiegelGeradeGerade(vertical, XAxis, 2), {{1, 0, 0}, {0, -1, 0}}},
        {"line at line, skew",
         SpiegelGeradeGerade({{0, 0, 5}, {0, 1, 0}}, XAxis, 3),
         {{0, 0, -5}, {0, 1, 0}}},
        {"line at line, unknown code", SpiegelGeradeGerade(vertical, XAxis, 7), vertical},
        {"line at plane, in it", SpiegelGeradeEbene(vertical, PlaneZ(0), 0), vertical},
        {"line at plane, parallel",
         SpiegelGeradeEbene({{0, 0, 2}, {1, 1, 0}}, PlaneZ(0), 1),
         {{0, 0, -2}, {1, 1, 0}}},
        {"line at plane, intersecting",
         SpiegelGeradeEbene({{0, 0, 1}, {1, 0, 1}}, PlaneZ(0), 2),
         {{-1, 0, 0}, {1, 0, -1}}},
    };
    for (const LineRow& row : lines) {
        SCOPED_TRACE(row.name);
        ExpectNear(row.image.P, row.expected.P);
        ExpectNear(row.image.u, row.expected.u);
    }

    struct PlaneRow {
        const char* name;
        TEbene image;
        TEbene expected;
    };
    const TEbene planeX1{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    const PlaneRow planes[] = {
        {"plane at line, containing it", SpiegelEbeneGerade(PlaneZ(0), XAxis, 0), PlaneZ(0)},
        {"plane at line, parallel",
         SpiegelEbeneGerade(PlaneZ(2), XAxis, 1),
         {{0, 0, -2}, {1, 0, 0}, {0, 1, 0}}},
        {"plane at line, intersecting",
         SpiegelEbeneGerade(planeX1, XAxis, 2),
         {{1, 0, 0}, {0, -1, 0}, {0, 0, -1}}},
        {"plane at plane, identical", SpiegelEbeneEbene(planeX1, planeX1, 0), planeX1},
        {"plane at plane, parallel", SpiegelEbeneEbene(PlaneZ(2), PlaneZ(-1), 1), PlaneZ(-4)},
        // The plane x = 0 mirrored at the plane x = z is the plane z = 0.
        {"plane at plane, intersecting",
         SpiegelEbeneEbene({{0, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {{0, 0, 0}, {0, 1, 0}, {1, 0, 1}}, 2),
         {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}},
    };
    for (const PlaneRow& row : planes) {
        SCOPED_TRACE(row.name);
        ExpectNear(row.image.Q, row.expected.Q);
        ExpectNear(row.image.v, row.expected.v);
        ExpectNear(row.image.w, row.expected.w);
    }
}

TEST(BodiesTest, AnglesAreFoldedIntoZeroToHalfPi) {
    struct Row {
        const char* name;
        Extended actual;
        Extended expected;
    };
    const Row rows[] = {
        {"acute", WinkelGeraden(XAxis, {{0, 0, 0}, {1, 1, 0}}), Pi / 4},
        {"obtuse folds to acute", WinkelGeraden(XAxis, {{0, 0, 0}, {-1, 1, 0}}), Pi / 4},
        {"opposite directions", WinkelGeraden(XAxis, {{3, 3, 3}, {-2, 0, 0}}), 0},
        {"right angle", WinkelGeraden(XAxis, {{0, 0, 0}, {0, 0, -1}}), Pi / 2},
        {"line and plane", WinkelGeradeEbene({{0, 0, 1}, {1, 0, 1}}, PlaneZ(0)), Pi / 4},
        {"line and plane, steep", WinkelGeradeEbene({{0, 0, 1}, {-1, 0, std::sqrt(3.0L)}}, PlaneZ(0)),
         Pi / 3},
        {"planes, obtuse normals", WinkelEbenen(PlaneZ(0), {{0, 0, 0}, {0, 1, 0}, {1, 0, 1}}), Pi / 4},
        {"planes", WinkelEbenen(PlaneZ(0), {{0, 0, 0}, {0, 1, 0}, {-1, 0, 1}}), Pi / 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR_L(row.actual, row.expected, 1e-17L);
    }
    // A line perpendicular to the plane takes the exact branch.
    EXPECT_EQ(WinkelGeradeEbene({{1, 2, 3}, {0, 0, -2}}, PlaneZ(0)), 1.5707963267948966193L);
}

TEST(BodiesTest, MeasuresOfSpheresCirclesAndTriangles) {
    EXPECT_EQ(KugelVolumen({{1, 2, 3}, 2}), 8 * 4.1887902047863909845L);
    EXPECT_EQ(KugelVolumen({{0, 0, 0}, -2}), -8 * 4.1887902047863909845L);
    EXPECT_EQ(KugelOberflaeche({{0, 0, 0}, 3}), 3 * (3 * 12.566370614359172954L));
    EXPECT_EQ(Kreisflaeche({{0, 0, 0}, {0, 0, 1}, 3}), 9 * Pi);
    EXPECT_EQ(Dreiecksflaeche({{1, 1, 1}, {5, 1, 1}, {1, 4, 1}}), 6);
    EXPECT_THROW(KugelOberflaeche({{0, 0, 0}, 1e3000L}), FloatError);
}

} // namespace
} // namespace quillon
