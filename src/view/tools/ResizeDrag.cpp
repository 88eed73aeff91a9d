#include "ResizeDrag.h"

#include "ExParts.h"
#include "KORVANEXDoc.h"
#include "PointerStatus.h"
#include "ToolHost.h"

CResizeDrag::CResizeDrag(CToolHost& host, CExParts& part, int handle, ExPoint press)
    : CSelectDrag(host, "サイズ変更"),
      m_drag(Recorder(), host.ViewContext(), part, handle, ToView(press)) {}

void CResizeDrag::Step(const ExToolEvent& event) {
    Show(m_drag.Step(ToView(event.point)));
}

QString CResizeDrag::StatusText() const {
    const CExParts* part = Host().Document().Selection().Primary();
    return part ? PartSizeText(part->GetWidth(), part->GetHeight()) : QString();
}
