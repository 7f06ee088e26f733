#pragma once

#include "designer/designerwindow.h"
#include "foundation/values/gbkcodec.h"
#include "foundation/windows/windowlayer.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <string_view>

namespace zanvik::testing {

// Opens a fresh designer window for each test and closes it afterwards. The test program's main
// (designertestmain.cpp) makes the window layer; tests run offscreen.
class DesignerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(loadWindow(designerWindowDefinition(), Modality::Modeless));
        window = openWindow(designerWindowDefinition());
        ASSERT_NE(window, nullptr);
        window->widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window->widget()));
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
