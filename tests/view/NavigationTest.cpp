#include "KORVANEXView.h"
#include "support/EditDrawing.h"
#include "support/EditedView.h"
#include "support/RecordingServices.h"
#include "support/ViewFixtures.h"
#include "tools/ArmedTools.h"
#include "tools/EditTool.h"

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <cstdlib>

namespace {

constexpr ExColor kRed = 0x0000FF;
constexpr ExColor kBlue = 0xFF0000;

void Wheel(CKORVANEXView& view, QPoint at, int delta, Qt::KeyboardModifiers modifiers) {
    QWheelEvent event(at, view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &event);
}

QPoint Scroll(const CKORVANEXView& view) {
    return {view.horizontalScrollBar()->value(), view.verticalScrollBar()->value()};
}

bool WithinAPixel(QPoint a, QPoint b) {
    return std::abs(a.x() - b.x()) <= 1 && std::abs(a.y() - b.y()) <= 1;
}

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
    void fittingShowsTheWholeSheetAtATypedZoom() {
        const struct {
            ExMapSize sheet;
            int zoom; // 0: any the rule finds
        } cases[] = {{{25, 25}, 0}, {{60, 10}, 0}, {{1, 1}, 10}, {{1000, 1000}, 3000}};
        for (const auto& c : cases) {
            Edited edited;
            edited.Start();
            CKORVANEXView& view = *edited.view;
            view.SetMapSize(c.sheet);
            view.OnZoomFit();
            QTest::qWait(20);
            QCOMPARE(view.GetZoomIndex(), 1);
            if (c.zoom != 0) {
                QCOMPARE(view.GetZoom(), c.zoom);
                continue;
            }
            // The scroll bars have gone.
            const QRect window = view.viewport()->rect();
            QCOMPARE(window.size(), view.maximumViewportSize());
            const ExPoint far = view.Geometry().SheetExtent();
            // The sheet's far edges lie on the window's last pixels at most.
            QVERIFY(window.adjusted(0, 0, 1, 1).contains(view.Geometry().DrawingToPixel({0, 0})));
            QVERIFY(window.adjusted(0, 0, 1, 1).contains(view.Geometry().DrawingToPixel(far)));
            QCOMPARE(Scroll(view), QPoint(0, 0));
            // The finest such zoom: the geometry's own tests check that one finer does not fit.
            QCOMPARE(view.GetZoom(), view.Geometry().FittingScale(view.maximumViewportSize()));
        }
    }

    void controlWheelKeepsThePointUnderThePointer() {
        const struct {
            int preset;
            int delta;
            QPoint pointer;
            int zoom;
        } cases[] = {
            {6, 120, {200, 150}, 75},  // in, left upper quarter
            {6, 120, {600, 450}, 75},  // in, right lower quarter
            {8, -120, {300, 200}, 75}, // out from 1/50
            {9, 120, {650, 100}, 10},  // in to 1/10
        };
        for (const auto& c : cases) {
            Edited edited;
            edited.Start();
            CKORVANEXView& view = *edited.view;
            view.OnZoomPreset(c.preset);
            const ExPoint under = view.Geometry().PixelToDrawing(c.pointer);
            Wheel(view, c.pointer, c.delta, Qt::ControlModifier);
            QCOMPARE(view.GetZoom(), c.zoom);
            QVERIFY2(WithinAPixel(view.Geometry().DrawingToPixel(under), c.pointer),
                     qPrintable(QStringLiteral("%1,%2").arg(c.pointer.x()).arg(c.pointer.y())));
        }
    }

    void thePlainWheelStillScrolls() {
        Edited edited;
        edited.Start();
        CKORVANEXView& view = *edited.view;
        const QPoint before = Scroll(view);
        Wheel(view, {400, 300}, -120, Qt::NoModifier);
        QCOMPARE(view.GetZoom(), 100);
        QVERIFY(Scroll(view).y() > before.y());
    }

    void aSheetSmallerThanTheWindowHasAThinGreyEdge() {
        const QRgb grey = qRgb(128, 128, 128);
        for (const auto& [sheet, bordered] :
             {std::pair{ExMapSize{10, 8}, true}, std::pair{ExMapSize{25, 25}, false}}) {
            Edited edited;
            edited.Start();
            CKORVANEXView& view = *edited.view;
            view.OnToggleGrid();
            view.SetMapSize(sheet);
            view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
            view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
            QTest::qWait(20);
            const QImage picture = view.viewport()->grab().toImage();
            const qreal ratio = picture.devicePixelRatio();
            const ExPoint far = view.Geometry().SheetExtent();
            const QPoint right = view.Geometry().DrawingToPixel({far.x, far.y / 2});
            const QPoint bottom = view.Geometry().DrawingToPixel({far.x / 2, 0});
            QCOMPARE(ColourNear(picture, right * ratio, grey), bordered);
            QCOMPARE(ColourNear(picture, bottom * ratio, grey), bordered);
            // The white beyond the sheet is kept.
            if (bordered) {
                QCOMPARE(QColor(picture.pixel((right + QPoint(8, 0)) * ratio)), QColor(Qt::white));
            }
        }
    }

    void selectAllTakesWhatARubberBandCouldTake() {
        Edited edited;
        CExParts* a = AddSquare(edited.doc, {500000, 500000}, 100000, kRed);
        CExParts* cable =
            edited.doc.AddElement(editdrawing::Cable({{400000, 400000}, {600000, 400000}}));
        CExParts* b = AddSquare(edited.doc, {2400000, 2400000}, 100000, kBlue);
        edited.Start();
        CKORVANEXView& view = *edited.view;
        edited.doc.Selection().Select(cable);
        QVERIFY(view.CanSelectAll());
        view.OnSelectAll();
        QCOMPARE(edited.doc.SelectionList(), (std::vector<CExParts*>{a, b}));
        QCOMPARE(cable->GetSelectFlag(), 0);
        // Vertex editing takes one part: select all returns to the select tool.
        edited.doc.Selection().Select(a);
        view.SetModeTool(excommand::kVertexTool);
        view.OnSelectAll();
        QCOMPARE(edited.doc.GetEditTool(), excommand::kSelectTool);
        QCOMPARE(edited.doc.SelectionList().size(), std::size_t(2));

        Edited empty;
        empty.doc.AddElement(editdrawing::Cable({{400000, 400000}, {600000, 400000}}));
        empty.Start();
        QVERIFY(!empty.view->CanSelectAll());
    }
};

QTEST_MAIN(NavigationTest)
#include "NavigationTest.moc"
