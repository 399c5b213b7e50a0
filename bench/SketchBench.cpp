// How long one frame of the sketch window takes while the user drags: the largest scene the pages
// make (two intersecting spheres, their circle, both centres, the axes), turned, projected, ordered and
// painted into an image of the window's canvas size.

#include "app/SketchPainter.h"
#include "pages/PageSketches.h"
#include "sketch/Projection.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

using namespace quillon;

SketchModel LargestModel() {
    GeometryBody first, second;
    first.cls = second.cls = ClassSphere;
    first.sphere = {{0, 0, 0}, 2};
    second.sphere = {{2.5L, 0, 0}, 1.5L};
    return BuildModel(GeometrySketch(first, second));
}

void PaintFrame(benchmark::State& state) {
    const SketchModel model = LargestModel();
    const QSize size(548, 418);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    SketchView view;
    for (auto _ : state) {
        // Each frame a little further round, as while dragging.
        view.yaw += 0.01;
        QPainter painter(&image);
        PaintSketch(painter, model, view, size);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BuildFrameOnly(benchmark::State& state) {
    const SketchModel model = LargestModel();
    SketchView view;
    for (auto _ : state) {
        view.yaw += 0.01;
        SketchFrame frame = BuildFrame(model, view, 548, 418);
        benchmark::DoNotOptimize(frame.items.data());
    }
}

BENCHMARK(PaintFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BuildFrameOnly)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // Painting text needs the fonts of a GUI application, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
