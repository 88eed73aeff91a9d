#include "ExArea.h"
#include "ExMeasure.h"
#include "ExWiringParts.h"
#include "KORVANEXView.h"
#include "support/EditedView.h"
#include "support/ViewFixtures.h"
#include "tools/ArmedTools.h"
#include "tools/EditTool.h"

#include <QTest>

namespace {

// A drawing shown with a history, with a creating tool armed by its command.
struct Creating : Edited {
    void Arm(int command) { view->ArmTool(CreateArmedTool(command, *view)); }
    void Press(ExPoint drawing) { QTest::mousePress(Surface(), Qt::LeftButton, {}, At(drawing)); }
    void Release(ExPoint drawing) {
        QTest::mouseRelease(Surface(), Qt::LeftButton, {}, At(drawing));
    }
    void Click(ExPoint drawing) {
        Press(drawing);
        Release(drawing);
    }
    void MoveTo(ExPoint drawing) { QTest::mouseMove(Surface(), At(drawing)); }
    void RightClick(ExPoint drawing) {
        QTest::mouseClick(Surface(), Qt::RightButton, {}, At(drawing));
    }
    // Clicks out the points, moving to each first, as a hand does.
    void ClickOut(std::initializer_list<ExPoint> points) {
        for (ExPoint point : points) {
            MoveTo(point);
            Click(point);
        }
    }
    // The drawing point a press at a point's pixel gives.
    ExPoint Pressed(ExPoint drawing) const { return view->DrawingPoint(At(drawing), false); }
    std::vector<ExPoint> Pressed(std::initializer_list<ExPoint> points) const {
        std::vector<ExPoint> pressed;
        for (ExPoint point : points) {
            pressed.push_back(Pressed(point));
        }
        return pressed;
    }
    CExParts* Last() const { return doc.ElementAt(doc.GetElementCount() - 1); }
};

constexpr ExPoint kA{1000000, 1000000};
constexpr ExPoint kB{1400000, 1000000};
constexpr ExPoint kC{1400000, 1300000};
constexpr ExPoint kD{1000000, 1300000};

// Pixels of an area's green hatching within a rectangle of a picture of the window.
int HatchedPixels(const QImage& picture, const QRect& rect) {
    int hatched = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            hatched += pixel.green() > pixel.red() + 60 && pixel.green() > pixel.blue() + 60;
        }
    }
    return hatched;
}

} // namespace

class CreatingToolsTest : public QObject {
    Q_OBJECT

private slots:
    void aRulerJoinsThePartsUnderItsTwoPressesInOneStep() {
        Creating creating;
        CExParts* left = AddSquare(creating.doc, kA, 100000, 0);
        CExParts* right = AddSquare(creating.doc, kB, 100000, 0);
        creating.Start();
        creating.Arm(excommand::kRulerTool);
        QCOMPARE(creating.view->GetEditState(), 2);
        creating.ClickOut({kA, kB});
        QCOMPARE(creating.doc.GetElementCount(), std::size_t(3));
        auto* ruler = dynamic_cast<CExMeasure*>(creating.Last());
        QVERIFY(ruler);
        QCOMPARE(ruler->EndAt(0).element, left);
        QCOMPARE(ruler->EndAt(1).element, right);
        QCOMPARE(creating.doc.SelectionList(), std::vector<CExParts*>{ruler});
        QCOMPARE(creating.view->ArmedTool(), nullptr);
        QCOMPARE(creating.history.undoText(), QStringLiteral("定規"));
        creating.history.undo();
        QCOMPARE(creating.doc.GetElementCount(), std::size_t(2));
    }

