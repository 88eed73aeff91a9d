// The display switches, the view modes, the sheet size and the pictures of the whole sheet.

#include "ExAppServices.h"
#include "ExDocMapSizeDialog.h"
#include "ExParts.h"
#include "KORVANEXView.h"
#include "SaveFileName.h"
#include "SheetExport.h"

#include <QFileDialog>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace {

constexpr const char* kBitmapFailed = "ビットマップ保存に失敗しました";
constexpr const char* kBitmapFilter = "Bitmapファイル(*.bmp)";
constexpr const char* kExportFailed = "エクスポートに失敗しました。\n%1";

// The pictures エクスポート writes, in the order of its file types.
struct ExportType {
    const char* filter;
    const char* suffix;
};
constexpr ExportType kExportTypes[] = {
    {"PNGファイル (*.png)", "png"}, {"SVGファイル (*.svg)", "svg"}, {"PDFファイル (*.pdf)", "pdf"}};

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
    // Another extension typed by the user is kept and ".bmp" added.
    if (QFileInfo(fileName).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) != 0) {
        fileName = NameWithSuffix(fileName, "bmp");
    }
    if (!fileName.isEmpty()) {
        SaveBitmap(fileName);
    }
}

void CKORVANEXView::OnExport() {
    QFileDialog dialog(this, QStringLiteral("エクスポート"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const ExportType& type : kExportTypes) {
        filters << QString::fromUtf8(type.filter);
    }
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    QString fileName = dialog.selectedFiles().constFirst();
    // A name typed with one of the pictures' extensions says the format; any other name gets the
    // extension of the chosen file type.
    const std::optional<ExPictureFormat> typed = PictureFormatOfFile(fileName);
    if (!typed || *typed == ExPictureFormat::Bmp) {
        const int type =
            std::max(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())));
        fileName = NameWithSuffix(fileName, kExportTypes[type].suffix);
    }
    if (!fileName.isEmpty()) {
        ExportPicture(fileName);
    }
}

bool CKORVANEXView::ExportPicture(const QString& fileName) {
    QString error;
    const bool saved = WritePicture(fileName, *PictureFormatOfFile(fileName), &error);
    if (!saved) {
        const QString message = QString::fromUtf8(kExportFailed).arg(error);
        AppServices().MessageBox(message.toStdString(), ExMessageIcon::Stop, ExMessageButtons::Ok);
    }
    return saved;
}

// The whole sheet as the view mode shows it, at the picture size of the settings.
bool CKORVANEXView::WritePicture(const QString& fileName, ExPictureFormat format, QString* error) {
    const ExDrawingDefaults& defaults = AppServices().DrawingDefaults();
    const bool saved =
        ExportSheet(m_doc, fileName, format, QSize(defaults.bitmapWidth, defaults.bitmapHeight),
                    CExDrawingDecision::ForPicture(m_doc.GetViewMode()), m_settings.mapWidth,
                    m_settings.mapHeight, error);
    // The parts were recomputed for the picture: the screen needs its own geometry back.
    RedrawAll();
    return saved;
}

bool CKORVANEXView::SaveBitmap(const QString& fileName) {
    const bool saved = WritePicture(fileName, ExPictureFormat::Bmp, nullptr);
    if (!saved) {
        AppServices().MessageBox(kBitmapFailed, ExMessageIcon::Stop, ExMessageButtons::Ok);
    }
    return saved;
}
