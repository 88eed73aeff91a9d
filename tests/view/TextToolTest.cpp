#include "tools/TextTool.h"
#include "Cp932.h"
#include "ExStringParts.h"
#include "ExTextInput.h"
#include "ExVecFont.h"
#include "KORVANEXView.h"
#include "support/ShapeBuilder.h"
#include "support/ShownView.h"

#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

#include <memory>
#include <string>

namespace {

// A document shown with a history and the shipped font, the text tool ready to be armed.
struct Typing : Shown {
    QUndoStack history;
    CExVecFont font;

    void Start() {
        QCOMPARE(font.LoadVecFont(QP_RUNTIME_DIR "/VecFont.QVF"), 1);
        SetVecFont(&font);
        Show();
        view->SetUndoStack(&history);
        QTest::qWait(20);
    }
    ~Typing() { SetVecFont(nullptr); }

    void Arm() { view->ArmTool(std::make_unique<CTextTool>(*view)); }
    const CTextTool* Tool() const { return dynamic_cast<const CTextTool*>(view->ArmedTool()); }
    void Commit(const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(view.get(), &event);
    }
    void Preedit(const QString& text) {
        QInputMethodEvent event(text, {});
        QCoreApplication::sendEvent(view.get(), &event);
    }
    void Key(Qt::Key key) { QTest::keyClick(view.get(), key); }
    // What the input method is told when it asks the view.
    QVariant Ask(Qt::InputMethodQuery query) {
        QInputMethodQueryEvent event(query);
        QCoreApplication::sendEvent(view.get(), &event);
        return event.value(query);
    }

    // A selected text at a point of the sheet, turned by an angle.
    CExStringParts* AddText(const char* utf8, ExPoint at, int angle) {
        ExActiveViewScope active(view.get());
        auto text = CExTextInput::NewText(at);
        text->InsertString(*cp932::FromUtf8(utf8), -1);
        text->SetAngle(angle);
        text->UpdateParts();
        text->RecalcParts();
        auto* added = static_cast<CExStringParts*>(doc.AddElement(std::move(text)));
        doc.Selection().Select(added);
        return added;
    }
    std::string Sjis(const char* utf8) const { return *cp932::FromUtf8(utf8); }
};

} // namespace

class TextToolTest : public QObject {
    Q_OBJECT

private slots:
    void aDoubleByteCharacterCommittedAtOnceGoesInAsOneCharacter() {
        Typing typing;
        typing.Start();
        typing.Arm();
        QVERIFY(typing.view->testAttribute(Qt::WA_InputMethodEnabled));
        QCOMPARE(typing.view->GetEditState(), CTextTool::kWaitingState);
        QCOMPARE(typing.doc.GetElementCount(), std::size_t(0));

        typing.Commit(QStringLiteral("会"));
        QCOMPARE(typing.view->GetEditState(), CTextTool::kTypingState);
        QCOMPARE(typing.doc.GetElementCount(), std::size_t(1));
        const CExStringParts* text = typing.Tool()->Text();
        QCOMPARE(text->GetPartsName(), typing.Sjis("会"));
        QCOMPARE(text->Characters().size(), std::size_t(1));
        QCOMPARE(text->Characters().front().IsHalfWidth(), 0);
        QCOMPARE(typing.Tool()->CaretIndex(), 2);
        // The new text stands in the middle of the window, selected.
        QCOMPARE(text->GetPosition(), typing.view->Geometry().ClientCentreDrawing());
        QVERIFY(typing.doc.Selection().Primary() == text);

        // Keys bring characters too; a committed word goes in character by character.
        QTest::keyClicks(typing.view.get(), QStringLiteral("A"));
        typing.Commit(QStringLiteral("議室"));
        QCOMPARE(text->GetPartsName(), typing.Sjis("会A議室"));
        QCOMPARE(text->Characters().size(), std::size_t(4));
        QCOMPARE(typing.Tool()->CaretIndex(), 7);
    }

    void theCaretFollowsTheTextAndTheInputMethodIsToldWhereItIs() {
        Typing typing;
        typing.Start();
        typing.Arm();
        const QRect bare = typing.Tool()->CaretRect();
        QCOMPARE(bare.size(), QSize(2, 22));
        QCOMPARE(bare.left(), typing.view->viewport()->width() / 2);
        typing.Commit(QStringLiteral("会議"));
        const QRect caret = typing.Tool()->CaretRect();
        QCOMPARE(caret.width(), 2);
        // As tall as the line: 50000 drawing units (5 cm) at the default zoom.
        const int line = typing.view->Geometry().DrawingToPixel({0, 0}).y() -
                         typing.view->Geometry().DrawingToPixel({0, 50000}).y();
        QVERIFY(qAbs(caret.height() - line) <= 1);
        QCOMPARE(typing.Ask(Qt::ImCursorRectangle).toRect(),
                 caret.translated(typing.view->viewport()->pos()));
        QCOMPARE(typing.Ask(Qt::ImEnabled).toBool(), true);

        // Left steps back over a whole double-byte character, Right over it again.
        typing.Key(Qt::Key_Left);
        QCOMPARE(typing.Tool()->CaretIndex(), 2);
        QVERIFY(typing.Tool()->CaretRect().left() < caret.left());
        typing.Key(Qt::Key_Right);
        QCOMPARE(typing.Tool()->CaretRect(), caret);
        typing.Key(Qt::Key_Left);
        typing.Key(Qt::Key_Delete);
        QCOMPARE(typing.Tool()->Text()->GetPartsName(), typing.Sjis("会"));
        typing.Key(Qt::Key_Backspace);
        QCOMPARE(typing.Tool()->Text()->GetPartsName(), std::string());
        QCOMPARE(typing.Tool()->CaretIndex(), 0);
    }

