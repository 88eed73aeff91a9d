#pragma once

#include "ExTypes.h"
#include "ExViewSettings.h"

class CKORVANEXDoc;

// What an element asks of "the active view": the zoom divisor, the conversion of drawing sizes
// and points to view units with the display's pixel snapping, the drawing sheet and the display
// switches. The drawing view implements it; CExHeadlessView serves the tools and tests.
class CExViewContext {
public:
    virtual ~CExViewContext() = default;

    // The settings the view shows the drawing with; the view owns them, everything reads them.
    virtual const ExViewSettings& Settings() const = 0;
    // Dots per inch of the display the view units are snapped to.
    virtual int GetDpi() const = 0;
    // False for surfaces that are not an interactive drawing view (printing, export).
    virtual bool IsDrawingView() const = 0;
    // The drawing the view shows, for elements that look at their neighbours; may be null.
    virtual const CKORVANEXDoc* GetDocument() const { return nullptr; }

    // The divisor applied by every conversion (the drawing is shown at 1/divisor).
    int GetViewScale() const { return Settings().viewScale; }
    // Drawing sheet size in whole metres.
    int GetMapWidth() const { return Settings().mapWidth; }
    int GetMapHeight() const { return Settings().mapHeight; }
    bool IsShowGrid() const { return Settings().showGrid != 0; }
    bool IsShowMeasure() const { return Settings().showMeasure != 0; }
    bool IsShowArea() const { return Settings().showArea != 0; }

    // A drawing-unit length in view units: divided by the divisor, then snapped to the pixel grid.
    int ToViewLength(int drawingLength) const;
    void ToViewPoint(ExPoint& point) const;
    void ToViewRect(ExRect& rect) const;
    // A view-unit length back in drawing units.
    int ToDrawingLength(int viewLength) const {
        return WrapToInt32(std::int64_t(viewLength) * GetViewScale());
    }
};

// Snaps a length in 0.01 mm to the nearest whole device pixel at the given resolution and back,
// as the display's metric mapping does.
int SnapToPixelGrid(int hundredthsOfMm, int dpi);

// The main frame's active drawing view, or null when no view is active.
CExViewContext* GetActiveView();
// Makes a view the active one (not owned); returns the previous one.
CExViewContext* SetActiveView(CExViewContext* view);

// Conversions by the active view; without one, values pass unchanged.
ExPoint ToActiveView(ExPoint point);
int ToActiveViewLength(int length);

// Makes a view active for the lifetime of the scope.
class ExActiveViewScope {
public:
    explicit ExActiveViewScope(CExViewContext* view) : m_previous(SetActiveView(view)) {}
    ~ExActiveViewScope() { SetActiveView(m_previous); }
    ExActiveViewScope(const ExActiveViewScope&) = delete;
    ExActiveViewScope& operator=(const ExActiveViewScope&) = delete;

private:
    CExViewContext* m_previous;
};
