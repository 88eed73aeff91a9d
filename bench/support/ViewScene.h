#pragma once

// A drawing of general parts scattered over a sheet that a 1920 × 1080 view shows whole at
// 1/100, painted into the view's layers as the window would.

#include "DrawingDecision.h"
#include "ExAppServices.h"
#include "ExHeadlessView.h"
#include "KORVANEXDoc.h"
#include "ViewGeometry.h"
#include "ViewRenderer.h"
#include "support/ScatteredParts.h"

#include <QSize>

#include <filesystem>
#include <optional>

constexpr QSize kClient(1920, 1080);
// 50 m × 28 m at 1/100 fills the client.
constexpr int kMapWidth = 50;
constexpr int kMapHeight = 28;
constexpr int kScale = 100;

// A drawing of general parts scattered over the sheet, painted by a view of the full client.
struct Scene {
    CKORVANEXDoc doc;
    CExHeadlessView context;
    CViewGeometry geometry;
    ExGridLayout grid;
    CViewRenderer renderer;
    ExPaintSwitches switches;
    bool recalcAll = true;

    // With a middle, the window is scrolled to show that point of the sheet in its centre.
    explicit Scene(int parts, int scale = kScale, const ExDrawingDefaults& defaults = {},
                   QSize sheetMetres = {kMapWidth, kMapHeight},
                   std::optional<ExPoint> middle = std::nullopt)
        : context(scale, sheetMetres.width(), sheetMetres.height(), 96) {
        AddScatteredParts(doc, parts, sheetMetres.width(), sheetMetres.height());
        Show(scale, defaults, sheetMetres, middle);
    }

    // The drawing of a file, opened, with the window scrolled to a point of the sheet.
    Scene(const std::filesystem::path& file, int scale, QSize sheetMetres, ExPoint middle)
        : context(scale, sheetMetres.width(), sheetMetres.height(), 96) {
        doc.OnOpenDocument(file);
        Show(scale, {}, sheetMetres, middle);
    }

    void Render() {
        ExActiveViewScope active(&context);
        renderer.Render(doc, geometry, grid, switches, recalcAll);
    }

private:
    void Show(int scale, const ExDrawingDefaults& defaults, QSize sheetMetres,
              std::optional<ExPoint> middle) {
        geometry.SetDpi(96);
        geometry.SetViewScale(scale);
        geometry.SetMapSize(sheetMetres.width(), sheetMetres.height());
        geometry.SetClientSize(kClient);
        geometry.Layout();
        grid = ExGridLayout::Compute(scale, geometry, defaults);
        renderer.CreateLayers(geometry, 1.0);
        switches.decision = CExDrawingDecision::ForView(excommand::kLayoutView, true, true);
        switches.showGrid = false;
        if (middle) {
            const QPoint pixel = geometry.DrawingToPixel(*middle);
            geometry.SetScroll(pixel - QPoint(kClient.width() / 2, kClient.height() / 2));
        }
        Render();
    }
};
