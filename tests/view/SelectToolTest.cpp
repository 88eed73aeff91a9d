#include "ExEdit.h"
#include "ExRulerFollow.h"
#include "KORVANEXView.h"
#include "support/EditedView.h"
#include "support/PlacedParts.h"
#include "support/RecordIO.h"
#include "support/RecordingServices.h"
#include "support/ViewFixtures.h"
#include "tools/EditTool.h"

#include <QTest>

namespace {

constexpr ExColor kRed = 0x0000FF;
constexpr ExColor kBlue = 0xFF0000;

struct Editing : Edited {
    std::vector<CExParts*> Selected() const { return doc.SelectionList(); }
};

// A tool a command would arm: it counts what reaches it and is done after one press.
struct OnePressTool : CEditTool {
    OnePressTool(CToolHost& host, int& presses, int& cancels)
        : CEditTool(host), m_presses(presses), m_cancels(cancels) {}
    int CommandId() const override { return 33007; }
    int EditState() const override { return 2; }
    void Press(const ExToolEvent&) override {
        ++m_presses;
        Host().FinishTool();
    }
    void Cancel() override { ++m_cancels; }
    int& m_presses;
    int& m_cancels;
};

} // namespace

class SelectToolTest : public QObject {
    Q_OBJECT

private slots:
    void aClickPicksTheTopmostPartAndEmptyPaperClearsTheSelection() {
        Editing editing;
        CExParts* lower = AddSquare(editing.doc, {1250000, 1250000}, 200000, kRed);
        CExParts* upper = AddSquare(editing.doc, {1350000, 1250000}, 200000, kBlue);
        editing.Start();
        QTest::mouseClick(editing.Surface(), Qt::LeftButton, {}, editing.At({1300000, 1250000}));
        QCOMPARE(editing.Selected(), std::vector<CExParts*>{upper});
        QTest::mouseClick(editing.Surface(), Qt::LeftButton, {}, editing.At({1160000, 1250000}));
        QCOMPARE(editing.Selected(), std::vector<CExParts*>{lower});
        QTest::mouseClick(editing.Surface(), Qt::LeftButton, {}, editing.At({500000, 500000}));
        QVERIFY(editing.Selected().empty());
        QCOMPARE(upper->GetSelectFlag(), 0);
    }

    void controlClickAddsAndRemoves() {
        Editing editing;
        CExParts* a = AddSquare(editing.doc, {1000000, 1000000}, 100000, kRed);
        CExParts* b = AddSquare(editing.doc, {1500000, 1000000}, 100000, kBlue);
        editing.Start();
        QTest::mouseClick(editing.Surface(), Qt::LeftButton, {}, editing.At({1000000, 1000000}));
        QTest::mouseClick(editing.Surface(), Qt::LeftButton, Qt::ControlModifier,
                          editing.At({1500000, 1000000}));
        QCOMPARE(editing.Selected(), (std::vector<CExParts*>{a, b}));
        QTest::mouseClick(editing.Surface(), Qt::LeftButton, Qt::ControlModifier,
                          editing.At({1000000, 1000000}));
        QCOMPARE(editing.Selected(), std::vector<CExParts*>{b});
        QCOMPARE(a->GetSelectFlag(), 0);
    }

    void aRubberBandSelectsWhatItHoldsWholly() {
        Editing editing;
        CExParts* inside = AddSquare(editing.doc, {1000000, 1000000}, 100000, kRed);
        AddSquare(editing.doc, {1300000, 1000000}, 200000, kBlue); // cut by the band
        editing.Start();
        const QPoint from = editing.At({850000, 1150000});
        const QPoint to = editing.At({1300000, 850000});
        QTest::mousePress(editing.Surface(), Qt::LeftButton, {}, from);
        QTest::mouseMove(editing.Surface(), (from + to) / 2);
        QTest::mouseMove(editing.Surface(), to);
        QTest::qWait(20);
        PaintedRegion repaint;
        editing.Surface()->installEventFilter(&repaint);
        QTest::mouseRelease(editing.Surface(), Qt::LeftButton, {}, to);
        QCOMPARE(editing.Selected(), std::vector<CExParts*>{inside});
        QTest::qWait(20);
        QVERIFY2(repaint.painted.contains(from), "the band is wiped off the screen");
    }

