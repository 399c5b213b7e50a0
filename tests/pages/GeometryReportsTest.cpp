#include "pages/GeometryReports.h"

#include "core/Globals.h"
#include "core/Options.h"
#include "text/AllText.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace quillon::test {
namespace {

// The report options as a set of flags.
enum : unsigned { Input = 1, Cut = 2, Dist = 4, Info = 8, Mirror = 16, All = 31 };

// German, five digits and a decimal comma; the language, number format and report options are
// restored after each test.
class GeometryReportsTest : public ::testing::Test {
protected:
    void SetUp() override {
        LangIndex = 0;
        Precision = 5;
        DecimalSeparator = ',';
    }
    void TearDown() override {
        LangIndex = lang_;
        Precision = precision_;
        DecimalSeparator = separator_;
        PLE_inputout = saved_[0];
        PLE_Intersection = saved_[1];
        PLE_DistanceOut = saved_[2];
        PLE_AddInfo = saved_[3];
        PLE_mirror = saved_[4];
    }
    static void Expect(const char* name, unsigned options, const std::function<GeometryReport()>& report,
                       const std::vector<std::string>& lines) {
        SCOPED_TRACE(name);
        PLE_inputout = options & Input;
        PLE_Intersection = options & Cut;
        PLE_DistanceOut = options & Dist;
        PLE_AddInfo = options & Info;
        PLE_mirror = options & Mirror;
        EXPECT_EQ(report(), lines);
    }

private:
    int lang_ = LangIndex;
    int precision_ = Precision;
    char separator_ = DecimalSeparator;
    bool saved_[5] = {PLE_inputout, PLE_Intersection, PLE_DistanceOut, PLE_AddInfo, PLE_mirror};
};

const TGerade XAxis{{0, 0, 0}, {1, 0, 0}};
TEbene PlaneZ(Extended c) {
    return {{0, 0, c}, {1, 0, 0}, {0, 1, 0}};
}
const TKugel Ball2{{0, 0, 0}, 2};

// A report with its objects, run once the row's options are set.
template <class... A>
std::function<GeometryReport()> Call(GeometryReport (*report)(A...), std::type_identity_t<A>... objects) {
    return [=] { return report(objects...); };
}

TEST_F(GeometryReportsTest, EveryLineOfTheTenReports) {
    Expect("point/point", All, Call(ReportPointPoint, {1, 2, 3}, {3, 2, 1}),
           {"P1: (1 ;2 ;3)", "P2: (3 ;2 ;1)", "Abstand: 2,8284", "Mittelpunkt: (2 ;2 ;2)",
            "Gerade durch P1 und P2: x= (1 ;2 ;3) + t * (2 ;0 ;-2)", "P1 gespiegelt an P2: P1´ = (5 ;2 ;-1)",
            "P2 gespiegelt an P1: P2´ = (-1 ;2 ;5)"});
    Expect("point/line", All, Call(ReportPointLine, {1, 2, 0}, {{0, 0, 0}, {2, 0, 0}}),
           {"P: (1 ;2 ;0)", "G: x= (0 ;0 ;0) + t * (2 ;0 ;0)", "Fußpunkt: (1 ;0 ;0)", "Lot: (0 ;-2 ;0)",
            "Lotgerade: x= (1 ;0 ;0) + t * (0 ;-2 ;0)", "Abstand: 2",
            "Fläche des Dreiecks (1 ;2 ;0),(0 ;0 ;0),(2 ;0 ;0):  2", "P gespiegelt an G: P´ = (1 ;-2 ;0)",
            "G gespiegelt an P: G´: x= (1 ;4 ;0) + t * (2 ;0 ;0)"});
    Expect("point/plane", All, Call(ReportPointPlane, {1, 1, 3}, PlaneZ(1)),
           {"P: (1 ;1 ;3)", "E: x= (0 ;0 ;1) + t * (1 ;0 ;0) + s * (0 ;1 ;0) ;bzw E: + z = 1",
            "P liegt auf der anderen Seite von E wie der Nullpunkt.", "Normalvektor: (0 ;0 ;1)",
            "Fußpunkt des Lotes: (1 ;1 ;1)", "Abstand: 2", "P gespiegelt an E: P´ = (1 ;1 ;-1)",
            "E gespiegelt an P: E´: x= (1 ;1 ;5) + t * (1 ;0 ;0) + s * (0 ;1 ;0)"});
    // Skew and not perpendicular: the mirror images turn the directions.
    Expect("line/line", All, Call(ReportLineLine, {{0, 0, 1}, {1, 1, 0}}, XAxis),
           {"G1: x= (0 ;0 ;1) + t * (1 ;1 ;0)", "G2: x= (0 ;0 ;0) + t * (1 ;0 ;0)",
            "G1 und G2 sind windschief.", "Abstand: 1",
            "Punkt auf G1 mit kürzestem Abstand zu G2: P1=(0 ;0 ;1)",
            "Punkt auf G2 mit kürzestem Abstand zu G1: P2=(0 ;0 ;0)",
            "G1 gespiegelt an G2: G1´: x= (0 ;0 ;-1) + t * (-1 ;1 ;0)",
            "G2 gespiegelt an G1: G2´: x= (0 ;0 ;2) + t * (0 ;-1 ;0)"});
    Expect("line/plane", All, Call(ReportLinePlane, {{0, 0, 2}, {1, 0, -1}}, PlaneZ(0)),
           {"G: x= (0 ;0 ;2) + t * (1 ;0 ;-1)",
            "E: x= (0 ;0 ;0) + t * (1 ;0 ;0) + s * (0 ;1 ;0) ;bzw E: + z = 0", "Schnittpunkt: (2 ;0 ;0)",
            "Schnittwinkel: 0,7854  = 45°", "G gespiegelt an E: G´: x= (2 ;0 ;0) + t * (1 ;0 ;1)",
            "E gespiegelt an G: E´: x= (2 ;0 ;0) + t * (0 ;0 ;-1) + s * (0 ;-1 ;0)"});
    Expect("plane/plane", All, Call(ReportPlanePlane, PlaneZ(0), {{0, 0, 0}, {1, 0, 1}, {0, 1, 0}}),
           {"E1: x= (0 ;0 ;0) + t * (1 ;0 ;0) + s * (0 ;1 ;0)",
            "E2: x= (0 ;0 ;0) + t * (1 ;0 ;1) + s * (0 ;1 ;0)",
            "Schnittgerade G: x= (0 ;0 ;0) + t * (0 ;1 ;0)", "Schnittwinkel: 0,7854  = 45°",
            "E1 gespiegelt an E2: E1´: x= (0 ;0 ;0) + t * (0 ;1 ;0) + s * (0 ;0 ;1)",
            "E2 gespiegelt an E1: E2´: x= (0 ;0 ;0) + t * (0 ;1 ;0) + s * (-1 ;0 ;1)"});
    Expect("point/sphere", All, Call(ReportPointSphere, {3, 4, 0}, Ball2),
           {"P: (3 ;4 ;0)", "K: m = (0 ;0 ;0); r = 2", "Kugelvolumen V: 33,51", "Kugeloberfläche O: 50,265",
            "P liegt außerhalb K.", "Abstand zwischen P und Oberfläche von K: 3",
            "Abstand zwischen P und Mittelpunkt von K: 5"});
    Expect("line/sphere", All, Call(ReportLineSphere, {{0, 1, 0}, {1, 0, 0}}, Ball2),
           {"G: x= (0 ;1 ;0) + t * (1 ;0 ;0)", "K: m = (0 ;0 ;0); r = 2", "Kugelvolumen V: 33,51",
            "Kugeloberfläche O: 50,265", "Schnittpunkte: (1,7321 ;1 ;0); (-1,7321 ;1 ;0)"});
    Expect("plane/sphere", All, Call(ReportPlaneSphere, PlaneZ(1), Ball2),
           {"E: x= (0 ;0 ;1) + t * (1 ;0 ;0) + s * (0 ;1 ;0) ;bzw E: + z = 1", "K: m = (0 ;0 ;0); r = 2",
            "Kugelvolumen V: 33,51", "Kugeloberfläche O: 50,265",
            "Schnittkreis: m = (0 ;0 ;1); r = 1,7321; n = (0 ;0 ;1)", "Schnittfläche: 9,4248",
            "Kugelabschnitt 1: Volumen V1:  5,236; Oberfläche O1:  12,566 (ohne Schnittfläche)",
            "Kugelabschnitt 2: Volumen V2:  28,274; Oberfläche O2:  37,699 (ohne Schnittfläche)"});
    Expect("sphere/sphere", All, Call(ReportSphereSphere, {{0, 0, 0}, 1}, {{1, 0, 0}, 1}),
           {"K1:  m1 =(0 ;0 ;0); R1 =1", "K2:  m2 =(1 ;0 ;0); R2 =1",
            "Kugelvolumen: V1 = 4,1888;   V2 = 4,1888", "Kugeloberflächen: O1 = 12,566;   O2 = 12,566",
            "Schnittkreis: m = (0,5 ;0 ;0); r = 0,86603; n = (1 ;0 ;0)", "Schnittfläche: 2,3562"});
}

TEST_F(GeometryReportsTest, RelationCodesOfLinesAndPlanes) {
    const unsigned o = Cut | Dist | Mirror;
    Expect("lines identical", o, Call(ReportLineLine, XAxis, {{5, 0, 0}, {-2, 0, 0}}),
           {"G1 = G2: x= (0 ;0 ;0) + t * (1 ;0 ;0)"});
    Expect("lines parallel", o, Call(ReportLineLine, XAxis, {{0, 3, 0}, {2, 0, 0}}),
           {"G1 und G2 sind parallel.", "Abstand: 3",
            "G1 gespiegelt an G2: G1´: x= (0 ;6 ;0) + t * (1 ;0 ;0)",
            "G2 gespiegelt an G1: G2´: x= (0 ;-3 ;0) + t * (2 ;0 ;0)"});
    Expect("lines at 45 degrees, not 135", o, Call(ReportLineLine, XAxis, {{0, 0, 0}, {-1, 1, 0}}),
           {"Schnittpunkt: (0 ;0 ;0)", "Schnittwinkel: 0,7854  = 45°",
            "G1 gespiegelt an G2: G1´: x= (0 ;0 ;0) + t * (0 ;-1 ;0)",
            "G2 gespiegelt an G1: G2´: x= (0 ;0 ;0) + t * (-1 ;-1 ;0)"});
    Expect("lines perpendicular", o, Call(ReportLineLine, XAxis, {{0, 1, 0}, {0, 1, 0}}),
           {"Schnittpunkt: (0 ;0 ;0)", "Schnittwinkel: 1,5708  = 90°", "G1 gespiegelt an G2: G1´= G1 ",
            "G2 gespiegelt an G1: G2´= G2 "});
    // The signed distance of these skew lines is -5.
    Expect("lines skew", Dist, Call(ReportLineLine, XAxis, {{0, 1, 5}, {0, -1, 0}}),
           {"Abstand: 5", "Punkt auf G1 mit kürzestem Abstand zu G2: P1=(0 ;0 ;0)",
            "Punkt auf G2 mit kürzestem Abstand zu G1: P2=(0 ;0 ;5)"});
    Expect("line in the plane", o, Call(ReportLinePlane, {{1, 1, 0}, {1, 2, 0}}, PlaneZ(0)),
           {"G liegt auf E."});
    Expect("line parallel to the plane", o, Call(ReportLinePlane, {{0, 0, 2}, {1, 1, 0}}, PlaneZ(0)),
           {"G und E sind parallel.", "Abstand: 2", "G gespiegelt an E: G´: x= (0 ;0 ;-2) + t * (1 ;1 ;0)",
            "E gespiegelt an G: E´: x= (0 ;0 ;4) + t * (1 ;0 ;0) + s * (0 ;1 ;0)"});
    Expect("line perpendicular to the plane", o, Call(ReportLinePlane, {{1, 1, 5}, {0, 0, 2}}, PlaneZ(0)),
           {"Schnittpunkt: (1 ;1 ;0)", "Schnittwinkel: 1,5708  = 90°", "G gespiegelt an E: G´ = G.",
            "E gespiegelt an G: E´ = E."});
    Expect("planes identical", o, Call(ReportPlanePlane, PlaneZ(0), {{1, 1, 0}, {1, 1, 0}, {2, -1, 0}}),
           {"E1 = E2"});
    // The distance of e1 from e2 is -3.
    Expect("planes parallel", o, Call(ReportPlanePlane, PlaneZ(0), PlaneZ(3)),
           {"E1 und E2 sind parallel.", "Abstand: 3",
            "E1 gespiegelt an E2: E1´: x= (0 ;0 ;6) + t * (1 ;0 ;0) + s * (0 ;1 ;0)",
            "E2 gespiegelt an E1: E2´: x= (0 ;0 ;-3) + t * (1 ;0 ;0) + s * (0 ;1 ;0)"});
    Expect("planes perpendicular", o, Call(ReportPlanePlane, PlaneZ(0), {{0, 0, 0}, {0, 1, 0}, {0, 0, 1}}),
           {"Schnittgerade G: x= (0 ;0 ;0) + t * (0 ;1 ;0)", "Schnittwinkel: 1,5708  = 90°",
            "E1 gespiegelt an E2: E1´ = E1", "E2 gespiegelt an E1: E2´ = E2"});
}

TEST_F(GeometryReportsTest, RelationCodesOfSpheres) {
    const char* apart = "K1 und K2 schneiden sich nicht.";
    Expect("point on the sphere", Cut | Dist, Call(ReportPointSphere, {2, 0, 0}, Ball2),
           {"P liegt auf Kugelrand.", "Abstand zwischen P und Oberfläche von K: 0",
            "Abstand zwischen P und Mittelpunkt von K: 2"});
    Expect("point inside", Cut | Dist, Call(ReportPointSphere, {1, 0, 0}, Ball2),
           {"P liegt innerhalb K.", "Abstand zwischen P und Oberfläche von K: 1",
            "Abstand zwischen P und Mittelpunkt von K: 1"});
    Expect("point is the centre", Cut, Call(ReportPointSphere, {0, 0, 0}, Ball2),
           {"P ist Mittelpunkt von K."});
    Expect("point at two radii", Cut, Call(ReportPointSphere, {4, 0, 0}, Ball2), {"P liegt außerhalb K."});
    Expect("point beyond two radii", Cut, Call(ReportPointSphere, {7, 0, 0}, Ball2),
           {"P liegt außerhalb K."});
    Expect("tangent line", Cut, Call(ReportLineSphere, {{0, 2, 0}, {1, 0, 0}}, Ball2),
           {"G und K berühren sich bei: (0 ;2 ;0)"});
    Expect("line through the centre", Cut, Call(ReportLineSphere, {{5, 0, 0}, {1, 0, 0}}, Ball2),
           {"G geht durch Mittelpunkt von K."});
    Expect("line apart", Cut, Call(ReportLineSphere, {{0, 3, 0}, {1, 0, 0}}, Ball2),
           {"G und K schneiden sich nicht.", "Nächster Punkt auf G: (0 ;3 ;0)",
            "Nächster Punkt auf K: (0 ;2 ;0)"});
    Expect("plane apart", Cut, Call(ReportPlaneSphere, PlaneZ(3), Ball2), {"E und K schneiden sich nicht."});
    Expect("plane tangent", Cut, Call(ReportPlaneSphere, PlaneZ(-2), Ball2),
           {"E und K berühren sich bei: (0 ;0 ;-2)"});
    Expect("plane through the centre", Cut | Info, Call(ReportPlaneSphere, PlaneZ(0), Ball2),
           {"Kugelvolumen V: 33,51", "Kugeloberfläche O: 50,265", "E schneidet K in zwei Hälften."});
    Expect("circle without segments", Cut, Call(ReportPlaneSphere, PlaneZ(1), Ball2),
           {"Schnittkreis: m = (0 ;0 ;1); r = 1,7321; n = (0 ;0 ;1)"});
    Expect("equal spheres", Cut, Call(ReportSphereSphere, {{1, 2, 3}, 2}, {{1, 2, 3}, 2}), {"K1 = K2"});
    Expect("concentric, first smaller", Cut, Call(ReportSphereSphere, {{0, 0, 0}, 1}, Ball2),
           {"K1 liegt zentrisch innerhalb K2."});
    Expect("concentric, first larger", Cut, Call(ReportSphereSphere, Ball2, {{0, 0, 0}, 1}),
           {"K2 liegt zentrisch innerhalb K1."});
    Expect("spheres apart", Cut, Call(ReportSphereSphere, {{0, 0, 0}, 1}, {{5, 0, 0}, 1}), {apart});
    Expect("touching from outside", Cut, Call(ReportSphereSphere, {{0, 0, 0}, 1}, {{2, 0, 0}, 1}),
           {"K1 und K2 berühren sich bei: (1 ;0 ;0)"});
    Expect("first inside", Cut, Call(ReportSphereSphere, {{0, 0, 0}, 1}, {{0.5L, 0, 0}, 3}),
           {"K1 liegt innerhalb K2."});
    Expect("second inside", Cut, Call(ReportSphereSphere, {{0, 0, 0}, 3}, {{0.5L, 0, 0}, 1}),
           {"K2 liegt innerhalb K1."});
    Expect("first touching inside", Cut, Call(ReportSphereSphere, {{1, 0, 0}, 1}, Ball2),
           {"K1 berührt K2 von innen bei: (2 ;0 ;0)"});
    Expect("second touching inside", Cut, Call(ReportSphereSphere, Ball2, {{0, 0, 1}, 1}),
           {"K2 berührt K1 von innen bei: (0 ;0 ;2)"});
    // A touching point at the origin is no reason to call the spheres apart or nested.
    Expect("touching outside at the origin", Cut, Call(ReportSphereSphere, {{-1, 0, 0}, 1}, {{1, 0, 0}, 1}),
           {"K1 und K2 berühren sich bei: (0 ;0 ;0)"});
    Expect("touching inside at the origin", Cut,
           Call(ReportSphereSphere, {{-0.5L, 0, 0}, 0.5L}, {{-1, 0, 0}, 1}),
           {"K1 berührt K2 von innen bei: (0 ;0 ;0)"});
    // Centre distances that rounding puts a hair inside the tangency: a touching point, not silence.
    Expect("rounded touching outside", Cut,
           Call(ReportSphereSphere, {{0, 0, 0}, 0.8L}, {{0.4L, 0.4L, 0.7L}, 0.1L}),
           {"K1 und K2 berühren sich bei: (0,35556 ;0,35556 ;0,62222)"});
    Expect("rounded touching inside", Cut,
           Call(ReportSphereSphere, {{0, 0, 0}, 0.7L}, {{0.02L, 0.03L, 0.06L}, 0.77L}),
           {"K1 berührt K2 von innen bei: (-0,2 ;-0,3 ;-0,6)"});
}

TEST_F(GeometryReportsTest, OptionsDecideTheLines) {
    const auto onPlane = Call(ReportPointPlane, {5, 6, 1}, PlaneZ(1));
    const auto onLine = Call(ReportPointLine, {1, 0, 0}, XAxis);
    const auto skew = Call(ReportLineLine, {{0, 0, 1}, {1, 1, 0}}, XAxis);
    // The plane z = 1 with v × w pointing down: the side follows the origin, not the sign alone.
    const TEbene flipped{{0, 0, 1}, {0, 1, 0}, {1, 0, 0}};
    Expect("equal points, everything on", All, Call(ReportPointPoint, {1, 2, 3}, {1, 2, 3}),
           {"P1: (1 ;2 ;3)", "P2: (1 ;2 ;3)", "P1 = P2"});
    Expect("equal points, everything off", 0, Call(ReportPointPoint, {1, 2, 3}, {1, 2, 3}), {"P1 = P2"});
    Expect("distance alone", Dist, Call(ReportPointPoint, {0, 0, 0}, {3, 4, 0}), {"Abstand: 5"});
    Expect(
        "point on the plane", Cut | Input, onPlane,
        {"P: (5 ;6 ;1)", "E: x= (0 ;0 ;1) + t * (1 ;0 ;0) + s * (0 ;1 ;0) ;bzw E: + z = 1", "P liegt auf E"});
    Expect("point on the plane, no intersection", All & ~Cut & ~Input, onPlane, {});
    Expect("point on the line", All & ~Input, onLine, {"P liegt auf G."});
    Expect("point on the line, no intersection", All & ~Cut & ~Input, onLine,
           {"Fußpunkt: (1 ;0 ;0)", "Lot: (0 ;0 ;0)", "Lotgerade: x= (1 ;0 ;0) + t * (0 ;0 ;0)", "Abstand: 0",
            "Fläche des Dreiecks (1 ;0 ;0),(0 ;0 ;0),(1 ;0 ;0):  0", "P gespiegelt an G: P´ = (1 ;0 ;0)",
            "G gespiegelt an P: G´: x= (1 ;0 ;0) + t * (1 ;0 ;0)"});
    Expect("skew, no distances", Cut, skew, {"G1 und G2 sind windschief."});
    Expect("skew, no intersection", Dist, skew,
           {"Abstand: 1", "Punkt auf G1 mit kürzestem Abstand zu G2: P1=(0 ;0 ;1)",
            "Punkt auf G2 mit kürzestem Abstand zu G1: P2=(0 ;0 ;0)"});
    Expect("side away from the origin, flipped plane", Info | Dist,
           Call(ReportPointPlane, {1, 1, 3}, flipped),
           {"P liegt auf der anderen Seite von E wie der Nullpunkt.", "Normalvektor: (0 ;0 ;-1)",
            "Fußpunkt des Lotes: (1 ;1 ;1)", "Abstand: 2"});
    Expect("side of the origin, flipped plane", Info, Call(ReportPointPlane, {1, 1, 0.5L}, flipped),
           {"P liegt auf der gleichen Seite von E wie der Nullpunkt.", "Normalvektor: (0 ;0 ;-1)",
            "Fußpunkt des Lotes: (1 ;1 ;1)"});
    Expect("no side for a plane through the origin", Info, Call(ReportPointPlane, {1, 1, 3}, PlaneZ(0)),
           {"Normalvektor: (0 ;0 ;1)", "Fußpunkt des Lotes: (1 ;1 ;0)"});
    Expect("no measures without additional information", Input | Cut,
           Call(ReportLineSphere, {{0, 0, 0}, {0, 1, 0}}, Ball2),
           {"G: x= (0 ;0 ;0) + t * (0 ;1 ;0)", "K: m = (0 ;0 ;0); r = 2", "G geht durch Mittelpunkt von K."});
    Expect("spheres, inputs only", Input | Info | Dist | Mirror,
           Call(ReportSphereSphere, {{0, 0, 0}, 1}, {{0, 0, 5}, 1}),
           {"K1:  m1 =(0 ;0 ;0); R1 =1", "K2:  m2 =(0 ;0 ;5); R2 =1",
            "Kugelvolumen: V1 = 4,1888;   V2 = 4,1888", "Kugeloberflächen: O1 = 12,566;   O2 = 12,566"});
}

TEST_F(GeometryReportsTest, EnglishTexts) {
    LangIndex = 1000;
    Expect("equal spheres", All, Call(ReportSphereSphere, {{0, 0, 0}, 1}, {{0, 0, 0}, 1}),
           {"K1:  m1 =(0 ;0 ;0); R1 =1", "K2:  m2 =(0 ;0 ;0); R2 =1",
            "Volumes of spheres: V1 = 4,1888;   V2 = 4,1888",
            "Surface areas of spheres: A1 = 12,566;   A2 = 12,566", "S1 = S2"});
    Expect("line through the centre", Input | Cut, Call(ReportLineSphere, {{0, 0, 0}, {0, 1, 0}}, Ball2),
           {"G: x= (0 ;0 ;0) + t * (0 ;1 ;0)", "S: m = (0 ;0 ;0); r = 2", "G goes through the center of S."});
    Expect("point and plane", Input | Mirror, Call(ReportPointPlane, {1, 1, 3}, PlaneZ(1)),
           {"P: (1 ;1 ;3)", "E: x= (0 ;0 ;1) + t * (1 ;0 ;0) + s * (0 ;1 ;0) or E: + z = 1",
            "Normal vector: (0 ;0 ;1)", "Foot point of the perpendicular: (1 ;1 ;1)",
            "P reflected at E: P´ = (1 ;1 ;-1)",
            "E reflected at P: E´: x= (1 ;1 ;5) + t * (1 ;0 ;0) + s * (0 ;1 ;0)"});
}

} // namespace
} // namespace quillon::test
