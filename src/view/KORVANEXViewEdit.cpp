// The editing commands that need no pointer: properties, delete, copy and the drawing order.
// Each is one step of the drawing's history.

#include "ExAppServices.h"
#include "ExEdit.h"
#include "ExEditCommands.h"
#include "ExHitTest.h"
#include "ExImageCalibration.h"
#include "ExImageParts.h"
#include "ExKindIndex.h"
#include "ExMeasure.h"
#include "ExParts.h"
#include "ExRulerFollow.h"
#include "ExVertexEdit.h"
#include "ImageCalibrationDialog.h"
#include "KORVANEXView.h"
#include "tools/CalibrationTool.h"
#include "tools/EditTool.h"
#include "tools/SelectionRect.h"

#include <QTimer>

#include <algorithm>
#include <optional>
#include <string>

namespace {

constexpr const char* kNothingSelected = "選択されている部品がありません。";
constexpr const char* kCopyFailed = "件の複写に失敗しました";
constexpr const char* kNoVertices = "頂点編集ができない部品です";
constexpr const char* kCalibrationStart = "画像の上で、距離のわかっている2点をクリックしてください";
constexpr const char* kCalibrationTooClose =
    "2点が近すぎます。画面上で 1 mm 以上離れた2点をクリックしてください。";
constexpr const char* kCalibrationBeyondSheet =
    "縮尺を合わせると画像が図面からはみ出します。"
    "図面サイズを大きくしてから、もう一度行ってください。";
constexpr const char* kCalibrationTooSmall = "縮尺を合わせると画像が 1 cm より小さくなります。";

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

bool CKORVANEXView::CanSelectAll() const {
    return !GroupSelectableParts(m_doc, HitContextOf(*this)).empty();
}

bool CKORVANEXView::CanVertexTool() const {
    return m_doc.Selection().Count() <= 1;
}

bool CKORVANEXView::CanCalibrateImage() const {
    const CExParts* part = m_doc.Selection().Primary();
    return m_doc.Selection().Count() == 1 && KindOfElement(*part) == ExKind::Image;
}

void CKORVANEXView::OnCalibrateImage() {
    if (!CanCalibrateImage()) {
        return;
    }
    CExParts* image = m_doc.Selection().Primary();
    // The distance is asked once the tool's press is over: a dialog inside a tool's event would
    // take the focus and end the tool under it.
    auto taken = [this, image](ExPoint first, ExPoint second) {
        QTimer::singleShot(0, this, [=, this] { CalibrateImage(image, first, second); });
    };
    ArmTool(std::make_unique<CCalibrationTool>(*this, *image, std::move(taken)));
    ShowStatusMessage(QString::fromUtf8(kCalibrationStart));
}

std::optional<double> CKORVANEXView::AskCalibrationDistance(double measuredMm) {
    if (m_calibrationAsker) {
        return m_calibrationAsker(measuredMm);
    }
    CImageCalibrationDialog dialog(measuredMm, this);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Millimetres();
}

void CKORVANEXView::CalibrateImage(CExParts* image, ExPoint first, ExPoint second) {
    const auto& elements = m_doc.Elements();
    if (std::none_of(elements.begin(), elements.end(),
                     [&](const auto& element) { return element.get() == image; })) {
        return;
    }
    const double measured = DistanceMm(first, second);
    if (measured * 100 / m_settings.viewScale < kMinCalibrationSpan) {
        AppServices().MessageBox(kCalibrationTooClose, ExMessageIcon::Exclamation,
                                 ExMessageButtons::Ok);
        return;
    }
    const std::optional<double> real = AskCalibrationDistance(measured);
    if (!real) {
        return;
    }
    ExActiveViewScope converting(this);
    CancelTool();
    CExEditRecorder recorder(m_doc, "画像の縮尺合わせ");
    recorder.Touch(image);
    const ExRect before = SelectionAndRulersRect(m_doc);
    switch (::CalibrateImage(*image, *real / measured,
                             ExSheetSize{m_settings.mapWidth, m_settings.mapHeight})) {
    case ExCalibration::Scaled:
        InvalidateDrawingRect(UnionRect(before, SelectionAndRulersRect(m_doc)));
        PushEdit(recorder.Finish());
        break;
    case ExCalibration::BeyondSheet:
        AppServices().MessageBox(kCalibrationBeyondSheet, ExMessageIcon::Exclamation,
                                 ExMessageButtons::Ok);
        break;
    case ExCalibration::TooSmall:
        AppServices().MessageBox(kCalibrationTooSmall, ExMessageIcon::Exclamation,
                                 ExMessageButtons::Ok);
        break;
    }
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

// The selection becomes what a rubber band round the whole sheet would take: a selected cable
// or area, which is never selected with others, is let go. Vertex editing works on one part, so
// it gives way to the select tool.
void CKORVANEXView::OnSelectAll() {
    ExActiveViewScope converting(this);
    CancelTool();
    if (m_doc.GetEditTool() == excommand::kVertexTool) {
        SetModeTool(excommand::kSelectTool);
    }
    const ExRect before = SelectionViewRect(m_doc);
    m_doc.Selection().Clear();
    for (CExParts* part : GroupSelectableParts(m_doc, HitContextOf(*this))) {
        m_doc.Selection().Add(part);
        part->SetRedrawFlag(1);
    }
    InvalidateDrawingRect(UnionRect(before, SelectionViewRect(m_doc)));
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
