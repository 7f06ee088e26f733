// Mouse rules of the window layer: the release goes to the control under the pointer, press
// events carry place and modifiers, and the move loop of a transparent label.
#include "foundation/windows/layerstate.h"
#include "windowtesting.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zanvik {
namespace {

using testing::later;
using testing::layer;

struct Seen {
    std::string what;
    MouseEvent event;
};
std::vector<Seen> seen;

MouseHandler remember(const char* what) {
    return [what](Window&, const MouseEvent& event) { seen.push_back({what, event}); };
}

void dragCaption(Window& window, const MouseEvent&) {
    seen.push_back({"drag start", {}});
    sendControlMessage(window.control("caption"), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    seen.push_back({"drag end", {}});
}

const WindowDefinition& mouseWindow() {
    static const WindowDefinition definition{
        .caption = "mouse",
        .outerSize = {406, 328}, // client 400 × 300
        .controls = {
            {.kind = ControlKind::PictureBox,
             .name = "a",
             .place = {10, 10, 100, 100},
             .leftButtonDown = remember("down a"),
             .leftButtonUp = remember("up a")},
            {.kind = ControlKind::PictureBox,
             .name = "b",
             .place = {150, 10, 100, 100},
             .leftButtonDown = remember("down b"),
             .leftButtonUp = remember("up b")},
            {.kind = ControlKind::PictureBox,
             .name = "c",
             .place = {270, 10, 100, 100},
             .disabled = true,
             .leftButtonUp = remember("up c")},
            {.kind = ControlKind::GroupBox, .name = "box", .place = {10, 150, 300, 140}},
            {.kind = ControlKind::TransparentLabel,
             .name = "caption",
             .parent = "box",
             .place = {20, 30, 80, 24},
             .text = "拖我",
             .leftButtonDown = dragCaption},
        }};
    return definition;
}

const WindowDefinition& modalWindow() {
    static const WindowDefinition definition{.caption = "modal", .outerSize = {200, 150}};
    return definition;
}

void openModalOnce(Window&, const MouseEvent&) {
    seen.push_back({"down opener", {}});
    if (seen.size() == 1) {
        loadWindow(modalWindow(), Modality::Modal);
    }
}

const WindowDefinition& openerWindow() {
    static const WindowDefinition definition{.caption = "opener",
                                             .outerSize = {406, 328},
                                             .controls = {
                                                 {.kind = ControlKind::PictureBox,
                                                  .name = "opener",
                                                  .place = {10, 10, 100, 100},
                                                  .leftButtonDown = openModalOnce},
                                                 {.kind = ControlKind::PictureBox,
                                                  .name = "b",
                                                  .place = {150, 10, 100, 100},
                                                  .leftButtonDown = remember("down b"),
                                                  .leftButtonUp = remember("up b")},
                                             }};
    return definition;
}

TEST(MouseAfterModal, APressThatOpenedAModalWindowLeavesNoGrabBehind) {
    testing::layer();
    seen.clear();
    ASSERT_TRUE(loadWindow(openerWindow(), Modality::Modeless));
    Window& window = testing::openedWindow(openerWindow());
    QWidget* opener = window.control("opener").widget();
    QWidget* b = window.control("b").widget();
    testing::afterLoopStarts([opener] {
        testing::releaseLeft(opener); // reaches a disabled window
        testing::openedWindow(modalWindow()).close();
    });
    testing::pressLeft(opener);
    processPendingEvents();
    ASSERT_EQ(openWindow(modalWindow()), nullptr);
    testing::pressLeft(b);
    testing::releaseLeft(b);
    processPendingEvents();
    std::vector<std::string> names;
    for (const Seen& one : seen) {
        names.push_back(one.what);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"down opener", "down b", "up b"}));
    window.close();
    processPendingEvents();
}

class Mouse : public ::testing::Test {
protected:
    void SetUp() override {
        layer();
        seen.clear();
        ASSERT_TRUE(loadWindow(mouseWindow(), Modality::Modeless));
        window_ = &testing::openedWindow(mouseWindow());
    }
    void TearDown() override {
        window_->close();
        processPendingEvents();
    }
    QWidget* widget(const char* name) const { return window_->control(name).widget(); }
    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const Seen& one : seen) {
            result.push_back(one.what);
        }
        return result;
    }
    Window* window_ = nullptr;
};

struct ReleaseCase {
    const char* name;
    const char* pressOn; // control name, or null for the window's own background
    const char* releaseOn;
    std::vector<std::string> expected;
};

class ReleaseGoesUnderThePointer : public Mouse,
                                   public ::testing::WithParamInterface<ReleaseCase> {};

