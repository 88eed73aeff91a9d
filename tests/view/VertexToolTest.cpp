#include "ExEdit.h"
#include "KORVANEXView.h"
#include "support/EditedView.h"
#include "support/PlacedParts.h"
#include "support/RecordIO.h"
#include "support/RecordingServices.h"
#include "support/ViewFixtures.h"

#include <QImage>
#include <QTest>

#include <vector>

namespace {

const QRgb kHandleBlue = qRgb(0, 0, 255);

// A drawing shown for editing, and the pixels of its view points.
struct Editing : Edited {
    QPoint AtView(ExPoint viewPoint) const { return view->Geometry().ViewToPixel(viewPoint); }
    std::vector<CExParts*> Selected() const { return doc.SelectionList(); }
    QImage Picture() {
        QTest::qWait(20);
        return Surface()->grab().toImage();
    }
};

// A room in the middle of the sheet, selected and shown with the vertex tool.
struct RoomEditing : Editing {
    CExRoomParts* room = nullptr;

    void Start() {
        room = AddRoom(doc, 30203, {1250000, 1250000}, 400000);
        Edited::Start();
        Pick(room);
    }
    void Pick(CExParts* part) {
        doc.Selection().Select(part);
        view->SetModeTool(excommand::kVertexTool);
        QTest::qWait(20);
    }
    QPoint Corner(int vertex) const { return AtView(room->VertexPoints()[std::size_t(vertex)]); }
    void Drag(QPoint from, QPoint to) {
        QTest::mousePress(Surface(), Qt::LeftButton, {}, from);
        QTest::mouseMove(Surface(), (from + to) / 2);
        QTest::mouseMove(Surface(), to);
        QTest::mouseRelease(Surface(), Qt::LeftButton, {}, to);
    }
};

bool Near(QPoint a, QPoint b) {
    return (a - b).manhattanLength() <= 2;
}

} // namespace

class VertexToolTest : public QObject {
    Q_OBJECT

private slots:
    void theHandlesShowOnTheCornersAndStayOnThemWhenTheViewScrolls() {
        RoomEditing editing;
        editing.Start();
        QCOMPARE(editing.view->GetEditState(), 6);
        QVERIFY(ColourNear(editing.Picture(), editing.Corner(0), kHandleBlue));
        const QPoint before = editing.Corner(2);
        editing.view->ScrollByPixels({40, -30});
        const QPoint after = editing.Corner(2);
        QCOMPARE(after, before - QPoint(40, -30));
        const QImage picture = editing.Picture();
        QVERIFY(ColourNear(picture, after, kHandleBlue));
        QVERIFY(!ColourNear(picture, before, kHandleBlue));
    }

    void aCornerDragIsOneStepThatUndoPutsBack() {
        RoomEditing editing;
        editing.Start();
        const std::string before = Store(*editing.room);
        const QPoint to = editing.Corner(0) + QPoint(-30, -20);
        editing.Drag(editing.Corner(0), to);
        QVERIFY(Near(editing.Corner(0), to));
        QVERIFY(editing.doc.IsModified());
        QCOMPARE(editing.history.count(), 1);
        QCOMPARE(editing.history.undoText(), QStringLiteral("頂点移動"));
        const std::string after = Store(*editing.room);
        editing.history.undo();
        QCOMPARE(Store(*editing.room), before);
        editing.history.redo();
        QCOMPARE(Store(*editing.room), after);
    }

    void aDragReleasedOutsideTheWindowOrTheSheetIsPutBack() {
        RoomEditing editing;
        editing.Start();
        const std::string before = Store(*editing.room);
        editing.Drag(editing.Corner(1), {-20, editing.Corner(1).y()});
        QCOMPARE(Store(*editing.room), before);
        // Zoomed out, the sheet is smaller than the window: a release beside it is off the sheet.
        editing.view->ApplyTypedZoom(400);
        QTest::qWait(20);
        const QPoint beside = editing.At({-100000, 1250000});
        QVERIFY(QRect(QPoint(), editing.Surface()->size()).contains(beside));
        // The record keeps the outline's screen points too, which the zoom changed.
        const std::string zoomed = Store(*editing.room);
        editing.Drag(editing.Corner(1), beside);
        QCOMPARE(Store(*editing.room), zoomed);
        QCOMPARE(editing.history.count(), 0);
        QCOMPARE(editing.view->GetEditState(), 6);
    }

