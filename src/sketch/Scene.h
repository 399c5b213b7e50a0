#pragma once

#include "core/Globals.h"
#include "math/GVektor.h"

#include <string>
#include <vector>

// What a page asks the sketch window to draw, in the page's own coordinates and in extended
// precision: the window fits a view box around it, so a page never thinks about scale or screen.
// Labels are plain UTF-8; the page writes them in the current language where they are words.

namespace quillon {

struct SketchColour {
    unsigned char r = 0, g = 0, b = 0;
    friend bool operator==(SketchColour, SketchColour) = default;
};

enum class SketchStroke { Solid, Dashed };

struct SketchPoint {
    TVektor p{};
    SketchColour colour;
    std::string label;
};

// A segment from a to b; with `arrow` a vector, its head at b.
struct SketchSegment {
    TVektor a{}, b{};
    SketchColour colour;
    SketchStroke stroke = SketchStroke::Solid;
    bool arrow = false;
    std::string label; // at b
};

// The whole line p + t·u, as far as it runs through the view box.
struct SketchLine {
    TVektor p{}, u{};
    SketchColour colour;
    SketchStroke stroke = SketchStroke::Solid;
    std::string label;
};

// The plane through p with normal n, as far as it cuts the view box: a translucent polygon.
struct SketchPlane {
    TVektor p{}, n{};
    SketchColour colour;
    std::string label;
};

// A translucent flat polygon, for constructions such as a parallelogram.
struct SketchFace {
    std::vector<TVektor> corners;
    SketchColour colour;
};

struct SketchSphere {
    TVektor m{};
    Extended r = 0;
    SketchColour colour;
    std::string label; // at the centre
};

// The circle around m with radius r in the plane normal to n.
struct SketchCircle {
    TVektor m{}, n{};
    Extended r = 0;
    SketchColour colour;
    SketchStroke stroke = SketchStroke::Solid;
    std::string label;
};

// The arc of radius r around m from the direction `from` to the direction `to`, the short way.
struct SketchArc {
    TVektor m{}, from{}, to{};
    Extended r = 0;
    SketchColour colour;
    std::string label; // at the middle of the arc
};

// A text alone, such as the value of an angle beside its arc.
struct SketchText {
    TVektor at{};
    SketchColour colour;
    std::string text;
};

struct SketchScene {
    std::vector<SketchPoint> points;
    std::vector<SketchSegment> segments;
    std::vector<SketchLine> lines;
    std::vector<SketchPlane> planes;
    std::vector<SketchFace> faces;
    std::vector<SketchSphere> spheres;
    std::vector<SketchCircle> circles;
    std::vector<SketchArc> arcs;
    std::vector<SketchText> texts;

    // A page without a sketch gives the empty scene.
    bool Empty() const {
        return points.empty() && segments.empty() && lines.empty() && planes.empty() && faces.empty() &&
               spheres.empty() && circles.empty() && arcs.empty() && texts.empty();
    }
};

} // namespace quillon
