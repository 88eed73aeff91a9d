// What the parts index buys on a huge drawing: with the view zoomed in (1/50, a screenful of a few
// hundred parts at one part per square metre), scrolling, a click's hit test, a rubber band over
// the window, the repaint after moving one part and a snapping pointer move should cost about
// the same in a drawing of 1 000 parts as in one of 1 000 000.

#include "ExHitTest.h"
#include "ExSnap.h"
#include "support/ViewScene.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <memory>
#include <random>

namespace {

constexpr int kZoomedScale = 50;

// One part per square metre on a square sheet, the window scrolled to its middle.
Scene& ZoomedScene(int parts) {
    static std::map<int, std::unique_ptr<Scene>> scenes;
    auto& scene = scenes[parts];
    if (!scene) {
        const int side = static_cast<int>(std::ceil(std::sqrt(double(parts))));
        scene = std::make_unique<Scene>(parts, kZoomedScale, ExDrawingDefaults{}, QSize(side, side),
                                        ExPoint{side * 50000, side * 50000});
    }
    return *scene;
}

// What opening the drawing costs after its file is read: every part worked out for the view, the
// index built, and the window painted.
void BM_ZoomedFirstPaint(benchmark::State& state) {
    Scene& scene = ZoomedScene(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        // As read from a file: every part marked for drawing.
        for (const auto& part : scene.doc.Elements()) {
            part->SetRedrawFlag(1);
        }
        scene.recalcAll = true;
        scene.renderer.InvalidateAll();
        scene.Render();
        benchmark::DoNotOptimize(scene.renderer.Composite().constBits());
    }
}
BENCHMARK(BM_ZoomedFirstPaint)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// What the window shows, in view units.
ExRect WindowViewRect(Scene& scene) {
    ExPoint a = scene.geometry.PixelToDrawing({0, 0});
    ExPoint b = scene.geometry.PixelToDrawing({kClient.width() - 1, kClient.height() - 1});
    scene.context.ToViewPoint(a);
    scene.context.ToViewPoint(b);
    return {a.x, a.y, b.x, b.y};
}

// A view-unit point under a random pixel of the window.
ExPoint RandomViewPoint(Scene& scene, std::mt19937& random) {
    std::uniform_int_distribution<int> x(0, kClient.width() - 1);
    std::uniform_int_distribution<int> y(0, kClient.height() - 1);
    ExPoint point = scene.geometry.PixelToDrawing({x(random), y(random)});
    scene.context.ToViewPoint(point);
    return point;
}

void BM_ZoomedScrollOneLine(benchmark::State& state) {
    Scene& scene = ZoomedScene(static_cast<int>(state.range(0)));
    const QPoint start = scene.geometry.Scroll();
    const int line = kClient.height() / 10;
    int direction = 1;
    for (auto _ : state) {
        scene.geometry.SetScroll(start + QPoint(0, direction > 0 ? line : 0));
        scene.renderer.Scrolled({0, -direction * line});
        scene.Render();
        direction = -direction;
        benchmark::DoNotOptimize(scene.renderer.Composite().constBits());
    }
    scene.geometry.SetScroll(start);
}
BENCHMARK(BM_ZoomedScrollOneLine)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_ZoomedClickHitTest(benchmark::State& state) {
    Scene& scene = ZoomedScene(static_cast<int>(state.range(0)));
    ExActiveViewScope active(&scene.context);
    const ExHitContext context = HitContextOf(scene.context);
    std::mt19937 random(3);
    for (auto _ : state) {
        benchmark::DoNotOptimize(HitTopmost(scene.doc, RandomViewPoint(scene, random), context));
    }
}
BENCHMARK(BM_ZoomedClickHitTest)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_ZoomedRubberBandOverTheWindow(benchmark::State& state) {
    Scene& scene = ZoomedScene(static_cast<int>(state.range(0)));
    ExActiveViewScope active(&scene.context);
    const ExHitContext context = HitContextOf(scene.context);
    for (auto _ : state) {
        benchmark::DoNotOptimize(PartsInsideRect(scene.doc, WindowViewRect(scene), context));
    }
}
BENCHMARK(BM_ZoomedRubberBandOverTheWindow)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// A part in the window moves by 10 cm and back; the window is painted again where it was and is.
void BM_ZoomedRepaintAfterOneMove(benchmark::State& state) {
    Scene& scene = ZoomedScene(static_cast<int>(state.range(0)));
    ExActiveViewScope active(&scene.context);
    std::mt19937 random(5);
    CExParts* part = HitTopmost(scene.doc, RandomViewPoint(scene, random), {});
    for (int tries = 0; !part && tries < 100; ++tries) {
        part = HitTopmost(scene.doc, RandomViewPoint(scene, random), {});
    }
    const ExPoint home = part->GetPosition();
    int step = 0;
    for (auto _ : state) {
        const ExRect before = part->GetUpdateRect();
        const int offset = (++step % 2) * 10000;
        part->SetPosition(home.x + offset, home.y);
        part->UpdateParts();
        part->RecalcParts();
        for (const ExRect& rect : {before, part->GetUpdateRect()}) {
            scene.renderer.Invalidate(scene.geometry.ViewRectToPixels(rect));
        }
        scene.Render();
        benchmark::DoNotOptimize(scene.renderer.Composite().constBits());
    }
}
BENCHMARK(BM_ZoomedRepaintAfterOneMove)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// A snapping pointer move next to a corner of a part in the window, each time another part: the
// corner is found in the index and then taken exactly, which works the part out twice.
void BM_SnapPointerMove(benchmark::State& state) {
    Scene& scene = ZoomedScene(static_cast<int>(state.range(0)));
    ExActiveViewScope active(&scene.context);
    const std::vector<CExParts*> shown = scene.doc.PartsIndex().PartsMeeting(WindowViewRect(scene));
    const ExSnapRules rules{{10000, 10000}, 6 * 2540 / 96};
    std::size_t next = 0;
    for (auto _ : state) {
        const ExPoint corner = shown[next++ % shown.size()]->CornerPoints()[0];
        const ExPoint near{scene.context.ToDrawingLength(corner.x + 20),
                           scene.context.ToDrawingLength(corner.y - 20)};
        benchmark::DoNotOptimize(SnapPoint(scene.doc, scene.context, near, rules));
    }
}
BENCHMARK(BM_SnapPointerMove)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
