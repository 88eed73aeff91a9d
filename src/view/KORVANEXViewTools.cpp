// The view as the host of its editing tools: choosing the mode tool, forwarding pointer, key and
// input-method events to it, and what the tools ask of the view (points, redrawing, scrolling,
// zooming, the history).

#include "EditCommand.h"
#include "ExAppServices.h"
#include "ExEdit.h"
#include "ExException.h"
#include "ExSnap.h"
#include "KORVANEXView.h"
#include "PointerStatus.h"
#include "tools/EditTool.h"
#include "tools/ModeTools.h"
#include "tools/PanTool.h"
#include "tools/ToolCursors.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QUndoStack>

#include <algorithm>

namespace {

// How far a part's corner or edge middle pulls the pointer.
constexpr int kSnapReachPixels = 6;

ExToolEvent ToolEventOf(const QMouseEvent& event, ExPoint exact) {
    ExToolEvent tool;
    tool.pixel = event.position().toPoint();
    tool.point = exact;
    tool.exact = exact;
    tool.control = event.modifiers().testFlag(Qt::ControlModifier);
    tool.shift = event.modifiers().testFlag(Qt::ShiftModifier);
    tool.alt = event.modifiers().testFlag(Qt::AltModifier);
    return tool;
}

} // namespace

ExToolEvent CKORVANEXView::PointerEvent(const QMouseEvent& event) {
    ExToolEvent tool = ToolEventOf(event, m_geometry.PixelToDrawing(event.position().toPoint()));
    tool.point = DrawingPoint(tool.pixel, tool.alt);
    return tool;
}

CEditTool& CKORVANEXView::Tool() {
    if (m_pArmedTool) {
        return *m_pArmedTool;
    }
    if (!m_pTool || m_pTool->CommandId() != m_doc.GetEditTool()) {
        SwitchTool(m_doc.GetEditTool());
    }
    return *m_pTool;
}

int CKORVANEXView::GetEditState() const {
    if (m_pArmedTool) {
        return m_pArmedTool->EditState();
    }
    return m_pTool ? m_pTool->EditState() : 0;
}

void CKORVANEXView::SetModeTool(int command) {
    CancelTool();
    m_doc.SetEditTool(command);
    SwitchTool(command);
    // The selection is drawn with or without its handles by the tool.
    RefreshSelection();
    emit commandStateChanged();
}

void CKORVANEXView::SwitchTool(int command) {
    m_pTool = CreateModeTool(command, *this);
    viewport()->setCursor(m_pTool->Cursor());
    m_doc.SetEditTool(m_pTool->CommandId());
}

void CKORVANEXView::CancelTool() {
    // What a tool puts back is recomputed at this view, even while it is being deactivated.
    ExActiveViewScope converting(this);
    if (m_pArmedTool) {
        m_pArmedTool->Cancel();
        FinishTool();
    } else if (m_pTool) {
        m_pTool->Cancel();
    }
}

void CKORVANEXView::ArmTool(std::unique_ptr<CEditTool> tool) {
    CancelTool();
    m_pArmedTool = std::move(tool);
    m_pArmedTool->Activate();
    // A tool that takes text takes it from the input method too.
    setAttribute(Qt::WA_InputMethodEnabled,
                 m_pArmedTool && m_pArmedTool->InputMethodQuery(Qt::ImEnabled).toBool());
    viewport()->setCursor(m_pArmedTool->Cursor());
    RefreshSelection();
    emit commandStateChanged();
}

void CKORVANEXView::FinishTool() {
    if (!m_pArmedTool) {
        return;
    }
    m_retiredTools.push_back(std::move(m_pArmedTool));
    setAttribute(Qt::WA_InputMethodEnabled, false);
    QMetaObject::invokeMethod(
        this, [this] { m_retiredTools.clear(); }, Qt::QueuedConnection);
    viewport()->setCursor(Tool().Cursor());
    RefreshOverlay();
    RefreshSelection();
    emit commandStateChanged();
}

void CKORVANEXView::RefreshSelection() {
    for (CExParts* part : m_doc.SelectionList()) {
        part->SetRedrawFlag(1);
    }
    viewport()->update();
}

ExPoint CKORVANEXView::DrawingPoint(QPoint pixel, bool snapSuspended) {
    return SnapPoint(m_geometry.PixelToDrawing(pixel), snapSuspended);
}

ExPoint CKORVANEXView::SnapPoint(ExPoint drawing, bool snapSuspended) {
    ExSnap snap{drawing, ExSnapKind::None};
    if (AppServices().DrawingDefaults().snap != 0 && !snapSuspended) {
        ExActiveViewScope converting(this);
        // View units are hundredths of a millimetre on the screen.
        const int reach = kSnapReachPixels * 2540 / std::max(1, GetDpi());
        snap = ::SnapPoint(m_doc, *this, drawing, {m_grid.smallInterval, reach});
    }
    m_snapMark.Show(m_geometry.DrawingToPixel(snap.point), snap.kind);
    ShowSnapMark();
    return snap.point;
}

