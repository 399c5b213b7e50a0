#pragma once

#include "sketch/Projection.h"

#include <QColor>
#include <QSizeF>

class QPainter;

// Painting a sketch frame with QPainter, the same on the screen, into a picture file and on the
// clipboard.

namespace quillon {

inline constexpr QColor SketchBackground{255, 255, 255};

// Paints the frame (built for `size`) over a white background.
void PaintSketchFrame(QPainter& painter, const SketchFrame& frame, const QSizeF& size);

// The model turned and projected for the size and painted: one frame.
void PaintSketch(QPainter& painter, const SketchModel& model, const SketchView& view, const QSizeF& size);

} // namespace quillon
