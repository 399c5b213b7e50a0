#pragma once

#include "math/Bodies.h"
#include "math/GVektor.h"

#include <string>
#include <vector>

// The ten reports of the point-line-plane page: one per pair of object classes, each returning the lines
// it appends to the memo, in the current language and with the user's number format. The report options
// (PLE_inputout, PLE_Intersection, PLE_DistanceOut, PLE_AddInfo, PLE_mirror in core/Options.h) are read
// as they stand; the memo clearing and the separator line belong to the page. A report never fails on
// degenerate objects; only a floating-point overflow propagates.

namespace quillon {

using GeometryReport = std::vector<std::string>;

GeometryReport ReportPointPoint(TVektor p1, TVektor p2);
GeometryReport ReportPointLine(TVektor p, TGerade g);
// The plane in parametric form.
GeometryReport ReportPointPlane(TVektor p, TEbene e);
GeometryReport ReportLineLine(TGerade g1, TGerade g2);
GeometryReport ReportLinePlane(TGerade g, TEbene e);
GeometryReport ReportPlanePlane(TEbene e1, TEbene e2);
GeometryReport ReportPointSphere(TVektor p, TKugel k);
GeometryReport ReportLineSphere(TGerade g, TKugel k);
GeometryReport ReportPlaneSphere(TEbene e, TKugel k);
GeometryReport ReportSphereSphere(TKugel k1, TKugel k2);

// Whether the spheres touch, for a result c of SchnittKugelKugel(k1, k2) without a circle whose marker
// c.n is that of spheres apart (0, 0, 0) or one inside the other ((-1, 0, 0), (0, -1, 0)).
bool SpheresTouch(TKugel k1, TKugel k2, TKreis c);

} // namespace quillon
