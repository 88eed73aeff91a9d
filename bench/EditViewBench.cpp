// What a user feels while editing a large drawing: one step of dragging a selected part with the
// repaint of the window that follows, at 1 000 and at 100 000 parts.

#include "ExEdit.h"
#include "ExMoveDrag.h"
#include "support/ViewScene.h"

#include <benchmark/benchmark.h>

namespace {

// One pointer step of a move drag of the middle part, then the paint that shows it.
void BM_DragStepAndRepaint(benchmark::State& state) {
    Scene scene(static_cast<int>(state.range(0)));
    CExParts* part = scene.doc.ElementAt(scene.doc.GetElementCount() / 2);
    scene.doc.Selection().Select(part);
    ExActiveViewScope active(&scene.context);
    CExEditRecorder recorder(scene.doc, "移動");
    const ExPoint press = part->GetPosition();
    CExMoveDrag drag(recorder, scene.context, press);
    int step = 0;
    for (auto _ : state) {
        const int offset = (++step % 2) * 10000;
        drag.Step({press.x + offset, press.y + offset});
        scene.renderer.Render(scene.doc, scene.geometry, scene.grid, scene.switches,
                              scene.recalcAll);
        benchmark::DoNotOptimize(scene.renderer.Composite().constBits());
    }
}
BENCHMARK(BM_DragStepAndRepaint)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
