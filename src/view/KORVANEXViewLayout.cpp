// The view's layout: sizes and scroll ranges from the sheet and the zoom, the layers, the zoom
// centre, the ruler bars, and the settings a drawing file brings along.

#include "ExAppServices.h"
#include "ExKindIndex.h"
#include "ExParts.h"
#include "KORVANEXView.h"
#include "RulerH.h"
#include "RulerV.h"

#include <QMetaObject>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kOutOfMemory = "メモリ不足が発生しました。ご使用PCの環境をご確認ください。\n"
                                     "VGAドライバの問題による場合もあります。";
constexpr int kLinesPerPage = 10;
constexpr int kLayoutPasses = 3;

bool IsSet(ExPoint point) {
    return point.x != -1 || point.y != -1;
}

} // namespace

bool CKORVANEXView::Layout(bool full) {
    m_bInLayout = true;
    struct Leave {
        bool& flag;
        ~Leave() { flag = false; }
    } leave{m_bInLayout};

    // Scroll bars that appear or go with the new ranges resize the client: lay out again.
    for (int pass = 0; pass < kLayoutPasses; ++pass) {
        m_geometry.SetClientSize(viewport()->size());
        if (!m_geometry.Layout()) {
            return false;
        }
        m_grid =
            ExGridLayout::Compute(m_settings.zoom, m_geometry, AppServices().DrawingDefaults());
        UpdateScrollBars();
        if (viewport()->size() == m_geometry.ClientPixels()) {
            break;
        }
    }
    if (!full) {
        return true;
    }
    if (!m_renderer.CreateLayers(m_geometry, viewport()->devicePixelRatioF())) {
        AppServices().MessageBox(kOutOfMemory, ExMessageIcon::Stop, ExMessageButtons::Ok);
        m_settings.zoom += 1;
        QMetaObject::invokeMethod(this, &CKORVANEXView::OnZoomOut, Qt::QueuedConnection);
        return false;
    }
    if (IsSet(m_ptZoomCenter)) {
        const QPoint scroll = m_ptZoomPixel.x() >= 0
                                  ? m_geometry.ScrollToPlace(m_ptZoomCenter, m_ptZoomPixel)
                                  : m_geometry.ScrollToCentre(m_ptZoomCenter);
        horizontalScrollBar()->setValue(scroll.x());
        verticalScrollBar()->setValue(scroll.y());
        m_ptZoomCenter = {-1, -1};
        m_ptZoomPixel = {-1, -1};
    }
    m_geometry.SetScroll({horizontalScrollBar()->value(), verticalScrollBar()->value()});
    m_geometry.UpdateNarrowFlags();
    PositionRulers();
    return true;
}

// A sheet that fits the window once the scroll bars are gone needs none: without this, two
// scroll bars that each make the other needed would stay.
void CKORVANEXView::UpdateScrollBars() {
    const QSize whole = maximumViewportSize();
    const QSize total = m_geometry.TotalPixels();
    const bool fits = total.width() <= whole.width() && total.height() <= whole.height();
    const QPoint limit = fits ? QPoint(0, 0) : m_geometry.MaxScroll();
    const QSize client = m_geometry.ClientPixels();
    QScrollBar* horizontal = horizontalScrollBar();
    QScrollBar* vertical = verticalScrollBar();
    horizontal->setRange(0, limit.x());
    horizontal->setPageStep(client.width());
    horizontal->setSingleStep(std::max(1, client.width() / kLinesPerPage));
    vertical->setRange(0, limit.y());
    vertical->setPageStep(client.height());
    vertical->setSingleStep(std::max(1, client.height() / kLinesPerPage));
    m_geometry.SetScroll({horizontal->value(), vertical->value()});
}

void CKORVANEXView::PositionRulers() {
    const QSize client = viewport()->size();
    const int thickness = CRulerBar::kThickness;
    m_pRulerV->setGeometry(0, 0, thickness, client.height());
    m_pRulerH->setGeometry(thickness, client.height() - thickness,
                           std::max(0, client.width() - thickness), thickness);
    if (m_bActive) {
        m_pRulerH->raise();
        m_pRulerV->raise();
        m_pRulerH->update();
        m_pRulerV->update();
    }
}

void CKORVANEXView::OnInitialUpdate() {
    m_bInitialised = true;
    if (const QScreen* screen = this->screen()) {
        m_geometry.SetDpi(std::max(1, static_cast<int>(std::lround(screen->logicalDotsPerInch()))));
    }
    if (m_doc.HasPendingViewSettings()) {
        ApplyStoredSettings(m_doc.TakePendingViewSettings());
    } else {
        m_ptZoomCenter = {m_settings.mapWidth * CViewGeometry::kUnitsPerMetre / 2,
                          m_settings.mapHeight * CViewGeometry::kUnitsPerMetre / 2};
        m_ptInitialCenter = m_ptZoomCenter;
        m_bRecalcAll = true;
        Layout(false);
        Layout(true);
    }
    emit zoomTextChanged(ZoomText());
    viewport()->update();
}

// A drawing file may carry anything: values outside what the commands could have produced are
// brought back into their ranges before they are used.
void CKORVANEXView::ApplyStoredSettings(const ExViewSettings& stored) {
    const ExZoomState zoom = SanitisedZoom({stored.zoom, stored.zoomIndex});
    m_settings.zoom = zoom.zoom;
    m_settings.zoomIndex = zoom.index;
    m_settings.viewScale =
        std::clamp(stored.viewScale, CViewGeometry::kMinScale, CViewGeometry::kMaxScale);
    m_settings.mapWidth = std::clamp(stored.mapWidth, kMinMapMetres, kMaxMapMetres);
    m_settings.mapHeight = std::clamp(stored.mapHeight, kMinMapMetres, kMaxMapMetres);
    m_settings.showGrid = stored.showGrid != 0 ? 1 : 0;
    m_settings.showMeasure = stored.showMeasure != 0 ? 1 : 0;
    m_settings.showArea = stored.showArea != 0 ? 1 : 0;
    m_ptZoomCenter = stored.center;
    m_ptInitialCenter = m_ptZoomCenter;
    m_bRecalcAll = true;
    Layout(false);
    Layout(true);
    ExActiveViewScope converting(this);
    for (const auto& part : m_doc.Elements()) {
        if (KindOfClassName(part->GetRuntimeClassName()) == ExKind::Pillar) {
            part->UpdateParts();
        }
    }
    emit commandStateChanged();
}

void CKORVANEXView::FillViewSettings(ExViewSettings& settings) const {
    settings = m_settings;
    settings.center = m_geometry.ClientCentreDrawing();
}
