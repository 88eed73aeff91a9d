#include "ChildFrame.h"
#include "KORVANEXView.h"
#include "MainFrame.h"
#include "SheetPrint.h"

#include <QAction>
#include <QPageSetupDialog>
#include <QPrinter>

// One printer for the whole program, as chosen last in the printer's or the page set-up
// dialog; a new one starts on the page `qlptool print` starts on.
QPrinter& CMainFrame::Printer() {
    if (!m_pPrinter) {
        m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_pPrinter->setResolution(kPrintDpi);
        m_pPrinter->setPageLayout(DefaultPrintPageLayout(QPageSize::A4, QPageLayout::Portrait));
    }
    // The drawing's title names the print job and the PDF a print to a file proposes.
    if (const CChildFrame* child = ActiveChild()) {
        m_pPrinter->setDocName(child->Title());
    }
    return *m_pPrinter;
}

void CMainFrame::ConnectPrintCommands() {
    connect(Action(QStringLiteral("filePrint")), &QAction::triggered, this,
            [this] { OnActiveView([this](CKORVANEXView& view) { view.OnFilePrint(Printer()); }); });
    connect(Action(QStringLiteral("filePrintPreview")), &QAction::triggered, this, [this] {
        OnActiveView([this](CKORVANEXView& view) { view.OnFilePrintPreview(Printer()); });
    });
    connect(Action(QStringLiteral("filePrintSetup")), &QAction::triggered, this, [this] {
        QPageSetupDialog dialog(&Printer(), this);
        dialog.exec();
    });
}
