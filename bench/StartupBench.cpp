// What start-up costs the program itself: the main window with its six pages built from a settings
// file and shown, once per iteration, offscreen. The whole-process time to the mapped window, against an
// empty Qt window, is measured outside (see the README); this is the part our code decides.

#include "app/MainForm.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BuildAndShowMainWindow(benchmark::State& state) {
    QTemporaryDir folder;
    const QString settings = folder.filePath(QStringLiteral("Quillon.ini"));
    for (auto _ : state) {
        // Each start reads the file a first start left behind, as a user's second start does.
        QFile file(settings);
        if (file.open(QIODevice::WriteOnly)) file.write("[Main]\nFirstStart=0\n");
        file.close();
        quillon::TCalcForm window(settings);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
        state.PauseTiming();
        window.close();
        state.ResumeTiming();
    }
}

BENCHMARK(BuildAndShowMainWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