    void anArmedToolStandsInForTheModeToolUntilItIsDone() {
        Editing editing;
        CExParts* part = AddSquare(editing.doc, {1250000, 1250000}, 200000, kRed);
        editing.Start();
        int presses = 0;
        int cancels = 0;
        editing.view->ArmTool(std::make_unique<OnePressTool>(*editing.view, presses, cancels));
        QCOMPARE(editing.view->GetEditState(), 2);
        const QPoint at = editing.At({1250000, 1250000});
        QTest::mouseClick(editing.Surface(), Qt::LeftButton, {}, at);
        QCOMPARE(presses, 1);
        QVERIFY(editing.Selected().empty());
        QCOMPARE(editing.view->GetEditState(), 0);
        QCOMPARE(editing.doc.GetEditTool(), excommand::kSelectTool);
        QTest::mouseClick(editing.Surface(), Qt::LeftButton, {}, at);
        QCOMPARE(editing.Selected(), std::vector<CExParts*>{part});

        // Choosing a mode tool abandons an armed one.
        editing.view->ArmTool(std::make_unique<OnePressTool>(*editing.view, presses, cancels));
        editing.view->SetModeTool(excommand::kPanTool);
        QCOMPARE(cancels, 1);
        QCOMPARE(editing.view->ArmedTool(), nullptr);
        QCOMPARE(editing.view->GetEditState(), 5);
    }

    void aDragMovesMarksModifiedAndUndoPutsItBack() {
        Editing editing;
        CExParts* part = AddSquare(editing.doc, {1250000, 1250000}, 200000, kRed);
        editing.Start();
        const QPoint from = editing.At({1250000, 1250000});
        const QPoint to = from + QPoint(40, -20);
        QTest::mousePress(editing.Surface(), Qt::LeftButton, {}, from);
        QTest::mouseMove(editing.Surface(), from + QPoint(10, -5));
        QTest::mouseMove(editing.Surface(), to);
        QTest::mouseRelease(editing.Surface(), Qt::LeftButton, {}, to);
        const ExPoint moved = part->GetPosition();
        QVERIFY(moved.x > 1250000 && moved.y > 1250000);
        QVERIFY(editing.doc.IsModified());
        QCOMPARE(editing.history.count(), 1);
        QCOMPARE(editing.history.undoText(), QStringLiteral("移動"));
        editing.history.undo();
        QCOMPARE(part->GetPosition(), (ExPoint{1250000, 1250000}));
        editing.history.redo();
        QCOMPARE(part->GetPosition(), moved);
    }

