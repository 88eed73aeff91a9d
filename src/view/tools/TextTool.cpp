#include "TextTool.h"

#include "Cp932.h"
#include "ExEdit.h"
#include "ExStringParts.h"
#include "ExViewContext.h"
#include "KORVANEXDoc.h"
#include "SelectionRect.h"
#include "ToolHost.h"
#include "ViewGeometry.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

constexpr const char* kStepName = "文字入力";
// The composed text is drawn in a font as tall as the line, within these limits (pixels).
constexpr int kMinPreeditPixels = 12;
constexpr int kMaxPreeditPixels = 64;

CExStringParts* SelectedText(const CKORVANEXDoc& doc) {
    CExParts* primary = doc.Selection().Primary();
    if (!primary || primary->GetPartsCode() != excode::kText) {
        return nullptr;
    }
    return dynamic_cast<CExStringParts*>(primary);
}

void Recompute(CExParts& part) {
    part.SetRedrawFlag(1);
    part.UpdateParts();
    part.RecalcParts();
}

// Control characters (Tab, Ctrl with a letter, a line break from the input method) have no
// place in a line of text.
bool IsControl(char32_t codePoint) {
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0);
}

} // namespace

CTextTool::CTextTool(CToolHost& host) : CEditTool(host) {
    m_blink.setInterval(kBlinkMs);
    QObject::connect(&m_blink, &QTimer::timeout, &m_blink, [this] {
        m_bCaretShown = !m_bCaretShown;
        Host().RefreshOverlay();
    });
}

CTextTool::~CTextTool() = default;

int CTextTool::CommandId() const {
    return excommand::kTextTool;
}

template <typename Change> void CTextTool::Edit(Change change) {
    const ExRect before = m_pText->GetUpdateRect();
    if (!change()) {
        return;
    }
    Recompute(*m_pText);
    Host().InvalidateDrawingRect(UnionRect(before, m_pText->GetUpdateRect()));
    CaretMoved();
}

// The selected text is taken as it stands, turned upright; with anything else selected, the
// selection is let go and the first character makes a new text.
void CTextTool::Activate() {
    ExActiveViewScope converting(&Host().ViewContext());
    CKORVANEXDoc& doc = Host().Document();
    m_pRecorder = std::make_unique<CExEditRecorder>(doc, kStepName);
    m_pText = SelectedText(doc);
    if (m_pText) {
        m_pRecorder->Touch(m_pText);
        m_nSavedTextAngle = m_pText->GetAngle();
        if (m_nSavedTextAngle != 0) {
            TurnText(0);
        }
    } else if (!doc.Selection().IsEmpty()) {
        const ExRect before = SelectionViewRect(doc);
        doc.Selection().Clear();
        Host().InvalidateDrawingRect(before);
        Host().SelectionChanged();
    }
    m_input.Begin(m_pText);
    CaretMoved();
}

void CTextTool::End() {
    if (m_bEnded || !m_pRecorder) {
        return;
    }
    // What the input method is still composing goes in first, as other editors take it.
    if (!m_strPreedit.isEmpty()) {
        QGuiApplication::inputMethod()->commit();
    }
    m_bEnded = true;
    m_blink.stop();
    m_strPreedit.clear();
    ExActiveViewScope converting(&Host().ViewContext());
    if (m_pText && m_nSavedTextAngle != 0) {
        TurnText(m_nSavedTextAngle);
        m_nSavedTextAngle = 0;
    }
    if (m_pText && m_pText->GetPartsName().empty()) {
        RemoveEmptyText();
    }
    if (m_pRecorder) {
        Host().PushEdit(m_pRecorder->Finish());
        m_pRecorder.reset();
    }
    Host().RefreshOverlay();
}

// A text emptied by typing leaves the drawing. One this input made leaves no trace at all.
void CTextTool::RemoveEmptyText() {
    const ExRect area = m_pText->GetUpdateRect();
    if (m_bCreated) {
        m_pRecorder.reset();
        Host().Document().RemoveElement(m_pText);
    } else {
        m_pRecorder->Remove(m_pText);
    }
    m_pText = nullptr;
    Host().InvalidateDrawingRect(area);
    Host().SelectionChanged();
}

void CTextTool::Press(const ExToolEvent&) {
    End();
    Host().FinishTool();
}

bool CTextTool::Key(QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        End();
        Host().FinishTool();
        return true;
    case Qt::Key_Backspace:
        if (m_pText) {
            Edit([this] { return m_input.DeleteBefore(*m_pText); });
        }
        return true;
    case Qt::Key_Delete:
        if (!m_pText) {
            return false;
        }
        Edit([this] { return m_input.DeleteAfter(*m_pText); });
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (!m_pText) {
            return false;
        }
        if (event.key() == Qt::Key_Left ? m_input.Left(*m_pText) : m_input.Right(*m_pText)) {
            CaretMoved();
        }
        return true;
    default:
        break;
    }
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) ||
        event.text().isEmpty()) {
        return false;
    }
    Type(event.text());
    return true;
}

