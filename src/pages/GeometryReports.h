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

using ReportLines = std::vector<std::string>;

ReportLines ReportPointPoint(TVektor p1, TVektor p2);
ReportLines ReportPointLine(TVektor p, TGerade g);
// The plane in parametric form.
ReportLines ReportPointPlane(TVektor p, TEbene e);
ReportLines ReportLineLine(TGerade g1, TGerade g2);
ReportLines ReportLinePlane(TGerade g, TEbene e);
ReportLines ReportPlanePlane(TEbene e1, TEbene e2);
ReportLines ReportPointSphere(TVektor p, TKugel k);
ReportLines ReportLineSphere(TGerade g, TKugel k);
ReportLines ReportPlaneSphere(TEbene e, TKugel k);
ReportLines ReportSphereSphere(TKugel k1, TKugel k2);

} // namespace quillon
