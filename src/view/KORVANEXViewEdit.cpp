// The editing commands that need no pointer: properties, delete, copy and the drawing order.
// Each is one step of the drawing's history.

#include "ExAppServices.h"
#include "ExEdit.h"
#include "ExEditCommands.h"
#include "ExImageParts.h"
#include "ExKindIndex.h"
#include "ExMeasure.h"
#include "ExParts.h"
#include "ExRulerFollow.h"
#include "ExVertexEdit.h"
#include "KORVANEXView.h"
#include "tools/EditTool.h"
#include "tools/SelectionRect.h"

#include <algorithm>
#include <string>

namespace {

constexpr const char* kNothingSelected = "選択されている部品がありません。";
constexpr const char* kCopyFailed = "件の複写に失敗しました";
constexpr const char* kNoVertices = "頂点編集ができない部品です";

} // namespace

bool CKORVANEXView::CanDelete() const {
    const int state = GetEditState();
    return (state == 0 || state == 6) && !m_doc.Selection().IsEmpty();
}

bool CKORVANEXView::CanCopy() const {
    const CExParts* primary = m_doc.Selection().Primary();
    return primary && KindOfElement(*primary) != ExKind::Area;
}

bool CKORVANEXView::CanZOrder() const {
    return m_doc.GetEditTool() == excommand::kSelectTool && m_doc.GetElementCount() > 1 &&
           m_doc.Selection().Count() == 1;
}

bool CKORVANEXView::CanVertexTool() const {
    return m_doc.Selection().Count() <= 1;
}

bool CKORVANEXView::CanVertexEdit() const {
    return m_doc.Selection().Count() == 1;
}

void CKORVANEXView::OnVertexEdit() {
    const CExParts* part = m_doc.Selection().Primary();
    if (!part || !CanVertexEdit()) {
        return;
    }
    if (VertexShapeOf(*part) == ExVertexShape::None) {
        AppServices().MessageBox(kNoVertices, ExMessageIcon::Stop, ExMessageButtons::Ok);
        return;
    }
    SetModeTool(excommand::kVertexTool);
}

void CKORVANEXView::OnProperties() {
    CExParts* part = m_doc.Selection().Primary();
    if (!part) {
        AppServices().MessageBox(kNothingSelected, ExMessageIcon::Exclamation,
                                 ExMessageButtons::Ok);
        return;
    }
    if (KindOfElement(*part) == ExKind::Area || !m_propertyEditor) {
        return;
    }
    ExActiveViewScope converting(this);
    CancelTool();
    CExEditRecorder recorder(m_doc, "プロパティ");
    recorder.Touch(part);
    // Walls, rooms, pillars and general parts take their rulers along when they move.
    for (CExMeasure* ruler : RulersAttachedTo(m_doc, {part})) {
        recorder.Touch(ruler);
    }
    const ExRect before = SelectionAndRulersRect(m_doc);
    if (!m_propertyEditor(*part)) {
        return;
    }
    part->SetRedrawFlag(1);
    part->UpdateParts();
    part->RecalcParts();
    InvalidateDrawingRect(UnionRect(before, SelectionAndRulersRect(m_doc)));
    PushEdit(recorder.Finish());
}

void CKORVANEXView::OnDelete() {
    if (!CanDelete()) {
        return;
    }
    ExActiveViewScope converting(this);
    CancelTool();
    CExEditRecorder recorder(m_doc, "削除");
    const ExDeleteResult deleted = DeleteSelection(recorder);
    ExRect area = deleted.rect;
    for (const CExParts* part : deleted.changed) {
        area = UnionRect(area, part->GetUpdateRect());
    }
    InvalidateDrawingRect(area);
    PushEdit(recorder.Finish());
    SelectionChanged();
}

void CKORVANEXView::OnCopy() {
    if (!m_doc.Selection().Primary()) {
        return;
    }
    ExActiveViewScope converting(this);
    CancelTool();
    const ExRect before = SelectionViewRect(m_doc);
    CExEditRecorder recorder(m_doc, "複写");
    const ExCopyResult copied = CopySelection(recorder, *this);
    InvalidateDrawingRect(UnionRect(before, SelectionViewRect(m_doc)));
    PushEdit(recorder.Finish());
    SelectionChanged();
    if (copied.failures > 0) {
        AppServices().MessageBox(std::to_string(copied.failures) + kCopyFailed, ExMessageIcon::Stop,
                                 ExMessageButtons::Ok);
    }
}

void CKORVANEXView::OnZOrder(int command) {
    CExParts* part = m_doc.Selection().Primary();
    if (!part || !CanZOrder()) {
        return;
    }
    ExZOrder order = ExZOrder::ToFront;
    switch (command) {
    case excommand::kBringForward:
        order = ExZOrder::Forward;
        break;
    case excommand::kSendToBack:
        order = ExZOrder::ToBack;
        break;
    case excommand::kSendBackward:
        order = ExZOrder::Backward;
        break;
    default:
        break;
    }
    ExActiveViewScope converting(this);
    CExEditRecorder recorder(m_doc, "順序変更");
    if (MoveInZOrder(recorder, *part, order) < 0) {
        return;
    }
    InvalidateDrawingRect(part->GetUpdateRect());
    PushEdit(recorder.Finish());
}

bool CKORVANEXView::ImportImage(const ExImagePixels& picture) {
    if (!m_renderer.IsReady()) {
        return false;
    }
    ExActiveViewScope converting(this);
    CancelTool();
    const ExPoint sheet = m_geometry.SheetExtent();
    ExPoint at = m_geometry.ClientCentreDrawing();
    at = {std::clamp(at.x, 0, sheet.x), std::clamp(at.y, 0, sheet.y)};
    const ExPoint client = m_geometry.ClientView();
    std::unique_ptr<CExImageParts> image =
        CExImageParts::CreateImported(at, picture, *this, client.x, client.y);
    if (!image) {
        return false;
    }
    CExEditRecorder recorder(m_doc, "画像取り込み");
    CExParts* added = recorder.Add(std::move(image));
    added->SetRedrawFlag(1);
    InvalidateDrawingRect(added->GetUpdateRect());
    PushEdit(recorder.Finish());
    return true;
}