    void aDoubleClickEditsThePropertiesInOneStepThatTakesTheRulersAlong() {
        Editing editing;
        CExParts* part = AddSquare(editing.doc, {1250000, 1250000}, 200000, kRed);
        editing.Start();
        CExMeasure* ruler = nullptr;
        {
            ExActiveViewScope active(editing.view.get());
            ruler = AddRuler(editing.doc, {1250000, 1250000}, {1600000, 1250000});
        }
        QCOMPARE(ruler->EndAt(0).element, part);
        const std::string partBefore = Store(*part);
        const std::string rulerBefore = Store(*ruler);
        // The part's dialog moves it and lets its rulers follow, as the real one does.
        editing.view->SetPropertyEditor([&](CExParts& edited) {
            edited.SetPosition(1300000, 1250000);
            for (CExMeasure* attached : RulersAttachedTo(editing.doc, {&edited})) {
                FollowAttachedParts(*attached);
            }
            return true;
        });
        const QPoint at = editing.At({1250000, 1320000}); // on the part, off the ruler
        QTest::mouseClick(editing.Surface(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(editing.Surface(), Qt::LeftButton, {}, at);
        QCOMPARE(ruler->EndAt(0).point, (ExPoint{1300000, 1250000}));
        QCOMPARE(editing.history.count(), 1);
        QCOMPARE(editing.history.undoText(), QStringLiteral("プロパティ"));
        editing.history.undo();
        QCOMPARE(Store(*part), partBefore);
        QCOMPARE(Store(*ruler), rulerBefore);
    }

    void aResizeHandleWinsOverAPartOnTopOfIt() {
        Editing editing;
        CExParts* part = AddSquare(editing.doc, {1250000, 1250000}, 200000, kRed);
        AddSquare(editing.doc, {1400000, 1250000}, 100000, kBlue);
        editing.Start();
        QTest::mouseClick(editing.Surface(), Qt::LeftButton, {}, editing.At({1200000, 1250000}));
        QCOMPARE(editing.Selected(), std::vector<CExParts*>{part});
        QTest::qWait(20);
        // Handle 6 sits on the right edge, under the blue part.
        const ExRect handle = part->HandleRects()[6];
        const QPoint grip = editing.view->Geometry().ViewToPixel(
            {(handle.left + handle.right) / 2, (handle.top + handle.bottom) / 2});
        QTest::mousePress(editing.Surface(), Qt::LeftButton, {}, grip);
        QTest::mouseMove(editing.Surface(), grip + QPoint(10, 0));
        QTest::mouseMove(editing.Surface(), grip + QPoint(30, 0));
        QTest::mouseRelease(editing.Surface(), Qt::LeftButton, {}, grip + QPoint(30, 0));
        QCOMPARE(editing.Selected(), std::vector<CExParts*>{part});
        QVERIFY(part->GetWidth() > 200000);
        QCOMPARE(editing.history.undoText(), QStringLiteral("サイズ変更"));
    }

    void deleteAndCopyAreStepsOfTheHistory() {
        RecordingServices services;
        Editing editing;
        CExParts* part = AddSquare(editing.doc, {1250000, 1250000}, 200000, kRed);
        editing.Start();
        QTest::mouseClick(editing.Surface(), Qt::LeftButton, {}, editing.At({1250000, 1250000}));
        editing.view->OnCopy();
        QCOMPARE(editing.doc.GetElementCount(), std::size_t(2));
        QVERIFY(editing.Selected().front() != part);
        QTest::keyClick(editing.view.get(), Qt::Key_Delete);
        QCOMPARE(editing.doc.GetElementCount(), std::size_t(1));
        editing.history.undo();
        editing.history.undo();
        QCOMPARE(editing.doc.GetElementCount(), std::size_t(1));
        QCOMPARE(editing.doc.ElementAt(0), part);
        QVERIFY(services.Messages().empty());
    }

    void theZoomToolZoomsToARectangleOrOneStepAtAClick() {
        Editing editing;
        editing.Start();
        editing.view->SetModeTool(excommand::kZoomTool);
        QCOMPARE(editing.view->GetEditState(), 4);
        // Less than 5 mm of drawing across: nothing changes.
        const QPoint from = editing.At({1000000, 1000000});
        QTest::mousePress(editing.Surface(), Qt::LeftButton, {}, from);
        QTest::mouseMove(editing.Surface(), from + QPoint(10, 10));
        QTest::mouseRelease(editing.Surface(), Qt::LeftButton, {}, from + QPoint(10, 10));
        QCOMPARE(editing.view->GetZoom(), 100);
        QTest::mouseClick(editing.Surface(), Qt::LeftButton, {}, from);
        QCOMPARE(editing.view->GetZoom(), 75);
        const QPoint start = editing.At({1000000, 1000000});
        const QPoint end = editing.At({1400000, 800000});
        QTest::mousePress(editing.Surface(), Qt::LeftButton, {}, start);
        QTest::mouseMove(editing.Surface(), (start + end) / 2);
        QTest::mouseRelease(editing.Surface(), Qt::LeftButton, {}, end);
        QVERIFY(editing.view->GetZoom() < 75);
        QCOMPARE(editing.view->GetZoomIndex(), 1);
    }

    void thePanToolDragsTheSheet() {
        Editing editing;
        editing.Start();
        editing.view->SetModeTool(excommand::kPanTool);
        const ExPoint before = editing.view->Geometry().ClientCentreDrawing();
        QTest::mousePress(editing.Surface(), Qt::LeftButton, {}, {400, 300});
        QTest::mouseMove(editing.Surface(), {430, 300});
        QTest::mouseMove(editing.Surface(), {460, 300});
        QTest::mouseRelease(editing.Surface(), Qt::LeftButton, {}, {460, 300});
        QVERIFY(editing.view->Geometry().ClientCentreDrawing().x < before.x);
    }
};

QTEST_MAIN(SelectToolTest)
#include "SelectToolTest.moc"