void CKORVANEXView::ShowSnapMark() {
    const QRect shown = m_snapMark.OverlayRect();
    if (shown != m_rcSnapShown) {
        viewport()->update(m_rcSnapShown | shown);
        m_rcSnapShown = shown;
    }
}

CExViewContext& CKORVANEXView::ViewContext() {
    return *this;
}

void CKORVANEXView::RefreshOverlay() {
    const QRect shown = Tool().OverlayRect();
    viewport()->update(m_rcOverlayShown | shown);
    m_rcOverlayShown = shown;
}

// The middle-button pan borrows the pointer: letting it go keeps a tool's own hold on it.
void CKORVANEXView::CaptureMouse(bool capture) {
    if (!m_pMiddlePan) {
        m_bToolCapture = capture;
    }
    if (capture) {
        viewport()->grabMouse();
    } else if (!m_pMiddlePan || !m_bToolCapture) {
        viewport()->releaseMouse();
    }
}

void CKORVANEXView::ScrollByPixels(QPoint delta) {
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + delta.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() + delta.y());
}

void CKORVANEXView::SetToolCursor(const QCursor& cursor) {
    viewport()->setCursor(cursor);
}

void CKORVANEXView::UpdateInputMethod() {
    if (hasFocus()) {
        QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle | Qt::ImAnchorRectangle);
    }
}

void CKORVANEXView::ShowStatusMessage(const QString& text) {
    emit statusMessage(text);
}

// The rectangle fills the window: the divisor is the larger of its width and height over the
// window's, never finer than 1/10.
void CKORVANEXView::ZoomToDrawingRect(const ExRect& drawing) {
    const ExPoint client = m_geometry.ClientView();
    if (client.x <= 0 || client.y <= 0) {
        return;
    }
    const int byWidth = (drawing.right - drawing.left) / client.x;
    const int byHeight = (drawing.top - drawing.bottom) / client.y;
    const int zoom =
        std::clamp(std::max(byWidth, byHeight), CViewGeometry::kMinScale, CViewGeometry::kMaxScale);
    m_ptRequestedCentre = {drawing.left + (drawing.right - drawing.left) / 2,
                           drawing.bottom + (drawing.top - drawing.bottom) / 2};
    ExZoomState state{m_settings.zoom, m_settings.zoomIndex};
    SetTypedZoom(state, zoom);
    FinishZoomChange(state);
}

void CKORVANEXView::ZoomInAt(ExPoint drawing) {
    ExZoomState state{m_settings.zoom, m_settings.zoomIndex};
    if (ZoomIn(state)) {
        m_ptRequestedCentre = drawing;
        FinishZoomChange(state);
    }
}

void CKORVANEXView::PushEdit(std::unique_ptr<CExEdit> edit) {
    if (!edit) {
        return;
    }
    m_doc.SetModifiedFlag();
    if (m_pUndoStack) {
        m_pUndoStack->push(new CEditCommand(m_doc, std::move(edit)));
    }
    emit documentChanged();
}

void CKORVANEXView::SelectionChanged() {
    emit commandStateChanged();
}

void CKORVANEXView::ShowContextMenu(QPoint pixel) {
    emit contextMenuRequested(viewport()->mapToGlobal(pixel));
}

// The middle button pans whatever the tool, which neither sees the drag nor loses its state.
// The middle button's presses and releases drive the pan; while the sheet is held the tool
// waits, as a press now would act on a moving drawing.
bool CKORVANEXView::TakenByMiddlePan(QMouseEvent& event) {
    if (event.button() == Qt::MiddleButton) {
        try {
            MiddlePan(event);
        } catch (...) {
            ReportCaughtException();
        }
    } else if (!m_pMiddlePan) {
        return false;
    }
    event.accept();
    return true;
}

bool CKORVANEXView::MiddlePan(QMouseEvent& event) {
    const ExToolEvent tool =
        ToolEventOf(event, m_geometry.PixelToDrawing(event.position().toPoint()));
    if (event.type() == QEvent::MouseButtonPress) {
        if (m_pMiddlePan || m_bLeftButtonDown) {
            return true;
        }
        m_pMiddlePan = std::make_unique<CPanTool>(*this);
        viewport()->setCursor(m_pMiddlePan->Cursor());
        m_pMiddlePan->Press(tool);
    } else if (m_pMiddlePan && event.type() == QEvent::MouseMove) {
        m_pMiddlePan->Move(tool);
    } else if (m_pMiddlePan && event.type() == QEvent::MouseButtonRelease) {
        m_pMiddlePan->Release(tool);
        m_pMiddlePan.reset();
        viewport()->setCursor(Tool().Cursor());
    }
    return m_pMiddlePan != nullptr || event.type() != QEvent::MouseMove;
}

