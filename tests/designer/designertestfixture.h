#pragma once

#include <gtest/gtest.h>

#include <QWidget>

#include <string_view>

#include "designer/designerwindow.h"
#include "foundation/values/gbkcodec.h"
#include "foundation/windows/windowlayer.h"

namespace zanvik::testing {

// The one window layer of a test program (it makes the QApplication); tests run offscreen.
inline WindowLayer& windowLayer() {
    static int argc = 1;
    static char name[] = "zanvik-designer-test";
    static char* argv[] = {name, nullptr};
    static WindowLayer layer(argc, argv);
    return layer;
}

// Opens a fresh designer window for each test and closes it afterwards.
class DesignerTest : public ::testing::Test {
protected:
    void SetUp() override {
        windowLayer();
        ASSERT_TRUE(loadWindow(designerWindowDefinition(), Modality::Modeless));
        window = openWindow(designerWindowDefinition());
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        if (openWindow(designerWindowDefinition()) != nullptr) {
            window->close();
        }
        processPendingEvents();
    }

    QWidget* widget(std::string_view name) const { return window->control(name).widget(); }
    // A control's text as UTF-8.
    std::string text(std::string_view name) const {
        return utf8FromGbk(window->control(name).text());
    }
    void showPageOf(std::int32_t page) const {
        window->control("高级选择夹1").setCurrentPage(page);
        processPendingEvents();
    }

    Window* window = nullptr;
};

} // namespace zanvik::testing
