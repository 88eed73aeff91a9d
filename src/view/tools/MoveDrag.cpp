#include "MoveDrag.h"

#include "ExParts.h"
#include "KORVANEXDoc.h"
#include "PointerStatus.h"
#include "ToolHost.h"

CMoveDrag::CMoveDrag(CToolHost& host, ExPoint press)
    : CSelectDrag(host, "移動"), m_drag(Recorder(), host.ViewContext(), press), m_ptPress(press) {
    const CExParts* primary = host.Document().Selection().Primary();
    m_ptStart = primary ? primary->GetPosition() : press;
}

// The pointer carries the primary part along; the part's own position is what snaps, so that it
// lands on the lattice or on another part's corner however it was taken hold of.
void CMoveDrag::Step(const ExToolEvent& event) {
    const ExPoint moved = m_ptStart + (event.exact - m_ptPress);
    const ExPoint snapped = Host().SnapPoint(moved, event.alt);
    Show(m_drag.Step(m_ptPress + (snapped - m_ptStart)));
}

QString CMoveDrag::StatusText() const {
    const CExParts* part = Host().Document().Selection().Primary();
    return part ? PartPositionText(part->GetPosition()) : QString();
}
