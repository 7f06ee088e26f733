#include "foundation/services/bmpfile.h"
#include "foundation/services/widgetcapture.h"
#include "tests/foundation/services/qtapplication.h"

#include <QPainter>
#include <QWidget>
#include <cstdint>
#include <gtest/gtest.h>

namespace zanvik {
namespace {

std::uint32_t field(const ByteBuffer& file, std::size_t offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | file[offset + static_cast<std::size_t>(i)];
    }
    return value;
}

// The colour of the pixel at (x, y), counted from the top, read from a 24-bit bottom-up BMP.
QRgb bmpPixel(const ByteBuffer& file, int x, int y) {
    const std::int64_t width = field(file, 18, 4);
    const std::int64_t height = field(file, 22, 4);
    const std::size_t at =
        54 + static_cast<std::size_t>(
                 bmpRowBytes(static_cast<std::int32_t>(width)) * (height - 1 - y) + 3 * x);
    return qRgb(file[at + 2], file[at + 1], file[at]);
}

// Fills its whole area with one colour, top half and bottom half apart.
class TwoColourBox : public QWidget {
public:
    TwoColourBox(QWidget* parent, QColor top, QColor bottom)
        : QWidget(parent), top_(top), bottom_(bottom) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(0, 0, width(), height() / 2, top_);
        painter.fillRect(0, height() / 2, width(), height() - height() / 2, bottom_);
    }

private:
    QColor top_;
    QColor bottom_;
};

// Paints only a solid square in its middle and nothing else, as a transparent caption paints
// only its text.
class TransparentMark : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect().adjusted(10, 10, -10, -10), Qt::red);
    }
};

class CaptureTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(400, 320);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor(240, 240, 240));
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        container = new QWidget(&window);
        container->setGeometry(4, 6, 380, 300);
        picture = new TwoColourBox(container, Qt::blue, Qt::green);
        picture->setGeometry(168, 48, 184, 200);
        caption = new TransparentMark(container);
        caption->setGeometry(152, 184, 224, 72); // sticks out of the picture on three sides
        caption->raise();
        window.show();
    }
    QApplication& application = testing::qtApplication();
    QWidget window;
    QWidget* container = nullptr;
    QWidget* picture = nullptr;
    QWidget* caption = nullptr;
};

TEST_F(CaptureTest, HeaderHasTheExactBmpLayout) {
    const ByteBuffer file = captureWidgetImage(picture);
    ASSERT_EQ(file.length(), 54 + 552 * 200);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    const struct {
        std::size_t offset;
        int size;
        std::uint32_t value;
        const char* field;
    } fields[] = {
        {2, 4, 54 + 552 * 200, "file size"},
        {6, 2, 0, "reserved"},
        {8, 2, 0, "reserved"},
        {10, 4, 54, "pixel offset"},
        {14, 4, 40, "header size"},
        {18, 4, 184, "width"},
        {22, 4, 200, "height"},
        {26, 2, 1, "planes"},
        {28, 2, 24, "bits"},
        {30, 4, 0, "compression"},
        {34, 4, 552 * 200, "image size"},
        {38, 4, 0, "x resolution"},
        {42, 4, 0, "y resolution"},
        {46, 4, 0, "colours used"},
        {50, 4, 0, "important colours"},
    };
    for (const auto& f : fields) {
        EXPECT_EQ(field(file, f.offset, f.size), f.value) << f.field;
    }
}

TEST_F(CaptureTest, RowsAreStoredBottomUpInBlueGreenRedOrder) {
    caption->hide();
    const ByteBuffer file = captureWidgetImage(picture);
    ASSERT_FALSE(file.empty());
    // The first stored row is the bottom one: green, stored as 00 FF 00; the last is blue.
    EXPECT_EQ(file[54], 0x00);
    EXPECT_EQ(file[55], 0xFF);
    EXPECT_EQ(file[56], 0x00);
    const std::size_t lastRow = 54 + 552 * 199;
    EXPECT_EQ(file[lastRow], 0xFF);
    EXPECT_EQ(file[lastRow + 1], 0x00);
    EXPECT_EQ(file[lastRow + 2], 0x00);
}

TEST_F(CaptureTest, CaptionAboveThePictureIsIncludedAndCutAtItsEdge) {
    const ByteBuffer file = captureWidgetImage(picture);
    ASSERT_FALSE(file.empty());
    // The mark covers container x 162..365, y 194..245; the picture x 168..351, y 48..247.
    const struct {
        int x, y;
        QRgb expected;
    } pixels[] = {
        {0, 146, qRgb(255, 0, 0)},   // the mark over the picture's left edge
        {183, 197, qRgb(255, 0, 0)}, // and over its bottom-right corner
        {90, 140, qRgb(0, 255, 0)},  // picture above the mark
        {90, 50, qRgb(0, 0, 255)},
    };
    for (const auto& p : pixels) {
        EXPECT_EQ(bmpPixel(file, p.x, p.y), p.expected) << p.x << "," << p.y;
    }
}

TEST_F(CaptureTest, CaptionMovedOffThePictureIsNotCaptured) {
    caption->move(0, 250); // below the picture, which ends at y 247
    const ByteBuffer file = captureWidgetImage(picture);
    ASSERT_FALSE(file.empty());
    for (int y = 0; y < 200; y += 7) {
        for (int x = 0; x < 184; x += 7) {
            ASSERT_NE(bmpPixel(file, x, y), qRgb(255, 0, 0)) << x << "," << y;
        }
    }
}

TEST_F(CaptureTest, NoWidgetOrAnEmptyOneGivesNothing) {
    EXPECT_TRUE(captureWidgetImage(nullptr).empty());
    picture->resize(0, 10);
    EXPECT_TRUE(captureWidgetImage(picture).empty());
}

TEST(BmpEncodingTest, RowsArePaddedWithZerosToFourBytes) {
    testing::qtApplication();
    const struct {
        int width;
        int rowBytes;
    } cases[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {183, 552}, {184, 552}};
    for (const auto& c : cases) {
        QImage image(c.width, 2, QImage::Format_ARGB32);
        image.fill(qRgba(1, 2, 3, 4));
        const ByteBuffer file = encodeBmp24(image);
        ASSERT_EQ(file.length(), 54 + 2 * c.rowBytes) << c.width;
        EXPECT_EQ(field(file, 34, 4), static_cast<std::uint32_t>(2 * c.rowBytes));
        for (int row = 0; row < 2; ++row) {
            const std::size_t start = 54 + static_cast<std::size_t>(row * c.rowBytes);
            EXPECT_EQ(file[start], 3) << "blue first";
            EXPECT_EQ(file[start + 2], 1) << "red last";
            for (int pad = 3 * c.width; pad < c.rowBytes; ++pad) {
                EXPECT_EQ(file[start + static_cast<std::size_t>(pad)], 0)
                    << c.width << " pad " << pad;
            }
        }
    }
    EXPECT_TRUE(encodeBmp24(QImage()).empty());
}

} // namespace
} // namespace zanvik
