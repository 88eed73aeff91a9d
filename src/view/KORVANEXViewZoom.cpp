// The zoom commands: presets, zoom in and out (also Ctrl+wheel), the zoom ratio dialog, and
// applying a changed zoom around the selected part or the middle of the window.

#include "ExException.h"
#include "ExParts.h"
#include "ExViewRateDialog.h"
#include "KORVANEXView.h"

bool CKORVANEXView::CanZoomIn() const {
    return ::CanZoomIn({m_nZoom, m_nZoomIndex});
}

bool CKORVANEXView::CanZoomOut() const {
    return ::CanZoomOut({m_nZoom, m_nZoomIndex});
}

void CKORVANEXView::OnZoomIn() {
    ExZoomState state{m_nZoom, m_nZoomIndex};
    if (ZoomIn(state)) {
        FinishZoomChange(state);
    }
}

void CKORVANEXView::OnZoomOut() {
    ExZoomState state{m_nZoom, m_nZoomIndex};
    if (ZoomOut(state)) {
        FinishZoomChange(state);
    }
}

void CKORVANEXView::OnZoomPreset(int index) {
    ExZoomState state{m_nZoom, m_nZoomIndex};
    if (SelectPreset(state, index)) {
        FinishZoomChange(state);
    }
}

// Cancel changes nothing: the zoom and its preset stay as they were.
void CKORVANEXView::OnZoomDialog() {
    CExViewRateDialog dialog(m_nZoom, this);
    if (dialog.exec() == QDialog::Accepted) {
        ApplyTypedZoom(dialog.Value());
    }
}

void CKORVANEXView::ApplyTypedZoom(int zoom) {
    ExZoomState state{m_nZoom, m_nZoomIndex};
    SetTypedZoom(state, zoom);
    FinishZoomChange(state);
}

void CKORVANEXView::FinishZoomChange(const ExZoomState& state) {
    m_nZoom = state.zoom;
    m_nZoomIndex = state.index;
    m_bRecalcAll = true;
    emit zoomTextChanged(ZoomText());
    emit commandStateChanged();
    m_doc.UpdateAllViews(nullptr, exhint::kZoomChanged);
}

// Keeps the selected part, or else what is in the middle of the window, in the middle.
void CKORVANEXView::ApplyZoom() {
    ExPoint centre = m_geometry.ClientCentreDrawing();
    const std::vector<CExParts*>& selection = m_doc.SelectionList();
    if (!selection.empty()) {
        const CExParts& part = *selection.front();
        const ExRect box =
            part.HitRegion().IsEmpty() ? part.GetUpdateRect() : part.HitRegion().GetBoundingBox();
        centre = {(box.left + box.right) / 2 * m_nViewScale,
                  (box.top + box.bottom) / 2 * m_nViewScale};
    }
    m_nViewScale = m_nZoom;
    m_ptZoomCenter = centre;
    m_bRecalcAll = true;
    Layout(false);
    Layout(true);
    m_renderer.InvalidateAll();
    viewport()->update();
}
