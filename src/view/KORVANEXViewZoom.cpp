// The zoom commands: presets, zoom in and out, Ctrl+wheel about the pointer, fitting the whole
// sheet, the zoom ratio dialog, and applying a changed zoom around the selected part or the
// middle of the window.

#include "ExException.h"
#include "ExParts.h"
#include "ExViewRateDialog.h"
#include "KORVANEXView.h"

bool CKORVANEXView::CanZoomIn() const {
    return ::CanZoomIn({m_settings.zoom, m_settings.zoomIndex});
}

bool CKORVANEXView::CanZoomOut() const {
    return ::CanZoomOut({m_settings.zoom, m_settings.zoomIndex});
}

void CKORVANEXView::OnZoomIn() {
    ExZoomState state{m_settings.zoom, m_settings.zoomIndex};
    if (ZoomIn(state)) {
        FinishZoomChange(state);
    }
}

void CKORVANEXView::OnZoomOut() {
    ExZoomState state{m_settings.zoom, m_settings.zoomIndex};
    if (ZoomOut(state)) {
        FinishZoomChange(state);
    }
}

// The drawing point under the pointer stays under it, as far as the sheet's edges allow.
void CKORVANEXView::ZoomAtPixel(bool zoomIn, QPoint pixel) {
    ExZoomState state{m_settings.zoom, m_settings.zoomIndex};
    if (zoomIn ? ZoomIn(state) : ZoomOut(state)) {
        m_ptRequestedCentre = m_geometry.PixelToDrawing(pixel);
        m_ptRequestedPixel = pixel;
        FinishZoomChange(state);
    }
}

// The window as it is without scroll bars, since a sheet that fits needs none. Like a divisor
// from the zoom ratio dialog, the fitted one is a typed zoom.
void CKORVANEXView::OnZoomFit() {
    if (!m_bInitialised) {
        return;
    }
    const int scale = m_geometry.FittingScale(maximumViewportSize());
    m_ptRequestedCentre = {m_settings.mapWidth * CViewGeometry::kUnitsPerMetre / 2,
                           m_settings.mapHeight * CViewGeometry::kUnitsPerMetre / 2};
    ExZoomState state{m_settings.zoom, m_settings.zoomIndex};
    SetTypedZoom(state, scale);
    FinishZoomChange(state);
}

void CKORVANEXView::OnZoomPreset(int index) {
    ExZoomState state{m_settings.zoom, m_settings.zoomIndex};
    if (SelectPreset(state, index)) {
        FinishZoomChange(state);
    }
}

// Cancel changes nothing: the zoom and its preset stay as they were.
void CKORVANEXView::OnZoomDialog() {
    CExViewRateDialog dialog(m_settings.zoom, this);
    if (dialog.exec() == QDialog::Accepted) {
        ApplyTypedZoom(dialog.Value());
    }
}

void CKORVANEXView::ApplyTypedZoom(int zoom) {
    ExZoomState state{m_settings.zoom, m_settings.zoomIndex};
    SetTypedZoom(state, zoom);
    FinishZoomChange(state);
}

void CKORVANEXView::FinishZoomChange(const ExZoomState& state) {
    m_settings.zoom = state.zoom;
    m_settings.zoomIndex = state.index;
    m_bRecalcAll = true;
    emit zoomTextChanged(ZoomText());
    emit commandStateChanged();
    m_doc.UpdateAllViews(nullptr, ExDocUpdate::ZoomChanged());
}

// Keeps the selected part, or else what is in the middle of the window, in the middle.
void CKORVANEXView::ApplyZoom() {
    ExPoint centre = m_geometry.ClientCentreDrawing();
    const std::vector<CExParts*>& selection = m_doc.SelectionList();
    if (m_ptRequestedCentre.x >= 0) {
        centre = m_ptRequestedCentre;
        m_ptZoomPixel = m_ptRequestedPixel;
        m_ptRequestedCentre = {-1, -1};
        m_ptRequestedPixel = {-1, -1};
    } else if (!selection.empty()) {
        const CExParts& part = *selection.front();
        const ExRect box =
            part.HitRegion().IsEmpty() ? part.GetUpdateRect() : part.HitRegion().GetBoundingBox();
        centre = {(box.left + box.right) / 2 * m_settings.viewScale,
                  (box.top + box.bottom) / 2 * m_settings.viewScale};
    }
    m_settings.viewScale = m_settings.zoom;
    m_ptZoomCenter = centre;
    m_bRecalcAll = true;
    Layout(false);
    Layout(true);
    m_renderer.InvalidateAll();
    viewport()->update();
}
