#include "app/SketchPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <vector>

namespace quillon {
namespace {

QColor Colour(SketchColour c, int alpha = 255) {
    return QColor(c.r, c.g, c.b, alpha);
}

QPointF Point(P2 p) {
    return {p.x, p.y};
}

// Spheres are translucent, so that what lies inside and behind them (centres, the circle of two
// spheres) stays visible; the light comes from the upper left.
void PaintDisc(QPainter& painter, QPointF centre, double radius, SketchColour c) {
    if (!(radius > 0.25)) {
        painter.setPen(QPen(Colour(c), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPoint(centre);
        return;
    }
    QRadialGradient shade(centre, radius, centre - QPointF(radius, radius) * 0.4);
    const QColor base = Colour(c);
    QColor light = base.lighter(175);
    QColor dark = base.darker(135);
    light.setAlpha(110);
    dark.setAlpha(150);
    shade.setColorAt(0, light);
    shade.setColorAt(1, dark);
    painter.setPen(QPen(base.darker(120), 1));
    painter.setBrush(shade);
    painter.drawEllipse(centre, radius, radius);
}

} // namespace

void PaintSketchFrame(QPainter& painter, const SketchFrame& frame, const QSizeF& size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(QRectF(QPointF(0, 0), size), SketchBackground);

    QPolygonF polygon;
    for (const SketchFrame::Item& item : frame.items) {
        const P2* points = frame.points.data() + item.first;
        switch (item.kind) {
        case SketchFrame::Kind::Line: {
            QPen pen(Colour(item.colour, item.alpha), item.size, item.dashed ? Qt::DashLine : Qt::SolidLine,
                     Qt::RoundCap);
            painter.setPen(pen);
            painter.drawLine(Point(points[0]), Point(points[1]));
            break;
        }
        case SketchFrame::Kind::Polygon:
            polygon.clear();
            for (int i = 0; i < item.count; ++i)
                polygon << Point(points[i]);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Colour(item.colour, item.alpha));
            painter.drawPolygon(polygon);
            break;
        case SketchFrame::Kind::Disc:
            PaintDisc(painter, Point(points[0]), item.size, item.colour);
            break;
        case SketchFrame::Kind::Dot:
            painter.setPen(QPen(Qt::white, 1));
            painter.setBrush(Colour(item.colour));
            painter.drawEllipse(Point(points[0]), item.size, item.size);
            break;
        }
    }

    // Labels first, each moved up or down by a line where it would cover one already placed; a tick's
    // number that would cover a label is left out.
    const QFontMetricsF metrics(painter.font(), painter.device());
    std::vector<QRectF> placed;
    placed.reserve(frame.texts.size());
    const auto free = [&placed](const QRectF& r) {
        return std::none_of(placed.begin(), placed.end(), [&r](const QRectF& p) { return p.intersects(r); });
    };
    for (bool ticks : {false, true}) {
        for (const SketchFrame::Text& text : frame.texts) {
            if (text.centred != ticks) continue;
            const QString words = QString::fromStdString(text.text);
            const qreal width = metrics.horizontalAdvance(words);
            QPointF at = Point(text.at);
            if (text.centred) at -= QPointF(width / 2, -metrics.ascent() / 2 + 1);
            const QRectF box(at.x(), at.y() - metrics.ascent(), width, metrics.height());
            bool shown = false;
            for (qreal shift : {0.0, 1.0, -1.0, 2.0, -2.0}) {
                const QRectF moved = box.translated(0, shift * metrics.height());
                if (!free(moved)) continue;
                at.ry() += shift * metrics.height();
                placed.push_back(moved);
                shown = true;
                break;
            }
            if (!shown && ticks) continue;
            if (!shown) placed.push_back(box);
            painter.setPen(Colour(text.colour));
            painter.drawText(at, words);
        }
    }
    painter.restore();
}

void PaintSketch(QPainter& painter, const SketchModel& model, const SketchView& view, const QSizeF& size) {
    PaintSketchFrame(painter, BuildFrame(model, view, size.width(), size.height()), size);
}

} // namespace quillon
