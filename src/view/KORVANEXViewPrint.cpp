#include "ExAppServices.h"
#include "ExException.h"
#include "KORVANEXView.h"
#include "SheetPrint.h"
#include "TabControlDlg.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

constexpr const char* kNoPrinter = "有効なプリンタがインストールされいてません。";
constexpr const char* kTooManyPages = "印刷するページが多すぎます（%1 ページ）。"
                                      "縮尺の分母を大きくして、もう一度行ってください。";
constexpr const char* kPrintFailed = "印刷に失敗しました。\n%1";

// Whatever happens while printing, the screen gets its own geometry back: printing recomputes
// every element at the print divisor.
class CScreenGeometryRestorer {
public:
    explicit CScreenGeometryRestorer(CKORVANEXView& view) : m_view(view) {}
    ~CScreenGeometryRestorer() { m_view.RedrawAll(); }
    CScreenGeometryRestorer(const CScreenGeometryRestorer&) = delete;
    CScreenGeometryRestorer& operator=(const CScreenGeometryRestorer&) = delete;

private:
    CKORVANEXView& m_view;
};

} // namespace

// The print system may offer no printer at all; printing to a file needs none.
bool CKORVANEXView::CanPrintOn(const QPrinter& printer) {
    return !printer.outputFileName().isEmpty() || !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool CKORVANEXView::PreparePrinting(const QPrinter& printer) {
    CancelTool();
    if (!m_doc.Selection().IsEmpty()) {
        ClearSelection();
        RedrawAll();
        SelectionChanged();
    }
    m_nAutoPrintScale = CExPrintLayout::FittedScale(m_settings.mapWidth, m_settings.mapHeight,
                                                    PrintablePage(printer.pageLayout()));
    CTabControlDlg dialog(m_doc.GetViewMode(), m_nPrintForm, m_nPrintScale, m_nAutoPrintScale,
                          this);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    m_nPrintForm = dialog.PrintForm();
    m_nPrintScale = dialog.PrintScale();
    return true;
}

bool CKORVANEXView::PrintTo(QPrinter& printer) {
    // Keeping the value fitted to the page before the printer was chosen means "fit the page
    // the printer has now".
    const int scale = m_nPrintScale == m_nAutoPrintScale ? 0 : m_nPrintScale;
    const CExPrintLayout layout = CExPrintLayout::Make(m_settings.mapWidth, m_settings.mapHeight,
                                                       PrintablePage(printer.pageLayout()), scale);
    if (layout.HasTooManyPages()) {
        const QString message = QString::fromUtf8(kTooManyPages).arg(layout.PageCount());
        AppServices().MessageBox(message.toStdString(), ExMessageIcon::Exclamation,
                                 ExMessageButtons::Ok);
        return false;
    }
    CScreenGeometryRestorer restorer(*this);
    QString error;
    try {
        CSheetPrinter sheet(m_doc, layout, m_nPrintForm, m_settings.mapWidth, m_settings.mapHeight,
                            printer.resolution());
        if (sheet.Print(printer, &error)) {
            return true;
        }
    } catch (...) {
        ReportCaughtException();
    }
    const QString message = QString::fromUtf8(kPrintFailed).arg(error);
    AppServices().MessageBox(message.toStdString(), ExMessageIcon::Stop, ExMessageButtons::Ok);
    return false;
}

void CKORVANEXView::OnFilePrint(QPrinter& printer) {
    if (!PreparePrinting(printer)) {
        return;
    }
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (!CanPrintOn(printer)) {
        AppServices().MessageBox(kNoPrinter, ExMessageIcon::Stop, ExMessageButtons::Ok);
        return;
    }
    PrintTo(printer);
}

void CKORVANEXView::OnFilePrintPreview(QPrinter& printer) {
    if (!PreparePrinting(printer)) {
        return;
    }
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QStringLiteral("印刷プレビュー"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* shown) { PrintTo(*shown); });
    preview.resize(window()->size());
    preview.exec();
}
