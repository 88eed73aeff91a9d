#include "SelectDrag.h"

#include "ExMeasure.h"
#include "ExViewContext.h"
#include "KORVANEXDoc.h"
#include "SelectionRect.h"
#include "ToolHost.h"

CSelectDrag::CSelectDrag(CToolHost& host, const char* editName)
    : m_host(host), m_recorder(host.Document(), editName),
      m_rcShown(SelectionAndRulersRect(host.Document())) {}

void CSelectDrag::Finish() {
    Show(FinishDrag());
    m_host.PushEdit(m_recorder.Finish());
}

ExPoint CSelectDrag::ToView(ExPoint drawing) const {
    m_host.ViewContext().ToViewPoint(drawing);
    return drawing;
}

void CSelectDrag::Show(const std::vector<CExParts*>& changed) {
    ExRect now = SelectionViewRect(m_host.Document());
    bool outsideSelection = false;
    for (const CExParts* part : changed) {
        now = UnionRect(now, part->GetUpdateRect());
        outsideSelection = outsideSelection || part->GetSelectFlag() == 0;
    }
    const ExRect area = UnionRect(m_rcShown, now);
    m_rcShown = now;
    if (outsideSelection) {
        m_host.InvalidateDrawingRect(area);
    } else {
        m_host.RefreshRect(area);
    }
}
