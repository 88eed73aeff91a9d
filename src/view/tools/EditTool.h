#pragma once

#include "ExTypes.h"
#include "ViewRenderer.h"

#include <QCursor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVariant>

class CToolHost;
class QInputMethodEvent;
class QKeyEvent;
class QPainter;

// One pointer event as a tool sees it: the client pixel, the drawing point the host made of it,
// and the modifier keys.
struct ExToolEvent {
    QPoint pixel;
    ExPoint point; // snapped: where the tool puts what it makes
    ExPoint exact; // under the pointer itself: what a press hits is decided here
    bool control = false;
    bool shift = false;
    bool alt = false; // snapping is suspended while Alt is held
};

// An editing tool of the drawing view: the view forwards its events to the current tool. A tool
// keeps its own phase; what it shows while it works is its overlay, drawn over the selection.
class CEditTool : public CViewOverlay {
public:
    explicit CEditTool(CToolHost& host) : m_host(host) {}
    virtual ~CEditTool() = default;
    CEditTool(const CEditTool&) = delete;
    CEditTool& operator=(const CEditTool&) = delete;

    // The mode tool command this tool stands for (32781 select, 32783 pan, …).
    virtual int CommandId() const = 0;
    // The view's editing state number while this tool is current, by its phase.
    virtual int EditState() const = 0;

    virtual void Activate() {}
    // The tool is left or its view deactivated: whatever is under way is abandoned.
    virtual void Cancel() {}

    // The left button; of the others only the right button's press reaches the tools.
    virtual void Press(const ExToolEvent&) {}
    virtual void RightPress(const ExToolEvent&) {}
    virtual void Move(const ExToolEvent&) {}
    virtual void Release(const ExToolEvent&) {}
    virtual void DoubleClick(const ExToolEvent&) {}
    // True when the tool used the key.
    virtual bool Key(QKeyEvent&) { return false; }
    virtual void InputMethod(QInputMethodEvent&) {}
    // What the input method asks of a tool that takes text (rectangles in client pixels); an
    // invalid value leaves the answer to the view.
    virtual QVariant InputMethodQuery(Qt::InputMethodQuery) const { return {}; }

    virtual QCursor Cursor() const { return Qt::ArrowCursor; }
    // What the status bar tells of the tool's work beside the pointer's position; empty for
    // nothing.
    virtual QString StatusText() const { return {}; }
    // Whether the selected parts show their handles while this tool is current.
    virtual bool ShowsHandles() const { return false; }
    // Client pixels the overlay covers (empty: none), and its drawing.
    QRect OverlayRect() const override { return {}; }
    void DrawOverlay(QPainter&) const override {}

protected:
    CToolHost& Host() const { return m_host; }

private:
    CToolHost& m_host;
};
