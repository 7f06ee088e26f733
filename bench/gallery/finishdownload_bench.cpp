// The cost of finishing a gallery download: finishDownload (the picture checked by decoding it,
// shown, written to the cache, copied to the clipboard) against the same steps without the
// decoding check (shown, written, copied: what a finish that trusts its bytes would do),
// measured in the same run for a sample picture and a 1920 × 1080 photo-sized one. Prints each
// and their ratio. Runs offscreen unless QT_QPA_PLATFORM says otherwise; the cache folder
// "images" beside this program is made for the run and removed afterwards.
#include "app/processstate.h"
#include "bench/support/medianreporter.h"
#include "foundation/services/clipboard.h"
#include "foundation/services/folders.h"
#include "foundation/values/gbkcodec.h"
#include "foundation/windows/windowlayer.h"
#include "gallery/galleryroutines.h"
#include "gallery/gallerytexts.h"
#include "gallery/gallerywindow.h"
#include "gallery/picturecache.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

namespace {

using namespace zanvik;

const Text title("bench");

void finishWithCheck(benchmark::State& state, Window* window, ByteBuffer picture) {
    processState().downloadBuffer = std::move(picture);
    for (auto _ : state) {
        gallery::clientOf(*window).requestedTitle = title;
        processState().downloadFinished = false;
        if (gallery::finishDownload(*window) != gallery::DownloadOutcome::Copied) {
            state.SkipWithError("the download did not finish as copied");
            return;
        }
    }
}

void finishWithoutCheck(benchmark::State& state, Window* window, ByteBuffer picture) {
    Control& pictureBox = window->control(gallery::pictureBoxName);
    for (auto _ : state) {
        pictureBox.setPicture(picture);
        gallery::writeCachedPicture(title, picture);
        copyPictureToClipboard(picture);
        window->setCaption(gallery::copiedCaption(title));
    }
}

ByteBuffer jpegBytes(const QImage& image) {
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 85);
    return ByteBuffer(reinterpret_cast<const std::uint8_t*>(encoded.constData()),
                      static_cast<std::size_t>(encoded.size()));
}

ByteBuffer photoSized() {
    QImage image(1920, 1080, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 1920, 1080);
    gradient.setColorAt(0, Qt::darkCyan);
    gradient.setColorAt(1, Qt::yellow);
    painter.fillRect(image.rect(), gradient);
    for (int i = 0; i < 400; ++i) {
        painter.setBrush(QColor::fromHsv((i * 37) % 360, 200, 220));
        painter.drawEllipse(QPoint((i * 151) % 1920, (i * 97) % 1080), 40, 40);
    }
    painter.end();
    return jpegBytes(image);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    WindowLayer layer(argc, argv);
    benchmark::Initialize(&argc, argv);
    const std::filesystem::path images =
        std::filesystem::path(utf8FromGbk(runDirectory())) / "images";
    std::filesystem::create_directories(images);

    // A server that is not there: the window opens with its connection refused at once.
    const WindowDefinition definition =
        gallery::galleryWindowDefinitionFor(gallery::ServerEndpoint{"127.0.0.1", 1});
    loadWindow(definition, Modality::Modeless);
    Window* window = openWindow(definition);

    QFile sampleFile(ZANVIK_SAMPLE_PICTURE);
    sampleFile.open(QIODevice::ReadOnly);
    const QByteArray sampleBytes = sampleFile.readAll();
    const std::map<std::string, ByteBuffer> pictures{
        {"sample", ByteBuffer(reinterpret_cast<const std::uint8_t*>(sampleBytes.constData()),
                              static_cast<std::size_t>(sampleBytes.size()))},
        {"photo1080p", photoSized()}};
    for (const auto& [name, picture] : pictures) {
        using Run = void (*)(benchmark::State&, Window*, ByteBuffer);
        const std::pair<const char*, Run> runs[] = {{"checked", finishWithCheck},
                                                    {"unchecked", finishWithoutCheck}};
        for (const auto& [kind, run] : runs) {
            benchmark::RegisterBenchmark((std::string(kind) + "_" + name).c_str(), run, window,
                                         picture)
                ->Unit(benchmark::kMicrosecond)
                ->Repetitions(5)
                ->ReportAggregatesOnly(true);
        }
    }
    zanvik::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const auto& [name, picture] : pictures) {
        const double checked = reporter.medians["checked_" + name].real;
        const double unchecked = reporter.medians["unchecked_" + name].real;
        std::printf(
            "%s (%d bytes): finishDownload %.0f us, without the check %.0f us, ratio %.2f\n",
            name.c_str(), picture.length(), checked, unchecked,
            unchecked > 0 ? checked / unchecked : 0.0);
    }
    window->close();
    processPendingEvents();
    std::filesystem::remove_all(images);
    benchmark::Shutdown();
    return 0;
}
