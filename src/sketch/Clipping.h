#pragma once

#include "sketch/Scene.h"

#include <vector>

// The view box of a sketch and what is cut to it. The box is a cube, so that every axis has the same
// scale and right angles and spheres look what they are. Inside the box everything is in box units,
// the cube [-1, 1]³ in doubles: the page's extended coordinates may be far beyond what a double or a
// screen can hold, but their positions within the box are not.

namespace quillon {

// The cube centre ± half on every axis, in the scene's coordinates.
struct SketchBox {
    TVektor centre{};
    Extended half = 1;
};

// A point or direction in box units.
struct P3 {
    double x = 0, y = 0, z = 0;
};

// The cube around every bounded thing of the scene (points, segment ends, spheres, circles, arcs, the
// anchors of lines and planes), with a margin; the origin is taken in when it lies near, so that the
// axes cross inside the picture. Values that are not finite are left out; a scene of one point gets a
// box of its distance from the origin, or of 1 at the origin.
SketchBox FitBox(const SketchScene& scene);

// The point in box units; false when it is not finite.
bool ToBox(const SketchBox& box, TVektor p, P3& out);
// The direction as a unit vector; false for a zero or non-finite direction.
bool UnitDirection(TVektor u, P3& out);

// The part of the line p + t·u (u a unit vector) inside the box, from a to b. False when the line misses
// the box or only touches an edge or corner.
bool ClipLine(P3 p, P3 u, P3& a, P3& b);
// The polygon in which the plane through p with unit normal n cuts the box, its corners in order around
// it. Empty when the plane misses the box or only touches an edge or corner; a plane on a face gives
// that face.
std::vector<P3> ClipPlane(P3 p, P3 n);

// `count` points of the circle around m with radius r in the plane with unit normal n.
std::vector<P3> SampleCircle(P3 m, P3 n, double r, int count);
// `count` points from the direction `from` to the direction `to` (both units, not opposite), radius r.
std::vector<P3> SampleArc(P3 m, P3 from, P3 to, double r, int count);

// A step of 1, 2 or 5 times a power of ten that cuts span into about count parts.
Extended RoundStep(Extended span, int count);

} // namespace quillon
