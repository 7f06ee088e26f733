#include "foundation/services/bmpfile.h"
#include "foundation/services/clipboard.h"
#include "tests/foundation/services/qtapplication.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>

namespace zanvik {
namespace {

QImage sampleImage() {
    QImage image(37, 21, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x * 6, y * 12, 200 - x - y));
        }
    }
    return image;
}

ByteBuffer encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return ByteBuffer(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                      static_cast<std::size_t>(bytes.size()));
}

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::qtApplication();
        clipboard()->setText("earlier contents");
    }
    static QClipboard* clipboard() { return QGuiApplication::clipboard(); }
};

TEST_F(ClipboardTest, PictureBytesOfEachFormatBecomeTheClipboardImage) {
    const QImage expected = sampleImage();
    const struct {
        const char* what;
        ByteBuffer bytes;
    } cases[] = {
        {"our capture BMP", encodeBmp24(expected)},
        {"PNG", encoded(expected, "PNG")},
    };
    for (const auto& c : cases) {
        copyPictureToClipboard(c.bytes);
        const QImage image = clipboard()->image();
        ASSERT_EQ(image.size(), expected.size()) << c.what;
        EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32), expected) << c.what;
        EXPECT_TRUE(clipboard()->text().isEmpty()) << c.what << ": the earlier text is replaced";
    }
}

TEST_F(ClipboardTest, BytesThatAreNotAPictureEmptyTheClipboard) {
    const struct {
        const char* what;
        ByteBuffer bytes;
    } cases[] = {
        {"empty", ByteBuffer()},
        {"text", ByteBuffer::fromString("just some text, not a picture")},
        {"truncated BMP", ByteBuffer::fromString("BM\x36\x00\x00")},
    };
    for (const auto& c : cases) {
        clipboard()->setImage(sampleImage());
        copyPictureToClipboard(c.bytes);
        EXPECT_TRUE(clipboard()->image().isNull()) << c.what;
        const QMimeData* data = clipboard()->mimeData();
        EXPECT_TRUE(data == nullptr || data->formats().isEmpty()) << c.what;
    }
}

TEST(BitmapImageTest, PixelsAreCopiedRowByRow) {
    const Bitmap bitmap{2, 2, {0xFF102030, 0x80405060, 0xFF708090, 0x00A0B0C0}};
    const QImage image = imageFromBitmap(bitmap);
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_EQ(image.pixel(0, 0), 0xFF102030U);
    EXPECT_EQ(image.pixel(1, 0), 0x80405060U);
    EXPECT_EQ(image.pixel(0, 1), 0xFF708090U);
    EXPECT_TRUE(imageFromBitmap(Bitmap{3, 3, {1, 2}}).isNull()) << "pixels missing";
}

} // namespace
} // namespace zanvik
