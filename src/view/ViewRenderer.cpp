#include "ViewRenderer.h"

#include "ExMeasure.h"
#include "ExParts.h"
#include "ExRulerFollow.h"
#include "ExVertexEdit.h"
#include "KORVANEXDoc.h"
#include "QtPainterDC.h"
#include "ViewGeometry.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cstring>

namespace {

// Handles and selection frames reach a little beyond an element's update rectangle once
// rounded to pixels.
constexpr int kSelectionSlackPixels = 2;
// How far beyond the sheet's right and bottom edges the grid marks may stay, so that the marks
// on the edges are whole.
constexpr int kStripGap = 50;
constexpr QRgb kSheetBorderColour = qRgb(128, 128, 128);

bool Overlaps(const ExRect& a, const ExRect& b) {
    return a.left <= b.right && b.left <= a.right && a.bottom <= b.top && b.bottom <= a.top;
}

bool Contains(const ExRect& outer, const ExRect& inner) {
    return outer.left <= inner.left && inner.right <= outer.right && outer.bottom <= inner.bottom &&
           inner.top <= outer.top;
}

bool MeetsRect(const CExParts& part, const ExRect& rect) {
    const CExRgn& hit = part.HitRegion();
    const ExRect& bounds = part.GetUpdateRect();
    if (hit.IsEmpty() || !Overlaps(bounds, rect)) {
        return false;
    }
    // A part wholly inside meets the rectangle: the region tests are for the edges.
    return Contains(rect, bounds) || hit.RectInRegion(rect) ||
           part.FrameRegion().RectInRegion(rect);
}

// A sheet smaller than the window gets a thin edge, so that the paper stands out from the
// white beyond it. The line runs just outside the sheet, clear of the grid marks on its edges;
// its top and left sides lie beyond the window and under the ruler bar whenever the sheet fits.
void DrawSheetBorder(QPainter& painter, const CViewGeometry& geometry) {
    const QSize client = geometry.ClientPixels();
    const QPoint topLeft = geometry.ViewToPixel({0, geometry.SheetView().y}) - QPoint(1, 1);
    const QPoint bottomRight = geometry.ViewToPixel({geometry.SheetView().x, 0}) + QPoint(1, 1);
    const int rulers = CViewGeometry::kRulerPixels;
    if (bottomRight.x() - topLeft.x() >= client.width() - rulers &&
        bottomRight.y() - topLeft.y() >= client.height() - rulers) {
        return;
    }
    painter.setPen(QPen(QColor(kSheetBorderColour), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(topLeft.x(), topLeft.y(), bottomRight.x(), topLeft.y());
    painter.drawLine(bottomRight.x(), topLeft.y(), bottomRight.x(), bottomRight.y());
    painter.drawLine(topLeft.x(), bottomRight.y(), bottomRight.x(), bottomRight.y());
    painter.drawLine(topLeft.x(), topLeft.y(), topLeft.x(), bottomRight.y());
}

} // namespace

ExRect InvalidViewRect(const CViewGeometry& geometry, const QRect& pixels) {
    ExRect drawing = geometry.PixelRectToDrawing(pixels);
    drawing.bottom = std::max(drawing.bottom, 0);
    drawing.right = std::min(drawing.right, geometry.SheetExtent().x);
    if (drawing.right < drawing.left || drawing.top < drawing.bottom) {
        return {};
    }
    return {geometry.ToViewLength(drawing.left), geometry.ToViewLength(drawing.top),
            geometry.ToViewLength(drawing.right), geometry.ToViewLength(drawing.bottom)};
}

bool CViewRenderer::CreateLayers(const CViewGeometry& geometry, qreal ratio) {
    m_rgnInvalid = QRegion();
    m_rcSelection = QRect();
    m_bGridStale = true;
    m_rgnGridInvalid = QRegion();
    if (!m_layers.Create(geometry.ClientPixels(), ratio)) {
        return false;
    }
    InvalidateAll();
    return true;
}

void CViewRenderer::InvalidateAll() {
    m_rgnInvalid = QRegion(QRect(QPoint(0, 0), m_layers.ClientSize()));
}

void CViewRenderer::Invalidate(const QRect& pixels) {
    m_rgnInvalid += pixels & QRect(QPoint(0, 0), m_layers.ClientSize());
}

void CViewRenderer::Scrolled(QPoint delta) {
    const QRect client(QPoint(0, 0), m_layers.ClientSize());
    const QRegion uncovered = QRegion(client) - QRegion(client.translated(delta));
    if (!m_bGridStale) {
        if (m_layers.ScrollGrid(delta)) {
            m_rgnGridInvalid.translate(delta);
            m_rgnGridInvalid += uncovered;
            m_rgnGridInvalid &= client;
        } else {
            m_bGridStale = true;
        }
    }
    if (m_rgnInvalid.contains(client)) {
        return;
    }
    if (!m_layers.ScrollBase(delta)) {
        InvalidateAll();
        return;
    }
    // What was invalid moves with the picture; what the move uncovered is invalid too.
    m_rgnInvalid.translate(delta);
    m_rgnInvalid += uncovered;
    m_rgnInvalid &= client;
}

bool CViewRenderer::Render(CKORVANEXDoc& doc, const CViewGeometry& geometry,
                           const ExGridLayout& grid, const ExPaintSwitches& switches,
                           bool& recalcAll) {
    if (!m_layers.IsReady()) {
        return false;
    }
    if (recalcAll || !m_rgnInvalid.isEmpty()) {
        RecomputeParts(doc, recalcAll);
        PaintBase(doc, geometry, switches);
    }
    PaintSelection(doc, geometry, switches);
    if (recalcAll) {
        recalcAll = false;
        m_bGridStale = true;
    }
    PaintGrid(geometry, grid, switches.showGrid);
    return Compose(geometry, switches.showGrid);
}

void CViewRenderer::RecomputeParts(CKORVANEXDoc& doc, bool recalcAll) const {
    const auto recompute = [](CExParts& part) {
        part.UpdateParts();
        part.RecalcParts();
    };
    if (recalcAll) {
        for (const auto& part : doc.Elements()) {
            recompute(*part);
        }
        return;
    }
    for (CExParts* part : doc.PartsIndex().PartsToRedraw()) {
        recompute(*part);
    }
}

void CViewRenderer::PaintBase(CKORVANEXDoc& doc, const CViewGeometry& geometry,
                              const ExPaintSwitches& switches) {
    if (m_rgnInvalid.isEmpty()) {
        return;
    }
    // Every part that touches the invalid area is drawn again, whole but clipped to the area.
    // The parts it overlaps need no drawing: outside the area their pixels stay as they were,
    // and inside it they are drawn because they touch it themselves.
    const ExRect invalid = InvalidViewRect(geometry, m_rgnInvalid.boundingRect());
    if (invalid.left < invalid.right && invalid.bottom < invalid.top) {
        for (CExParts* part : doc.PartsIndex().PartsMeeting(invalid)) {
            if (MeetsRect(*part, invalid)) {
                part->SetRedrawFlag(1);
            }
        }
    }
    QPainter painter(&m_layers.Base());
    painter.setClipRegion(m_rgnInvalid);
    for (const QRect& rect : m_rgnInvalid) {
        painter.fillRect(rect, Qt::white);
    }
    CQtPainterDC dc(painter, geometry.ViewToPixelTransform());
    // A part marked for redrawing that lies wholly outside the area would be clipped away whole:
    // it is done with all the same, and drawn when its own area is invalid (a drawing just opened
    // has every part marked, and the window shows few of them).
    const QRect area = m_rgnInvalid.boundingRect();
    for (CExParts* part : doc.PartsIndex().PartsToRedraw()) {
        if (part->GetSelectFlag() != 0) {
            continue;
        }
        const QRect reach = geometry.ViewRectToPixels(part->GetUpdateRect()).adjusted(-1, -1, 1, 1);
        if (!reach.intersects(area) || switches.decision.Draw(*part, dc)) {
            part->SetRedrawFlag(0);
        }
    }
    m_rgnInvalid = QRegion();
}

void CViewRenderer::PaintSelection(CKORVANEXDoc& doc, const CViewGeometry& geometry,
                                   const ExPaintSwitches& switches) {
    QPainter painter(&m_layers.Selection());
    if (!m_rcSelection.isEmpty()) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(m_rcSelection, Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        m_rcSelection = QRect();
    }
    const QRect client(QPoint(0, 0), m_layers.ClientSize());
    if (!doc.SelectionList().empty()) {
        PaintSelectedParts(doc, geometry, switches, painter);
    }
    for (const CViewOverlay* overlay : {switches.overlay, switches.snapMark}) {
        const QRect covered = overlay ? overlay->OverlayRect() & client : QRect();
        if (!covered.isEmpty()) {
            overlay->DrawOverlay(painter);
            m_rcSelection |= covered;
        }
    }
}

void CViewRenderer::PaintSelectedParts(CKORVANEXDoc& doc, const CViewGeometry& geometry,
                                       const ExPaintSwitches& switches, QPainter& painter) {
    const QRect client(QPoint(0, 0), m_layers.ClientSize());
    const std::vector<CExParts*>& selection = doc.SelectionList();
    CQtPainterDC dc(painter, geometry.ViewToPixelTransform());
    auto claimRect = [&](const ExRect& rect) {
        m_rcSelection |=
            geometry.ViewRectToPixels(rect).adjusted(-kSelectionSlackPixels, -kSelectionSlackPixels,
                                                     kSelectionSlackPixels, kSelectionSlackPixels) &
            client;
    };
    auto claim = [&](const CExParts& part) { claimRect(part.GetUpdateRect()); };
    // The selected parts bring along the distance rulers attached to them, which follow them
    // when they move. A selected ruler is drawn below with its handles. Only the drawing's
    // referrers can be attached rulers: walking them keeps a drag step's cost off the drawing's
    // size.
    for (CExParts* referrer : doc.Referrers()) {
        auto* ruler = dynamic_cast<CExMeasure*>(referrer);
        if (ruler && ruler->GetSelectFlag() == 0 && AttachedToSelection(*ruler) &&
            switches.decision.Decide(*ruler) != ExDrawStyle::Skip) {
            claim(*ruler);
            ruler->DrawParts(&dc);
        }
    }
    for (CExParts* part : selection) {
        claim(*part);
        part->DrawParts(&dc);
        if (switches.editTool == excommand::kSelectTool) {
            part->DrawHandles(&dc);
        } else if (switches.editTool == excommand::kVertexTool && part == selection.front()) {
            claimRect(VertexHandlesRect(*part));
            DrawVertexHandles(*part, dc);
        }
        part->SetRedrawFlag(0);
    }
}

void CViewRenderer::PaintGrid(const CViewGeometry& geometry, const ExGridLayout& grid,
                              bool showGrid) {
    if (!showGrid) {
        // A hidden grid is not kept up to date while scrolling: it is drawn afresh when shown.
        m_bGridStale = true;
        m_rgnGridInvalid = QRegion();
        return;
    }
    if (m_bGridStale) {
        m_rgnGridInvalid = QRegion(QRect(QPoint(0, 0), m_layers.ClientSize()));
        m_bGridStale = false;
    }
    for (const QRect& rect : m_rgnGridInvalid) {
        DrawGridMarks(m_layers.Grid(), grid, geometry, rect);
    }
    m_rgnGridInvalid = QRegion();
}

bool CViewRenderer::Compose(const CViewGeometry& geometry, bool showGrid) {
    QImage& composite = m_layers.Composite();
    const QImage& base = m_layers.Base();
    if (composite.sizeInBytes() != base.sizeInBytes() || composite.format() != base.format()) {
        return false;
    }
    std::memcpy(composite.bits(), base.constBits(), static_cast<std::size_t>(base.sizeInBytes()));
    QPainter painter;
    if (!painter.begin(&composite)) {
        return false;
    }
    if (!m_rcSelection.isEmpty()) {
        const qreal ratio = composite.devicePixelRatio();
        const QRectF source(m_rcSelection.x() * ratio, m_rcSelection.y() * ratio,
                            m_rcSelection.width() * ratio, m_rcSelection.height() * ratio);
        painter.drawImage(QRectF(m_rcSelection), m_layers.Selection(), source);
    }
    if (showGrid) {
        // Multiplying darkens like the marks laid over paper: white takes the grey, a line
        // under a mark stays visible.
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        painter.drawImage(QPoint(0, 0), m_layers.Grid());
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    const QSize client = geometry.ClientPixels();
    if (geometry.NarrowX()) {
        const int left = geometry.ViewToPixel({geometry.SheetView().x + kStripGap, 0}).x();
        painter.fillRect(QRect(left, 0, client.width() - left, client.height()), Qt::white);
    }
    if (geometry.NarrowY()) {
        const int top = geometry.ViewToPixel({0, -kStripGap}).y();
        painter.fillRect(QRect(0, top, client.width(), client.height() - top), Qt::white);
    }
    DrawSheetBorder(painter, geometry);
    return painter.end();
}
