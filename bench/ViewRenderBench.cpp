// Painting a large drawing into a view's layers, against the least any painting of the same
// lines could cost: a bare QPainter loop over the lines the parts keep.

#include "support/ViewScene.h"

#include <QImage>
#include <QPainter>
#include <QPen>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <string>

namespace {

Scene& SharedScene(int parts) {
    static std::unique_ptr<Scene> scene;
    if (!scene || static_cast<int>(scene->doc.GetElementCount()) != parts) {
        scene.reset();
        scene = std::make_unique<Scene>(parts);
    }
    return *scene;
}

void BM_FullRepaint(benchmark::State& state) {
    Scene& scene = SharedScene(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        scene.recalcAll = true;
        scene.renderer.InvalidateAll();
        scene.Render();
        benchmark::DoNotOptimize(scene.renderer.Composite().constBits());
    }
}
BENCHMARK(BM_FullRepaint)->Arg(100000)->Unit(benchmark::kMillisecond);

// The floor: the lines the parts already keep, mapped and drawn one by one with their pens.
void BM_BareQPainterLoop(benchmark::State& state) {
    Scene& scene = SharedScene(static_cast<int>(state.range(0)));
    QImage image(kClient, QImage::Format_RGB32);
    const QTransform transform = scene.geometry.ViewToPixelTransform();
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        for (const auto& part : scene.doc.Elements()) {
            const ExColor color = part->GetColor();
            painter.setPen(
                QPen(QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF), 1));
            for (const CExPartsDrawLine& line : part->DrawLines()) {
                const QPointF from = transform.map(QPointF(line.viewStart.x, line.viewStart.y));
                const QPointF to = transform.map(QPointF(line.viewEnd.x, line.viewEnd.y));
                painter.drawLine(QPointF(std::round(from.x()), std::round(from.y())),
                                 QPointF(std::round(to.x()), std::round(to.y())));
            }
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_BareQPainterLoop)->Arg(100000)->Unit(benchmark::kMillisecond);

// Nothing flagged, nothing invalid: the picture is only composed again.
void BM_CachedRepaint(benchmark::State& state) {
    Scene& scene = SharedScene(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        scene.Render();
        benchmark::DoNotOptimize(scene.renderer.Composite().constBits());
    }
}
BENCHMARK(BM_CachedRepaint)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// One line is a tenth of the client: the base picture moves and the uncovered strip is painted.
void BM_ScrollOneLine(benchmark::State& state) {
    Scene& scene = SharedScene(static_cast<int>(state.range(0)));
    const int line = kClient.height() / 10;
    scene.geometry.SetScroll({0, 0});
    scene.renderer.InvalidateAll();
    scene.Render();
    int direction = 1;
    for (auto _ : state) {
        scene.geometry.SetScroll({0, direction > 0 ? line : 0});
        scene.renderer.Scrolled({0, -direction * line});
        scene.Render();
        direction = -direction;
        benchmark::DoNotOptimize(scene.renderer.Composite().constBits());
    }
}
BENCHMARK(BM_ScrollOneLine)->Arg(100000)->Unit(benchmark::kMillisecond);

// The grid at the default settings (1/100), at the largest lattices the settings accept
// (200 cm × 30 at 1/10, 20 m × 30 at 1/130) and at the finest interval that is still drawn
// (2 cm at 1/129, a mark every 0.6 pixel).
struct GridCase {
    int scale;
    ExDrawingDefaults defaults;
};

GridCase GridCaseAt(int index) {
    GridCase grid{kScale, {}};
    if (index == 1) {
        grid.scale = 10;
        grid.defaults.gridBigIntervalXCm = grid.defaults.gridBigIntervalYCm = 200;
        grid.defaults.largeLatticeBigX = grid.defaults.largeLatticeBigY = 30;
    } else if (index == 2) {
        grid.scale = 130;
        grid.defaults.gridSmallIntervalXM = grid.defaults.gridSmallIntervalYM = 20;
        grid.defaults.largeLatticeSmallX = grid.defaults.largeLatticeSmallY = 30;
    } else if (index == 3) {
        grid.scale = 129;
        grid.defaults.gridBigIntervalXCm = grid.defaults.gridBigIntervalYCm = 2;
    }
    return grid;
}

std::unique_ptr<Scene> GridScene(int index) {
    const GridCase grid = GridCaseAt(index);
    auto scene = std::make_unique<Scene>(1000, grid.scale, grid.defaults);
    scene->switches.showGrid = true;
    scene->Render();
    return scene;
}

void ReportGridMemory(benchmark::State& state, Scene& scene) {
    state.counters["grid_MiB"] =
        double(scene.renderer.Layers().Grid().sizeInBytes()) / (1024.0 * 1024.0);
}

// The grid shown, nothing flagged: the picture is only composed again.
void BM_CachedRepaintWithGrid(benchmark::State& state) {
    const std::unique_ptr<Scene> scene = GridScene(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        scene->Render();
        benchmark::DoNotOptimize(scene->renderer.Composite().constBits());
    }
    ReportGridMemory(state, *scene);
}
BENCHMARK(BM_CachedRepaintWithGrid)
    ->DenseRange(0, 3)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// The marks drawn afresh, as after a zoom or a change of the settings.
void BM_GridRedraw(benchmark::State& state) {
    const std::unique_ptr<Scene> scene = GridScene(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        scene->renderer.InvalidateGrid();
        scene->Render();
        benchmark::DoNotOptimize(scene->renderer.Composite().constBits());
    }
    ReportGridMemory(state, *scene);
}
BENCHMARK(BM_GridRedraw)->DenseRange(0, 3)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// One line is a tenth of the client: the marks move with the sheet and the uncovered strip gets
// its marks.
void BM_ScrollOneLineWithGrid(benchmark::State& state) {
    const std::unique_ptr<Scene> scene = GridScene(static_cast<int>(state.range(0)));
    const int line = kClient.height() / 10;
    int direction = 1;
    for (auto _ : state) {
        scene->geometry.SetScroll({0, direction > 0 ? line : 0});
        scene->renderer.Scrolled({0, -direction * line});
        scene->Render();
        direction = -direction;
        benchmark::DoNotOptimize(scene->renderer.Composite().constBits());
    }
    ReportGridMemory(state, *scene);
}
BENCHMARK(BM_ScrollOneLineWithGrid)
    ->DenseRange(0, 3)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
