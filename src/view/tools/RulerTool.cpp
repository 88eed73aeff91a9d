#include "RulerTool.h"

#include "ExMeasure.h"
#include "ExViewContext.h"
#include "KORVANEXDoc.h"
#include "ToolHost.h"

CRulerTool::CRulerTool(CToolHost& host) : CCreatingTool(host) {}

CRulerTool::~CRulerTool() = default;

int CRulerTool::CommandId() const {
    return excommand::kRulerTool;
}

void CRulerTool::Activate() {
    ClearSelection();
}

void CRulerTool::Cancel() {
    m_pRuler.reset();
    m_nNextEnd = 0;
}

void CRulerTool::Press(const ExToolEvent& event) {
    if (!IsInside(event)) {
        Cancel();
        GiveUp(excommand::kSelectTool);
        return;
    }
    if (!m_pRuler) {
        m_pRuler = std::make_unique<CExMeasure>();
        m_pRuler->SetPartsCode(excode::kMeasure);
    }
    // The end attaches to the part under the pointer itself (a part lies within its update
    // rect) and lies where the pointer snapped: snapped to a corner, it is on the part's edge.
    const ExPoint probe = ToActiveView(event.exact);
    const std::vector<CExParts*> near =
        Host().Document().PartsIndex().PartsMeeting({probe.x, probe.y, probe.x, probe.y});
    m_pRuler->AttachEnd(m_nNextEnd, event.exact, near);
    if (event.point != event.exact) {
        m_pRuler->EndAt(m_nNextEnd).point = event.point;
        m_pRuler->SetEndOffset(m_nNextEnd);
    }
    if (m_nNextEnd == 0) {
        // Until the second press the other end follows the pointer, attached to nothing.
        m_pRuler->EndAt(1).point = event.point;
        m_nNextEnd = 1;
        ShowMaking();
        return;
    }
    const ExPoint label = LabelSize();
    m_pRuler->SetLabelSize(label.x, label.y);
    Place(std::move(m_pRuler), "定規");
}

void CRulerTool::Move(const ExToolEvent& event) {
    if (!m_pRuler) {
        return;
    }
    m_pRuler->EndAt(1) = CExMeasure::End{};
    m_pRuler->EndAt(1).point = event.point;
    m_pRuler->SetRedrawFlag(1);
    m_pRuler->UpdateParts();
    m_pRuler->RecalcParts();
    ShowMaking();
}

const CExParts* CRulerTool::Making() const {
    return m_pRuler.get();
}
