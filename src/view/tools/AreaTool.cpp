#include "AreaTool.h"

#include "Cp932.h"
#include "ExArea.h"
#include "KORVANEXDoc.h"
#include "ToolHost.h"

CAreaTool::CAreaTool(CToolHost& host) : CCreatingTool(host) {}

CAreaTool::~CAreaTool() = default;

int CAreaTool::CommandId() const {
    return excommand::kAreaTool;
}

void CAreaTool::Activate() {
    ClearSelection();
    m_pArea = std::make_unique<CExArea>();
    // An area shows its polygon only while selected; it joins the drawing's selection when
    // it is placed.
    m_pArea->SetSelectFlag(1);
}

void CAreaTool::Cancel() {
    m_pArea.reset();
}

void CAreaTool::Press(const ExToolEvent& event) {
    if (!m_pArea) {
        return;
    }
    if (!IsInside(event)) {
        Finish(4);
        return;
    }
    m_pArea->AddPoint(event.point);
    if (m_pArea->GetPointCount() > 2) {
        m_pArea->UpdateParts();
    }
    ShowMaking();
}

void CAreaTool::RightPress(const ExToolEvent&) {
    if (m_pArea) {
        Finish(3);
    }
}

void CAreaTool::Move(const ExToolEvent& event) {
    if (!m_pArea || m_pArea->GetPointCount() == 0) {
        return;
    }
    m_pArea->SetLastPoint(event.point);
    m_pArea->UpdateParts();
    ShowMaking();
}

const CExParts* CAreaTool::Making() const {
    return m_pArea && m_pArea->GetPointCount() > 0 ? m_pArea.get() : nullptr;
}

// Corners counted with the one following the pointer.
void CAreaTool::Finish(int fewestCorners) {
    if (m_pArea->GetPointCount() < fewestCorners) {
        Cancel();
        GiveUp(excommand::kVertexTool);
        return;
    }
    const ExPoint label = LabelSize();
    m_pArea->SetLabelWidth(label.x);
    m_pArea->SetLabelHeight(label.y);
    m_pArea->SetPartsCode(excode::kArea);
    m_pArea->SetPartsName(cp932::FromUtf8("面積").value_or(std::string()));
    Place(std::move(m_pArea), "面積");
}
