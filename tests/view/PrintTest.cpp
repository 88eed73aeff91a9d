#include "ExPrintLayout.h"
#include "SheetPrint.h"
#include "support/RecordingServices.h"
#include "support/ShownView.h"
#include "support/ViewFixtures.h"

#include <QDialog>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// Answers the print settings dialog once it is up, as the user would with OK or Cancel.
void AnswerSettingsDialog(bool accept) {
    QTimer::singleShot(0, [accept] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        accept ? dialog->accept() : dialog->reject();
    });
}

int PdfPageCount(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray bytes = file.readAll();
    return static_cast<int>(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") +
                            bytes.count("/Type /Page/"));
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void printingLeavesTheViewAsItWas() {
        RecordingServices services;
        Shown shown;
        CExParts* square = AddSquare(shown.doc, {500000, 500000}, 100000, 0x0000FF);
        shown.Show();
        shown.view->SetMapSize({20, 15});
        shown.doc.Selection().Select(square);
        square->SetSelectFlag(1);
        const int viewScale = shown.view->Settings().viewScale;
        const ExPoint onScreen = square->DrawLines().View()[0].viewStart;

        QPrinter printer(QPrinter::HighResolution);
        printer.setPageLayout(DefaultPrintPageLayout(QPageSize::A4, QPageLayout::Portrait));
        AnswerSettingsDialog(true);
        QVERIFY(shown.view->PreparePrinting(printer));
        QVERIFY(shown.doc.Selection().IsEmpty());
        QCOMPARE(square->GetSelectFlag(), 0);
        QCOMPARE(shown.view->PrintForm(), 1); // the layout view proposes the layout only
        QCOMPARE(shown.view->AutoPrintScale(),
                 CExPrintLayout::FittedScale(20, 15, PrintablePage(printer.pageLayout())));
        QCOMPARE(shown.view->PrintScale(), shown.view->AutoPrintScale());

        QTemporaryDir folder;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("plan.pdf")));
        QVERIFY(shown.view->PrintTo(printer));
        QCOMPARE(PdfPageCount(printer.outputFileName()), 1);
        QVERIFY(services.Messages().empty());

        shown.view->repaint();
        QCOMPARE(shown.view->Settings().viewScale, viewScale);
        QCOMPARE(square->DrawLines().View()[0].viewStart, onScreen);
    }

    void printingNeedsAPrinterOrAFile() {
        QPrinter printer;
        printer.setOutputFileName(QString());
        QCOMPARE(CKORVANEXView::CanPrintOn(printer),
                 !QPrinterInfo::availablePrinterNames().isEmpty());
        printer.setOutputFileName(QStringLiteral("/tmp/plan.pdf"));
        QVERIFY(CKORVANEXView::CanPrintOn(printer));
    }

    void cancellingTheSettingsStopsPrinting() {
        Shown shown;
        AddSquare(shown.doc, {500000, 500000}, 100000, 0x0000FF);
        shown.Show();
        QPrinter printer(QPrinter::HighResolution);
        AnswerSettingsDialog(false);
        QVERIFY(!shown.view->PreparePrinting(printer));
        QCOMPARE(shown.view->PrintScale(), 0);
    }
};

QTEST_MAIN(PrintTest)
#include "PrintTest.moc"
