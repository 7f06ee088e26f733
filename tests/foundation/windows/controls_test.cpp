// Controls of the window layer as the user sees them: pictures by display mode, window
// backgrounds, labels over what lies behind them, list boxes, edit boxes, tab pages, fonts.
#include "foundation/values/gbkcodec.h"
#include "foundation/windows/fontsubstitutions.h"
#include "foundation/windows/labelwidget.h"
#include "foundation/windows/layerstate.h"
#include "foundation/windows/listbox.h"
#include "foundation/windows/pictureboxwidget.h"
#include "foundation/windows/tabcontrolwidget.h"
#include "windowtesting.h"

#include <QBuffer>
#include <QDir>
#include <QFontInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <thread>

namespace zanvik {
namespace {

constexpr QRgb red = 0xFFFF0000;
constexpr QRgb blue = 0xFF0000FF;
constexpr QRgb black = 0xFF000000;

ByteBuffer bmpBytes(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return ByteBuffer(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                      static_cast<std::size_t>(bytes.size()));
}

// Picture files for the definitions, which name their pictures by path.
const std::string& pictureFile(const char* name, int width, int height) {
    static QTemporaryDir folder;
    static std::map<std::string, std::string> paths;
    auto [it, added] = paths.try_emplace(name);
    if (added) {
        const QString path = folder.filePath(QString::fromUtf8(name) + ".bmp");
        const ByteBuffer bytes = bmpBytes(width, height, Qt::red);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(reinterpret_cast<const char*>(bytes.data()), bytes.length());
        it->second = path.toStdString();
    }
    return it->second;
}

std::vector<std::string> events;

const WindowDefinition& controlsWindow() {
    static const WindowDefinition definition{
        .caption = "controls",
        .outerSize = {506, 428}, // client 500 × 400
        .controls = {
            {.kind = ControlKind::PictureBox,
             .name = "box",
             .place = {0, 0, 60, 40},
             .backColour = Colour::rgb(0, 0, 255)},
            {.kind = ControlKind::PictureBox,
             .name = "framed",
             .place = {70, 0, 60, 40},
             .border = Border::Single,
             .picture = pictureFile("small", 20, 10),
             .displayMode = displayModeStretch},
            {.kind = ControlKind::PictureBox,
             .name = "under",
             .place = {200, 0, 100, 40},
             .picture = pictureFile("under", 10, 10),
             .displayMode = displayModeStretch},
            {.kind = ControlKind::TransparentLabel,
             .name = "clear",
             .place = {200, 0, 100, 20},
             .text = "i"},
            {.kind = ControlKind::Label,
             .name = "opaque",
             .place = {200, 20, 100, 20},
             .text = "i",
             .backColour = Colour::rgb(0, 0, 255)},
            {.kind = ControlKind::ListBox,
             .name = "list",
             .place = {0, 50, 150, 120},
             .tabStop = true,
             .items = {"第一", "第二", "第三"},
             .listItemSelected = [](Window&) { events.emplace_back("selected"); }},
            {.kind = ControlKind::EditBox,
             .name = "edit",
             .place = {160, 50, 150, 24},
             .tabStop = true,
             .border = Border::Sunken,
             .textChanged = [](Window&) { events.emplace_back("changed"); }},
            {.kind = ControlKind::EditBox,
             .name = "path",
             .place = {160, 80, 150, 24},
             .readOnly = true},
            {.kind = ControlKind::TabControl,
             .name = "tabs",
             .place = {0, 180, 300, 200},
             .pageTitles = {"A", "B", "C"}},
            {.kind = ControlKind::Label,
             .name = "onA",
             .parent = "tabs",
             .page = 0,
             .place = {10, 5, 50, 20},
             .text = "A"},
            {.kind = ControlKind::GroupBox,
             .name = "groupB",
             .parent = "tabs",
             .page = 1,
             .place = {10, 40, 200, 100},
             .text = "属性",
             .horizontalAlignment = HorizontalAlignment::Centre},
            {.kind = ControlKind::Label,
             .name = "inGroupB",
             .parent = "groupB",
             .place = {16, 24, 56, 24},
             .text = "第一句话"},
            {.kind = ControlKind::Label,
             .name = "hiddenOnB",
             .parent = "tabs",
             .page = 1,
             .place = {220, 40, 50, 20},
             .visible = false,
             .text = "x"},
        }};
    return definition;
}

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        testing::layer();
        events.clear();
        ASSERT_TRUE(loadWindow(controlsWindow(), Modality::Modeless));
        window_ = &testing::openedWindow(controlsWindow());
    }
    void TearDown() override {
        window_->close();
        processPendingEvents();
    }
    Control& control(const char* name) const { return window_->control(name); }
    QImage shot(const char* name) const { return control(name).widget()->grab().toImage(); }
    Window* window_ = nullptr;
};

