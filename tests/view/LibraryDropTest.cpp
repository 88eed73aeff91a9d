#include "ExOuterWallParts.h"
#include "ExPillarParts.h"
#include "ExRoomParts.h"
#include "ExWiringParts.h"
#include "KORVANEXView.h"
#include "support/RecordingServices.h"
#include "support/ShownView.h"
#include "support/ViewFixtures.h"

#include <QApplication>
#include <QMimeData>
#include <QTest>

#include <memory>

namespace {

// A library prototype of a code, as the parts panel holds it.
std::unique_ptr<CExParts> Prototype(int code, int size = 200000) {
    auto part = std::make_unique<CExParts>();
    const std::string shape = ShapeBuilder().FullSquare().End().Bytes();
    part->LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
    part->SetPartsCode(code);
    part->SetPartsName("proto");
    part->SetWidth(size);
    part->SetHeight(size);
    part->SetColor(0x00336699);
    return part;
}

// A shown drawing that library parts are dragged onto.
struct DropTarget : Shown {
    RecordingServices services;

    QPoint ScreenOf(ExPoint drawing) const {
        return view->viewport()->mapToGlobal(view->Geometry().DrawingToPixel(drawing));
    }
    // What the parts panel and the toolkit do for one drag released at a viewport pixel.
    bool DragAndDrop(const CExParts& prototype, QPoint pixel) {
        doc.SetDragParts(&prototype);
        doc.UpdateAllViews(nullptr, ExDocUpdate::DragStarted(&prototype));
        QMimeData data;
        data.setData(LibraryPartMimeType(), QByteArray());
        QDragEnterEvent enter(pixel, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &enter);
        QDropEvent drop(QPointF(pixel), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &drop);
        doc.SetDragParts(nullptr);
        return enter.isAccepted() && drop.isAccepted();
    }
};

} // namespace

class LibraryDropTest : public QObject {
    Q_OBJECT

private slots:
    void eachKindIsPlacedOnTopAtTheDropPoint() {
        DropTarget shown;
        shown.Show();
        AddSquare(shown.doc, {100000, 100000}, 100000, 0);
        struct Case {
            int code;
            const char* className;
        };
        const Case cases[] = {{10101, CExOuterWallParts::kClassName},
                              {30202, CExRoomParts::kClassName},
                              {20101, CExPillarParts::kClassName},
                              {70101, CExGeneralParts::kClassName}};
        for (const Case& c : cases) {
            const auto prototype = Prototype(c.code);
            const QPoint pixel(300, 250);
            const ExPoint expected = shown.view->Geometry().PixelToDrawing(pixel);
            const std::size_t before = shown.doc.GetElementCount();
            QVERIFY(shown.DragAndDrop(*prototype, pixel));
            QCOMPARE(shown.doc.GetElementCount(), before + 1);
            const CExParts* placed = shown.doc.Elements().back().get();
            QCOMPARE(QString(placed->GetRuntimeClassName()), QString(c.className));
            QCOMPARE(placed->GetPartsCode(), c.code);
            QCOMPARE(placed->GetPosition(), expected);
            QCOMPARE(placed->GetSelectFlag(), 0);
        }
        QVERIFY(shown.doc.IsModified());
        QVERIFY(shown.doc.SelectionList().empty());
    }

    void aDropOutsideTheSheetOrTheWindowPlacesNothing() {
        DropTarget shown;
        shown.Show();
        const auto prototype = Prototype(70101);
        CKORVANEXView& view = *shown.view;
        QVERIFY(!view.DropLibraryPart(*prototype, shown.ScreenOf({-50000, 1000000})));
        QVERIFY(!view.DropLibraryPart(*prototype, shown.ScreenOf({1000000, 2600000})));
        QVERIFY(!view.DropLibraryPart(*prototype, view.viewport()->mapToGlobal(QPoint(900, 100))));
        QCOMPARE(shown.doc.GetElementCount(), std::size_t(0));
        QVERIFY(!shown.doc.IsModified());
        QVERIFY(view.DropLibraryPart(*prototype, shown.ScreenOf({1250000, 1250000})));
        QCOMPARE(shown.doc.GetElementCount(), std::size_t(1));
    }

    void aCancelledDragPlacesNothing() {
        DropTarget shown;
        shown.Show();
        const auto prototype = Prototype(70101);
        shown.doc.UpdateAllViews(nullptr, ExDocUpdate::DragStarted(prototype.get()));
        QCOMPARE(shown.view->DraggedPart(), prototype.get());
        shown.doc.UpdateAllViews(nullptr, ExDocUpdate::Dropped(std::nullopt));
        QCOMPARE(shown.view->DraggedPart(), nullptr);
        QCOMPARE(shown.doc.GetElementCount(), std::size_t(0));
    }

    void theDragOverTellsWhetherThePointerIsInside() {
        DropTarget shown;
        shown.Show();
        const auto prototype = Prototype(70101);
        shown.doc.UpdateAllViews(nullptr, ExDocUpdate::DragStarted(prototype.get()));
        const QPoint inside = shown.view->viewport()->mapToGlobal(QPoint(10, 10));
        ExPoint point{inside.x(), inside.y()};
        shown.doc.UpdateAllViews(nullptr, ExDocUpdate::DragMoved(point));
        QVERIFY(shown.view->IsDragInside());
        point.x -= 50;
        shown.doc.UpdateAllViews(nullptr, ExDocUpdate::DragMoved(point));
        QVERIFY(!shown.view->IsDragInside());
    }

    void aForeignDragIsRefused() {
        DropTarget shown;
        shown.Show();
        QMimeData data;
        data.setText(QStringLiteral("not a part"));
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(shown.view->viewport(), &enter);
        QVERIFY(!enter.isAccepted());
        // Our own kind of data without a drag under way in this drawing is refused as well.
        QMimeData ours;
        ours.setData(LibraryPartMimeType(), QByteArray());
        QDragEnterEvent stale(QPoint(100, 100), Qt::CopyAction, &ours, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(shown.view->viewport(), &stale);
        QVERIFY(!stale.isAccepted());
    }

    void aDroppedCableStartsAndIsAbandonedCleanly() {
        DropTarget shown;
        shown.Show();
        shown.doc.Selection().Select(AddSquare(shown.doc, {1250000, 1250000}, 100000, 0));
        const auto prototype = Prototype(50101);
        QVERIFY(shown.DragAndDrop(*prototype, QPoint(400, 300)));
        QVERIFY(shown.view->ArmedTool());
        QCOMPARE(shown.view->GetEditState(), 7);
        QCOMPARE(shown.doc.GetEditTool(), excommand::kSelectTool);
        QVERIFY(shown.doc.SelectionList().empty());
        QCOMPARE(shown.doc.GetElementCount(), std::size_t(1));

        QTest::keyClick(shown.view.get(), Qt::Key_Escape);
        QVERIFY(!shown.view->ArmedTool());
        QCOMPARE(shown.doc.GetEditTool(), excommand::kSelectTool);
        QCOMPARE(shown.doc.GetElementCount(), std::size_t(1));
        QVERIFY(!shown.doc.IsModified());
    }
};

QTEST_MAIN(LibraryDropTest)
#include "LibraryDropTest.moc"
