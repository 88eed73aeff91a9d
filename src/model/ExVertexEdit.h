#pragma once

// Reshaping an outline point by point: dragging a corner of a wall, a room or an area or a bend
// of a cable, inserting a corner on an edge, removing one, and dragging either end of a distance
// ruler to attach it where it is dropped. The view feeds these with pointer positions; points
// are in view units where the handles are hit and in drawing units where the pointer moves.

#include "ExArea.h"
#include "ExEdit.h"
#include "ExTypes.h"

#include <memory>
#include <vector>

class CExDC;
class CExMeasure;
class CExParts;
class CExViewContext;
class CKORVANEXDoc;

// How a part is vertex-edited: walls, rooms and areas are closed outlines whose last line ends
// where the first begins, a cable is an open polyline, a ruler has its two ends.
enum class ExVertexShape { None, Closed, Open, RulerEnds };
ExVertexShape VertexShapeOf(const CExParts& part);

// The vertex handle whose grip holds a view point, the first in line order (start of line k is
// vertex k; a cable's last point follows its last line's start), or -1.
int VertexAt(const CExParts& part, ExPoint view);
// The ruler end, 0 then 1, whose end mark holds a view point, or -1.
int RulerEndAt(const CExMeasure& ruler, ExPoint view);

// The vertex handles as the vertex tool shows them: a blue disc of radius 105 view units on both
// ends of every line, with the pen the surface holds. A ruler shows its end marks.
void DrawVertexHandles(CExParts& part, CExDC& dc);
// The view rectangle (top the larger y) the handles cover; empty when there are none.
ExRect VertexHandlesRect(const CExParts& part);

// Splits the first edge, in line order, that a 1 mm probe through the view point crosses (the
// horizontal probe first, then the vertical one), at the crossing. False when none is crossed.
bool InsertVertex(CExEditRecorder& recorder, CExParts& part, ExPoint view);
// Removes the vertex whose handle holds the view point. A closed outline keeps at least three
// lines and a cable one; false when nothing was removed.
bool RemoveVertex(CExEditRecorder& recorder, CExParts& part, ExPoint view);

// Dragging one vertex. Every step starts again from the outline as it was pressed, so that no
// rounding piles up; walls and rooms move their origin to the middle of their new frame, and the
// rulers attached to them keep their ends where they are.
class CExVertexDrag {
public:
    // At the first move after a press on the vertex. view is the active view.
    CExVertexDrag(CKORVANEXDoc& doc, const CExViewContext& view, CExParts& part, int vertex);

    // One pointer position in drawing units: the vertex and the end that adjoins it go there.
    void Step(ExPoint pointer);
    // The button went up. Inside the window and on the sheet the drag is one step of the
    // history (null when nothing changed); elsewhere the outline is put back as it was pressed.
    std::unique_ptr<CExEdit> Release(ExPoint pointer, bool insideWindow);
    // The drag is abandoned: the outline is put back as it was pressed.
    void Cancel();

    CExParts& Part() const { return m_part; }

private:
    CExEditRecorder m_recorder;
    const CExViewContext& m_view;
    CExParts& m_part;
    int m_nVertex;
    ExVertexShape m_shape;
    CExPartsLines m_lstPressed;
    ExPoint m_ptPressed;
    std::vector<CExMeasure*> m_rulers;
    std::unique_ptr<CExArea::PillarSnapshot> m_pPillars;
};

// Dragging one end of a distance ruler. The end follows the pointer; where it is dropped it
// attaches to the topmost part under it (never an area, a ruler or a cable) or comes loose.
class CExRulerEndDrag {
public:
    // At the press on the end; its point and attachment are kept as the ruler's saved end.
    CExRulerEndDrag(CKORVANEXDoc& doc, const CExViewContext& view, CExMeasure& ruler, int end);

    void Step(ExPoint pointer);
    // Inside the window and on the sheet the end attaches where it lands and the drag is one
    // step of the history; elsewhere the end goes back with its old attachment (null).
    std::unique_ptr<CExEdit> Release(ExPoint pointer, bool insideWindow);
    void Cancel();

    CExMeasure& Ruler() const { return m_ruler; }
    int End() const { return m_nEnd; }

private:
    CExEditRecorder m_recorder;
    const CExViewContext& m_view;
    CExMeasure& m_ruler;
    int m_nEnd;
};

// Whether a drawing point lies on the sheet of the view (edges included).
bool IsOnSheet(const CExViewContext& view, ExPoint drawing);
