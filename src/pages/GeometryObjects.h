#pragma once

#include "math/Bodies.h"
#include "math/GVektor.h"
#include "pages/GeometryReports.h"

#include <array>
#include <string>
#include <vector>

// The objects of the point-line-plane page apart from their widgets: which input form a kind uses,
// how the two objects share the line and plane forms, and what a calculation makes of the inputs
// (validation, degrading, the one report for the pair).

namespace quillon {

// The items of the kind combo boxes.
enum GeometryKind { KindPoint = 0, KindLine = 1, KindPlane = 2, KindSphere = 3 };

// Kind codes, as the settings file stores them: the kind together with its input form.
enum GeometryCode {
    CodePoint = 0,
    CodeLineParam = 1,     // point a, direction b
    CodeLinePoints = 2,    // points a and b
    CodePlaneParam = 3,    // point a, directions b and c
    CodePlanePoints = 4,   // points a, b and c
    CodePlaneNormal = 5,   // unit normal and distance, shown only
    CodePlaneEquation = 6, // a·x + b·y + c·z = d
    CodeSphere = 7
};
inline constexpr int CodeCount = 8;

int KindOfCode(int code);
bool IsPlaneCode(int code);

// The forms and codes that follow from the two kinds. The plane form rules while a plane is shown,
// else the line form while a line is; a parametric or point form is then taken over by the other
// form too, so that lines and planes stay in the same form.
struct FormArrangement {
    int lineForm = 0;  // 0 parametric, 1 point form
    int planeForm = 0; // 0 parametric, 1 point form, 2 normal form, 3 coordinate form
    std::array<int, 2> codes{};
    bool showLineForms = false;
    bool showPlaneForms = false;
};
FormArrangement ArrangeForms(std::array<int, 2> kinds, int lineForm, int planeForm);

// The values of one object as the page holds them, whatever its form: a line as point a and direction
// b, a plane both as a + t·b + s·c and as n·x = d, a sphere as centre a and radius r.
struct GeometryInput {
    TVektor a{}, b{}, c{};
    TVektor n{};
    Extended d = 0;
    Extended r = 0;
};

// Classes of validated objects; a degenerate object is degraded to the next simpler class.
enum GeometryClass {
    ClassPoint = 0,
    ClassLineAB = 1, // the line a + t·b
    ClassLineAC = 2, // the line a + t·c
    ClassPlane = 3,
    ClassSphere = 4
};

struct GeometryBody {
    int cls = ClassPoint;
    TVektor point{};
    TGerade line{};
    TEbene plane{};
    TKugel sphere{};
};

// Object `number` (1 or 2) of kind code `code` as it takes part in the calculation. Where it is not
// what its kind says, the reason (in the current language) is appended to messages.
GeometryBody ValidateObject(int code, int number, const GeometryInput& input,
                            std::vector<std::string>& messages);

// Point 0, line 1, plane 2, sphere 3 for a body class: the order in which the reports name their objects.
int ClassRank(int cls);

// The one report for the pair: a mixed pair is reported from the view of the kind named first in
// point, line, plane, sphere, whichever object it is.
GeometryReport ReportFor(const GeometryBody& object1, const GeometryBody& object2);

} // namespace quillon
