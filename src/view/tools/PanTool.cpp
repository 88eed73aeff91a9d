#include "PanTool.h"

#include "KORVANEXDoc.h"
#include "ToolCursors.h"
#include "ToolHost.h"

int CPanTool::CommandId() const {
    return excommand::kPanTool;
}

QCursor CPanTool::Cursor() const {
    return ToolCursor(ExToolCursor::Pan);
}

void CPanTool::Cancel() {
    if (m_bDragging) {
        m_bDragging = false;
        Host().CaptureMouse(false);
    }
}

void CPanTool::Press(const ExToolEvent& event) {
    m_ptLast = event.pixel;
    m_bDragging = true;
    Host().CaptureMouse(true);
}

void CPanTool::Move(const ExToolEvent& event) {
    if (!m_bDragging) {
        return;
    }
    const QPoint delta = event.pixel - m_ptLast;
    m_ptLast = event.pixel;
    if (!delta.isNull()) {
        Host().ScrollByPixels(-delta);
    }
}

void CPanTool::Release(const ExToolEvent&) {
    Cancel();
}
