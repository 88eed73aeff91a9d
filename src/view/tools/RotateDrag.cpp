#include "RotateDrag.h"

#include "ToolHost.h"

CRotateDrag::CRotateDrag(CToolHost& host)
    : CSelectDrag(host, "回転"), m_drag(Recorder(), host.ViewContext()) {}

void CRotateDrag::Step(const ExToolEvent& event) {
    Show(m_drag.Step(ToView(event.point)));
}
