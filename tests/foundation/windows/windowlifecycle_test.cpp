// Opening, closing, modal windows, pending events and handles of the window layer.
#include "foundation/values/gbkcodec.h"
#include "foundation/windows/controlhandle.h"
#include "foundation/windows/layerstate.h"
#include "windowtesting.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zanvik {
namespace {

using testing::later;
using testing::layer;

std::vector<std::string> events;

void record(const char* what) {
    events.emplace_back(what);
}

const WindowDefinition& plainWindow() {
    static const WindowDefinition definition{
        .caption = "plain",
        .outerSize = {469, 302},
        .created =
            [](Window& window) {
                record(window.widget()->isVisible() ? "created-visible" : "created-hidden");
            },
        .willBeDestroyed = [](Window&) { record("willBeDestroyed"); },
        .controls =
            {
                {.kind = ControlKind::Label,
                 .name = "label",
                 .place = {8, 8, 100, 24},
                 .text = "初始"},
                {.kind = ControlKind::EditBox,
                 .name = "edit",
                 .place = {8, 40, 100, 24},
                 .tabStop = true,
                 .text = "编辑"},
                {.kind = ControlKind::Button,
                 .name = "button",
                 .place = {8, 72, 80, 24},
                 .tabStop = true,
                 .text = "按钮(&B)",
                 .clicked = [](Window&) { record("clicked"); }},
                {.kind = ControlKind::EditBox,
                 .name = "notab",
                 .place = {8, 104, 100, 24},
                 .tabStop = false},
                {.kind = ControlKind::Button,
                 .name = "second",
                 .place = {120, 72, 80, 24},
                 .tabStop = true,
                 .text = "二"},
                {.kind = ControlKind::ListBox,
                 .name = "list",
                 .place = {220, 8, 120, 100},
                 .items = {"一", "二"}},
            }};
    return definition;
}

const WindowDefinition& otherWindow() {
    static const WindowDefinition definition{.caption = "other", .outerSize = {200, 150}};
    return definition;
}

const WindowDefinition& modalWindow() {
    static const WindowDefinition definition{.caption = "modal", .outerSize = {300, 200}};
    return definition;
}

const WindowDefinition& noEscWindow() {
    static const WindowDefinition definition{
        .caption = "no esc", .outerSize = {200, 150}, .escCloses = false};
    return definition;
}

class WindowLifecycle : public ::testing::Test {
protected:
    void SetUp() override {
        layer();
        events.clear();
    }
    void TearDown() override {
        auto& open = layer().state().windows();
        while (!open.empty()) {
            open.back()->close();
            processPendingEvents();
        }
    }
    static Window& open(const WindowDefinition& definition) {
        EXPECT_TRUE(loadWindow(definition, Modality::Modeless));
        return testing::openedWindow(definition);
    }
};

TEST_F(WindowLifecycle, ClientAreaIsOuterLessFrameAndOuterRectangleIsCentred) {
    Window& window = open(plainWindow());
    QWidget* widget = window.widget();
    EXPECT_EQ(widget->size(), QSize(469 - 6, 302 - 28));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint outerTopLeft((screen.width() - 469) / 2, (screen.height() - 302) / 2);
    EXPECT_EQ(widget->geometry().topLeft(), outerTopLeft + QPoint(3, 25));
    EXPECT_EQ(window.control("button").widget()->geometry(), QRect(8, 72, 80, 24));
}

TEST_F(WindowLifecycle, CreatedRunsOnceBeforeTheWindowIsShown) {
    Window& window = open(plainWindow());
    EXPECT_TRUE(window.widget()->isVisible());
    EXPECT_EQ(events, std::vector<std::string>{"created-hidden"});
}

struct ClosingWay {
    const char* name;
    void (*close)(Window&);
};

class ClosingWays : public WindowLifecycle, public ::testing::WithParamInterface<ClosingWay> {};

TEST_P(ClosingWays, DestroyTheWindowAndRaiseWillBeDestroyedOnce) {
    Window& window = open(plainWindow());
    QPointer<QWidget> widget = window.widget();
    GetParam().close(window);
    processPendingEvents();
    EXPECT_EQ(openWindow(plainWindow()), nullptr);
    EXPECT_TRUE(widget.isNull());
    EXPECT_EQ(events, (std::vector<std::string>{"created-hidden", "willBeDestroyed"}));
}

INSTANTIATE_TEST_SUITE_P(
    AllWays, ClosingWays,
    ::testing::Values(
        ClosingWay{"CloseButton", [](Window& window) { window.widget()->close(); }},
        ClosingWay{"EscThroughTheWindowSystem",
                   [](Window& window) {
                       QTest::keyClick(window.widget()->windowHandle(), Qt::Key_Escape);
                   }},
        ClosingWay{"EscOnTheWindow",
                   [](Window& window) { QTest::keyClick(window.widget(), Qt::Key_Escape); }},
        ClosingWay{"EscInAnEditBox",
                   [](Window& window) {
                       QTest::keyClick(window.control("edit").widget(), Qt::Key_Escape);
                   }},
        ClosingWay{"EscOnAButton",
                   [](Window& window) {
                       QTest::keyClick(window.control("button").widget(), Qt::Key_Escape);
                   }},
        ClosingWay{"EscInAListBox",
                   [](Window& window) {
                       QTest::keyClick(window.control("list").widget(), Qt::Key_Escape);
                   }},
        ClosingWay{"CloseCall", [](Window& window) { window.close(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowLifecycle, EscLeavesAWindowOpenWhenItsEscSettingIsOff) {
    Window& window = open(noEscWindow());
    QTest::keyClick(window.widget(), Qt::Key_Escape);
    processPendingEvents();
    EXPECT_EQ(openWindow(noEscWindow()), &window);
}

TEST_F(WindowLifecycle, ReopeningShowsTheInitialTextsAndPlaces) {
    Window& first = open(plainWindow());
    first.control("label").setText("改过");
    first.control("label").widget()->move(200, 150);
    QTest::keyClicks(first.control("edit").widget(), "xyz");
    first.close();
    processPendingEvents();

    Window& second = open(plainWindow());
    EXPECT_EQ(second.control("label").text(), gbkFromUtf8("初始"));
    EXPECT_EQ(second.control("label").widget()->pos(), QPoint(8, 8));
    EXPECT_EQ(second.control("edit").text(), gbkFromUtf8("编辑"));
}

TEST_F(WindowLifecycle, CaptionWritesShowAtOnceEmptyIncluded) {
    Window& window = open(plainWindow());
    window.setCaption(gbkFromUtf8("正在请求"));
    EXPECT_EQ(window.widget()->windowTitle(), QString::fromUtf8("正在请求"));
    EXPECT_EQ(window.caption(), gbkFromUtf8("正在请求"));
    window.setCaption(Text());
    EXPECT_EQ(window.widget()->windowTitle(), QString());
}

TEST_F(WindowLifecycle, ProcessPendingEventsRunsWhatWaitsAndReturnsOnAnEmptyQueue) {
    processPendingEvents(); // nothing waits: returns at once
    bool ran = false;
    QMetaObject::invokeMethod(
        qApp, [&ran] { ran = true; }, Qt::QueuedConnection);
    EXPECT_FALSE(ran);
    processPendingEvents();
    EXPECT_TRUE(ran);
    processPendingEvents();
}

struct ModalCase {
    const char* name;
    bool plainDisabledBefore;
    bool otherDisabledBefore;
};

class ModalWindows : public WindowLifecycle, public ::testing::WithParamInterface<ModalCase> {};

TEST_P(ModalWindows, DisableEveryOtherWindowAndRestoreEachOnesEarlierState) {
    Window& plain = open(plainWindow());
    Window& other = open(otherWindow());
    plain.setDisabled(GetParam().plainDisabledBefore);
    other.setDisabled(GetParam().otherDisabledBefore);
    bool checkedInside = false;
    later([&] {
        Window& modal = testing::openedWindow(modalWindow());
        EXPECT_TRUE(plain.disabled());
        EXPECT_TRUE(other.disabled());
        EXPECT_FALSE(modal.disabled());
        // The disabled windows keep their look: their controls are not greyed.
        EXPECT_TRUE(plain.control("button").widget()->isEnabled());
        // A click on a disabled window brings the modal window forward.
        QApplication::setActiveWindow(plain.widget());
        testing::pressLeft(plain.widget(), QPoint(300, 200));
        testing::releaseLeft(plain.widget(), QPoint(300, 200));
        EXPECT_TRUE(QTest::qWaitFor(
            [&modal] { return QApplication::activeWindow() == modal.widget(); }, 2000));
        checkedInside = true;
        modal.close();
    });
    EXPECT_TRUE(loadWindow(modalWindow(), Modality::Modal));
    EXPECT_TRUE(checkedInside);
    EXPECT_EQ(openWindow(modalWindow()), nullptr); // returned only once it was destroyed
    EXPECT_EQ(plain.disabled(), GetParam().plainDisabledBefore);
    EXPECT_EQ(other.disabled(), GetParam().otherDisabledBefore);
}

INSTANTIATE_TEST_SUITE_P(EarlierStates, ModalWindows,
                         ::testing::Values(ModalCase{"BothEnabled", false, false},
                                           ModalCase{"OneDisabledBefore", true, false},
                                           ModalCase{"BothDisabledBefore", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowLifecycle, ADisabledWindowTakesNoInputButKeepsItsLook) {
    Window& window = open(plainWindow());
    QWidget* button = window.control("button").widget();
    window.setDisabled(true);
    testing::pressLeft(button);
    testing::releaseLeft(button);
    QTest::keyClick(window.widget(), Qt::Key_Escape);
    window.widget()->close();
    processPendingEvents();
    EXPECT_EQ(openWindow(plainWindow()), &window);
    EXPECT_EQ(events, std::vector<std::string>{"created-hidden"});
    EXPECT_TRUE(button->isEnabled());

    window.setDisabled(false);
    testing::pressLeft(button);
    testing::releaseLeft(button);
    processPendingEvents();
    EXPECT_EQ(events, (std::vector<std::string>{"created-hidden", "clicked"}));
}

TEST_F(WindowLifecycle, TabWalksTheTabStopsInTableOrder) {
    Window& window = open(plainWindow());
    QApplication::setActiveWindow(window.widget());
    QWidget* edit = window.control("edit").widget();
    edit->setFocus();
    const std::vector<const char*> expected{"button", "second", "edit", "button"};
    for (const char* name : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), window.control(name).widget()) << name;
    }
}

TEST_F(WindowLifecycle, AltLetterOfAButtonClicksIt) {
    Window& window = open(plainWindow());
    QApplication::setActiveWindow(window.widget());
    window.control("edit").widget()->setFocus();
    QTest::keyClick(window.control("edit").widget(), Qt::Key_B, Qt::AltModifier);
    // A button clicked by its letter shows itself pressed for a moment first.
    EXPECT_TRUE(QTest::qWaitFor([] { return events.size() == 2; }, 2000));
    EXPECT_EQ(events, (std::vector<std::string>{"created-hidden", "clicked"}));
}

TEST_F(WindowLifecycle, HandlesMapBackToTheirWidgetsUntilTheWindowIsDestroyed) {
    Window& window = open(plainWindow());
    const ControlHandle buttonHandle = controlHandle(window.control("button"));
    const ControlHandle windowHandle = controlHandle(window);
    EXPECT_NE(buttonHandle, windowHandle);
    EXPECT_EQ(controlHandle(window.control("button")), buttonHandle);
    EXPECT_EQ(widgetFromHandle(buttonHandle), window.control("button").widget());
    EXPECT_EQ(widgetFromHandle(windowHandle), window.widget());
    window.close();
    processPendingEvents();
    EXPECT_EQ(widgetFromHandle(buttonHandle), nullptr);
    EXPECT_EQ(widgetFromHandle(windowHandle), nullptr);
    EXPECT_EQ(widgetFromHandle(ControlHandle::none), nullptr);
}

struct Recorder {
    explicit Recorder(const char* name) : name_(name) {}
    ~Recorder() { record(name_); }
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;
    const char* name_;
};

const WindowDefinition& windowWithObject() {
    static const WindowDefinition definition{
        .caption = "object",
        .outerSize = {200, 150},
        .willBeDestroyed =
            [](Window& window) {
                EXPECT_NE(window.control("client").attached<Recorder>(), nullptr);
                record("willBeDestroyed");
            },
        .controls = {
            {.kind = ControlKind::NonVisual,
             .name = "client",
             .setUp = [](Window&, Control& control) { control.attach<Recorder>("object gone"); }},
        }};
    return definition;
}

TEST_F(WindowLifecycle, ANonVisualControlOwnsItsObjectUntilAfterWillBeDestroyed) {
    Window& window = open(windowWithObject());
    Control& client = window.control("client");
    EXPECT_EQ(client.widget(), nullptr);
    ASSERT_NE(client.attached<Recorder>(), nullptr);
    EXPECT_EQ(client.attached<int>(), nullptr);
    window.close();
    processPendingEvents();
    EXPECT_EQ(events, (std::vector<std::string>{"willBeDestroyed", "object gone"}));
}

} // namespace
} // namespace zanvik
