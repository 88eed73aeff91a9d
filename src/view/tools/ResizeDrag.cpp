#include "ResizeDrag.h"

#include "ToolHost.h"

CResizeDrag::CResizeDrag(CToolHost& host, CExParts& part, int handle, ExPoint press)
    : CSelectDrag(host, "サイズ変更"),
      m_drag(Recorder(), host.ViewContext(), part, handle, ToView(press)) {}

void CResizeDrag::Step(ExPoint pointer) {
    Show(m_drag.Step(ToView(pointer)));
}
