#include "CableTool.h"

#include "ExAppServices.h"
#include "ExWiringParts.h"
#include "KORVANEXDoc.h"
#include "ToolHost.h"

namespace {

// The command a dropped library cable answers to: it is none of the three armed kinds.
constexpr int kDroppedCableCommand = 0;

} // namespace

CCableTool::CCableTool(CToolHost& host, int command) : CCreatingTool(host), m_nCommand(command) {}

CCableTool::CCableTool(CToolHost& host, std::unique_ptr<CExWiringParts> started)
    : CCreatingTool(host), m_nCommand(kDroppedCableCommand), m_pCable(std::move(started)) {}

CCableTool::~CCableTool() = default;

int CCableTool::KindOfCommand(int command) {
    switch (command) {
    case excommand::kCablePhone:
        return 1;
    case excommand::kCableLan:
        return 2;
    case excommand::kCablePower:
        return 3;
    default:
        return 0;
    }
}

void CCableTool::Activate() {
    ClearSelection();
    if (m_pCable) {
        ShowMaking();
    }
}

void CCableTool::Cancel() {
    m_pCable.reset();
}

void CCableTool::Press(const ExToolEvent& event) {
    if (!IsInside(event)) {
        if (m_pCable) {
            Finish();
        } else {
            GiveUp(excommand::kSelectTool);
        }
        return;
    }
    if (!m_pCable) {
        const CExAppServices& services = AppServices();
        m_pCable = std::make_unique<CExWiringParts>();
        m_pCable->StartCable(KindOfCommand(m_nCommand), event.point, services.CableKinds(),
                             services.DrawingDefaults().cableHeightCorrectionCm);
        ClearSelection();
    } else {
        m_pCable->AddPoint(event.point);
    }
    m_pCable->UpdateParts();
    m_pCable->RecalcParts();
    ShowMaking();
}

void CCableTool::RightPress(const ExToolEvent&) {
    if (m_pCable) {
        Finish();
    }
}

void CCableTool::Move(const ExToolEvent& event) {
    if (!m_pCable) {
        return;
    }
    m_pCable->SetLastPoint(event.point);
    m_pCable->SetRedrawFlag(1);
    m_pCable->UpdateParts();
    m_pCable->RecalcParts();
    ShowMaking();
}

const CExParts* CCableTool::Making() const {
    return m_pCable.get();
}

void CCableTool::Finish() {
    if (!m_pCable->FinishCable()) {
        Cancel();
        GiveUp(excommand::kVertexTool);
        return;
    }
    Place(std::move(m_pCable), "配線");
}
