#include "ExFileIO.h"
#include "ExGeneralParts.h"
#include "ExHeadlessView.h"
#include "KORVANEXDoc.h"
#include "support/SavedByChild.h"
#include "support/TwentyLineShape.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

namespace {

constexpr int kParts = 100000;

// A drawing of 100 000 twenty-line library parts spread over a 25 m sheet.
void SaveDrawing(const std::filesystem::path& file) {
    CExHeadlessView view;
    ExActiveViewScope active(&view);
    CKORVANEXDoc doc;
    const std::string shape = TwentyLineShape();
    for (int i = 0; i < kParts; ++i) {
        auto part = std::make_unique<CExGeneralParts>();
        part->LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
        part->SetPartsCode(70101);
        part->SetPartsName("desk");
        part->SetPosition((i % 500) * 5000, (i / 500) * 12000);
        part->UpdateParts();
        doc.AddElement(std::move(part));
    }
    doc.OnSaveDocument(file);
}

const std::filesystem::path& GeneratedDrawing() {
    static const std::filesystem::path path = SavedByChild("qp-bench-100k.qlp", SaveDrawing);
    return path;
}

void BM_PlainReadOfTheFile(benchmark::State& state) {
    const auto& file = GeneratedDrawing();
    std::string block(1 << 20, '\0');
    for (auto _ : state) {
        std::error_code error;
        exfile::FileSource source;
        source.Open(file, error);
        while (source.Read(block.data(), block.size()) > 0) {
            benchmark::DoNotOptimize(block.data());
        }
    }
    state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(file));
}
BENCHMARK(BM_PlainReadOfTheFile)->Unit(benchmark::kMillisecond);

void BM_LoadDrawing(benchmark::State& state) {
    const auto& file = GeneratedDrawing();
    for (auto _ : state) {
        CKORVANEXDoc doc;
        doc.OnOpenDocument(file);
        benchmark::DoNotOptimize(doc.GetElementCount());
    }
    state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(file));
}
BENCHMARK(BM_LoadDrawing)->Unit(benchmark::kMillisecond);

void BM_SaveDrawing(benchmark::State& state) {
    const auto& file = GeneratedDrawing();
    CExHeadlessView view;
    ExActiveViewScope active(&view);
    CKORVANEXDoc doc;
    doc.OnOpenDocument(file);
    const auto target = std::filesystem::temp_directory_path() / "qp-bench-100k-saved.qlp";
    for (auto _ : state) {
        doc.OnSaveDocument(target);
    }
    state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(file));
}
BENCHMARK(BM_SaveDrawing)->Unit(benchmark::kMillisecond);

} // namespace
