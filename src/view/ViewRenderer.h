#pragma once

#include "DrawingDecision.h"
#include "ExTypes.h"
#include "GridLayout.h"
#include "ViewLayers.h"

#include <QRect>
#include <QRegion>

class CExParts;
class CKORVANEXDoc;
class CViewGeometry;

class QPainter;

// What an editing tool shows while it works (a traced rectangle, a part being placed), drawn in
// client pixels over the selection.
class CViewOverlay {
public:
    virtual ~CViewOverlay() = default;
    // Client pixels the overlay covers; empty when it shows nothing.
    virtual QRect OverlayRect() const = 0;
    virtual void DrawOverlay(QPainter& painter) const = 0;
};

// What one paint of a view reads besides the document and the geometry.
struct ExPaintSwitches {
    CExDrawingDecision decision;
    bool showGrid = true;
    int editTool = 0;
    const CViewOverlay* overlay = nullptr;
    // Where the pointer snapped, shown over the tool's overlay.
    const CViewOverlay* snapMark = nullptr;
};

// Paints a document into a view's layers. Parts are recomputed only when flagged (or all after
// a zoom); only the base layer's invalid region is cleared and redrawn, so a repaint with nothing
// invalid costs the composition alone, whatever the number of parts. The caller makes its view
// the active view context while Render runs, since the parts convert through it.
class CViewRenderer {
public:
    // False when the layers cannot be had (out of memory).
    bool CreateLayers(const CViewGeometry& geometry, qreal ratio);
    void ReleaseLayers() { m_layers.Release(); }
    bool IsReady() const { return m_layers.IsReady(); }

    void InvalidateAll();
    // Client pixels whose parts must be drawn again.
    void Invalidate(const QRect& pixels);
    // The grid marks are drawn again at the next paint that shows them.
    void InvalidateGrid() { m_bGridStale = true; }
    // The sheet moved by this many client pixels: the base picture and the grid marks follow
    // and only the uncovered strips are painted again.
    void Scrolled(QPoint delta);
    bool HasInvalidBase() const { return !m_rgnInvalid.isEmpty(); }

    // Brings the layers up to date and composes the picture for the window. Clears recalcAll
    // once every part has been recomputed. False when the composition failed.
    bool Render(CKORVANEXDoc& doc, const CViewGeometry& geometry, const ExGridLayout& grid,
                const ExPaintSwitches& switches, bool& recalcAll);

    const QImage& Composite() const { return m_layers.Composite(); }
    CViewLayers& Layers() { return m_layers; }

private:
    void RecomputeParts(CKORVANEXDoc& doc, bool recalcAll) const;
    void PaintBase(CKORVANEXDoc& doc, const CViewGeometry& geometry,
                   const ExPaintSwitches& switches);
    void PaintSelection(CKORVANEXDoc& doc, const CViewGeometry& geometry,
                        const ExPaintSwitches& switches);
    void PaintSelectedParts(CKORVANEXDoc& doc, const CViewGeometry& geometry,
                            const ExPaintSwitches& switches, QPainter& painter);
    void PaintGrid(const CViewGeometry& geometry, const ExGridLayout& grid, bool showGrid);
    bool Compose(const CViewGeometry& geometry, bool showGrid);

    CViewLayers m_layers;
    QRegion m_rgnInvalid;
    QRect m_rcSelection; // client pixels the selection layer last drew on
    bool m_bGridStale = true;
    QRegion m_rgnGridInvalid; // strips scrolling uncovered on a grid layer otherwise up to date
};

// The view-unit rectangle of the sheet that a client pixel rectangle covers, limited to the
// sheet's bottom and right edges.
ExRect InvalidViewRect(const CViewGeometry& geometry, const QRect& pixels);
