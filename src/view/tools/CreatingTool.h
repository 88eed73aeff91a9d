#pragma once

#include "EditTool.h"

#include <memory>

class CExParts;

// What the tools that make a new element point by point (ruler, area, cable) share: where a
// press counts, how the element being made is shown over the drawing, and how it is placed
// or given up. The element being made belongs to the tool, never to the drawing, so a tool
// that is abandoned leaves no trace.
class CCreatingTool : public CEditTool {
public:
    using CEditTool::CEditTool;

    // Escape gives up what is being made.
    bool Key(QKeyEvent& event) override;
    QCursor Cursor() const override { return Qt::CrossCursor; }
    QRect OverlayRect() const override;
    void DrawOverlay(QPainter& painter) const override;

protected:
    // The element shown while it is made (null: nothing yet).
    virtual const CExParts* Making() const = 0;

    // A press counts inside the window and on the sheet only.
    bool IsInside(const ExToolEvent& event) const;
    // Empties the selection, as every creating tool does first.
    void ClearSelection();
    // The label size the window gives a new ruler or area: a fortieth of the window's width and
    // height, in drawing units.
    ExPoint LabelSize() const;
    // The element being made changed: the overlay is composed again over its old and new area.
    void ShowMaking();
    // Adds the finished element to the drawing as one history step, alone in the selection, and
    // leaves the tool for vertex editing, where it can be reshaped at once.
    void Place(std::unique_ptr<CExParts> element, const char* stepName);
    // Leaves the tool without adding anything; the mode tool given is current then.
    void GiveUp(int modeTool);
};
