#include "ExArea.h"
#include "ExGeneralParts.h"
#include "ExHeadlessView.h"
#include "ExPillarParts.h"
#include "KORVANEXDoc.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// An area of 1000 vertices on a circle of 10 m and 100 pillars of 30 cm in a grid inside it,
// updated as the view does after every change.
void BM_UpdateAreaWithThousandVerticesAndHundredPillars(benchmark::State& state) {
    CKORVANEXDoc doc;
    CExHeadlessView view(100, 25, 25, 96);
    view.SetDocument(&doc);
    ExActiveViewScope active(&view);

    CExGeneralParts item;
    const char square[] = {0, 0, 0, -1, 0, -1, 1, 0, 0, 1,  0, -1, 1, 0, 0, 1, 0, 1,
                           1, 0, 0, -1, 0, 1,  1, 0, 0, -1, 0, -1, 7, 0, 0, 0, 0, 0};
    item.LoadShape(square, sizeof square);
    item.SetPartsCode(20101);
    item.SetWidth(30000);
    item.SetHeight(30000);
    for (int i = 0; i < 100; ++i) {
        doc.AddElement(CExPillarParts::CreateFromLibrary(
            item, {1250000 + (i % 10 - 5) * 100000, 1250000 + (i / 10 - 5) * 100000}));
    }

    CExArea area;
    for (int i = 0; i < 1000; ++i) {
        const double a = i * 2 * 3.141592653589 / 1000;
        const ExPoint p{1250000 + static_cast<int>(1000000 * std::cos(a)),
                        1250000 + static_cast<int>(1000000 * std::sin(a))};
        if (i == 0) {
            area.AddPoint(p);
        } else if (i == 1) {
            area.SetLastPoint(p);
        } else {
            area.AddPoint(p);
        }
    }
    area.SetLabelWidth(20000);
    area.SetLabelHeight(30000);
    for (auto _ : state) {
        area.UpdateParts();
        benchmark::DoNotOptimize(area.GetAreaText());
    }
    state.counters["pillarsInside"] = area.GetPillarCount();
}
BENCHMARK(BM_UpdateAreaWithThousandVerticesAndHundredPillars)->Unit(benchmark::kMicrosecond);

} // namespace