void CTextTool::InputMethod(QInputMethodEvent& event) {
    if (!event.commitString().isEmpty()) {
        Type(event.commitString());
    }
    if (event.preeditString() != m_strPreedit) {
        m_strPreedit = event.preeditString();
        CaretMoved();
    }
    event.accept();
}

QVariant CTextTool::InputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
    case Qt::ImAnchorRectangle:
        return CaretRect();
    default:
        return {};
    }
}

void CTextTool::Type(const QString& characters) {
    for (const char32_t codePoint : characters.toUcs4()) {
        TypeCodePoint(codePoint);
    }
}

// A character goes in as the bytes code page 932 gives it, through the same byte stream as a
// keyboard that sends Shift-JIS would, so that a double-byte character goes in whole.
void CTextTool::TypeCodePoint(char32_t codePoint) {
    if (IsControl(codePoint)) {
        return;
    }
    const QString character = QString::fromUcs4(&codePoint, 1);
    const std::optional<std::string> bytes = cp932::FromUtf8(character.toStdString());
    if (!bytes || bytes->empty()) {
        Host().ShowStatusMessage(
            QStringLiteral("「%1」はシフトJISにない文字のため入力できません。").arg(character));
        return;
    }
    for (const char byte : *bytes) {
        if (const auto whole = m_input.Feed(static_cast<unsigned char>(byte))) {
            InsertCharacter(*whole);
        }
    }
}

void CTextTool::InsertCharacter(const std::string& character) {
    if (m_bEnded) {
        return;
    }
    ExActiveViewScope converting(&Host().ViewContext());
    if (!m_pText) {
        CreateText();
    }
    Edit([&] { return m_input.Insert(*m_pText, character); });
}

void CTextTool::CreateText() {
    const CViewGeometry& geometry = Host().Geometry();
    const ExPoint at =
        CExTextInput::NewTextPosition(geometry.ClientCentreDrawing(), geometry.SheetExtent());
    m_pText = static_cast<CExStringParts*>(m_pRecorder->Add(CExTextInput::NewText(at)));
    m_bCreated = true;
    m_input.Begin(m_pText);
    Host().Document().Selection().Select(m_pText);
    Host().SelectionChanged();
}

void CTextTool::TurnText(int angle) {
    const ExRect before = m_pText->GetUpdateRect();
    m_pText->SetAngle(angle);
    Recompute(*m_pText);
    Host().InvalidateDrawingRect(UnionRect(before, m_pText->GetUpdateRect()));
}

void CTextTool::CaretMoved() {
    m_bCaretShown = true;
    if (!m_bEnded) {
        m_blink.start();
    }
    Host().RefreshOverlay();
    Host().UpdateInputMethod();
}

QRect CTextTool::CaretRect() const {
    const CViewGeometry& geometry = Host().Geometry();
    if (!m_pText) {
        const QSize client = geometry.ClientPixels();
        return {client.width() / 2, client.height() / 2 - kBareCaretHeight / 2, kCaretWidth,
                kBareCaretHeight};
    }
    const ExPoint top = m_input.CaretPoint(*m_pText);
    const QPoint upper = geometry.DrawingToPixel(top);
    const QPoint lower = geometry.DrawingToPixel(
        {top.x, WrapToInt32(std::int64_t(top.y) - m_pText->GetLineHeight())});
    return {upper.x(), upper.y(), kCaretWidth, std::max(1, lower.y() - upper.y())};
}

QRect CTextTool::PreeditRect() const {
    if (m_strPreedit.isEmpty()) {
        return {};
    }
    const QRect caret = CaretRect();
    QFont font;
    font.setPixelSize(std::clamp(caret.height(), kMinPreeditPixels, kMaxPreeditPixels));
    const QFontMetrics metrics(font);
    return {caret.left(), caret.top(), metrics.horizontalAdvance(m_strPreedit) + kCaretWidth,
            metrics.height()};
}

QRect CTextTool::OverlayRect() const {
    if (m_bEnded) {
        return {};
    }
    return CaretRect() | PreeditRect();
}

// While the input method composes, its text stands at the caret, underlined, in the
// desktop's font; the caret waits behind it.
void CTextTool::DrawOverlay(QPainter& painter) const {
    if (m_bEnded) {
        return;
    }
    const QRect preedit = PreeditRect();
    if (!preedit.isEmpty()) {
        QFont font;
        font.setPixelSize(std::clamp(CaretRect().height(), kMinPreeditPixels, kMaxPreeditPixels));
        font.setUnderline(true);
        painter.save();
        painter.fillRect(preedit, Qt::white);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(preedit, Qt::AlignLeft | Qt::AlignVCenter, m_strPreedit);
        painter.restore();
        return;
    }
    if (m_bCaretShown) {
        painter.fillRect(CaretRect(), Qt::black);
    }
}
