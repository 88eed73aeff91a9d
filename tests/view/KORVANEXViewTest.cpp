#include "KORVANEXView.h"
#include "ExViewContext.h"
#include "support/RecordingServices.h"
#include "support/ShownView.h"
#include "support/ViewFixtures.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <cstdlib>
#include <memory>

namespace {

constexpr ExColor kRed = 0x0000FF;

void Wheel(CKORVANEXView& view, int delta, Qt::KeyboardModifiers modifiers) {
    const QPointF at(400, 300);
    QWheelEvent event(at, view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &event);
}

bool Near(ExPoint a, ExPoint b, int tolerance) {
    return std::abs(a.x - b.x) <= tolerance && std::abs(a.y - b.y) <= tolerance;
}

// Pictures of 320 × 240 pixels of a drawing with one red square.
void ShowForPictures(RecordingServices& services, Shown& shown) {
    services.Defaults().bitmapWidth = 320;
    services.Defaults().bitmapHeight = 240;
    AddSquare(shown.doc, {1250000, 1250000}, 200000, kRed);
    shown.Show();
}

} // namespace

class KORVANEXViewTest : public QObject {
    Q_OBJECT

private slots:
    void aNewViewShowsTheMiddleOfTheSheetAtOneHundredth() {
        Shown shown;
        shown.Show();
        CKORVANEXView& view = *shown.view;
        QCOMPARE(view.ZoomText(), QStringLiteral("1/100"));
        QCOMPARE(GetActiveView(), static_cast<CExViewContext*>(&view));
        QCOMPARE(view.GetMapWidth(), 25);
        QVERIFY(Near(view.Geometry().ClientCentreDrawing(), {1250000, 1250000}, 3000));
        view.Activate(false);
        QCOMPARE(GetActiveView(), nullptr);
    }

    void theViewPaintsThePartsOfItsDocument() {
        Shown shown;
        AddSquare(shown.doc, {1250000, 1250000}, 200000, kRed);
        shown.Show();
        QTest::qWait(50);
        const QImage picture = shown.view->viewport()->grab().toImage();
        const QPoint edge = shown.view->Geometry().DrawingToPixel({1150000, 1200000});
        QVERIFY(ColourNear(picture, edge * picture.devicePixelRatio(), ToRgb(kRed)));
    }

    void changedDrawingSettingsReachTheGridAtHintEleven() {
        RecordingServices services;
        Shown shown;
        shown.Show();
        QCOMPARE(shown.view->Grid().smallInterval, (ExPoint{50000, 50000}));
        services.Defaults().gridBigIntervalXCm = 100;
        shown.doc.UpdateAllViews(nullptr, ExDocUpdate::RedrawAll());
        QCOMPARE(shown.view->Grid().smallInterval, (ExPoint{100000, 50000}));
        QVERIFY(shown.view->IsRecalcAllPending());
    }

    void aLoadedDrawingBringsItsZoomSheetSwitchesAndCentre() {
        QTemporaryDir folder;
        const std::string file = folder.filePath(QStringLiteral("stored.qlp")).toStdString();
        {
            CKORVANEXDoc source;
            AddSquare(source, {500000, 500000}, 100000, kRed);
            source.ViewSettings() = {{1000000, 800000}, 50, 8, 50, 30, 20, 0, 1, 0};
            QVERIFY(source.OnSaveDocument(file));
        }
        Shown shown;
        QVERIFY(shown.doc.OnOpenDocument(file));
        shown.Show();
        CKORVANEXView& view = *shown.view;
        QCOMPARE(view.GetZoom(), 50);
        QCOMPARE(view.GetZoomIndex(), 8);
        QCOMPARE(view.GetViewScale(), 50);
        QCOMPARE(view.GetMapWidth(), 30);
        QCOMPARE(view.GetMapHeight(), 20);
        QVERIFY(!view.IsShowGrid());
        QVERIFY(view.IsShowMeasure());
        QVERIFY(!view.IsShowArea());
        QVERIFY(Near(view.Geometry().ClientCentreDrawing(), {1000000, 800000}, 1500));

        ExViewSettings saved;
        view.FillViewSettings(saved);
        QCOMPARE(saved.zoom, 50);
        QCOMPARE(saved.mapWidth, 30);
        QVERIFY(Near(saved.center, {1000000, 800000}, 1500));
    }

    void aDamagedStoredZoomIsBroughtIntoRange() {
        QTemporaryDir folder;
        const std::string file = folder.filePath(QStringLiteral("odd.qlp")).toStdString();
        {
            CKORVANEXDoc source;
            source.ViewSettings() = {{0, 0}, 77, 42, 99999, 0, 5000, 1, 1, 1};
            QVERIFY(source.OnSaveDocument(file));
        }
        Shown shown;
        QVERIFY(shown.doc.OnOpenDocument(file));
        shown.Show();
        QCOMPARE(shown.view->GetZoom(), 77);
        QCOMPARE(shown.view->GetZoomIndex(), 1);
        QCOMPARE(shown.view->GetViewScale(), 3000);
        QCOMPARE(shown.view->GetMapWidth(), 1);
        QCOMPARE(shown.view->GetMapHeight(), 1000);
    }

    void zoomCommandsUpdateTheIndicatorAndTheLayout() {
        Shown shown;
        shown.Show();
        CKORVANEXView& view = *shown.view;
        QSignalSpy indicator(&view, &CKORVANEXView::zoomTextChanged);
        view.OnZoomIn();
        QCOMPARE(view.GetZoom(), 75);
        QCOMPARE(view.GetViewScale(), 75);
        QCOMPARE(indicator.last().at(0).toString(), QStringLiteral("1/75"));
        view.OnZoomPreset(2);
        QCOMPARE(view.GetViewScale(), 500);
        QVERIFY(!view.CanZoomOut());
        view.ApplyTypedZoom(120);
        QCOMPARE(view.GetZoomIndex(), 1);
        QCOMPARE(indicator.last().at(0).toString(), QStringLiteral("1/120"));
        view.OnZoomOut();
        QCOMPARE(view.GetZoom(), 125);
    }

