// MainWindow and AboutWindow: their tables as the user sees them, and the tile sequence.
#include "app/aboutwindow.h"
#include "app/mainwindow.h"
#include "app/processstate.h"
#include "app/tilewindows.h"
#include "foundation/values/gbkcodec.h"
#include "foundation/windows/labelwidget.h"
#include "foundation/windows/layerstate.h"
#include "foundation/windows/pictureboxwidget.h"
#include "tests/foundation/windows/windowtesting.h"

#include <QFontInfo>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>

namespace zanvik {
namespace {

class Launcher : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        testing::layer();
        resetProcessState();
        if (openWindow(mainWindowDefinition()) == nullptr) {
            ASSERT_TRUE(loadWindow(mainWindowDefinition(), Modality::Modeless));
        }
    }
    void SetUp() override { processState().tileArmed = false; }
    void TearDown() override {
        // MainWindow stays open for the whole suite: closing it ends the program.
        for (const auto& window : testing::layer().state().windows()) {
            if (&window->definition() != &mainWindowDefinition()) {
                window->close();
            }
        }
        processPendingEvents();
    }
    static Window& main() { return testing::openedWindow(mainWindowDefinition()); }
    static QWidget* tile(const char* name) { return main().control(name).widget(); }
};

struct Placed {
    const char* name;
    QRect place;
    const char* text; // null for picture boxes
};

TEST_F(Launcher, MainWindowShowsItsControlsWhereAndAsTheTableSays) {
    EXPECT_EQ(main().widget()->windowTitle(), QString("Zanvik1.2"));
    EXPECT_EQ(main().widget()->size(), QSize(469 - 6, 302 - 28));
    const Placed expected[] = {
        {"标签4", {8, 8, 440, 24}, "请先选择一个系列然后继续"},
        {"图片框1", {8, 40, 100, 120}, nullptr},
        {"标签1", {8, 161, 100, 24}, "设计图"},
        {"图片框3", {112, 40, 100, 120}, nullptr},
        {"标签3", {112, 161, 100, 24}, "斗图模式启动"},
        {"图片框2", {216, 40, 100, 120}, nullptr},
        {"标签2", {216, 161, 100, 24}, "关于Zanvik"},
        {"图片框4", {320, 40, 104, 120}, nullptr},
        {"标签5", {320, 160, 104, 24}, "上传分享"},
        {"图片框5", {8, 208, 80, 64}, nullptr},
        {"透明标签1", {336, 240, 112, 24}, "待更新......"},
    };
    for (const Placed& row : expected) {
        const Control& control = main().control(row.name);
        EXPECT_EQ(control.widget()->geometry(), row.place) << row.name;
        EXPECT_TRUE(control.widget()->isVisible()) << row.name;
        if (row.text != nullptr) {
            EXPECT_EQ(utf8FromGbk(control.text()), row.text) << row.name;
        } else {
            auto* box = qobject_cast<PictureBoxWidget*>(control.widget());
            ASSERT_NE(box, nullptr) << row.name;
            EXPECT_EQ(box->displayMode(), displayModeStretch) << row.name;
            EXPECT_FALSE(box->currentFrame().isNull()) << row.name << ": its picture decodes";
        }
    }
    for (const char* name : {"图片框1", "图片框2", "图片框3", "图片框4"}) {
        EXPECT_EQ(tile(name)->cursor().shape(), Qt::PointingHandCursor) << name;
    }
    EXPECT_EQ(tile("图片框5")->cursor().shape(), Qt::ArrowCursor);
    const QImage tile2 = qobject_cast<PictureBoxWidget*>(tile("图片框2"))->currentFrame();
    EXPECT_EQ(tile2.size(), QSize(180, 160));
}

TEST_F(Launcher, TheLabelsUseTheYaHeiFaceThroughItsSubstitute) {
    EXPECT_EQ(QFontInfo(main().control("标签1").widget()->font()).family(),
              QString("WenQuanYi Micro Hei"));
    EXPECT_EQ(QFontInfo(main().control("标签1").widget()->font()).pixelSize(), 12);
}

TEST_F(Launcher, ProcessStateStartsWithItsStartValues) {
    processState().tileArmed = true;
    processState().uploadBuffer = ByteBuffer::fromString("x");
    processState().uploadTotal = 5;
    processState().downloadBuffer = ByteBuffer::fromString("y");
    processState().downloadFinished = true;
    resetProcessState();
    EXPECT_FALSE(processState().tileArmed);
    EXPECT_TRUE(processState().uploadBuffer.empty());
    EXPECT_EQ(processState().uploadTotal, 0);
    EXPECT_TRUE(processState().downloadBuffer.empty());
    EXPECT_FALSE(processState().downloadFinished);
}

struct TileCase {
    const char* name;
    const char* pressOn;   // a control of MainWindow
    const char* releaseOn; // a control of MainWindow
    bool armedBefore;
    bool opensAbout;
    bool armedAfter;
};

