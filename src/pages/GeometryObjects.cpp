#include "pages/GeometryObjects.h"

#include "text/AllText.h"

#include <utility>

namespace quillon {
namespace {

bool IsZero(TVektor v) {
    return VEqual(v, NullVektor);
}

} // namespace

int ClassRank(int cls) {
    switch (cls) {
    case ClassPoint:
        return 0;
    case ClassLineAB:
    case ClassLineAC:
        return 1;
    case ClassPlane:
        return 2;
    default:
        return 3;
    }
}

int KindOfCode(int code) {
    if (code == CodePoint) return KindPoint;
    if (code <= CodeLinePoints) return KindLine;
    if (code <= CodePlaneEquation) return KindPlane;
    return KindSphere;
}

bool IsPlaneCode(int code) {
    return code >= CodePlaneParam && code <= CodePlaneEquation;
}

FormArrangement ArrangeForms(std::array<int, 2> kinds, int lineForm, int planeForm) {
    FormArrangement f;
    f.lineForm = lineForm;
    f.planeForm = planeForm;
    const bool plane = kinds[0] == KindPlane || kinds[1] == KindPlane;
    const bool line = kinds[0] == KindLine || kinds[1] == KindLine;
    const int shared = plane ? planeForm : line ? lineForm : 0;
    if (shared == 0 || shared == 1) f.lineForm = f.planeForm = shared;
    // The codes follow the forms as they are now, so that an object never shows a form the radio
    // groups do not.
    for (std::size_t i = 0; i < 2; ++i) {
        switch (kinds[i]) {
        case KindLine:
            f.codes[i] = CodeLineParam + f.lineForm;
            break;
        case KindPlane:
            f.codes[i] = CodePlaneParam + f.planeForm;
            break;
        case KindSphere:
            f.codes[i] = CodeSphere;
            break;
        default:
            f.codes[i] = CodePoint;
            break;
        }
    }
    f.showPlaneForms = plane;
    f.showLineForms = !plane && line;
    return f;
}

GeometryBody ValidateObject(int code, int number, const GeometryInput& in,
                            std::vector<std::string>& messages) {
    const std::string n = std::to_string(number);
    const auto notALine = [&](const std::string& reason) {
        messages.push_back("G" + n + Text(598) + reason);
    };
    const auto notAPlane = [&](const std::string& reason) {
        messages.push_back("E" + n + Text(605) + reason);
    };

    int cls = ClassPoint;
    switch (code) {
    case CodePoint:
        break;
    case CodeLineParam:
        if (IsZero(in.b))
            notALine("b" + n + "=0 !");
        else
            cls = ClassLineAB;
        break;
    case CodeLinePoints:
        if (IsZero(in.b))
            notALine("a" + n + " = b" + n + "!");
        else
            cls = ClassLineAB;
        break;
    case CodePlaneParam:
        if (IsZero(in.b) && IsZero(in.c)) {
            notAPlane("b" + n + " = c" + n + " = 0 !");
        } else if (IsZero(in.b)) {
            notAPlane("b" + n + " = 0 !");
            cls = ClassLineAC;
        } else if (IsZero(in.c)) {
            notAPlane("c" + n + " = 0 !");
            cls = ClassLineAB;
        } else if (VEqual(in.b, in.c)) {
            notAPlane("b" + n + " = c" + n + "!");
            cls = ClassLineAB;
        } else {
            cls = ClassPlane;
        }
        break;
    case CodePlanePoints:
        // b and c hold the directions from a, so equal points show as zero or equal directions.
        if (IsZero(in.b) && IsZero(in.c)) {
            notAPlane("a" + n + " = b" + n + " = c" + n + "!");
        } else if (IsZero(in.b)) {
            notAPlane("a" + n + " = b" + n + "!");
            cls = ClassLineAC;
        } else if (VEqual(in.b, in.c)) {
            notAPlane("b" + n + " = c" + n + "!");
            cls = ClassLineAB;
        } else if (IsZero(in.c)) {
            notAPlane("a" + n + " = c" + n + "!");
            cls = ClassLineAB;
        } else {
            cls = ClassPlane;
        }
        break;
    case CodePlaneNormal:
    case CodePlaneEquation:
        if (IsZero(in.n))
            notAPlane("a" + n + " = b" + n + " = c" + n + " = 0 !");
        else
            cls = ClassPlane;
        break;
    default:
        if (in.r == 0)
            messages.push_back("K" + n + Text(599) + n + " = 0 !");
        else
            cls = ClassSphere;
        break;
    }

    GeometryBody body;
    body.cls = cls;
    body.point = in.a;
    body.line = TGerade{in.a, cls == ClassLineAC ? in.c : in.b};
    body.plane = TEbene{in.a, in.b, in.c};
    body.sphere = TKugel{in.a, in.r};
    return body;
}

GeometryReport ReportFor(const GeometryBody& object1, const GeometryBody& object2) {
    const GeometryBody* first = &object1;
    const GeometryBody* second = &object2;
    if (ClassRank(first->cls) > ClassRank(second->cls)) std::swap(first, second);
    const GeometryBody& x = *first;
    const GeometryBody& y = *second;
    switch (ClassRank(x.cls) * 4 + ClassRank(y.cls)) {
    case 0:
        return ReportPointPoint(x.point, y.point);
    case 1:
        return ReportPointLine(x.point, y.line);
    case 2:
        return ReportPointPlane(x.point, y.plane);
    case 3:
        return ReportPointSphere(x.point, y.sphere);
    case 5:
        return ReportLineLine(x.line, y.line);
    case 6:
        return ReportLinePlane(x.line, y.plane);
    case 7:
        return ReportLineSphere(x.line, y.sphere);
    case 10:
        return ReportPlanePlane(x.plane, y.plane);
    case 11:
        return ReportPlaneSphere(x.plane, y.sphere);
    default:
        return ReportSphereSphere(x.sphere, y.sphere);
    }
}

} // namespace quillon
