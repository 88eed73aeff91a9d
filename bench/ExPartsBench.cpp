#include "ExArchive.h"
#include "ExHeadlessView.h"
#include "ExParts.h"
#include "support/TwentyLineShape.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// A part whose shape is a closed 20-sided polygon.
std::unique_ptr<CExParts> MakeTwentyLinePart() {
    const std::string records = TwentyLineShape();
    auto part = std::make_unique<CExParts>();
    part->LoadShape(records.data(), static_cast<unsigned>(records.size()));
    part->SetPosition(500000, 500000);
    part->SetAngle(30);
    return part;
}

void BM_UpdateAndRecalcTwentyLinePart(benchmark::State& state) {
    CExHeadlessView view(100, 25, 25, 96);
    ExActiveViewScope active(&view);
    auto part = MakeTwentyLinePart();
    for (auto _ : state) {
        part->UpdateParts();
        part->RecalcParts();
        benchmark::DoNotOptimize(part->GetUpdateRect());
    }
}
BENCHMARK(BM_UpdateAndRecalcTwentyLinePart);

void BM_SerializeTenThousandParts(benchmark::State& state) {
    auto part = MakeTwentyLinePart();
    part->UpdateParts();
    for (auto _ : state) {
        CExArchive out;
        for (int i = 0; i < 10000; ++i) {
            part->Serialize(out);
        }
        const std::string bytes = out.TakeStored();
        CExArchive in(bytes);
        for (int i = 0; i < 10000; ++i) {
            CExParts loaded;
            loaded.Serialize(in);
        }
        benchmark::DoNotOptimize(in.Remaining());
        state.SetBytesProcessed(state.bytes_processed() + 2 * static_cast<int64_t>(bytes.size()));
    }
}
BENCHMARK(BM_SerializeTenThousandParts)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
