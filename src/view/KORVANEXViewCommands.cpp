// The display switches, the view modes, the sheet size and the picture of the whole sheet.

#include "ExAppServices.h"
#include "ExDocMapSizeDialog.h"
#include "ExParts.h"
#include "KORVANEXView.h"
#include "SheetExport.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

constexpr const char* kBitmapFailed = "ビットマップ保存に失敗しました";
constexpr const char* kBitmapFilter = "Bitmapファイル(*.bmp)";
constexpr const char* kOverwriteQuestion = "%1 は既に存在します。\n上書きしますか？";

} // namespace

void CKORVANEXView::OnToggleGrid() {
    m_settings.showGrid = m_settings.showGrid != 0 ? 0 : 1;
    RedrawAll();
    emit commandStateChanged();
}

// Hidden rulers or areas must not stay selected, so any selection goes.
void CKORVANEXView::ClearSelection() {
    m_doc.Selection().Clear();
}

void CKORVANEXView::OnToggleMeasure() {
    m_settings.showMeasure = m_settings.showMeasure != 0 ? 0 : 1;
    ClearSelection();
    m_renderer.InvalidateAll();
    viewport()->update();
    emit commandStateChanged();
}

void CKORVANEXView::OnToggleArea() {
    m_settings.showArea = m_settings.showArea != 0 ? 0 : 1;
    ClearSelection();
    m_renderer.InvalidateAll();
    viewport()->update();
    emit commandStateChanged();
}

void CKORVANEXView::OnLayoutView() {
    m_doc.SetViewMode(excommand::kLayoutView);
    m_renderer.InvalidateAll();
    viewport()->update();
    emit commandStateChanged();
}

void CKORVANEXView::OnWiringView() {
    m_doc.SetViewMode(excommand::kWiringView);
    m_renderer.InvalidateAll();
    viewport()->update();
    emit commandStateChanged();
}

void CKORVANEXView::OnMapSize() {
    CancelTool();
    CExDocMapSizeDialog dialog(m_doc, {m_settings.mapWidth, m_settings.mapHeight},
                               m_settings.viewScale, this);
    if (dialog.exec() == QDialog::Accepted) {
        SetMapSize(dialog.Result());
        PushEdit(dialog.TakeEdit());
    }
}

// The sheet size is kept in the drawing file: changing it is an edit to be saved.
void CKORVANEXView::SetMapSize(ExMapSize size) {
    if (size.width != m_settings.mapWidth || size.height != m_settings.mapHeight) {
        m_doc.SetModifiedFlag();
    }
    m_settings.mapWidth = size.width;
    m_settings.mapHeight = size.height;
    m_bRecalcAll = true;
    Layout(false);
    Layout(true);
    RedrawAll();
}

void CKORVANEXView::OnBitmapSave() {
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QString::fromUtf8(kBitmapFilter));
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    QString fileName = dialog.selectedFiles().constFirst();
    // Another extension typed by the user is kept and ".bmp" added; the dialog could not have
    // asked about overwriting that name, so it is asked here.
    if (QFileInfo(fileName).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) != 0) {
        fileName += QStringLiteral(".bmp");
        if (QFileInfo::exists(fileName)) {
            const QString question = QString::fromUtf8(kOverwriteQuestion).arg(fileName);
            if (AppServices().MessageBox(question.toStdString(), ExMessageIcon::Question,
                                         ExMessageButtons::OkCancel) != ExMessageResult::Ok) {
                return;
            }
        }
    }
    SaveBitmap(fileName);
}

bool CKORVANEXView::SaveBitmap(const QString& fileName) {
    const ExDrawingDefaults& defaults = AppServices().DrawingDefaults();
    const bool saved = ExportSheet(m_doc, fileName, ExPictureFormat::Bmp,
                                   QSize(defaults.bitmapWidth, defaults.bitmapHeight),
                                   CExDrawingDecision::ForPicture(m_doc.GetViewMode()),
                                   m_settings.mapWidth, m_settings.mapHeight, nullptr);
    // The parts were recomputed for the picture: the screen needs its own geometry back.
    RedrawAll();
    if (!saved) {
        AppServices().MessageBox(kBitmapFailed, ExMessageIcon::Stop, ExMessageButtons::Ok);
    }
    return saved;
}
