#include "ChildFrame.h"
#include "Cp932.h"
#include "ExStringParts.h"
#include "ExTextInput.h"
#include "KORVANEXDoc.h"
#include "KORVANEXView.h"
#include "MainFrame.h"
#include "support/ShownWindow.h"
#include "support/TestSettings.h"
#include "tools/TextTool.h"

#include <QAction>
#include <QInputMethodEvent>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <memory>

namespace {

// The window, and what these tests do in it.
struct Window : ShownWindow {
    void Commit(const QString& text) const {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(&View(), &event);
    }
    CExStringParts* AddText(const char* utf8, int angle) const {
        ExActiveViewScope active(&View());
        auto text = CExTextInput::NewText({1000000, 1000000});
        text->InsertString(*cp932::FromUtf8(utf8), -1);
        text->SetAngle(angle);
        text->UpdateParts();
        text->RecalcParts();
        return static_cast<CExStringParts*>(Doc().AddElement(std::move(text)));
    }
};

} // namespace

class TextInputCommandTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseOwnTestSettings("QUILLPLAN-TEXT-TEST"); }

    void theButtonArmsTheToolShowsPressedAndIsOffForSeveralParts() {
        Window window;
        window.Open();
        QAction* text = window.Action("textTool");
        QVERIFY(text->isEnabled());
        QVERIFY(!text->isChecked());
        text->trigger();
        QCOMPARE(window.View().GetEditState(), CTextTool::kWaitingState);
        QVERIFY(text->isChecked());
        QVERIFY(window.View().hasFocus());
        // While it waits for the first character the command does nothing.
        const CEditTool* armed = window.View().ArmedTool();
        text->trigger();
        QCOMPARE(window.View().ArmedTool(), armed);
        QVERIFY(text->isChecked());
        QTest::keyClick(&window.View(), Qt::Key_Escape);
        QVERIFY(!text->isChecked());

        CExParts* first = window.AddText("A", 0);
        CExParts* second = window.AddText("B", 0);
        window.Doc().Selection().Select(first);
        window.Doc().Selection().Add(second);
        window.View().SelectionChanged();
        QVERIFY(!text->isEnabled());
    }

    void undoWhileTypingTakesBackWhatIsBeingTyped() {
        Window window;
        window.Open();
        window.Action("textTool")->trigger();
        window.Commit(QStringLiteral("会議室"));
        QTest::keyClick(&window.View(), Qt::Key_Return);
        // The text is still selected: the second input goes on from its end.
        window.Action("textTool")->trigger();
        window.Commit(QStringLiteral("前"));
        const CExParts* text = window.Doc().ElementAt(0);
        QCOMPARE(text->GetPartsName(), *cp932::FromUtf8("会議室前"));
        window.Action("editUndo")->trigger();
        QCOMPARE(window.View().ArmedTool(), nullptr);
        QCOMPARE(text->GetPartsName(), *cp932::FromUtf8("会議室"));
        window.Action("editRedo")->trigger();
        QCOMPARE(text->GetPartsName(), *cp932::FromUtf8("会議室前"));
    }

    void savingWhileTypingSavesTheTextTurnedBack() {
        QTemporaryDir folder;
        Window window;
        window.Open();
        CExStringParts* text = window.AddText("AB", 30);
        window.Doc().Selection().Select(text);
        window.Action("textTool")->trigger();
        QCOMPARE(text->GetAngle(), 0);
        window.Commit(QStringLiteral("C"));
        QVERIFY(window.child->SaveTo(folder.filePath(QStringLiteral("typed.qlp"))));
        QCOMPARE(text->GetAngle(), 30);
        QCOMPARE(window.View().ArmedTool(), nullptr);
        QCOMPARE(window.child->History().count(), 1);
        QVERIFY(!window.Doc().IsModified());
    }

    void aRefusedCharacterIsExplainedOnTheStatusBar() {
        Window window;
        window.Open();
        window.Action("textTool")->trigger();
        window.Commit(QStringLiteral("😀"));
        QCOMPARE(window.frame.statusBar()->currentMessage(),
                 QStringLiteral("「😀」はシフトJISにない文字のため入力できません。"));
        QCOMPARE(window.Doc().GetElementCount(), std::size_t(0));
    }
};

QTEST_MAIN(TextInputCommandTest)
#include "TextInputCommandTest.moc"