class TileSequence : public Launcher, public ::testing::WithParamInterface<TileCase> {};

TEST_P(TileSequence, OpensTheWindowOfTheTileThatGetsTheRelease) {
    const TileCase& row = GetParam();
    processState().tileArmed = row.armedBefore;
    const QRect placeBefore = main().widget()->geometry();
    bool aboutWasOpen = false;
    if (row.opensAbout) {
        testing::afterLoopStarts([&aboutWasOpen] {
            Window* about = openWindow(aboutWindowDefinition());
            ASSERT_NE(about, nullptr);
            aboutWasOpen = true;
            EXPECT_FALSE(main().visible());
            EXPECT_TRUE(main().disabled());
            QTest::keyClick(about->widget(), Qt::Key_Escape);
        });
    }
    if (std::string(row.pressOn) == "图片框4" && shareWindow() != nullptr) {
        // Tile 4 opens the share window modally on the press: close it from inside its loop.
        testing::afterLoopStarts([] { testing::openedWindow(*shareWindow()).close(); });
    } else if (std::string(row.releaseOn) == "图片框3" && galleryWindow() != nullptr) {
        // Tile 3 opens the gallery modally when it is part of the build: close it again.
        testing::afterLoopStarts([] { testing::openedWindow(*galleryWindow()).close(); });
    }
    testing::pressLeft(tile(row.pressOn));
    testing::moveMouse(tile(row.releaseOn), testing::centreOf(tile(row.releaseOn)), true);
    testing::releaseLeft(tile(row.releaseOn));
    processPendingEvents();
    EXPECT_EQ(aboutWasOpen, row.opensAbout);
    EXPECT_EQ(openWindow(aboutWindowDefinition()), nullptr);
    EXPECT_EQ(processState().tileArmed, row.armedAfter);
    EXPECT_TRUE(main().visible());
    EXPECT_FALSE(main().disabled());
    EXPECT_EQ(main().widget()->geometry(), placeBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TileSequence,
    ::testing::Values(
        TileCase{"PressAndReleaseOnTile2", "图片框2", "图片框2", false, true, false},
        TileCase{"PressOnTile1ReleaseOnTile2", "图片框1", "图片框2", false, true, false},
        // Tile 3's window (the gallery, closed again at once when it is built) is not About.
        TileCase{"PressOnTile1ReleaseOnTile3", "图片框1", "图片框3", false, false, false},
        TileCase{"ReleaseOutsideTheTilesKeepsTheTileArmed", "图片框2", "标签4", false, false, true},
        TileCase{"ReleaseOnTheDecorationKeepsTheTileArmed", "图片框2", "图片框5", false, false,
                 true},
        TileCase{"ArmedEarlierAPressAnywhereThenReleaseOnTile2", "标签4", "图片框2", true, true,
                 false},
        TileCase{"AReleaseThatFindsItUnarmedDoesNothing", "标签4", "图片框2", false, false, false},
        TileCase{"Tile4LeavesTheFlagAlone", "图片框4", "图片框4", true, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Launcher, AboutWindowShowsItsFourLinesOverTheBackground) {
    testing::afterLoopStarts([] {
        Window& about = testing::openedWindow(aboutWindowDefinition());
        EXPECT_EQ(about.widget()->windowTitle(), QString::fromUtf8("关于Zanvik"));
        EXPECT_EQ(about.widget()->size(), QSize(430 - 6, 306 - 28));
        EXPECT_FALSE(about.widget()->windowIcon().isNull());
        const Placed lines[] = {{"透明标签1", {72, 16, 280, 48}, nullptr},
                                {"透明标签2", {200, 128, 192, 40}, nullptr},
                                {"透明标签4", {16, 208, 160, 32}, nullptr},
                                {"透明标签3", {8, 240, 232, 40}, nullptr}};
        for (const Placed& line : lines) {
            QWidget* widget = about.control(line.name).widget();
            EXPECT_EQ(widget->geometry(), line.place) << line.name;
            EXPECT_FALSE(about.control(line.name).text().empty()) << line.name;
            auto* label = qobject_cast<LabelWidget*>(widget);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->drawingFlags(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine);
        }
        EXPECT_EQ(QFontInfo(about.control("透明标签1").widget()->font()).family(),
                  QString("AR PL KaitiM GB"));
        EXPECT_EQ(QFontInfo(about.control("透明标签3").widget()->font()).family(),
                  QString("WenQuanYi Micro Hei"));
        EXPECT_TRUE(about.control("透明标签3").widget()->font().bold());
        EXPECT_TRUE(about.control("透明标签3").widget()->font().italic());
        about.widget()->close(); // the close button
    });
    processState().tileArmed = true;
    testing::releaseLeft(tile("图片框2"));
    processPendingEvents();
    EXPECT_EQ(openWindow(aboutWindowDefinition()), nullptr);
    EXPECT_TRUE(main().visible());
}

} // namespace
} // namespace zanvik
