// Main of the benchmarks that need the Qt application object (pictures, widgets), on the offscreen
// platform.
#include <benchmark/benchmark.h>

#include "platform/interface/qt/eventos.h"

#include <QApplication>

#include <cstdlib>
#include <optional>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::optional<QApplication> app;
    plataforma::CriaNoLaçoDoQt([&] { app.emplace(argc, argv); });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
