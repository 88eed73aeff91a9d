// Reading a library category as the thumbnail panel does: the shape files of the category, each
// part loaded and drawn as its 64 × 64 picture.

#include "ExParts.h"
#include "ExPartsLibrary.h"
#include "Thumbnail.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

const std::filesystem::path kLibrary = std::filesystem::path(QP_RUNTIME_DIR) / "部品";

void BM_ListWholeLibrary(benchmark::State& state) {
    std::size_t files = 0;
    for (auto _ : state) {
        files = ListShapeFiles(kLibrary).size();
        benchmark::DoNotOptimize(files);
    }
    state.counters["files"] = static_cast<double>(files);
}
BENCHMARK(BM_ListWholeLibrary)->Unit(benchmark::kMillisecond);

// The largest category shipped, with its pictures.
void BM_LoadCategoryWithThumbnails(benchmark::State& state) {
    const auto files = ListShapeFiles(kLibrary / "11家庭用家具");
    for (auto _ : state) {
        for (const auto& file : files) {
            auto part = LoadLibraryPart(file);
            if (part) {
                benchmark::DoNotOptimize(RenderThumbnail(*part));
            }
        }
    }
    state.counters["parts"] = static_cast<double>(files.size());
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(files.size()));
}
BENCHMARK(BM_LoadCategoryWithThumbnails)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
