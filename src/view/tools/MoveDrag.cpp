#include "MoveDrag.h"

#include "ToolHost.h"

CMoveDrag::CMoveDrag(CToolHost& host, ExPoint press)
    : CSelectDrag(host, "移動"), m_drag(Recorder(), host.ViewContext(), press) {}

void CMoveDrag::Step(ExPoint pointer) {
    Show(m_drag.Step(pointer));
}
