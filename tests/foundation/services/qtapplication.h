#pragma once

#include <QApplication>

namespace zanvik::testing {

// The one QApplication of a test program, made on first use (tests run with
// QT_QPA_PLATFORM=offscreen) and kept until the program ends.
inline QApplication& qtApplication() {
    static int argc = 1;
    static char name[] = "zanvik-test";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}

} // namespace zanvik::testing
