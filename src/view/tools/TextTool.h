#pragma once

#include "EditTool.h"
#include "ExTextInput.h"
#include "ExTypes.h"

#include <QString>
#include <QTimer>

#include <memory>
#include <string>

class CExEditRecorder;
class CExStringParts;

// Typing text into the drawing: into the selected text, which is shown unrotated while it is
// edited and turned back when input ends, or into a new text that the first character creates
// in the middle of the window. Characters arrive as Unicode from key events and from the input
// method; each goes in as its code page 932 bytes, and one that code page 932 cannot hold is
// refused with a note on the status bar. A command arms the tool; Enter, Esc or a press in the
// view ends it. Everything typed from arming to the end is one step of the history.
class CTextTool final : public CEditTool {
public:
    // The editing states: typing into a text, waiting for the first character of a new one.
    static constexpr int kTypingState = 1;
    static constexpr int kWaitingState = 9;
    static constexpr int kCaretWidth = 2;
    // The caret's height while there is no text yet, in pixels.
    static constexpr int kBareCaretHeight = 22;
    static constexpr int kBlinkMs = 500;

    explicit CTextTool(CToolHost& host);
    ~CTextTool() override;

    int CommandId() const override;
    int EditState() const override { return m_pText ? kTypingState : kWaitingState; }
    void Activate() override;
    void Cancel() override { End(); }
    void Press(const ExToolEvent& event) override;
    bool Key(QKeyEvent& event) override;
    void InputMethod(QInputMethodEvent& event) override;
    QVariant InputMethodQuery(Qt::InputMethodQuery query) const override;
    QRect OverlayRect() const override;
    void DrawOverlay(QPainter& painter) const override;

    // The text being typed into; null until the first character of a new text.
    const CExStringParts* Text() const { return m_pText; }
    int CaretIndex() const { return m_input.CaretIndex(); }
    // The caret in client pixels: 2 wide and as tall as the line of text.
    QRect CaretRect() const;

private:
    // Ends the input: the text turns back, an empty one leaves the drawing, and what was typed
    // becomes one step of the history.
    void End();
    void Type(const QString& characters);
    void TypeCodePoint(char32_t codePoint);
    void InsertCharacter(const std::string& character);
    void CreateText();
    // Sets the text's angle, recomputes it and draws it again.
    void TurnText(int angle);
    // Runs a change of the text or the caret; a changed text is recomputed and drawn again.
    template <typename Change> void Edit(Change change);
    void RemoveEmptyText();
    void CaretMoved();
    QRect PreeditRect() const;

    std::unique_ptr<CExEditRecorder> m_pRecorder;
    CExTextInput m_input;
    CExStringParts* m_pText = nullptr;
    // The text was created by this input.
    bool m_bCreated = false;
    // The angle to give back to the text when input ends (0: nothing to give back).
    int m_nSavedTextAngle = 0;
    bool m_bEnded = false;
    // What the input method is composing, shown at the caret until it is committed.
    QString m_strPreedit;
    QTimer m_blink;
    bool m_bCaretShown = true;
};
