#include "ZoomTool.h"

#include "KORVANEXDoc.h"
#include "ToolCursors.h"
#include "ToolHost.h"

#include <algorithm>

namespace {

constexpr int kMinPixels = 20;
constexpr int kMinDrawing = 500;
// A press that moves less than this is a click.
constexpr int kClickSlack = 3;

} // namespace

bool IsZoomRectangle(const QRect& pixels, const ExRect& drawing) {
    return pixels.width() > kMinPixels && pixels.height() > kMinPixels &&
           drawing.right - drawing.left >= kMinDrawing &&
           drawing.top - drawing.bottom >= kMinDrawing;
}

int CZoomTool::CommandId() const {
    return excommand::kZoomTool;
}

QCursor CZoomTool::Cursor() const {
    return ToolCursor(ExToolCursor::Zoom);
}

void CZoomTool::Cancel() {
    if (m_bPressed) {
        m_bPressed = false;
        m_bTraced = false;
        m_band.Stop();
        Host().CaptureMouse(false);
        Host().RefreshOverlay();
    }
}

void CZoomTool::Press(const ExToolEvent& event) {
    m_bPressed = true;
    m_bTraced = false;
    m_ptPress = event.point;
    m_band.Start(event.pixel);
    Host().CaptureMouse(true);
}

void CZoomTool::Move(const ExToolEvent& event) {
    if (!m_bPressed) {
        return;
    }
    m_band.Track(event.pixel);
    if (m_band.Rect().width() > kClickSlack || m_band.Rect().height() > kClickSlack) {
        m_bTraced = true;
    }
    Host().RefreshOverlay();
}

void CZoomTool::Release(const ExToolEvent& event) {
    if (!m_bPressed) {
        return;
    }
    m_band.Track(event.pixel);
    const QRect pixels = m_band.Rect();
    const bool traced = m_bTraced;
    Cancel();
    if (!traced) {
        Host().ZoomInAt(m_ptPress);
        return;
    }
    const ExPoint a = m_ptPress;
    const ExPoint b = event.point;
    const ExRect drawing{std::min(a.x, b.x), std::max(a.y, b.y), std::max(a.x, b.x),
                         std::min(a.y, b.y)};
    if (IsZoomRectangle(pixels, drawing)) {
        Host().ZoomToDrawingRect(drawing);
    }
}
