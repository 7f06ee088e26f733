// The main of the share window's GUI tests: one window layer (and with it the QApplication) for
// the whole run, made before the first test and destroyed after the last.
#include "foundation/windows/windowlayer.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    zanvik::WindowLayer layer(argc, argv);
    return RUN_ALL_TESTS();
}