    void aClickOnAnEdgeInsertsACornerAndADoubleClickRemovesIt() {
        RoomEditing editing;
        editing.Start();
        const CExPartsDrawLine first = editing.room->DrawLines()[0];
        const ExPoint middle{(first.viewStart.x + first.viewEnd.x) / 2,
                             (first.viewStart.y + first.viewEnd.y) / 2};
        QTest::mouseClick(editing.Surface(), Qt::LeftButton, {}, editing.AtView(middle));
        QCOMPARE(editing.room->DrawLines().size(), std::size_t(5));
        QCOMPARE(editing.history.undoText(), QStringLiteral("頂点追加"));
        QTest::mouseDClick(editing.Surface(), Qt::LeftButton, {}, editing.Corner(1));
        QCOMPARE(editing.room->DrawLines().size(), std::size_t(4));
        QCOMPARE(editing.history.count(), 2);
        QCOMPARE(editing.history.undoText(), QStringLiteral("頂点削除"));
        editing.history.undo();
        QCOMPARE(editing.room->DrawLines().size(), std::size_t(5));
        editing.history.undo();
        QCOMPARE(editing.room->DrawLines().size(), std::size_t(4));
        // A room with three corners keeps them.
        QTest::mouseDClick(editing.Surface(), Qt::LeftButton, {}, editing.Corner(1));
        QTest::mouseDClick(editing.Surface(), Qt::LeftButton, {}, editing.Corner(1));
        QCOMPARE(editing.room->DrawLines().size(), std::size_t(3));
        QCOMPARE(editing.history.count(), 1);
    }

    void aRulerEndAttachesWhereItIsDroppedAndGoesBackWhenDroppedOutside() {
        Editing editing;
        CExPillarParts* pillar = AddPillar(editing.doc, {1600000, 1250000}, 30000);
        editing.Start();
        CExMeasure* ruler = nullptr;
        {
            ExActiveViewScope active(editing.view.get());
            ruler = AddRuler(editing.doc, {1000000, 1250000}, {1300000, 1250000});
        }
        editing.doc.Selection().Select(ruler);
        editing.view->SetModeTool(excommand::kVertexTool);
        QTest::qWait(20);
        const std::string before = Store(*ruler);
        const QPoint end = editing.AtView(ruler->ViewEnd(1));
        QTest::mousePress(editing.Surface(), Qt::LeftButton, {}, end);
        QCOMPARE(editing.view->GetEditState(), 8);
        QTest::mouseMove(editing.Surface(), end + QPoint(5, 0));
        const QPoint drop = editing.At({1600000, 1250000});
        QTest::mouseMove(editing.Surface(), drop);
        QTest::mouseRelease(editing.Surface(), Qt::LeftButton, {}, drop);
        QCOMPARE(editing.view->GetEditState(), 6);
        QCOMPARE(ruler->EndAt(1).element, static_cast<CExParts*>(pillar));
        QCOMPARE(editing.history.count(), 1);
        editing.history.undo();
        QCOMPARE(Store(*ruler), before);
        QCOMPARE(ruler->EndAt(1).element, nullptr);

        QTest::mousePress(editing.Surface(), Qt::LeftButton, {}, end);
        QTest::mouseMove(editing.Surface(), drop);
        QTest::mouseRelease(editing.Surface(), Qt::LeftButton, {}, QPoint(end.x(), -30));
        QCOMPARE(Store(*ruler), before);
        QCOMPARE(editing.history.count(), 1);
        QVERIFY(editing.history.canRedo());
    }

    void aPressAwayFromTheHandlesSelectsThePartUnderItWithoutMovingIt() {
        RoomEditing editing;
        CExPillarParts* pillar = AddPillar(editing.doc, {600000, 600000}, 30000);
        editing.Start();
        const QPoint at = editing.At({600000, 600000});
        editing.Drag(at, at + QPoint(40, 0));
        QCOMPARE(editing.Selected(), std::vector<CExParts*>{pillar});
        QCOMPARE(pillar->GetPosition(), (ExPoint{600000, 600000}));
        QCOMPARE(editing.history.count(), 0);
        editing.Drag(editing.At({100000, 100000}), editing.At({100000, 100000}));
        QVERIFY(editing.Selected().empty());
    }

    void theVertexCommandRefusesPartsWithoutVertices() {
        RecordingServices services;
        RoomEditing editing;
        CExPillarParts* pillar = AddPillar(editing.doc, {600000, 600000}, 30000);
        editing.Start();
        editing.view->SetModeTool(excommand::kSelectTool);
        editing.doc.Selection().Select(pillar);
        QVERIFY(editing.view->CanVertexEdit());
        editing.view->OnVertexEdit();
        QCOMPARE(services.Messages().size(), std::size_t(1));
        QCOMPARE(services.Messages()[0].text, std::string("頂点編集ができない部品です"));
        QCOMPARE(services.Messages()[0].icon, ExMessageIcon::Stop);
        QCOMPARE(editing.doc.GetEditTool(), excommand::kSelectTool);
        editing.doc.Selection().Select(editing.room);
        editing.view->OnVertexEdit();
        QCOMPARE(editing.doc.GetEditTool(), excommand::kVertexTool);
        QCOMPARE(services.Messages().size(), std::size_t(1));
        editing.doc.Selection().Add(pillar);
        QVERIFY(!editing.view->CanVertexEdit());
        QVERIFY(!editing.view->CanVertexTool());
    }
};

QTEST_MAIN(VertexToolTest)
#include "VertexToolTest.moc"
