#include "designer/copyimage.h"
#include "foundation/services/folders.h"
#include "foundation/services/widgetcapture.h"
#include "tests/designer/designertestfixture.h"
#include "tests/foundation/services/scratchfolder.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>

namespace zanvik {
namespace {

namespace fs = std::filesystem;

struct TemplateRow {
    std::int32_t page;
    std::string_view button;
    CopyTarget target;
    QSize size;
    std::vector<std::string_view> captions;
};

const TemplateRow templates[] = {
    {0, "按钮1", designer::templateA, {184, 200}, {"a1", "a2"}},
    {1, "按钮2", designer::templateB, {184, 232}, {"b1"}},
    {2, "按钮3", designer::templateC, {304, 182}, {"C1"}},
    {3, "按钮4", designer::templateD, {200, 235}, {"d1"}},
    {4, "按钮5", designer::templateE, {512, 216}, {"e1"}},
    {5, "按钮6", designer::templateF, {284, 168}, {"F1"}},
};

// Points TMPDIR at a fresh scratch folder for one test.
class CopyImageTest : public testing::DesignerTest {
protected:
    void SetUp() override {
        if (const char* old = std::getenv("TMPDIR")) {
            oldTmpdir = old;
        }
        ::setenv("TMPDIR", scratch.path().c_str(), 1);
        DesignerTest::SetUp();
    }
    void TearDown() override {
        DesignerTest::TearDown();
        if (oldTmpdir) {
            ::setenv("TMPDIR", oldTmpdir->c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
    }

    void pressCopy(const TemplateRow& row) {
        showPageOf(row.page);
        QTest::mouseClick(widget(row.button), Qt::LeftButton);
    }
    // Whether any template's temporary file is in the scratch folder.
    bool temporaryFileLeft() const {
        for (const auto& row : templates) {
            if (fs::exists(scratch.native(std::string(row.target.tempName)))) {
                return true;
            }
        }
        return false;
    }
    static QImage clipboardImage() {
        return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    }
    QImage onScreen(std::string_view picture) const {
        return renderWidgetArea(widget(picture)).convertToFormat(QImage::Format_RGB32);
    }
    // The picture box as it shows with the given captions hidden.
    QImage withoutCaptions(std::string_view picture,
                           const std::vector<std::string_view>& captions) {
        for (const auto caption : captions) {
            widget(caption)->hide();
        }
        QImage image = onScreen(picture);
        for (const auto caption : captions) {
            widget(caption)->show();
        }
        return image;
    }

    testing::ScratchFolder scratch;
    std::optional<std::string> oldTmpdir;
};

TEST_F(CopyImageTest, EachButtonPutsItsPictureWithCaptionsOnTheClipboard) {
    for (const auto& row : templates) {
        QGuiApplication::clipboard()->setText("earlier");
        showPageOf(row.page);
        // Seen while the copy handles pending events: the temporary file, a BMP under a .jpg name.
        std::string duringCopy;
        QTimer::singleShot(0, [&] {
            std::ifstream file(scratch.native(std::string(row.target.tempName)), std::ios::binary);
            duringCopy.assign(2, '\0');
            file.read(duringCopy.data(), 2);
        });
        QTest::mouseClick(widget(row.button), Qt::LeftButton);
        const QImage copied = clipboardImage();
        ASSERT_EQ(copied.size(), row.size) << row.button;
        EXPECT_EQ(copied, onScreen(row.target.pictureBox)) << row.button;
        EXPECT_NE(copied, withoutCaptions(row.target.pictureBox, row.captions))
            << row.button << ": the captions are missing";
        EXPECT_EQ(duringCopy, "BM") << row.button;
        EXPECT_FALSE(fs::exists(scratch.native(std::string(row.target.tempName)))) << row.button;
        const std::string expectedPath = (scratch.path() / row.target.tempName).string();
        EXPECT_EQ(text(row.target.pathBox), expectedPath) << row.button;
    }
    EXPECT_EQ(text("C3").substr(text("C3").size() - 6), "c1.jpg");
    EXPECT_FALSE(temporaryFileLeft());
}

TEST_F(CopyImageTest, EmptiedCaptionsAreAbsentFromTheCopy) {
    const TemplateRow& a = templates[0];
    window->control("a3").setText("");
    window->control("a4").setText("");
    pressCopy(a);
    EXPECT_EQ(clipboardImage(), withoutCaptions("a", a.captions));
}

TEST_F(CopyImageTest, CaptionDraggedHalfOutIsCutAtThePictureEdge) {
    const TemplateRow& a = templates[0];
    window->control("a4").setText("");
    window->control("a3").setText("WWWWWWWWWW");
    widget("a1")->move(168 - 112, 100); // its left half lies left of the picture
    pressCopy(a);
    const QImage copied = clipboardImage();
    const QImage bare = withoutCaptions("a", a.captions);
    ASSERT_EQ(copied.size(), QSize(184, 200));
    EXPECT_EQ(copied, onScreen("a"));
    // The caption's right half shows in the copy's left part, rows 52 to 124 of the picture.
    int changed = 0;
    for (int y = 52; y < 124; ++y) {
        for (int x = 0; x < 112; ++x) {
            changed += copied.pixel(x, y) != bare.pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(changed, 50);
}

TEST_F(CopyImageTest, CaptionDraggedOffThePictureIsNotInTheCopy) {
    const TemplateRow& a = templates[0];
    widget("a1")->move(0, 300);
    widget("a2")->move(300, 0);
    pressCopy(a);
    EXPECT_EQ(clipboardImage(), withoutCaptions("a", a.captions));
}

TEST_F(CopyImageTest, CopyingTwiceShowsTheSamePath) {
    pressCopy(templates[0]);
    const std::string first = text("a5");
    pressCopy(templates[0]);
    EXPECT_EQ(text("a5"), first);
    EXPECT_EQ(first, (scratch.path() / "a1.jpg").string());
}

TEST_F(CopyImageTest, WithoutATemporaryFolderTheBareNameIsUsedInTheCurrentDirectory) {
    ::setenv("TMPDIR", (scratch.path() / "missing").c_str(), 1);
    ASSERT_TRUE(tempFolder().empty());
    const fs::path before = fs::current_path();
    fs::current_path(scratch.path());
    pressCopy(templates[5]);
    fs::current_path(before);
    EXPECT_EQ(text("F3"), "F1.jpg");
    EXPECT_EQ(clipboardImage().size(), QSize(284, 168));
    EXPECT_FALSE(fs::exists(scratch.native("F1.jpg")));
}

} // namespace
} // namespace zanvik
