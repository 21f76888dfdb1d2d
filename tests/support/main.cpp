// Shared main of the tests that need no Qt: diagnostics silenced.
#include "support/diagnosticos.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    DiagnosticosSilenciados::Instala();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