    void composingTextIsShownAtTheCaretUntilItIsCommitted() {
        Typing typing;
        typing.Start();
        typing.Arm();
        typing.Commit(QStringLiteral("A"));
        const QRect caret = typing.Tool()->CaretRect();
        typing.Preedit(QStringLiteral("かいぎ"));
        QCOMPARE(typing.Tool()->Text()->GetPartsName(), std::string("A"));
        QVERIFY(typing.Tool()->OverlayRect().width() > caret.width() * 10);
        QCOMPARE(typing.Tool()->OverlayRect().topLeft(), caret.topLeft());
        typing.Commit(QStringLiteral("会議"));
        QCOMPARE(typing.Tool()->Text()->GetPartsName(), typing.Sjis("A会議"));
        QCOMPARE(typing.Tool()->OverlayRect(), typing.Tool()->CaretRect());
    }

    void aCharacterOutsideCodePage932IsRefusedWithANote() {
        Typing typing;
        typing.Start();
        QSignalSpy notes(typing.view.get(), &CKORVANEXView::statusMessage);
        typing.Arm();
        typing.Commit(QStringLiteral("A"));
        typing.Commit(QStringLiteral("한"));
        QCOMPARE(typing.Tool()->Text()->GetPartsName(), std::string("A"));
        QCOMPARE(typing.Tool()->CaretIndex(), 1);
        QCOMPARE(notes.count(), 1);
        QCOMPARE(notes.front().front().toString(),
                 QStringLiteral("「한」はシフトJISにない文字のため入力できません。"));
        // The characters around it go in; one outside the basic plane is refused whole.
        typing.Commit(QStringLiteral("B😀C"));
        QCOMPARE(typing.Tool()->Text()->GetPartsName(), std::string("ABC"));
        QCOMPARE(notes.count(), 2);
        QCOMPARE(typing.doc.GetElementCount(), std::size_t(1));
    }

    void aCharacterRefusedFirstMakesNoText() {
        Typing typing;
        typing.Start();
        typing.Arm();
        typing.Commit(QStringLiteral("한"));
        QCOMPARE(typing.view->GetEditState(), CTextTool::kWaitingState);
        QCOMPARE(typing.doc.GetElementCount(), std::size_t(0));
        typing.Key(Qt::Key_Escape);
        QCOMPARE(typing.view->ArmedTool(), nullptr);
        QCOMPARE(typing.history.count(), 0);
    }

    void aRotatedTextIsEditedUnrotatedAndTurnedBack() {
        Typing typing;
        typing.Start();
        CExStringParts* text = typing.AddText("AB", {1250000, 1250000}, 30);
        typing.Arm();
        QCOMPARE(typing.view->GetEditState(), CTextTool::kTypingState);
        QCOMPARE(text->GetAngle(), 0);
        QCOMPARE(typing.Tool()->CaretIndex(), 2);
        QTest::keyClicks(typing.view.get(), QStringLiteral("C"));
        QCOMPARE(text->GetPartsName(), std::string("ABC"));
        QCOMPARE(text->GetAngle(), 0);
        typing.Key(Qt::Key_Return);
        QCOMPARE(typing.view->ArmedTool(), nullptr);
        QVERIFY(!typing.view->testAttribute(Qt::WA_InputMethodEnabled));
        QCOMPARE(text->GetAngle(), 30);
        QCOMPARE(text->GetPartsName(), std::string("ABC"));
        QCOMPARE(typing.history.count(), 1);
        QCOMPARE(typing.history.undoText(), QStringLiteral("文字入力"));
        typing.history.undo();
        QCOMPARE(text->GetPartsName(), std::string("AB"));
        QCOMPARE(text->GetAngle(), 30);
    }

