#include "CreatingTool.h"

#include "ExEdit.h"
#include "ExParts.h"
#include "ExViewContext.h"
#include "KORVANEXDoc.h"
#include "QtPainterDC.h"
#include "SelectionRect.h"
#include "ToolHost.h"
#include "ViewGeometry.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

// Handles and pens reach a little beyond a part's rectangle.
constexpr int kSlackPixels = 4;

} // namespace

QRect CCreatingTool::OverlayRect() const {
    const CExParts* making = Making();
    if (!making) {
        return {};
    }
    return Host()
        .Geometry()
        .ViewRectToPixels(making->GetUpdateRect())
        .adjusted(-kSlackPixels, -kSlackPixels, kSlackPixels, kSlackPixels);
}

void CCreatingTool::DrawOverlay(QPainter& painter) const {
    const CExParts* making = Making();
    if (!making) {
        return;
    }
    CQtPainterDC dc(painter, Host().Geometry().ViewToPixelTransform());
    // Drawing only reads the element; the drawing interface is not const.
    const_cast<CExParts*>(making)->DrawParts(&dc);
}

bool CCreatingTool::Key(QKeyEvent& event) {
    if (event.key() != Qt::Key_Escape) {
        return false;
    }
    Cancel();
    GiveUp(excommand::kSelectTool);
    return true;
}

bool CCreatingTool::IsInside(const ExToolEvent& event) const {
    const CViewGeometry& geometry = Host().Geometry();
    const ExPoint sheet = geometry.SheetExtent();
    return QRect(QPoint(0, 0), geometry.ClientPixels()).contains(event.pixel) &&
           event.point.x >= 0 && event.point.y >= 0 && event.point.x <= sheet.x &&
           event.point.y <= sheet.y;
}

void CCreatingTool::ClearSelection() {
    CKORVANEXDoc& doc = Host().Document();
    if (doc.Selection().IsEmpty()) {
        return;
    }
    const ExRect before = SelectionViewRect(doc);
    doc.Selection().Clear();
    Host().InvalidateDrawingRect(before);
    Host().SelectionChanged();
}

ExPoint CCreatingTool::LabelSize() const {
    const ExPoint client = Host().Geometry().ClientView();
    const int zoom = Host().ViewContext().GetViewScale();
    return {client.x / 40 * zoom, client.y / 40 * zoom};
}

void CCreatingTool::ShowMaking() {
    Host().RefreshOverlay();
}

void CCreatingTool::Place(std::unique_ptr<CExParts> element, const char* stepName) {
    CKORVANEXDoc& doc = Host().Document();
    CExEditRecorder recorder(doc, stepName);
    element->SetSelectFlag(0);
    CExParts* placed = recorder.Add(std::move(element));
    placed->SetRedrawFlag(1);
    placed->UpdateParts();
    placed->RecalcParts();
    doc.Selection().Select(placed);
    Host().InvalidateDrawingRect(placed->GetUpdateRect());
    Host().PushEdit(recorder.Finish());
    doc.SetEditTool(excommand::kVertexTool);
    Host().FinishTool();
    Host().SelectionChanged();
}

void CCreatingTool::GiveUp(int modeTool) {
    Host().Document().SetEditTool(modeTool);
    Host().FinishTool();
}
