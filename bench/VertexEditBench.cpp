// One pointer step of dragging a corner of an area measurement, which recomputes the area and
// looks for the pillars inside it, in a drawing of 1 000 and of 100 000 parts: the step must not
// cost more because the drawing is larger.

#include "ExArea.h"
#include "ExGeneralParts.h"
#include "ExHeadlessView.h"
#include "ExPillarParts.h"
#include "ExVertexEdit.h"
#include "KORVANEXDoc.h"
#include "support/ShapeBuilder.h"
#include "support/TwentyLineShape.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>
#include <string>

namespace {

constexpr int kMapWidth = 50;
constexpr int kMapHeight = 28;
constexpr ExPoint kCentre{2500000, 1400000};
constexpr int kRadius = 500000;
constexpr int kCorners = 200;
// One part in a hundred is a pillar; twenty more stand inside the area.
constexpr int kPillarEvery = 100;
constexpr int kPillarsInside = 20;

std::unique_ptr<CExPillarParts> PillarAt(const CExParts& item, ExPoint at) {
    auto pillar = CExPillarParts::CreateFromLibrary(item, at);
    pillar->UpdateParts();
    pillar->RecalcParts();
    return pillar;
}

struct Drawing {
    CKORVANEXDoc doc;
    CExHeadlessView view{100, kMapWidth, kMapHeight, 96};
    CExArea* area = nullptr;

    explicit Drawing(int parts) {
        view.SetDocument(&doc);
        ExActiveViewScope active(&view);
        CExGeneralParts item;
        const std::string square = ShapeBuilder().FullSquare().End().Bytes();
        item.LoadShape(square.data(), static_cast<unsigned>(square.size()));
        item.SetPartsCode(20101);
        item.SetWidth(30000);
        item.SetHeight(30000);
        for (int i = 0; i < kPillarsInside; ++i) {
            doc.AddElement(PillarAt(
                item, {kCentre.x + (i % 5 - 2) * 100000, kCentre.y + (i / 5 - 2) * 100000}));
        }
        const std::string shape = TwentyLineShape();
        std::mt19937 random(7);
        std::uniform_int_distribution<int> x(20000, kMapWidth * 100000 - 20000);
        std::uniform_int_distribution<int> y(20000, kMapHeight * 100000 - 20000);
        for (int i = kPillarsInside + 1; i < parts; ++i) {
            const ExPoint at{x(random), y(random)};
            const double fromCentre =
                std::hypot(double(at.x) - kCentre.x, double(at.y) - kCentre.y);
            // The pillars elsewhere stand outside the area, so that it counts the same ones at
            // every size.
            if (i % kPillarEvery == 0 && fromCentre > kRadius + 50000) {
                doc.AddElement(PillarAt(item, at));
                continue;
            }
            auto part = std::make_unique<CExGeneralParts>();
            part->LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
            part->SetWidth(30000);
            part->SetHeight(30000);
            part->SetPosition(at.x, at.y);
            part->UpdateParts();
            part->RecalcParts();
            doc.AddElement(std::move(part));
        }
        auto measured = std::make_unique<CExArea>();
        for (int i = 0; i < kCorners; ++i) {
            const double a = i * 2 * 3.141592653589 / kCorners;
            const ExPoint p{kCentre.x + static_cast<int>(kRadius * std::cos(a)),
                            kCentre.y + static_cast<int>(kRadius * std::sin(a))};
            if (i == 0) {
                measured->AddPoint(p);
            } else if (i == 1) {
                measured->SetLastPoint(p);
            } else {
                measured->AddPoint(p);
            }
        }
        measured->SetPartsCode(excode::kArea);
        measured->SetLabelWidth(20000);
        measured->SetLabelHeight(30000);
        area = static_cast<CExArea*>(doc.AddElement(std::move(measured)));
        area->UpdateParts();
    }
};

void BM_AreaCornerDragStep(benchmark::State& state) {
    Drawing drawing(static_cast<int>(state.range(0)));
    ExActiveViewScope active(&drawing.view);
    const ExPoint corner = drawing.area->Points()[0];
    CExVertexDrag drag(drawing.doc, drawing.view, *drawing.area, 0);
    int step = 0;
    for (auto _ : state) {
        const int offset = (++step % 2) * 10000;
        drag.Step({corner.x + offset, corner.y + offset});
        benchmark::DoNotOptimize(drawing.area->GetAreaText());
    }
    state.counters["pillarsInside"] = drawing.area->GetPillarCount();
    state.counters["pillars"] = static_cast<double>(drawing.doc.Pillars().size());
}
BENCHMARK(BM_AreaCornerDragStep)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace
