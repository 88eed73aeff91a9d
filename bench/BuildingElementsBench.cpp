#include "ExHeadlessView.h"
#include "ExOuterWallParts.h"
#include "ExRoomParts.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

// A closed wall of 1000 segments zigzagging round a 20 m building: every corner is a mitre
// of about 64 degrees, so every corner is a true intersection of the offsets.
std::unique_ptr<CExOuterWallParts> ThousandSegmentWall() {
    CExOuterWallParts source;
    constexpr int kSegments = 1000;
    auto corner = [](int i) {
        const double a = i * 2 * 3.141592653589793 / kSegments;
        const double r = i % 2 == 0 ? 1000000 : 990000;
        return ExPoint{static_cast<int>(r * std::cos(a)), static_cast<int>(r * std::sin(a))};
    };
    for (int i = 0; i < kSegments; ++i) {
        CExPartsDrawLine line;
        line.scaledStart = corner(i);
        line.scaledEnd = corner((i + 1) % kSegments);
        source.AddDrawLine(line);
    }
    source.SetThickness(15000);
    return CExOuterWallParts::CreateCopy(source);
}

void BM_OutlineOfAThousandSegmentWall(benchmark::State& state) {
    auto wall = ThousandSegmentWall();
    for (auto _ : state) {
        wall->CalcOutline();
        benchmark::DoNotOptimize(wall->RightLines().data());
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_OutlineOfAThousandSegmentWall);

// A six-mat room resized a thousand times between six and twelve mats: every step re-fits the
// mats and recomputes the whole room, as the view does while a resize handle moves.
void BM_RoomResizedAThousandTimes(benchmark::State& state) {
    CExHeadlessView view(50, 25, 25, 96);
    ExActiveViewScope active(&view);
    CExRoomParts room;
    room.SetPartsCode(30203);
    room.SetThickness(12000);
    room.SetMatWidth(90000);
    room.SetMatLength(180000);
    room.SetPosition(1000000, 1000000);
    room.UpdateParts();
    int layouts = 0;
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            // Between six mats and twelve, by factors from the size it has.
            const double width = i % 2 == 0 ? 451200 : 282000;
            const double height = i % 2 == 0 ? 595200 : 372000;
            room.SetScaleX(width / room.GetWidth());
            room.SetScaleY(height / room.GetHeight());
            room.UpdateParts();
            room.SetScaleX(1.0);
            room.SetScaleY(1.0);
            room.RecalcParts();
            layouts += room.GetLayoutType();
        }
    }
    benchmark::DoNotOptimize(layouts);
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_RoomResizedAThousandTimes)->Unit(benchmark::kMillisecond);

} // namespace
