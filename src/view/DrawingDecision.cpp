#include "DrawingDecision.h"

#include "ExKindIndex.h"
#include "ExParts.h"
#include "KORVANEXDoc.h"

namespace {

constexpr int kLayoutForm = 1;
constexpr int kWiringForm = 2;

} // namespace

bool IsWiringLayerPart(const CExParts& part) {
    const int group = part.GetPartsCode() / 100;
    return group == excode::kCableGroup || group == excode::kWiringLayerGroup;
}

CExDrawingDecision CExDrawingDecision::ForView(int viewMode, bool showMeasure, bool showArea) {
    CExDrawingDecision decision;
    decision.m_source = Source::View;
    decision.m_nViewMode = viewMode;
    decision.m_bShowMeasure = showMeasure;
    decision.m_bShowArea = showArea;
    return decision;
}

CExDrawingDecision CExDrawingDecision::ForPicture(int viewMode) {
    return ForView(viewMode, true, true);
}

CExDrawingDecision CExDrawingDecision::ForPrintForm(int form) {
    CExDrawingDecision decision;
    decision.m_source = Source::Print;
    decision.m_nPrintForm = form;
    return decision;
}

ExDrawStyle CExDrawingDecision::Decide(const CExParts& part) const {
    const bool wiring = IsWiringLayerPart(part);
    if (m_source == Source::Print) {
        if ((m_nPrintForm == kLayoutForm && wiring) || (m_nPrintForm == kWiringForm && !wiring)) {
            return ExDrawStyle::Skip;
        }
        return ExDrawStyle::Normal;
    }
    const ExKind kind = KindOfClassName(part.GetRuntimeClassName());
    if ((kind == ExKind::Area && !m_bShowArea) || (kind == ExKind::Measure && !m_bShowMeasure)) {
        return ExDrawStyle::Skip;
    }
    const bool dimmed = m_nViewMode == excommand::kWiringView ? !wiring : wiring;
    return dimmed ? ExDrawStyle::Light : ExDrawStyle::Normal;
}

bool CExDrawingDecision::Draw(CExParts& part, CExDC& dc) const {
    switch (Decide(part)) {
    case ExDrawStyle::Skip:
        return false;
    case ExDrawStyle::Light:
        part.DrawPartsLight(&dc);
        return true;
    case ExDrawStyle::Normal:
        part.DrawParts(&dc);
        return true;
    }
    return false;
}
