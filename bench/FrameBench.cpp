// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Cost of one frame of the cylinder view after a motion step: restoring the background under the
// old places, copying every particle's sprite to its new one and painting what changed, for the
// start-up world and the fullest one, on an unscaled screen and composed at 2 device pixels per
// logical pixel.
#include "CylinderView.h"
#include "ParticleEngine.h"
#include "RandomSource.h"

#include <QApplication>
#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

using vozavero::CylinderView;
using vozavero::EngineCopy;
using vozavero::ParticleEngine;
using vozavero::UniformRandom;

/// Arguments: particle count, width of the gas space in pixels, device pixels per logical pixel
/// (1 or 2); the view is painted too.
void drawFrame(benchmark::State& state) {
    const auto count = static_cast<double>(state.range(0));
    const int width = static_cast<int>(state.range(1));
    const auto ratio = static_cast<double>(state.range(2));
    UniformRandom random;
    ParticleEngine engine(random);
    engine.buildDirectionTables();
    engine.initialise(false, EngineCopy{count, 2.0, static_cast<float>(width)}, width, 151, 1,
                      36000.0);
    QImage background(529, 154, QImage::Format_RGB32);
    background.fill(QColor(226, 231, 237));
    QImage ball(8, 8, QImage::Format_RGB32);
    ball.fill(Qt::blue);
    vozavero::ScaledPicture fineBackground(background);
    vozavero::ScaledPicture fineBall(ball);
    QImage background2 = background.scaled(1058, 308);
    background2.setDevicePixelRatio(2.0);
    QImage ball2 = ball.scaled(16, 16);
    ball2.setDevicePixelRatio(2.0);
    fineBackground.addVariant(background2);
    fineBall.addVariant(ball2);
    CylinderView view(fineBackground, {fineBall, fineBall, fineBall, fineBall});
    view.resize(width, 151);
    view.setPixelRatio(ratio);
    view.show();
    // Two worlds a step apart, drawn by turns: every frame moves every particle.
    ParticleEngine stepped = engine;
    stepped.advanceParticles();
    bool odd = false;
    for (auto _ : state) {
        view.drawParticles(odd ? stepped : engine);
        odd = !odd;
        QCoreApplication::sendPostedEvents();
    }
}

BENCHMARK(drawFrame)
    ->ArgNames({"particles", "width", "ratio"})
    ->Args({5, 250, 1})
    ->Args({50, 500, 1})
    ->Args({5, 250, 2})
    ->Args({50, 500, 2});

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
