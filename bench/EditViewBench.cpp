// What a user feels while editing a large drawing: one step of dragging a selected part with the
// repaint of the window that follows, at 1 000 and at 100 000 parts.

#include "DrawingDecision.h"
#include "ExAppServices.h"
#include "ExEdit.h"
#include "ExGeneralParts.h"
#include "ExHeadlessView.h"
#include "ExMoveDrag.h"
#include "KORVANEXDoc.h"
#include "ViewGeometry.h"
#include "ViewRenderer.h"
#include "support/TwentyLineShape.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

namespace {

constexpr QSize kClient(1920, 1080);
constexpr int kMapWidth = 50;
constexpr int kMapHeight = 28;
constexpr int kScale = 100;

struct Scene {
    CKORVANEXDoc doc;
    CExHeadlessView context{kScale, kMapWidth, kMapHeight, 96};
    CViewGeometry geometry;
    ExGridLayout grid;
    CViewRenderer renderer;
    ExPaintSwitches switches;
    bool recalcAll = true;

    explicit Scene(int parts) {
        const std::string shape = TwentyLineShape();
        std::mt19937 random(7);
        std::uniform_int_distribution<int> x(20000, kMapWidth * 100000 - 20000);
        std::uniform_int_distribution<int> y(20000, kMapHeight * 100000 - 20000);
        for (int i = 0; i < parts; ++i) {
            auto part = std::make_unique<CExGeneralParts>();
            part->LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
            part->SetWidth(30000);
            part->SetHeight(30000);
            part->SetPosition(x(random), y(random));
            doc.AddElement(std::move(part));
        }
        geometry.SetDpi(96);
        geometry.SetViewScale(kScale);
        geometry.SetMapSize(kMapWidth, kMapHeight);
        geometry.SetClientSize(kClient);
        geometry.Layout();
        grid = ExGridLayout::Compute(kScale, geometry, ExDrawingDefaults{});
        renderer.CreateLayers(geometry, 1.0);
        switches.decision = CExDrawingDecision::ForView(excommand::kLayoutView, true, true);
        switches.showGrid = false;
        Render();
    }

    void Render() {
        ExActiveViewScope active(&context);
        renderer.Render(doc, geometry, grid, switches, recalcAll);
    }
};

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
