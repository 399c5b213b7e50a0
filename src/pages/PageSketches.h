#pragma once

#include "math/GVektor.h"
#include "pages/GeometryObjects.h"
#include "sketch/Scene.h"

// The scenes of the vector, point-line-plane and coordinate pages, built with the same functions the
// pages compute with, so that the sketch shows what the fields and the report say.

namespace quillon {

// The inputs of vector operation `operation` (the page's tool button number) with scalar k, and with
// `withResult` the result and the construction of the operation.
SketchScene VectorSketch(int operation, TVektor a, TVektor b, TVektor c, Extended k, bool withResult);

// Both objects in their colours and, as the report options stand, what the report of the pair finds.
SketchScene GeometrySketch(const GeometryBody& object1, const GeometryBody& object2);

// The point with its spherical (theta after `convention`, 0 from the z axis, 1 from the xy plane) and
// cylindrical construction; the labels give the angles in degrees or radians as the page shows them.
SketchScene CoordinateSketch(TVektor point, int convention, bool degrees);

} // namespace quillon
