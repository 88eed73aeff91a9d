#include "MoveDrag.h"

#include "ExParts.h"
#include "KORVANEXDoc.h"
#include "PointerStatus.h"
#include "ToolHost.h"

CMoveDrag::CMoveDrag(CToolHost& host, ExPoint press)
    : CSelectDrag(host, "移動"), m_drag(Recorder(), host.ViewContext(), press) {}

void CMoveDrag::Step(ExPoint pointer) {
    Show(m_drag.Step(pointer));
}

QString CMoveDrag::StatusText() const {
    const CExParts* part = Host().Document().Selection().Primary();
    return part ? PartPositionText(part->GetPosition()) : QString();
}