struct ModeCase {
    const char* name;
    QSize picture;
    std::int32_t mode;
    std::vector<std::pair<QPoint, QRgb>> pixels; // in the 60 × 40 box
};

class DisplayModes : public Controls, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(DisplayModes, PlaceThePictureInTheBox) {
    const ModeCase& row = GetParam();
    control("box").setPicture(bmpBytes(row.picture.width(), row.picture.height(), Qt::red));
    control("box").setDisplayMode(row.mode);
    EXPECT_EQ(control("box").displayMode(), std::clamp(row.mode, 0, 2));
    const QImage image = shot("box");
    for (const auto& [at, colour] : row.pixels) {
        EXPECT_EQ(image.pixel(at), colour) << at.x() << "," << at.y();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, DisplayModes,
    ::testing::Values(
        ModeCase{
            "NaturalAtTopLeft", {20, 10}, 0, {{{5, 5}, red}, {{30, 5}, blue}, {{5, 20}, blue}}},
        ModeCase{"Stretched", {20, 10}, 1, {{{5, 5}, red}, {{58, 38}, red}}},
        ModeCase{"SmallerIsCentredNotEnlarged",
                 {20, 10},
                 2,
                 {{{30, 20}, red}, {{5, 5}, blue}, {{55, 35}, blue}, {{19, 20}, blue}}},
        ModeCase{"LargerIsShrunkKeepingItsShape",
                 {120, 40},
                 2,
                 {{{2, 20}, red}, {{57, 20}, red}, {{30, 5}, blue}, {{30, 35}, blue}}},
        ModeCase{"BelowTheRangeIsClampedToNatural", {20, 10}, -5, {{{5, 5}, red}, {{30, 5}, blue}}},
        ModeCase{"AboveTheRangeIsClampedToFit", {20, 10}, 9, {{{30, 20}, red}, {{5, 5}, blue}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Controls, BytesThatDoNotDecodeLeaveOnlyTheBackColour) {
    for (const ByteBuffer& bytes :
         {ByteBuffer(), ByteBuffer::fromString("BM"), ByteBuffer::fromString("not a picture")}) {
        control("box").setPicture(bmpBytes(20, 10, Qt::red));
        control("box").setDisplayMode(displayModeStretch);
        control("box").setPicture(bytes);
        EXPECT_EQ(shot("box").pixel(30, 20), blue);
    }
}

TEST_F(Controls, ASingleBorderIsAOnePixelLineAroundThePicture) {
    const QImage image = shot("framed");
    EXPECT_EQ(image.pixel(0, 0), black);
    EXPECT_EQ(image.pixel(59, 39), black);
    EXPECT_EQ(image.pixel(1, 1), red);
}

TEST_F(Controls, ATransparentLabelShowsWhatLiesBehindItAndALabelPaintsItsBackColour) {
    const QImage image = window_->widget()->grab(QRect(200, 0, 100, 40)).toImage();
    EXPECT_EQ(image.pixel(90, 10), red) << "the picture shows through the transparent label";
    EXPECT_EQ(image.pixel(90, 30), blue) << "the opaque label covers the picture";
}

TEST_F(Controls, AGifWithSeveralFramesAnimates) {
    QTemporaryDir folder;
    const QString gif = folder.filePath("two.gif");
    ASSERT_EQ(QProcess::execute("/usr/bin/convert", {"-delay", "3", "-size", "8x8", "xc:red",
                                                     "xc:blue", "-loop", "0", gif}),
              0);
    QFile file(gif);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    control("box").setPicture(ByteBuffer(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                         static_cast<std::size_t>(bytes.size())));
    auto* box = qobject_cast<PictureBoxWidget*>(control("box").widget());
    ASSERT_EQ(box->frameCount(), 2u);
    EXPECT_EQ(box->currentFrame().pixel(0, 0), red);
    EXPECT_TRUE(QTest::qWaitFor([box] { return box->currentFrame().pixel(0, 0) == blue; }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([box] { return box->currentFrame().pixel(0, 0) == red; }, 2000))
        << "loops for ever";
}

struct FlagsCase {
    HorizontalAlignment horizontal;
    VerticalAlignment vertical;
    bool wordWrap;
    int flags;
};

TEST(LabelDrawing, FollowsAlignmentAndWordWrapRules) {
    testing::layer();
    const FlagsCase cases[] = {
        {HorizontalAlignment::Left, VerticalAlignment::Top, false,
         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine},
        {HorizontalAlignment::Centre, VerticalAlignment::Centre, false,
         Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine},
        {HorizontalAlignment::Right, VerticalAlignment::Bottom, false,
         Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine},
        // With word wrap the text starts at the top whatever the vertical alignment.
        {HorizontalAlignment::Centre, VerticalAlignment::Bottom, true,
         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap},
        {HorizontalAlignment::Right, VerticalAlignment::Centre, true,
         Qt::AlignRight | Qt::AlignTop | Qt::TextWordWrap},
    };
    for (const FlagsCase& row : cases) {
        const ControlDefinition definition{.kind = ControlKind::Label,
                                           .horizontalAlignment = row.horizontal,
                                           .verticalAlignment = row.vertical,
                                           .wordWrap = row.wordWrap};
        LabelWidget label(nullptr, false, definition, Qt::black, Qt::white);
        EXPECT_EQ(label.drawingFlags(), row.flags);
    }
}

TEST_F(Controls, AListBoxReadsItsItemsAndReportsNoSelectionAsMinusOne) {
    Control& list = control("list");
    EXPECT_EQ(listItemCount(list), 3);
    EXPECT_EQ(listSelection(list), -1);
    EXPECT_EQ(listItemText(list, -1), Text());
    EXPECT_EQ(listItemText(list, 3), Text());
    EXPECT_EQ(listItemText(list, 1), gbkFromUtf8("第二"));
    EXPECT_EQ(listAddItem(list, gbkFromUtf8("第四")), 3);
    EXPECT_EQ(listItemText(list, 3), gbkFromUtf8("第四"));
    listClear(list);
    EXPECT_EQ(listItemCount(list), 0);
    EXPECT_EQ(listItemText(list, 0), Text());
    // The list operations on another kind do nothing.
    EXPECT_EQ(listAddItem(control("edit"), "x"), -1);
    EXPECT_EQ(listSelection(control("edit")), -1);
}

TEST_F(Controls, ListItemSelectedIsRaisedForTheUsersChangesOnly) {
    Control& list = control("list");
    auto* widget = qobject_cast<QListWidget*>(list.widget());
    const QRect second = widget->visualItemRect(widget->item(1));
    testing::pressLeft(widget->viewport(), second.center());
    testing::releaseLeft(widget->viewport(), second.center());
    processPendingEvents();
    EXPECT_EQ(listSelection(list), 1);
    EXPECT_EQ(events, std::vector<std::string>{"selected"});

    QTest::keyClick(widget, Qt::Key_Down);
    EXPECT_EQ(listSelection(list), 2);
    EXPECT_EQ(events.size(), 2u);

    listAddItem(list, "more");
    listClear(list);
    listAddItem(list, "again");
    processPendingEvents();
    EXPECT_EQ(events.size(), 2u) << "adding and clearing are not the user's changes";
    EXPECT_EQ(listSelection(list), -1);
}

TEST_F(Controls, AnEditBoxReportsEveryChangeAndSpeaksGbk) {
    Control& edit = control("edit");
    QTest::keyClicks(edit.widget(), "ab");
    EXPECT_EQ(events.size(), 2u);
    QTest::keyClick(edit.widget(), Qt::Key_Backspace);
    EXPECT_EQ(events.size(), 3u);
    EXPECT_EQ(edit.text(), Text("a"));
    edit.setText(gbkFromUtf8("谁给你的勇气？"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(edit.widget())->text(), QString::fromUtf8("谁给你的勇气？"));
    EXPECT_EQ(edit.text(), gbkFromUtf8("谁给你的勇气？"));
    const std::string longText(40000, 'x');
    edit.setText(Text(longText));
    EXPECT_EQ(edit.text().length(), 40000) << "no length limit";
}

TEST_F(Controls, AReadOnlyEditBoxTakesNoTyping) {
    QTest::keyClicks(control("path").widget(), "typed");
    EXPECT_EQ(control("path").text(), Text());
}

TEST_F(Controls, AWorkerThreadReadsAnEditBoxThroughTheUiThread) {
    control("edit").setText("title");
    Text read;
    bool done = false;
    std::thread worker([&] {
        read = control("edit").text();
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 5000));
    worker.join();
    EXPECT_EQ(read, Text("title"));
}

TEST_F(Controls, ATabControlShowsOnlyTheCurrentPagesControls) {
    auto visible = [this](const char* name) { return control(name).widget()->isVisible(); };
    EXPECT_EQ(control("tabs").currentPage(), 0);
    EXPECT_TRUE(visible("onA"));
    EXPECT_FALSE(visible("groupB"));
    EXPECT_FALSE(visible("inGroupB"));

    auto* tabs = qobject_cast<TabControlWidget*>(control("tabs").widget());
    const QRect titleB = tabs->tabBar()->tabRect(1);
    testing::pressLeft(tabs->tabBar(), titleB.center());
    testing::releaseLeft(tabs->tabBar(), titleB.center());
    EXPECT_EQ(control("tabs").currentPage(), 1);
    EXPECT_FALSE(visible("onA"));
    EXPECT_TRUE(visible("groupB"));
    EXPECT_TRUE(visible("inGroupB"));
    EXPECT_FALSE(visible("hiddenOnB")) << "hidden by its own setting, whatever its page";

    control("hiddenOnB").setVisible(true);
    EXPECT_TRUE(visible("hiddenOnB"));
    control("tabs").setCurrentPage(2);
    EXPECT_FALSE(visible("hiddenOnB"));
    EXPECT_FALSE(visible("groupB"));
    control("tabs").setCurrentPage(7); // no such page
    EXPECT_EQ(control("tabs").currentPage(), 2);
}

TEST_F(Controls, ContainerChildrenArePlacedInTheContainersWholeRectangle) {
    EXPECT_EQ(control("onA").widget()->geometry(), QRect(10, 5, 50, 20));
    EXPECT_EQ(control("inGroupB").widget()->geometry(), QRect(16, 24, 56, 24));
    EXPECT_EQ(control("inGroupB").widget()->mapTo(window_->widget(), QPoint(0, 0)),
              QPoint(0 + 10 + 16, 180 + 40 + 24));
}

TEST_F(Controls, DisabledAndHiddenApplyAtOnce) {
    control("edit").setDisabled(true);
    EXPECT_FALSE(control("edit").widget()->isEnabled());
    QTest::keyClicks(control("edit").widget(), "x");
    EXPECT_EQ(control("edit").text(), Text());
    control("edit").setDisabled(false);
    control("box").setVisible(false);
    EXPECT_FALSE(control("box").widget()->isVisible());
}

struct BackgroundCase {
    const char* name;
    std::int32_t mode;
    std::vector<std::pair<QPoint, QRgb>> pixels; // in the 100 × 60 client area
};

template <std::int32_t Mode> const WindowDefinition& backgroundWindow() {
    static const WindowDefinition definition{.caption = "background",
                                             .outerSize = {106, 88},
                                             .backColour = Colour::rgb(0, 0, 255),
                                             .backgroundPicture = pictureFile("background", 20, 10),
                                             .backgroundMode = Mode};
    return definition;
}

class Backgrounds : public ::testing::TestWithParam<BackgroundCase> {};

TEST_P(Backgrounds, FollowTheirMode) {
    testing::layer();
    static const WindowDefinition* const byMode[] = {&backgroundWindow<0>(), &backgroundWindow<1>(),
                                                     &backgroundWindow<2>(),
                                                     &backgroundWindow<3>()};
    const WindowDefinition& definition = *byMode[GetParam().mode];
    ASSERT_TRUE(loadWindow(definition, Modality::Modeless));
    Window& window = testing::openedWindow(definition);
    const QImage image = window.widget()->grab().toImage();
    for (const auto& [at, colour] : GetParam().pixels) {
        EXPECT_EQ(image.pixel(at), colour) << at.x() << "," << at.y();
    }
    window.close();
    processPendingEvents();
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Backgrounds,
    ::testing::Values(BackgroundCase{"OwnSizeAtTopLeft", 0, {{{5, 5}, red}, {{50, 30}, blue}}},
                      BackgroundCase{"Tiled", 1, {{{5, 5}, red}, {{95, 55}, red}}},
                      BackgroundCase{"Centred", 2, {{{50, 30}, red}, {{5, 5}, blue}}},
                      BackgroundCase{"Stretched", 3, {{{5, 5}, red}, {{95, 55}, red}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Fonts, TheWindowsFacesFindInstalledFacesWithChineseGlyphs) {
    testing::layer();
    const std::pair<std::optional<FontSpec>, const char*> cases[] = {
        {FontSpec{.face = "微软雅黑", .height = 12}, "WenQuanYi Micro Hei"},
        {FontSpec{.face = "SimSun", .height = 12}, "WenQuanYi Micro Hei"},
        {FontSpec{.face = brushScriptFace, .height = 29}, "AR PL KaitiM GB"},
        {std::nullopt, "WenQuanYi Micro Hei"},
    };
    for (const auto& [spec, family] : cases) {
        const QFont font = fontFromSpec(spec);
        EXPECT_EQ(QFontInfo(font).family(), QString(family)) << font.family().toStdString();
    }
    const QFont bold = fontFromSpec(FontSpec{.face = "微软雅黑", .height = 16, .weight = 700});
    EXPECT_EQ(QFontInfo(bold).pixelSize(), 16);
    EXPECT_TRUE(QFontInfo(bold).bold());
}

} // namespace
} // namespace zanvik
