// Shared main of the widget tests: one application object on the offscreen platform, diagnostics
// silenced.
#include "platform/interface/qt/eventos.h"
#include "support/diagnosticos.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>
#include <optional>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::optional<QApplication> app;
    plataforma::CriaNoLaçoDoQt([&] { app.emplace(argc, argv); });
    DiagnosticosSilenciados::Instala();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
