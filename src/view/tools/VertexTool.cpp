#include "VertexTool.h"

#include "ExHitTest.h"
#include "ExMeasure.h"
#include "ExVertexEdit.h"
#include "ExViewContext.h"
#include "KORVANEXDoc.h"
#include "SelectionRect.h"
#include "ToolCursors.h"
#include "ToolHost.h"
#include "ViewGeometry.h"

namespace {

// What the selection shows while the vertex tool is current: the parts, the rulers that follow
// them and the primary part's handles.
ExRect ShownRect(const CKORVANEXDoc& doc) {
    ExRect rect = SelectionAndRulersRect(doc);
    if (const CExParts* primary = doc.Selection().Primary()) {
        rect = UnionRect(rect, VertexHandlesRect(*primary));
    }
    return rect;
}

} // namespace

CVertexTool::CVertexTool(CToolHost& host) : CEditTool(host) {}

CVertexTool::~CVertexTool() = default;

int CVertexTool::CommandId() const {
    return excommand::kVertexTool;
}

QCursor CVertexTool::Cursor() const {
    return ToolCursor(ExToolCursor::Vertex);
}

ExPoint CVertexTool::ToView(ExPoint drawing) const {
    Host().ViewContext().ToViewPoint(drawing);
    return drawing;
}

bool CVertexTool::InsideWindow(QPoint pixel) const {
    return QRect(QPoint(0, 0), Host().Geometry().ClientPixels()).contains(pixel);
}

void CVertexTool::ShowSelection() {
    const ExRect now = ShownRect(Host().Document());
    Host().RefreshRect(UnionRect(m_rcShown, now));
    m_rcShown = now;
}

// A drag under way is put back where it was pressed.
void CVertexTool::Cancel() {
    EndDrags(nullptr);
}

void CVertexTool::Press(const ExToolEvent& event) {
    EndDrags(nullptr);
    CKORVANEXDoc& doc = Host().Document();
    m_rcShown = ShownRect(doc);
    const ExPoint view = ToView(event.exact);
    if (CExParts* primary = doc.Selection().Primary()) {
        const ExVertexShape shape = VertexShapeOf(*primary);
        if (shape == ExVertexShape::RulerEnds) {
            auto& ruler = static_cast<CExMeasure&>(*primary);
            const int end = RulerEndAt(ruler, view);
            if (end >= 0) {
                m_pRulerDrag =
                    std::make_unique<CExRulerEndDrag>(doc, Host().ViewContext(), ruler, end);
                Host().CaptureMouse(true);
                return;
            }
        } else if (shape != ExVertexShape::None) {
            const int vertex = VertexAt(*primary, view);
            if (vertex >= 0) {
                m_pPressed = primary;
                m_nVertexIndex = vertex;
                m_nVertexDrag = 1;
                Host().CaptureMouse(true);
                return;
            }
            CExEditRecorder recorder(doc, "頂点追加");
            if (InsertVertex(recorder, *primary, view)) {
                ShowSelection();
                Host().PushEdit(recorder.Finish());
                return;
            }
        }
    }
    SelectUnder(view);
}

// As the select tool picks, without starting a drag.
void CVertexTool::SelectUnder(ExPoint view) {
    CKORVANEXDoc& doc = Host().Document();
    const ExRect before = m_rcShown;
    CExParts* hit = HitTopmost(doc, view, HitContextOf(Host().ViewContext()));
    doc.Selection().Select(hit);
    if (hit) {
        hit->SetRedrawFlag(1);
    }
    m_rcShown = ShownRect(doc);
    Host().InvalidateDrawingRect(UnionRect(before, m_rcShown));
    Host().SelectionChanged();
}

void CVertexTool::Move(const ExToolEvent& event) {
    if (m_pRulerDrag) {
        m_pRulerDrag->Step(event.point);
        ShowSelection();
        return;
    }
    if (m_nVertexDrag == 0 || !m_pPressed) {
        return;
    }
    if (m_nVertexDrag == 1) {
        m_nVertexDrag = 2;
        m_pVertexDrag = std::make_unique<CExVertexDrag>(Host().Document(), Host().ViewContext(),
                                                        *m_pPressed, m_nVertexIndex);
    }
    m_pVertexDrag->Step(event.point);
    ShowSelection();
}

void CVertexTool::Release(const ExToolEvent& event) {
    EndDrags(&event);
}

void CVertexTool::EndDrags(const ExToolEvent* release) {
    std::unique_ptr<CExEdit> edit;
    const bool inside = release && InsideWindow(release->pixel);
    if (m_pRulerDrag) {
        if (release) {
            edit = m_pRulerDrag->Release(release->point, inside);
        } else {
            m_pRulerDrag->Cancel();
        }
        m_pRulerDrag.reset();
        ShowSelection();
    }
    if (m_pVertexDrag) {
        if (release) {
            edit = m_pVertexDrag->Release(release->point, inside);
        } else {
            m_pVertexDrag->Cancel();
        }
        m_pVertexDrag.reset();
        ShowSelection();
    }
    m_pPressed = nullptr;
    m_nVertexIndex = -1;
    m_nVertexDrag = 0;
    Host().CaptureMouse(false);
    Host().PushEdit(std::move(edit));
}

void CVertexTool::DoubleClick(const ExToolEvent& event) {
    EndDrags(nullptr);
    CKORVANEXDoc& doc = Host().Document();
    CExParts* primary = doc.Selection().Primary();
    if (!primary) {
        return;
    }
    if (VertexShapeOf(*primary) == ExVertexShape::RulerEnds) {
        Host().ShowProperties();
        return;
    }
    m_rcShown = ShownRect(doc);
    CExEditRecorder recorder(doc, "頂点削除");
    if (RemoveVertex(recorder, *primary, ToView(event.exact))) {
        ShowSelection();
        Host().PushEdit(recorder.Finish());
    }
    Host().CaptureMouse(false);
}
