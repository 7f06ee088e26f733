#include "assets/templates/templatepictures.h"
#include "tests/foundation/services/qtapplication.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>
#include <string_view>

namespace zanvik {
namespace {

TEST(TemplatePicturesTest, EachIsCompiledInWithItsFormatAndPixelSize) {
    testing::qtApplication();
    ASSERT_TRUE(assets::templates::templatePicturesLinked());
    const struct {
        std::string_view path;
        QByteArray magic;
        int width;
        int height;
        int bitsPerPixel; // 0 for JPEG
    } cases[] = {
        {assets::templates::a, "\xFF\xD8", 154, 175, 0}, {assets::templates::b, "BM", 322, 441, 24},
        {assets::templates::C, "BM", 308, 182, 24},      {assets::templates::d, "BM", 200, 233, 24},
        {assets::templates::e, "BM", 505, 226, 24},      {assets::templates::F, "BM", 284, 169, 24},
    };
    for (const auto& c : cases) {
        const QString path =
            QString::fromUtf8(c.path.data(), static_cast<qsizetype>(c.path.size()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.path;
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith(c.magic)) << c.path;
        if (c.bitsPerPixel != 0) {
            ASSERT_GT(bytes.size(), 30);
            EXPECT_EQ(static_cast<unsigned char>(bytes[28]), c.bitsPerPixel) << c.path;
        }
        const QImage image = QImage::fromData(bytes);
        EXPECT_EQ(image.width(), c.width) << c.path;
        EXPECT_EQ(image.height(), c.height) << c.path;
        // A drawing, not a blank canvas: a good part of it is not white.
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                drawn += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
            }
        }
        EXPECT_GT(drawn, c.width * c.height / 20) << c.path;
    }
}

} // namespace
} // namespace zanvik