    void givingUpLeavesNoTraceAndNoStep() {
        Creating creating;
        creating.Start();
        struct {
            int command;
            std::vector<ExPoint> clicks;
        } const cases[] = {{excommand::kRulerTool, {kA}},
                           {excommand::kAreaTool, {kA, kB}},
                           {excommand::kCableLan, {kA}}};
        for (const auto& c : cases) {
            creating.Arm(c.command);
            for (ExPoint point : c.clicks) {
                creating.MoveTo(point);
                creating.Click(point);
            }
            // A press outside the window gives up a ruler, and finishes an area or cable,
            // which too few points leave out.
            QTest::mouseClick(creating.Surface(), Qt::LeftButton, {}, QPoint(-5, -5));
            QCOMPARE(creating.view->ArmedTool(), nullptr);
            QCOMPARE(creating.doc.GetElementCount(), std::size_t(0));
        }
        creating.Arm(excommand::kCablePhone);
        creating.ClickOut({kA, kB});
        QTest::keyClick(creating.view.get(), Qt::Key_Escape);
        QCOMPARE(creating.view->ArmedTool(), nullptr);
        creating.Arm(excommand::kAreaTool);
        creating.ClickOut({kA, kB, kC});
        creating.view->Activate(false);
        QCOMPARE(creating.view->ArmedTool(), nullptr);
        QCOMPARE(creating.doc.GetElementCount(), std::size_t(0));
        QCOMPARE(creating.history.count(), 0);
        QVERIFY(!creating.doc.IsModified());
    }

    void anAreaTakesItsCornersAndTheRightButtonFinishesIt() {
        Creating creating;
        creating.Start();
        creating.Arm(excommand::kAreaTool);
        QCOMPARE(creating.view->GetEditState(), 3);
        creating.ClickOut({kA, kB, kC});
        creating.MoveTo(kD);
        QTest::qWait(20);
        const QRect inside = QRect(creating.At(kA), creating.At(kC)).normalized();
        QVERIFY2(HatchedPixels(creating.Surface()->grab().toImage(), inside) > 100,
                 "the area is shown while it is clicked out");
        creating.RightClick(kD);
        QCOMPARE(creating.doc.GetElementCount(), std::size_t(1));
        auto* area = dynamic_cast<CExArea*>(creating.Last());
        QVERIFY(area);
        QCOMPARE(creating.doc.SelectionList(), std::vector<CExParts*>{area});
        QCOMPARE(area->GetPartsCode(), excode::kArea);
        QCOMPARE(area->Points(), creating.Pressed({kA, kB, kC, kD}));
        QCOMPARE(creating.history.undoText(), QStringLiteral("面積"));

        // One press and the right button: two corners, no area.
        creating.Arm(excommand::kAreaTool);
        creating.ClickOut({kA});
        creating.MoveTo(kB);
        creating.RightClick(kB);
        QCOMPARE(creating.doc.GetElementCount(), std::size_t(1));
        QCOMPARE(creating.history.count(), 1);
    }

    void aCableKeepsItsPressesAndDropsThePointThatFollowed() {
        Creating creating;
        creating.Start();
        creating.Arm(excommand::kCableLan);
        QCOMPARE(creating.view->GetEditState(), 10);
        creating.ClickOut({kA});
        QCOMPARE(creating.view->GetEditState(), 7);
        creating.ClickOut({kB, kC});
        creating.MoveTo(kD);
        creating.RightClick(kD);
        QCOMPARE(creating.doc.GetElementCount(), std::size_t(1));
        auto* cable = dynamic_cast<CExWiringParts*>(creating.Last());
        QVERIFY(cable);
        QCOMPARE(cable->GetPartsCode(), 50102);
        QCOMPARE(cable->Points(), creating.Pressed({kA, kB, kC}));
        QCOMPARE(creating.history.undoText(), QStringLiteral("配線"));
        creating.history.undo();
        QCOMPARE(creating.doc.GetElementCount(), std::size_t(0));

        // After one press a cable has only the point that followed: it is not laid.
        creating.Arm(excommand::kCablePower);
        creating.ClickOut({kA});
        creating.MoveTo(kB);
        creating.RightClick(kB);
        QCOMPARE(creating.doc.GetElementCount(), std::size_t(0));
    }

    void whatFollowsThePointerIsPaintedWhereItWasAndIs() {
        Creating creating;
        creating.Start();
        creating.Arm(excommand::kCablePhone);
        creating.ClickOut({kA});
        creating.MoveTo(kB);
        QTest::qWait(20);
        PaintedRegion repaint;
        creating.Surface()->installEventFilter(&repaint);
        creating.MoveTo(kC);
        QTest::qWait(20);
        QVERIFY(repaint.painted.contains(creating.At(kB)));
        QVERIFY(repaint.painted.contains(creating.At(kC)));
        QVERIFY(!repaint.painted.contains(QPoint(5, 5)));
    }
};

QTEST_MAIN(CreatingToolsTest)
#include "CreatingToolsTest.moc"
