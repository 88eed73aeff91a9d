#include "CalibrationTool.h"

#include "ExParts.h"
#include "ExViewContext.h"
#include "ToolHost.h"
#include "ViewGeometry.h"

#include <QKeyEvent>
#include <QPainter>
#include <QString>

namespace {

constexpr const char* kClickOnImage = "画像の上をクリックしてください";
constexpr const char* kSecondPoint = "2点目をクリックしてください";
constexpr int kMarkPixels = 4;

} // namespace

CCalibrationTool::CCalibrationTool(CToolHost& host, const CExParts& image, PointsTaken taken)
    : CEditTool(host), m_image(image), m_taken(std::move(taken)) {}

void CCalibrationTool::Cancel() {
    m_first.reset();
}

bool CCalibrationTool::IsOnImage(ExPoint point) const {
    ExPoint view = point;
    Host().ViewContext().ToViewPoint(view);
    return m_image.HitRegion().PtInRegion(view);
}

void CCalibrationTool::Press(const ExToolEvent& event) {
    if (!IsOnImage(event.exact)) {
        Host().ShowStatusMessage(QString::fromUtf8(kClickOnImage));
        return;
    }
    if (!m_first) {
        m_first = event.point;
        m_pointer = event.point;
        Host().ShowStatusMessage(QString::fromUtf8(kSecondPoint));
        Host().RefreshOverlay();
        return;
    }
    const ExPoint first = *m_first;
    Stop();
    m_taken(first, event.point);
}

void CCalibrationTool::RightPress(const ExToolEvent&) {
    Stop();
}

bool CCalibrationTool::Key(QKeyEvent& event) {
    if (event.key() != Qt::Key_Escape) {
        return false;
    }
    Stop();
    return true;
}

void CCalibrationTool::Move(const ExToolEvent& event) {
    if (m_first) {
        m_pointer = event.point;
        Host().RefreshOverlay();
    }
}

void CCalibrationTool::Stop() {
    if (m_first) {
        m_first.reset();
        Host().RefreshOverlay();
    }
    Host().ShowStatusMessage(QString());
    Host().FinishTool();
}

QRect CCalibrationTool::OverlayRect() const {
    if (!m_first) {
        return {};
    }
    const CViewGeometry& geometry = Host().Geometry();
    return QRect(geometry.DrawingToPixel(*m_first), geometry.DrawingToPixel(m_pointer))
        .normalized()
        .adjusted(-kMarkPixels - 1, -kMarkPixels - 1, kMarkPixels + 1, kMarkPixels + 1);
}

void CCalibrationTool::DrawOverlay(QPainter& painter) const {
    if (!m_first) {
        return;
    }
    const CViewGeometry& geometry = Host().Geometry();
    const QPoint first = geometry.DrawingToPixel(*m_first);
    painter.save();
    painter.setPen(QPen(Qt::red, 1, Qt::DashLine));
    painter.drawLine(first, geometry.DrawingToPixel(m_pointer));
    painter.setPen(QPen(Qt::red, 1));
    painter.drawLine(first - QPoint(kMarkPixels, 0), first + QPoint(kMarkPixels, 0));
    painter.drawLine(first - QPoint(0, kMarkPixels), first + QPoint(0, kMarkPixels));
    painter.restore();
}
