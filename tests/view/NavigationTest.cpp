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

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
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