    void zoomingKeepsTheSelectedPartInTheMiddle() {
        Shown shown;
        CExParts* part = AddSquare(shown.doc, {900000, 1600000}, 100000, kRed);
        shown.Show();
        QTest::qWait(20);
        shown.doc.Selection().Select(part);
        shown.view->OnZoomPreset(9);
        QVERIFY(Near(shown.view->Geometry().ClientCentreDrawing(), {900000, 1600000}, 2000));
    }

    void controlWheelZoomsAndShiftWheelIsLeftAlone() {
        Shown shown;
        shown.Show();
        CKORVANEXView& view = *shown.view;
        Wheel(view, -120, Qt::ControlModifier);
        QCOMPARE(view.GetZoom(), 125);
        Wheel(view, 120, Qt::ControlModifier);
        QCOMPARE(view.GetZoom(), 100);
        const int scroll = view.verticalScrollBar()->value();
        Wheel(view, -120, Qt::ShiftModifier);
        QCOMPARE(view.GetZoom(), 100);
        QCOMPARE(view.verticalScrollBar()->value(), scroll);
        Wheel(view, -120, Qt::NoModifier);
        QVERIFY(view.verticalScrollBar()->value() > scroll);
    }

    void hidingRulersOrAreasClearsTheSelection() {
        Shown shown;
        CExParts* part = AddSquare(shown.doc, {900000, 1600000}, 100000, kRed);
        shown.Show();
        shown.doc.Selection().Select(part);
        shown.view->OnToggleMeasure();
        QVERIFY(!shown.view->IsShowMeasure());
        QVERIFY(shown.doc.SelectionList().empty());
        QCOMPARE(part->GetSelectFlag(), 0);
        shown.view->OnToggleArea();
        QVERIFY(!shown.view->IsShowArea());
        shown.view->OnToggleGrid();
        QVERIFY(!shown.view->IsShowGrid());
        QVERIFY(shown.view->IsRecalcAllPending());
    }

    void theViewModesSwitchTheDocument() {
        Shown shown;
        shown.Show();
        shown.view->OnWiringView();
        QCOMPARE(shown.doc.GetViewMode(), excommand::kWiringView);
        shown.view->OnLayoutView();
        QCOMPARE(shown.doc.GetViewMode(), excommand::kLayoutView);
    }

    void redrawAllRecomputesEverything() {
        Shown shown;
        shown.Show();
        QTest::qWait(20);
        QVERIFY(!shown.view->IsRecalcAllPending());
        shown.doc.UpdateAllViews(nullptr, ExDocUpdate::RedrawAll());
        QVERIFY(shown.view->IsRecalcAllPending());
    }

    void aNewSheetSizeIsLaidOut() {
        Shown shown;
        shown.Show();
        shown.view->SetMapSize({25, 25});
        QVERIFY(!shown.doc.IsModified());
        shown.view->SetMapSize({40, 10});
        QVERIFY(shown.doc.IsModified());
        QCOMPARE(shown.view->Geometry().MapWidth(), 40);
        QCOMPARE(shown.view->Geometry().SheetExtent(), (ExPoint{4000000, 1000000}));
    }

    void theBitmapIsTheConfiguredSizeAndTheScreenIsRecomputed() {
        RecordingServices services;
        Shown shown;
        ShowForPictures(services, shown);
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("plan.bmp"));
        QVERIFY(shown.view->SaveBitmap(file));
        QCOMPARE(QImage(file).size(), QSize(320, 240));
        QVERIFY(shown.view->IsRecalcAllPending());
        QVERIFY(!shown.view->SaveBitmap(folder.filePath(QStringLiteral("missing/plan.bmp"))));
        QCOMPARE(QString::fromStdString(services.Messages().back().text),
                 QStringLiteral("ビットマップ保存に失敗しました"));
    }

    void exportWritesPngSvgAndPdfOfTheConfiguredSize() {
        RecordingServices services;
        Shown shown;
        ShowForPictures(services, shown);
        QTemporaryDir folder;
        const QString png = folder.filePath(QStringLiteral("plan.PNG"));
        QVERIFY(shown.view->ExportPicture(png));
        QCOMPARE(QImage(png).size(), QSize(320, 240));
        const QString svg = folder.filePath(QStringLiteral("plan.svg"));
        QVERIFY(shown.view->ExportPicture(svg));
        QFile svgFile(svg);
        QVERIFY(svgFile.open(QIODevice::ReadOnly));
        QVERIFY(svgFile.readAll().contains("viewBox=\"0 0 320 240\""));
        const QString pdf = folder.filePath(QStringLiteral("plan.pdf"));
        QVERIFY(shown.view->ExportPicture(pdf));
        QFile pdfFile(pdf);
        QVERIFY(pdfFile.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdfFile.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.contains("/MediaBox [0 0 240.000000 180.000000]")); // 320 × 240 px at 96 dpi
        QVERIFY(shown.view->IsRecalcAllPending());
        QVERIFY(services.Messages().empty());

        QVERIFY(!shown.view->ExportPicture(folder.filePath(QStringLiteral("missing/plan.svg"))));
        QVERIFY(QString::fromStdString(services.Messages().back().text)
                    .startsWith(QStringLiteral("エクスポートに失敗しました。")));
    }
};

QTEST_MAIN(KORVANEXViewTest)
#include "KORVANEXViewTest.moc"