TEST_P(ReleaseGoesUnderThePointer, WhereverThePressWas) {
    const ReleaseCase& row = GetParam();
    QWidget* pressed = row.pressOn ? widget(row.pressOn) : window_->widget();
    QWidget* released = row.releaseOn ? widget(row.releaseOn) : window_->widget();
    const QPoint pressAt = row.pressOn ? QPoint(5, 5) : QPoint(390, 120);
    const QPoint releaseAt = row.releaseOn ? QPoint(7, 9) : QPoint(390, 120);
    testing::pressLeft(pressed, pressAt);
    testing::moveMouse(released, releaseAt, true);
    testing::releaseLeft(released, releaseAt);
    processPendingEvents();
    EXPECT_EQ(names(), row.expected);
    if (!seen.empty() && seen.back().what.rfind("up", 0) == 0) {
        EXPECT_EQ(seen.back().event.x, 7);
        EXPECT_EQ(seen.back().event.y, 9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReleaseGoesUnderThePointer,
    ::testing::Values(ReleaseCase{"SameControl", "a", "a", {"down a", "up a"}},
                      ReleaseCase{"AnotherControl", "a", "b", {"down a", "up b"}},
                      ReleaseCase{"OutsideEveryControl", "a", nullptr, {"down a"}},
                      ReleaseCase{"FromTheBackground", nullptr, "b", {"up b"}},
                      ReleaseCase{"OntoADisabledControl", "a", "c", {"down a"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Mouse, APressCarriesItsPlaceAndTheModifierKeys) {
    QWidget* a = widget("a");
    QPoint inWindow = a->mapTo(window_->widget(), QPoint(12, 34));
    QTest::mousePress(window_->widget()->windowHandle(), Qt::LeftButton,
                      Qt::ControlModifier | Qt::AltModifier, inWindow);
    QTest::mouseRelease(window_->widget()->windowHandle(), Qt::LeftButton,
                        Qt::ControlModifier | Qt::AltModifier, inWindow);
    processPendingEvents();
    ASSERT_EQ(names(), (std::vector<std::string>{"down a", "up a"}));
    EXPECT_EQ(seen[0].event.x, 12);
    EXPECT_EQ(seen[0].event.y, 34);
    EXPECT_EQ(seen[0].event.modifiers, MouseEvent::ctrl + MouseEvent::alt);
}

// Presses on the caption, then (from inside the move loop) moves the pointer by each step and
// releases it or presses Esc. Gives the caption's place afterwards.
QPoint dragBy(Window& window, std::vector<QPoint> steps, bool escape) {
    QWidget* box = window.control("box").widget();
    const QPoint start = window.control("caption").widget()->pos() + QPoint(10, 10);
    // Scheduled first: the press may already run its handler, and with it the move loop,
    // before pressLeft returns.
    testing::afterLoopStarts([box, start, steps, escape] {
        QPoint at = start;
        for (QPoint step : steps) {
            at += step;
            testing::moveMouse(box, at, true);
        }
        if (escape) {
            QTest::keyClick(box->window(), Qt::Key_Escape);
        }
        testing::releaseLeft(box, at);
    });
    testing::pressLeft(box, start);
    processPendingEvents(); // runs the press handler (and the loop) if it has not run yet
    return window.control("caption").widget()->pos();
}

TEST_F(Mouse, ADraggedCaptionFollowsThePointerAndStaysWhereDropped) {
    EXPECT_EQ(dragBy(*window_, {{5, 3}, {40, 20}, {-15, 7}}, false), QPoint(20 + 30, 30 + 30));
    EXPECT_EQ(names(), (std::vector<std::string>{"drag start", "drag end"}));
    processPendingEvents();
    EXPECT_EQ(widget("caption")->pos(), QPoint(50, 60));
    // A second drag starts from where the first one left it.
    EXPECT_EQ(dragBy(*window_, {{-10, -10}}, false), QPoint(40, 50));
}

TEST_F(Mouse, ThePointerIsHeldInsideTheParentWhileDragging) {
    // The pointer starts 10 pixels into the caption at (30, 40) of the box, whose last pixel
    // is (299, 139): the caption can move by at most (269, 99).
    EXPECT_EQ(dragBy(*window_, {{500, 500}}, false), QPoint(20 + 269, 30 + 99));
    EXPECT_EQ(dragBy(*window_, {{-1000, -1000}}, false), QPoint(20 + 269 - 299, 30 + 99 - 139));
}

TEST_F(Mouse, EscDuringADragPutsTheCaptionBack) {
    EXPECT_EQ(dragBy(*window_, {{40, 20}}, true), QPoint(20, 30));
}

TEST_F(Mouse, TheMoveLoopReturnsAtOnceWhenTheButtonIsNotDown) {
    EXPECT_EQ(sendControlMessage(window_->control("caption"), WM_NCLBUTTONDOWN, HTCAPTION, 0), 0);
    EXPECT_EQ(widget("caption")->pos(), QPoint(20, 30));
    // A message the layer does not know, or the move message to another kind, does nothing.
    EXPECT_EQ(sendControlMessage(window_->control("a"), WM_NCLBUTTONDOWN, HTCAPTION, 0), 0);
    EXPECT_EQ(sendControlMessage(window_->control("caption"), 0x0201, 0, 0), 0);
    EXPECT_EQ(widget("a")->pos(), QPoint(10, 10));
}

} // namespace
} // namespace zanvik
