#include "KORVANEXView.h"
#include "PointerStatus.h"
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

// The last text the view gave for the status bar.
QString LastText(const QSignalSpy& spy) {
    return spy.isEmpty() ? QStringLiteral("(none)") : spy.last().at(0).toString();
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

    void theMiddleButtonPansWhateverTheToolWithoutDisturbingIt() {
        const int tools[] = {excommand::kSelectTool, excommand::kZoomTool, excommand::kVertexTool,
                             excommand::kRulerTool};
        for (const int command : tools) {
            Edited edited;
            CExParts* part = AddSquare(edited.doc, {1250000, 1250000}, 200000, kRed);
            edited.Start();
            CKORVANEXView& view = *edited.view;
            edited.doc.Selection().Select(part);
            if (command == excommand::kRulerTool) {
                view.ArmTool(CreateArmedTool(command, view));
            } else {
                view.SetModeTool(command);
            }
            const CEditTool* armed = view.ArmedTool();
            const std::vector<CExParts*> selection = edited.doc.SelectionList();
            const int state = view.GetEditState();
            const QPoint before = Scroll(view);
            QTest::mousePress(edited.Surface(), Qt::MiddleButton, {}, {400, 300});
            QTest::mouseMove(edited.Surface(), {360, 280});
            // The tool waits while the sheet is held.
            QTest::mousePress(edited.Surface(), Qt::LeftButton, {}, {360, 280});
            QTest::mouseRelease(edited.Surface(), Qt::LeftButton, {}, {360, 280});
            QTest::mouseMove(edited.Surface(), {350, 270});
            QTest::mouseRelease(edited.Surface(), Qt::MiddleButton, {}, {350, 270});
            QCOMPARE(Scroll(view), before + QPoint(50, 30));
            QCOMPARE(view.GetEditState(), state);
            QCOMPARE(view.ArmedTool(), armed);
            QCOMPARE(edited.doc.GetEditTool(),
                     command == excommand::kRulerTool ? excommand::kSelectTool : command);
            QCOMPARE(edited.doc.SelectionList(), selection);
            QCOMPARE(edited.history.count(), 0);
        }
    }

    void theStatusTextsAreInMetresWithTwoDecimals() {
        QCOMPARE(PointerPositionText({1234000, 567000}), QStringLiteral("X: 12.34 m  Y: 5.67 m"));
        QCOMPARE(PointerPositionText({0, -400}), QStringLiteral("X: 0.00 m  Y: 0.00 m"));
        QCOMPARE(PartPositionText({300000, 12345678}),
                 QStringLiteral("位置 X: 3.00 m  Y: 123.46 m"));
        QCOMPARE(PartSizeText(120000, 80000), QStringLiteral("サイズ 1.20 m × 0.80 m"));
    }

    void theStatusBarFollowsThePointerAndTheDraggedPart() {
        Edited edited;
        CExParts* part = AddSquare(edited.doc, {1250000, 1250000}, 200000, kRed);
        edited.Start();
        CKORVANEXView& view = *edited.view;
        QSignalSpy texts(&view, &CKORVANEXView::pointerTextChanged);
        const QPoint over = edited.At({1000000, 1100000});
        QTest::mouseMove(edited.Surface(), over);
        QCOMPARE(LastText(texts), PointerPositionText(view.DrawingPoint(over, false)));

        QTest::mousePress(edited.Surface(), Qt::LeftButton, {}, edited.At({1250000, 1250000}));
        QTest::mouseMove(edited.Surface(), edited.At({1300000, 1250000}));
        const QPoint to = edited.At({1350000, 1250000});
        QTest::mouseMove(edited.Surface(), to);
        QVERIFY(LastText(texts).startsWith(PointerPositionText(view.DrawingPoint(to, false))));
        QVERIFY(LastText(texts).endsWith(PartPositionText(part->GetPosition())));
        QTest::mouseRelease(edited.Surface(), Qt::LeftButton, {}, to);

        // The right-hand handle (6) of the selected part resizes it.
        const ExPoint right{part->GetPosition().x + 100000, part->GetPosition().y};
        QTest::mousePress(edited.Surface(), Qt::LeftButton, {}, edited.At(right));
        QTest::mouseMove(edited.Surface(), edited.At({right.x + 20000, right.y}));
        QTest::mouseMove(edited.Surface(), edited.At({right.x + 50000, right.y}));
        QVERIFY(part->GetWidth() > 200000);
        QVERIFY2(LastText(texts).endsWith(PartSizeText(part->GetWidth(), part->GetHeight())),
                 qPrintable(LastText(texts)));
        QTest::mouseRelease(edited.Surface(), Qt::LeftButton, {}, edited.At({right.x + 50000, 0}));
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

    void beyondASmallSheetThePointerIsOnNoSheet() {
        Edited edited;
        edited.Start();
        CKORVANEXView& view = *edited.view;
        view.SetMapSize({10, 8});
        QSignalSpy texts(&view, &CKORVANEXView::pointerTextChanged);
        const QPoint inside = edited.At({500000, 400000});
        QTest::mouseMove(edited.Surface(), inside);
        QCOMPARE(LastText(texts), PointerPositionText(view.DrawingPoint(inside, false)));
        QTest::mouseMove(edited.Surface(), edited.At({1200000, 400000}));
        QCOMPARE(LastText(texts), QString());
        QTest::mouseMove(edited.Surface(), edited.At({500000, -100000}));
        QCOMPARE(LastText(texts), QString());
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

    void theRightButtonInTheSelectToolAsksForTheMenuOnWhatItPoints() {
        Edited edited;
        CExParts* a = AddSquare(edited.doc, {1000000, 1000000}, 100000, kRed);
        CExParts* b = AddSquare(edited.doc, {1500000, 1000000}, 100000, kBlue);
        edited.Start();
        CKORVANEXView& view = *edited.view;
        QSignalSpy menus(&view, &CKORVANEXView::contextMenuRequested);
        const QPoint onB = edited.At({1500000, 1000000});
        QTest::mousePress(edited.Surface(), Qt::RightButton, {}, onB);
        QCOMPARE(edited.doc.SelectionList(), std::vector<CExParts*>{b});
        QCOMPARE(menus.count(), 1);
        QCOMPARE(menus.last().at(0).toPoint(), edited.Surface()->mapToGlobal(onB));
        // A part already in the selection keeps the selection; so does empty paper.
        edited.doc.Selection().Add(a);
        QTest::mousePress(edited.Surface(), Qt::RightButton, {}, edited.At({1000000, 1000000}));
        QCOMPARE(edited.doc.SelectionList(), (std::vector<CExParts*>{b, a}));
        QTest::mousePress(edited.Surface(), Qt::RightButton, {}, edited.At({500000, 500000}));
        QCOMPARE(edited.doc.SelectionList(), (std::vector<CExParts*>{b, a}));
        QCOMPARE(menus.count(), 3);
        // Other tools keep their own right button.
        view.SetModeTool(excommand::kPanTool);
        QTest::mousePress(edited.Surface(), Qt::RightButton, {}, onB);
        QCOMPARE(menus.count(), 3);
    }
};

QTEST_MAIN(NavigationTest)
#include "NavigationTest.moc"
