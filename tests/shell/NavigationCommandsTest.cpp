#include "ChildFrame.h"
#include "ExParts.h"
#include "KORVANEXDoc.h"
#include "KORVANEXView.h"
#include "MainFrame.h"
#include "support/ShownWindow.h"
#include "support/TestSettings.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolBar>

#include <memory>

namespace {

// The window, and what these tests do in it.
struct Window : ShownWindow {
    CExParts* AddPart() const { return Doc().AddElement(std::make_unique<CExParts>()); }
};

QStringList Texts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

} // namespace

class NavigationCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseOwnTestSettings("QUILLPLAN-NAVIGATION-TEST"); }

    void fittingIsInTheViewMenuAndOnTheViewBar() {
        Window window;
        QAction* fit = window.Action("zoomFit");
        QVERIFY(fit);
        QCOMPARE(fit->text(), QStringLiteral("全体表示"));
        QVERIFY(!fit->isEnabled());
        QVERIFY(window.frame.ToolBar(QStringLiteral("View"))->actions().contains(fit));
        QVERIFY(!fit->icon().isNull());
        window.Open();
        QVERIFY(fit->isEnabled());
        fit->trigger();
        QCOMPARE(window.View().GetZoomIndex(), 1);
        QVERIFY(window.Action("zoomDialog")->isChecked());
    }

    void selectAllIsInTheEditMenuWithControlA() {
        Window window;
        QAction* all = window.Action("editSelectAll");
        QVERIFY(all);
        QCOMPARE(all->text(), QStringLiteral("すべて選択(&A)"));
        QCOMPARE(all->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
        window.Open();
        window.frame.UpdateCommandStates();
        QVERIFY(!all->isEnabled());
        CExParts* a = window.AddPart();
        CExParts* b = window.AddPart();
        window.frame.UpdateCommandStates();
        QVERIFY(all->isEnabled());
        QTest::keyClick(&window.View(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(window.Doc().SelectionList(), (std::vector<CExParts*>{a, b}));
    }

    void theSelectionMenuOffersTheCommandsEnabledAsInTheMenus() {
        Window window;
        window.Open();
        window.AddPart();
        CExParts* part = window.AddPart();
        window.Doc().Selection().Select(part);
        emit window.View().contextMenuRequested(window.View().mapToGlobal(QPoint(100, 100)));
        auto* menu = window.frame.findChild<QMenu*>(QStringLiteral("selectionMenu"));
        QVERIFY(menu);
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(Texts(*menu),
                 (QStringList{"プロパティ...", "複写", "削除", "-", "最前面", "前面", "背面",
                              "最背面", "-", "元に戻す(&U)", "-", "全体表示"}));
        for (const char* name : {"partsProperties", "partsDelete", "bringToFront", "zoomFit"}) {
            QVERIFY2(window.Action(name)->isEnabled(), name);
        }
        QVERIFY(!window.Action("editUndo")->isEnabled());
        menu->hide();
        // With nothing selected the commands on the selection are off.
        window.Doc().Selection().Clear();
        emit window.View().contextMenuRequested(window.View().mapToGlobal(QPoint(100, 100)));
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(!window.Action("partsDelete")->isEnabled());
        QVERIFY(!window.Action("bringToFront")->isEnabled());
        menu->hide();
    }

    void theStatusBarShowsWhereThePointerIs() {
        Window window;
        window.Open();
        auto* label = window.frame.findChild<QLabel*>(QStringLiteral("pointerIndicator"));
        QVERIFY(label);
        emit window.View().pointerTextChanged(QStringLiteral("X: 1.00 m  Y: 2.00 m"));
        QCOMPARE(label->text(), QStringLiteral("X: 1.00 m  Y: 2.00 m"));
        window.frame.Action(QStringLiteral("fileClose"))->trigger();
        QTRY_COMPARE(label->text(), QString());
    }
};

QTEST_MAIN(NavigationCommandsTest)
#include "NavigationCommandsTest.moc"