// The pointer's point while it is over the sheet, and what the tool tells of its work.
void CKORVANEXView::ShowPointerStatus(QPoint pixel) {
    const ExPoint point = m_geometry.PixelToDrawing(pixel);
    const ExPoint sheet = m_geometry.SheetExtent();
    QString text;
    if (point.x >= 0 && point.y >= 0 && point.x <= sheet.x && point.y <= sheet.y &&
        pixel.x() >= CViewGeometry::kRulerPixels &&
        pixel.y() < m_geometry.ClientPixels().height() - CViewGeometry::kRulerPixels) {
        text = PointerPositionText(point);
    }
    const QString work = Tool().StatusText();
    if (!work.isEmpty()) {
        text += (text.isEmpty() ? QString() : QStringLiteral("    ")) + work;
    }
    emit pointerTextChanged(text);
}

void CKORVANEXView::leaveEvent(QEvent* event) {
    emit pointerTextChanged(QString());
    m_snapMark.Hide();
    ShowSnapMark();
    QAbstractScrollArea::leaveEvent(event);
}

void CKORVANEXView::mousePressEvent(QMouseEvent* event) {
    if (TakenByMiddlePan(*event)) {
        return;
    }
    const bool left = event->button() == Qt::LeftButton;
    if (!left && event->button() != Qt::RightButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    m_bLeftButtonDown = left;
    setFocus(Qt::MouseFocusReason);
    try {
        ExActiveViewScope converting(this);
        const ExToolEvent tool = PointerEvent(*event);
        if (left) {
            Tool().Press(tool);
        } else {
            Tool().RightPress(tool);
        }
    } catch (...) {
        ReportCaughtException();
    }
    event->accept();
}

void CKORVANEXView::mouseMoveEvent(QMouseEvent* event) {
    try {
        ExActiveViewScope converting(this);
        if (!MiddlePan(*event)) {
            CEditTool& tool = Tool();
            viewport()->setCursor(tool.Cursor());
            tool.Move(PointerEvent(*event));
        }
        ShowPointerStatus(event->position().toPoint());
    } catch (...) {
        ReportCaughtException();
    }
    event->accept();
}

void CKORVANEXView::mouseReleaseEvent(QMouseEvent* event) {
    if (TakenByMiddlePan(*event)) {
        return;
    }
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    m_bLeftButtonDown = false;
    try {
        ExActiveViewScope converting(this);
        Tool().Release(PointerEvent(*event));
    } catch (...) {
        ReportCaughtException();
    }
    event->accept();
}

void CKORVANEXView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || event->modifiers().testFlag(Qt::ControlModifier)) {
        event->accept();
        return;
    }
    try {
        ExActiveViewScope converting(this);
        Tool().DoubleClick(PointerEvent(*event));
    } catch (...) {
        ReportCaughtException();
    }
    event->accept();
}

void CKORVANEXView::keyPressEvent(QKeyEvent* event) {
    try {
        ExActiveViewScope converting(this);
        if (Tool().Key(*event) || HandleViewKey(event->key())) {
            event->accept();
            return;
        }
    } catch (...) {
        ReportCaughtException();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

// Keys no tool took: the arrows scroll a line, End scrolls to the bottom, Delete deletes.
bool CKORVANEXView::HandleViewKey(int key) {
    QScrollBar* horizontal = horizontalScrollBar();
    QScrollBar* vertical = verticalScrollBar();
    switch (key) {
    case Qt::Key_Left:
        horizontal->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return true;
    case Qt::Key_Right:
        horizontal->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return true;
    case Qt::Key_Up:
        vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return true;
    case Qt::Key_Down:
        vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return true;
    case Qt::Key_End:
        vertical->triggerAction(QAbstractSlider::SliderToMaximum);
        return true;
    case Qt::Key_Home:
        return true;
    case Qt::Key_Delete:
        OnDelete();
        return true;
    default:
        return false;
    }
}

void CKORVANEXView::inputMethodEvent(QInputMethodEvent* event) {
    try {
        ExActiveViewScope converting(this);
        Tool().InputMethod(*event);
    } catch (...) {
        ReportCaughtException();
    }
}

// The tool answers in client pixels; the input method asks in the view's own.
QVariant CKORVANEXView::inputMethodQuery(Qt::InputMethodQuery query) const {
    const CEditTool* tool = m_pArmedTool ? m_pArmedTool.get() : m_pTool.get();
    QVariant answer = tool ? tool->InputMethodQuery(query) : QVariant();
    if (!answer.isValid()) {
        return QAbstractScrollArea::inputMethodQuery(query);
    }
    if (answer.typeId() == QMetaType::QRect) {
        return answer.toRect().translated(viewport()->pos());
    }
    return answer;
}

void CKORVANEXView::focusOutEvent(QFocusEvent* event) {
    // A drag whose button is released elsewhere must not go on without it.
    if (m_bLeftButtonDown) {
        m_bLeftButtonDown = false;
        CancelTool();
    }
    QAbstractScrollArea::focusOutEvent(event);
}
