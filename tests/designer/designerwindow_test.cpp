#include "tests/designer/designertestfixture.h"

#include <QFontInfo>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zanvik {
namespace {

using testing::DesignerTest;

struct CaptionBinding {
    std::string_view edit;
    std::string_view caption;
    std::int32_t page;
    std::string initialText; // UTF-8
};

const CaptionBinding bindings[] = {
    {"a3", "a1", 0, "孩子 你需要治疗"},      {"a4", "a2", 0, "Don't give up cure"},
    {"b2", "b1", 1, "谁给你的勇气？"},       {"C2", "C1", 2, "我读书多我不骗你"},
    {"d2", "d1", 3, "放肆 谁让你发图了"},    {"e2", "e1", 4, "天天拍桌子 吃屎了你"},
    {"F2", "F1", 5, "你敢再说一百次试试？"},
};

TEST_F(DesignerTest, WindowIsTheFixedDesignerWithItsTitleAndClientArea) {
    QWidget* top = window->widget();
    EXPECT_EQ(top->windowTitle(), QString("设计区"));
    EXPECT_EQ(top->size(), QSize(532, 421));
    EXPECT_FALSE(top->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(top->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(widget("高级选择夹1")->geometry(), QRect(0, 0, 568, 440));
}

TEST_F(DesignerTest, ControlsSitAtTheirPlacesInTheirContainers) {
    const struct {
        std::string_view name;
        std::string_view container;
        QRect place;
    } rows[] = {
        {"a", "高级选择夹1", {168, 48, 184, 200}},  {"a1", "高级选择夹1", {152, 184, 224, 72}},
        {"a2", "高级选择夹1", {152, 216, 224, 56}}, {"a3", "分组框1", {80, 24, 184, 24}},
        {"a4", "分组框1", {80, 56, 184, 24}},       {"a5", "分组框1", {16, 96, 360, 24}},
        {"按钮1", "分组框1", {384, 96, 88, 24}},    {"分组框1", "高级选择夹1", {8, 272, 512, 136}},
        {"b", "高级选择夹1", {168, 32, 184, 232}},  {"b1", "高级选择夹1", {144, 208, 224, 48}},
        {"C", "高级选择夹1", {112, 56, 304, 182}},  {"C1", "高级选择夹1", {216, 96, 224, 48}},
        {"d", "高级选择夹1", {160, 29, 200, 235}},  {"d1", "高级选择夹1", {152, 40, 224, 48}},
        {"D3", "分组框4", {16, 96, 360, 24}},       {"e", "高级选择夹1", {12, 40, 512, 216}},
        {"e1", "高级选择夹1", {160, 72, 224, 48}},  {"F", "高级选择夹1", {120, 56, 284, 168}},
        {"F1", "高级选择夹1", {212, 61, 224, 48}},  {"F2", "分组框6", {80, 24, 184, 24}},
        {"按钮6", "分组框6", {384, 96, 88, 24}},    {"分组框6", "高级选择夹1", {8, 272, 512, 136}},
    };
    for (const auto& row : rows) {
        const QWidget* control = widget(row.name);
        const QPoint place = control->mapTo(widget(row.container), QPoint(0, 0));
        EXPECT_EQ(QRect(place, control->size()), row.place) << row.name;
    }
}

TEST_F(DesignerTest, OpensOnPageAWithInitialTextsAndEmptyPathBoxes) {
    EXPECT_EQ(window->control("高级选择夹1").currentPage(), 0);
    EXPECT_TRUE(widget("a")->isVisible());
    EXPECT_TRUE(widget("a1")->isVisible());
    EXPECT_FALSE(widget("b")->isVisible());
    for (const auto& b : bindings) {
        EXPECT_EQ(text(b.edit), b.initialText) << b.edit;
        EXPECT_EQ(text(b.caption), b.initialText) << b.caption;
    }
    for (const std::string_view pathBox : {"a5", "b3", "C3", "D3", "e3", "F3"}) {
        EXPECT_EQ(text(pathBox), "") << pathBox;
        const auto* edit = qobject_cast<QLineEdit*>(widget(pathBox));
        ASSERT_NE(edit, nullptr) << pathBox;
        EXPECT_TRUE(edit->isReadOnly()) << pathBox;
    }
    for (const std::string_view button : {"按钮1", "按钮2", "按钮3", "按钮4", "按钮5", "按钮6"}) {
        EXPECT_EQ(text(button), "复制图片") << button;
    }
}

TEST_F(DesignerTest, CaptionsUseABoldCjkFaceSixteenPixelsHigh) {
    for (const auto& b : bindings) {
        const QFontInfo font(widget(b.caption)->font());
        EXPECT_EQ(font.family(), QString("WenQuanYi Micro Hei")) << b.caption;
        EXPECT_EQ(font.pixelSize(), 16) << b.caption;
        EXPECT_TRUE(font.bold()) << b.caption;
    }
}

TEST_F(DesignerTest, ClickingATabTitleShowsOnlyThatPage) {
    auto* tabs = widget("高级选择夹1")->findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 7);
    EXPECT_EQ(tabs->tabText(6), QString("G"));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    EXPECT_EQ(window->control("高级选择夹1").currentPage(), 2);
    EXPECT_TRUE(widget("C")->isVisible());
    EXPECT_TRUE(widget("C1")->isVisible());
    EXPECT_FALSE(widget("a")->isVisible());
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(6).center());
    for (const std::string_view name : {"a", "b", "C", "d", "e", "F", "a1", "F1", "分组框1"}) {
        EXPECT_FALSE(widget(name)->isVisible()) << "page G is empty, yet " << name << " shows";
    }
}

TEST_F(DesignerTest, EachEditBoxDrivesOnlyItsCaption) {
    for (const auto& b : bindings) {
        showPageOf(b.page);
        auto* edit = qobject_cast<QLineEdit*>(widget(b.edit));
        ASSERT_NE(edit, nullptr) << b.edit;
        edit->setFocus();
        edit->end(false);
        QTest::keyClicks(edit, "!x");
        EXPECT_EQ(text(b.caption), b.initialText + "!x") << b.caption;
        edit->insert(QString("猫")); // as a paste does
        EXPECT_EQ(text(b.caption), b.initialText + "!x猫") << b.caption;
        for (const auto& other : bindings) {
            if (other.caption != b.caption) {
                EXPECT_EQ(text(other.caption), other.initialText)
                    << "typing in " << b.edit << " changed " << other.caption;
            }
        }
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        EXPECT_EQ(text(b.caption), "") << b.caption;
        edit->setText(QString::fromStdString(b.initialText));
        EXPECT_EQ(text(b.caption), b.initialText) << b.caption;
    }
}

// Presses the left button on the control at `grip`, moves the pointer by each step while the
// button stays down, and releases it at the last place, as a user drags. The layer runs the
// press handler, and with it the move loop, after Qt has finished with the press (QTest lets it
// run before mousePress returns); the pointer moves once that loop runs (a deeper event loop
// level), or after a bounded number of tries, so that a missing loop fails the test instead of
// hanging it.
void drag(QWidget* control, QPoint grip, const std::vector<QPoint>& steps) {
    QWindow* window = control->window()->windowHandle();
    const QPoint press = control->mapTo(control->window(), grip);
    const int baseLevel = QThread::currentThread()->loopLevel();
    QTimer poll;
    int tries = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QThread::currentThread()->loopLevel() <= baseLevel && ++tries < 500) {
            return;
        }
        poll.stop();
        QPoint at = press;
        for (const QPoint step : steps) {
            at += step;
            QTest::mouseMove(window, at);
        }
        QTest::mouseRelease(window, Qt::LeftButton, {}, at);
    });
    poll.start(1);
    QTest::mousePress(window, Qt::LeftButton, {}, press); // Qt handles pending events in here
    while (poll.isActive()) {
        processPendingEvents();
    }
}

