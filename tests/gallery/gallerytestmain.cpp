// The main of the gallery's GUI tests: one window layer (and with it the QApplication) for the
// whole run, made before the first test and destroyed after the last, while Qt is still whole.
#include "foundation/windows/windowlayer.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    zanvik::WindowLayer layer(argc, argv);
    return RUN_ALL_TESTS();
}
