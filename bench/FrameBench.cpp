// Cost of one frame of the cylinder view: clearing to the background and copying every particle's
// sprite, then painting the frame, for the start-up world and the fullest one.
#include "CylinderView.h"
#include "ParticleEngine.h"
#include "RandomSource.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using vozavero::CylinderView;
using vozavero::EngineCopy;
using vozavero::ParticleEngine;
using vozavero::UniformRandom;

/// Arguments: particle count, width of the gas space in pixels; the view is painted too.
void drawFrame(benchmark::State& state) {
    const auto count = static_cast<double>(state.range(0));
    const int width = static_cast<int>(state.range(1));
    UniformRandom random;
    ParticleEngine engine(random);
    engine.buildDirectionTables();
    engine.initialise(false, EngineCopy{count, 2.0, static_cast<float>(width)}, width, 151, 1,
                      36000.0);
    QImage background(529, 154, QImage::Format_RGB32);
    background.fill(QColor(226, 231, 237));
    QImage ball(8, 8, QImage::Format_RGB32);
    ball.fill(Qt::blue);
    CylinderView view(background, {ball, ball, ball, ball});
    view.resize(width, 151);
    view.show();
    for (auto _ : state) {
        view.drawParticles(engine);
        view.repaint();
    }
}

BENCHMARK(drawFrame)->ArgNames({"particles", "width"})->Args({5, 250})->Args({50, 500});

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