TEST_F(DesignerTest, CaptionsAreDraggedIndependentlyAnywhereInTheTabControl) {
    const struct {
        std::string_view caption;
        std::string_view other;
        std::vector<QPoint> steps;
        QPoint expectedPlace;
    } cases[] = {
        {"a1", "a2", {{-30, 5}, {-70, 25}}, {52, 214}},
        {"a2", "a1", {{200, -100}}, {352, 116}},
        {"a1", "a2", {{0, 120}}, {152, 304}}, // over the group box, off the picture
    };
    for (const auto& c : cases) {
        const QPoint otherPlace = widget(c.other)->pos();
        drag(widget(c.caption), {30, 10}, c.steps);
        EXPECT_EQ(widget(c.caption)->pos(), c.expectedPlace) << c.caption;
        EXPECT_EQ(widget(c.other)->pos(), otherPlace) << c.other << " moved along";
        widget(c.caption)->move(c.caption == "a1" ? QPoint(152, 184) : QPoint(152, 216));
    }
}

TEST_F(DesignerTest, ReopeningBringsBackTheInitialTextsAndPlaces) {
    window->control("a3").setText("changed");
    widget("a1")->move(10, 10);
    window->close();
    processPendingEvents();
    ASSERT_EQ(openWindow(designerWindowDefinition()), nullptr);
    ASSERT_TRUE(loadWindow(designerWindowDefinition(), Modality::Modeless));
    window = openWindow(designerWindowDefinition());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(text("a3"), "孩子 你需要治疗");
    EXPECT_EQ(text("a1"), "孩子 你需要治疗");
    EXPECT_EQ(widget("a1")->pos(), QPoint(152, 184));
}

TEST_F(DesignerTest, TabWalksTheEditBoxesAndTheButtonOfThePage) {
    widget("a3")->setFocus();
    const std::string_view order[] = {"a4", "a5", "按钮1"};
    for (const std::string_view next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), widget(next)) << next;
    }
}

} // namespace
} // namespace zanvik
