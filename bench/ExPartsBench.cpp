#include "ExArchive.h"
#include "ExHeadlessView.h"
#include "ExParts.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// A part whose shape is a closed 20-sided polygon.
std::unique_ptr<CExParts> MakeTwentyLinePart() {
    std::string records;
    auto add = [&](char command, int x, int y) {
        const char record[6] = {command,
                                0,
                                static_cast<char>(x & 0xFF),
                                static_cast<char>((x >> 8) & 0xFF),
                                static_cast<char>(y & 0xFF),
                                static_cast<char>((y >> 8) & 0xFF)};
        records.append(record, 6);
    };
    for (int i = 0; i <= 20; ++i) {
        const double a = i * 2 * 3.141592653589 / 20;
        add(i == 0 ? 0 : 1, static_cast<int>(250 * std::cos(a)),
            static_cast<int>(250 * std::sin(a)));
    }
    add(7, 0, 0);
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
