// A drawing of a million twenty-line parts (about 1 GB on disk) opened as the program opens one:
// the file read, every part worked out for a zoomed-in view, the index built and the window
// painted. Besides the time, it reports the heap the open drawing holds, per part too.

#include "ExHeadlessView.h"
#include "support/SavedByChild.h"
#include "support/ViewScene.h"

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <sys/resource.h>

#include <memory>

namespace {

constexpr int kParts = 1000000;
// One part per square metre.
constexpr int kSideMetres = 1000;
constexpr int kZoomedScale = 50;
constexpr double kMiB = 1024.0 * 1024.0;

void SaveDrawing(const std::filesystem::path& file) {
    CExHeadlessView view(kZoomedScale, kSideMetres, kSideMetres, 96);
    ExActiveViewScope active(&view);
    CKORVANEXDoc doc;
    AddScatteredParts(doc, kParts, kSideMetres, kSideMetres);
    for (const auto& part : doc.Elements()) {
        part->UpdateParts();
    }
    doc.OnSaveDocument(file);
}

std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void BM_OpenToFirstPaint(benchmark::State& state) {
    static const std::filesystem::path file = SavedByChild("qp-bench-1m.qlp", SaveDrawing);
    const ExPoint middle{kSideMetres * 50000, kSideMetres * 50000};
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        auto scene =
            std::make_unique<Scene>(file, kZoomedScale, QSize(kSideMetres, kSideMetres), middle);
        benchmark::DoNotOptimize(scene->renderer.Composite().constBits());
        state.PauseTiming();
        const double held = static_cast<double>(HeapInUse() - before);
        state.counters["heap_MiB"] = held / kMiB;
        state.counters["bytes_per_part"] = held / static_cast<double>(scene->doc.GetElementCount());
        scene.reset();
        state.ResumeTiming();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}
BENCHMARK(BM_OpenToFirstPaint)->Iterations(2)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
