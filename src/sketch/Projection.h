#pragma once

#include "sketch/Clipping.h"
#include "sketch/Scene.h"

#include <string>
#include <vector>

// From a scene to what one frame paints: the scene is cut to its box and sampled once (BuildModel),
// and every frame only turns, projects and orders it (BuildFrame). The projection is orthographic, so a
// sphere stays a disc and parallel lines stay parallel; z points up on the screen.

namespace quillon {

// Turned by yaw about the vertical z axis and tilted by tilt towards the viewer (radians); zoom 1 fits
// the box into the picture.
struct SketchView {
    static constexpr double DefaultYaw = 0.6981317007977318;  // 40°
    static constexpr double DefaultTilt = 0.4363323129985824; // 25°
    double yaw = DefaultYaw;
    double tilt = DefaultTilt;
    double zoom = 1;
};

// A screen point in pixels, y downwards.
struct P2 {
    double x = 0, y = 0;
};

class Projector {
public:
    Projector(const SketchView& view, double width, double height);
    P2 Screen(P3 p) const;
    // Larger is nearer to the viewer.
    double Depth(P3 p) const;
    // Pixels per box unit.
    double Scale() const { return scale_; }

private:
    P3 right_, up_, towards_;
    double scale_, cx_, cy_;
};

// The scene in box units, with its axes.
struct SketchModel {
    struct Stroke {
        std::vector<P3> points;
        SketchColour colour;
        SketchStroke stroke = SketchStroke::Solid;
        bool closed = false;
        bool arrow = false; // a head at the last point
        double width = 1.5;
    };
    struct Face {
        std::vector<P3> corners;
        SketchColour colour;
    };
    struct Ball {
        P3 m;
        double r = 0;
        SketchColour colour;
    };
    struct Dot {
        P3 p;
        SketchColour colour;
    };
    struct Label {
        P3 p;
        std::string text;
        SketchColour colour;
    };
    // A tick of axis 0, 1 or 2 with its number.
    struct Tick {
        P3 p;
        int axis = 0;
        std::string text;
    };

    SketchBox box;
    std::vector<Stroke> strokes;
    std::vector<Face> faces;
    std::vector<Ball> balls;
    std::vector<Dot> dots;
    std::vector<Label> labels;
    std::vector<Tick> ticks;
    // Where the axes cross, in box units: the origin, moved onto the box where it lies outside.
    P3 axesCross;
};

inline constexpr SketchColour AxisColour{90, 90, 90};

// The scene fitted, cut and sampled, with axes x, y, z and ticks at round numbers.
SketchModel BuildModel(const SketchScene& scene);

// What one frame paints, in pixels: the items from the farthest to the nearest, then the texts.
struct SketchFrame {
    enum class Kind { Line, Polygon, Disc, Dot };
    struct Item {
        Kind kind = Kind::Line;
        double depth = 0;
        int first = 0, count = 0; // in points; a disc and a dot have their centre there
        SketchColour colour;
        int alpha = 255;
        bool dashed = false;
        double size = 0; // line width, or the radius of a disc or dot
    };
    struct Text {
        P2 at; // the left end of the base line, or the centre of the text where centred
        std::string text;
        SketchColour colour;
        bool centred = false;
    };
    std::vector<P2> points;
    std::vector<Item> items;
    std::vector<Text> texts;
};

SketchFrame BuildFrame(const SketchModel& model, const SketchView& view, double width, double height);

} // namespace quillon
