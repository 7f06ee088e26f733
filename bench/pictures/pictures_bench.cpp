// Decoding a 1920 × 1080 photo-like JPEG and PNG: decodePicture against QImage::fromData on the
// same bytes, in the same run. Each benchmark reports megapixels decoded per second ("MP/s").
#include "foundation/pictures/decodepicture.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdlib>

namespace zanvik {
namespace {

constexpr int width = 1920;
constexpr int height = 1080;

// Smooth shapes, edges and a little grain: what a photo gives an encoder to do.
QImage photoLike() {
    QImage image(width, height, QImage::Format_RGB32);
    std::uint32_t noise = 12345;
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            noise = noise * 1103515245u + 12345u;
            const int grain = static_cast<int>(noise >> 27) - 16;
            const double u = x / double(width);
            const double v = y / double(height);
            const bool disc = std::hypot(x - 1300.0, y - 500.0) < 260;
            const auto channel = [grain](double value) {
                return std::clamp(static_cast<int>(value) + grain, 0, 255);
            };
            const int r = channel(disc ? 220 : 128 + 100 * std::sin(u * 7 + v * 3));
            const int g = channel(disc ? 60 : 110 + 90 * std::sin(v * 9 - u * 2));
            const int b = channel(disc ? 40 : 140 + 80 * std::cos(u * 4 * v + 1));
            row[x] = qRgb(r, g, b);
        }
    }
    return image;
}

ByteBuffer encoded(const char* format, int quality) {
    static const QImage photo = photoLike();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    photo.save(&buffer, format, quality);
    return ByteBuffer(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                      static_cast<std::size_t>(bytes.size()));
}

const ByteBuffer& jpegBytes() {
    static const ByteBuffer bytes = encoded("JPEG", 90);
    return bytes;
}

const ByteBuffer& pngBytes() {
    static const ByteBuffer bytes = encoded("PNG", -1);
    return bytes;
}

void reportMegapixels(benchmark::State& state) {
    state.counters["MP/s"] =
        benchmark::Counter(width * height / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

void decodeWithZanvik(benchmark::State& state, const ByteBuffer& bytes) {
    for (auto _ : state) {
        auto bitmap = decodePicture(bytes);
        if (!bitmap || bitmap->width != width) {
            state.SkipWithError("decodePicture failed");
            return;
        }
        benchmark::DoNotOptimize(bitmap->pixels.data());
    }
    reportMegapixels(state);
}

void decodeWithQt(benchmark::State& state, const ByteBuffer& bytes) {
    const QByteArray data(reinterpret_cast<const char*>(bytes.data()), bytes.length());
    for (auto _ : state) {
        QImage image = QImage::fromData(data);
        if (image.width() != width) {
            state.SkipWithError("QImage::fromData failed");
            return;
        }
        benchmark::DoNotOptimize(image.constBits());
    }
    reportMegapixels(state);
}

void BM_Jpeg_decodePicture(benchmark::State& state) {
    decodeWithZanvik(state, jpegBytes());
}
void BM_Jpeg_QImageFromData(benchmark::State& state) {
    decodeWithQt(state, jpegBytes());
}
void BM_Png_decodePicture(benchmark::State& state) {
    decodeWithZanvik(state, pngBytes());
}
void BM_Png_QImageFromData(benchmark::State& state) {
    decodeWithQt(state, pngBytes());
}

BENCHMARK(BM_Jpeg_decodePicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Jpeg_QImageFromData)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Png_decodePicture)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Png_QImageFromData)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zanvik

int main(int argc, char** argv) {
    // Qt's image readers are plugins; a GUI application (offscreen, no display needed) finds them.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