    // The caret stands on the frame at either end of the line: the frame waits until input ends.
    void theTextBeingTypedShowsWithoutItsFrameAndHandles() {
        Typing typing;
        typing.Start();
        typing.AddText("AB", {1250000, 1250000}, 0);
        const auto showsRotationHandle = [&] {
            const QImage picture = typing.view->viewport()->grab().toImage();
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    if ((picture.pixel(x, y) & 0xFFFFFF) == 0x00FF00) {
                        return true;
                    }
                }
            }
            return false;
        };
        typing.view->RedrawAll();
        QVERIFY(showsRotationHandle());
        typing.Arm();
        QVERIFY(!showsRotationHandle());
        typing.Key(Qt::Key_Return);
        QVERIFY(showsRotationHandle());
    }

    void aTypedWordComesBackOutInOneStep() {
        Typing typing;
        typing.Start();
        typing.Arm();
        for (const QString& character :
             {QStringLiteral("会"), QStringLiteral("議"), QStringLiteral("室")}) {
            typing.Commit(character);
        }
        QCOMPARE(typing.history.count(), 0);
        typing.Key(Qt::Key_Return);
        QCOMPARE(typing.history.count(), 1);
        QVERIFY(typing.doc.IsModified());
        const CExParts* text = typing.doc.ElementAt(0);
        QCOMPARE(text->GetPartsName(), typing.Sjis("会議室"));
        typing.history.undo();
        QCOMPARE(typing.doc.GetElementCount(), std::size_t(0));
        typing.history.redo();
        QCOMPARE(typing.doc.GetElementCount(), std::size_t(1));
        QCOMPARE(typing.doc.ElementAt(0)->GetPartsName(), typing.Sjis("会議室"));
    }

    void anInputThatChangedNothingLeavesNoStep() {
        Typing typing;
        typing.Start();
        typing.Arm();
        typing.Key(Qt::Key_Escape);
        QCOMPARE(typing.history.count(), 0);

        // A new text typed and rubbed out again is gone without a trace.
        typing.Arm();
        typing.Commit(QStringLiteral("会"));
        typing.Key(Qt::Key_Backspace);
        typing.Key(Qt::Key_Return);
        QCOMPARE(typing.doc.GetElementCount(), std::size_t(0));
        QCOMPARE(typing.history.count(), 0);

        // A turned text opened and left keeps its angle and adds nothing.
        CExStringParts* text = typing.AddText("AB", {1250000, 1250000}, 45);
        typing.Arm();
        typing.Key(Qt::Key_Escape);
        QCOMPARE(text->GetAngle(), 45);
        QCOMPARE(typing.history.count(), 0);
        QVERIFY(!typing.doc.IsModified());
    }

    void aTextRubbedOutLeavesTheDrawingAndUndoBringsItBack() {
        Typing typing;
        typing.Start();
        CExStringParts* text = typing.AddText("AB", {1250000, 1250000}, 0);
        typing.Arm();
        typing.Key(Qt::Key_Backspace);
        typing.Key(Qt::Key_Backspace);
        typing.Key(Qt::Key_Return);
        QCOMPARE(typing.doc.GetElementCount(), std::size_t(0));
        QCOMPARE(typing.history.count(), 1);
        typing.history.undo();
        QCOMPARE(typing.doc.GetElementCount(), std::size_t(1));
        QVERIFY(typing.doc.ElementAt(0) == text);
        QCOMPARE(text->GetPartsName(), std::string("AB"));
    }

    void aPressInTheViewOrAnotherToolEndsTheInput() {
        Typing typing;
        typing.Start();
        typing.Arm();
        typing.Commit(QStringLiteral("会"));
        QTest::mouseClick(typing.view->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(typing.view->ArmedTool(), nullptr);
        QCOMPARE(typing.history.count(), 1);
        // The press only ended the input: the text stays selected.
        QCOMPARE(typing.doc.SelectionList().size(), std::size_t(1));

        CExStringParts* text = typing.AddText("AB", {1250000, 1250000}, 90);
        typing.Arm();
        typing.Commit(QStringLiteral("C"));
        typing.view->SetModeTool(excommand::kPanTool);
        QCOMPARE(typing.view->ArmedTool(), nullptr);
        QCOMPARE(text->GetAngle(), 90);
        QCOMPARE(typing.history.count(), 2);
    }

    // A part dropped from the library while a word is being typed comes after the word, and
    // each goes back in its own step.
    void aLibraryDropEndsTheInputFirst() {
        Typing typing;
        typing.Start();
        typing.Arm();
        typing.Commit(QStringLiteral("会議室"));
        CExParts prototype;
        const std::string shape = ShapeBuilder().FullSquare().End().Bytes();
        prototype.LoadShape(shape.data(), static_cast<unsigned>(shape.size()));
        prototype.SetPartsCode(70101);
        QWidget* viewport = typing.view->viewport();
        QVERIFY(typing.view->DropLibraryPart(prototype, viewport->mapToGlobal(QPoint(100, 100))));
        QCOMPARE(typing.view->ArmedTool(), nullptr);
        QCOMPARE(typing.history.count(), 2);
        QCOMPARE(typing.doc.GetElementCount(), std::size_t(2));
        typing.history.undo();
        typing.history.undo();
        QCOMPARE(typing.doc.GetElementCount(), std::size_t(0));
    }
};

QTEST_MAIN(TextToolTest)
#include "TextToolTest.moc"
