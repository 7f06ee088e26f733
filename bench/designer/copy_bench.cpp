// The cost of one "复制图片" of template e (512 × 216): the whole copy sequence (capture, BMP
// encoding, temporary file written, read back and decoded, clipboard, pending events, file
// deleted) against the bare operation it wraps, rendering the same picture box into an image and
// handing it to the clipboard, measured in the same run. Prints both and their ratio (the
// target is at most 2), and the cost of each step of the sequence against the same baseline.
// Runs offscreen unless QT_QPA_PLATFORM says otherwise; the temporary file goes to $TMPDIR.
#include "bench/support/medianreporter.h"
#include "designer/copyimage.h"
#include "designer/designerwindow.h"
#include "foundation/services/bmpfile.h"
#include "foundation/services/clipboard.h"
#include "foundation/services/files.h"
#include "foundation/services/widgetcapture.h"
#include "foundation/windows/windowlayer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

namespace {

using namespace zanvik;

void copyTemplateE(benchmark::State& state, Window* window) {
    for (auto _ : state) {
        copyImage(*window, designer::templateE);
    }
}

void bareRenderAndSetImage(benchmark::State& state, Window* window) {
    QWidget* picture = window->control(designer::templateE.pictureBox).widget();
    for (auto _ : state) {
        QGuiApplication::clipboard()->setImage(renderWidgetArea(picture));
    }
}

// Every benchmark in microseconds, repeated so that the median shrugs off a busy machine.
benchmark::internal::Benchmark* configured(benchmark::internal::Benchmark* benchmark) {
    return benchmark->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);
}

// One step of the copy sequence on its own, with what it needs prepared outside the timing.
void registerSteps(Window* window) {
    QWidget* picture = window->control(designer::templateE.pictureBox).widget();
    const QImage image = renderWidgetArea(picture);
    const ByteBuffer bmp = encodeBmp24(image);
    const Text path = temporaryPath(designer::templateE);
    const auto add = [](const char* name, std::function<void()> step) {
        configured(benchmark::RegisterBenchmark(name, [step](benchmark::State& state) {
            for (auto _ : state) {
                step();
            }
        }));
    };
    add("step_render", [picture] { benchmark::DoNotOptimize(renderWidgetArea(picture)); });
    add("step_encode_bmp", [image] { benchmark::DoNotOptimize(encodeBmp24(image)); });
    add("step_read_file", [path, bmp] {
        if (!fileExists(path)) { // the other steps delete it
            writeFileBytes(path, bmp);
        }
        benchmark::DoNotOptimize(readFileBytes(path));
    });
    add("step_write_and_delete_file", [path, bmp] {
        writeFileBytes(path, bmp);
        deleteFile(path);
    });
    add("step_decode_and_set_clipboard", [bmp] { copyPictureToClipboard(bmp); });
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    WindowLayer layer(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (!loadWindow(designerWindowDefinition(), Modality::Modeless)) {
        std::fprintf(stderr, "the designer did not open\n");
        return 1;
    }
    Window* window = openWindow(designerWindowDefinition());
    window->control("高级选择夹1").setCurrentPage(4);
    processPendingEvents();

    configured(
        benchmark::RegisterBenchmark("bare_render_and_set_image", bareRenderAndSetImage, window));
    configured(benchmark::RegisterBenchmark("copy_template_e", copyTemplateE, window));
    registerSteps(window);
    zanvik::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const auto bare = reporter.medians["bare_render_and_set_image"];
    const auto copy = reporter.medians["copy_template_e"];
    if (bare.real > 0 && bare.cpu > 0) {
        std::printf("copy of template e: %.1f us (cpu %.1f us); bare render + setImage: %.1f us "
                    "(cpu %.1f us)\nratio %.2f (cpu %.2f), target <= 2 (medians)\n",
                    copy.real, copy.cpu, bare.real, bare.cpu, copy.real / bare.real,
                    copy.cpu / bare.cpu);
        for (const auto& [name, times] : reporter.medians) {
            if (name.rfind("step_", 0) == 0) {
                std::printf("  %-32s %8.1f us  %5.2f x bare (cpu %5.2f x)\n", name.c_str(),
                            times.real, times.real / bare.real, times.cpu / bare.cpu);
            }
        }
    }
    deleteFile(temporaryPath(designer::templateE));
    window->close();
    processPendingEvents();
    return 0;
}
