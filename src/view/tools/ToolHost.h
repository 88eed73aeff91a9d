#pragma once

#include "ExTypes.h"

#include <QPoint>

#include <memory>

class CExEdit;
class CExViewContext;
class CKORVANEXDoc;
class CViewGeometry;
class QCursor;
class QString;

// What an editing tool may ask of the view it works in. The view implements it; tool tests
// implement it without a window.
class CToolHost {
public:
    virtual ~CToolHost() = default;

    virtual CKORVANEXDoc& Document() = 0;
    virtual const CViewGeometry& Geometry() const = 0;
    // The view the parts convert through while a tool changes them.
    virtual CExViewContext& ViewContext() = 0;

    // The drawing point under a client pixel, snapped unless snapping is suspended (Alt held).
    // Every tool takes its points from here, so that all of them snap alike.
    virtual ExPoint DrawingPoint(QPoint pixel, bool snapSuspended) = 0;
    // Where a drawing point snaps while snapping is on: to the nearer of the grid's fine lattice
    // and a corner or edge middle of an unselected part within a few pixels, with a mark shown
    // there. The point itself while snapping is off or suspended.
    virtual ExPoint SnapPoint(ExPoint drawing, bool snapSuspended) = 0;

    // The parts in a view-unit rectangle changed: draw them again.
    virtual void InvalidateDrawingRect(const ExRect& viewRect) = 0;
    // Only the selection changed within a view-unit rectangle: compose it again.
    virtual void RefreshRect(const ExRect& viewRect) = 0;
    // The tool's overlay changed: compose the window again.
    virtual void RefreshOverlay() = 0;
    virtual void RedrawAll() = 0;

    virtual void CaptureMouse(bool capture) = 0;
    // Scrolls the sheet by whole pixels (positive x shows more of the right, positive y more of
    // the bottom); axes that fit in the window stay put.
    virtual void ScrollByPixels(QPoint delta) = 0;
    virtual void SetToolCursor(const QCursor& cursor) = 0;
    // The tool's text input point moved: the input method places its window again.
    virtual void UpdateInputMethod() = 0;
    // A short note on the status bar.
    virtual void ShowStatusMessage(const QString& text) = 0;

    // Zooms so that a drawing rectangle fills the window, or one step in at a drawing point.
    virtual void ZoomToDrawingRect(const ExRect& drawing) = 0;
    virtual void ZoomInAt(ExPoint drawing) = 0;

    // Opens the property dialog of the primary selected part.
    virtual void ShowProperties() = 0;
    // Offers the commands on the selection in a menu at a client pixel.
    virtual void ShowContextMenu(QPoint pixel) = 0;
    // An armed tool is done (finished or abandoned): the mode tool is current again. The tool
    // may still be running when it says so; it is destroyed only after the event.
    virtual void FinishTool() = 0;

    // A finished user operation: it is already applied and goes on the drawing's history.
    virtual void PushEdit(std::unique_ptr<CExEdit> edit) = 0;
    // The selection or the parts changed: menus and tool bars update their enabling.
    virtual void SelectionChanged() = 0;
};
