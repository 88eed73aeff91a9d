#include "SelectTool.h"

#include "ExHitTest.h"
#include "ExKindIndex.h"
#include "ExParts.h"
#include "ExViewContext.h"
#include "KORVANEXDoc.h"
#include "MoveDrag.h"
#include "ResizeDrag.h"
#include "RotateDrag.h"
#include "SelectDrag.h"
#include "SelectionRect.h"
#include "ToolHost.h"
#include "ViewGeometry.h"

#include <algorithm>

namespace {

// Cables and areas are selected by a click but never dragged by their frame.
bool IsLineKind(const CExParts& part) {
    const ExKind kind = KindOfElement(part);
    return kind == ExKind::Wiring || kind == ExKind::Area;
}

bool Contains(const ExRect& rect, ExPoint point) {
    return std::min(rect.left, rect.right) <= point.x &&
           point.x <= std::max(rect.left, rect.right) &&
           std::min(rect.top, rect.bottom) <= point.y && point.y <= std::max(rect.top, rect.bottom);
}

} // namespace

CSelectTool::CSelectTool(CToolHost& host) : CEditTool(host) {}

CSelectTool::~CSelectTool() = default;

int CSelectTool::CommandId() const {
    return excommand::kSelectTool;
}

// A drag under way ends where it stands, as one step of the history; a band is dropped.
void CSelectTool::Cancel() {
    if (m_pDrag) {
        m_pDrag->Finish();
        m_pDrag.reset();
    }
    if (CExParts* primary = Host().Document().Selection().Primary()) {
        primary->SetActiveHandle(0);
    }
    if (m_band.IsActive()) {
        m_band.Stop();
        Host().RefreshOverlay();
    }
    m_nHandleDrag = 0;
    m_bPressRecorded = false;
    Host().CaptureMouse(false);
}

void CSelectTool::Press(const ExToolEvent& event) {
    m_press = event;
    m_bPressRecorded = true;
    if (event.control) {
        ControlClick(event);
        return;
    }
    ExPoint view = event.exact;
    Host().ViewContext().ToViewPoint(view);
    CExSelection& selection = Host().Document().Selection();
    if (selection.Count() == 1 && !IsLineKind(*selection.Primary())) {
        const int handle = HandleOfSingleSelection(view);
        if (handle >= 0) {
            selection.Primary()->SetActiveHandle(handle);
            StartDrag(event);
            return;
        }
        selection.Primary()->SetRedrawFlag(1);
    } else if (selection.Count() > 1 && PressOnSelection(event, view)) {
        return;
    }
    PressOnDrawing(event);
}

// The menu offers the commands on the selection: a part not yet in it becomes the selection
// first, as a click would make it; empty paper leaves the selection as it is. While the left
// button works, the right one is left alone.
void CSelectTool::RightPress(const ExToolEvent& event) {
    if (m_nHandleDrag != 0 || m_band.IsActive()) {
        return;
    }
    CKORVANEXDoc& doc = Host().Document();
    ExPoint view = event.exact;
    Host().ViewContext().ToViewPoint(view);
    CExParts* hit = HitTopmost(doc, view, HitContextOf(Host().ViewContext()));
    if (hit && !CExSelection::IsSelected(*hit)) {
        const ExRect before = SelectionViewRect(doc);
        doc.Selection().Select(hit);
        hit->SetRedrawFlag(1);
        ChangeSelection(before);
    }
    Host().ShowContextMenu(event.pixel);
}

int CSelectTool::HandleOfSingleSelection(ExPoint view) const {
    const CExParts& part = *Host().Document().Selection().Primary();
    const auto& rects = part.HandleRects();
    for (int handle = 0; handle < CExParts::kHandleCount; ++handle) {
        if (Contains(rects[handle], view)) {
            return handle;
        }
    }
    return -1;
}

// Several parts selected: a rotation handle turns them all, a body moves them all; the part
// pressed becomes the primary one.
bool CSelectTool::PressOnSelection(const ExToolEvent& event, ExPoint view) {
    CExSelection& selection = Host().Document().Selection();
    const std::vector<CExParts*> parts = selection.List();
    for (CExParts* part : parts) {
        if (Contains(part->HandleRects()[CExParts::kRotationHandle], view)) {
            selection.MakePrimary(part);
            part->SetActiveHandle(CExParts::kRotationHandle);
            StartDrag(event);
            return true;
        }
    }
    const ExHitContext hit = HitContextOf(Host().ViewContext());
    for (CExParts* part : parts) {
        if (HitPart(*part, view, hit)) {
            selection.MakePrimary(part);
            part->SetActiveHandle(CExParts::kBodyHandle);
            StartDrag(event);
            return true;
        }
    }
    return false;
}

