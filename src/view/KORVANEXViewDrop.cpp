// Library parts dragged from the parts panel onto the view. The panel tells the views through
// the document: hint 7 when a drag starts (the prototype), 8 while it moves over a view (a
// screen point), 9 when it ends (a screen point, or none when it was cancelled). The view's own
// drag and drop events turn into hints 8 and 9, so that every view of the drawing hears them.

#include "ExEdit.h"
#include "ExPartsLibrary.h"
#include "ExWiringParts.h"
#include "KORVANEXView.h"
#include "tools/CableTool.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

const QString& LibraryPartMimeType() {
    static const QString type = QStringLiteral("application/x-quillplan-library-part");
    return type;
}

void CKORVANEXView::OnLibraryDragStarted(const CExParts* prototype) {
    m_pDragParts = prototype;
    m_bDragInside = false;
}

void CKORVANEXView::OnLibraryDragMoved(ExPoint screen) {
    m_bDragInside =
        viewport()->rect().contains(viewport()->mapFromGlobal(QPoint(screen.x, screen.y)));
}

void CKORVANEXView::OnLibraryDragEnded(const ExPoint* screen) {
    const CExParts* prototype = m_pDragParts;
    m_pDragParts = nullptr;
    m_bDragInside = false;
    if (prototype && screen) {
        DropLibraryPart(*prototype, QPoint(screen->x, screen->y));
    }
}

bool CKORVANEXView::DropLibraryPart(const CExParts& prototype, QPoint screen) {
    const QPoint pixel = viewport()->mapFromGlobal(screen);
    if (!viewport()->rect().contains(pixel) || !m_renderer.IsReady()) {
        return false;
    }
    const ExPoint point = m_geometry.PixelToDrawing(pixel);
    const ExPoint sheet = m_geometry.SheetExtent();
    if (point.x < 0 || point.y < 0 || point.x > sheet.x || point.y > sheet.y) {
        return false;
    }
    CancelTool();
    std::unique_ptr<CExParts> element = CreateLibraryElement(prototype, point);
    if (!element) {
        // The cable tool lays the rest; a drawing saved meanwhile keeps its own tool.
        activateWindow();
        setFocus(Qt::OtherFocusReason);
        ArmTool(std::make_unique<CCableTool>(*this, StartLibraryCable(prototype, point)));
        return true;
    }
    CExEditRecorder recorder(m_doc, "部品配置");
    recorder.Add(std::move(element));
    activateWindow();
    setFocus(Qt::OtherFocusReason);
    m_renderer.InvalidateAll();
    viewport()->update();
    PushEdit(recorder.Finish());
    return true;
}

bool CKORVANEXView::AcceptsLibraryDrag(const QMimeData* data) const {
    return data && data->hasFormat(LibraryPartMimeType()) && m_doc.IsDragging();
}

void CKORVANEXView::dragEnterEvent(QDragEnterEvent* event) {
    if (!AcceptsLibraryDrag(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    dragMoveEvent(event);
}

void CKORVANEXView::dragMoveEvent(QDragMoveEvent* event) {
    TellDragHint(event, ExDocUpdate::Kind::DragMoved);
}

void CKORVANEXView::dragLeaveEvent(QDragLeaveEvent*) {
    m_bDragInside = false;
}

void CKORVANEXView::dropEvent(QDropEvent* event) {
    TellDragHint(event, ExDocUpdate::Kind::Dropped);
}

// Every view of the drawing hears where the pointer is, in screen pixels.
void CKORVANEXView::TellDragHint(QDropEvent* event, ExDocUpdate::Kind kind) {
    if (!AcceptsLibraryDrag(event->mimeData())) {
        event->ignore();
        return;
    }
    const QPoint screen = viewport()->mapToGlobal(event->position().toPoint());
    const ExPoint point{screen.x(), screen.y()};
    m_doc.UpdateAllViews(nullptr, kind == ExDocUpdate::Kind::Dropped
                                      ? ExDocUpdate::Dropped(point)
                                      : ExDocUpdate::DragMoved(point));
    event->acceptProposedAction();
}
