// What a click, a drag step, a rubber band and undo cost in a large drawing: each runs at
// 1 000 and at 100 000 twenty-line parts, so that a cost that grows with the drawing shows.

#include "ExEdit.h"
#include "ExGeneralParts.h"
#include "ExHeadlessView.h"
#include "ExHitTest.h"
#include "ExMoveDrag.h"
#include "KORVANEXDoc.h"
#include "support/TwentyLineShape.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <memory>

namespace {

constexpr int kColumns = 500;
constexpr int kColumnStep = 5000; // 5 cm
constexpr int kRowStep = 12000;   // 12 cm

// The parts stand in rows of 500 over the sheet, the first row at the bottom, each part
// brought up to date so that it can be hit.
struct Drawing {
    CExHeadlessView view{100, 25, 25, 96};
    CKORVANEXDoc doc;

    explicit Drawing(int parts) {
        ExActiveViewScope active(&view);
        const std::string shape = TwentyLineShape();
        for (int i = 0; i < parts; ++i) {
            auto part = std::make_unique<CExGeneralParts>();
            part->LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
            part->SetPartsCode(70101);
            part->SetPartsName("desk");
            part->SetPosition(30000 + (i % kColumns) * kColumnStep,
                              30000 + (i / kColumns) * kRowStep);
            part->UpdateParts();
            part->RecalcParts();
            doc.AddElement(std::move(part));
        }
    }
};

Drawing& DrawingOf(int parts) {
    static std::map<int, std::unique_ptr<Drawing>> drawings;
    auto& drawing = drawings[parts];
    if (!drawing) {
        drawing = std::make_unique<Drawing>(parts);
    }
    return *drawing;
}

ExPoint InView(const Drawing& drawing, ExPoint p) {
    drawing.view.ToViewPoint(p);
    return p;
}

// A click on the first part of the drawing: every part above it is tested first.
void BM_ClickHitsTheBottomPart(benchmark::State& state) {
    Drawing& drawing = DrawingOf(static_cast<int>(state.range(0)));
    const ExPoint click = InView(drawing, {30000, 30000});
    for (auto _ : state) {
        benchmark::DoNotOptimize(HitTopmost(drawing.doc, click, {}));
    }
}
BENCHMARK(BM_ClickHitsTheBottomPart)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// A click on an empty place: every part is tested.
void BM_ClickHitsNothing(benchmark::State& state) {
    Drawing& drawing = DrawingOf(static_cast<int>(state.range(0)));
    const ExPoint click = InView(drawing, {2490000, 2490000});
    for (auto _ : state) {
        benchmark::DoNotOptimize(HitTopmost(drawing.doc, click, {}));
    }
}
BENCHMARK(BM_ClickHitsNothing)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// One pointer move while one selected part is dragged.
void BM_MoveStepOfOnePart(benchmark::State& state) {
    Drawing& drawing = DrawingOf(static_cast<int>(state.range(0)));
    ExActiveViewScope active(&drawing.view);
    CExParts* part = drawing.doc.ElementAt(drawing.doc.GetElementCount() / 2);
    drawing.doc.Selection().Select(part);
    const ExPoint press = part->GetPosition();
    CExEditRecorder rec(drawing.doc, "move");
    CExMoveDrag drag(rec, drawing.view, press);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(drag.Step(press + ExPoint{(++i % 2) * 1000, 0}));
    }
    drag.Step(press);
    drawing.doc.Selection().Clear();
}
BENCHMARK(BM_MoveStepOfOnePart)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// A rubber band around the first 10 000 parts (or the whole smaller drawing), which are found
// and selected.
void BM_RubberBandSelects(benchmark::State& state) {
    Drawing& drawing = DrawingOf(static_cast<int>(state.range(0)));
    const int rows = std::min<int>(20, static_cast<int>(state.range(0)) / kColumns);
    const ExPoint low = InView(drawing, {0, 0});
    // Above the top corners of the last row taken (a part reaches 24 414 from its centre), below
    // those of the next.
    const ExPoint high = InView(drawing, {2600000, 30000 + (rows - 1) * kRowStep + 30000});
    std::size_t selected = 0;
    for (auto _ : state) {
        for (CExParts* part : PartsInsideRect(drawing.doc, {low.x, high.y, high.x, low.y}, {})) {
            drawing.doc.Selection().Add(part);
        }
        selected = drawing.doc.Selection().Count();
        drawing.doc.Selection().Clear();
    }
    state.counters["selected"] = static_cast<double>(selected);
}
BENCHMARK(BM_RubberBandSelects)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The edit of a one-part move: how long its undo and redo take, and what it holds.
std::unique_ptr<CExEdit> OnePartMove(Drawing& drawing, int which) {
    CExParts* part = drawing.doc.ElementAt(static_cast<std::size_t>(which));
    drawing.doc.Selection().Select(part);
    CExEditRecorder rec(drawing.doc, "move");
    CExMoveDrag drag(rec, drawing.view, part->GetPosition());
    drag.Step(part->GetPosition() + ExPoint{1000, 1000});
    drawing.doc.Selection().Clear();
    return rec.Finish();
}

void BM_UndoAndRedoOfAOnePartMove(benchmark::State& state) {
    Drawing& drawing = DrawingOf(static_cast<int>(state.range(0)));
    ExActiveViewScope active(&drawing.view);
    const auto edit = OnePartMove(drawing, 7);
    for (auto _ : state) {
        edit->Undo(drawing.doc);
        edit->Redo(drawing.doc);
    }
    edit->Undo(drawing.doc);
}
BENCHMARK(BM_UndoAndRedoOfAOnePartMove)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_MemoryOfAHundredOnePartMoves(benchmark::State& state) {
    Drawing& drawing = DrawingOf(static_cast<int>(state.range(0)));
    ExActiveViewScope active(&drawing.view);
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::vector<std::unique_ptr<CExEdit>> history;
        bytes = 0;
        for (int i = 0; i < 100; ++i) {
            history.push_back(OnePartMove(drawing, i));
            bytes += history.back()->MemoryBytes();
        }
        for (auto it = history.rbegin(); it != history.rend(); ++it) {
            (*it)->Undo(drawing.doc);
        }
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_MemoryOfAHundredOnePartMoves)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