// The topmost part under the pointer becomes the only selected part and, unless it is a cable
// or an area, is ready to move; a press on empty paper empties the selection.
void CSelectTool::PressOnDrawing(const ExToolEvent& event) {
    CKORVANEXDoc& doc = Host().Document();
    const ExRect before = SelectionViewRect(doc);
    ExPoint view = event.exact;
    Host().ViewContext().ToViewPoint(view);
    CExParts* hit = HitTopmost(doc, view, HitContextOf(Host().ViewContext()));
    if (!hit) {
        doc.Selection().Clear();
        ChangeSelection(before);
        return;
    }
    doc.Selection().Select(hit);
    hit->SetRedrawFlag(1);
    ChangeSelection(before);
    if (!IsLineKind(*hit)) {
        hit->SetActiveHandle(CExParts::kBodyHandle);
        StartDrag(event);
    }
}

void CSelectTool::ControlClick(const ExToolEvent& event) {
    CKORVANEXDoc& doc = Host().Document();
    CExSelection& selection = doc.Selection();
    const ExRect before = SelectionViewRect(doc);
    if (selection.Count() == 1 && IsLineKind(*selection.Primary())) {
        selection.Clear();
    }
    ExPoint view = event.exact;
    Host().ViewContext().ToViewPoint(view);
    const ExHitFilter filter =
        selection.IsEmpty() ? ExHitFilter::Any : ExHitFilter::SkipCablesAndAreas;
    if (CExParts* part = HitTopmost(doc, view, HitContextOf(Host().ViewContext()), filter)) {
        selection.Toggle(part);
        part->SetRedrawFlag(1);
    }
    m_bPressRecorded = false;
    ChangeSelection(before);
}

// The drag itself starts at the first move; until then the press only picked the handle.
void CSelectTool::StartDrag(const ExToolEvent&) {
    m_nHandleDrag = 1;
    Host().CaptureMouse(true);
}

void CSelectTool::Move(const ExToolEvent& event) {
    if (m_nHandleDrag != 0) {
        if (m_nHandleDrag == 1) {
            m_nHandleDrag = 2;
            m_pDrag = CreateDrag(m_press);
        }
        if (m_pDrag) {
            m_pDrag->Step(event);
        }
        return;
    }
    if (!m_bPressRecorded) {
        return;
    }
    const CExSelection& selection = Host().Document().Selection();
    if (selection.Count() == 1 && IsLineKind(*selection.Primary())) {
        return;
    }
    if (!m_band.IsActive()) {
        m_band.Start(m_press.pixel);
        Host().CaptureMouse(true);
    }
    m_band.Track(event.pixel);
    Host().RefreshOverlay();
}

std::unique_ptr<CSelectDrag> CSelectTool::CreateDrag(const ExToolEvent& press) {
    CExParts* primary = Host().Document().Selection().Primary();
    if (!primary) {
        return nullptr;
    }
    const int handle = primary->GetActiveHandle();
    if (handle == CExParts::kBodyHandle) {
        return std::make_unique<CMoveDrag>(Host(), press.exact);
    }
    if (handle == CExParts::kRotationHandle) {
        return std::make_unique<CRotateDrag>(Host());
    }
    return std::make_unique<CResizeDrag>(Host(), *primary, handle, press.point);
}

void CSelectTool::Release(const ExToolEvent& event) {
    if (m_band.IsActive()) {
        m_band.Track(event.pixel);
        SelectInBand();
    }
    Cancel();
}

// Every part wholly inside the band joins the selection.
void CSelectTool::SelectInBand() {
    CKORVANEXDoc& doc = Host().Document();
    const ExRect before = SelectionViewRect(doc);
    const QRect pixels = m_band.Rect();
    // The band takes what it shows, not snapped points.
    ExPoint a = Host().Geometry().PixelToDrawing(pixels.topLeft());
    ExPoint b = Host().Geometry().PixelToDrawing(pixels.bottomRight());
    Host().ViewContext().ToViewPoint(a);
    Host().ViewContext().ToViewPoint(b);
    const ExRect band{std::min(a.x, b.x), std::max(a.y, b.y), std::max(a.x, b.x),
                      std::min(a.y, b.y)};
    for (CExParts* part : PartsInsideRect(doc, band, HitContextOf(Host().ViewContext()))) {
        doc.Selection().Add(part);
        part->SetRedrawFlag(1);
    }
    ChangeSelection(before);
}

QString CSelectTool::StatusText() const {
    return m_pDrag ? m_pDrag->StatusText() : QString();
}

void CSelectTool::DoubleClick(const ExToolEvent&) {
    Cancel();
    if (Host().Document().Selection().Count() == 1) {
        Host().ShowProperties();
    }
}

// Parts that left the selection go back to the base picture, those that joined leave it.
void CSelectTool::ChangeSelection(const ExRect& before) {
    Host().InvalidateDrawingRect(UnionRect(before, SelectionViewRect(Host().Document())));
    Host().SelectionChanged();
}
